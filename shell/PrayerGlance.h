// What the running program shows of the day at a glance, refreshed each minute on the user-interface
// thread: the tray tooltip with the next prayer, the main window's mark on that prayer's time box and
// the Hijri date strip. The tray, the window and the clock are reached through the wiring.
#pragma once

#include "core/TimeText.h"
#include "schedule/Methods.h"
#include "schedule/NextPrayer.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

namespace nuro {

class PrayerGlance : public QObject {
    Q_OBJECT
public:
    struct Wiring {
        std::function<TimeTable()> table; // today's table
        std::function<std::string(const LocalDate&)> fajerOn; // a day's Fajer time text, "" if unknown
        std::function<LocalDate()> today;
        std::function<std::int32_t()> nowSeconds; // seconds since local midnight
        std::function<void(const TrayTip&)> showTip;
        std::function<void(int boxId)> markTimeBox; // 0: no box marked
        std::function<void(const std::string&)> showHijri;
        std::function<GlanceWords()> words = {}; // empty: English
        std::function<SunnahTimes(const LocalDate&)> sunnahOn = {}; // the night after a day; empty: none
        // The locale the tooltip and the Hijri strip read in ("fa_IR"); empty: English.
        std::function<std::string()> readingLocale = {};
        // The place as the reader's language writes it, from the settings' database name; empty: as it is.
        std::function<std::string(const std::string&)> placeShown = {};
    };
    explicit PrayerGlance(Wiring wiring);

    // Updates now, then at the start of every minute.
    void Start();
    void Update();

private:
    void ArmForNextMinute();

    Wiring w_;
    QTimer timer_;
    LocalDate tomorrowOf_{};
    TimeTable lastTable_{};
    std::string tomorrowFajer_; // cached for tomorrowOf_'s next day
    SunnahTimes night_; // the night after tomorrowOf_, asked with it
};

// The program's own wiring: Schedule(), Calc() for tomorrow's Fajer, the wall clock, the settings'
// HIJRI_ADJ and label language; the tray and the main window through the given functions.
PrayerGlance::Wiring ProgramGlanceWiring(std::function<void(const TrayTip&)> showTip,
                                         std::function<void(int)> markTimeBox,
                                         std::function<void(const std::string&)> showHijri);

// Asks the process's glance (if any) for an update soon; from any thread (a dialog's OK, a language switch).
void SetProcessGlance(PrayerGlance* glance);
void UpdateGlanceSoon();

} // namespace nuro
