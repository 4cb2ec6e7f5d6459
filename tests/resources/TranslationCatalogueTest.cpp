// The Arabic catalogue as the program embeds it: every menu text, every marked template text and
// every accessible text has a translation in Arabic script, keeping a menu's mnemonic.
#include "resources/Pictures.h"
#include "resources/UiTexts.h"

#include <gtest/gtest.h>

#include <QTranslator>

#include <string>

using namespace nuro;

namespace {

bool HasLetter(const QString& s)
{
    for (QChar c : s)
        if (c.isLetter())
            return true;
    return false;
}

bool HasArabicLetter(const QString& s)
{
    for (QChar c : s)
        if (c.isLetter() && c.script() == QChar::Script_Arabic)
            return true;
    return false;
}

struct Catalogue {
    Catalogue() { loaded = translator.load(QStringLiteral(":/i18n/nuro_ar.qm")); }
    QString Translate(const std::string& context, const char* source) const
    {
        return translator.translate(context.c_str(), QString::fromUtf8(source).trimmed().toUtf8().constData());
    }
    QTranslator translator;
    bool loaded = false;
};

} // namespace

TEST(ArabicCatalogue, TranslatesEveryMenuMarkedAndAccessibleText)
{
    const Catalogue ar;
    ASSERT_TRUE(ar.loaded) << "the Arabic catalogue is embedded at :/i18n/nuro_ar.qm";

    struct Row {
        std::string context;
        const char* source;
    };
    std::vector<Row> rows;
    for (int id : {13, 103})
        for (const MenuItemTemplate& item : FindMenu(id)->items)
            if (HasLetter(QString::fromUtf8(item.text)))
                rows.push_back({MenuContext(id), item.text});
    for (const MarkedText& text : MarkedTexts())
        if (std::string(text.context) != "QGuiApplication")
            rows.push_back({text.context, text.source});
    for (const AccessibleText& text : AccessibleTexts()) {
        rows.push_back({kAccessibleContext, text.name});
        rows.push_back({kAccessibleContext, text.description});
    }
    ASSERT_GT(rows.size(), 100u);

    for (const Row& r : rows) {
        const QString source = QString::fromUtf8(r.source);
        const QString arabic = ar.Translate(r.context, r.source);
        EXPECT_TRUE(HasArabicLetter(arabic)) << r.context << " \"" << r.source << "\" -> \"" << arabic.toStdString() << '"';
        // A menu's Alt key: one mnemonic in the translation where the source has one.
        EXPECT_EQ(source.count(QLatin1Char('&')), arabic.count(QLatin1Char('&')))
            << r.context << " \"" << r.source << '"';
    }
    EXPECT_EQ(ar.translator.translate("QGuiApplication", "QT_LAYOUT_DIRECTION"), QStringLiteral("RTL"));
}
