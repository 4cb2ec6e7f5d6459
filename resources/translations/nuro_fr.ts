<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessible</name>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Hides the window in the notification area</source>
        <translation>Masque la fenêtre dans la zone de notification</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Shows the About box</source>
        <translation>Affiche la fenêtre À propos</translation>
    </message>
    <message>
        <source>Fajer time</source>
        <translatorcomment>Transcriptions les plus répandues dans les mosquées francophones&#xa0;; on lit aussi Sobh, Dohr, Isha.</translatorcomment>
        <translation>Heure du Fajr</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Fajer prayer</source>
        <translation>Heure de la prière du Fajr aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Shuroq time</source>
        <translation>Heure du Chourouq</translation>
    </message>
    <message>
        <source>Today&apos;s sunrise</source>
        <translation>Lever du soleil aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Dhohur time</source>
        <translation>Heure du Dhouhr</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Dhohur prayer</source>
        <translation>Heure de la prière du Dhouhr aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Aser time</source>
        <translation>Heure de l&apos;Asr</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Aser prayer</source>
        <translation>Heure de la prière de l&apos;Asr aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Maghereb time</source>
        <translation>Heure du Maghrib</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Maghereb prayer</source>
        <translation>Heure de la prière du Maghrib aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Isha time</source>
        <translation>Heure de l&apos;Icha</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Isha prayer</source>
        <translation>Heure de la prière de l&apos;Icha aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Notice offset in minutes</source>
        <translation>Décalage de l&apos;avis en minutes</translation>
    </message>
    <message>
        <source>Minutes between a prayer time and its notice</source>
        <translation>Minutes entre l&apos;heure de la prière et son avis</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>The notice comes before the prayer time</source>
        <translation>L&apos;avis vient avant l&apos;heure de la prière</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>The notice comes after the prayer time</source>
        <translation>L&apos;avis vient après l&apos;heure de la prière</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Plays the chime at each prayer time</source>
        <translation>Joue le carillon à chaque heure de prière</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>The chime plays at each prayer time</source>
        <translation>Le carillon sonne à chaque heure de prière</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>No chime plays</source>
        <translation>Aucun carillon ne sonne</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>The window&apos;s ornament</source>
        <translation>L&apos;ornement de la fenêtre</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Marks the notice offset</source>
        <translation>Indique le décalage de l&apos;avis</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Label of the Fajer time</source>
        <translation>Étiquette de l&apos;heure du Fajr</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Dhouhr</translation>
    </message>
    <message>
        <source>Label of the Dhohur time</source>
        <translation>Étiquette de l&apos;heure du Dhouhr</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Label of the Aser time</source>
        <translation>Étiquette de l&apos;heure de l&apos;Asr</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Label of the Maghereb time</source>
        <translation>Étiquette de l&apos;heure du Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Icha</translation>
    </message>
    <message>
        <source>Label of the Isha time</source>
        <translation>Étiquette de l&apos;heure de l&apos;Icha</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Chourouq</translation>
    </message>
    <message>
        <source>Points to the Shuroq time</source>
        <translation>Désigne l&apos;heure du Chourouq</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Unit of the notice offset</source>
        <translation>Unité du décalage de l&apos;avis</translation>
    </message>
    <message>
        <source>Label of the Before choice</source>
        <translation>Étiquette du choix Avant</translation>
    </message>
    <message>
        <source>Label of the After choice</source>
        <translation>Étiquette du choix Après</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Date hégirienne</translation>
    </message>
    <message>
        <source>Today&apos;s date in the Hijri calendar</source>
        <translation>La date du jour dans le calendrier hégirien</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Degrés de longitude</translation>
    </message>
    <message>
        <source>Whole degrees</source>
        <translation>Degrés entiers</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minutes de longitude</translation>
    </message>
    <message>
        <source>Arc minutes</source>
        <translation>Minutes d&apos;arc</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Secondes de longitude</translation>
    </message>
    <message>
        <source>Arc seconds</source>
        <translation>Secondes d&apos;arc</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>East of Greenwich</source>
        <translation>À l&apos;est de Greenwich</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>West of Greenwich</source>
        <translation>À l&apos;ouest de Greenwich</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Degrés de latitude</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minutes de latitude</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Secondes de latitude</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>North of the equator</source>
        <translation>Au nord de l&apos;équateur</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>South of the equator</source>
        <translation>Au sud de l&apos;équateur</translation>
    </message>
    <message>
        <source>Pressure in millibars</source>
        <translation>Pression en millibars</translation>
    </message>
    <message>
        <source>Air pressure for the refraction</source>
        <translation>Pression de l&apos;air pour la réfraction</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>Température en degrés Celsius</translation>
    </message>
    <message>
        <source>Air temperature for the refraction</source>
        <translation>Température de l&apos;air pour la réfraction</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Hours from universal time</source>
        <translation>Heures d&apos;écart avec le temps universel</translation>
    </message>
    <message>
        <source>Elevation in metres</source>
        <translation>Altitude en mètres</translation>
    </message>
    <message>
        <source>Height of the place above the sea</source>
        <translation>Hauteur du lieu au-dessus de la mer</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Keeps the values and computes the times anew</source>
        <translation>Enregistre les valeurs et recalcule les heures</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the dialog</source>
        <translation>Ferme la fenêtre</translation>
    </message>
    <message>
        <source>Fajer minutes</source>
        <translation>Minutes du Fajr</translation>
    </message>
    <message>
        <source>Minutes moved from the computed time</source>
        <translation>Minutes de décalage par rapport à l&apos;heure calculée</translation>
    </message>
    <message>
        <source>Fajer earlier</source>
        <translation>Fajr plus tôt</translation>
    </message>
    <message>
        <source>Subtracts the minutes</source>
        <translation>Retranche les minutes</translation>
    </message>
    <message>
        <source>Fajer later</source>
        <translation>Fajr plus tard</translation>
    </message>
    <message>
        <source>Adds the minutes</source>
        <translation>Ajoute les minutes</translation>
    </message>
    <message>
        <source>Shuroq minutes</source>
        <translation>Minutes du Chourouq</translation>
    </message>
    <message>
        <source>Shuroq earlier</source>
        <translation>Chourouq plus tôt</translation>
    </message>
    <message>
        <source>Shuroq later</source>
        <translation>Chourouq plus tard</translation>
    </message>
    <message>
        <source>Dhohur minutes</source>
        <translation>Minutes du Dhouhr</translation>
    </message>
    <message>
        <source>Dhohur earlier</source>
        <translation>Dhouhr plus tôt</translation>
    </message>
    <message>
        <source>Dhohur later</source>
        <translation>Dhouhr plus tard</translation>
    </message>
    <message>
        <source>Aser minutes</source>
        <translation>Minutes de l&apos;Asr</translation>
    </message>
    <message>
        <source>Aser earlier</source>
        <translation>Asr plus tôt</translation>
    </message>
    <message>
        <source>Aser later</source>
        <translation>Asr plus tard</translation>
    </message>
    <message>
        <source>Maghereb minutes</source>
        <translation>Minutes du Maghrib</translation>
    </message>
    <message>
        <source>Maghereb earlier</source>
        <translation>Maghrib plus tôt</translation>
    </message>
    <message>
        <source>Maghereb later</source>
        <translation>Maghrib plus tard</translation>
    </message>
    <message>
        <source>Isha minutes</source>
        <translation>Minutes de l&apos;Icha</translation>
    </message>
    <message>
        <source>Isha earlier</source>
        <translation>Icha plus tôt</translation>
    </message>
    <message>
        <source>Isha later</source>
        <translation>Icha plus tard</translation>
    </message>
    <message>
        <source>Fajer angle</source>
        <translation>Angle du Fajr</translation>
    </message>
    <message>
        <source>Depression of the sun in tenths of a degree</source>
        <translation>Abaissement du soleil sous l&apos;horizon, en dixièmes de degré</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>Angle de l&apos;Icha</translation>
    </message>
    <message>
        <source>High latitudes rule</source>
        <translation>Règle des hautes latitudes</translation>
    </message>
    <message>
        <source>How Fajer and Isha are found where the twilight lasts all night</source>
        <translation>Comment le Fajr et l&apos;Icha sont fixés là où le crépuscule dure toute la nuit</translation>
    </message>
    <message>
        <source>Hijri date adjustment in days</source>
        <translation>Correction de la date hégirienne en jours</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, or taken away when negative</source>
        <translation>Jours ajoutés à la date hégirienne calculée, ou retranchés s&apos;ils sont négatifs</translation>
    </message>
    <message>
        <source>NURO</source>
        <translation>NURO</translation>
    </message>
    <message>
        <source>The program&apos;s ornament</source>
        <translation>L&apos;ornement du programme</translation>
    </message>
    <message>
        <source>From month</source>
        <translation>Mois de début</translation>
    </message>
    <message>
        <source>Month summer time begins</source>
        <translation>Mois où commence l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>Jour de début</translation>
    </message>
    <message>
        <source>Day summer time begins</source>
        <translation>Jour où commence l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>Mois de fin</translation>
    </message>
    <message>
        <source>Month summer time ends</source>
        <translation>Mois où finit l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Jour de fin</translation>
    </message>
    <message>
        <source>Day summer time ends</source>
        <translation>Jour où finit l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Fajer sound file</source>
        <translation>Fichier son du Fajr</translation>
    </message>
    <message>
        <source>File played at the prayer time; empty for the built-in chime</source>
        <translation>Fichier joué à l&apos;heure de la prière&#xa0;; vide pour le carillon intégré</translation>
    </message>
    <message>
        <source>Dhohur sound file</source>
        <translation>Fichier son du Dhouhr</translation>
    </message>
    <message>
        <source>Aser sound file</source>
        <translation>Fichier son de l&apos;Asr</translation>
    </message>
    <message>
        <source>Maghereb sound file</source>
        <translation>Fichier son du Maghrib</translation>
    </message>
    <message>
        <source>Isha sound file</source>
        <translation>Fichier son de l&apos;Icha</translation>
    </message>
    <message>
        <source>Choose the Fajer sound</source>
        <translation>Choisir le son du Fajr</translation>
    </message>
    <message>
        <source>Opens a file chooser</source>
        <translation>Ouvre un sélecteur de fichier</translation>
    </message>
    <message>
        <source>Choose the Dhohur sound</source>
        <translation>Choisir le son du Dhouhr</translation>
    </message>
    <message>
        <source>Choose the Aser sound</source>
        <translation>Choisir le son de l&apos;Asr</translation>
    </message>
    <message>
        <source>Choose the Maghereb sound</source>
        <translation>Choisir le son du Maghrib</translation>
    </message>
    <message>
        <source>Choose the Isha sound</source>
        <translation>Choisir le son de l&apos;Icha</translation>
    </message>
    <message>
        <source>Play the Fajer sound</source>
        <translation>Écouter le son du Fajr</translation>
    </message>
    <message>
        <source>Plays the file now</source>
        <translation>Joue le fichier maintenant</translation>
    </message>
    <message>
        <source>Play the Dhohur sound</source>
        <translation>Écouter le son du Dhouhr</translation>
    </message>
    <message>
        <source>Play the Aser sound</source>
        <translation>Écouter le son de l&apos;Asr</translation>
    </message>
    <message>
        <source>Play the Maghereb sound</source>
        <translation>Écouter le son du Maghrib</translation>
    </message>
    <message>
        <source>Play the Isha sound</source>
        <translation>Écouter le son de l&apos;Icha</translation>
    </message>
    <message>
        <source>Reminder minutes</source>
        <translation>Minutes du rappel</translation>
    </message>
    <message>
        <source>Minutes before each prayer for a reminder; 0 for none</source>
        <translation>Minutes avant chaque prière pour un rappel&#xa0;; 0 pour aucun</translation>
    </message>
    <message>
        <source>Keeps the sounds and closes the dialog</source>
        <translation>Enregistre les sons et ferme la fenêtre</translation>
    </message>
    <message>
        <source>It is time for Fajer</source>
        <translation>C&apos;est l&apos;heure du Fajr</translation>
    </message>
    <message>
        <source>It is time for Dhohur</source>
        <translation>C&apos;est l&apos;heure du Dhouhr</translation>
    </message>
    <message>
        <source>It is time for Aser</source>
        <translation>C&apos;est l&apos;heure de l&apos;Asr</translation>
    </message>
    <message>
        <source>It is time for Maghereb</source>
        <translation>C&apos;est l&apos;heure du Maghrib</translation>
    </message>
    <message>
        <source>It is time for Isha</source>
        <translation>C&apos;est l&apos;heure de l&apos;Icha</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the notice</source>
        <translation>Ferme l&apos;avis</translation>
    </message>
    <message>
        <source>Tray label</source>
        <translation>Étiquette de la barre</translation>
    </message>
    <message>
        <source>What the panel shows beside the tray icon, where it shows labels</source>
        <translation>Ce que le tableau de bord affiche à côté de l&apos;icône, là où il affiche des étiquettes</translation>
    </message>
    <message>
        <source>Alert notification</source>
        <translation>Notification d&apos;alerte</translation>
    </message>
    <message>
        <source>Each alert also raises a desktop notification that stays until dismissed</source>
        <translation>Chaque alerte affiche aussi une notification du bureau qui reste jusqu&apos;à sa fermeture</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Chercher un lieu</translation>
    </message>
    <message>
        <source>Type a place&apos;s name; arrows choose a match, Enter takes it</source>
        <translation>Tapez le nom d&apos;un lieu&#x202f;; les flèches choisissent un résultat, Entrée le retient</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>Lieux trouvés</translation>
    </message>
    <message>
        <source>The best matches, largest first; Enter takes the place</source>
        <translation>Les meilleurs résultats, le plus peuplé d&apos;abord&#x202f;; Entrée choisit le lieu</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Me localiser</translation>
    </message>
    <message>
        <source>Asks the desktop for your position once and offers the nearest places</source>
        <translation>Demande une fois votre position au bureau et propose les lieux les plus proches</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Qibla</translation>
    </message>
    <message>
        <source>Direction of the Kaaba from the place</source>
        <translation>Direction de la Kaaba depuis le lieu</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Méthode de calcul</translation>
    </message>
    <message>
        <source>The method whose angles, interval and minutes give the times</source>
        <translation>La méthode dont les angles, l&apos;intervalle et les minutes donnent les horaires</translation>
    </message>
    <message>
        <source>Isha minutes after Maghereb</source>
        <translation>Minutes de l&apos;Icha après le Maghrib</translation>
    </message>
    <message>
        <source>Isha comes this many minutes after Maghereb</source>
        <translation>L&apos;Icha commence autant de minutes après le Maghrib</translation>
    </message>
</context>
<context>
    <name>Glance</name>
    <message>
        <source>Fajer</source>
        <translatorcomment>Transcriptions les plus répandues dans les mosquées francophones&#xa0;; on lit aussi Sobh, Dohr, Isha.</translatorcomment>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Chourouq</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Dhouhr</translation>
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
        <translation>Icha</translation>
    </message>
    <message>
        <source>%1 %2 · in %3</source>
        <translation>%1 %2 · dans %3</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;h</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Minuit</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>Dernier tiers</translation>
    </message>
    <message>
        <source>Place not chosen yet: %1</source>
        <translation>Lieu non encore choisi&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Menu103</name>
    <message>
        <source>&amp;Tray</source>
        <translation>&amp;Zone de notification</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Arrêter le son</translation>
    </message>
</context>
<context>
    <name>Menu13</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Avancé</translation>
    </message>
    <message>
        <source>&amp;Summer Time</source>
        <translation>&amp;Heure d&apos;été</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>S&amp;ons</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Lang</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Arabic</source>
        <translation>&amp;Arabe</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>A&amp;nglais</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>The settings file cannot be used. NURO runs without it and leaves it as it is:</source>
        <translation>Le fichier de réglages est inutilisable. NURO fonctionne sans lui et le laisse tel quel&#xa0;:</translation>
    </message>
    <message>
        <source>Later starts of NURO cannot reach this one: they will not show its window.</source>
        <translation>Les lancements suivants de NURO ne peuvent pas joindre celui-ci&#xa0;: ils n&apos;afficheront pas sa fenêtre.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translatorcomment>Catalogue français&#xa0;: noms des prières dans les transcriptions les plus répandues dans les mosquées francophones (Fajr, Chourouq, Dhouhr, Asr, Maghrib, Icha)&#x202f;; on lit aussi Sobh, Dohr, Isha. Noms des méthodes comme les écrivent leurs autorités (Musulmans de France, Diyanet, JAKIM). Ponctuation à la française&#xa0;: espace insécable avant «&#xa0;: » et fine avant «&#x202f;; »&#x202f;; nombres de lecture avec virgule décimale et espace fine des milliers.</translatorcomment>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>Template2</name>
    <message>
        <source>Config</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
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
        <translation>Réfraction</translation>
    </message>
    <message>
        <source>Pressure(mBar)</source>
        <translation>Pression (mbar)</translation>
    </message>
    <message>
        <source>Temperature(°C)</source>
        <translation>Température (°C)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Aser Prayer</source>
        <translation>Prière de l&apos;Asr</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Hanfai</source>
        <translation>Hanafite</translation>
    </message>
    <message>
        <source>&amp;MODIF</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Place not found: no place library</source>
        <translation>Lieu introuvable&#xa0;: bibliothèque absente</translation>
    </message>
    <message>
        <source>Place not found: unreadable database</source>
        <translation>Lieu introuvable&#xa0;: base de données illisible</translation>
    </message>
    <message>
        <source>Place not found: not in the database</source>
        <translation>Lieu introuvable&#xa0;: absent de la base</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Chercher un lieu</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Me localiser</translation>
    </message>
    <message>
        <source>The desktop refused to give the position</source>
        <translation>Le bureau a refusé de communiquer la position</translation>
    </message>
    <message>
        <source>The desktop gave no position</source>
        <translation>Le bureau n&apos;a fourni aucune position</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km</source>
        <translation>Qibla&#xa0;: %1° depuis le nord vrai, %2 km</translation>
    </message>
</context>
<context>
    <name>Template3</name>
    <message>
        <source>Expert</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Addition(Mn)</source>
        <translation>Ajout (min)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Chourouq</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Dhouhr</translation>
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
        <translation>Icha</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Hautes lat.</translation>
    </message>
    <message>
        <source>middle of the night</source>
        <translation>milieu de la nuit</translation>
    </message>
    <message>
        <source>one seventh of the night</source>
        <translation>septième de la nuit</translation>
    </message>
    <message>
        <source>twilight angle</source>
        <translation>angle du crépuscule</translation>
    </message>
    <message>
        <source>Hijri date (days)</source>
        <translation>Date hégirienne (jours)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Isha: minutes after Maghereb</source>
        <translation>Icha&#xa0;: minutes après Maghrib</translation>
    </message>
    <message>
        <source>From the place&apos;s country</source>
        <translation>Selon le pays du lieu</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Custom: your own angles, Isha interval and minutes</source>
        <translation>Personnalisée&#xa0;: vos angles, intervalle d&apos;Icha et minutes</translation>
    </message>
    <message>
        <source>Fajr by the season</source>
        <translation>Fajr selon la saison</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>Fajr %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghreb</source>
        <translation>Icha %1 min après Maghrib</translation>
    </message>
    <message>
        <source>%1 in Ramadan</source>
        <translation>%1 pendant le Ramadan</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>Icha %1°</translation>
    </message>
    <message>
        <source>Isha by the season</source>
        <translation>Icha selon la saison</translation>
    </message>
    <message>
        <source>Maghreb %1° below the horizon</source>
        <translation>Maghrib %1° sous l&apos;horizon</translation>
    </message>
    <message>
        <source>minutes rounded up</source>
        <translation>minutes arrondies à la minute supérieure</translation>
    </message>
    <message>
        <source>Method&apos;s minutes: %1</source>
        <translation>Minutes de la méthode&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Ligue islamique mondiale</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>Société islamique d&apos;Amérique du Nord</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Autorité générale égyptienne d&apos;arpentage</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>Université des sciences islamiques, Karachi</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>Umm al-Qura, La Mecque</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>Région du Golfe</translation>
    </message>
    <message>
        <source>United Arab Emirates, Awqaf (Dubai)</source>
        <translation>Émirats arabes unis, Awqaf (Dubaï)</translation>
    </message>
    <message>
        <source>Kuwait, Ministry of Awqaf</source>
        <translation>Koweït, ministère des Awqaf</translation>
    </message>
    <message>
        <source>Qatar, Ministry of Awqaf</source>
        <translation>Qatar, ministère des Awqaf</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura</source>
        <translation>Majlis Ugama Islam Singapura</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>JAKIM, Malaisie</translation>
    </message>
    <message>
        <source>Kementerian Agama, Indonesia</source>
        <translation>Kementerian Agama, Indonésie</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet, Turquie</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut de géophysique, Université de Téhéran</translation>
    </message>
    <message>
        <source>Shia Ithna-Ashari, Leva Institute, Qum</source>
        <translation>Chiites duodécimains, Institut Leva, Qom</translation>
    </message>
    <message>
        <source>Musulmans de France (UOIF)</source>
        <translation>Musulmans de France (UOIF)</translation>
    </message>
    <message>
        <source>Spiritual Administration of the Muslims of Russia</source>
        <translation>Direction spirituelle des musulmans de Russie</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Tunisia, Ministry of Religious Affairs</source>
        <translation>Tunisie, ministère des Affaires religieuses</translation>
    </message>
    <message>
        <source>Algeria, Ministry of Religious Affairs</source>
        <translation>Algérie, ministère des Affaires religieuses</translation>
    </message>
    <message>
        <source>Morocco, Ministry of Habous and Islamic Affairs</source>
        <translation>Maroc, ministère des Habous et Affaires islamiques</translation>
    </message>
    <message>
        <source>Jordan, Ministry of Awqaf</source>
        <translation>Jordanie, ministère des Awqaf</translation>
    </message>
    <message>
        <source>one seventh of the night from 55° of latitude</source>
        <translation>septième de la nuit à partir de 55° de latitude</translation>
    </message>
</context>
<context>
    <name>Template4</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>NURO V2.0</source>
        <translation>NURO version 2.0</translation>
    </message>
    <message>
        <source>Places: GeoNames.org</source>
        <translation>Lieux&#xa0;: GeoNames.org</translation>
    </message>
    <message>
        <source>CC BY 4.0, modified</source>
        <translation>CC BY 4.0, modifiés</translation>
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
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Enable Summer Time</source>
        <translation>Activer l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Automatic (from the place&apos;s time zone)</source>
        <translation>Automatique (fuseau horaire du lieu)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Rétablir</translation>
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
        <translation>Sons</translation>
    </message>
    <message>
        <source>Empty: the built-in chime (um.wav)</source>
        <translation>Vide&#xa0;: le carillon intégré (um.wav)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Dhouhr</translation>
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
        <translation>Icha</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Reminder (minutes before, 0 = none)</source>
        <translation>Rappel (minutes avant, 0 = aucun)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)</source>
        <translation>Sons (*.wav *.ogg *.mp3 *.flac *.opus);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Beside the tray icon</source>
        <translation>À côté de l&apos;icône de la barre</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Next prayer and its time</source>
        <translation>Prochaine prière et son heure</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Desktop notification at each alert</source>
        <translation>Notification du bureau à chaque alerte</translation>
    </message>
    <message>
        <source>These sound files were not kept:</source>
        <translation>Ces fichiers son n&apos;ont pas été gardés&#xa0;:</translation>
    </message>
    <message>
        <source>%1 sound, %2: %3</source>
        <translation>Son de %1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>il ne peut pas être décodé</translation>
    </message>
    <message>
        <source>it cannot be decoded (%1)</source>
        <translation>il ne peut pas être décodé (%1)</translation>
    </message>
</context>
</TS>
