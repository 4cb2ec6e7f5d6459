<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>Accessible</name>
    <message>
        <source>Hide</source>
        <translation>پنهان کردن</translation>
    </message>
    <message>
        <source>Hides the window in the notification area</source>
        <translation>پنجره را در ناحیهٔ اعلان پنهان می‌کند</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>Shows the About box</source>
        <translation>پنجرهٔ «درباره» را نشان می‌دهد</translation>
    </message>
    <message>
        <source>Fajer time</source>
        <translatorcomment>نام‌ها چنان‌که در جدول اوقات شرعی ایران آمده است؛ در افغانستان «فجر» و «خفتن» هم رایج است.</translatorcomment>
        <translation>وقت اذان صبح</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Fajer prayer</source>
        <translation>وقت نماز صبح امروز</translation>
    </message>
    <message>
        <source>Shuroq time</source>
        <translation>وقت طلوع آفتاب</translation>
    </message>
    <message>
        <source>Today&apos;s sunrise</source>
        <translation>طلوع آفتاب امروز</translation>
    </message>
    <message>
        <source>Dhohur time</source>
        <translation>وقت اذان ظهر</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Dhohur prayer</source>
        <translation>وقت نماز ظهر امروز</translation>
    </message>
    <message>
        <source>Aser time</source>
        <translation>وقت عصر</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Aser prayer</source>
        <translation>وقت نماز عصر امروز</translation>
    </message>
    <message>
        <source>Maghereb time</source>
        <translation>وقت اذان مغرب</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Maghereb prayer</source>
        <translation>وقت نماز مغرب امروز</translation>
    </message>
    <message>
        <source>Isha time</source>
        <translation>وقت عشا</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Isha prayer</source>
        <translation>وقت نماز عشا امروز</translation>
    </message>
    <message>
        <source>Notice offset in minutes</source>
        <translation>فاصلهٔ هشدار به دقیقه</translation>
    </message>
    <message>
        <source>Minutes between a prayer time and its notice</source>
        <translation>دقیقه‌های میان وقت نماز و هشدار آن</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>پیش از</translation>
    </message>
    <message>
        <source>The notice comes before the prayer time</source>
        <translation>هشدار پیش از وقت نماز می‌آید</translation>
    </message>
    <message>
        <source>After</source>
        <translation>پس از</translation>
    </message>
    <message>
        <source>The notice comes after the prayer time</source>
        <translation>هشدار پس از وقت نماز می‌آید</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>صدا</translation>
    </message>
    <message>
        <source>Plays the chime at each prayer time</source>
        <translation>در هر وقت نماز آوای هشدار را پخش می‌کند</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>صدا روشن</translation>
    </message>
    <message>
        <source>The chime plays at each prayer time</source>
        <translation>آوای هشدار در هر وقت نماز پخش می‌شود</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>صدا خاموش</translation>
    </message>
    <message>
        <source>No chime plays</source>
        <translation>هیچ آوایی پخش نمی‌شود</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>پس‌زمینه</translation>
    </message>
    <message>
        <source>The window&apos;s ornament</source>
        <translation>نگارهٔ پنجره</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>ساعت زنگ‌دار</translation>
    </message>
    <message>
        <source>Marks the notice offset</source>
        <translation>نشانهٔ فاصلهٔ هشدار</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>صبح</translation>
    </message>
    <message>
        <source>Label of the Fajer time</source>
        <translation>برچسب وقت صبح</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>ظهر</translation>
    </message>
    <message>
        <source>Label of the Dhohur time</source>
        <translation>برچسب وقت ظهر</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Label of the Aser time</source>
        <translation>برچسب وقت عصر</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Label of the Maghereb time</source>
        <translation>برچسب وقت مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشا</translation>
    </message>
    <message>
        <source>Label of the Isha time</source>
        <translation>برچسب وقت عشا</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Points to the Shuroq time</source>
        <translation>به وقت طلوع آفتاب اشاره می‌کند</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>Unit of the notice offset</source>
        <translation>یکای فاصلهٔ هشدار</translation>
    </message>
    <message>
        <source>Label of the Before choice</source>
        <translation>برچسب گزینهٔ «پیش از»</translation>
    </message>
    <message>
        <source>Label of the After choice</source>
        <translation>برچسب گزینهٔ «پس از»</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>تاریخ قمری</translation>
    </message>
    <message>
        <source>Today&apos;s date in the Hijri calendar</source>
        <translation>تاریخ امروز در گاه‌شمار هجری قمری</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>درجهٔ طول جغرافیایی</translation>
    </message>
    <message>
        <source>Whole degrees</source>
        <translation>درجه‌های کامل</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>دقیقهٔ طول جغرافیایی</translation>
    </message>
    <message>
        <source>Arc minutes</source>
        <translation>دقیقهٔ قوسی</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>ثانیهٔ طول جغرافیایی</translation>
    </message>
    <message>
        <source>Arc seconds</source>
        <translation>ثانیهٔ قوسی</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرقی</translation>
    </message>
    <message>
        <source>East of Greenwich</source>
        <translation>شرق گرینویچ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غربی</translation>
    </message>
    <message>
        <source>West of Greenwich</source>
        <translation>غرب گرینویچ</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>درجهٔ عرض جغرافیایی</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>دقیقهٔ عرض جغرافیایی</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>ثانیهٔ عرض جغرافیایی</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمالی</translation>
    </message>
    <message>
        <source>North of the equator</source>
        <translation>شمال خط استوا</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوبی</translation>
    </message>
    <message>
        <source>South of the equator</source>
        <translation>جنوب خط استوا</translation>
    </message>
    <message>
        <source>Pressure in millibars</source>
        <translation>فشار به میلی‌بار</translation>
    </message>
    <message>
        <source>Air pressure for the refraction</source>
        <translation>فشار هوا برای شکست نور</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>دما به درجهٔ سلسیوس</translation>
    </message>
    <message>
        <source>Air temperature for the refraction</source>
        <translation>دمای هوا برای شکست نور</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>منطقهٔ زمانی</translation>
    </message>
    <message>
        <source>Hours from universal time</source>
        <translation>ساعت‌های اختلاف با زمان جهانی</translation>
    </message>
    <message>
        <source>Elevation in metres</source>
        <translation>ارتفاع به متر</translation>
    </message>
    <message>
        <source>Height of the place above the sea</source>
        <translation>ارتفاع مکان از سطح دریا</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تغییر</translation>
    </message>
    <message>
        <source>Keeps the values and computes the times anew</source>
        <translation>مقادیر را نگه می‌دارد و اوقات را دوباره حساب می‌کند</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Closes the dialog</source>
        <translation>پنجره را می‌بندد</translation>
    </message>
    <message>
        <source>Fajer minutes</source>
        <translation>دقیقه‌های صبح</translation>
    </message>
    <message>
        <source>Minutes moved from the computed time</source>
        <translation>دقیقه‌های جابه‌جایی از وقت محاسبه‌شده</translation>
    </message>
    <message>
        <source>Fajer earlier</source>
        <translation>صبح زودتر</translation>
    </message>
    <message>
        <source>Subtracts the minutes</source>
        <translation>دقیقه‌ها را کم می‌کند</translation>
    </message>
    <message>
        <source>Fajer later</source>
        <translation>صبح دیرتر</translation>
    </message>
    <message>
        <source>Adds the minutes</source>
        <translation>دقیقه‌ها را می‌افزاید</translation>
    </message>
    <message>
        <source>Shuroq minutes</source>
        <translation>دقیقه‌های طلوع</translation>
    </message>
    <message>
        <source>Shuroq earlier</source>
        <translation>طلوع زودتر</translation>
    </message>
    <message>
        <source>Shuroq later</source>
        <translation>طلوع دیرتر</translation>
    </message>
    <message>
        <source>Dhohur minutes</source>
        <translation>دقیقه‌های ظهر</translation>
    </message>
    <message>
        <source>Dhohur earlier</source>
        <translation>ظهر زودتر</translation>
    </message>
    <message>
        <source>Dhohur later</source>
        <translation>ظهر دیرتر</translation>
    </message>
    <message>
        <source>Aser minutes</source>
        <translation>دقیقه‌های عصر</translation>
    </message>
    <message>
        <source>Aser earlier</source>
        <translation>عصر زودتر</translation>
    </message>
    <message>
        <source>Aser later</source>
        <translation>عصر دیرتر</translation>
    </message>
    <message>
        <source>Maghereb minutes</source>
        <translation>دقیقه‌های مغرب</translation>
    </message>
    <message>
        <source>Maghereb earlier</source>
        <translation>مغرب زودتر</translation>
    </message>
    <message>
        <source>Maghereb later</source>
        <translation>مغرب دیرتر</translation>
    </message>
    <message>
        <source>Isha minutes</source>
        <translation>دقیقه‌های عشا</translation>
    </message>
    <message>
        <source>Isha earlier</source>
        <translation>عشا زودتر</translation>
    </message>
    <message>
        <source>Isha later</source>
        <translation>عشا دیرتر</translation>
    </message>
    <message>
        <source>Fajer angle</source>
        <translation>زاویهٔ صبح</translation>
    </message>
    <message>
        <source>Depression of the sun in tenths of a degree</source>
        <translation>فرورفتگی خورشید زیر افق، به دهم درجه</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>زاویهٔ عشا</translation>
    </message>
    <message>
        <source>High latitudes rule</source>
        <translation>قاعدهٔ عرض‌های بالا</translation>
    </message>
    <message>
        <source>How Fajer and Isha are found where the twilight lasts all night</source>
        <translation>شیوهٔ تعیین صبح و عشا در جایی که شفق تمام شب می‌ماند</translation>
    </message>
    <message>
        <source>Hijri date adjustment in days</source>
        <translation>تصحیح تاریخ قمری به روز</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, or taken away when negative</source>
        <translation>روزهایی که به تاریخ قمری محاسبه‌شده افزوده، یا اگر منفی باشد کاسته می‌شود</translation>
    </message>
    <message>
        <source>NURO</source>
        <translation>نورو</translation>
    </message>
    <message>
        <source>The program&apos;s ornament</source>
        <translation>نگارهٔ برنامه</translation>
    </message>
    <message>
        <source>From month</source>
        <translation>از ماه</translation>
    </message>
    <message>
        <source>Month summer time begins</source>
        <translation>ماه آغاز ساعت تابستانی</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>از روز</translation>
    </message>
    <message>
        <source>Day summer time begins</source>
        <translation>روز آغاز ساعت تابستانی</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>تا ماه</translation>
    </message>
    <message>
        <source>Month summer time ends</source>
        <translation>ماه پایان ساعت تابستانی</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>تا روز</translation>
    </message>
    <message>
        <source>Day summer time ends</source>
        <translation>روز پایان ساعت تابستانی</translation>
    </message>
    <message>
        <source>Fajer sound file</source>
        <translation>پروندهٔ صدای صبح</translation>
    </message>
    <message>
        <source>File played at the prayer time; empty for the built-in chime</source>
        <translation>پرونده‌ای که در وقت نماز پخش می‌شود؛ خالی برای آوای درونی</translation>
    </message>
    <message>
        <source>Dhohur sound file</source>
        <translation>پروندهٔ صدای ظهر</translation>
    </message>
    <message>
        <source>Aser sound file</source>
        <translation>پروندهٔ صدای عصر</translation>
    </message>
    <message>
        <source>Maghereb sound file</source>
        <translation>پروندهٔ صدای مغرب</translation>
    </message>
    <message>
        <source>Isha sound file</source>
        <translation>پروندهٔ صدای عشا</translation>
    </message>
    <message>
        <source>Choose the Fajer sound</source>
        <translation>انتخاب صدای صبح</translation>
    </message>
    <message>
        <source>Opens a file chooser</source>
        <translation>پنجرهٔ انتخاب پرونده را باز می‌کند</translation>
    </message>
    <message>
        <source>Choose the Dhohur sound</source>
        <translation>انتخاب صدای ظهر</translation>
    </message>
    <message>
        <source>Choose the Aser sound</source>
        <translation>انتخاب صدای عصر</translation>
    </message>
    <message>
        <source>Choose the Maghereb sound</source>
        <translation>انتخاب صدای مغرب</translation>
    </message>
    <message>
        <source>Choose the Isha sound</source>
        <translation>انتخاب صدای عشا</translation>
    </message>
    <message>
        <source>Play the Fajer sound</source>
        <translation>پخش صدای صبح</translation>
    </message>
    <message>
        <source>Plays the file now</source>
        <translation>پرونده را اکنون پخش می‌کند</translation>
    </message>
    <message>
        <source>Play the Dhohur sound</source>
        <translation>پخش صدای ظهر</translation>
    </message>
    <message>
        <source>Play the Aser sound</source>
        <translation>پخش صدای عصر</translation>
    </message>
    <message>
        <source>Play the Maghereb sound</source>
        <translation>پخش صدای مغرب</translation>
    </message>
    <message>
        <source>Play the Isha sound</source>
        <translation>پخش صدای عشا</translation>
    </message>
    <message>
        <source>Reminder minutes</source>
        <translation>دقیقه‌های یادآوری</translation>
    </message>
    <message>
        <source>Minutes before each prayer for a reminder; 0 for none</source>
        <translation>چند دقیقه پیش از هر نماز یادآوری شود؛ ۰ یعنی هیچ</translation>
    </message>
    <message>
        <source>Keeps the sounds and closes the dialog</source>
        <translation>صداها را نگه می‌دارد و پنجره را می‌بندد</translation>
    </message>
    <message>
        <source>It is time for Fajer</source>
        <translation>وقت نماز صبح است</translation>
    </message>
    <message>
        <source>It is time for Dhohur</source>
        <translation>وقت نماز ظهر است</translation>
    </message>
    <message>
        <source>It is time for Aser</source>
        <translation>وقت نماز عصر است</translation>
    </message>
    <message>
        <source>It is time for Maghereb</source>
        <translation>وقت نماز مغرب است</translation>
    </message>
    <message>
        <source>It is time for Isha</source>
        <translation>وقت نماز عشا است</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Closes the notice</source>
        <translation>هشدار را می‌بندد</translation>
    </message>
    <message>
        <source>Tray label</source>
        <translation>برچسب سینی</translation>
    </message>
    <message>
        <source>What the panel shows beside the tray icon, where it shows labels</source>
        <translation>آنچه پنل کنار نماد سینی نشان می‌دهد، جایی که برچسب نشان می‌دهد</translation>
    </message>
    <message>
        <source>Alert notification</source>
        <translation>اعلان هشدار</translation>
    </message>
    <message>
        <source>Each alert also raises a desktop notification that stays until dismissed</source>
        <translation>هر هشدار یک اعلان میزکار نیز نشان می‌دهد که تا بسته شدن می‌ماند</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>جستجوی مکان</translation>
    </message>
    <message>
        <source>Type a place&apos;s name; arrows choose a match, Enter takes it</source>
        <translation>نام مکان را بنویسید؛ با کلیدهای پیکان نتیجه‌ای برگزینید و با اینتر آن را بپذیرید</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>مکان‌های یافته</translation>
    </message>
    <message>
        <source>The best matches, largest first; Enter takes the place</source>
        <translation>بهترین نتایج، پرجمعیت‌ترین نخست؛ اینتر مکان را برمی‌گزیند</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>یافتن مکان من</translation>
    </message>
    <message>
        <source>Asks the desktop for your position once and offers the nearest places</source>
        <translation>یک بار موقعیت شما را از میزکار می‌پرسد و نزدیک‌ترین مکان‌ها را نشان می‌دهد</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>قبله</translation>
    </message>
    <message>
        <source>Direction of the Kaaba from the place</source>
        <translation>جهت کعبه از این مکان</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>روش محاسبه</translation>
    </message>
    <message>
        <source>The method whose angles, interval and minutes give the times</source>
        <translation>روشی که زاویه‌ها، فاصله و دقیقه‌هایش اوقات را می‌دهند</translation>
    </message>
    <message>
        <source>Isha minutes after Maghereb</source>
        <translation>دقیقه‌های عشا پس از مغرب</translation>
    </message>
    <message>
        <source>Isha comes this many minutes after Maghereb</source>
        <translation>عشا این تعداد دقیقه پس از مغرب فرا می‌رسد</translation>
    </message>
</context>
<context>
    <name>Glance</name>
    <message>
        <source>Fajer</source>
        <translatorcomment>نام‌ها چنان‌که در جدول اوقات شرعی ایران آمده است؛ در افغانستان «فجر» و «خفتن» هم رایج است.</translatorcomment>
        <translation>اذان صبح</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>اذان ظهر</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>اذان مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشا</translation>
    </message>
    <message>
        <source>%1 %2 · in %3</source>
        <translation>%1 %2 · %3 دیگر</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;ساعت&#xa0;و&#xa0;%2&#xa0;دقیقه</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;ساعت</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;دقیقه</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1، %2 دیگر</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>نیمه‌شب</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>ثلث آخر</translation>
    </message>
    <message>
        <source>Place not chosen yet: %1</source>
        <translation>مکان هنوز برگزیده نشده: %1</translation>
    </message>
</context>
<context>
    <name>Menu103</name>
    <message>
        <source>&amp;Tray</source>
        <translation>&amp;سینی</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;نمایش</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;پنهان کردن</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>قطع صدا</translation>
    </message>
</context>
<context>
    <name>Menu13</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;گزینه‌ها</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;تنظیمات</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;پیشرفته</translation>
    </message>
    <message>
        <source>&amp;Summer Time</source>
        <translation>&amp;ساعت تابستانی</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;صداها</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Lang</source>
        <translation>&amp;زبان</translation>
    </message>
    <message>
        <source>&amp;Arabic</source>
        <translation>&amp;عربی</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>ا&amp;نگلیسی</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>خطا</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>The settings file cannot be used. NURO runs without it and leaves it as it is:</source>
        <translation>پروندهٔ تنظیمات به کار نمی‌آید. نورو بدون آن اجرا می‌شود و آن را همان‌طور که هست رها می‌کند:</translation>
    </message>
    <message>
        <source>Later starts of NURO cannot reach this one: they will not show its window.</source>
        <translation>اجراهای بعدی نورو به این نسخه دسترسی ندارند: پنجرهٔ آن را نشان نخواهند داد.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translatorcomment>فهرست فارسی: نام اوقات چنان‌که در جدول اوقات شرعی ایران آمده است (اذان صبح، طلوع آفتاب، اذان ظهر، عصر، اذان مغرب، عشا؛ در پنجره‌های تنگ بی «اذان»)؛ در افغانستان «فجر» و «خفتن» هم رایج است. عصر «جمهور» و «حنفی». نام روش‌ها چنان‌که نهادها خود می‌نویسند (مؤسسهٔ ژئوفیزیک دانشگاه تهران، JAKIM، Kemenag). در متن‌های خواندنی رقم‌های فارسی؛ در فایل تنظیمات و خروجی ماشینی رقم‌های لاتین.</translatorcomment>
        <translation>RTL</translation>
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
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;بله</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;خیر</translation>
    </message>
</context>
<context>
    <name>Template2</name>
    <message>
        <source>Config</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>طول</translation>
    </message>
    <message>
        <source>E</source>
        <translatorcomment>نشانه‌های کوتاه جهت چنان‌که در نقشه‌های عربی‌نویس می‌آید: ق شرق، غ غرب، ش شمال، ج جنوب؛ جای نام کامل در این دکمه‌ها نیست.</translatorcomment>
        <translation>ق</translation>
    </message>
    <message>
        <source>W</source>
        <translation>غ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>N</source>
        <translation>ش</translation>
    </message>
    <message>
        <source>S</source>
        <translation>ج</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>شکست نور</translation>
    </message>
    <message>
        <source>Pressure(mBar)</source>
        <translation>فشار (میلی‌بار)</translation>
    </message>
    <message>
        <source>Temperature(°C)</source>
        <translation>دما (°C)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>منطقهٔ زمانی</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>ارتفاع</translation>
    </message>
    <message>
        <source>Aser Prayer</source>
        <translation>نماز عصر</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>جمهور</translation>
    </message>
    <message>
        <source>Hanfai</source>
        <translation>حنفی</translation>
    </message>
    <message>
        <source>&amp;MODIF</source>
        <translation>&amp;تغییر</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>تأ&amp;یید</translation>
    </message>
    <message>
        <source>Place not found: no place library</source>
        <translation>مکان پیدا نشد: کتابخانهٔ مکان‌ها نیست</translation>
    </message>
    <message>
        <source>Place not found: unreadable database</source>
        <translation>مکان پیدا نشد: پایگاه داده خوانا نیست</translation>
    </message>
    <message>
        <source>Place not found: not in the database</source>
        <translation>مکان پیدا نشد: در پایگاه داده نیست</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>جستجوی مکان</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>یافتن مکان من</translation>
    </message>
    <message>
        <source>The desktop refused to give the position</source>
        <translation>میزکار از دادن موقعیت خودداری کرد</translation>
    </message>
    <message>
        <source>The desktop gave no position</source>
        <translation>میزکار هیچ موقعیتی نداد</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km</source>
        <translation>قبله: %1° از شمال حقیقی، %2 کیلومتر</translation>
    </message>
</context>
<context>
    <name>Template3</name>
    <message>
        <source>Expert</source>
        <translation>پیشرفته</translation>
    </message>
    <message>
        <source>Addition(Mn)</source>
        <translation>افزایش (دقیقه)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>صبح</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>طلوع</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>ظهر</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشا</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>زاویه</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>دقت</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>شروع خودکار</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>عرض‌های بالا</translation>
    </message>
    <message>
        <source>middle of the night</source>
        <translation>نیمهٔ شب</translation>
    </message>
    <message>
        <source>one seventh of the night</source>
        <translation>یک‌هفتم شب</translation>
    </message>
    <message>
        <source>twilight angle</source>
        <translation>زاویهٔ شفق</translation>
    </message>
    <message>
        <source>Hijri date (days)</source>
        <translation>تاریخ قمری (روز)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;بازنشانی</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>تأ&amp;یید</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>روش</translation>
    </message>
    <message>
        <source>Isha: minutes after Maghereb</source>
        <translation>عشا: دقیقه پس از مغرب</translation>
    </message>
    <message>
        <source>From the place&apos;s country</source>
        <translation>بر پایهٔ کشور مکان</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>دلخواه</translation>
    </message>
    <message>
        <source>Custom: your own angles, Isha interval and minutes</source>
        <translation>دلخواه: زاویه‌ها، فاصلهٔ عشا و دقیقه‌های خودتان</translation>
    </message>
    <message>
        <source>Fajr by the season</source>
        <translation>صبح بر پایهٔ فصل</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>صبح %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghreb</source>
        <translation>عشا %1 دقیقه پس از مغرب</translation>
    </message>
    <message>
        <source>%1 in Ramadan</source>
        <translation>%1 در رمضان</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>عشا %1°</translation>
    </message>
    <message>
        <source>Isha by the season</source>
        <translation>عشا بر پایهٔ فصل</translation>
    </message>
    <message>
        <source>Maghreb %1° below the horizon</source>
        <translation>مغرب %1° زیر افق</translation>
    </message>
    <message>
        <source>minutes rounded up</source>
        <translation>دقیقه‌ها رو به بالا گرد می‌شوند</translation>
    </message>
    <message>
        <source>Method&apos;s minutes: %1</source>
        <translation>دقیقه‌های روش: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطهٔ جهان اسلام</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>انجمن اسلامی آمریکای شمالی</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>سازمان عمومی نقشه‌برداری مصر</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>دانشگاه علوم اسلامی، کراچی</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>ام‌القری، مکه</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>منطقهٔ خلیج فارس</translation>
    </message>
    <message>
        <source>United Arab Emirates, Awqaf (Dubai)</source>
        <translation>امارات متحدهٔ عربی، اوقاف (دبی)</translation>
    </message>
    <message>
        <source>Kuwait, Ministry of Awqaf</source>
        <translation>کویت، وزارت اوقاف</translation>
    </message>
    <message>
        <source>Qatar, Ministry of Awqaf</source>
        <translation>قطر، وزارت اوقاف</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura</source>
        <translation>مجلس اوگاما اسلام سنگاپور</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>JAKIM، مالزی</translation>
    </message>
    <message>
        <source>Kementerian Agama, Indonesia</source>
        <translation>وزارت امور دینی، اندونزی (Kemenag)</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>دیانت، ترکیه</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>مؤسسهٔ ژئوفیزیک دانشگاه تهران</translation>
    </message>
    <message>
        <source>Shia Ithna-Ashari, Leva Institute, Qum</source>
        <translation>شیعهٔ اثناعشری، مؤسسهٔ لوا، قم</translation>
    </message>
    <message>
        <source>Musulmans de France (UOIF)</source>
        <translation>مسلمانان فرانسه (UOIF)</translation>
    </message>
    <message>
        <source>Spiritual Administration of the Muslims of Russia</source>
        <translation>ادارهٔ دینی مسلمانان روسیه</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>کمیتهٔ جهانی رؤیت هلال</translation>
    </message>
    <message>
        <source>Tunisia, Ministry of Religious Affairs</source>
        <translation>تونس، وزارت امور دینی</translation>
    </message>
    <message>
        <source>Algeria, Ministry of Religious Affairs</source>
        <translation>الجزایر، وزارت امور دینی</translation>
    </message>
    <message>
        <source>Morocco, Ministry of Habous and Islamic Affairs</source>
        <translation>مراکش، وزارت اوقاف و امور اسلامی</translation>
    </message>
    <message>
        <source>Jordan, Ministry of Awqaf</source>
        <translation>اردن، وزارت اوقاف</translation>
    </message>
    <message>
        <source>one seventh of the night from 55° of latitude</source>
        <translation>یک‌هفتم شب از عرض 55° به بالا</translation>
    </message>
</context>
<context>
    <name>Template4</name>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>NURO V2.0</source>
        <translation>نورو، نگارش ۲٫۰</translation>
    </message>
    <message>
        <source>Places: GeoNames.org</source>
        <translation>مکان‌ها: GeoNames.org</translation>
    </message>
    <message>
        <source>CC BY 4.0, modified</source>
        <translation>CC BY 4.0، با تغییر</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>Template5</name>
    <message>
        <source>Summer Time</source>
        <translation>ساعت تابستانی</translation>
    </message>
    <message>
        <source>From</source>
        <translation>از</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>To</source>
        <translation>تا</translation>
    </message>
    <message>
        <source>Enable Summer Time</source>
        <translation>اعمال ساعت تابستانی</translation>
    </message>
    <message>
        <source>Automatic (from the place&apos;s time zone)</source>
        <translation>خودکار (از منطقهٔ زمانی مکان)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;بازنشانی</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>تأ&amp;یید</translation>
    </message>
</context>
<context>
    <name>Template6</name>
    <message>
        <source>Sounds</source>
        <translation>صداها</translation>
    </message>
    <message>
        <source>Empty: the built-in chime (um.wav)</source>
        <translation>خالی: آوای درونی (um.wav)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>صبح</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>ظهر</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشا</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>پخش</translation>
    </message>
    <message>
        <source>Reminder (minutes before, 0 = none)</source>
        <translation>یادآوری (دقیقه پیش از، ۰ = هیچ)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>تأ&amp;یید</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>صدا</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)</source>
        <translation>صداها (*.wav *.ogg *.mp3 *.flac *.opus);;همهٔ پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>Beside the tray icon</source>
        <translation>کنار نماد سینی</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>Next prayer and its time</source>
        <translation>نماز بعدی و وقت آن</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>زمان باقی‌مانده</translation>
    </message>
    <message>
        <source>Desktop notification at each alert</source>
        <translation>اعلان میزکار در هر هشدار</translation>
    </message>
    <message>
        <source>These sound files were not kept:</source>
        <translation>این پرونده‌های صوتی نگه داشته نشدند:</translation>
    </message>
    <message>
        <source>%1 sound, %2: %3</source>
        <translation>صدای %1، %2: %3</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>چنین پرونده‌ای نیست</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>پرونده نیست</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>خوانده نمی‌شود</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>رمزگشایی نمی‌شود</translation>
    </message>
    <message>
        <source>it cannot be decoded (%1)</source>
        <translation>رمزگشایی نمی‌شود (%1)</translation>
    </message>
</context>
</TS>
