// The Arabic catalogue as the program embeds it: every menu text, every marked template text and
// every accessible text has a translation in Arabic script, keeping a menu's mnemonic and a
// pattern's places; every word of the tooltip and the reminder is in it.
#include "resources/Pictures.h"
#include "resources/UiTexts.h"
#include "schedule/NextPrayer.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
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

// The %1..%9 places of a pattern, sorted: a translation may move them but not lose or add one.
std::string Places(const QString& s)
{
    QStringList places;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(s))
        places << m.captured();
    places.sort();
    return places.join(QLatin1Char(' ')).toStdString();
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
        EXPECT_EQ(Places(source), Places(arabic)) << r.context << " \"" << r.source << '"';
    }

    // The tooltip's and the reminder's words are looked up by their English text: each must be a
    // marked text of their context, or it would stay English in every language.
    std::vector<std::string> glance;
    GlanceWords{}.ForEachText([&](std::string& text) { glance.push_back(text); });
    for (const std::string& word : glance) {
        const bool marked = std::any_of(MarkedTexts().begin(), MarkedTexts().end(), [&](const MarkedText& m) {
            return std::string(m.context) == kGlanceContext && word == m.source;
        });
        EXPECT_TRUE(marked) << kGlanceContext << " \"" << word << '"';
    }
    EXPECT_EQ(ar.translator.translate("QGuiApplication", "QT_LAYOUT_DIRECTION"), QStringLiteral("RTL"));
}
