<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Accessible</name>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>Hides the window in the notification area</source>
        <translation>يخفي النافذة في منطقة الإشعارات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>Shows the About box</source>
        <translation>يعرض نافذة حول البرنامج</translation>
    </message>
    <message>
        <source>Fajer time</source>
        <translation>وقت الفجر</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Fajer prayer</source>
        <translation>وقت صلاة الفجر اليوم</translation>
    </message>
    <message>
        <source>Shuroq time</source>
        <translation>وقت الشروق</translation>
    </message>
    <message>
        <source>Today&apos;s sunrise</source>
        <translation>وقت شروق الشمس اليوم</translation>
    </message>
    <message>
        <source>Dhohur time</source>
        <translation>وقت الظهر</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Dhohur prayer</source>
        <translation>وقت صلاة الظهر اليوم</translation>
    </message>
    <message>
        <source>Aser time</source>
        <translation>وقت العصر</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Aser prayer</source>
        <translation>وقت صلاة العصر اليوم</translation>
    </message>
    <message>
        <source>Maghereb time</source>
        <translation>وقت المغرب</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Maghereb prayer</source>
        <translation>وقت صلاة المغرب اليوم</translation>
    </message>
    <message>
        <source>Isha time</source>
        <translation>وقت العشاء</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Isha prayer</source>
        <translation>وقت صلاة العشاء اليوم</translation>
    </message>
    <message>
        <source>Notice offset in minutes</source>
        <translation>فارق التنبيه بالدقائق</translation>
    </message>
    <message>
        <source>Minutes between a prayer time and its notice</source>
        <translation>عدد الدقائق بين وقت الصلاة وتنبيهها</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>قبل</translation>
    </message>
    <message>
        <source>The notice comes before the prayer time</source>
        <translation>يأتي التنبيه قبل وقت الصلاة</translation>
    </message>
    <message>
        <source>After</source>
        <translation>بعد</translation>
    </message>
    <message>
        <source>The notice comes after the prayer time</source>
        <translation>يأتي التنبيه بعد وقت الصلاة</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Plays the chime at each prayer time</source>
        <translation>يشغّل صوت التنبيه عند كل وقت صلاة</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>الصوت مفعّل</translation>
    </message>
    <message>
        <source>The chime plays at each prayer time</source>
        <translation>يُسمع صوت التنبيه عند كل وقت صلاة</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>الصوت معطّل</translation>
    </message>
    <message>
        <source>No chime plays</source>
        <translation>لا يُسمع صوت التنبيه</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>The window&apos;s ornament</source>
        <translation>زخرفة النافذة</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>المنبّه</translation>
    </message>
    <message>
        <source>Marks the notice offset</source>
        <translation>يدل على فارق التنبيه</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>الصبح</translation>
    </message>
    <message>
        <source>Label of the Fajer time</source>
        <translation>عنوان وقت الصبح</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Label of the Dhohur time</source>
        <translation>عنوان وقت الظهر</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Label of the Aser time</source>
        <translation>عنوان وقت العصر</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Label of the Maghereb time</source>
        <translation>عنوان وقت المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Label of the Isha time</source>
        <translation>عنوان وقت العشاء</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Points to the Shuroq time</source>
        <translation>يشير إلى وقت الشروق</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Unit of the notice offset</source>
        <translation>وحدة فارق التنبيه</translation>
    </message>
    <message>
        <source>Label of the Before choice</source>
        <translation>عنوان خيار قبل</translation>
    </message>
    <message>
        <source>Label of the After choice</source>
        <translation>عنوان خيار بعد</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>درجات خط الطول</translation>
    </message>
    <message>
        <source>Whole degrees</source>
        <translation>الدرجات الكاملة</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>دقائق خط الطول</translation>
    </message>
    <message>
        <source>Arc minutes</source>
        <translation>دقائق القوس</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>ثواني خط الطول</translation>
    </message>
    <message>
        <source>Arc seconds</source>
        <translation>ثواني القوس</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>East of Greenwich</source>
        <translation>شرق غرينتش</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>West of Greenwich</source>
        <translation>غرب غرينتش</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>درجات خط العرض</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>دقائق خط العرض</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>ثواني خط العرض</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>North of the equator</source>
        <translation>شمال خط الاستواء</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>South of the equator</source>
        <translation>جنوب خط الاستواء</translation>
    </message>
    <message>
        <source>Pressure in millibars</source>
        <translation>الضغط بالمليبار</translation>
    </message>
    <message>
        <source>Air pressure for the refraction</source>
        <translation>ضغط الهواء لحساب الانكسار</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>الحرارة بالدرجات المئوية</translation>
    </message>
    <message>
        <source>Air temperature for the refraction</source>
        <translation>حرارة الهواء لحساب الانكسار</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Hours from universal time</source>
        <translation>الساعات عن التوقيت العالمي</translation>
    </message>
    <message>
        <source>Elevation in metres</source>
        <translation>الارتفاع بالأمتار</translation>
    </message>
    <message>
        <source>Height of the place above the sea</source>
        <translation>ارتفاع المكان عن سطح البحر</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Keeps the values and computes the times anew</source>
        <translation>يحفظ القيم ويعيد حساب الأوقات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Closes the dialog</source>
        <translation>يغلق النافذة</translation>
    </message>
    <message>
        <source>Fajer minutes</source>
        <translation>دقائق الفجر</translation>
    </message>
    <message>
        <source>Minutes moved from the computed time</source>
        <translation>دقائق تُزاح عن الوقت المحسوب</translation>
    </message>
    <message>
        <source>Fajer earlier</source>
        <translation>تقديم الفجر</translation>
    </message>
    <message>
        <source>Subtracts the minutes</source>
        <translation>يطرح الدقائق</translation>
    </message>
    <message>
        <source>Fajer later</source>
        <translation>تأخير الفجر</translation>
    </message>
    <message>
        <source>Adds the minutes</source>
        <translation>يضيف الدقائق</translation>
    </message>
    <message>
        <source>Shuroq minutes</source>
        <translation>دقائق الشروق</translation>
    </message>
    <message>
        <source>Shuroq earlier</source>
        <translation>تقديم الشروق</translation>
    </message>
    <message>
        <source>Shuroq later</source>
        <translation>تأخير الشروق</translation>
    </message>
    <message>
        <source>Dhohur minutes</source>
        <translation>دقائق الظهر</translation>
    </message>
    <message>
        <source>Dhohur earlier</source>
        <translation>تقديم الظهر</translation>
    </message>
    <message>
        <source>Dhohur later</source>
        <translation>تأخير الظهر</translation>
    </message>
    <message>
        <source>Aser minutes</source>
        <translation>دقائق العصر</translation>
    </message>
    <message>
        <source>Aser earlier</source>
        <translation>تقديم العصر</translation>
    </message>
    <message>
        <source>Aser later</source>
        <translation>تأخير العصر</translation>
    </message>
    <message>
        <source>Maghereb minutes</source>
        <translation>دقائق المغرب</translation>
    </message>
    <message>
        <source>Maghereb earlier</source>
        <translation>تقديم المغرب</translation>
    </message>
    <message>
        <source>Maghereb later</source>
        <translation>تأخير المغرب</translation>
    </message>
    <message>
        <source>Isha minutes</source>
        <translation>دقائق العشاء</translation>
    </message>
    <message>
        <source>Isha earlier</source>
        <translation>تقديم العشاء</translation>
    </message>
    <message>
        <source>Isha later</source>
        <translation>تأخير العشاء</translation>
    </message>
    <message>
        <source>Fajer angle</source>
        <translation>زاوية الفجر</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>زاوية العشاء</translation>
    </message>
    <message>
        <source>Depression of the sun in tenths of a degree</source>
        <translation>انخفاض الشمس بأعشار الدرجة</translation>
    </message>
    <message>
        <source>NURO</source>
        <translation>نورو</translation>
    </message>
    <message>
        <source>The program&apos;s ornament</source>
        <translation>زخرفة البرنامج</translation>
    </message>
    <message>
        <source>From month</source>
        <translation>من شهر</translation>
    </message>
    <message>
        <source>Month summer time begins</source>
        <translation>شهر بدء التوقيت الصيفي</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>من يوم</translation>
    </message>
    <message>
        <source>Day summer time begins</source>
        <translation>يوم بدء التوقيت الصيفي</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>إلى شهر</translation>
    </message>
    <message>
        <source>Month summer time ends</source>
        <translation>شهر انتهاء التوقيت الصيفي</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>إلى يوم</translation>
    </message>
    <message>
        <source>Day summer time ends</source>
        <translation>يوم انتهاء التوقيت الصيفي</translation>
    </message>
    <message>
        <source>It is time for Fajer</source>
        <translation>حان وقت صلاة الفجر</translation>
    </message>
    <message>
        <source>It is time for Dhohur</source>
        <translation>حان وقت صلاة الظهر</translation>
    </message>
    <message>
        <source>It is time for Aser</source>
        <translation>حان وقت صلاة العصر</translation>
    </message>
    <message>
        <source>It is time for Maghereb</source>
        <translation>حان وقت صلاة المغرب</translation>
    </message>
    <message>
        <source>It is time for Isha</source>
        <translation>حان وقت صلاة العشاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Closes the notice</source>
        <translation>يغلق التنبيه</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>Today&apos;s date in the Hijri calendar</source>
        <translation>تاريخ اليوم في التقويم الهجري</translation>
    </message>
    <message>
        <source>High latitudes rule</source>
        <translation>قاعدة خطوط العرض العليا</translation>
    </message>
    <message>
        <source>How Fajer and Isha are found where the twilight lasts all night</source>
        <translation>كيف يُحدَّد وقتا الفجر والعشاء حيث يدوم الشفق طوال الليل</translation>
    </message>
    <message>
        <source>Hijri date adjustment in days</source>
        <translation>تعديل التاريخ الهجري بالأيام</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, or taken away when negative</source>
        <translation>أيام تُضاف إلى التاريخ الهجري المحسوب، أو تُطرح منه إذا كانت سالبة</translation>
    </message>
    <message>
        <source>Fajer sound file</source>
        <translation>ملف صوت الفجر</translation>
    </message>
    <message>
        <source>File played at the prayer time; empty for the built-in chime</source>
        <translation>الملف الذي يُشغَّل عند وقت الصلاة؛ فارغ للنغمة المدمجة</translation>
    </message>
    <message>
        <source>Dhohur sound file</source>
        <translation>ملف صوت الظهر</translation>
    </message>
    <message>
        <source>Aser sound file</source>
        <translation>ملف صوت العصر</translation>
    </message>
    <message>
        <source>Maghereb sound file</source>
        <translation>ملف صوت المغرب</translation>
    </message>
    <message>
        <source>Isha sound file</source>
        <translation>ملف صوت العشاء</translation>
    </message>
    <message>
        <source>Choose the Fajer sound</source>
        <translation>اختيار صوت الفجر</translation>
    </message>
    <message>
        <source>Opens a file chooser</source>
        <translation>يفتح نافذة اختيار ملف</translation>
    </message>
    <message>
        <source>Choose the Dhohur sound</source>
        <translation>اختيار صوت الظهر</translation>
    </message>
    <message>
        <source>Choose the Aser sound</source>
        <translation>اختيار صوت العصر</translation>
    </message>
    <message>
        <source>Choose the Maghereb sound</source>
        <translation>اختيار صوت المغرب</translation>
    </message>
    <message>
        <source>Choose the Isha sound</source>
        <translation>اختيار صوت العشاء</translation>
    </message>
    <message>
        <source>Play the Fajer sound</source>
        <translation>تشغيل صوت الفجر</translation>
    </message>
    <message>
        <source>Plays the file now</source>
        <translation>يشغّل الملف الآن</translation>
    </message>
    <message>
        <source>Play the Dhohur sound</source>
        <translation>تشغيل صوت الظهر</translation>
    </message>
    <message>
        <source>Play the Aser sound</source>
        <translation>تشغيل صوت العصر</translation>
    </message>
    <message>
        <source>Play the Maghereb sound</source>
        <translation>تشغيل صوت المغرب</translation>
    </message>
    <message>
        <source>Play the Isha sound</source>
        <translation>تشغيل صوت العشاء</translation>
    </message>
    <message>
        <source>Reminder minutes</source>
        <translation>دقائق التذكير</translation>
    </message>
    <message>
        <source>Minutes before each prayer for a reminder; 0 for none</source>
        <translation>عدد الدقائق قبل كل صلاة للتذكير؛ 0 لعدم التذكير</translation>
    </message>
    <message>
        <source>Keeps the sounds and closes the dialog</source>
        <translation>يحفظ الأصوات ويغلق النافذة</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>The method whose angles, interval and minutes give the times</source>
        <translation>الطريقة التي تعطي زواياها وفاصلها ودقائقها الأوقات</translation>
    </message>
    <message>
        <source>Isha minutes after Maghereb</source>
        <translation>دقائق العشاء بعد المغرب</translation>
    </message>
    <message>
        <source>Isha comes this many minutes after Maghereb</source>
        <translation>يأتي العشاء بعد المغرب بهذا العدد من الدقائق</translation>
    </message>
    <message>
        <source>Tray label</source>
        <translation>تسمية الأيقونة</translation>
    </message>
    <message>
        <source>What the panel shows beside the tray icon, where it shows labels</source>
        <translation>ما تعرضه اللوحة بجانب أيقونة الصينية، حيث تعرض التسميات</translation>
    </message>
    <message>
        <source>Alert notification</source>
        <translation>إشعار التنبيه</translation>
    </message>
    <message>
        <source>Each alert also raises a desktop notification that stays until dismissed</source>
        <translation>كل تنبيه يرفع أيضًا إشعارًا على سطح المكتب يبقى حتى يُغلق</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>ابحث عن مكان</translation>
    </message>
    <message>
        <source>Type a place&apos;s name; arrows choose a match, Enter takes it</source>
        <translation>اكتب اسم المكان؛ تختار الأسهم إحدى النتائج ويأخذها مفتاح الإدخال</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>الأماكن المطابقة</translation>
    </message>
    <message>
        <source>The best matches, largest first; Enter takes the place</source>
        <translation>أفضل النتائج، الأكبر أولاً؛ يأخذ مفتاح الإدخال المكان</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>حدّد موقعي</translation>
    </message>
    <message>
        <source>Asks the desktop for your position once and offers the nearest places</source>
        <translation>يسأل سطح المكتب عن موقعك مرة واحدة ويعرض أقرب الأماكن</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>القبلة</translation>
    </message>
    <message>
        <source>Direction of the Kaaba from the place</source>
        <translation>اتجاه الكعبة من المكان</translation>
    </message>
</context>
<context>
    <name>Glance</name>
    <message>
        <source>Fajer</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>%1 %2 · in %3</source>
        <translation>%1 %2 · بعد %3</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;س&#xa0;%2&#xa0;د</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;س</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;د</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 بعد %2</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>الثلث الأخير</translation>
    </message>
    <message>
        <source>Place not chosen yet: %1</source>
        <translation>لم يُختر المكان بعد: %1</translation>
    </message>
</context>
<context>
    <name>Menu103</name>
    <message>
        <source>&amp;Tray</source>
        <translation>&amp;منطقة الإشعارات</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>إ&amp;ظهار</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>إ&amp;خفاء</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خ&amp;روج</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>إيقاف الصوت</translation>
    </message>
</context>
<context>
    <name>Menu13</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;الإعدادات</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;متقدم</translation>
    </message>
    <message>
        <source>&amp;Summer Time</source>
        <translation>التوقيت ال&amp;صيفي</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Lang</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>&amp;Arabic</source>
        <translation>ال&amp;عربية</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>الإن&amp;جليزية</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>الأصوا&amp;ت</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>The settings file cannot be used. NURO runs without it and leaves it as it is:</source>
        <translation>تعذّر استعمال ملف الإعدادات. يعمل NURO من دونه ويتركه كما هو:</translation>
    </message>
    <message>
        <source>Later starts of NURO cannot reach this one: they will not show its window.</source>
        <translation>لا يستطيع تشغيل NURO لاحقًا الوصول إلى هذه النسخة: لن يُظهر نافذتها.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
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
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
</context>
<context>
    <name>Template2</name>
    <message>
        <source>Config</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>E</source>
        <translation>ق</translation>
    </message>
    <message>
        <source>W</source>
        <translation>غ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
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
        <translation>الانكسار</translation>
    </message>
    <message>
        <source>Pressure(mBar)</source>
        <translation>الضغط (مليبار)</translation>
    </message>
    <message>
        <source>Temperature(°C)</source>
        <translation>الحرارة (°م)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Aser Prayer</source>
        <translation>صلاة العصر</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>الجمهور</translation>
    </message>
    <message>
        <source>Hanfai</source>
        <translation>الحنفي</translation>
    </message>
    <message>
        <source>&amp;MODIF</source>
        <translation>&amp;تعديل</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Place not found: no place library</source>
        <translation>المكان غير موجود: مكتبة الأماكن غير متوفرة</translation>
    </message>
    <message>
        <source>Place not found: unreadable database</source>
        <translation>المكان غير موجود: تعذّرت قراءة قاعدة البيانات</translation>
    </message>
    <message>
        <source>Place not found: not in the database</source>
        <translation>المكان غير موجود: ليس في قاعدة البيانات</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>ابحث عن مكان</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>حدّد موقعي</translation>
    </message>
    <message>
        <source>The desktop refused to give the position</source>
        <translation>رفض سطح المكتب إعطاء الموقع</translation>
    </message>
    <message>
        <source>The desktop gave no position</source>
        <translation>لم يعطِ سطح المكتب أي موقع</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km</source>
        <translation>القبلة: %1° من الشمال الحقيقي، %2 كم</translation>
    </message>
</context>
<context>
    <name>Template3</name>
    <message>
        <source>Expert</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>Addition(Mn)</source>
        <translation>الإضافة (د)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>الزاوية</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>بدء التشغيل</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>العروض العليا</translation>
    </message>
    <message>
        <source>middle of the night</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>one seventh of the night</source>
        <translation>سُبع الليل</translation>
    </message>
    <message>
        <source>twilight angle</source>
        <translation>زاوية الشفق</translation>
    </message>
    <message>
        <source>Hijri date (days)</source>
        <translation>التاريخ الهجري (أيام)</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>الطريقة</translation>
    </message>
    <message>
        <source>Isha: minutes after Maghereb</source>
        <translation>العشاء: دقائق بعد المغرب</translation>
    </message>
    <message>
        <source>From the place&apos;s country</source>
        <translation>حسب بلد المكان</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصّصة</translation>
    </message>
    <message>
        <source>Custom: your own angles, Isha interval and minutes</source>
        <translation>مخصّصة: زواياك وفاصل العشاء ودقائقك</translation>
    </message>
    <message>
        <source>Fajr by the season</source>
        <translation>الفجر حسب الفصل</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>الفجر %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghreb</source>
        <translation>العشاء %1 دقيقة بعد المغرب</translation>
    </message>
    <message>
        <source>%1 in Ramadan</source>
        <translation>%1 في رمضان</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>العشاء %1°</translation>
    </message>
    <message>
        <source>Isha by the season</source>
        <translation>العشاء حسب الفصل</translation>
    </message>
    <message>
        <source>Maghreb %1° below the horizon</source>
        <translation>المغرب %1° تحت الأفق</translation>
    </message>
    <message>
        <source>minutes rounded up</source>
        <translation>الدقائق مقرّبة إلى الأعلى</translation>
    </message>
    <message>
        <source>Method&apos;s minutes: %1</source>
        <translation>دقائق الطريقة: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>الجمعية الإسلامية لأمريكا الشمالية</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>الهيئة المصرية العامة للمساحة</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>جامعة العلوم الإسلامية، كراتشي</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>أم القرى، مكة المكرمة</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>منطقة الخليج</translation>
    </message>
    <message>
        <source>United Arab Emirates, Awqaf (Dubai)</source>
        <translation>الإمارات العربية المتحدة، الأوقاف (دبي)</translation>
    </message>
    <message>
        <source>Kuwait, Ministry of Awqaf</source>
        <translation>الكويت، وزارة الأوقاف</translation>
    </message>
    <message>
        <source>Qatar, Ministry of Awqaf</source>
        <translation>قطر، وزارة الأوقاف</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura</source>
        <translation>المجلس الإسلامي في سنغافورة</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>جاكيم، ماليزيا</translation>
    </message>
    <message>
        <source>Kementerian Agama, Indonesia</source>
        <translation>وزارة الشؤون الدينية، إندونيسيا</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>رئاسة الشؤون الدينية، تركيا</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>معهد الجيوفيزياء، جامعة طهران</translation>
    </message>
    <message>
        <source>Shia Ithna-Ashari, Leva Institute, Qum</source>
        <translation>الشيعة الإثنا عشرية، مؤسسة ليفا، قم</translation>
    </message>
    <message>
        <source>Musulmans de France (UOIF)</source>
        <translation>مسلمو فرنسا (UOIF)</translation>
    </message>
    <message>
        <source>Spiritual Administration of the Muslims of Russia</source>
        <translation>الإدارة الدينية لمسلمي روسيا</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>لجنة رؤية الهلال العالمية</translation>
    </message>
    <message>
        <source>Tunisia, Ministry of Religious Affairs</source>
        <translation>تونس، وزارة الشؤون الدينية</translation>
    </message>
    <message>
        <source>Algeria, Ministry of Religious Affairs</source>
        <translation>الجزائر، وزارة الشؤون الدينية</translation>
    </message>
    <message>
        <source>Morocco, Ministry of Habous and Islamic Affairs</source>
        <translation>المغرب، وزارة الأوقاف والشؤون الإسلامية</translation>
    </message>
    <message>
        <source>Jordan, Ministry of Awqaf</source>
        <translation>الأردن، وزارة الأوقاف</translation>
    </message>
    <message>
        <source>one seventh of the night from 55° of latitude</source>
        <translation>سُبع الليل ابتداءً من خط العرض 55°</translation>
    </message>
</context>
<context>
    <name>Template4</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>NURO V2.0</source>
        <translation>NURO الإصدار 2.0</translation>
    </message>
    <message>
        <source>Places: GeoNames.org</source>
        <translation>الأماكن: GeoNames.org</translation>
    </message>
    <message>
        <source>CC BY 4.0, modified</source>
        <translation>CC BY 4.0، بتعديل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>Template5</name>
    <message>
        <source>Summer Time</source>
        <translation>التوقيت الصيفي</translation>
    </message>
    <message>
        <source>From</source>
        <translation>من</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>To</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Enable Summer Time</source>
        <translation>تفعيل التوقيت الصيفي</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Automatic (from the place&apos;s time zone)</source>
        <translation>تلقائي (من المنطقة الزمنية للمكان)</translation>
    </message>
</context>
<context>
    <name>Template6</name>
    <message>
        <source>Sounds</source>
        <translation>الأصوات</translation>
    </message>
    <message>
        <source>Empty: the built-in chime (um.wav)</source>
        <translation>فارغ: النغمة المدمجة (um.wav)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Reminder (minutes before, 0 = none)</source>
        <translation>التذكير (دقائق قبل، 0 = بلا تذكير)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)</source>
        <translation>الأصوات (*.wav *.ogg *.mp3 *.flac *.opus);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Beside the tray icon</source>
        <translation>بجانب أيقونة الصينية</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Next prayer and its time</source>
        <translation>الصلاة القادمة ووقتها</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>الوقت المتبقي</translation>
    </message>
    <message>
        <source>Desktop notification at each alert</source>
        <translation>إشعار سطح المكتب عند كل تنبيه</translation>
    </message>
    <message>
        <source>These sound files were not kept:</source>
        <translation>لم تُحفظ ملفات الصوت هذه:</translation>
    </message>
    <message>
        <source>%1 sound, %2: %3</source>
        <translation>صوت %1، %2: %3</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ليس ملفًا</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>لا يمكن قراءته</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>لا يمكن فك ترميزه</translation>
    </message>
    <message>
        <source>it cannot be decoded (%1)</source>
        <translation>لا يمكن فك ترميزه (%1)</translation>
    </message>
</context>
</TS>
