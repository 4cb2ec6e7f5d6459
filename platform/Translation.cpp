#include "platform/Translation.h"

#include "platform/DialogWindow.h"
#include "resources/UiTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <mutex>

namespace nuro {
namespace {

const QString kCatalogues = QStringLiteral(":/i18n");

std::string& InstalledLanguage()
{
    static std::string language = "en";
    return language;
}

// The Arabic catalogue on its own, for the main window's switch whatever the locale.
const QTranslator* ArabicCatalogue()
{
    static QTranslator arabic;
    static const bool loaded = arabic.load(QStringLiteral("nuro_ar"), kCatalogues);
    return loaded ? &arabic : nullptr;
}

} // namespace

bool InstallTranslations()
{
    static std::once_flag once;
    static bool installed = false;
    std::call_once(once, [] {
        const QLocale locale;
        auto* own = new QTranslator(QCoreApplication::instance());
        // Looks for nuro_ar_TN, nuro_ar, ... in the order of the locale's languages.
        if (own->load(locale, QStringLiteral("nuro"), QStringLiteral("_"), kCatalogues) && !own->isEmpty()) {
            QCoreApplication::installTranslator(own);
            installed = true;
            InstalledLanguage() = own->language().section(QLatin1Char('_'), 0, 0).toStdString();
        } else {
            delete own;
        }
        // Qt's own dialog buttons, where the system carries their catalogue.
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (installed && qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    });
    return installed;
}

std::string InterfaceLanguage()
{
    return InstalledLanguage();
}

void SetInterfaceLanguage(const std::string& language)
{
    InstalledLanguage() = language;
}

std::string InterfaceLocale()
{
    const std::string language = InterfaceLanguage();
    const QString system = QLocale().name();
    if (system.section(QLatin1Char('_'), 0, 0).toStdString() == language)
        return system.toStdString();
    return language;
}

QString TranslateData(TextLanguage language, const std::string& context, const char* source)
{
    const QString whole = QString::fromUtf8(source ? source : "");
    const QString key = whole.trimmed();
    if (key.isEmpty() || language == TextLanguage::English)
        return whole;
    const QByteArray keyBytes = key.toUtf8();
    QString translated;
    if (language == TextLanguage::Arabic) {
        if (const QTranslator* arabic = ArabicCatalogue())
            translated = arabic->translate(context.c_str(), keyBytes.constData());
    } else {
        translated = QCoreApplication::translate(context.c_str(), keyBytes.constData());
    }
    if (translated.isEmpty() || translated == key)
        return whole;
    const qsizetype lead = whole.indexOf(key);
    return whole.left(lead) + translated + whole.mid(lead + key.size());
}

void ApplyAccessibleTexts(QWidget* dialog, TextLanguage language)
{
    DialogWindow* dlg = DialogOf(dialog);
    if (!dlg)
        return;
    const int templateId = dlg->Template().id;
    for (QWidget* w : dlg->Controls()) {
        const AccessibleText* row = FindAccessibleText(templateId, w->property(kControlIdProperty).toInt());
        if (!row)
            continue;
        w->setAccessibleName(TranslateData(language, kAccessibleContext, row->name));
        w->setAccessibleDescription(TranslateData(language, kAccessibleContext, row->description));
    }
}

} // namespace nuro
