// Adding a control or a text: a template text is translated when it is listed in kMarked under its
// template's context; a control gets its accessible name and description from a row of
// kAccessible; a settings dialog's template id also goes into kMirrored. Run
// `cmake --build build --target nuro_resources_lupdate` and translate the new entries of
// resources/translations/nuro_ar.ts; the resource tests list what is still missing.
#include "resources/UiTexts.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace nuro {
namespace {

constexpr MarkedText kMarked[] = {
    // TRANSLATOR QGuiApplication: "RTL" for a language written from right to left, else "LTR".
    {"QGuiApplication", QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION")},

    {"Menu13", QT_TRANSLATE_NOOP("Menu13", "&Options")},
    {"Menu13", QT_TRANSLATE_NOOP("Menu13", "&Config")},
    {"Menu13", QT_TRANSLATE_NOOP("Menu13", "&Expert")},
    {"Menu13", QT_TRANSLATE_NOOP("Menu13", "&Summer Time")},
    {"Menu13", QT_TRANSLATE_NOOP("Menu13", "S&ounds")},
    {"Menu13", QT_TRANSLATE_NOOP("Menu13", "&Exit")},
    {"Menu13", QT_TRANSLATE_NOOP("Menu13", "&Lang")},
    {"Menu13", QT_TRANSLATE_NOOP("Menu13", "&Arabic")},
    {"Menu13", QT_TRANSLATE_NOOP("Menu13", "&English")},
    {"Menu103", QT_TRANSLATE_NOOP("Menu103", "&Tray")},
    {"Menu103", QT_TRANSLATE_NOOP("Menu103", "&Show")},
    {"Menu103", QT_TRANSLATE_NOOP("Menu103", "&Hide")},
    {"Menu103", QT_TRANSLATE_NOOP("Menu103", "E&xit")},
    // Put at the top of the tray menu by code while a sound plays.
    {"Menu103", QT_TRANSLATE_NOOP("Menu103", "Stop sound")},

    // Captions are looked up without the spaces that centre them.
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Config")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Longitude")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "E")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "W")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Latitude")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "N")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "S")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Refraction")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Pressure(mBar)")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Temperature(°C)")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Time Zone")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Elevation")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Aser Prayer")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Standard")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Hanfai")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "&MODIF")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "&OK")},
    // Set by code beside the place when its lookup fails.
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Place not found: no place library")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Place not found: unreadable database")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Place not found: not in the database")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Find a place")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Locate me")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "The desktop refused to give the position")},
    {"Template2", QT_TRANSLATE_NOOP("Template2", "The desktop gave no position")},
    // Under the place: %1 the direction of the Kaaba in degrees from true north, %2 the kilometres.
    {"Template2", QT_TRANSLATE_NOOP("Template2", "Qibla: %1° from true north, %2 km")},

    {"Template3", QT_TRANSLATE_NOOP("Template3", "Expert")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Addition(Mn)")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Fajer")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Shuroq")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Dhohur")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Aser")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Maghereb")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Isha")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Angle")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Precision")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Startup")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "High latitudes")},
    // The high-latitude rules the code puts in the drop-down, in the settings' order.
    {"Template3", QT_TRANSLATE_NOOP("Template3", "middle of the night")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "one seventh of the night")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "twilight angle")},
    // The Moonsighting Committee's own rule, which only a named method brings (nuro-times names it).
    {"Template3", QT_TRANSLATE_NOOP("Template3", "one seventh of the night from 55\u00b0 of latitude")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Hijri date (days)")},
    // The method drop-down and its line, put together by code; the methods by their names.
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Method")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Isha: minutes after Maghereb")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "From the place's country")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Custom")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Custom: your own angles, Isha interval and minutes")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Fajr by the season")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Fajr %1°")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Isha %1 min after Maghreb")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "%1 in Ramadan")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Isha %1°")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Isha by the season")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Maghreb %1° below the horizon")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "minutes rounded up")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Method's minutes: %1")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "none")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Muslim World League")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Islamic Society of North America")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Egyptian General Authority of Survey")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "University of Islamic Sciences, Karachi")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Umm al-Qura, Makkah")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Gulf Region")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "United Arab Emirates, Awqaf (Dubai)")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Kuwait, Ministry of Awqaf")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Qatar, Ministry of Awqaf")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Majlis Ugama Islam Singapura")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "JAKIM, Malaysia")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Kementerian Agama, Indonesia")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Diyanet, Turkey")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Institute of Geophysics, University of Tehran")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Shia Ithna-Ashari, Leva Institute, Qum")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Musulmans de France (UOIF)")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Spiritual Administration of the Muslims of Russia")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Moonsighting Committee Worldwide")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Tunisia, Ministry of Religious Affairs")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Algeria, Ministry of Religious Affairs")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Morocco, Ministry of Habous and Islamic Affairs")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "Jordan, Ministry of Awqaf")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "&RESET")},
    {"Template3", QT_TRANSLATE_NOOP("Template3", "&OK")},

    {"Template4", QT_TRANSLATE_NOOP("Template4", "About")},
    {"Template4", QT_TRANSLATE_NOOP("Template4", "NURO V2.0")},
    {"Template4", QT_TRANSLATE_NOOP("Template4", "Places: GeoNames.org")},
    {"Template4", QT_TRANSLATE_NOOP("Template4", "CC BY 4.0, modified")},
    {"Template4", QT_TRANSLATE_NOOP("Template4", "OK")},

    {"Template5", QT_TRANSLATE_NOOP("Template5", "Summer Time")},
    {"Template5", QT_TRANSLATE_NOOP("Template5", "From")},
    {"Template5", QT_TRANSLATE_NOOP("Template5", "Month")},
    {"Template5", QT_TRANSLATE_NOOP("Template5", "Day")},
    {"Template5", QT_TRANSLATE_NOOP("Template5", "To")},
    {"Template5", QT_TRANSLATE_NOOP("Template5", "Enable Summer Time")},
    {"Template5", QT_TRANSLATE_NOOP("Template5", "Automatic (from the place's time zone)")},
    {"Template5", QT_TRANSLATE_NOOP("Template5", "&RESET")},
    {"Template5", QT_TRANSLATE_NOOP("Template5", "&OK")},

    {"Template6", QT_TRANSLATE_NOOP("Template6", "Sounds")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Empty: the built-in chime (um.wav)")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Fajer")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Dhohur")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Aser")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Maghereb")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Isha")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Play")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Reminder (minutes before, 0 = none)")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "&OK")},
    // The file chooser the code opens: its caption and its filter (the patterns stay as they are).
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Sound")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Beside the tray icon")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Nothing")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Next prayer and its time")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Time left")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "Desktop notification at each alert")},
    // The check of a chosen sound file on OK: a line per file, %1 the prayer, %2 the file, %3 why.
    {"Template6", QT_TRANSLATE_NOOP("Template6", "These sound files were not kept:")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "%1 sound, %2: %3")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "no such file")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "not a file")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "it cannot be read")},
    {"Template6", QT_TRANSLATE_NOOP("Template6", "it cannot be decoded")},
    // %1 the decoder's own words.
    {"Template6", QT_TRANSLATE_NOOP("Template6", "it cannot be decoded (%1)")},

    // The tray tooltip and the reminder, put together by code: the prayer names, then the patterns,
    // where %1, %2, %3 stand for what the comment before each says and may move. The next prayer:
    // %1 its name, %2 its time HH:MM, %3 the time left.
    {"Glance", QT_TRANSLATE_NOOP("Glance", "Fajer")},
    {"Glance", QT_TRANSLATE_NOOP("Glance", "Shuroq")},
    {"Glance", QT_TRANSLATE_NOOP("Glance", "Dhohur")},
    {"Glance", QT_TRANSLATE_NOOP("Glance", "Aser")},
    {"Glance", QT_TRANSLATE_NOOP("Glance", "Maghereb")},
    {"Glance", QT_TRANSLATE_NOOP("Glance", "Isha")},
    {"Glance", QT_TRANSLATE_NOOP("Glance", "%1 %2 · in %3")},
    // Time left, kept short: %1 hours, %2 minutes.
    {"Glance", QT_TRANSLATE_NOOP("Glance", "%1 h %2 min")},
    {"Glance", QT_TRANSLATE_NOOP("Glance", "%1 h")},
    {"Glance", QT_TRANSLATE_NOOP("Glance", "%1 min")},
    // The night's sunnah times under the day's six.
    {"Glance", QT_TRANSLATE_NOOP("Glance", "Midnight")},
    {"Glance", QT_TRANSLATE_NOOP("Glance", "Last third")},
    // The reminder's title: %1 the prayer's name, %2 the minutes left as "%1 min" gives them.
    {"Glance", QT_TRANSLATE_NOOP("Glance", "%1 in %2")},
    // Over the next prayer while the shipped default place is in use: %1 that place.
    {"Glance", QT_TRANSLATE_NOOP("Glance", "Place not chosen yet: %1")},

    // Message boxes: text and caption, each looked up without surrounding spaces.
    {"Message", QT_TRANSLATE_NOOP("Message", "ERROR")},
    {"Message", QT_TRANSLATE_NOOP("Message", "DATE")},
    // Shown at the start, followed on its own line by the file's name and what is wrong with it.
    {"Message",
     QT_TRANSLATE_NOOP("Message", "The settings file cannot be used. NURO runs without it and leaves it as it is:")},
    // Shown at the start, followed on its own line by the socket's path and the reason.
    {"Message",
     QT_TRANSLATE_NOOP("Message", "Later starts of NURO cannot reach this one: they will not show its window.")},

    // The message boxes' buttons are Qt's own; for a language Qt ships no catalogue for, ours
    // carries them (Qt's catalogue, installed after ours, is asked first where it exists).
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "OK")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&No")},
};

// Main window (13): what each picture says or does, for a listener who cannot see it. The Arabic
// label set (11..20) and the English one (8000..8008) name the same things.
constexpr AccessibleText kAccessible[] = {
    {13, 101, QT_TRANSLATE_NOOP("Accessible", "Hide"),
     QT_TRANSLATE_NOOP("Accessible", "Hides the window in the notification area")},
    {13, 102, QT_TRANSLATE_NOOP("Accessible", "About"), QT_TRANSLATE_NOOP("Accessible", "Shows the About box")},
    {13, 103, QT_TRANSLATE_NOOP("Accessible", "Fajer time"),
     QT_TRANSLATE_NOOP("Accessible", "Today's time of the Fajer prayer")},
    {13, 104, QT_TRANSLATE_NOOP("Accessible", "Shuroq time"), QT_TRANSLATE_NOOP("Accessible", "Today's sunrise")},
    {13, 105, QT_TRANSLATE_NOOP("Accessible", "Dhohur time"),
     QT_TRANSLATE_NOOP("Accessible", "Today's time of the Dhohur prayer")},
    {13, 107, QT_TRANSLATE_NOOP("Accessible", "Aser time"),
     QT_TRANSLATE_NOOP("Accessible", "Today's time of the Aser prayer")},
    {13, 106, QT_TRANSLATE_NOOP("Accessible", "Maghereb time"),
     QT_TRANSLATE_NOOP("Accessible", "Today's time of the Maghereb prayer")},
    {13, 108, QT_TRANSLATE_NOOP("Accessible", "Isha time"),
     QT_TRANSLATE_NOOP("Accessible", "Today's time of the Isha prayer")},
    {13, 110, QT_TRANSLATE_NOOP("Accessible", "Notice offset in minutes"),
     QT_TRANSLATE_NOOP("Accessible", "Minutes between a prayer time and its notice")},
    {13, 112, QT_TRANSLATE_NOOP("Accessible", "Before"),
     QT_TRANSLATE_NOOP("Accessible", "The notice comes before the prayer time")},
    {13, 111, QT_TRANSLATE_NOOP("Accessible", "After"),
     QT_TRANSLATE_NOOP("Accessible", "The notice comes after the prayer time")},
    {13, 32, QT_TRANSLATE_NOOP("Accessible", "Sound"),
     QT_TRANSLATE_NOOP("Accessible", "Plays the chime at each prayer time")},
    {13, 705, QT_TRANSLATE_NOOP("Accessible", "Sound on"),
     QT_TRANSLATE_NOOP("Accessible", "The chime plays at each prayer time")},
    {13, 706, QT_TRANSLATE_NOOP("Accessible", "Sound off"), QT_TRANSLATE_NOOP("Accessible", "No chime plays")},
    {13, 400, QT_TRANSLATE_NOOP("Accessible", "Background"), QT_TRANSLATE_NOOP("Accessible", "The window's ornament")},
    {13, 17, QT_TRANSLATE_NOOP("Accessible", "Alarm clock"),
     QT_TRANSLATE_NOOP("Accessible", "Marks the notice offset")},
    {13, 11, QT_TRANSLATE_NOOP("Accessible", "Fajer"), QT_TRANSLATE_NOOP("Accessible", "Label of the Fajer time")},
    {13, 12, QT_TRANSLATE_NOOP("Accessible", "Dhohur"), QT_TRANSLATE_NOOP("Accessible", "Label of the Dhohur time")},
    {13, 13, QT_TRANSLATE_NOOP("Accessible", "Aser"), QT_TRANSLATE_NOOP("Accessible", "Label of the Aser time")},
    {13, 14, QT_TRANSLATE_NOOP("Accessible", "Maghereb"),
     QT_TRANSLATE_NOOP("Accessible", "Label of the Maghereb time")},
    {13, 15, QT_TRANSLATE_NOOP("Accessible", "Isha"), QT_TRANSLATE_NOOP("Accessible", "Label of the Isha time")},
    {13, 16, QT_TRANSLATE_NOOP("Accessible", "Shuroq"), QT_TRANSLATE_NOOP("Accessible", "Points to the Shuroq time")},
    {13, 18, QT_TRANSLATE_NOOP("Accessible", "Minutes"), QT_TRANSLATE_NOOP("Accessible", "Unit of the notice offset")},
    {13, 19, QT_TRANSLATE_NOOP("Accessible", "Before"), QT_TRANSLATE_NOOP("Accessible", "Label of the Before choice")},
    {13, 20, QT_TRANSLATE_NOOP("Accessible", "After"), QT_TRANSLATE_NOOP("Accessible", "Label of the After choice")},
    {13, 8000, QT_TRANSLATE_NOOP("Accessible", "Fajer"), QT_TRANSLATE_NOOP("Accessible", "Label of the Fajer time")},
    {13, 8001, QT_TRANSLATE_NOOP("Accessible", "Dhohur"), QT_TRANSLATE_NOOP("Accessible", "Label of the Dhohur time")},
    {13, 8002, QT_TRANSLATE_NOOP("Accessible", "Aser"), QT_TRANSLATE_NOOP("Accessible", "Label of the Aser time")},
    {13, 8003, QT_TRANSLATE_NOOP("Accessible", "Maghereb"),
     QT_TRANSLATE_NOOP("Accessible", "Label of the Maghereb time")},
    {13, 8004, QT_TRANSLATE_NOOP("Accessible", "Isha"), QT_TRANSLATE_NOOP("Accessible", "Label of the Isha time")},
    {13, 8005, QT_TRANSLATE_NOOP("Accessible", "After"), QT_TRANSLATE_NOOP("Accessible", "Label of the After choice")},
    {13, 8006, QT_TRANSLATE_NOOP("Accessible", "Before"),
     QT_TRANSLATE_NOOP("Accessible", "Label of the Before choice")},
    {13, 8007, QT_TRANSLATE_NOOP("Accessible", "Minutes"),
     QT_TRANSLATE_NOOP("Accessible", "Unit of the notice offset")},
    {13, 8008, QT_TRANSLATE_NOOP("Accessible", "Shuroq"), QT_TRANSLATE_NOOP("Accessible", "Points to the Shuroq time")},
    {13, 114, QT_TRANSLATE_NOOP("Accessible", "Hijri date"),
     QT_TRANSLATE_NOOP("Accessible", "Today's date in the Hijri calendar")},

    // Config (2): the fields are known by the labels beside them.
    {2, 106, QT_TRANSLATE_NOOP("Accessible", "Longitude degrees"), QT_TRANSLATE_NOOP("Accessible", "Whole degrees")},
    {2, 111, QT_TRANSLATE_NOOP("Accessible", "Longitude minutes"), QT_TRANSLATE_NOOP("Accessible", "Arc minutes")},
    {2, 110, QT_TRANSLATE_NOOP("Accessible", "Longitude seconds"), QT_TRANSLATE_NOOP("Accessible", "Arc seconds")},
    {2, 103, QT_TRANSLATE_NOOP("Accessible", "East"), QT_TRANSLATE_NOOP("Accessible", "East of Greenwich")},
    {2, 104, QT_TRANSLATE_NOOP("Accessible", "West"), QT_TRANSLATE_NOOP("Accessible", "West of Greenwich")},
    {2, 109, QT_TRANSLATE_NOOP("Accessible", "Latitude degrees"), QT_TRANSLATE_NOOP("Accessible", "Whole degrees")},
    {2, 108, QT_TRANSLATE_NOOP("Accessible", "Latitude minutes"), QT_TRANSLATE_NOOP("Accessible", "Arc minutes")},
    {2, 107, QT_TRANSLATE_NOOP("Accessible", "Latitude seconds"), QT_TRANSLATE_NOOP("Accessible", "Arc seconds")},
    {2, 102, QT_TRANSLATE_NOOP("Accessible", "North"), QT_TRANSLATE_NOOP("Accessible", "North of the equator")},
    {2, 105, QT_TRANSLATE_NOOP("Accessible", "South"), QT_TRANSLATE_NOOP("Accessible", "South of the equator")},
    {2, 127, QT_TRANSLATE_NOOP("Accessible", "Pressure in millibars"),
     QT_TRANSLATE_NOOP("Accessible", "Air pressure for the refraction")},
    {2, 122, QT_TRANSLATE_NOOP("Accessible", "Temperature in degrees Celsius"),
     QT_TRANSLATE_NOOP("Accessible", "Air temperature for the refraction")},
    {2, 120, QT_TRANSLATE_NOOP("Accessible", "Time zone"),
     QT_TRANSLATE_NOOP("Accessible", "Hours from universal time")},
    {2, 121, QT_TRANSLATE_NOOP("Accessible", "Elevation in metres"),
     QT_TRANSLATE_NOOP("Accessible", "Height of the place above the sea")},
    {2, 133, QT_TRANSLATE_NOOP("Accessible", "Modify"),
     QT_TRANSLATE_NOOP("Accessible", "Keeps the values and computes the times anew")},
    {2, 155, QT_TRANSLATE_NOOP("Accessible", "OK"), QT_TRANSLATE_NOOP("Accessible", "Closes the dialog")},
    {2, 140, QT_TRANSLATE_NOOP("Accessible", "Find a place"),
     QT_TRANSLATE_NOOP("Accessible", "Type a place's name; arrows choose a match, Enter takes it")},
    {2, 142, QT_TRANSLATE_NOOP("Accessible", "Matching places"),
     QT_TRANSLATE_NOOP("Accessible", "The best matches, largest first; Enter takes the place")},
    {2, 144, QT_TRANSLATE_NOOP("Accessible", "Locate me"),
     QT_TRANSLATE_NOOP("Accessible", "Asks the desktop for your position once and offers the nearest places")},
    {2, 143, QT_TRANSLATE_NOOP("Accessible", "Qibla"),
     QT_TRANSLATE_NOOP("Accessible", "Direction of the Kaaba from the place")},

    // Expert (3): each prayer's minutes, and whether they are taken away or added.
    {3, 103, QT_TRANSLATE_NOOP("Accessible", "Fajer minutes"),
     QT_TRANSLATE_NOOP("Accessible", "Minutes moved from the computed time")},
    {3, 101, QT_TRANSLATE_NOOP("Accessible", "Fajer earlier"),
     QT_TRANSLATE_NOOP("Accessible", "Subtracts the minutes")},
    {3, 102, QT_TRANSLATE_NOOP("Accessible", "Fajer later"), QT_TRANSLATE_NOOP("Accessible", "Adds the minutes")},
    {3, 106, QT_TRANSLATE_NOOP("Accessible", "Shuroq minutes"),
     QT_TRANSLATE_NOOP("Accessible", "Minutes moved from the computed time")},
    {3, 104, QT_TRANSLATE_NOOP("Accessible", "Shuroq earlier"),
     QT_TRANSLATE_NOOP("Accessible", "Subtracts the minutes")},
    {3, 105, QT_TRANSLATE_NOOP("Accessible", "Shuroq later"), QT_TRANSLATE_NOOP("Accessible", "Adds the minutes")},
    {3, 109, QT_TRANSLATE_NOOP("Accessible", "Dhohur minutes"),
     QT_TRANSLATE_NOOP("Accessible", "Minutes moved from the computed time")},
    {3, 107, QT_TRANSLATE_NOOP("Accessible", "Dhohur earlier"),
     QT_TRANSLATE_NOOP("Accessible", "Subtracts the minutes")},
    {3, 108, QT_TRANSLATE_NOOP("Accessible", "Dhohur later"), QT_TRANSLATE_NOOP("Accessible", "Adds the minutes")},
    {3, 112, QT_TRANSLATE_NOOP("Accessible", "Aser minutes"),
     QT_TRANSLATE_NOOP("Accessible", "Minutes moved from the computed time")},
    {3, 110, QT_TRANSLATE_NOOP("Accessible", "Aser earlier"), QT_TRANSLATE_NOOP("Accessible", "Subtracts the minutes")},
    {3, 111, QT_TRANSLATE_NOOP("Accessible", "Aser later"), QT_TRANSLATE_NOOP("Accessible", "Adds the minutes")},
    {3, 120, QT_TRANSLATE_NOOP("Accessible", "Maghereb minutes"),
     QT_TRANSLATE_NOOP("Accessible", "Minutes moved from the computed time")},
    {3, 113, QT_TRANSLATE_NOOP("Accessible", "Maghereb earlier"),
     QT_TRANSLATE_NOOP("Accessible", "Subtracts the minutes")},
    {3, 114, QT_TRANSLATE_NOOP("Accessible", "Maghereb later"), QT_TRANSLATE_NOOP("Accessible", "Adds the minutes")},
    {3, 118, QT_TRANSLATE_NOOP("Accessible", "Isha minutes"),
     QT_TRANSLATE_NOOP("Accessible", "Minutes moved from the computed time")},
    {3, 116, QT_TRANSLATE_NOOP("Accessible", "Isha earlier"), QT_TRANSLATE_NOOP("Accessible", "Subtracts the minutes")},
    {3, 117, QT_TRANSLATE_NOOP("Accessible", "Isha later"), QT_TRANSLATE_NOOP("Accessible", "Adds the minutes")},
    {3, 115, QT_TRANSLATE_NOOP("Accessible", "Fajer angle"),
     QT_TRANSLATE_NOOP("Accessible", "Depression of the sun in tenths of a degree")},
    {3, 119, QT_TRANSLATE_NOOP("Accessible", "Isha angle"),
     QT_TRANSLATE_NOOP("Accessible", "Depression of the sun in tenths of a degree")},
    {3, 137, QT_TRANSLATE_NOOP("Accessible", "High latitudes rule"),
     QT_TRANSLATE_NOOP("Accessible", "How Fajer and Isha are found where the twilight lasts all night")},
    {3, 143, QT_TRANSLATE_NOOP("Accessible", "Calculation method"),
     QT_TRANSLATE_NOOP("Accessible", "The method whose angles, interval and minutes give the times")},
    {3, 146, QT_TRANSLATE_NOOP("Accessible", "Isha minutes after Maghereb"),
     QT_TRANSLATE_NOOP("Accessible", "Isha comes this many minutes after Maghereb")},
    {3, 141, QT_TRANSLATE_NOOP("Accessible", "Hijri date adjustment in days"),
     QT_TRANSLATE_NOOP("Accessible", "Days added to the computed Hijri date, or taken away when negative")},

    // About (4): the picture only.
    {4, 104, QT_TRANSLATE_NOOP("Accessible", "NURO"), QT_TRANSLATE_NOOP("Accessible", "The program's ornament")},

    // Summer Time (5): the four lists.
    {5, 101, QT_TRANSLATE_NOOP("Accessible", "From month"),
     QT_TRANSLATE_NOOP("Accessible", "Month summer time begins")},
    {5, 102, QT_TRANSLATE_NOOP("Accessible", "From day"), QT_TRANSLATE_NOOP("Accessible", "Day summer time begins")},
    {5, 103, QT_TRANSLATE_NOOP("Accessible", "To month"), QT_TRANSLATE_NOOP("Accessible", "Month summer time ends")},
    {5, 104, QT_TRANSLATE_NOOP("Accessible", "To day"), QT_TRANSLATE_NOOP("Accessible", "Day summer time ends")},

    // Sounds (6): row n's file, chooser and play button carry the prayer's name.
    {6, 211, QT_TRANSLATE_NOOP("Accessible", "Fajer sound file"),
     QT_TRANSLATE_NOOP("Accessible", "File played at the prayer time; empty for the built-in chime")},
    {6, 212, QT_TRANSLATE_NOOP("Accessible", "Dhohur sound file"),
     QT_TRANSLATE_NOOP("Accessible", "File played at the prayer time; empty for the built-in chime")},
    {6, 213, QT_TRANSLATE_NOOP("Accessible", "Aser sound file"),
     QT_TRANSLATE_NOOP("Accessible", "File played at the prayer time; empty for the built-in chime")},
    {6, 214, QT_TRANSLATE_NOOP("Accessible", "Maghereb sound file"),
     QT_TRANSLATE_NOOP("Accessible", "File played at the prayer time; empty for the built-in chime")},
    {6, 215, QT_TRANSLATE_NOOP("Accessible", "Isha sound file"),
     QT_TRANSLATE_NOOP("Accessible", "File played at the prayer time; empty for the built-in chime")},
    {6, 221, QT_TRANSLATE_NOOP("Accessible", "Choose the Fajer sound"),
     QT_TRANSLATE_NOOP("Accessible", "Opens a file chooser")},
    {6, 222, QT_TRANSLATE_NOOP("Accessible", "Choose the Dhohur sound"),
     QT_TRANSLATE_NOOP("Accessible", "Opens a file chooser")},
    {6, 223, QT_TRANSLATE_NOOP("Accessible", "Choose the Aser sound"),
     QT_TRANSLATE_NOOP("Accessible", "Opens a file chooser")},
    {6, 224, QT_TRANSLATE_NOOP("Accessible", "Choose the Maghereb sound"),
     QT_TRANSLATE_NOOP("Accessible", "Opens a file chooser")},
    {6, 225, QT_TRANSLATE_NOOP("Accessible", "Choose the Isha sound"),
     QT_TRANSLATE_NOOP("Accessible", "Opens a file chooser")},
    {6, 231, QT_TRANSLATE_NOOP("Accessible", "Play the Fajer sound"),
     QT_TRANSLATE_NOOP("Accessible", "Plays the file now")},
    {6, 232, QT_TRANSLATE_NOOP("Accessible", "Play the Dhohur sound"),
     QT_TRANSLATE_NOOP("Accessible", "Plays the file now")},
    {6, 233, QT_TRANSLATE_NOOP("Accessible", "Play the Aser sound"),
     QT_TRANSLATE_NOOP("Accessible", "Plays the file now")},
    {6, 234, QT_TRANSLATE_NOOP("Accessible", "Play the Maghereb sound"),
     QT_TRANSLATE_NOOP("Accessible", "Plays the file now")},
    {6, 235, QT_TRANSLATE_NOOP("Accessible", "Play the Isha sound"),
     QT_TRANSLATE_NOOP("Accessible", "Plays the file now")},
    {6, 241, QT_TRANSLATE_NOOP("Accessible", "Reminder minutes"),
     QT_TRANSLATE_NOOP("Accessible", "Minutes before each prayer for a reminder; 0 for none")},
    {6, 243, QT_TRANSLATE_NOOP("Accessible", "Tray label"),
     QT_TRANSLATE_NOOP("Accessible", "What the panel shows beside the tray icon, where it shows labels")},
    {6, 244, QT_TRANSLATE_NOOP("Accessible", "Alert notification"),
     QT_TRANSLATE_NOOP("Accessible", "Each alert also raises a desktop notification that stays until dismissed")},
    {6, 255, QT_TRANSLATE_NOOP("Accessible", "OK"),
     QT_TRANSLATE_NOOP("Accessible", "Keeps the sounds and closes the dialog")},

    // The prayer notices (800..805): the scene and the close button.
    {800, 700, QT_TRANSLATE_NOOP("Accessible", "Fajer"), QT_TRANSLATE_NOOP("Accessible", "It is time for Fajer")},
    {801, 701, QT_TRANSLATE_NOOP("Accessible", "Dhohur"), QT_TRANSLATE_NOOP("Accessible", "It is time for Dhohur")},
    {803, 702, QT_TRANSLATE_NOOP("Accessible", "Aser"), QT_TRANSLATE_NOOP("Accessible", "It is time for Aser")},
    {804, 703, QT_TRANSLATE_NOOP("Accessible", "Maghereb"), QT_TRANSLATE_NOOP("Accessible", "It is time for Maghereb")},
    {805, 704, QT_TRANSLATE_NOOP("Accessible", "Isha"), QT_TRANSLATE_NOOP("Accessible", "It is time for Isha")},
    {800, 1, QT_TRANSLATE_NOOP("Accessible", "Close"), QT_TRANSLATE_NOOP("Accessible", "Closes the notice")},
    {801, 1, QT_TRANSLATE_NOOP("Accessible", "Close"), QT_TRANSLATE_NOOP("Accessible", "Closes the notice")},
    {803, 1, QT_TRANSLATE_NOOP("Accessible", "Close"), QT_TRANSLATE_NOOP("Accessible", "Closes the notice")},
    {804, 1, QT_TRANSLATE_NOOP("Accessible", "Close"), QT_TRANSLATE_NOOP("Accessible", "Closes the notice")},
    {805, 1, QT_TRANSLATE_NOOP("Accessible", "Close"), QT_TRANSLATE_NOOP("Accessible", "Closes the notice")},
};

// The main window is read as it is seen: the About face at its top, the times in the day's order,
// the notice settings from top to bottom, then the hide button at the foot.
constexpr int kMainFocus[] = {102, 103, 104, 105, 107, 106, 108, 32, 110, 112, 111, 101};

constexpr int kMirrored[] = {2, 3, 4, 5, 6};

} // namespace

std::string TemplateContext(int templateId)
{
    return "Template" + std::to_string(templateId);
}
std::string MenuContext(int menuId)
{
    return "Menu" + std::to_string(menuId);
}

std::span<const AccessibleText> AccessibleTexts()
{
    return kAccessible;
}

const AccessibleText* FindAccessibleText(int templateId, int controlId)
{
    for (const AccessibleText& row : kAccessible)
        if (row.templateId == templateId && row.controlId == controlId)
            return &row;
    return nullptr;
}

std::span<const int> FocusOrder(int templateId)
{
    if (templateId == 13)
        return kMainFocus;
    return {};
}

bool MirroredRightToLeft(int templateId)
{
    return std::find(std::begin(kMirrored), std::end(kMirrored), templateId) != std::end(kMirrored);
}

std::span<const MarkedText> MarkedTexts()
{
    return kMarked;
}

} // namespace nuro
