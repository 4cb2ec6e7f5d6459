#include "shell/PrayerGlance.h"

#include "places/Places.h"

#include "core/HijriDate.h"
#include "platform/Translation.h"
#include "platform/os/UiThread.h"
#include "schedule/AlarmMonitor.h"
#include "schedule/CalcLibrary.h"
#include "shell/MainWindowRules.h"
#include "shell/TrayCompanion.h"
#include "shell/TrayRules.h"

#include <QPointer>

#include <chrono>
#include <ctime>

namespace nuro {
namespace {

QPointer<PrayerGlance> processGlance; // only touched on the user-interface thread

// The place's clock in automatic mode, the computer's otherwise: the same clock the alerts follow.
std::int32_t LocalSecondsNow()
{
    return std::max(0, Schedule().Clock().Seconds());
}

} // namespace

PrayerGlance::PrayerGlance(Wiring wiring) : w_(std::move(wiring))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        Update();
        ArmForNextMinute();
    });
}

void PrayerGlance::Start()
{
    Update();
    ArmForNextMinute();
}

void PrayerGlance::ArmForNextMinute()
{
    // A little past the minute, so the clock has surely turned when the text is made.
    const std::int32_t intoMinute = w_.nowSeconds() % 60;
    timer_.start((60 - intoMinute) * 1000 + 200);
}

void PrayerGlance::Update()
{
    const TimeTable table = w_.table();
    const LocalDate today = w_.today();
    // A new day or new settings (the table changed): tomorrow's Fajer is asked for again.
    if (today != tomorrowOf_ || table != lastTable_) {
        tomorrowOf_ = today;
        lastTable_ = table;
        tomorrowFajer_ = w_.fajerOn(NextDay(today));
        night_ = w_.sunnahOn ? w_.sunnahOn(today) : SunnahTimes{};
    }
    const std::int32_t now = w_.nowSeconds();
    const AppSettings s = SnapshotSettings();
    const std::string locale = w_.readingLocale ? w_.readingLocale() : std::string();
    const GlanceWords words = w_.words ? w_.words() : GlanceWords{};
    TrayTip tip = MakeTrayTip(kTrayTip, table, tomorrowFajer_, now, words, TrayLabelModeOf(s.extra.TRAY_LABEL));
    // The night's sunnah times close the body, under the day's six.
    if (const std::string night = NightTimesText(night_.midnight, night_.lastThird, words);
        !night.empty() && !tip.body.empty())
        tip.body += "\n" + night;
    // Until the user chooses a place, the tip says whose times these are.
    if (s.extra.PLACE_NOT_CHOSEN != 0) {
        const std::string place = w_.placeShown ? w_.placeShown(s.PlaceName.data()) : std::string(s.PlaceName.data());
        const std::string notChosen = FillPattern(words.placeNotChosen, {place});
        tip.nextLine = tip.nextLine.empty() ? notChosen : notChosen + "\n" + tip.nextLine;
        tip.body = tip.body.empty() ? notChosen : notChosen + "\n" + tip.body;
    }
    tip.nextLine = ReadingDigits(tip.nextLine, locale);
    tip.body = ReadingDigits(tip.body, locale);
    tip.label.text = ReadingDigits(tip.label.text, locale);
    tip.label.guide = ReadingDigits(tip.label.guide, locale);
    w_.showTip(tip);
    const std::optional<NextPrayer> next = FindNextPrayer(table, tomorrowFajer_, now);
    // Tomorrow's Fajer is not today's box: nothing is marked after Isha.
    w_.markTimeBox(next && !next->tomorrow ? kTimeBoxIds[next->slot] : 0);
    const std::optional<HijriDate> hijri = UmmAlQuraDate(today, s.extra.HIJRI_ADJ);
    // The Arabic labels read the date in Arabic; the English ones in the interface's language,
    // which under an Arabic interface stays English as the labels are.
    std::string hijriText;
    if (hijri && !s.English)
        hijriText = HijriText(*hijri, true);
    else if (hijri)
        hijriText = locale.rfind("ar", 0) == 0 ? HijriText(*hijri) : HijriText(*hijri, locale, true);
    w_.showHijri(hijriText);
}

PrayerGlance::Wiring ProgramGlanceWiring(std::function<void(const TrayTip&)> showTip,
                                         std::function<void(int)> markTimeBox,
                                         std::function<void(const std::string&)> showHijri)
{
    PrayerGlance::Wiring w;
    w.table = [] { return Schedule().Table(); };
    w.fajerOn = [](const LocalDate& day) {
        const std::optional<TimeTable> table = TimesFor(Calc(), SnapshotSettings(), day);
        return table ? SlotText((*table)[kFajer]) : std::string();
    };
    w.today = [] { return Schedule().Date(); };
    w.nowSeconds = LocalSecondsNow;
    w.showTip = std::move(showTip);
    w.markTimeBox = std::move(markTimeBox);
    w.showHijri = std::move(showHijri);
    w.words = InterfaceGlanceWords;
    w.sunnahOn = [](const LocalDate& day) { return SunnahFor(Calc(), SnapshotSettings(), day); };
    w.readingLocale = InterfaceLocale;
    w.placeShown = [](const std::string& name) { return PlaceNameIn(Calc(), name, InterfaceLanguage()); };
    return w;
}

void SetProcessGlance(PrayerGlance* glance)
{
    // The tooltip, the label beside the icon and the Hijri strip follow every change of the settings.
    static const int listening = SettingsRecord().Listen([](const AppSettings&, const void*) { UpdateGlanceSoon(); });
    (void)listening;
    processGlance = glance;
}

void UpdateGlanceSoon()
{
    PostToUiThread([] {
        if (processGlance)
            processGlance->Update();
    });
}

} // namespace nuro
