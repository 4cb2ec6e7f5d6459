<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>Accessible</name>
    <message>
        <source>Hide</source>
        <translation>Sembunyi</translation>
    </message>
    <message>
        <source>Hides the window in the notification area</source>
        <translation>Menyembunyikan tetingkap ke kawasan pemberitahuan</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Perihal</translation>
    </message>
    <message>
        <source>Shows the About box</source>
        <translation>Memaparkan kotak Perihal</translation>
    </message>
    <message>
        <source>Fajer time</source>
        <translatorcomment>Ejaan JAKIM dan jadual waktu solat Malaysia; Zuhur, Isya juga dipakai di Indonesia dan Brunei, tetapi ini yang paling luas di Malaysia.</translatorcomment>
        <translation>Waktu Subuh</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Fajer prayer</source>
        <translation>Waktu solat Subuh hari ini</translation>
    </message>
    <message>
        <source>Shuroq time</source>
        <translation>Waktu Syuruk</translation>
    </message>
    <message>
        <source>Today&apos;s sunrise</source>
        <translation>Matahari terbit hari ini</translation>
    </message>
    <message>
        <source>Dhohur time</source>
        <translation>Waktu Zohor</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Dhohur prayer</source>
        <translation>Waktu solat Zohor hari ini</translation>
    </message>
    <message>
        <source>Aser time</source>
        <translation>Waktu Asar</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Aser prayer</source>
        <translation>Waktu solat Asar hari ini</translation>
    </message>
    <message>
        <source>Maghereb time</source>
        <translation>Waktu Maghrib</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Maghereb prayer</source>
        <translation>Waktu solat Maghrib hari ini</translation>
    </message>
    <message>
        <source>Isha time</source>
        <translation>Waktu Isyak</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Isha prayer</source>
        <translation>Waktu solat Isyak hari ini</translation>
    </message>
    <message>
        <source>Notice offset in minutes</source>
        <translation>Beza peringatan dalam minit</translation>
    </message>
    <message>
        <source>Minutes between a prayer time and its notice</source>
        <translation>Minit antara waktu solat dan peringatannya</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Sebelum</translation>
    </message>
    <message>
        <source>The notice comes before the prayer time</source>
        <translation>Peringatan datang sebelum waktu solat</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Selepas</translation>
    </message>
    <message>
        <source>The notice comes after the prayer time</source>
        <translation>Peringatan datang selepas waktu solat</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Bunyi</translation>
    </message>
    <message>
        <source>Plays the chime at each prayer time</source>
        <translation>Memainkan nada pada setiap waktu solat</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Bunyi hidup</translation>
    </message>
    <message>
        <source>The chime plays at each prayer time</source>
        <translation>Nada berbunyi pada setiap waktu solat</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Bunyi mati</translation>
    </message>
    <message>
        <source>No chime plays</source>
        <translation>Tiada nada berbunyi</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Latar belakang</translation>
    </message>
    <message>
        <source>The window&apos;s ornament</source>
        <translation>Hiasan tetingkap</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Jam loceng</translation>
    </message>
    <message>
        <source>Marks the notice offset</source>
        <translation>Menandakan beza peringatan</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Label of the Fajer time</source>
        <translation>Label waktu Subuh</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Zohor</translation>
    </message>
    <message>
        <source>Label of the Dhohur time</source>
        <translation>Label waktu Zohor</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Label of the Aser time</source>
        <translation>Label waktu Asar</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Label of the Maghereb time</source>
        <translation>Label waktu Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isyak</translation>
    </message>
    <message>
        <source>Label of the Isha time</source>
        <translation>Label waktu Isyak</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Syuruk</translation>
    </message>
    <message>
        <source>Points to the Shuroq time</source>
        <translation>Menunjuk ke waktu Syuruk</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minit</translation>
    </message>
    <message>
        <source>Unit of the notice offset</source>
        <translation>Unit beza peringatan</translation>
    </message>
    <message>
        <source>Label of the Before choice</source>
        <translation>Label pilihan Sebelum</translation>
    </message>
    <message>
        <source>Label of the After choice</source>
        <translation>Label pilihan Selepas</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Tarikh Hijrah</translation>
    </message>
    <message>
        <source>Today&apos;s date in the Hijri calendar</source>
        <translation>Tarikh hari ini dalam takwim Hijrah</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Darjah longitud</translation>
    </message>
    <message>
        <source>Whole degrees</source>
        <translation>Darjah penuh</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minit longitud</translation>
    </message>
    <message>
        <source>Arc minutes</source>
        <translation>Minit lengkok</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Saat longitud</translation>
    </message>
    <message>
        <source>Arc seconds</source>
        <translation>Saat lengkok</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Timur</translation>
    </message>
    <message>
        <source>East of Greenwich</source>
        <translation>Timur Greenwich</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Barat</translation>
    </message>
    <message>
        <source>West of Greenwich</source>
        <translation>Barat Greenwich</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Darjah latitud</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minit latitud</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Saat latitud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Utara</translation>
    </message>
    <message>
        <source>North of the equator</source>
        <translation>Utara khatulistiwa</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Selatan</translation>
    </message>
    <message>
        <source>South of the equator</source>
        <translation>Selatan khatulistiwa</translation>
    </message>
    <message>
        <source>Pressure in millibars</source>
        <translation>Tekanan dalam milibar</translation>
    </message>
    <message>
        <source>Air pressure for the refraction</source>
        <translation>Tekanan udara untuk pembiasan</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>Suhu dalam darjah Celsius</translation>
    </message>
    <message>
        <source>Air temperature for the refraction</source>
        <translation>Suhu udara untuk pembiasan</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zon waktu</translation>
    </message>
    <message>
        <source>Hours from universal time</source>
        <translation>Jam berbanding waktu universal</translation>
    </message>
    <message>
        <source>Elevation in metres</source>
        <translation>Ketinggian dalam meter</translation>
    </message>
    <message>
        <source>Height of the place above the sea</source>
        <translation>Ketinggian tempat dari paras laut</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>Keeps the values and computes the times anew</source>
        <translation>Menyimpan nilai dan mengira semula waktu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the dialog</source>
        <translation>Menutup dialog</translation>
    </message>
    <message>
        <source>Fajer minutes</source>
        <translation>Minit Subuh</translation>
    </message>
    <message>
        <source>Minutes moved from the computed time</source>
        <translation>Minit yang dianjak daripada waktu kiraan</translation>
    </message>
    <message>
        <source>Fajer earlier</source>
        <translation>Subuh lebih awal</translation>
    </message>
    <message>
        <source>Subtracts the minutes</source>
        <translation>Menolak minit</translation>
    </message>
    <message>
        <source>Fajer later</source>
        <translation>Subuh lebih lewat</translation>
    </message>
    <message>
        <source>Adds the minutes</source>
        <translation>Menambah minit</translation>
    </message>
    <message>
        <source>Shuroq minutes</source>
        <translation>Minit Syuruk</translation>
    </message>
    <message>
        <source>Shuroq earlier</source>
        <translation>Syuruk lebih awal</translation>
    </message>
    <message>
        <source>Shuroq later</source>
        <translation>Syuruk lebih lewat</translation>
    </message>
    <message>
        <source>Dhohur minutes</source>
        <translation>Minit Zohor</translation>
    </message>
    <message>
        <source>Dhohur earlier</source>
        <translation>Zohor lebih awal</translation>
    </message>
    <message>
        <source>Dhohur later</source>
        <translation>Zohor lebih lewat</translation>
    </message>
    <message>
        <source>Aser minutes</source>
        <translation>Minit Asar</translation>
    </message>
    <message>
        <source>Aser earlier</source>
        <translation>Asar lebih awal</translation>
    </message>
    <message>
        <source>Aser later</source>
        <translation>Asar lebih lewat</translation>
    </message>
    <message>
        <source>Maghereb minutes</source>
        <translation>Minit Maghrib</translation>
    </message>
    <message>
        <source>Maghereb earlier</source>
        <translation>Maghrib lebih awal</translation>
    </message>
    <message>
        <source>Maghereb later</source>
        <translation>Maghrib lebih lewat</translation>
    </message>
    <message>
        <source>Isha minutes</source>
        <translation>Minit Isyak</translation>
    </message>
    <message>
        <source>Isha earlier</source>
        <translation>Isyak lebih awal</translation>
    </message>
    <message>
        <source>Isha later</source>
        <translation>Isyak lebih lewat</translation>
    </message>
    <message>
        <source>Fajer angle</source>
        <translation>Sudut Subuh</translation>
    </message>
    <message>
        <source>Depression of the sun in tenths of a degree</source>
        <translation>Sudut matahari di bawah ufuk dalam persepuluh darjah</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>Sudut Isyak</translation>
    </message>
    <message>
        <source>High latitudes rule</source>
        <translation>Peraturan latitud tinggi</translation>
    </message>
    <message>
        <source>How Fajer and Isha are found where the twilight lasts all night</source>
        <translation>Cara Subuh dan Isyak ditentukan di tempat senjanya berterusan sepanjang malam</translation>
    </message>
    <message>
        <source>Hijri date adjustment in days</source>
        <translation>Pelarasan tarikh Hijrah dalam hari</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, or taken away when negative</source>
        <translation>Hari yang ditambah pada tarikh Hijrah kiraan, atau ditolak jika negatif</translation>
    </message>
    <message>
        <source>NURO</source>
        <translation>NURO</translation>
    </message>
    <message>
        <source>The program&apos;s ornament</source>
        <translation>Hiasan program</translation>
    </message>
    <message>
        <source>From month</source>
        <translation>Dari bulan</translation>
    </message>
    <message>
        <source>Month summer time begins</source>
        <translation>Bulan waktu musim panas bermula</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>Dari hari</translation>
    </message>
    <message>
        <source>Day summer time begins</source>
        <translation>Hari waktu musim panas bermula</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>Hingga bulan</translation>
    </message>
    <message>
        <source>Month summer time ends</source>
        <translation>Bulan waktu musim panas berakhir</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Hingga hari</translation>
    </message>
    <message>
        <source>Day summer time ends</source>
        <translation>Hari waktu musim panas berakhir</translation>
    </message>
    <message>
        <source>Fajer sound file</source>
        <translation>Fail bunyi Subuh</translation>
    </message>
    <message>
        <source>File played at the prayer time; empty for the built-in chime</source>
        <translation>Fail yang dimainkan pada waktu solat; kosong untuk nada terbina dalam</translation>
    </message>
    <message>
        <source>Dhohur sound file</source>
        <translation>Fail bunyi Zohor</translation>
    </message>
    <message>
        <source>Aser sound file</source>
        <translation>Fail bunyi Asar</translation>
    </message>
    <message>
        <source>Maghereb sound file</source>
        <translation>Fail bunyi Maghrib</translation>
    </message>
    <message>
        <source>Isha sound file</source>
        <translation>Fail bunyi Isyak</translation>
    </message>
    <message>
        <source>Choose the Fajer sound</source>
        <translation>Pilih bunyi Subuh</translation>
    </message>
    <message>
        <source>Opens a file chooser</source>
        <translation>Membuka pemilih fail</translation>
    </message>
    <message>
        <source>Choose the Dhohur sound</source>
        <translation>Pilih bunyi Zohor</translation>
    </message>
    <message>
        <source>Choose the Aser sound</source>
        <translation>Pilih bunyi Asar</translation>
    </message>
    <message>
        <source>Choose the Maghereb sound</source>
        <translation>Pilih bunyi Maghrib</translation>
    </message>
    <message>
        <source>Choose the Isha sound</source>
        <translation>Pilih bunyi Isyak</translation>
    </message>
    <message>
        <source>Play the Fajer sound</source>
        <translation>Mainkan bunyi Subuh</translation>
    </message>
    <message>
        <source>Plays the file now</source>
        <translation>Memainkan fail sekarang</translation>
    </message>
    <message>
        <source>Play the Dhohur sound</source>
        <translation>Mainkan bunyi Zohor</translation>
    </message>
    <message>
        <source>Play the Aser sound</source>
        <translation>Mainkan bunyi Asar</translation>
    </message>
    <message>
        <source>Play the Maghereb sound</source>
        <translation>Mainkan bunyi Maghrib</translation>
    </message>
    <message>
        <source>Play the Isha sound</source>
        <translation>Mainkan bunyi Isyak</translation>
    </message>
    <message>
        <source>Reminder minutes</source>
        <translation>Minit peringatan awal</translation>
    </message>
    <message>
        <source>Minutes before each prayer for a reminder; 0 for none</source>
        <translation>Minit sebelum setiap solat untuk peringatan awal; 0 untuk tiada</translation>
    </message>
    <message>
        <source>Keeps the sounds and closes the dialog</source>
        <translation>Menyimpan bunyi dan menutup dialog</translation>
    </message>
    <message>
        <source>It is time for Fajer</source>
        <translation>Telah masuk waktu Subuh</translation>
    </message>
    <message>
        <source>It is time for Dhohur</source>
        <translation>Telah masuk waktu Zohor</translation>
    </message>
    <message>
        <source>It is time for Aser</source>
        <translation>Telah masuk waktu Asar</translation>
    </message>
    <message>
        <source>It is time for Maghereb</source>
        <translation>Telah masuk waktu Maghrib</translation>
    </message>
    <message>
        <source>It is time for Isha</source>
        <translation>Telah masuk waktu Isyak</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Closes the notice</source>
        <translation>Menutup peringatan</translation>
    </message>
    <message>
        <source>Tray label</source>
        <translation>Label dulang</translation>
    </message>
    <message>
        <source>What the panel shows beside the tray icon, where it shows labels</source>
        <translation>Apa yang dipaparkan panel di sebelah ikon dulang, jika ia memaparkan label</translation>
    </message>
    <message>
        <source>Alert notification</source>
        <translation>Pemberitahuan amaran</translation>
    </message>
    <message>
        <source>Each alert also raises a desktop notification that stays until dismissed</source>
        <translation>Setiap amaran juga memaparkan pemberitahuan desktop yang kekal sehingga ditutup</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Cari tempat</translation>
    </message>
    <message>
        <source>Type a place&apos;s name; arrows choose a match, Enter takes it</source>
        <translation>Taip nama tempat; anak panah memilih hasil, Enter mengambilnya</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>Tempat yang sepadan</translation>
    </message>
    <message>
        <source>The best matches, largest first; Enter takes the place</source>
        <translation>Hasil terbaik, yang terbesar dahulu; Enter mengambil tempat itu</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Cari lokasi saya</translation>
    </message>
    <message>
        <source>Asks the desktop for your position once and offers the nearest places</source>
        <translation>Bertanya kedudukan anda kepada desktop sekali dan menawarkan tempat terdekat</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Kiblat</translation>
    </message>
    <message>
        <source>Direction of the Kaaba from the place</source>
        <translation>Arah Kaabah dari tempat ini</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Kaedah pengiraan</translation>
    </message>
    <message>
        <source>The method whose angles, interval and minutes give the times</source>
        <translation>Kaedah yang sudut, sela dan minitnya memberikan waktu</translation>
    </message>
    <message>
        <source>Isha minutes after Maghereb</source>
        <translation>Minit Isyak selepas Maghrib</translation>
    </message>
    <message>
        <source>Isha comes this many minutes after Maghereb</source>
        <translation>Isyak masuk sekian minit selepas Maghrib</translation>
    </message>
</context>
<context>
    <name>Glance</name>
    <message>
        <source>Fajer</source>
        <translatorcomment>Ejaan JAKIM dan jadual waktu solat Malaysia; Zuhur, Isya juga dipakai di Indonesia dan Brunei, tetapi ini yang paling luas di Malaysia.</translatorcomment>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Syuruk</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Zohor</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isyak</translation>
    </message>
    <message>
        <source>%1 %2 · in %3</source>
        <translation>%1 %2 · %3 lagi</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;j&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;j</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 %2 lagi</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Tengah malam</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>Sepertiga akhir</translation>
    </message>
    <message>
        <source>Place not chosen yet: %1</source>
        <translation>Tempat belum dipilih: %1</translation>
    </message>
</context>
<context>
    <name>Menu103</name>
    <message>
        <source>&amp;Tray</source>
        <translation>&amp;Dulang</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Tunjuk</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Sembunyi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Henti bunyi</translation>
    </message>
</context>
<context>
    <name>Menu13</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Pilihan</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Tetapan</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Lanjutan</translation>
    </message>
    <message>
        <source>&amp;Summer Time</source>
        <translation>&amp;Waktu Musim Panas</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;Bunyi</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Lang</source>
        <translation>Ba&amp;hasa</translation>
    </message>
    <message>
        <source>&amp;Arabic</source>
        <translation>Bahasa &amp;Arab</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>Bahasa &amp;Inggeris</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>RALAT</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>TARIKH</translation>
    </message>
    <message>
        <source>The settings file cannot be used. NURO runs without it and leaves it as it is:</source>
        <translation>Fail tetapan tidak dapat digunakan. NURO berjalan tanpanya dan membiarkannya seperti sedia ada:</translation>
    </message>
    <message>
        <source>Later starts of NURO cannot reach this one: they will not show its window.</source>
        <translation>NURO yang dimulakan kemudian tidak dapat menghubungi yang ini: tetingkapnya tidak akan dipaparkan.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translatorcomment>Katalog bahasa Melayu (Malaysia): nama waktu solat mengikut ejaan JAKIM dan jadual waktu solat e-Solat (Subuh, Syuruk, Zohor, Asar, Maghrib, Isyak); Zuhur dan Isya dipakai di Indonesia dan Brunei. Asar biasa disebut Syafie, mazhab di Malaysia. Nama kaedah seperti ditulis oleh badan berkuasa (JAKIM, Majlis Ugama Islam Singapura, Kementerian Agama). Nombor bacaan ditulis seperti bahasa Inggeris (292.5, 6,974).</translatorcomment>
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
        <translation>Batal</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
</context>
<context>
    <name>Template2</name>
    <message>
        <source>Config</source>
        <translation>Tetapan</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>E</source>
        <translation>T</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>N</source>
        <translation>U</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Pembiasan</translation>
    </message>
    <message>
        <source>Pressure(mBar)</source>
        <translation>Tekanan (mbar)</translation>
    </message>
    <message>
        <source>Temperature(°C)</source>
        <translation>Suhu (°C)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zon Waktu</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Ketinggian</translation>
    </message>
    <message>
        <source>Aser Prayer</source>
        <translation>Solat Asar</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Syafie</translation>
    </message>
    <message>
        <source>Hanfai</source>
        <translation>Hanafi</translation>
    </message>
    <message>
        <source>&amp;MODIF</source>
        <translation>&amp;Ubah</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Place not found: no place library</source>
        <translation>Tak dijumpai: tiada pustaka tempat</translation>
    </message>
    <message>
        <source>Place not found: unreadable database</source>
        <translation>Tak dijumpai: pangkalan data tak terbaca</translation>
    </message>
    <message>
        <source>Place not found: not in the database</source>
        <translation>Tak dijumpai: tiada dalam pangkalan data</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Cari tempat</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Cari lokasi saya</translation>
    </message>
    <message>
        <source>The desktop refused to give the position</source>
        <translation>Desktop enggan memberikan lokasi</translation>
    </message>
    <message>
        <source>The desktop gave no position</source>
        <translation>Desktop tidak memberikan lokasi</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km</source>
        <translation>Kiblat: %1° dari utara benar, %2 km</translation>
    </message>
</context>
<context>
    <name>Template3</name>
    <message>
        <source>Expert</source>
        <translation>Lanjutan</translation>
    </message>
    <message>
        <source>Addition(Mn)</source>
        <translation>Tambahan (min)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Syuruk</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Zohor</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isyak</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Sudut</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Tepat</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Mula automatik</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Latitud tinggi</translation>
    </message>
    <message>
        <source>middle of the night</source>
        <translation>tengah malam</translation>
    </message>
    <message>
        <source>one seventh of the night</source>
        <translation>satu pertujuh malam</translation>
    </message>
    <message>
        <source>twilight angle</source>
        <translation>sudut senja</translation>
    </message>
    <message>
        <source>Hijri date (days)</source>
        <translation>Tarikh Hijrah (hari)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Semula</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Kaedah</translation>
    </message>
    <message>
        <source>Isha: minutes after Maghereb</source>
        <translation>Isyak: minit selepas Maghrib</translation>
    </message>
    <message>
        <source>From the place&apos;s country</source>
        <translation>Mengikut negara tempat</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Tersuai</translation>
    </message>
    <message>
        <source>Custom: your own angles, Isha interval and minutes</source>
        <translation>Tersuai: sudut, sela Isyak dan minit anda sendiri</translation>
    </message>
    <message>
        <source>Fajr by the season</source>
        <translation>Subuh mengikut musim</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>Subuh %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghreb</source>
        <translation>Isyak %1 min selepas Maghrib</translation>
    </message>
    <message>
        <source>%1 in Ramadan</source>
        <translation>%1 dalam Ramadan</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>Isyak %1°</translation>
    </message>
    <message>
        <source>Isha by the season</source>
        <translation>Isyak mengikut musim</translation>
    </message>
    <message>
        <source>Maghreb %1° below the horizon</source>
        <translation>Maghrib %1° di bawah ufuk</translation>
    </message>
    <message>
        <source>minutes rounded up</source>
        <translation>minit dibundarkan ke atas</translation>
    </message>
    <message>
        <source>Method&apos;s minutes: %1</source>
        <translation>Minit kaedah: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>tiada</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Liga Muslim Sedunia</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>Persatuan Islam Amerika Utara</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Pihak Berkuasa Am Ukur Mesir</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>Universiti Sains Islam, Karachi</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>Ummul Qura, Makkah</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>Rantau Teluk</translation>
    </message>
    <message>
        <source>United Arab Emirates, Awqaf (Dubai)</source>
        <translation>Emiriah Arab Bersatu, Awqaf (Dubai)</translation>
    </message>
    <message>
        <source>Kuwait, Ministry of Awqaf</source>
        <translation>Kuwait, Kementerian Wakaf</translation>
    </message>
    <message>
        <source>Qatar, Ministry of Awqaf</source>
        <translation>Qatar, Kementerian Wakaf</translation>
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
        <translation>Kementerian Agama, Indonesia</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet, Turki</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut Geofizik, Universiti Tehran</translation>
    </message>
    <message>
        <source>Shia Ithna-Ashari, Leva Institute, Qum</source>
        <translation>Syiah Isna Asyariah, Institut Leva, Qom</translation>
    </message>
    <message>
        <source>Musulmans de France (UOIF)</source>
        <translation>Musulmans de France (UOIF)</translation>
    </message>
    <message>
        <source>Spiritual Administration of the Muslims of Russia</source>
        <translation>Lembaga Kerohanian Muslim Rusia</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Tunisia, Ministry of Religious Affairs</source>
        <translation>Tunisia, Kementerian Hal Ehwal Agama</translation>
    </message>
    <message>
        <source>Algeria, Ministry of Religious Affairs</source>
        <translation>Algeria, Kementerian Hal Ehwal Agama</translation>
    </message>
    <message>
        <source>Morocco, Ministry of Habous and Islamic Affairs</source>
        <translation>Maghribi, Kementerian Habous dan Hal Ehwal Islam</translation>
    </message>
    <message>
        <source>Jordan, Ministry of Awqaf</source>
        <translation>Jordan, Kementerian Wakaf</translation>
    </message>
    <message>
        <source>one seventh of the night from 55° of latitude</source>
        <translation>satu pertujuh malam mulai latitud 55°</translation>
    </message>
</context>
<context>
    <name>Template4</name>
    <message>
        <source>About</source>
        <translation>Perihal</translation>
    </message>
    <message>
        <source>NURO V2.0</source>
        <translation>NURO Versi 2.0</translation>
    </message>
    <message>
        <source>Places: GeoNames.org</source>
        <translation>Tempat: GeoNames.org</translation>
    </message>
    <message>
        <source>CC BY 4.0, modified</source>
        <translation>CC BY 4.0, diubah suai</translation>
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
        <translation>Waktu Musim Panas</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dari</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hingga</translation>
    </message>
    <message>
        <source>Enable Summer Time</source>
        <translation>Guna waktu musim panas</translation>
    </message>
    <message>
        <source>Automatic (from the place&apos;s time zone)</source>
        <translation>Automatik (dari zon waktu tempat)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Semula</translation>
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
        <translation>Bunyi</translation>
    </message>
    <message>
        <source>Empty: the built-in chime (um.wav)</source>
        <translation>Kosong: nada terbina dalam (um.wav)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Zohor</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isyak</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Reminder (minutes before, 0 = none)</source>
        <translation>Peringatan (minit sebelum, 0 = tiada)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Bunyi</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)</source>
        <translation>Bunyi (*.wav *.ogg *.mp3 *.flac *.opus);;Semua fail (*)</translation>
    </message>
    <message>
        <source>Beside the tray icon</source>
        <translation>Di sebelah ikon dulang</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Tiada</translation>
    </message>
    <message>
        <source>Next prayer and its time</source>
        <translation>Solat seterusnya dan waktunya</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Baki masa</translation>
    </message>
    <message>
        <source>Desktop notification at each alert</source>
        <translation>Pemberitahuan desktop pada setiap amaran</translation>
    </message>
    <message>
        <source>These sound files were not kept:</source>
        <translation>Fail bunyi ini tidak disimpan:</translation>
    </message>
    <message>
        <source>%1 sound, %2: %3</source>
        <translation>Bunyi %1, %2: %3</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>tiada fail sedemikian</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>bukan fail</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>tidak dapat dibaca</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>tidak dapat dinyahkod</translation>
    </message>
    <message>
        <source>it cannot be decoded (%1)</source>
        <translation>tidak dapat dinyahkod (%1)</translation>
    </message>
</context>
</TS>
