// A tooltip with a body for the process's StatusNotifier item. Qt serves the item's D-Bus object
// itself and exports the icon's one tooltip text as the title, with no body. This object takes the
// item's path over on Qt's own connection: it answers the ToolTip property with a title and a body,
// adds the label beside the icon that panels of the Ayatana family read (XAyatanaLabel and its
// guide) and the activation token a Wayland host hands over before Activate, and passes every other
// property, method and signal through to Qt's item unchanged.
#pragma once

#include <QDBusVirtualObject>
#include <QPointer>
#include <QString>

namespace nuro {

// Whether this process's icon is registered as a StatusNotifier item.
bool StatusNotifierItemRegistered();

class StatusNotifierToolTip : public QDBusVirtualObject {
    Q_OBJECT
public:
    explicit StatusNotifierToolTip(QObject* parent = nullptr);
    ~StatusNotifierToolTip() override;

    // Serves the item Qt registered for this process's icon; again after Qt registered it anew (the
    // icon hidden and shown). False, with Qt's item left as it is, when there is no item or it does
    // not look as expected.
    bool Attach();
    bool Attached() const;

    // The tooltip's title and body (plain text, lines split by "\n"); the host is told when they change.
    void SetToolTip(const QString& title, const QString& body);
    // The label beside the icon and its guide (the widest text it takes); empty: no label.
    void SetLabel(const QString& label, const QString& guide);
    QString Label() const { return label_; }

signals:
    // The host called ProvideXdgActivationToken: the Activate that follows is its user's click.
    void activationTokenProvided(const QString& token);

public:
    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private slots:
    void RelayItemSignal();

private:
    void Release();
    QVariant ItemProperty(const QString& name) const;
    void EmitNewToolTip();
    void EmitNewLabel();

    QString connectionName_;
    QPointer<QObject> item_; // Qt's tray item, once registered at the item's path
    QPointer<QObject> adaptor_; // its org.kde.StatusNotifierItem adaptor
    QString title_, body_;
    QString label_, guide_;
};

} // namespace nuro
