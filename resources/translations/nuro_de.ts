<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessible</name>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Hides the window in the notification area</source>
        <translation>Verbirgt das Fenster im Infobereich</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Shows the About box</source>
        <translation>Zeigt das Fenster „Über“</translation>
    </message>
    <message>
        <source>Fajer time</source>
        <translatorcomment>Deutsche Umschrift wie in den Gebetskalendern der Moscheegemeinden; daneben sind Fajr, Zuhr und Isha verbreitet.</translatorcomment>
        <translation>Fadschr-Zeit</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Fajer prayer</source>
        <translation>Zeit des Fadschr-Gebets heute</translation>
    </message>
    <message>
        <source>Shuroq time</source>
        <translation>Zeit des Sonnenaufgangs</translation>
    </message>
    <message>
        <source>Today&apos;s sunrise</source>
        <translation>Sonnenaufgang heute</translation>
    </message>
    <message>
        <source>Dhohur time</source>
        <translation>Dhuhr-Zeit</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Dhohur prayer</source>
        <translation>Zeit des Dhuhr-Gebets heute</translation>
    </message>
    <message>
        <source>Aser time</source>
        <translation>Asr-Zeit</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Aser prayer</source>
        <translation>Zeit des Asr-Gebets heute</translation>
    </message>
    <message>
        <source>Maghereb time</source>
        <translation>Maghrib-Zeit</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Maghereb prayer</source>
        <translation>Zeit des Maghrib-Gebets heute</translation>
    </message>
    <message>
        <source>Isha time</source>
        <translation>Ischa-Zeit</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Isha prayer</source>
        <translation>Zeit des Ischa-Gebets heute</translation>
    </message>
    <message>
        <source>Notice offset in minutes</source>
        <translation>Versatz der Meldung in Minuten</translation>
    </message>
    <message>
        <source>Minutes between a prayer time and its notice</source>
        <translation>Minuten zwischen der Gebetszeit und ihrer Meldung</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>The notice comes before the prayer time</source>
        <translation>Die Meldung kommt vor der Gebetszeit</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>The notice comes after the prayer time</source>
        <translation>Die Meldung kommt nach der Gebetszeit</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Plays the chime at each prayer time</source>
        <translation>Spielt zu jeder Gebetszeit den Signalton</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>The chime plays at each prayer time</source>
        <translation>Der Signalton erklingt zu jeder Gebetszeit</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>No chime plays</source>
        <translation>Kein Signalton erklingt</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>The window&apos;s ornament</source>
        <translation>Die Verzierung des Fensters</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Marks the notice offset</source>
        <translation>Kennzeichnet den Versatz der Meldung</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Label of the Fajer time</source>
        <translation>Beschriftung der Fadschr-Zeit</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>Label of the Dhohur time</source>
        <translation>Beschriftung der Dhuhr-Zeit</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Label of the Aser time</source>
        <translation>Beschriftung der Asr-Zeit</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Label of the Maghereb time</source>
        <translation>Beschriftung der Maghrib-Zeit</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Ischa</translation>
    </message>
    <message>
        <source>Label of the Isha time</source>
        <translation>Beschriftung der Ischa-Zeit</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Points to the Shuroq time</source>
        <translation>Zeigt auf die Zeit des Sonnenaufgangs</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Unit of the notice offset</source>
        <translation>Einheit des Versatzes</translation>
    </message>
    <message>
        <source>Label of the Before choice</source>
        <translation>Beschriftung der Wahl „Vorher“</translation>
    </message>
    <message>
        <source>Label of the After choice</source>
        <translation>Beschriftung der Wahl „Nachher“</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Hidschri-Datum</translation>
    </message>
    <message>
        <source>Today&apos;s date in the Hijri calendar</source>
        <translation>Das heutige Datum im Hidschra-Kalender</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Längengrade</translation>
    </message>
    <message>
        <source>Whole degrees</source>
        <translation>Ganze Grad</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Bogenminuten der Länge</translation>
    </message>
    <message>
        <source>Arc minutes</source>
        <translation>Bogenminuten</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Bogensekunden der Länge</translation>
    </message>
    <message>
        <source>Arc seconds</source>
        <translation>Bogensekunden</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>East of Greenwich</source>
        <translation>Östlich von Greenwich</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>West of Greenwich</source>
        <translation>Westlich von Greenwich</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breitengrade</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Bogenminuten der Breite</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Bogensekunden der Breite</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>North of the equator</source>
        <translation>Nördlich des Äquators</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>South of the equator</source>
        <translation>Südlich des Äquators</translation>
    </message>
    <message>
        <source>Pressure in millibars</source>
        <translation>Luftdruck in Millibar</translation>
    </message>
    <message>
        <source>Air pressure for the refraction</source>
        <translation>Luftdruck für die Refraktion</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>Temperatur in Grad Celsius</translation>
    </message>
    <message>
        <source>Air temperature for the refraction</source>
        <translation>Lufttemperatur für die Refraktion</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Hours from universal time</source>
        <translation>Stunden Abstand zur Weltzeit</translation>
    </message>
    <message>
        <source>Elevation in metres</source>
        <translation>Höhe in Metern</translation>
    </message>
    <message>
        <source>Height of the place above the sea</source>
        <translation>Höhe des Ortes über dem Meer</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Keeps the values and computes the times anew</source>
        <translation>Übernimmt die Werte und berechnet die Zeiten neu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the dialog</source>
        <translation>Schließt den Dialog</translation>
    </message>
    <message>
        <source>Fajer minutes</source>
        <translation>Fadschr-Minuten</translation>
    </message>
    <message>
        <source>Minutes moved from the computed time</source>
        <translation>Minuten Verschiebung gegenüber der berechneten Zeit</translation>
    </message>
    <message>
        <source>Fajer earlier</source>
        <translation>Fadschr früher</translation>
    </message>
    <message>
        <source>Subtracts the minutes</source>
        <translation>Zieht die Minuten ab</translation>
    </message>
    <message>
        <source>Fajer later</source>
        <translation>Fadschr später</translation>
    </message>
    <message>
        <source>Adds the minutes</source>
        <translation>Zählt die Minuten hinzu</translation>
    </message>
    <message>
        <source>Shuroq minutes</source>
        <translation>Minuten des Sonnenaufgangs</translation>
    </message>
    <message>
        <source>Shuroq earlier</source>
        <translation>Sonnenaufgang früher</translation>
    </message>
    <message>
        <source>Shuroq later</source>
        <translation>Sonnenaufgang später</translation>
    </message>
    <message>
        <source>Dhohur minutes</source>
        <translation>Dhuhr-Minuten</translation>
    </message>
    <message>
        <source>Dhohur earlier</source>
        <translation>Dhuhr früher</translation>
    </message>
    <message>
        <source>Dhohur later</source>
        <translation>Dhuhr später</translation>
    </message>
    <message>
        <source>Aser minutes</source>
        <translation>Asr-Minuten</translation>
    </message>
    <message>
        <source>Aser earlier</source>
        <translation>Asr früher</translation>
    </message>
    <message>
        <source>Aser later</source>
        <translation>Asr später</translation>
    </message>
    <message>
        <source>Maghereb minutes</source>
        <translation>Maghrib-Minuten</translation>
    </message>
    <message>
        <source>Maghereb earlier</source>
        <translation>Maghrib früher</translation>
    </message>
    <message>
        <source>Maghereb later</source>
        <translation>Maghrib später</translation>
    </message>
    <message>
        <source>Isha minutes</source>
        <translation>Ischa-Minuten</translation>
    </message>
    <message>
        <source>Isha earlier</source>
        <translation>Ischa früher</translation>
    </message>
    <message>
        <source>Isha later</source>
        <translation>Ischa später</translation>
    </message>
    <message>
        <source>Fajer angle</source>
        <translation>Fadschr-Winkel</translation>
    </message>
    <message>
        <source>Depression of the sun in tenths of a degree</source>
        <translation>Tiefe der Sonne unter dem Horizont in Zehntelgrad</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>Ischa-Winkel</translation>
    </message>
    <message>
        <source>High latitudes rule</source>
        <translation>Regel für hohe Breiten</translation>
    </message>
    <message>
        <source>How Fajer and Isha are found where the twilight lasts all night</source>
        <translation>Wie Fadschr und Ischa bestimmt werden, wo die Dämmerung die ganze Nacht dauert</translation>
    </message>
    <message>
        <source>Hijri date adjustment in days</source>
        <translation>Korrektur des Hidschri-Datums in Tagen</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, or taken away when negative</source>
        <translation>Tage, die zum berechneten Hidschri-Datum addiert oder, wenn negativ, abgezogen werden</translation>
    </message>
    <message>
        <source>NURO</source>
        <translation>NURO</translation>
    </message>
    <message>
        <source>The program&apos;s ornament</source>
        <translation>Die Verzierung des Programms</translation>
    </message>
    <message>
        <source>From month</source>
        <translation>Ab Monat</translation>
    </message>
    <message>
        <source>Month summer time begins</source>
        <translation>Monat, in dem die Sommerzeit beginnt</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>Ab Tag</translation>
    </message>
    <message>
        <source>Day summer time begins</source>
        <translation>Tag, an dem die Sommerzeit beginnt</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>Bis Monat</translation>
    </message>
    <message>
        <source>Month summer time ends</source>
        <translation>Monat, in dem die Sommerzeit endet</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Bis Tag</translation>
    </message>
    <message>
        <source>Day summer time ends</source>
        <translation>Tag, an dem die Sommerzeit endet</translation>
    </message>
    <message>
        <source>Fajer sound file</source>
        <translation>Tondatei für Fadschr</translation>
    </message>
    <message>
        <source>File played at the prayer time; empty for the built-in chime</source>
        <translation>Datei, die zur Gebetszeit gespielt wird; leer für den eingebauten Signalton</translation>
    </message>
    <message>
        <source>Dhohur sound file</source>
        <translation>Tondatei für Dhuhr</translation>
    </message>
    <message>
        <source>Aser sound file</source>
        <translation>Tondatei für Asr</translation>
    </message>
    <message>
        <source>Maghereb sound file</source>
        <translation>Tondatei für Maghrib</translation>
    </message>
    <message>
        <source>Isha sound file</source>
        <translation>Tondatei für Ischa</translation>
    </message>
    <message>
        <source>Choose the Fajer sound</source>
        <translation>Ton für Fadschr wählen</translation>
    </message>
    <message>
        <source>Opens a file chooser</source>
        <translation>Öffnet eine Dateiauswahl</translation>
    </message>
    <message>
        <source>Choose the Dhohur sound</source>
        <translation>Ton für Dhuhr wählen</translation>
    </message>
    <message>
        <source>Choose the Aser sound</source>
        <translation>Ton für Asr wählen</translation>
    </message>
    <message>
        <source>Choose the Maghereb sound</source>
        <translation>Ton für Maghrib wählen</translation>
    </message>
    <message>
        <source>Choose the Isha sound</source>
        <translation>Ton für Ischa wählen</translation>
    </message>
    <message>
        <source>Play the Fajer sound</source>
        <translation>Ton für Fadschr abspielen</translation>
    </message>
    <message>
        <source>Plays the file now</source>
        <translation>Spielt die Datei jetzt ab</translation>
    </message>
    <message>
        <source>Play the Dhohur sound</source>
        <translation>Ton für Dhuhr abspielen</translation>
    </message>
    <message>
        <source>Play the Aser sound</source>
        <translation>Ton für Asr abspielen</translation>
    </message>
    <message>
        <source>Play the Maghereb sound</source>
        <translation>Ton für Maghrib abspielen</translation>
    </message>
    <message>
        <source>Play the Isha sound</source>
        <translation>Ton für Ischa abspielen</translation>
    </message>
    <message>
        <source>Reminder minutes</source>
        <translation>Minuten der Erinnerung</translation>
    </message>
    <message>
        <source>Minutes before each prayer for a reminder; 0 for none</source>
        <translation>Minuten vor jedem Gebet für eine Erinnerung; 0 für keine</translation>
    </message>
    <message>
        <source>Keeps the sounds and closes the dialog</source>
        <translation>Übernimmt die Töne und schließt den Dialog</translation>
    </message>
    <message>
        <source>It is time for Fajer</source>
        <translation>Es ist Zeit für das Fadschr-Gebet</translation>
    </message>
    <message>
        <source>It is time for Dhohur</source>
        <translation>Es ist Zeit für das Dhuhr-Gebet</translation>
    </message>
    <message>
        <source>It is time for Aser</source>
        <translation>Es ist Zeit für das Asr-Gebet</translation>
    </message>
    <message>
        <source>It is time for Maghereb</source>
        <translation>Es ist Zeit für das Maghrib-Gebet</translation>
    </message>
    <message>
        <source>It is time for Isha</source>
        <translation>Es ist Zeit für das Ischa-Gebet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the notice</source>
        <translation>Schließt die Meldung</translation>
    </message>
    <message>
        <source>Tray label</source>
        <translation>Beschriftung im Infobereich</translation>
    </message>
    <message>
        <source>What the panel shows beside the tray icon, where it shows labels</source>
        <translation>Was die Leiste neben dem Symbol zeigt, wo sie Beschriftungen zeigt</translation>
    </message>
    <message>
        <source>Alert notification</source>
        <translation>Alarmbenachrichtigung</translation>
    </message>
    <message>
        <source>Each alert also raises a desktop notification that stays until dismissed</source>
        <translation>Jeder Alarm zeigt auch eine Desktop-Benachrichtigung, die bleibt, bis sie geschlossen wird</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Ort suchen</translation>
    </message>
    <message>
        <source>Type a place&apos;s name; arrows choose a match, Enter takes it</source>
        <translation>Ortsnamen tippen; die Pfeile wählen einen Treffer, Enter übernimmt ihn</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>Gefundene Orte</translation>
    </message>
    <message>
        <source>The best matches, largest first; Enter takes the place</source>
        <translation>Die besten Treffer, der größte zuerst; Enter übernimmt den Ort</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Standort bestimmen</translation>
    </message>
    <message>
        <source>Asks the desktop for your position once and offers the nearest places</source>
        <translation>Fragt den Desktop einmal nach Ihrer Position und bietet die nächsten Orte an</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Qibla</translation>
    </message>
    <message>
        <source>Direction of the Kaaba from the place</source>
        <translation>Richtung der Kaaba vom Ort aus</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Berechnungsmethode</translation>
    </message>
    <message>
        <source>The method whose angles, interval and minutes give the times</source>
        <translation>Die Methode, deren Winkel, Abstand und Minuten die Zeiten ergeben</translation>
    </message>
    <message>
        <source>Isha minutes after Maghereb</source>
        <translation>Ischa-Minuten nach Maghrib</translation>
    </message>
    <message>
        <source>Isha comes this many minutes after Maghereb</source>
        <translation>Ischa folgt so viele Minuten nach Maghrib</translation>
    </message>
</context>
<context>
    <name>Glance</name>
    <message>
        <source>Fajer</source>
        <translatorcomment>Deutsche Umschrift wie in den Gebetskalendern der Moscheegemeinden; daneben sind Fajr, Zuhr und Isha verbreitet.</translatorcomment>
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Ischa</translation>
    </message>
    <message>
        <source>%1 %2 · in %3</source>
        <translation>%1 %2 · in %3</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;Std.&#xa0;%2&#xa0;Min.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;Std.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;Min.</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>Letztes Drittel</translation>
    </message>
    <message>
        <source>Place not chosen yet: %1</source>
        <translation>Ort noch nicht gewählt: %1</translation>
    </message>
</context>
<context>
    <name>Menu103</name>
    <message>
        <source>&amp;Tray</source>
        <translation>&amp;Infobereich</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>A&amp;usblenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Ton anhalten</translation>
    </message>
</context>
<context>
    <name>Menu13</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Ort</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Erweitert</translation>
    </message>
    <message>
        <source>&amp;Summer Time</source>
        <translation>&amp;Sommerzeit</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Lang</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;Arabic</source>
        <translation>&amp;Arabisch</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;Englisch</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>The settings file cannot be used. NURO runs without it and leaves it as it is:</source>
        <translation>Die Einstellungsdatei kann nicht verwendet werden. NURO läuft ohne sie und lässt sie unverändert:</translation>
    </message>
    <message>
        <source>Later starts of NURO cannot reach this one: they will not show its window.</source>
        <translation>Ein später gestartetes NURO erreicht dieses nicht: Es kann sein Fenster nicht anzeigen.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translatorcomment>Deutscher Katalog: Gebetsnamen in deutscher Umschrift wie in den Gebetskalendern der Moscheegemeinden (Fadschr, Sonnenaufgang, Dhuhr, Asr, Maghrib, Ischa; im engen Expertendialog „Aufgang“); daneben sind Fajr, Zuhr und Isha verbreitet. Methodennamen wie ihre Behörden sie schreiben (Diyanet, JAKIM, Kementerian Agama), sonst übersetzt. Zahlen zum Lesen mit Dezimalkomma und Tausenderpunkt.</translatorcomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QGuiApplication:</name>
    <message>
        <source></source>
        <comment>&quot;RTL&quot; for a language written from right to left, else &quot;LTR&quot;.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>Template2</name>
    <message>
        <source>Config</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Refraktion</translation>
    </message>
    <message>
        <source>Pressure(mBar)</source>
        <translation>Druck (mbar)</translation>
    </message>
    <message>
        <source>Temperature(°C)</source>
        <translation>Temperatur (°C)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Aser Prayer</source>
        <translation>Asr-Gebet</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Hanfai</source>
        <translation>Hanafi</translation>
    </message>
    <message>
        <source>&amp;MODIF</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Place not found: no place library</source>
        <translation>Ort nicht gefunden: keine Ortsbibliothek</translation>
    </message>
    <message>
        <source>Place not found: unreadable database</source>
        <translation>Ort nicht gefunden: Datenbank nicht lesbar</translation>
    </message>
    <message>
        <source>Place not found: not in the database</source>
        <translation>Ort nicht gefunden: nicht in der Datenbank</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Ort suchen</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Standort bestimmen</translation>
    </message>
    <message>
        <source>The desktop refused to give the position</source>
        <translation>Der Desktop hat den Standort nicht freigegeben</translation>
    </message>
    <message>
        <source>The desktop gave no position</source>
        <translation>Der Desktop hat keinen Standort geliefert</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km</source>
        <translation>Qibla: %1° von geografisch Nord, %2 km</translation>
    </message>
</context>
<context>
    <name>Template3</name>
    <message>
        <source>Expert</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Addition(Mn)</source>
        <translation>Korrektur (Min.)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Aufgang</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Ischa</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genau</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Hohe Breiten</translation>
    </message>
    <message>
        <source>middle of the night</source>
        <translation>Mitte der Nacht</translation>
    </message>
    <message>
        <source>one seventh of the night</source>
        <translation>ein Siebtel der Nacht</translation>
    </message>
    <message>
        <source>twilight angle</source>
        <translation>Dämmerungswinkel</translation>
    </message>
    <message>
        <source>Hijri date (days)</source>
        <translation>Hidschri-Datum (Tage)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Isha: minutes after Maghereb</source>
        <translation>Ischa: Minuten nach Maghrib</translation>
    </message>
    <message>
        <source>From the place&apos;s country</source>
        <translation>Nach dem Land des Ortes</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Custom: your own angles, Isha interval and minutes</source>
        <translation>Eigene: Ihre Winkel, Ischa-Abstand und Minuten</translation>
    </message>
    <message>
        <source>Fajr by the season</source>
        <translation>Fadschr nach Jahreszeit</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>Fadschr %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghreb</source>
        <translation>Ischa %1 Min. nach Maghrib</translation>
    </message>
    <message>
        <source>%1 in Ramadan</source>
        <translation>%1 im Ramadan</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>Ischa %1°</translation>
    </message>
    <message>
        <source>Isha by the season</source>
        <translation>Ischa nach Jahreszeit</translation>
    </message>
    <message>
        <source>Maghreb %1° below the horizon</source>
        <translation>Maghrib %1° unter dem Horizont</translation>
    </message>
    <message>
        <source>minutes rounded up</source>
        <translation>Minuten aufgerundet</translation>
    </message>
    <message>
        <source>Method&apos;s minutes: %1</source>
        <translation>Minuten der Methode: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Islamische Weltliga</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>Islamische Gesellschaft Nordamerikas</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Ägyptische Generalbehörde für Vermessung</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>Universität für Islamische Wissenschaften, Karatschi</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>Umm al-Qura, Mekka</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>Golfregion</translation>
    </message>
    <message>
        <source>United Arab Emirates, Awqaf (Dubai)</source>
        <translation>Vereinigte Arabische Emirate, Awqaf (Dubai)</translation>
    </message>
    <message>
        <source>Kuwait, Ministry of Awqaf</source>
        <translation>Kuwait, Ministerium für Awqaf</translation>
    </message>
    <message>
        <source>Qatar, Ministry of Awqaf</source>
        <translation>Katar, Ministerium für Awqaf</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura</source>
        <translation>Majlis Ugama Islam Singapura</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>JAKIM, Malaysia</translation>
    </message>
    <message>
        <source>Kementerian Agama, Indonesia</source>
        <translation>Kementerian Agama, Indonesien</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet, Türkei</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut für Geophysik, Universität Teheran</translation>
    </message>
    <message>
        <source>Shia Ithna-Ashari, Leva Institute, Qum</source>
        <translation>Zwölferschiiten, Leva-Institut, Ghom</translation>
    </message>
    <message>
        <source>Musulmans de France (UOIF)</source>
        <translation>Musulmans de France (UOIF)</translation>
    </message>
    <message>
        <source>Spiritual Administration of the Muslims of Russia</source>
        <translation>Geistliche Verwaltung der Muslime Russlands</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Tunisia, Ministry of Religious Affairs</source>
        <translation>Tunesien, Ministerium für religiöse Angelegenheiten</translation>
    </message>
    <message>
        <source>Algeria, Ministry of Religious Affairs</source>
        <translation>Algerien, Ministerium für religiöse Angelegenheiten</translation>
    </message>
    <message>
        <source>Morocco, Ministry of Habous and Islamic Affairs</source>
        <translation>Marokko, Habous-Ministerium</translation>
    </message>
    <message>
        <source>Jordan, Ministry of Awqaf</source>
        <translation>Jordanien, Ministerium für Awqaf</translation>
    </message>
    <message>
        <source>one seventh of the night from 55° of latitude</source>
        <translation>ein Siebtel der Nacht ab 55° Breite</translation>
    </message>
</context>
<context>
    <name>Template4</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>NURO V2.0</source>
        <translation>NURO Version 2.0</translation>
    </message>
    <message>
        <source>Places: GeoNames.org</source>
        <translation>Orte: GeoNames.org</translation>
    </message>
    <message>
        <source>CC BY 4.0, modified</source>
        <translation>CC BY 4.0, geändert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Template5</name>
    <message>
        <source>Summer Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Enable Summer Time</source>
        <translation>Sommerzeit anwenden</translation>
    </message>
    <message>
        <source>Automatic (from the place&apos;s time zone)</source>
        <translation>Automatisch (aus der Zeitzone des Ortes)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Template6</name>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Empty: the built-in chime (um.wav)</source>
        <translation>Leer: der eingebaute Signalton (um.wav)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Ischa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Reminder (minutes before, 0 = none)</source>
        <translation>Erinnerung (Minuten vorher, 0 = keine)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)</source>
        <translation>Töne (*.wav *.ogg *.mp3 *.flac *.opus);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Beside the tray icon</source>
        <translation>Neben dem Symbol</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Next prayer and its time</source>
        <translation>Nächstes Gebet und seine Zeit</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Desktop notification at each alert</source>
        <translation>Desktop-Benachrichtigung bei jedem Alarm</translation>
    </message>
    <message>
        <source>These sound files were not kept:</source>
        <translation>Diese Klangdateien wurden nicht übernommen:</translation>
    </message>
    <message>
        <source>%1 sound, %2: %3</source>
        <translation>Klang für %1, %2: %3</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>sie kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>it cannot be decoded (%1)</source>
        <translation>sie kann nicht dekodiert werden (%1)</translation>
    </message>
</context>
</TS>
