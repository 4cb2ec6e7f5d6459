<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>Accessible</name>
    <message>
        <source>Hide</source>
        <translation>Sembunyikan</translation>
    </message>
    <message>
        <source>Hides the window in the notification area</source>
        <translation>Menyembunyikan jendela ke area notifikasi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Shows the About box</source>
        <translation>Menampilkan kotak Tentang</translation>
    </message>
    <message>
        <source>Fajer time</source>
        <translatorcomment>Ejaan KBBI dan jadwal Kemenag; Dzuhur, Ashar, Maghrib juga lazim, tetapi bentuk baku yang paling luas dipakai.</translatorcomment>
        <translation>Waktu Subuh</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Fajer prayer</source>
        <translation>Waktu salat Subuh hari ini</translation>
    </message>
    <message>
        <source>Shuroq time</source>
        <translation>Waktu Terbit</translation>
    </message>
    <message>
        <source>Today&apos;s sunrise</source>
        <translation>Matahari terbit hari ini</translation>
    </message>
    <message>
        <source>Dhohur time</source>
        <translation>Waktu Zuhur</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Dhohur prayer</source>
        <translation>Waktu salat Zuhur hari ini</translation>
    </message>
    <message>
        <source>Aser time</source>
        <translation>Waktu Asar</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Aser prayer</source>
        <translation>Waktu salat Asar hari ini</translation>
    </message>
    <message>
        <source>Maghereb time</source>
        <translation>Waktu Magrib</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Maghereb prayer</source>
        <translation>Waktu salat Magrib hari ini</translation>
    </message>
    <message>
        <source>Isha time</source>
        <translation>Waktu Isya</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Isha prayer</source>
        <translation>Waktu salat Isya hari ini</translation>
    </message>
    <message>
        <source>Notice offset in minutes</source>
        <translation>Selisih pemberitahuan dalam menit</translation>
    </message>
    <message>
        <source>Minutes between a prayer time and its notice</source>
        <translation>Menit antara waktu salat dan pemberitahuannya</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Sebelum</translation>
    </message>
    <message>
        <source>The notice comes before the prayer time</source>
        <translation>Pemberitahuan muncul sebelum waktu salat</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Sesudah</translation>
    </message>
    <message>
        <source>The notice comes after the prayer time</source>
        <translation>Pemberitahuan muncul sesudah waktu salat</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suara</translation>
    </message>
    <message>
        <source>Plays the chime at each prayer time</source>
        <translation>Membunyikan nada pada setiap waktu salat</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Suara aktif</translation>
    </message>
    <message>
        <source>The chime plays at each prayer time</source>
        <translation>Nada berbunyi pada setiap waktu salat</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Suara mati</translation>
    </message>
    <message>
        <source>No chime plays</source>
        <translation>Tidak ada nada yang berbunyi</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Latar belakang</translation>
    </message>
    <message>
        <source>The window&apos;s ornament</source>
        <translation>Hiasan jendela</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Jam weker</translation>
    </message>
    <message>
        <source>Marks the notice offset</source>
        <translation>Menandai selisih pemberitahuan</translation>
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
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Label of the Dhohur time</source>
        <translation>Label waktu Zuhur</translation>
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
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Label of the Maghereb time</source>
        <translation>Label waktu Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>Label of the Isha time</source>
        <translation>Label waktu Isya</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Points to the Shuroq time</source>
        <translation>Menunjuk ke waktu Terbit</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Menit</translation>
    </message>
    <message>
        <source>Unit of the notice offset</source>
        <translation>Satuan selisih pemberitahuan</translation>
    </message>
    <message>
        <source>Label of the Before choice</source>
        <translation>Label pilihan Sebelum</translation>
    </message>
    <message>
        <source>Label of the After choice</source>
        <translation>Label pilihan Sesudah</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Tanggal Hijriah</translation>
    </message>
    <message>
        <source>Today&apos;s date in the Hijri calendar</source>
        <translation>Tanggal hari ini menurut kalender Hijriah</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Derajat bujur</translation>
    </message>
    <message>
        <source>Whole degrees</source>
        <translation>Derajat bulat</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Menit bujur</translation>
    </message>
    <message>
        <source>Arc minutes</source>
        <translation>Menit busur</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Detik bujur</translation>
    </message>
    <message>
        <source>Arc seconds</source>
        <translation>Detik busur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Timur</translation>
    </message>
    <message>
        <source>East of Greenwich</source>
        <translation>Sebelah timur Greenwich</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Barat</translation>
    </message>
    <message>
        <source>West of Greenwich</source>
        <translation>Sebelah barat Greenwich</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Derajat lintang</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Menit lintang</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Detik lintang</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Utara</translation>
    </message>
    <message>
        <source>North of the equator</source>
        <translation>Sebelah utara khatulistiwa</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Selatan</translation>
    </message>
    <message>
        <source>South of the equator</source>
        <translation>Sebelah selatan khatulistiwa</translation>
    </message>
    <message>
        <source>Pressure in millibars</source>
        <translation>Tekanan dalam milibar</translation>
    </message>
    <message>
        <source>Air pressure for the refraction</source>
        <translation>Tekanan udara untuk refraksi</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>Suhu dalam derajat Celsius</translation>
    </message>
    <message>
        <source>Air temperature for the refraction</source>
        <translation>Suhu udara untuk refraksi</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona waktu</translation>
    </message>
    <message>
        <source>Hours from universal time</source>
        <translation>Selisih jam dari waktu universal</translation>
    </message>
    <message>
        <source>Elevation in metres</source>
        <translation>Ketinggian dalam meter</translation>
    </message>
    <message>
        <source>Height of the place above the sea</source>
        <translation>Ketinggian tempat di atas permukaan laut</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>Keeps the values and computes the times anew</source>
        <translation>Menyimpan nilai dan menghitung ulang waktu</translation>
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
        <translation>Menit Subuh</translation>
    </message>
    <message>
        <source>Minutes moved from the computed time</source>
        <translation>Menit yang digeser dari waktu hasil hitungan</translation>
    </message>
    <message>
        <source>Fajer earlier</source>
        <translation>Subuh lebih awal</translation>
    </message>
    <message>
        <source>Subtracts the minutes</source>
        <translation>Mengurangi menit</translation>
    </message>
    <message>
        <source>Fajer later</source>
        <translation>Subuh lebih lambat</translation>
    </message>
    <message>
        <source>Adds the minutes</source>
        <translation>Menambah menit</translation>
    </message>
    <message>
        <source>Shuroq minutes</source>
        <translation>Menit Terbit</translation>
    </message>
    <message>
        <source>Shuroq earlier</source>
        <translation>Terbit lebih awal</translation>
    </message>
    <message>
        <source>Shuroq later</source>
        <translation>Terbit lebih lambat</translation>
    </message>
    <message>
        <source>Dhohur minutes</source>
        <translation>Menit Zuhur</translation>
    </message>
    <message>
        <source>Dhohur earlier</source>
        <translation>Zuhur lebih awal</translation>
    </message>
    <message>
        <source>Dhohur later</source>
        <translation>Zuhur lebih lambat</translation>
    </message>
    <message>
        <source>Aser minutes</source>
        <translation>Menit Asar</translation>
    </message>
    <message>
        <source>Aser earlier</source>
        <translation>Asar lebih awal</translation>
    </message>
    <message>
        <source>Aser later</source>
        <translation>Asar lebih lambat</translation>
    </message>
    <message>
        <source>Maghereb minutes</source>
        <translation>Menit Magrib</translation>
    </message>
    <message>
        <source>Maghereb earlier</source>
        <translation>Magrib lebih awal</translation>
    </message>
    <message>
        <source>Maghereb later</source>
        <translation>Magrib lebih lambat</translation>
    </message>
    <message>
        <source>Isha minutes</source>
        <translation>Menit Isya</translation>
    </message>
    <message>
        <source>Isha earlier</source>
        <translation>Isya lebih awal</translation>
    </message>
    <message>
        <source>Isha later</source>
        <translation>Isya lebih lambat</translation>
    </message>
    <message>
        <source>Fajer angle</source>
        <translation>Sudut Subuh</translation>
    </message>
    <message>
        <source>Depression of the sun in tenths of a degree</source>
        <translation>Kedalaman matahari di bawah ufuk dalam persepuluhan derajat</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>Sudut Isya</translation>
    </message>
    <message>
        <source>High latitudes rule</source>
        <translation>Aturan lintang tinggi</translation>
    </message>
    <message>
        <source>How Fajer and Isha are found where the twilight lasts all night</source>
        <translation>Cara menentukan Subuh dan Isya di tempat yang senjanya berlangsung sepanjang malam</translation>
    </message>
    <message>
        <source>Hijri date adjustment in days</source>
        <translation>Penyesuaian tanggal Hijriah dalam hari</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, or taken away when negative</source>
        <translation>Hari yang ditambahkan pada tanggal Hijriah hasil hitungan, atau dikurangkan bila negatif</translation>
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
        <translation>Bulan mulainya waktu musim panas</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>Dari tanggal</translation>
    </message>
    <message>
        <source>Day summer time begins</source>
        <translation>Tanggal mulainya waktu musim panas</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>Sampai bulan</translation>
    </message>
    <message>
        <source>Month summer time ends</source>
        <translation>Bulan berakhirnya waktu musim panas</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Sampai tanggal</translation>
    </message>
    <message>
        <source>Day summer time ends</source>
        <translation>Tanggal berakhirnya waktu musim panas</translation>
    </message>
    <message>
        <source>Fajer sound file</source>
        <translation>Berkas suara Subuh</translation>
    </message>
    <message>
        <source>File played at the prayer time; empty for the built-in chime</source>
        <translation>Berkas yang diputar pada waktu salat; kosong untuk nada bawaan</translation>
    </message>
    <message>
        <source>Dhohur sound file</source>
        <translation>Berkas suara Zuhur</translation>
    </message>
    <message>
        <source>Aser sound file</source>
        <translation>Berkas suara Asar</translation>
    </message>
    <message>
        <source>Maghereb sound file</source>
        <translation>Berkas suara Magrib</translation>
    </message>
    <message>
        <source>Isha sound file</source>
        <translation>Berkas suara Isya</translation>
    </message>
    <message>
        <source>Choose the Fajer sound</source>
        <translation>Pilih suara Subuh</translation>
    </message>
    <message>
        <source>Opens a file chooser</source>
        <translation>Membuka pemilih berkas</translation>
    </message>
    <message>
        <source>Choose the Dhohur sound</source>
        <translation>Pilih suara Zuhur</translation>
    </message>
    <message>
        <source>Choose the Aser sound</source>
        <translation>Pilih suara Asar</translation>
    </message>
    <message>
        <source>Choose the Maghereb sound</source>
        <translation>Pilih suara Magrib</translation>
    </message>
    <message>
        <source>Choose the Isha sound</source>
        <translation>Pilih suara Isya</translation>
    </message>
    <message>
        <source>Play the Fajer sound</source>
        <translation>Putar suara Subuh</translation>
    </message>
    <message>
        <source>Plays the file now</source>
        <translation>Memutar berkas sekarang</translation>
    </message>
    <message>
        <source>Play the Dhohur sound</source>
        <translation>Putar suara Zuhur</translation>
    </message>
    <message>
        <source>Play the Aser sound</source>
        <translation>Putar suara Asar</translation>
    </message>
    <message>
        <source>Play the Maghereb sound</source>
        <translation>Putar suara Magrib</translation>
    </message>
    <message>
        <source>Play the Isha sound</source>
        <translation>Putar suara Isya</translation>
    </message>
    <message>
        <source>Reminder minutes</source>
        <translation>Menit pengingat</translation>
    </message>
    <message>
        <source>Minutes before each prayer for a reminder; 0 for none</source>
        <translation>Menit sebelum setiap salat untuk pengingat; 0 berarti tanpa pengingat</translation>
    </message>
    <message>
        <source>Keeps the sounds and closes the dialog</source>
        <translation>Menyimpan suara dan menutup dialog</translation>
    </message>
    <message>
        <source>It is time for Fajer</source>
        <translation>Sudah masuk waktu Subuh</translation>
    </message>
    <message>
        <source>It is time for Dhohur</source>
        <translation>Sudah masuk waktu Zuhur</translation>
    </message>
    <message>
        <source>It is time for Aser</source>
        <translation>Sudah masuk waktu Asar</translation>
    </message>
    <message>
        <source>It is time for Maghereb</source>
        <translation>Sudah masuk waktu Magrib</translation>
    </message>
    <message>
        <source>It is time for Isha</source>
        <translation>Sudah masuk waktu Isya</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Closes the notice</source>
        <translation>Menutup pemberitahuan</translation>
    </message>
    <message>
        <source>Tray label</source>
        <translation>Label baki</translation>
    </message>
    <message>
        <source>What the panel shows beside the tray icon, where it shows labels</source>
        <translation>Yang ditampilkan panel di samping ikon baki, jika panel menampilkan label</translation>
    </message>
    <message>
        <source>Alert notification</source>
        <translation>Notifikasi peringatan</translation>
    </message>
    <message>
        <source>Each alert also raises a desktop notification that stays until dismissed</source>
        <translation>Setiap peringatan juga memunculkan notifikasi desktop yang tetap ada sampai ditutup</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Cari tempat</translation>
    </message>
    <message>
        <source>Type a place&apos;s name; arrows choose a match, Enter takes it</source>
        <translation>Ketik nama tempat; tombol panah memilih hasil, Enter memakainya</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>Tempat yang cocok</translation>
    </message>
    <message>
        <source>The best matches, largest first; Enter takes the place</source>
        <translation>Hasil terbaik, yang terbesar lebih dulu; Enter memilih tempat itu</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Temukan lokasi saya</translation>
    </message>
    <message>
        <source>Asks the desktop for your position once and offers the nearest places</source>
        <translation>Menanyakan posisi Anda kepada desktop sekali dan menawarkan tempat terdekat</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Kiblat</translation>
    </message>
    <message>
        <source>Direction of the Kaaba from the place</source>
        <translation>Arah Ka&apos;bah dari tempat ini</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Metode perhitungan</translation>
    </message>
    <message>
        <source>The method whose angles, interval and minutes give the times</source>
        <translation>Metode yang sudut, jeda, dan menitnya menentukan waktu</translation>
    </message>
    <message>
        <source>Isha minutes after Maghereb</source>
        <translation>Menit Isya setelah Magrib</translation>
    </message>
    <message>
        <source>Isha comes this many minutes after Maghereb</source>
        <translation>Isya tiba sekian menit setelah Magrib</translation>
    </message>
</context>
<context>
    <name>Glance</name>
    <message>
        <source>Fajer</source>
        <translatorcomment>Ejaan KBBI dan jadwal Kemenag; Dzuhur, Ashar, Maghrib juga lazim, tetapi bentuk baku yang paling luas dipakai.</translatorcomment>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>%1 %2 · in %3</source>
        <translation>%1 %2 · %3 lagi</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;j&#xa0;%2&#xa0;mnt</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;j</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;mnt</translation>
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
        <translation>&amp;Baki</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Tampilkan</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Sembunyikan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Hentikan suara</translation>
    </message>
</context>
<context>
    <name>Menu13</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opsi</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Pengaturan</translation>
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
        <translation>S&amp;uara</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Lang</source>
        <translation>&amp;Bahasa</translation>
    </message>
    <message>
        <source>&amp;Arabic</source>
        <translation>Bahasa &amp;Arab</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>Bahasa &amp;Inggris</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>GALAT</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>TANGGAL</translation>
    </message>
    <message>
        <source>The settings file cannot be used. NURO runs without it and leaves it as it is:</source>
        <translation>Berkas pengaturan tidak dapat digunakan. NURO berjalan tanpanya dan membiarkannya apa adanya:</translation>
    </message>
    <message>
        <source>Later starts of NURO cannot reach this one: they will not show its window.</source>
        <translation>NURO yang dijalankan kemudian tidak dapat menjangkau yang ini: jendelanya tidak akan ditampilkan.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translatorcomment>Katalog bahasa Indonesia: nama salat menurut ejaan KBBI dan jadwal Kemenag (Subuh, Terbit, Zuhur, Asar, Magrib, Isya); Dzuhur, Ashar, Maghrib juga lazim, tetapi bentuk baku paling luas dipakai. Asar standar disebut Syafi&apos;i, mazhab mayoritas di Indonesia. Nama metode sebagaimana ditulis lembaganya (Kementerian Agama, JAKIM, Majlis Ugama Islam Singapura). Angka bacaan memakai koma desimal dan titik ribuan.</translatorcomment>
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
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Bujur</translation>
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
        <translation>Lintang</translation>
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
        <translation>Refraksi</translation>
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
        <translation>Zona Waktu</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Ketinggian</translation>
    </message>
    <message>
        <source>Aser Prayer</source>
        <translation>Salat Asar</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Syafi&apos;i</translation>
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
        <translation>Tempat tak ditemukan: pustaka tak ada</translation>
    </message>
    <message>
        <source>Place not found: unreadable database</source>
        <translation>Tempat tak ditemukan: data tak terbaca</translation>
    </message>
    <message>
        <source>Place not found: not in the database</source>
        <translation>Tempat tak ditemukan di basis data</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Cari tempat</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Temukan lokasi saya</translation>
    </message>
    <message>
        <source>The desktop refused to give the position</source>
        <translation>Desktop menolak memberikan lokasi</translation>
    </message>
    <message>
        <source>The desktop gave no position</source>
        <translation>Desktop tidak memberikan lokasi</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km</source>
        <translation>Kiblat: %1° dari utara sejati, %2 km</translation>
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
        <translation>Tambahan (mnt)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Sudut</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Presisi</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Lintang tinggi</translation>
    </message>
    <message>
        <source>middle of the night</source>
        <translation>tengah malam</translation>
    </message>
    <message>
        <source>one seventh of the night</source>
        <translation>sepertujuh malam</translation>
    </message>
    <message>
        <source>twilight angle</source>
        <translation>sudut senja</translation>
    </message>
    <message>
        <source>Hijri date (days)</source>
        <translation>Tgl. Hijriah (hari)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Bawaan</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metode</translation>
    </message>
    <message>
        <source>Isha: minutes after Maghereb</source>
        <translation>Isya: menit setelah Magrib</translation>
    </message>
    <message>
        <source>From the place&apos;s country</source>
        <translation>Menurut negara tempat</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Kustom</translation>
    </message>
    <message>
        <source>Custom: your own angles, Isha interval and minutes</source>
        <translation>Kustom: sudut, jeda Isya, dan menit Anda sendiri</translation>
    </message>
    <message>
        <source>Fajr by the season</source>
        <translation>Subuh menurut musim</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>Subuh %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghreb</source>
        <translation>Isya %1 mnt setelah Magrib</translation>
    </message>
    <message>
        <source>%1 in Ramadan</source>
        <translation>%1 saat Ramadan</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>Isya %1°</translation>
    </message>
    <message>
        <source>Isha by the season</source>
        <translation>Isya menurut musim</translation>
    </message>
    <message>
        <source>Maghreb %1° below the horizon</source>
        <translation>Magrib %1° di bawah ufuk</translation>
    </message>
    <message>
        <source>minutes rounded up</source>
        <translation>menit dibulatkan ke atas</translation>
    </message>
    <message>
        <source>Method&apos;s minutes: %1</source>
        <translation>Menit metode: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>tidak ada</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Liga Muslim Dunia</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>Masyarakat Islam Amerika Utara</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Otoritas Umum Survei Mesir</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>Universitas Ilmu-Ilmu Islam, Karachi</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>Ummul Qura, Makkah</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>Kawasan Teluk</translation>
    </message>
    <message>
        <source>United Arab Emirates, Awqaf (Dubai)</source>
        <translation>Uni Emirat Arab, Awqaf (Dubai)</translation>
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
        <translation>Institut Geofisika, Universitas Teheran</translation>
    </message>
    <message>
        <source>Shia Ithna-Ashari, Leva Institute, Qum</source>
        <translation>Syiah Itsna Asyariyah, Institut Leva, Qom</translation>
    </message>
    <message>
        <source>Musulmans de France (UOIF)</source>
        <translation>Musulmans de France (UOIF)</translation>
    </message>
    <message>
        <source>Spiritual Administration of the Muslims of Russia</source>
        <translation>Dewan Spiritual Muslim Rusia</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Tunisia, Ministry of Religious Affairs</source>
        <translation>Tunisia, Kementerian Urusan Agama</translation>
    </message>
    <message>
        <source>Algeria, Ministry of Religious Affairs</source>
        <translation>Aljazair, Kementerian Urusan Agama</translation>
    </message>
    <message>
        <source>Morocco, Ministry of Habous and Islamic Affairs</source>
        <translation>Maroko, Kementerian Wakaf dan Urusan Islam</translation>
    </message>
    <message>
        <source>Jordan, Ministry of Awqaf</source>
        <translation>Yordania, Kementerian Wakaf</translation>
    </message>
    <message>
        <source>one seventh of the night from 55° of latitude</source>
        <translation>sepertujuh malam mulai lintang 55°</translation>
    </message>
</context>
<context>
    <name>Template4</name>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
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
        <translation>CC BY 4.0, diubah</translation>
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
        <translation>Tgl.</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Sampai</translation>
    </message>
    <message>
        <source>Enable Summer Time</source>
        <translation>Pakai waktu musim panas</translation>
    </message>
    <message>
        <source>Automatic (from the place&apos;s time zone)</source>
        <translation>Otomatis (dari zona waktu tempat)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Bawaan</translation>
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
        <translation>Suara</translation>
    </message>
    <message>
        <source>Empty: the built-in chime (um.wav)</source>
        <translation>Kosong: nada bawaan (um.wav)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Reminder (minutes before, 0 = none)</source>
        <translation>Pengingat (menit sebelum, 0 = tidak)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suara</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)</source>
        <translation>Suara (*.wav *.ogg *.mp3 *.flac *.opus);;Semua berkas (*)</translation>
    </message>
    <message>
        <source>Beside the tray icon</source>
        <translation>Di samping ikon baki</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Next prayer and its time</source>
        <translation>Salat berikutnya dan waktunya</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Sisa waktu</translation>
    </message>
    <message>
        <source>Desktop notification at each alert</source>
        <translation>Notifikasi desktop pada setiap peringatan</translation>
    </message>
    <message>
        <source>These sound files were not kept:</source>
        <translation>Berkas suara ini tidak disimpan:</translation>
    </message>
    <message>
        <source>%1 sound, %2: %3</source>
        <translation>Suara %1, %2: %3</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>berkas tidak ada</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>bukan berkas</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>tidak dapat dibaca</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>tidak dapat didekode</translation>
    </message>
    <message>
        <source>it cannot be decoded (%1)</source>
        <translation>tidak dapat didekode (%1)</translation>
    </message>
</context>
</TS>
