// What a screen-reader and keyboard user meets: the main window walked through QAccessible in both
// label languages and with Tab; every dialog's fields named and reached by Tab; every template text
// translated; the whole interface in Arabic under the Arabic catalogue.
#include "ShellFixture.h"

#include "platform/Menus.h"
#include "platform/PictureControl.h"
#include "platform/TemplateBuilder.h"
#include "resources/Pictures.h"
#include "resources/UiTexts.h"
#include "resources/templates/NoticeTemplates.h"
#include "resources/templates/SettingsTemplates.h"
#include "resources/templates/ShellTemplates.h"
#include "schedule/Schedule.h"
#include "shell/MainWindowRules.h"
#include "shell/PrayerGlance.h"
#include "shell/TrayCompanion.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <cstring>

using namespace nuro;
using namespace nuro::test;

namespace {

int IdOf(const QWidget* w)
{
    return w ? w->property(kControlIdProperty).toInt() : 0;
}

QString Spoken(QWidget* w, QAccessible::Text what)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(what) : QString();
}

bool Arabic(const QString& s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.script() == QChar::Script_Arabic; });
}

// A separator line or an outside control says nothing; every other control must.
bool Speaks(QWidget* w)
{
    if (w->property("className").isValid())
        return false;
    return !(qobject_cast<QFrame*>(w) && !qobject_cast<QLabel*>(w));
}

bool TabStop(QWidget* w, QWidget* top)
{
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(top) && w->isEnabled();
}

// The controls Tab visits from `first`, once round, by real key presses.
std::vector<int> TabWalk(QWidget* top, QWidget* first, std::size_t most)
{
    top->activateWindow();
    QApplication::setActiveWindow(top);
    first->setFocus(Qt::TabFocusReason);
    std::vector<int> seen;
    for (std::size_t i = 0; i < most && QApplication::focusWidget(); ++i) {
        const int id = IdOf(QApplication::focusWidget());
        if (!seen.empty() && id == seen.front())
            break;
        seen.push_back(id);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return seen;
}

std::vector<const DialogTemplate*> AllTemplates()
{
    std::vector<const DialogTemplate*> all = {&ConfigTemplate(), &ExpertTemplate(), &AboutTemplate(),
                                              &SummerTemplate(), &SoundsTemplate(), &kMainTemplate};
    for (const DialogTemplate& notice : NoticeTemplates())
        all.push_back(&notice);
    return all;
}

bool ShowsText(const ControlTemplate& c)
{
    if (c.kind == ControlKind::PictureStatic || c.kind == ControlKind::PictureButton || c.kind == ControlKind::Custom ||
        (c.style & CS_Etched))
        return false;
    const QString text = QString::fromUtf8(c.text);
    return std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isLetter(); });
}

// Controls a listener cannot know from a text of their own.
bool NeedsRow(const ControlTemplate& c)
{
    switch (c.kind) {
    case ControlKind::Edit:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::PictureStatic:
    case ControlKind::PictureButton:
    case ControlKind::BitmapButton:
        return true;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        return !ShowsText(c);
    default:
        return false;
    }
}

class AccessibilityTest : public MainWindowFixture {};

} // namespace

TEST_F(AccessibilityTest, MainWindowSpeaksInTheLanguageItsLabelsShow)
{
    struct Row {
        const char* lang;
        std::vector<int> commands;
        bool arabic;
    };
    const Row rows[] = {
        {"ARABIC", {}, true},
        {"ENGLISH", {}, false},
        {"ARABIC", {kCmdEnglish}, false},
        {"ENGLISH", {kCmdArabic}, true},
    };
    for (const Row& r : rows) {
        Open(Ini(std::string("LANG=") + r.lang + "\n"));
        for (int cmd : r.commands)
            frame->DispatchCommand(cmd, BN_CLICKED);
        int heard = 0;
        for (QWidget* w : DialogOf(Dlg())->Controls()) {
            if (!Speaks(w))
                continue;
            const QString name = Spoken(w, QAccessible::Name);
            const QString description = Spoken(w, QAccessible::Description);
            EXPECT_FALSE(name.isEmpty()) << r.lang << " control " << IdOf(w);
            EXPECT_FALSE(description.isEmpty()) << r.lang << " control " << IdOf(w);
            EXPECT_EQ(Arabic(name), r.arabic) << r.lang << " control " << IdOf(w) << ' ' << name.toStdString();
            EXPECT_EQ(Arabic(description), r.arabic) << r.lang << " control " << IdOf(w);
            ++heard;
        }
        EXPECT_GE(heard, 30) << r.lang;
        // A time box reads its time as its value.
        SetDlgItemText(Dlg(), kTimeBoxIds[0], "05:47:00");
        EXPECT_EQ(Spoken(Item(kTimeBoxIds[0]), QAccessible::Value), QStringLiteral("05:47:00"));

        // Tab: every stop once, the times in the day's order, then the notice settings top down.
        const std::vector<int> walk = TabWalk(frame->Window(), Item(kIdAbout), 40);
        std::vector<int> stops;
        for (QWidget* w : DialogOf(Dlg())->Controls())
            if (TabStop(w, Dlg()))
                stops.push_back(IdOf(w));
        EXPECT_TRUE(std::is_permutation(walk.begin(), walk.end(), stops.begin(), stops.end())) << r.lang;
        auto at = [&walk](int id) { return std::find(walk.begin(), walk.end(), id) - walk.begin(); };
        for (std::size_t i = 1; i < kTimeBoxIds.size(); ++i)
            EXPECT_EQ(at(kTimeBoxIds[i]), at(kTimeBoxIds[i - 1]) + 1) << r.lang << " box " << kTimeBoxIds[i];
        EXPECT_LT(at(kTimeBoxIds.back()), at(kIdSoundBox));
        EXPECT_LT(at(kIdSoundBox), at(kIdOffsetBox));
        EXPECT_LT(at(kIdOffsetBox), at(kIdBeforeRadio));
        EXPECT_LT(at(kIdBeforeRadio), at(kIdAfterRadio));
        frame.reset();
    }
}

TEST(DialogAccessibility, EveryFieldIsNamedAndReachedByTab)
{
    for (const DialogTemplate* t : AllTemplates()) {
        if (t->id == kMainTemplate.id)
            continue; // walked above in its frame
        std::unique_ptr<DialogWindow> dlg(BuildDialog(*t, nullptr, false));
        dlg->show();
        QApplication::processEvents();
        std::vector<int> stops;
        for (QWidget* w : dlg->Controls()) {
            if (TabStop(w, dlg.get()))
                stops.push_back(IdOf(w));
            if (Speaks(w) && w->isVisibleTo(dlg.get()) &&
                (TabStop(w, dlg.get()) || qobject_cast<PictureControl*>(w) || qobject_cast<QLineEdit*>(w))) {
                EXPECT_FALSE(Spoken(w, QAccessible::Name).isEmpty()) << "template " << t->id << " control " << IdOf(w);
            }
        }
        ASSERT_FALSE(stops.empty()) << t->id;
        const std::vector<int> walk = TabWalk(dlg.get(), dlg->Control(stops.front()), 60);
        EXPECT_TRUE(std::is_permutation(walk.begin(), walk.end(), stops.begin(), stops.end())) << "template " << t->id;
    }
}

// New rows in a template fail here until their text is marked and translated and their field has
// an accessible row.
TEST(DialogAccessibility, EveryTemplateTextIsTranslatedAndEveryFieldHasARow)
{
    QTranslator arabic;
    ASSERT_TRUE(arabic.load(QStringLiteral(":/i18n/nuro_ar.qm")));
    for (const DialogTemplate* t : AllTemplates()) {
        const std::string context = TemplateContext(t->id);
        const bool ownCaption = t->id != kMainTemplate.id && t->id < 800; // the others are set by code
        if (ownCaption) {
            EXPECT_TRUE(Arabic(arabic.translate(context.c_str(), QByteArray(t->caption).trimmed().constData())))
                << context << " caption";
        }
        for (const ControlTemplate& c : t->controls) {
            if (ShowsText(c)) {
                EXPECT_TRUE(Arabic(arabic.translate(context.c_str(), QByteArray(c.text).trimmed().constData())))
                    << context << " control " << c.id << " \"" << c.text << '"';
            }
            if (NeedsRow(c)) {
                EXPECT_NE(FindAccessibleText(t->id, c.id), nullptr) << context << " control " << c.id;
            }
        }
    }
}

TEST(ArabicInterface, CatalogueTurnsDialogsAndMenusArabicAndRightToLeft)
{
    const DialogTemplate& config = ConfigTemplate();
    std::unique_ptr<DialogWindow> english(BuildDialog(config, nullptr, false));
    const QRect longitudeEn = english->Control(130)->geometry();
    const QRect hideEn =
        std::unique_ptr<DialogWindow>(BuildDialog(kMainTemplate, nullptr, true))->Control(kIdOk)->geometry();

    QTranslator arabic;
    ASSERT_TRUE(arabic.load(QStringLiteral(":/i18n/nuro_ar.qm")));
    QCoreApplication::installTranslator(&arabic);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);

    std::unique_ptr<DialogWindow> dlg(BuildDialog(config, nullptr, false));
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral(u"       الإعدادات")) << "the centring spaces stay";
    EXPECT_EQ(GetDlgItemText(dlg.get(), 130, 100), std::string("خط الطول"));
    EXPECT_EQ(Spoken(dlg->Control(106), QAccessible::Name), QStringLiteral(u"درجات خط الطول"));
    // Mirrored: the label that stood at the left edge now stands at the right edge.
    const QRect longitudeAr = dlg->Control(130)->geometry();
    EXPECT_EQ(longitudeAr.width(), longitudeEn.width());
    EXPECT_EQ(longitudeAr.left(), dlg->width() - longitudeEn.right() - 1);
    EXPECT_EQ(dlg->layoutDirection(), Qt::RightToLeft);

    // The picture window keeps its drawn places; its menu bar reads right to left.
    QWidget host;
    std::unique_ptr<QMenuBar> bar(BuildMenuBar(*FindMenu(13), &host, [](int) {}));
    QStringList titles;
    for (QAction* a : bar->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral(u"&خيارات"), QStringLiteral(u"ال&لغة"), QStringLiteral("&?")}));
    std::unique_ptr<DialogWindow> main(BuildDialog(kMainTemplate, nullptr, true));
    EXPECT_EQ(main->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(main->Control(kIdOk)->geometry(), hideEn);

    QCoreApplication::removeTranslator(&arabic);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    std::unique_ptr<DialogWindow> again(BuildDialog(config, nullptr, false));
    EXPECT_EQ(again->windowTitle(), QString::fromUtf8(config.caption)) << "English is the source and the default";
}

// The tooltip and the reminder speak the tray menu's language: English without a catalogue, exactly
// as before; Arabic under the Arabic catalogue, the clock digits kept and the line read right to left,
// each number bound to its unit by a no-break space so that a host's tooltip never wraps between them.
TEST(ArabicInterface, TooltipAndReminderSpeakTheInterfaceLanguage)
{
    TimeTable table{};
    const char* times[] = {"05:47:00", "07:19:00", "12:18:00", "14:45:00", "17:05:00", "18:35:00"};
    for (std::size_t i = 0; i < kSlotCount; ++i)
        std::strncpy(table[i].data(), times[i], kSlotSize - 1);
    QTranslator arabic;
    ASSERT_TRUE(arabic.load(QStringLiteral(":/i18n/nuro_ar.qm")));
    const struct {
        bool catalogue;
        std::int32_t now;
        const char *line, *firstTime, *reminderTitle, *reminderBody;
    } rows[] = {
        {false, 13 * 3600 + 33 * 60 + 20, "Aser 14:45 \u00b7 in 1 h 12 min", "Fajer 05:47", "Aser in 10 min",
         "Aser 14:45"},
        {true, 13 * 3600 + 33 * 60 + 20, "العصر 14:45 · بعد 1\u00a0س\u00a012\u00a0د", "الفجر 05:47",
         "العصر بعد 10\u00a0د", "العصر 14:45"},
        {true, 12 * 3600 + 45 * 60, "العصر 14:45 · بعد 2\u00a0س", "الفجر 05:47", "العصر بعد 10\u00a0د", "العصر 14:45"},
        {true, 14 * 3600 + 40 * 60, "العصر 14:45 · بعد 5\u00a0د", "الفجر 05:47", "العصر بعد 10\u00a0د", "العصر 14:45"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        if (row.catalogue)
            QCoreApplication::installTranslator(&arabic);
        const GlanceWords words = InterfaceGlanceWords();
        const TrayTip tip = MakeTrayTip("NURO :)!", table, "05:48:00", row.now, words);
        EXPECT_EQ(tip.title, "NURO :)!");
        EXPECT_EQ(tip.nextLine, row.line);
        EXPECT_EQ(tip.body.substr(0, tip.body.find('\n', tip.nextLine.size() + 2)),
                  std::string(row.line) + "\n\n" + row.firstTime);
        const ReminderText reminder = MakeReminderText(kAser, "14:45", 10, words);
        EXPECT_EQ(reminder.title, row.reminderTitle);
        EXPECT_EQ(reminder.body, row.reminderBody);
        // Right to left: the line's first strong letter is Arabic, so a tooltip laid out by its
        // text's own direction reads it from the right.
        EXPECT_EQ(QString::fromStdString(tip.nextLine).isRightToLeft(), row.catalogue);
        QCoreApplication::removeTranslator(&arabic);
    }
}

// Each language's tooltip and Hijri strip as the running program puts them together: the catalogue's
// words, numbers bound to their units, the Hijri month in the language, and Persian and Bengali
// digits where those locales write them (the time boxes and the settings keep ASCII digits).
TEST(EveryInterface, TooltipAndHijriStripReadInTheReadersLanguage)
{
    TimeTable table{};
    const char* times[] = {"05:47:00", "07:19:00", "12:18:00", "14:45:00", "17:05:00", "18:35:00"};
    for (std::size_t i = 0; i < kSlotCount; ++i)
        std::strncpy(table[i].data(), times[i], kSlotSize - 1);
    const struct {
        const char* lang;
        const char* locale;
        const char* line;
        const char* hijri;
    } rows[] = {
        {"tr", "tr_TR", "İkindi 14:45 · 1\u00a0sa\u00a012\u00a0dk kaldı", "1 Ramazan 1447"},
        {"id", "id_ID", "Asar 14:45 · 1\u00a0j\u00a012\u00a0mnt lagi", "1 Ramadan 1447"},
        {"de", "de_DE", "Asr 14:45 · in 1\u00a0Std.\u00a012\u00a0Min.", "1. Ramadan 1447"},
        {"ur", "ur_PK", "عصر 14:45 · 1\u00a0گھنٹے\u00a012\u00a0منٹ میں", "1 رمضان 1447"},
        {"fa", "fa_IR", "عصر ۱۴:۴۵ · ۱\u00a0ساعت\u00a0و\u00a0۱۲\u00a0دقیقه دیگر", "۱ رمضان ۱۴۴۷"},
        {"bn", "bn_BD", "আসর ১৪:৪৫ · ১\u00a0ঘণ্টা\u00a0১২\u00a0মিনিট পর", "১ রমজান ১৪৪৭"},
    };
    {
        std::lock_guard<std::mutex> guard(SettingsLock());
        Settings().English = true; // the Hijri strip follows the interface under the English labels
    }
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lang);
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral(":/i18n/nuro_%1.qm").arg(QLatin1String(row.lang))));
        QCoreApplication::installTranslator(&catalogue);
        TrayTip tip;
        std::string hijri;
        PrayerGlance::Wiring w;
        w.table = [&] { return table; };
        w.fajerOn = [](const LocalDate&) { return std::string("05:48:00"); };
        w.today = [] { return LocalDate{2026, 18, 2}; };
        w.nowSeconds = [] { return 13 * 3600 + 33 * 60 + 20; };
        w.showTip = [&](const TrayTip& t) { tip = t; };
        w.markTimeBox = [](int) {};
        w.showHijri = [&](const std::string& text) { hijri = text; };
        w.words = InterfaceGlanceWords;
        w.readingLocale = [&] { return std::string(row.locale); };
        PrayerGlance glance(w);
        glance.Update();
        EXPECT_EQ(tip.nextLine, row.line);
        EXPECT_EQ(hijri, row.hijri);
        QCoreApplication::removeTranslator(&catalogue);
    }
    std::lock_guard<std::mutex> guard(SettingsLock());
    Settings().English = false;
}
