// Every dialog in every language of the build's list, as the user meets it: each control's text,
// drawn with the control's own font, fits the control's rectangle (the drop-down lists' items and the
// texts the code puts in too), and a right-to-left language mirrors the settings dialogs. The suite
// runs once at the screen's own scale and once more with QT_SCALE_FACTOR=2.
#include "DialogTestEnv.h"

#include "dialogs/ConfigRules.h"
#include "places/Places.h"
#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogWindow.h"
#include "platform/DialogUnits.h"
#include "platform/TemplateBuilder.h"
#include "platform/Translation.h"
#include "resources/UiTexts.h"
#include "schedule/CalcLibrary.h"
#include "resources/templates/SettingsTemplates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTranslator>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace nuro;
using namespace nuro::test;
using namespace nuro::places;

namespace {

std::vector<std::string> Languages()
{
    std::vector<std::string> out{"en"};
    for (const QString& lang : QStringLiteral(NURO_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts))
        out.push_back(lang.toStdString());
    return out;
}

// The interface in one language for the test's length, as InstallTranslations gives it at start.
class InterfaceLanguage {
public:
    explicit InterfaceLanguage(const std::string& lang)
    {
        SetInterfaceLanguage(lang);
        if (lang == "en")
            return;
        loaded_ = own_.load(QString::fromStdString(":/i18n/nuro_" + lang + ".qm"));
        QCoreApplication::installTranslator(&own_);
        if (qt_.load(QString::fromStdString("qtbase_" + lang), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        const bool rtl = QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") == QLatin1String("RTL");
        QGuiApplication::setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    }
    ~InterfaceLanguage()
    {
        QCoreApplication::removeTranslator(&qt_);
        QCoreApplication::removeTranslator(&own_);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        SetInterfaceLanguage("en");
    }
    bool Loaded(const std::string& lang) const { return lang == "en" || loaded_; }

private:
    QTranslator own_, qt_;
    bool loaded_ = false;
};

// The width a control's text needs inside it, with the control's font and style.
int WidthNeeded(QWidget* w, const QString& shown)
{
    QString text = shown;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QChar(1), QLatin1Char('&'));
    const QFontMetrics metrics(w->font());
    const int advance = metrics.horizontalAdvance(text);
    QStyle* style = w->style();
    if (qobject_cast<QCheckBox*>(w))
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w) + advance;
    if (qobject_cast<QRadioButton*>(w))
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w) + advance;
    if (qobject_cast<QPushButton*>(w))
        return advance + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    if (qobject_cast<QGroupBox*>(w))
        return advance + 2 * style->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, w);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        return advance + combo->width() - field.width();
    }
    return advance;
}

QString ShownText(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title();
    return {};
}

bool ShowsText(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Static:
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
    case ControlKind::ComboBox:
        return true;
    default:
        return false;
    }
}

bool HasLetter(const QString& s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isLetter(); });
}

// Every text of the dialog fits its control: the controls' own, each drop-down item, and the
// texts the code may put into a control (`extra`: control id and text).
void ExpectTextsFit(const std::string& lang, QWidget* window, const std::vector<std::pair<int, QString>>& extra = {})
{
    DialogWindow* dlg = DialogOf(window);
    ASSERT_NE(dlg, nullptr);
    const std::string where = lang + " template " + std::to_string(dlg->Template().id);
    for (QWidget* w : dlg->Controls()) {
        const int id = w->property(kControlIdProperty).toInt();
        const auto c = std::find_if(dlg->Template().controls.begin(), dlg->Template().controls.end(),
                                    [&](const ControlTemplate& t) { return t.id == id; });
        // Pictures show no text of their own; edits are filled with values.
        if (c == dlg->Template().controls.end() || !ShowsText(c->kind))
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        // A picture or a wrapped text has no single line to measure.
        if (label && (label->wordWrap() || !label->pixmap().isNull()))
            continue;
        std::vector<QString> texts{ShownText(w)};
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts.push_back(combo->itemText(i));
        for (const auto& [extraId, text] : extra)
            if (extraId == id)
                texts.push_back(text);
        for (const QString& text : texts) {
            if (!HasLetter(text))
                continue;
            EXPECT_LE(WidthNeeded(w, text), w->width())
                << where << " control " << id << " \"" << text.toStdString() << "\" in " << w->width() << " px, font "
                << w->font().pixelSize() << " px " << w->font().family().toStdString();
        }
    }
}

// A settings dialog in a right-to-left language reads from the right: its controls stand at the
// mirror of their template places; in every other language, and for picture windows, they do not.
void ExpectMirroring(QWidget* window, bool rightToLeft)
{
    DialogWindow* dlg = DialogOf(window);
    ASSERT_NE(dlg, nullptr);
    const DialogTemplate& t = dlg->Template();
    const bool mirrored = rightToLeft && MirroredRightToLeft(t.id);
    EXPECT_EQ(dlg->layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight) << "template " << t.id;
    const DialogUnitScale scale = ScaleForFont(t.fontName, t.fontPoints);
    for (const ControlTemplate& c : t.controls) {
        QWidget* w = dlg->Control(c.id);
        if (!w || c.kind == ControlKind::ComboBox)
            continue;
        const QRect r = UnitsToPixels(scale, c.x, c.y, c.cx, c.cy);
        const int left = mirrored ? dlg->width() - r.x() - r.width() : r.x();
        EXPECT_EQ(w->x(), left) << "template " << t.id << " control " << c.id;
    }
}

class DialogLanguageTest : public DialogTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(DialogLanguageTest, EveryTextFitsItsControlAndRightToLeftMirrors)
{
    const std::string lang = GetParam();
    const InterfaceLanguage language(lang);
    ASSERT_TRUE(language.Loaded(lang));
    const bool rtl = QGuiApplication::isRightToLeft();
    EXPECT_EQ(rtl, lang == "ar" || lang == "ur" || lang == "fa");

    // The Config dialog's line under the place says why a place was not found.
    std::vector<std::pair<int, QString>> configTexts;
    for (PlaceLookup why : {PlaceLookup::NoLibrary, PlaceLookup::NoDatabase, PlaceLookup::NoSuchPlace})
        configTexts.emplace_back(
            138, QCoreApplication::translate(TemplateContext(kConfigTemplateId).c_str(), PlaceLookupText(why)));
    const struct {
        std::function<void()> open;
        std::function<QWidget*()> window;
        std::vector<std::pair<int, QString>> extra;
    } dialogs[] = {
        {OpenConfigDialog, ConfigDialogWindow, configTexts},
        {OpenExpertDialog, ExpertDialogWindow, {}},
        {OpenSummerTimeDialog, SummerTimeDialogWindow, {}},
        {OpenSoundsDialog, SoundsDialogWindow, {}},
    };
    for (const auto& d : dialogs) {
        d.open();
        QWidget* window = d.window();
        ASSERT_NE(window, nullptr);
        ExpectTextsFit(lang, window, d.extra);
        ExpectMirroring(window, rtl);
    }
    // The About box runs modally; its template is built here as ShowAbout builds it.
    std::unique_ptr<DialogWindow> about(BuildDialog(AboutTemplate(), &mainFrame, false));
    ExpectTextsFit(lang, about.get());
    ExpectMirroring(about.get(), rtl);
}

// The title shows the place as the reader's language writes it, from the database's column for the
// language; an older database without the column, an empty text or a language without a column
// gives the database's own name, which the settings keep.
TEST_F(DialogTest, PlaceNameInTheReadersLanguageWhereTheDatabaseHasIt)
{
    EXPECT_EQ(PlaceNameIn(Calc(), "Tunis, Tunisia", "tr"), "Tunis, Tunisia") << "a database without name_tr";
    ChangeTestDatabase("alter table nuro add column name_tr text not null default ''");
    ChangeTestDatabase("alter table nuro add column name_ar text not null default ''");
    ChangeTestDatabase("update nuro set name_tr = 'Tunus', name_ar = 'تونس' where nom = 'Tunis, Tunisia'");
    ChangeTestDatabase("update nuro set name_tr = 'Lima' where nom = 'Lima, Peru'");
    const struct {
        const char* place;
        const char* language;
        const char* shown;
    } rows[] = {
        {"Tunis, Tunisia", "tr", "Tunus"},
        {"Tunis, Tunisia", "ar", "تونس"},
        {"Tunis, Tunisia", "ur", "Tunis, Tunisia"}, // no name_ur column
        {"Tunis, Tunisia", "de", "Tunis, Tunisia"}, // no column for German at all
        {"Tunis, Tunisia", "en", "Tunis, Tunisia"},
        {"N'Djamena, Chad", "tr", "N'Djamena, Chad"}, // an empty text
        {"Lima, Peru", "tr", "Lima"},
        {"Atlantis", "tr", "Atlantis"},
        {"", "tr", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PlaceNameIn(Calc(), row.place, row.language), row.shown) << row.place << ' ' << row.language;
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogLanguageTest, ::testing::ValuesIn(Languages()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
