<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Accessible</name>
    <message>
        <source>Hide</source>
        <translation>Gizle</translation>
    </message>
    <message>
        <source>Hides the window in the notification area</source>
        <translation>Pencereyi bildirim alanına gizler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Shows the About box</source>
        <translation>Hakkında penceresini gösterir</translation>
    </message>
    <message>
        <source>Fajer time</source>
        <translatorcomment>Diyanet takviminin adı; Fecr/Sabah da denir, en yaygını İmsak.</translatorcomment>
        <translation>İmsak vakti</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Fajer prayer</source>
        <translation>Bugünkü imsak vakti</translation>
    </message>
    <message>
        <source>Shuroq time</source>
        <translation>Güneş vakti</translation>
    </message>
    <message>
        <source>Today&apos;s sunrise</source>
        <translation>Bugünkü güneş doğuşu vakti</translation>
    </message>
    <message>
        <source>Dhohur time</source>
        <translation>Öğle vakti</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Dhohur prayer</source>
        <translation>Bugünkü öğle namazı vakti</translation>
    </message>
    <message>
        <source>Aser time</source>
        <translation>İkindi vakti</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Aser prayer</source>
        <translation>Bugünkü ikindi namazı vakti</translation>
    </message>
    <message>
        <source>Maghereb time</source>
        <translation>Akşam vakti</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Maghereb prayer</source>
        <translation>Bugünkü akşam namazı vakti</translation>
    </message>
    <message>
        <source>Isha time</source>
        <translation>Yatsı vakti</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Isha prayer</source>
        <translation>Bugünkü yatsı namazı vakti</translation>
    </message>
    <message>
        <source>Notice offset in minutes</source>
        <translation>Uyarı farkı (dakika)</translation>
    </message>
    <message>
        <source>Minutes between a prayer time and its notice</source>
        <translation>Namaz vakti ile uyarısı arasındaki dakika</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Önce</translation>
    </message>
    <message>
        <source>The notice comes before the prayer time</source>
        <translation>Uyarı namaz vaktinden önce gelir</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Sonra</translation>
    </message>
    <message>
        <source>The notice comes after the prayer time</source>
        <translation>Uyarı namaz vaktinden sonra gelir</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Plays the chime at each prayer time</source>
        <translation>Her namaz vaktinde uyarı sesini çalar</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ses açık</translation>
    </message>
    <message>
        <source>The chime plays at each prayer time</source>
        <translation>Uyarı sesi her namaz vaktinde çalar</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ses kapalı</translation>
    </message>
    <message>
        <source>No chime plays</source>
        <translation>Uyarı sesi çalmaz</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arka plan</translation>
    </message>
    <message>
        <source>The window&apos;s ornament</source>
        <translation>Pencerenin bezemesi</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Çalar saat</translation>
    </message>
    <message>
        <source>Marks the notice offset</source>
        <translation>Uyarı farkını gösterir</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Label of the Fajer time</source>
        <translation>İmsak vaktinin etiketi</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Label of the Dhohur time</source>
        <translation>Öğle vaktinin etiketi</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Label of the Aser time</source>
        <translation>İkindi vaktinin etiketi</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Label of the Maghereb time</source>
        <translation>Akşam vaktinin etiketi</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>Label of the Isha time</source>
        <translation>Yatsı vaktinin etiketi</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Points to the Shuroq time</source>
        <translation>Güneş vaktini gösterir</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>Unit of the notice offset</source>
        <translation>Uyarı farkının birimi</translation>
    </message>
    <message>
        <source>Label of the Before choice</source>
        <translation>Önce seçeneğinin etiketi</translation>
    </message>
    <message>
        <source>Label of the After choice</source>
        <translation>Sonra seçeneğinin etiketi</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Hicri tarih</translation>
    </message>
    <message>
        <source>Today&apos;s date in the Hijri calendar</source>
        <translation>Hicri takvime göre bugünün tarihi</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Boylam derecesi</translation>
    </message>
    <message>
        <source>Whole degrees</source>
        <translation>Tam dereceler</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Boylam dakikası</translation>
    </message>
    <message>
        <source>Arc minutes</source>
        <translation>Yay dakikası</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Boylam saniyesi</translation>
    </message>
    <message>
        <source>Arc seconds</source>
        <translation>Yay saniyesi</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Doğu</translation>
    </message>
    <message>
        <source>East of Greenwich</source>
        <translation>Greenwich&apos;in doğusu</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Batı</translation>
    </message>
    <message>
        <source>West of Greenwich</source>
        <translation>Greenwich&apos;in batısı</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Enlem derecesi</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Enlem dakikası</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Enlem saniyesi</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Kuzey</translation>
    </message>
    <message>
        <source>North of the equator</source>
        <translation>Ekvatorun kuzeyi</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Güney</translation>
    </message>
    <message>
        <source>South of the equator</source>
        <translation>Ekvatorun güneyi</translation>
    </message>
    <message>
        <source>Pressure in millibars</source>
        <translation>Milibar cinsinden basınç</translation>
    </message>
    <message>
        <source>Air pressure for the refraction</source>
        <translation>Kırılma hesabı için hava basıncı</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>Santigrat derece cinsinden sıcaklık</translation>
    </message>
    <message>
        <source>Air temperature for the refraction</source>
        <translation>Kırılma hesabı için hava sıcaklığı</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Saat dilimi</translation>
    </message>
    <message>
        <source>Hours from universal time</source>
        <translation>Evrensel saate göre saat farkı</translation>
    </message>
    <message>
        <source>Elevation in metres</source>
        <translation>Metre cinsinden yükseklik</translation>
    </message>
    <message>
        <source>Height of the place above the sea</source>
        <translation>Yerin deniz seviyesinden yüksekliği</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Keeps the values and computes the times anew</source>
        <translation>Değerleri kaydeder ve vakitleri yeniden hesaplar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Closes the dialog</source>
        <translation>Pencereyi kapatır</translation>
    </message>
    <message>
        <source>Fajer minutes</source>
        <translation>İmsak dakikaları</translation>
    </message>
    <message>
        <source>Minutes moved from the computed time</source>
        <translation>Hesaplanan vakitten ileri ya da geri alınan dakikalar</translation>
    </message>
    <message>
        <source>Fajer earlier</source>
        <translation>İmsak daha erken</translation>
    </message>
    <message>
        <source>Subtracts the minutes</source>
        <translation>Dakikaları çıkarır</translation>
    </message>
    <message>
        <source>Fajer later</source>
        <translation>İmsak daha geç</translation>
    </message>
    <message>
        <source>Adds the minutes</source>
        <translation>Dakikaları ekler</translation>
    </message>
    <message>
        <source>Shuroq minutes</source>
        <translation>Güneş dakikaları</translation>
    </message>
    <message>
        <source>Shuroq earlier</source>
        <translation>Güneş daha erken</translation>
    </message>
    <message>
        <source>Shuroq later</source>
        <translation>Güneş daha geç</translation>
    </message>
    <message>
        <source>Dhohur minutes</source>
        <translation>Öğle dakikaları</translation>
    </message>
    <message>
        <source>Dhohur earlier</source>
        <translation>Öğle daha erken</translation>
    </message>
    <message>
        <source>Dhohur later</source>
        <translation>Öğle daha geç</translation>
    </message>
    <message>
        <source>Aser minutes</source>
        <translation>İkindi dakikaları</translation>
    </message>
    <message>
        <source>Aser earlier</source>
        <translation>İkindi daha erken</translation>
    </message>
    <message>
        <source>Aser later</source>
        <translation>İkindi daha geç</translation>
    </message>
    <message>
        <source>Maghereb minutes</source>
        <translation>Akşam dakikaları</translation>
    </message>
    <message>
        <source>Maghereb earlier</source>
        <translation>Akşam daha erken</translation>
    </message>
    <message>
        <source>Maghereb later</source>
        <translation>Akşam daha geç</translation>
    </message>
    <message>
        <source>Isha minutes</source>
        <translation>Yatsı dakikaları</translation>
    </message>
    <message>
        <source>Isha earlier</source>
        <translation>Yatsı daha erken</translation>
    </message>
    <message>
        <source>Isha later</source>
        <translation>Yatsı daha geç</translation>
    </message>
    <message>
        <source>Fajer angle</source>
        <translation>İmsak açısı</translation>
    </message>
    <message>
        <source>Depression of the sun in tenths of a degree</source>
        <translation>Güneşin ufkun altındaki açısı, derecenin onda biri cinsinden</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>Yatsı açısı</translation>
    </message>
    <message>
        <source>High latitudes rule</source>
        <translation>Yüksek enlem kuralı</translation>
    </message>
    <message>
        <source>How Fajer and Isha are found where the twilight lasts all night</source>
        <translation>Tan ışığının bütün gece sürdüğü yerlerde imsak ve yatsının nasıl bulunduğu</translation>
    </message>
    <message>
        <source>Hijri date adjustment in days</source>
        <translation>Hicri tarih düzeltmesi (gün)</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, or taken away when negative</source>
        <translation>Hesaplanan Hicri tarihe eklenen gün sayısı; eksi ise çıkarılır</translation>
    </message>
    <message>
        <source>NURO</source>
        <translation>NURO</translation>
    </message>
    <message>
        <source>The program&apos;s ornament</source>
        <translation>Programın bezemesi</translation>
    </message>
    <message>
        <source>From month</source>
        <translation>Başlangıç ayı</translation>
    </message>
    <message>
        <source>Month summer time begins</source>
        <translation>Yaz saatinin başladığı ay</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>Başlangıç günü</translation>
    </message>
    <message>
        <source>Day summer time begins</source>
        <translation>Yaz saatinin başladığı gün</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>Bitiş ayı</translation>
    </message>
    <message>
        <source>Month summer time ends</source>
        <translation>Yaz saatinin bittiği ay</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Bitiş günü</translation>
    </message>
    <message>
        <source>Day summer time ends</source>
        <translation>Yaz saatinin bittiği gün</translation>
    </message>
    <message>
        <source>Fajer sound file</source>
        <translation>İmsak ses dosyası</translation>
    </message>
    <message>
        <source>File played at the prayer time; empty for the built-in chime</source>
        <translation>Namaz vaktinde çalınan dosya; boşsa yerleşik uyarı sesi</translation>
    </message>
    <message>
        <source>Dhohur sound file</source>
        <translation>Öğle ses dosyası</translation>
    </message>
    <message>
        <source>Aser sound file</source>
        <translation>İkindi ses dosyası</translation>
    </message>
    <message>
        <source>Maghereb sound file</source>
        <translation>Akşam ses dosyası</translation>
    </message>
    <message>
        <source>Isha sound file</source>
        <translation>Yatsı ses dosyası</translation>
    </message>
    <message>
        <source>Choose the Fajer sound</source>
        <translation>İmsak sesini seç</translation>
    </message>
    <message>
        <source>Opens a file chooser</source>
        <translation>Dosya seçme penceresini açar</translation>
    </message>
    <message>
        <source>Choose the Dhohur sound</source>
        <translation>Öğle sesini seç</translation>
    </message>
    <message>
        <source>Choose the Aser sound</source>
        <translation>İkindi sesini seç</translation>
    </message>
    <message>
        <source>Choose the Maghereb sound</source>
        <translation>Akşam sesini seç</translation>
    </message>
    <message>
        <source>Choose the Isha sound</source>
        <translation>Yatsı sesini seç</translation>
    </message>
    <message>
        <source>Play the Fajer sound</source>
        <translation>İmsak sesini çal</translation>
    </message>
    <message>
        <source>Plays the file now</source>
        <translation>Dosyayı şimdi çalar</translation>
    </message>
    <message>
        <source>Play the Dhohur sound</source>
        <translation>Öğle sesini çal</translation>
    </message>
    <message>
        <source>Play the Aser sound</source>
        <translation>İkindi sesini çal</translation>
    </message>
    <message>
        <source>Play the Maghereb sound</source>
        <translation>Akşam sesini çal</translation>
    </message>
    <message>
        <source>Play the Isha sound</source>
        <translation>Yatsı sesini çal</translation>
    </message>
    <message>
        <source>Reminder minutes</source>
        <translation>Hatırlatma dakikası</translation>
    </message>
    <message>
        <source>Minutes before each prayer for a reminder; 0 for none</source>
        <translation>Her namazdan kaç dakika önce hatırlatılacağı; 0 ise hatırlatma yok</translation>
    </message>
    <message>
        <source>Keeps the sounds and closes the dialog</source>
        <translation>Sesleri kaydeder ve pencereyi kapatır</translation>
    </message>
    <message>
        <source>It is time for Fajer</source>
        <translation>İmsak vakti girdi</translation>
    </message>
    <message>
        <source>It is time for Dhohur</source>
        <translation>Öğle vakti girdi</translation>
    </message>
    <message>
        <source>It is time for Aser</source>
        <translation>İkindi vakti girdi</translation>
    </message>
    <message>
        <source>It is time for Maghereb</source>
        <translation>Akşam vakti girdi</translation>
    </message>
    <message>
        <source>It is time for Isha</source>
        <translation>Yatsı vakti girdi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Closes the notice</source>
        <translation>Uyarıyı kapatır</translation>
    </message>
    <message>
        <source>Tray label</source>
        <translation>Tepsi etiketi</translation>
    </message>
    <message>
        <source>What the panel shows beside the tray icon, where it shows labels</source>
        <translation>Panelin tepsi simgesinin yanında gösterdiği yazı (etiket gösteren panellerde)</translation>
    </message>
    <message>
        <source>Alert notification</source>
        <translation>Uyarı bildirimi</translation>
    </message>
    <message>
        <source>Each alert also raises a desktop notification that stays until dismissed</source>
        <translation>Her uyarı ayrıca kapatılana kadar kalan bir masaüstü bildirimi gösterir</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Yer ara</translation>
    </message>
    <message>
        <source>Type a place&apos;s name; arrows choose a match, Enter takes it</source>
        <translation>Bir yer adı yazın; oklarla bir sonuç seçin, Enter ile alın</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>Eşleşen yerler</translation>
    </message>
    <message>
        <source>The best matches, largest first; Enter takes the place</source>
        <translation>En iyi sonuçlar, büyükten küçüğe; Enter yeri seçer</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Konumumu bul</translation>
    </message>
    <message>
        <source>Asks the desktop for your position once and offers the nearest places</source>
        <translation>Masaüstüne konumunuzu bir kez sorar ve en yakın yerleri sunar</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>Kıble</translation>
    </message>
    <message>
        <source>Direction of the Kaaba from the place</source>
        <translation>Bu yerden Kâbe&apos;nin yönü</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Hesaplama yöntemi</translation>
    </message>
    <message>
        <source>The method whose angles, interval and minutes give the times</source>
        <translation>Açıları, aralığı ve dakikaları vakitleri veren yöntem</translation>
    </message>
    <message>
        <source>Isha minutes after Maghereb</source>
        <translation>Akşamdan sonra yatsı dakikaları</translation>
    </message>
    <message>
        <source>Isha comes this many minutes after Maghereb</source>
        <translation>Yatsı, akşamdan bu kadar dakika sonra girer</translation>
    </message>
</context>
<context>
    <name>Glance</name>
    <message>
        <source>Fajer</source>
        <translatorcomment>Diyanet takviminin adı; Fecr/Sabah da denir, en yaygını İmsak.</translatorcomment>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>%1 %2 · in %3</source>
        <translation>%1 %2 · %3 kaldı</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;sa&#xa0;%2&#xa0;dk</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;sa</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;dk</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 vaktine %2 kaldı</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Gece yarısı</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>Son üçte bir</translation>
    </message>
    <message>
        <source>Place not chosen yet: %1</source>
        <translation>Yer henüz seçilmedi: %1</translation>
    </message>
</context>
<context>
    <name>Menu103</name>
    <message>
        <source>&amp;Tray</source>
        <translation>&amp;Tepsi</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>Gö&amp;ster</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Gizle</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Sesi durdur</translation>
    </message>
</context>
<context>
    <name>Menu13</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Ayarlar</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Gelişmiş</translation>
    </message>
    <message>
        <source>&amp;Summer Time</source>
        <translation>&amp;Yaz Saati</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>Ses&amp;ler</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Lang</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>&amp;Arabic</source>
        <translation>&amp;Arapça</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;İngilizce</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>HATA</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>TARİH</translation>
    </message>
    <message>
        <source>The settings file cannot be used. NURO runs without it and leaves it as it is:</source>
        <translation>Ayar dosyası kullanılamıyor. NURO onsuz çalışır ve dosyayı olduğu gibi bırakır:</translation>
    </message>
    <message>
        <source>Later starts of NURO cannot reach this one: they will not show its window.</source>
        <translation>Sonradan başlatılan NURO bu kopyaya ulaşamaz: penceresini gösteremez.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translatorcomment>Türkçe katalog: namaz adları Diyanet İşleri Başkanlığı takviminin adlarıdır (İmsak, Güneş, Öğle, İkindi, Akşam, Yatsı); Fecr/Sabah da denir, en yaygını İmsak. Yöntem adları kurumların kendi yazdığı gibi (Diyanet İşleri Başkanlığı); Arapça kurum adlarında Türkçede yerleşik biçimler (Evkaf, Ümmü&apos;l-Kurâ). Sayılar okuma için ondalık virgül ve binlik noktayla yazılır.</translatorcomment>
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
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>Template2</name>
    <message>
        <source>Config</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>E</source>
        <translation>D</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Enlem</translation>
    </message>
    <message>
        <source>N</source>
        <translation>K</translation>
    </message>
    <message>
        <source>S</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Kırılma</translation>
    </message>
    <message>
        <source>Pressure(mBar)</source>
        <translation>Basınç (mbar)</translation>
    </message>
    <message>
        <source>Temperature(°C)</source>
        <translation>Sıcaklık (°C)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Saat dilimi</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>Aser Prayer</source>
        <translation>İkindi namazı</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Hanfai</source>
        <translation>Hanefi</translation>
    </message>
    <message>
        <source>&amp;MODIF</source>
        <translation>&amp;Değiştir</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>Place not found: no place library</source>
        <translation>Yer bulunamadı: yer kitaplığı yok</translation>
    </message>
    <message>
        <source>Place not found: unreadable database</source>
        <translation>Yer bulunamadı: veritabanı okunamıyor</translation>
    </message>
    <message>
        <source>Place not found: not in the database</source>
        <translation>Yer bulunamadı: veritabanında yok</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>Yer ara</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>Konumumu bul</translation>
    </message>
    <message>
        <source>The desktop refused to give the position</source>
        <translation>Masaüstü konumu paylaşmayı reddetti</translation>
    </message>
    <message>
        <source>The desktop gave no position</source>
        <translation>Masaüstü bir konum bildirmedi</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km</source>
        <translation>Kıble: gerçek kuzeyden %1°, %2 km</translation>
    </message>
</context>
<context>
    <name>Template3</name>
    <message>
        <source>Expert</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Addition(Mn)</source>
        <translation>Ekleme (dk)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Açı</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Hassas</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Açılışta</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Yüksek enlem</translation>
    </message>
    <message>
        <source>middle of the night</source>
        <translation>gecenin yarısı</translation>
    </message>
    <message>
        <source>one seventh of the night</source>
        <translation>gecenin yedide biri</translation>
    </message>
    <message>
        <source>twilight angle</source>
        <translation>tan açısı</translation>
    </message>
    <message>
        <source>Hijri date (days)</source>
        <translation>Hicri tarih (gün)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Sıfırla</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Yöntem</translation>
    </message>
    <message>
        <source>Isha: minutes after Maghereb</source>
        <translation>Yatsı: akşamdan sonra dakika</translation>
    </message>
    <message>
        <source>From the place&apos;s country</source>
        <translation>Yerin ülkesine göre</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>Custom: your own angles, Isha interval and minutes</source>
        <translation>Özel: kendi açılarınız, yatsı aralığınız ve dakikalarınız</translation>
    </message>
    <message>
        <source>Fajr by the season</source>
        <translation>Mevsime göre imsak</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>İmsak %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghreb</source>
        <translation>Yatsı akşamdan %1 dk sonra</translation>
    </message>
    <message>
        <source>%1 in Ramadan</source>
        <translation>Ramazan&apos;da %1</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>Yatsı %1°</translation>
    </message>
    <message>
        <source>Isha by the season</source>
        <translation>Mevsime göre yatsı</translation>
    </message>
    <message>
        <source>Maghreb %1° below the horizon</source>
        <translation>Akşam ufkun %1° altında</translation>
    </message>
    <message>
        <source>minutes rounded up</source>
        <translation>dakikalar yukarı yuvarlanır</translation>
    </message>
    <message>
        <source>Method&apos;s minutes: %1</source>
        <translation>Yöntemin dakikaları: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Müslüman Dünya Birliği</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>Kuzey Amerika İslam Cemiyeti</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Mısır Genel Ölçme Kurumu</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>İslami İlimler Üniversitesi, Karaçi</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>Ümmü&apos;l-Kurâ, Mekke</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>Körfez Bölgesi</translation>
    </message>
    <message>
        <source>United Arab Emirates, Awqaf (Dubai)</source>
        <translation>Birleşik Arap Emirlikleri, Evkaf (Dubai)</translation>
    </message>
    <message>
        <source>Kuwait, Ministry of Awqaf</source>
        <translation>Kuveyt, Evkaf Bakanlığı</translation>
    </message>
    <message>
        <source>Qatar, Ministry of Awqaf</source>
        <translation>Katar, Evkaf Bakanlığı</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura</source>
        <translation>Majlis Ugama Islam Singapura</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>JAKIM, Malezya</translation>
    </message>
    <message>
        <source>Kementerian Agama, Indonesia</source>
        <translation>Kementerian Agama, Endonezya</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>Diyanet İşleri Başkanlığı, Türkiye</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Jeofizik Enstitüsü, Tahran Üniversitesi</translation>
    </message>
    <message>
        <source>Shia Ithna-Ashari, Leva Institute, Qum</source>
        <translation>Şii İsnâaşeriyye, Leva Enstitüsü, Kum</translation>
    </message>
    <message>
        <source>Musulmans de France (UOIF)</source>
        <translation>Musulmans de France (UOIF)</translation>
    </message>
    <message>
        <source>Spiritual Administration of the Muslims of Russia</source>
        <translation>Rusya Müslümanları Dini İdaresi</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Moonsighting Committee Worldwide</translation>
    </message>
    <message>
        <source>Tunisia, Ministry of Religious Affairs</source>
        <translation>Tunus, Din İşleri Bakanlığı</translation>
    </message>
    <message>
        <source>Algeria, Ministry of Religious Affairs</source>
        <translation>Cezayir, Din İşleri Bakanlığı</translation>
    </message>
    <message>
        <source>Morocco, Ministry of Habous and Islamic Affairs</source>
        <translation>Fas, Evkaf ve İslami İşler Bakanlığı</translation>
    </message>
    <message>
        <source>Jordan, Ministry of Awqaf</source>
        <translation>Ürdün, Evkaf Bakanlığı</translation>
    </message>
    <message>
        <source>one seventh of the night from 55° of latitude</source>
        <translation>55° enleminden itibaren gecenin yedide biri</translation>
    </message>
</context>
<context>
    <name>Template4</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>NURO V2.0</source>
        <translation>NURO Sürüm 2.0</translation>
    </message>
    <message>
        <source>Places: GeoNames.org</source>
        <translation>Yerler: GeoNames.org</translation>
    </message>
    <message>
        <source>CC BY 4.0, modified</source>
        <translation>CC BY 4.0, değiştirilmiş</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>Template5</name>
    <message>
        <source>Summer Time</source>
        <translation>Yaz Saati</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Enable Summer Time</source>
        <translation>Yaz saatini uygula</translation>
    </message>
    <message>
        <source>Automatic (from the place&apos;s time zone)</source>
        <translation>Otomatik (yerin saat diliminden)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;Sıfırla</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
</context>
<context>
    <name>Template6</name>
    <message>
        <source>Sounds</source>
        <translation>Sesler</translation>
    </message>
    <message>
        <source>Empty: the built-in chime (um.wav)</source>
        <translation>Boş: yerleşik uyarı sesi (um.wav)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Çal</translation>
    </message>
    <message>
        <source>Reminder (minutes before, 0 = none)</source>
        <translation>Hatırlatma (dk önce, 0 = yok)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)</source>
        <translation>Sesler (*.wav *.ogg *.mp3 *.flac *.opus);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Beside the tray icon</source>
        <translation>Tepsi simgesinin yanında</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Hiçbir şey</translation>
    </message>
    <message>
        <source>Next prayer and its time</source>
        <translation>Sonraki namaz ve vakti</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Kalan süre</translation>
    </message>
    <message>
        <source>Desktop notification at each alert</source>
        <translation>Her uyarıda masaüstü bildirimi</translation>
    </message>
    <message>
        <source>These sound files were not kept:</source>
        <translation>Şu ses dosyaları kaydedilmedi:</translation>
    </message>
    <message>
        <source>%1 sound, %2: %3</source>
        <translation>%1 sesi, %2: %3</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>böyle bir dosya yok</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>bir dosya değil</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>okunamıyor</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>çözülemiyor</translation>
    </message>
    <message>
        <source>it cannot be decoded (%1)</source>
        <translation>çözülemiyor (%1)</translation>
    </message>
</context>
</TS>
