// Every catalogue the program embeds, one test run per language of the build's list: every menu
// text, every marked template text and every accessible text has a finished translation in the
// language's own script, keeping a menu's mnemonic and a pattern's places; no two items of one menu
// or one dialog share an Alt key; every word of the tooltip and the reminder is in it.
#include "resources/Pictures.h"
#include "resources/UiTexts.h"
#include "schedule/NextPrayer.h"
#include "schedule/cli/TimesWords.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace nuro;

namespace {

std::vector<std::string> Languages()
{
    std::vector<std::string> out;
    for (const QString& lang : QStringLiteral(NURO_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts))
        out.push_back(lang.toStdString());
    return out;
}

bool RightToLeft(const std::string& lang)
{
    return lang == "ar" || lang == "ur" || lang == "fa";
}

QChar::Script ScriptOf(const std::string& lang)
{
    if (RightToLeft(lang))
        return QChar::Script_Arabic;
    if (lang == "bn")
        return QChar::Script_Bengali;
    return QChar::Script_Latin;
}

bool HasLetter(const QString& s, QChar::Script script = QChar::Script_Unknown)
{
    return std::any_of(s.begin(), s.end(), [&](QChar c) {
        return c.isLetter() && (script == QChar::Script_Unknown || c.script() == script);
    });
}

// The %1..%9 places of a pattern, sorted: a translation may move them but not lose or add one.
std::string Places(const QString& s)
{
    QStringList places;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(s))
        places << m.captured();
    places.sort();
    return places.join(QLatin1Char(' ')).toStdString();
}

// The Alt key of a menu or button text ("E&xit" -> 'x'), case folded; null without one.
QChar Mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toCaseFolded();
        ++i;
    }
    return {};
}

struct Row {
    std::string context;
    const char* source;
};

// Every text a catalogue must translate.
std::vector<Row> Rows()
{
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
    return rows;
}

// The groups whose Alt keys must differ: the menu bar, each pop-up, each dialog's texts.
std::map<std::string, std::vector<Row>> MnemonicGroups()
{
    std::map<std::string, std::vector<Row>> groups;
    for (int id : {13, 103}) {
        std::vector<std::string> open{MenuContext(id) + " bar"};
        for (const MenuItemTemplate& item : FindMenu(id)->items) {
            switch (item.kind) {
            case MenuItemKind::Popup:
                groups[open.back()].push_back({MenuContext(id), item.text});
                open.push_back(MenuContext(id) + " " + item.text);
                break;
            case MenuItemKind::EndPopup:
                open.pop_back();
                break;
            case MenuItemKind::Separator:
                break;
            default:
                groups[open.back()].push_back({MenuContext(id), item.text});
                break;
            }
        }
    }
    for (const MarkedText& text : MarkedTexts())
        if (std::string(text.context).rfind("Template", 0) == 0 || std::string(text.context) == "QPlatformTheme")
            groups[text.context].push_back({text.context, text.source});
    return groups;
}

struct Catalogue {
    explicit Catalogue(const std::string& lang)
    {
        loaded = translator.load(QString::fromStdString(":/i18n/nuro_" + lang + ".qm"));
    }
    QString Translate(const std::string& context, const char* source) const
    {
        const QString key = QString::fromUtf8(source).trimmed();
        // A text without a letter ("&?") is the same in every language.
        if (!HasLetter(key))
            return key;
        return translator.translate(context.c_str(), key.toUtf8().constData());
    }
    QTranslator translator;
    bool loaded = false;
};

// The messages of the source catalogue whose translation is missing, unfinished or left over.
std::vector<std::string> UnfinishedMessages(const std::string& lang)
{
    QFile file(QString::fromStdString(std::string(NURO_RESOURCES_DIR) + "/translations/nuro_" + lang + ".ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {"cannot read " + file.fileName().toStdString()};
    std::vector<std::string> out;
    QXmlStreamReader xml(file.readAll());
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const bool numerus = xml.attributes().value(QLatin1String("numerus")).isEmpty() == false;
            const QString text = numerus ? QString() : xml.readElementText(QXmlStreamReader::IncludeChildElements);
            // The translator's note of lupdate's own context ("QGuiApplication:") has no source.
            if (!source.isEmpty() && (!type.isEmpty() || (!numerus && text.isEmpty())))
                out.push_back(context.toStdString() + " \"" + source.toStdString() + "\" " +
                              (type.isEmpty() ? "empty" : type.toStdString()));
        }
    }
    if (xml.hasError())
        out.push_back(xml.errorString().toStdString());
    return out;
}

class CatalogueTest : public ::testing::TestWithParam<std::string> {};

TEST_P(CatalogueTest, EveryTextTranslatedFinishedAndInTheLanguagesScript)
{
    const std::string lang = GetParam();
    const Catalogue catalogue(lang);
    ASSERT_TRUE(catalogue.loaded) << "the catalogue is embedded at :/i18n/nuro_" << lang << ".qm";
    for (const std::string& message : UnfinishedMessages(lang))
        ADD_FAILURE() << "nuro_" << lang << ".ts: " << message;

    const std::vector<Row> rows = Rows();
    ASSERT_GT(rows.size(), 100u);
    for (const Row& r : rows) {
        const QString source = QString::fromUtf8(r.source).trimmed();
        const QString text = catalogue.Translate(r.context, r.source);
        EXPECT_TRUE(HasLetter(source) ? HasLetter(text, ScriptOf(lang)) : text == source)
            << lang << ' ' << r.context << " \"" << r.source << "\" -> \"" << text.toStdString() << '"';
        // A menu's or button's Alt key: one mnemonic in the translation where the source has one.
        EXPECT_EQ(source.count(QLatin1Char('&')), text.count(QLatin1Char('&')))
            << lang << ' ' << r.context << " \"" << r.source << '"';
        EXPECT_EQ(Places(source), Places(text)) << lang << ' ' << r.context << " \"" << r.source << '"';
    }
    EXPECT_EQ(catalogue.translator.translate("QGuiApplication", "QT_LAYOUT_DIRECTION"),
              RightToLeft(lang) ? QStringLiteral("RTL") : QStringLiteral("LTR"));
}

TEST_P(CatalogueTest, NoTwoItemsOfAMenuOrDialogShareAnAltKey)
{
    const std::string lang = GetParam();
    const Catalogue catalogue(lang);
    ASSERT_TRUE(catalogue.loaded);
    for (const auto& [group, rows] : MnemonicGroups()) {
        std::map<QChar, std::string> seen;
        std::set<std::string> sources;
        for (const Row& r : rows) {
            // One text marked twice for one dialog (its "&OK" in two places) is one key.
            if (!sources.insert(r.source).second)
                continue;
            const QChar key = Mnemonic(catalogue.Translate(r.context, r.source));
            if (key.isNull())
                continue;
            const auto [at, fresh] = seen.emplace(key, r.source);
            EXPECT_TRUE(fresh) << lang << ' ' << group << ": \"" << r.source << "\" and \"" << at->second
                               << "\" share the key " << QString(key).toStdString();
        }
    }
}

// nuro-times has no Qt and keeps its own words: they are the catalogue's, prayer by prayer (as the
// tooltip or the Expert dialog names it) and rule by rule.
TEST_P(CatalogueTest, CommandLineWordsAreTheCataloguesOwn)
{
    const std::string lang = GetParam();
    const Catalogue catalogue(lang);
    ASSERT_TRUE(catalogue.loaded);
    const times::TimesWords* words = times::FindTimesWords(lang);
    ASSERT_NE(words, nullptr) << "nuro-times has no words for " << lang;
    const times::TimesWords& english = times::EnglishTimesWords();
    for (std::size_t i = 0; i < words->prayers.size(); ++i) {
        const QString name = QString::fromUtf8(words->prayers[i]);
        EXPECT_TRUE(name == catalogue.Translate(kGlanceContext, english.prayers[i]) ||
                    name == catalogue.Translate(TemplateContext(3), english.prayers[i]))
            << lang << " " << english.prayers[i] << " -> " << words->prayers[i];
    }
    for (std::size_t i = 0; i < words->rules.size(); ++i)
        EXPECT_EQ(QString::fromUtf8(words->rules[i]), catalogue.Translate(TemplateContext(3), english.rules[i]))
            << lang << " " << english.rules[i];
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueTest, ::testing::ValuesIn(Languages()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// The tooltip's and the reminder's words are looked up by their English text: each must be a marked
// text of their context, or it would stay English in every language.
TEST(GlanceWords, EveryWordIsAMarkedText)
{
    std::vector<std::string> glance;
    GlanceWords{}.ForEachText([&](std::string& text) { glance.push_back(text); });
    for (const std::string& word : glance) {
        const bool marked = std::any_of(MarkedTexts().begin(), MarkedTexts().end(), [&](const MarkedText& m) {
            return std::string(m.context) == kGlanceContext && word == m.source;
        });
        EXPECT_TRUE(marked) << kGlanceContext << " \"" << word << '"';
    }
}

} // namespace
