#include "platform/os/StatusNotifierToolTip.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QMetaClassInfo>
#include <QMetaMethod>
#include <QMetaProperty>

#include <array>

namespace nuro {
namespace {

const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kLabelProperty = QStringLiteral("XAyatanaLabel");
const QString kGuideProperty = QStringLiteral("XAyatanaLabelGuide");
const QString kTokenMethod = QStringLiteral("ProvideXdgActivationToken");

// What this object serves beyond Qt's item, in the introspection's words.
const char* const kAddedIntrospection = "    <property name=\"XAyatanaLabel\" type=\"s\" access=\"read\"/>\n"
                                        "    <property name=\"XAyatanaLabelGuide\" type=\"s\" access=\"read\"/>\n"
                                        "    <signal name=\"XAyatanaNewLabel\">\n"
                                        "      <arg name=\"label\" type=\"s\" direction=\"out\"/>\n"
                                        "      <arg name=\"guide\" type=\"s\" direction=\"out\"/>\n"
                                        "    </signal>\n"
                                        "    <method name=\"ProvideXdgActivationToken\">\n"
                                        "      <arg name=\"token\" type=\"s\" direction=\"in\"/>\n"
                                        "    </method>\n";

// One picture of the tooltip's icon, as the protocol carries it (width, height, ARGB32 bytes).
struct TipImage {
    int width = 0;
    int height = 0;
    QByteArray argb;
};

// The protocol's tooltip: icon name, icon pictures, title, body. The pictures are the item's own
// IconPixmap value, passed on in Qt's type.
struct TipValue {
    QString iconName;
    QVariant image;
    QString title;
    QString body;
};

} // namespace
} // namespace nuro

Q_DECLARE_METATYPE(nuro::TipImage)
Q_DECLARE_METATYPE(nuro::TipValue)

namespace nuro {
namespace {

QDBusArgument& operator<<(QDBusArgument& arg, const TipImage& image)
{
    arg.beginStructure();
    arg << image.width << image.height << image.argb;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TipImage& image)
{
    arg.beginStructure();
    arg >> image.width >> image.height >> image.argb;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const TipValue& tip)
{
    arg.beginStructure();
    arg << tip.iconName;
    const QVariant& image = tip.image;
    // Only a value that is itself an a(iiay) keeps the structure's signature; anything else, none.
    if (image.isValid() && qstrcmp(QDBusMetaType::typeToSignature(image.metaType()), "a(iiay)") == 0)
        QDBusMetaType::marshall(arg, image.metaType(), image.constData());
    else
        arg << QList<TipImage>();
    arg << tip.title << tip.body;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, TipValue& tip)
{
    QList<TipImage> images;
    arg.beginStructure();
    arg >> tip.iconName >> images >> tip.title >> tip.body;
    arg.endStructure();
    tip.image = QVariant::fromValue(images);
    return arg;
}

void RegisterTypes()
{
    static const bool registered = [] {
        qDBusRegisterMetaType<TipImage>();
        qDBusRegisterMetaType<QList<TipImage>>();
        qDBusRegisterMetaType<TipValue>();
        return true;
    }();
    (void)registered;
}

// The org.kde.StatusNotifierItem adaptor of Qt's item, when the object at the path is one.
QObject* ItemAdaptorOf(QObject* item)
{
    if (!item)
        return nullptr;
    for (QDBusAbstractAdaptor* adaptor : item->findChildren<QDBusAbstractAdaptor*>(Qt::FindDirectChildrenOnly)) {
        const QMetaObject* mo = adaptor->metaObject();
        const int info = mo->indexOfClassInfo("D-Bus Interface");
        if (info >= 0 && kItemInterface == QLatin1String(mo->classInfo(info).value()))
            return adaptor;
    }
    return nullptr;
}

// The connections Qt may serve the item on: the session bus, or one of its own named after the
// item ("org.kde.StatusNotifierItem-<pid>-<n>", n counting the process's icons).
QList<QDBusConnection> ItemConnections()
{
    QList<QDBusConnection> all{QDBusConnection::sessionBus()};
    const qint64 pid = QCoreApplication::applicationPid();
    for (int n = 1; n <= 8; ++n)
        all.append(QDBusConnection(QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(pid).arg(n)));
    return all;
}

} // namespace

bool StatusNotifierItemRegistered()
{
    for (const QDBusConnection& bus : ItemConnections())
        if (bus.isConnected() && bus.objectRegisteredAt(kItemPath))
            return true;
    return false;
}

StatusNotifierToolTip::StatusNotifierToolTip(QObject* parent) : QDBusVirtualObject(parent)
{
    RegisterTypes();
}

StatusNotifierToolTip::~StatusNotifierToolTip()
{
    Release();
}

bool StatusNotifierToolTip::Attached() const
{
    if (connectionName_.isEmpty())
        return false;
    const QDBusConnection bus(connectionName_);
    return bus.isConnected() && bus.objectRegisteredAt(kItemPath) == this;
}

bool StatusNotifierToolTip::Attach()
{
    if (Attached())
        return true;
    for (QDBusConnection bus : ItemConnections()) {
        if (!bus.isConnected())
            continue;
        QObject* item = bus.objectRegisteredAt(kItemPath);
        QObject* adaptor = ItemAdaptorOf(item);
        if (!adaptor)
            continue;
        bus.unregisterObject(kItemPath, QDBusConnection::UnregisterNode);
        if (!bus.registerVirtualObject(kItemPath, this, QDBusConnection::SingleNode)) {
            bus.registerObject(kItemPath, item); // Qt's item as it was
            return false;
        }
        if (adaptor_)
            disconnect(adaptor_, nullptr, this, nullptr);
        item_ = item;
        adaptor_ = adaptor;
        // Once our object serves the path Qt's connection no longer sends the item's signals.
        const QMetaObject* mo = adaptor->metaObject();
        const QMetaMethod relay = staticMetaObject.method(staticMetaObject.indexOfSlot("RelayItemSignal()"));
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
            if (mo->method(i).methodType() == QMetaMethod::Signal)
                connect(adaptor, mo->method(i), this, relay);
        connectionName_ = bus.name();
        EmitNewToolTip();
        EmitNewLabel();
        return true;
    }
    return false;
}

void StatusNotifierToolTip::Release()
{
    if (!Attached())
        return;
    QDBusConnection bus(connectionName_);
    bus.unregisterObject(kItemPath, QDBusConnection::UnregisterNode);
    if (item_)
        bus.registerObject(kItemPath, item_);
}

void StatusNotifierToolTip::SetToolTip(const QString& title, const QString& body)
{
    const bool changed = title != title_ || body != body_;
    title_ = title;
    body_ = body;
    // Also mends a take-over that a re-registration by Qt undid since the last minute.
    if (item_ && !Attached())
        Attach();
    else if (changed)
        EmitNewToolTip();
}

void StatusNotifierToolTip::SetLabel(const QString& label, const QString& guide)
{
    if (label == label_ && guide == guide_)
        return;
    label_ = label;
    guide_ = guide;
    if (item_ && !Attached())
        Attach();
    else
        EmitNewLabel();
}

void StatusNotifierToolTip::EmitNewLabel()
{
    if (Attached())
        QDBusConnection(connectionName_)
            .send(QDBusMessage::createSignal(kItemPath, kItemInterface, QStringLiteral("XAyatanaNewLabel"))
                  << label_ << guide_);
}

QVariant StatusNotifierToolTip::ItemProperty(const QString& name) const
{
    if (!adaptor_)
        return {};
    if (name == kLabelProperty)
        return label_;
    if (name == kGuideProperty)
        return guide_;
    const QMetaObject* mo = adaptor_->metaObject();
    const int index = mo->indexOfProperty(name.toLatin1().constData());
    if (index < mo->propertyOffset())
        return {};
    if (name == QLatin1String("ToolTip"))
        return QVariant::fromValue(TipValue{ItemProperty(QStringLiteral("IconName")).toString(),
                                            ItemProperty(QStringLiteral("IconPixmap")), title_, body_});
    return mo->property(index).read(adaptor_);
}

void StatusNotifierToolTip::EmitNewToolTip()
{
    if (Attached())
        QDBusConnection(connectionName_)
            .send(QDBusMessage::createSignal(kItemPath, kItemInterface, QStringLiteral("NewToolTip")));
}

void StatusNotifierToolTip::RelayItemSignal()
{
    if (!Attached() || sender() != adaptor_)
        return;
    const QMetaMethod signal = adaptor_->metaObject()->method(senderSignalIndex());
    QDBusMessage message = QDBusMessage::createSignal(kItemPath, kItemInterface, QString::fromLatin1(signal.name()));
    if (signal.parameterCount() == 1 && signal.name() == "NewStatus")
        message << ItemProperty(QStringLiteral("Status")).toString();
    else if (signal.parameterCount() != 0)
        return; // a signal this item did not have when this was written: not guessed at
    QDBusConnection(connectionName_).send(message);
}

QString StatusNotifierToolTip::introspect(const QString&) const
{
    if (!adaptor_)
        return {};
    const QMetaObject* mo = adaptor_->metaObject();
    const int info = mo->indexOfClassInfo("D-Bus Introspection");
    QString xml = info >= 0 ? QString::fromUtf8(mo->classInfo(info).value()) : QString();
    const qsizetype end = xml.lastIndexOf(QLatin1String("</interface>"));
    if (end >= 0)
        xml.insert(end, QString::fromLatin1(kAddedIntrospection));
    return xml;
}

bool StatusNotifierToolTip::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (!adaptor_)
        return false;
    const QString interface = message.interface(), member = message.member();
    const QVariantList args = message.arguments();
    auto reply = [&](const QDBusMessage& answer) {
        connection.send(answer);
        return true;
    };

    if (interface == kPropertiesInterface) {
        if (args.isEmpty() || args[0].toString() != kItemInterface)
            return reply(message.createErrorReply(QDBusError::UnknownInterface, args.value(0).toString()));
        if (member == QLatin1String("Get") && args.size() == 2) {
            const QVariant value = ItemProperty(args[1].toString());
            if (!value.isValid())
                return reply(message.createErrorReply(QDBusError::UnknownProperty, args[1].toString()));
            return reply(message.createReply(QVariant::fromValue(QDBusVariant(value))));
        }
        if (member == QLatin1String("GetAll") && args.size() == 1) {
            QVariantMap all;
            const QMetaObject* mo = adaptor_->metaObject();
            for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
                const QString name = QString::fromLatin1(mo->property(i).name());
                all.insert(name, ItemProperty(name));
            }
            all.insert(kLabelProperty, label_);
            all.insert(kGuideProperty, guide_);
            return reply(message.createReply(QVariant::fromValue(all)));
        }
        if (member == QLatin1String("Set"))
            return reply(message.createErrorReply(QDBusError::PropertyReadOnly, args.value(1).toString()));
        return reply(message.createErrorReply(QDBusError::UnknownMethod, member));
    }

    if (!interface.isEmpty() && interface != kItemInterface)
        return false; // Introspectable and Peer: answered by Qt
    if (member == kTokenMethod && args.size() == 1) {
        emit activationTokenProvided(args[0].toString());
        return reply(message.createReply());
    }
    const QMetaObject* mo = adaptor_->metaObject();
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod method = mo->method(i);
        if (method.methodType() != QMetaMethod::Slot || method.name() != member.toLatin1() ||
            method.parameterCount() != args.size() || args.size() > 10)
            continue;
        QVariantList values = args;
        std::array<QGenericArgument, 10> generic{};
        for (int j = 0; j < args.size(); ++j) {
            if (!values[j].convert(method.parameterMetaType(j)))
                return reply(message.createErrorReply(QDBusError::InvalidArgs, member));
            generic[j] = QGenericArgument(method.parameterMetaType(j).name(), values[j].constData());
        }
        method.invoke(adaptor_, Qt::DirectConnection, generic[0], generic[1], generic[2], generic[3], generic[4],
                      generic[5], generic[6], generic[7], generic[8], generic[9]);
        return reply(message.createReply());
    }
    return reply(message.createErrorReply(QDBusError::UnknownMethod, member));
}

} // namespace nuro
