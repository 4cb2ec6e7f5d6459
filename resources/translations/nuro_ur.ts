<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>Accessible</name>
    <message>
        <source>Hide</source>
        <translation>چھپائیں</translation>
    </message>
    <message>
        <source>Hides the window in the notification area</source>
        <translation>ونڈو کو اطلاعات کے خانے میں چھپا دیتا ہے</translation>
    </message>
    <message>
        <source>About</source>
        <translation>تعارف</translation>
    </message>
    <message>
        <source>Shows the About box</source>
        <translation>تعارف کی ونڈو دکھاتا ہے</translation>
    </message>
    <message>
        <source>Fajer time</source>
        <translatorcomment>پاکستان اور ہندوستان کے اوقاتِ نماز کے نقشوں میں رائج نام؛ «طلوعِ آفتاب» کی جگہ «اشراق» بھی لکھا جاتا ہے مگر کم۔</translatorcomment>
        <translation>فجر کا وقت</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Fajer prayer</source>
        <translation>آج نمازِ فجر کا وقت</translation>
    </message>
    <message>
        <source>Shuroq time</source>
        <translation>طلوعِ آفتاب کا وقت</translation>
    </message>
    <message>
        <source>Today&apos;s sunrise</source>
        <translation>آج سورج نکلنے کا وقت</translation>
    </message>
    <message>
        <source>Dhohur time</source>
        <translation>ظہر کا وقت</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Dhohur prayer</source>
        <translation>آج نمازِ ظہر کا وقت</translation>
    </message>
    <message>
        <source>Aser time</source>
        <translation>عصر کا وقت</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Aser prayer</source>
        <translation>آج نمازِ عصر کا وقت</translation>
    </message>
    <message>
        <source>Maghereb time</source>
        <translation>مغرب کا وقت</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Maghereb prayer</source>
        <translation>آج نمازِ مغرب کا وقت</translation>
    </message>
    <message>
        <source>Isha time</source>
        <translation>عشاء کا وقت</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Isha prayer</source>
        <translation>آج نمازِ عشاء کا وقت</translation>
    </message>
    <message>
        <source>Notice offset in minutes</source>
        <translation>اطلاع کا فرق منٹوں میں</translation>
    </message>
    <message>
        <source>Minutes between a prayer time and its notice</source>
        <translation>نماز کے وقت اور اس کی اطلاع کے درمیان منٹ</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>پہلے</translation>
    </message>
    <message>
        <source>The notice comes before the prayer time</source>
        <translation>اطلاع نماز کے وقت سے پہلے آتی ہے</translation>
    </message>
    <message>
        <source>After</source>
        <translation>بعد</translation>
    </message>
    <message>
        <source>The notice comes after the prayer time</source>
        <translation>اطلاع نماز کے وقت کے بعد آتی ہے</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>آواز</translation>
    </message>
    <message>
        <source>Plays the chime at each prayer time</source>
        <translation>ہر نماز کے وقت اطلاعی دھن بجاتا ہے</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>آواز چالو</translation>
    </message>
    <message>
        <source>The chime plays at each prayer time</source>
        <translation>ہر نماز کے وقت اطلاعی دھن بجتی ہے</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>آواز بند</translation>
    </message>
    <message>
        <source>No chime plays</source>
        <translation>کوئی دھن نہیں بجتی</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>پس منظر</translation>
    </message>
    <message>
        <source>The window&apos;s ornament</source>
        <translation>ونڈو کی آرائش</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>الارم گھڑی</translation>
    </message>
    <message>
        <source>Marks the notice offset</source>
        <translation>اطلاع کے فرق کی نشانی</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Label of the Fajer time</source>
        <translation>فجر کے وقت کا عنوان</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Label of the Dhohur time</source>
        <translation>ظہر کے وقت کا عنوان</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Label of the Aser time</source>
        <translation>عصر کے وقت کا عنوان</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Label of the Maghereb time</source>
        <translation>مغرب کے وقت کا عنوان</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Label of the Isha time</source>
        <translation>عشاء کے وقت کا عنوان</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>Points to the Shuroq time</source>
        <translation>طلوعِ آفتاب کے وقت کی طرف اشارہ</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>منٹ</translation>
    </message>
    <message>
        <source>Unit of the notice offset</source>
        <translation>اطلاع کے فرق کی اکائی</translation>
    </message>
    <message>
        <source>Label of the Before choice</source>
        <translation>«پہلے» کے انتخاب کا عنوان</translation>
    </message>
    <message>
        <source>Label of the After choice</source>
        <translation>«بعد» کے انتخاب کا عنوان</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>Today&apos;s date in the Hijri calendar</source>
        <translation>ہجری کیلنڈر میں آج کی تاریخ</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>طول بلد کے درجے</translation>
    </message>
    <message>
        <source>Whole degrees</source>
        <translation>پورے درجے</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>طول بلد کے دقیقے</translation>
    </message>
    <message>
        <source>Arc minutes</source>
        <translation>قوس کے دقیقے</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>طول بلد کے ثانیے</translation>
    </message>
    <message>
        <source>Arc seconds</source>
        <translation>قوس کے ثانیے</translation>
    </message>
    <message>
        <source>East</source>
        <translation>مشرق</translation>
    </message>
    <message>
        <source>East of Greenwich</source>
        <translation>گرین وچ کے مشرق میں</translation>
    </message>
    <message>
        <source>West</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>West of Greenwich</source>
        <translation>گرین وچ کے مغرب میں</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>عرض بلد کے درجے</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>عرض بلد کے دقیقے</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>عرض بلد کے ثانیے</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>North of the equator</source>
        <translation>خطِ استوا کے شمال میں</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>South of the equator</source>
        <translation>خطِ استوا کے جنوب میں</translation>
    </message>
    <message>
        <source>Pressure in millibars</source>
        <translation>دباؤ ملی بار میں</translation>
    </message>
    <message>
        <source>Air pressure for the refraction</source>
        <translation>انعطاف کے حساب کے لیے ہوا کا دباؤ</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>درجۂ حرارت سیلسیس میں</translation>
    </message>
    <message>
        <source>Air temperature for the refraction</source>
        <translation>انعطاف کے حساب کے لیے ہوا کا درجۂ حرارت</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>ٹائم زون</translation>
    </message>
    <message>
        <source>Hours from universal time</source>
        <translation>عالمی وقت سے گھنٹوں کا فرق</translation>
    </message>
    <message>
        <source>Elevation in metres</source>
        <translation>بلندی میٹر میں</translation>
    </message>
    <message>
        <source>Height of the place above the sea</source>
        <translation>مقام کی سطحِ سمندر سے بلندی</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تبدیل کریں</translation>
    </message>
    <message>
        <source>Keeps the values and computes the times anew</source>
        <translation>قدریں محفوظ کر کے اوقات دوبارہ حساب کرتا ہے</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Closes the dialog</source>
        <translation>ونڈو بند کرتا ہے</translation>
    </message>
    <message>
        <source>Fajer minutes</source>
        <translation>فجر کے منٹ</translation>
    </message>
    <message>
        <source>Minutes moved from the computed time</source>
        <translation>حساب شدہ وقت سے ہٹائے گئے منٹ</translation>
    </message>
    <message>
        <source>Fajer earlier</source>
        <translation>فجر پہلے</translation>
    </message>
    <message>
        <source>Subtracts the minutes</source>
        <translation>منٹ گھٹاتا ہے</translation>
    </message>
    <message>
        <source>Fajer later</source>
        <translation>فجر بعد میں</translation>
    </message>
    <message>
        <source>Adds the minutes</source>
        <translation>منٹ بڑھاتا ہے</translation>
    </message>
    <message>
        <source>Shuroq minutes</source>
        <translation>طلوعِ آفتاب کے منٹ</translation>
    </message>
    <message>
        <source>Shuroq earlier</source>
        <translation>طلوعِ آفتاب پہلے</translation>
    </message>
    <message>
        <source>Shuroq later</source>
        <translation>طلوعِ آفتاب بعد میں</translation>
    </message>
    <message>
        <source>Dhohur minutes</source>
        <translation>ظہر کے منٹ</translation>
    </message>
    <message>
        <source>Dhohur earlier</source>
        <translation>ظہر پہلے</translation>
    </message>
    <message>
        <source>Dhohur later</source>
        <translation>ظہر بعد میں</translation>
    </message>
    <message>
        <source>Aser minutes</source>
        <translation>عصر کے منٹ</translation>
    </message>
    <message>
        <source>Aser earlier</source>
        <translation>عصر پہلے</translation>
    </message>
    <message>
        <source>Aser later</source>
        <translation>عصر بعد میں</translation>
    </message>
    <message>
        <source>Maghereb minutes</source>
        <translation>مغرب کے منٹ</translation>
    </message>
    <message>
        <source>Maghereb earlier</source>
        <translation>مغرب پہلے</translation>
    </message>
    <message>
        <source>Maghereb later</source>
        <translation>مغرب بعد میں</translation>
    </message>
    <message>
        <source>Isha minutes</source>
        <translation>عشاء کے منٹ</translation>
    </message>
    <message>
        <source>Isha earlier</source>
        <translation>عشاء پہلے</translation>
    </message>
    <message>
        <source>Isha later</source>
        <translation>عشاء بعد میں</translation>
    </message>
    <message>
        <source>Fajer angle</source>
        <translation>فجر کا زاویہ</translation>
    </message>
    <message>
        <source>Depression of the sun in tenths of a degree</source>
        <translation>افق سے نیچے سورج کا زاویہ، درجے کے دسویں حصوں میں</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>عشاء کا زاویہ</translation>
    </message>
    <message>
        <source>High latitudes rule</source>
        <translation>بلند عرض بلد کا قاعدہ</translation>
    </message>
    <message>
        <source>How Fajer and Isha are found where the twilight lasts all night</source>
        <translation>جہاں شفق ساری رات رہے وہاں فجر اور عشاء کا وقت کیسے طے ہو</translation>
    </message>
    <message>
        <source>Hijri date adjustment in days</source>
        <translation>ہجری تاریخ کی تصحیح دنوں میں</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, or taken away when negative</source>
        <translation>حساب شدہ ہجری تاریخ میں جمع کیے جانے والے دن، منفی ہوں تو منہا</translation>
    </message>
    <message>
        <source>NURO</source>
        <translation>نورو</translation>
    </message>
    <message>
        <source>The program&apos;s ornament</source>
        <translation>پروگرام کی آرائش</translation>
    </message>
    <message>
        <source>From month</source>
        <translation>آغاز کا مہینہ</translation>
    </message>
    <message>
        <source>Month summer time begins</source>
        <translation>جس مہینے گرمیوں کا وقت شروع ہو</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>آغاز کا دن</translation>
    </message>
    <message>
        <source>Day summer time begins</source>
        <translation>جس دن گرمیوں کا وقت شروع ہو</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>اختتام کا مہینہ</translation>
    </message>
    <message>
        <source>Month summer time ends</source>
        <translation>جس مہینے گرمیوں کا وقت ختم ہو</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>اختتام کا دن</translation>
    </message>
    <message>
        <source>Day summer time ends</source>
        <translation>جس دن گرمیوں کا وقت ختم ہو</translation>
    </message>
    <message>
        <source>Fajer sound file</source>
        <translation>فجر کی آواز کی فائل</translation>
    </message>
    <message>
        <source>File played at the prayer time; empty for the built-in chime</source>
        <translation>نماز کے وقت بجنے والی فائل؛ خالی ہو تو اندرونی دھن</translation>
    </message>
    <message>
        <source>Dhohur sound file</source>
        <translation>ظہر کی آواز کی فائل</translation>
    </message>
    <message>
        <source>Aser sound file</source>
        <translation>عصر کی آواز کی فائل</translation>
    </message>
    <message>
        <source>Maghereb sound file</source>
        <translation>مغرب کی آواز کی فائل</translation>
    </message>
    <message>
        <source>Isha sound file</source>
        <translation>عشاء کی آواز کی فائل</translation>
    </message>
    <message>
        <source>Choose the Fajer sound</source>
        <translation>فجر کی آواز چنیں</translation>
    </message>
    <message>
        <source>Opens a file chooser</source>
        <translation>فائل چننے کی ونڈو کھولتا ہے</translation>
    </message>
    <message>
        <source>Choose the Dhohur sound</source>
        <translation>ظہر کی آواز چنیں</translation>
    </message>
    <message>
        <source>Choose the Aser sound</source>
        <translation>عصر کی آواز چنیں</translation>
    </message>
    <message>
        <source>Choose the Maghereb sound</source>
        <translation>مغرب کی آواز چنیں</translation>
    </message>
    <message>
        <source>Choose the Isha sound</source>
        <translation>عشاء کی آواز چنیں</translation>
    </message>
    <message>
        <source>Play the Fajer sound</source>
        <translation>فجر کی آواز سنیں</translation>
    </message>
    <message>
        <source>Plays the file now</source>
        <translation>فائل ابھی بجاتا ہے</translation>
    </message>
    <message>
        <source>Play the Dhohur sound</source>
        <translation>ظہر کی آواز سنیں</translation>
    </message>
    <message>
        <source>Play the Aser sound</source>
        <translation>عصر کی آواز سنیں</translation>
    </message>
    <message>
        <source>Play the Maghereb sound</source>
        <translation>مغرب کی آواز سنیں</translation>
    </message>
    <message>
        <source>Play the Isha sound</source>
        <translation>عشاء کی آواز سنیں</translation>
    </message>
    <message>
        <source>Reminder minutes</source>
        <translation>یاد دہانی کے منٹ</translation>
    </message>
    <message>
        <source>Minutes before each prayer for a reminder; 0 for none</source>
        <translation>ہر نماز سے کتنے منٹ پہلے یاد دہانی ہو؛ 0 یعنی کوئی نہیں</translation>
    </message>
    <message>
        <source>Keeps the sounds and closes the dialog</source>
        <translation>آوازیں محفوظ کر کے ونڈو بند کرتا ہے</translation>
    </message>
    <message>
        <source>It is time for Fajer</source>
        <translation>نمازِ فجر کا وقت ہو گیا</translation>
    </message>
    <message>
        <source>It is time for Dhohur</source>
        <translation>نمازِ ظہر کا وقت ہو گیا</translation>
    </message>
    <message>
        <source>It is time for Aser</source>
        <translation>نمازِ عصر کا وقت ہو گیا</translation>
    </message>
    <message>
        <source>It is time for Maghereb</source>
        <translation>نمازِ مغرب کا وقت ہو گیا</translation>
    </message>
    <message>
        <source>It is time for Isha</source>
        <translation>نمازِ عشاء کا وقت ہو گیا</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Closes the notice</source>
        <translation>اطلاع بند کرتا ہے</translation>
    </message>
    <message>
        <source>Tray label</source>
        <translation>ٹرے لیبل</translation>
    </message>
    <message>
        <source>What the panel shows beside the tray icon, where it shows labels</source>
        <translation>پینل ٹرے آئکن کے ساتھ کیا دکھاتا ہے، جہاں وہ لیبل دکھاتا ہے</translation>
    </message>
    <message>
        <source>Alert notification</source>
        <translation>الرٹ کی اطلاع</translation>
    </message>
    <message>
        <source>Each alert also raises a desktop notification that stays until dismissed</source>
        <translation>ہر الرٹ ڈیسک ٹاپ اطلاع بھی دکھاتا ہے جو بند کرنے تک رہتی ہے</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>جگہ تلاش کریں</translation>
    </message>
    <message>
        <source>Type a place&apos;s name; arrows choose a match, Enter takes it</source>
        <translation>جگہ کا نام لکھیں؛ تیر والی کنجیوں سے نتیجہ چنیں، انٹر سے اسے لیں</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>ملتی جلتی جگہیں</translation>
    </message>
    <message>
        <source>The best matches, largest first; Enter takes the place</source>
        <translation>بہترین نتائج، بڑی آبادی والی جگہ پہلے؛ انٹر سے جگہ لیں</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>میرا مقام معلوم کریں</translation>
    </message>
    <message>
        <source>Asks the desktop for your position once and offers the nearest places</source>
        <translation>ڈیسک ٹاپ سے ایک بار آپ کا مقام پوچھتا ہے اور قریب ترین جگہیں دکھاتا ہے</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>قبلہ</translation>
    </message>
    <message>
        <source>Direction of the Kaaba from the place</source>
        <translation>جگہ سے کعبہ کی سمت</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>حساب کا طریقہ</translation>
    </message>
    <message>
        <source>The method whose angles, interval and minutes give the times</source>
        <translation>وہ طریقہ جس کے زاویے، وقفہ اور منٹ اوقات دیتے ہیں</translation>
    </message>
    <message>
        <source>Isha minutes after Maghereb</source>
        <translation>مغرب کے بعد عشاء کے منٹ</translation>
    </message>
    <message>
        <source>Isha comes this many minutes after Maghereb</source>
        <translation>عشاء مغرب کے اتنے منٹ بعد ہوتی ہے</translation>
    </message>
</context>
<context>
    <name>Glance</name>
    <message>
        <source>Fajer</source>
        <translatorcomment>پاکستان اور ہندوستان کے اوقاتِ نماز کے نقشوں میں رائج نام؛ «طلوعِ آفتاب» کی جگہ «اشراق» بھی لکھا جاتا ہے مگر کم۔</translatorcomment>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>ظہر</translation>
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
        <translation>عشاء</translation>
    </message>
    <message>
        <source>%1 %2 · in %3</source>
        <translation>%1 %2 · %3 میں</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translatorcomment>«گھنٹے» مغیرہ حالت ہے: یہ متن ہمیشہ «میں» سے پہلے آتا ہے (1 گھنٹے 5 منٹ میں)، اس لیے ہر عدد کے ساتھ درست ہے؛ الگ جمع کی شکل درکار نہیں۔</translatorcomment>
        <translation>%1&#xa0;گھنٹے&#xa0;%2&#xa0;منٹ</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translatorcomment>«گھنٹے» مغیرہ حالت ہے: «1 گھنٹے میں» درست اردو ہے۔</translatorcomment>
        <translation>%1&#xa0;گھنٹے</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;منٹ</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 %2 میں</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>آدھی رات</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>آخری تہائی</translation>
    </message>
    <message>
        <source>Place not chosen yet: %1</source>
        <translation>جگہ ابھی نہیں چنی گئی: %1</translation>
    </message>
</context>
<context>
    <name>Menu103</name>
    <message>
        <source>&amp;Tray</source>
        <translation>&amp;ٹرے</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;دکھائیں</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;چھپائیں</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;بند کریں</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>آواز روکیں</translation>
    </message>
</context>
<context>
    <name>Menu13</name>
    <message>
        <source>&amp;Options</source>
        <translation>ا&amp;ختیارات</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;ترتیبات</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;اعلیٰ</translation>
    </message>
    <message>
        <source>&amp;Summer Time</source>
        <translation>&amp;گرمیوں کا وقت</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>آ&amp;وازیں</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;بند کریں</translation>
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
        <translation>ا&amp;نگریزی</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>خرابی</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>The settings file cannot be used. NURO runs without it and leaves it as it is:</source>
        <translation>ترتیبات کی فائل استعمال نہیں ہو سکتی۔ نورو اس کے بغیر چلتا ہے اور اسے جوں کا توں چھوڑ دیتا ہے:</translation>
    </message>
    <message>
        <source>Later starts of NURO cannot reach this one: they will not show its window.</source>
        <translation>بعد میں کھولا گیا نورو اس چلتے ہوئے نورو تک نہیں پہنچ سکے گا، اس لیے اس کی ونڈو نہیں دکھا سکے گا۔</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translatorcomment>اردو فہرست: نمازوں کے نام پاکستان اور ہندوستان کے اوقاتِ نماز کے نقشوں کے مطابق (فجر، طلوعِ آفتاب، ظہر، عصر، مغرب، عشاء)؛ «اشراق» بھی لکھا جاتا ہے مگر کم۔ عصر کے دو مسلک «شافعی» اور «حنفی» جیسے پاکستانی جنتریوں میں۔ اداروں کے نام جیسے وہ خود لکھتے ہیں (رابطہ عالم اسلامی، جامعۃ العلوم الاسلامیہ، JAKIM، Kemenag)۔ پڑھنے کے اعداد انگریزی ہندسوں میں؛ مکالموں میں نستعلیق کی جگہ نسخ فونٹ، کیونکہ نستعلیق سطروں سے اونچا ہے۔</translatorcomment>
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
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;ہاں</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;نہیں</translation>
    </message>
</context>
<context>
    <name>Template2</name>
    <message>
        <source>Config</source>
        <translation>ترتیبات</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>طول بلد</translation>
    </message>
    <message>
        <source>E</source>
        <translation>م</translation>
    </message>
    <message>
        <source>W</source>
        <translation>غ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>عرض بلد</translation>
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
        <translation>انعطاف</translation>
    </message>
    <message>
        <source>Pressure(mBar)</source>
        <translation>دباؤ (ملی بار)</translation>
    </message>
    <message>
        <source>Temperature(°C)</source>
        <translation>درجۂ حرارت (°C)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ٹائم زون</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>بلندی</translation>
    </message>
    <message>
        <source>Aser Prayer</source>
        <translation>نمازِ عصر</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>شافعی</translation>
    </message>
    <message>
        <source>Hanfai</source>
        <translation>حنفی</translation>
    </message>
    <message>
        <source>&amp;MODIF</source>
        <translation>&amp;تبدیل</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ٹھیک</translation>
    </message>
    <message>
        <source>Place not found: no place library</source>
        <translation>مقام نہیں ملا: مقامات کی لائبریری موجود نہیں</translation>
    </message>
    <message>
        <source>Place not found: unreadable database</source>
        <translation>مقام نہیں ملا: ڈیٹا بیس پڑھا نہیں جا سکا</translation>
    </message>
    <message>
        <source>Place not found: not in the database</source>
        <translation>مقام نہیں ملا: ڈیٹا بیس میں نہیں</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>جگہ تلاش کریں</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>میرا مقام معلوم کریں</translation>
    </message>
    <message>
        <source>The desktop refused to give the position</source>
        <translation>ڈیسک ٹاپ نے مقام بتانے سے انکار کیا</translation>
    </message>
    <message>
        <source>The desktop gave no position</source>
        <translation>ڈیسک ٹاپ نے کوئی مقام نہیں بتایا</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km</source>
        <translation>قبلہ: %1° حقیقی شمال سے، %2 کلومیٹر</translation>
    </message>
</context>
<context>
    <name>Template3</name>
    <message>
        <source>Expert</source>
        <translation>اعلیٰ</translation>
    </message>
    <message>
        <source>Addition(Mn)</source>
        <translation>اضافہ (منٹ)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>طلوع</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>ظہر</translation>
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
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>زاویہ</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>درستی</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>آغاز پر</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>بلند عرض بلد</translation>
    </message>
    <message>
        <source>middle of the night</source>
        <translation>آدھی رات</translation>
    </message>
    <message>
        <source>one seventh of the night</source>
        <translation>رات کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>twilight angle</source>
        <translation>شفق کا زاویہ</translation>
    </message>
    <message>
        <source>Hijri date (days)</source>
        <translation>ہجری تاریخ (دن)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;دوبارہ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ٹھیک</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>طریقہ</translation>
    </message>
    <message>
        <source>Isha: minutes after Maghereb</source>
        <translation>عشاء: مغرب کے بعد منٹ</translation>
    </message>
    <message>
        <source>From the place&apos;s country</source>
        <translation>مقام کے ملک کے مطابق</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>اپنا</translation>
    </message>
    <message>
        <source>Custom: your own angles, Isha interval and minutes</source>
        <translation>اپنا: آپ کے اپنے زاویے، عشاء کا وقفہ اور منٹ</translation>
    </message>
    <message>
        <source>Fajr by the season</source>
        <translation>موسم کے مطابق فجر</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>فجر %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghreb</source>
        <translation>عشاء مغرب کے %1 منٹ بعد</translation>
    </message>
    <message>
        <source>%1 in Ramadan</source>
        <translation>رمضان میں %1</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>عشاء %1°</translation>
    </message>
    <message>
        <source>Isha by the season</source>
        <translation>موسم کے مطابق عشاء</translation>
    </message>
    <message>
        <source>Maghreb %1° below the horizon</source>
        <translation>مغرب افق سے %1° نیچے</translation>
    </message>
    <message>
        <source>minutes rounded up</source>
        <translation>منٹ اوپر کی طرف پورے کیے گئے</translation>
    </message>
    <message>
        <source>Method&apos;s minutes: %1</source>
        <translation>طریقے کے منٹ: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطہ عالم اسلامی</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>اسلامک سوسائٹی آف نارتھ امریکہ</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>مصری جنرل اتھارٹی آف سروے</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>جامعۃ العلوم الاسلامیہ، کراچی</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>ام القریٰ، مکہ مکرمہ</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>خلیجی خطہ</translation>
    </message>
    <message>
        <source>United Arab Emirates, Awqaf (Dubai)</source>
        <translation>متحدہ عرب امارات، اوقاف (دبئی)</translation>
    </message>
    <message>
        <source>Kuwait, Ministry of Awqaf</source>
        <translation>کویت، وزارتِ اوقاف</translation>
    </message>
    <message>
        <source>Qatar, Ministry of Awqaf</source>
        <translation>قطر، وزارتِ اوقاف</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura</source>
        <translation>مجلس اگاما اسلام سنگاپورا</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>JAKIM، ملائیشیا</translation>
    </message>
    <message>
        <source>Kementerian Agama, Indonesia</source>
        <translation>وزارتِ مذہبی امور، انڈونیشیا (Kemenag)</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>دیانت، ترکی</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>انسٹی ٹیوٹ آف جیو فزکس، تہران یونیورسٹی</translation>
    </message>
    <message>
        <source>Shia Ithna-Ashari, Leva Institute, Qum</source>
        <translation>شیعہ اثنا عشری، مؤسسہ لیوا، قم</translation>
    </message>
    <message>
        <source>Musulmans de France (UOIF)</source>
        <translation>مسلمانانِ فرانس (UOIF)</translation>
    </message>
    <message>
        <source>Spiritual Administration of the Muslims of Russia</source>
        <translation>روس کے مسلمانوں کی روحانی انتظامیہ</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>عالمی رؤیتِ ہلال کمیٹی</translation>
    </message>
    <message>
        <source>Tunisia, Ministry of Religious Affairs</source>
        <translation>تیونس، وزارتِ مذہبی امور</translation>
    </message>
    <message>
        <source>Algeria, Ministry of Religious Affairs</source>
        <translation>الجزائر، وزارتِ مذہبی امور</translation>
    </message>
    <message>
        <source>Morocco, Ministry of Habous and Islamic Affairs</source>
        <translation>مراکش، وزارتِ اوقاف و اسلامی امور</translation>
    </message>
    <message>
        <source>Jordan, Ministry of Awqaf</source>
        <translation>اردن، وزارتِ اوقاف</translation>
    </message>
    <message>
        <source>one seventh of the night from 55° of latitude</source>
        <translation>عرض بلد 55° سے رات کا ساتواں حصہ</translation>
    </message>
</context>
<context>
    <name>Template4</name>
    <message>
        <source>About</source>
        <translation>تعارف</translation>
    </message>
    <message>
        <source>NURO V2.0</source>
        <translation>نورو، ورژن 2.0</translation>
    </message>
    <message>
        <source>Places: GeoNames.org</source>
        <translation>مقامات: GeoNames.org</translation>
    </message>
    <message>
        <source>CC BY 4.0, modified</source>
        <translation>CC BY 4.0، ترمیم شدہ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
</context>
<context>
    <name>Template5</name>
    <message>
        <source>Summer Time</source>
        <translation>گرمیوں کا وقت</translation>
    </message>
    <message>
        <source>From</source>
        <translation>سے</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>دن</translation>
    </message>
    <message>
        <source>To</source>
        <translation>تک</translation>
    </message>
    <message>
        <source>Enable Summer Time</source>
        <translation>گرمیوں کا وقت لاگو کریں</translation>
    </message>
    <message>
        <source>Automatic (from the place&apos;s time zone)</source>
        <translation>خودکار (مقام کے ٹائم زون سے)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>&amp;دوبارہ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ٹھیک</translation>
    </message>
</context>
<context>
    <name>Template6</name>
    <message>
        <source>Sounds</source>
        <translation>آوازیں</translation>
    </message>
    <message>
        <source>Empty: the built-in chime (um.wav)</source>
        <translation>خالی: اندرونی دھن (um.wav)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>ظہر</translation>
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
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>سنیں</translation>
    </message>
    <message>
        <source>Reminder (minutes before, 0 = none)</source>
        <translation>یاد دہانی (منٹ پہلے، 0 = کوئی نہیں)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ٹھیک</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>آواز</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)</source>
        <translation>آوازیں (*.wav *.ogg *.mp3 *.flac *.opus);;تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>Beside the tray icon</source>
        <translation>ٹرے آئکن کے ساتھ</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>کچھ نہیں</translation>
    </message>
    <message>
        <source>Next prayer and its time</source>
        <translation>اگلی نماز اور اس کا وقت</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>باقی وقت</translation>
    </message>
    <message>
        <source>Desktop notification at each alert</source>
        <translation>ہر الرٹ پر ڈیسک ٹاپ اطلاع</translation>
    </message>
    <message>
        <source>These sound files were not kept:</source>
        <translation>یہ آواز کی فائلیں محفوظ نہیں کی گئیں:</translation>
    </message>
    <message>
        <source>%1 sound, %2: %3</source>
        <translation>%1 کی آواز، %2: %3</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ایسی کوئی فائل نہیں</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>فائل نہیں ہے</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>اسے پڑھا نہیں جا سکتا</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>اسے ڈی کوڈ نہیں کیا جا سکتا</translation>
    </message>
    <message>
        <source>it cannot be decoded (%1)</source>
        <translation>اسے ڈی کوڈ نہیں کیا جا سکتا (%1)</translation>
    </message>
</context>
</TS>
