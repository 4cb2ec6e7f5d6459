<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>Accessible</name>
    <message>
        <source>Hide</source>
        <translation>লুকান</translation>
    </message>
    <message>
        <source>Hides the window in the notification area</source>
        <translation>উইন্ডোটি বিজ্ঞপ্তি এলাকায় লুকিয়ে রাখে</translation>
    </message>
    <message>
        <source>About</source>
        <translation>পরিচিতি</translation>
    </message>
    <message>
        <source>Shows the About box</source>
        <translation>পরিচিতি উইন্ডো দেখায়</translation>
    </message>
    <message>
        <source>Fajer time</source>
        <translatorcomment>ইসলামিক ফাউন্ডেশন বাংলাদেশের সময়সূচির বানান; জোহর ও ইশা বানানও প্রচলিত।</translatorcomment>
        <translation>ফজরের সময়</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Fajer prayer</source>
        <translation>আজ ফজরের নামাজের সময়</translation>
    </message>
    <message>
        <source>Shuroq time</source>
        <translation>সূর্যোদয়ের সময়</translation>
    </message>
    <message>
        <source>Today&apos;s sunrise</source>
        <translation>আজকের সূর্যোদয়</translation>
    </message>
    <message>
        <source>Dhohur time</source>
        <translation>যোহরের সময়</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Dhohur prayer</source>
        <translation>আজ যোহরের নামাজের সময়</translation>
    </message>
    <message>
        <source>Aser time</source>
        <translation>আসরের সময়</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Aser prayer</source>
        <translation>আজ আসরের নামাজের সময়</translation>
    </message>
    <message>
        <source>Maghereb time</source>
        <translation>মাগরিবের সময়</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Maghereb prayer</source>
        <translation>আজ মাগরিবের নামাজের সময়</translation>
    </message>
    <message>
        <source>Isha time</source>
        <translation>এশার সময়</translation>
    </message>
    <message>
        <source>Today&apos;s time of the Isha prayer</source>
        <translation>আজ এশার নামাজের সময়</translation>
    </message>
    <message>
        <source>Notice offset in minutes</source>
        <translation>সতর্কবার্তার ব্যবধান, মিনিটে</translation>
    </message>
    <message>
        <source>Minutes between a prayer time and its notice</source>
        <translation>নামাজের সময় ও তার সতর্কবার্তার মাঝের মিনিট</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>আগে</translation>
    </message>
    <message>
        <source>The notice comes before the prayer time</source>
        <translation>সতর্কবার্তা নামাজের সময়ের আগে আসে</translation>
    </message>
    <message>
        <source>After</source>
        <translation>পরে</translation>
    </message>
    <message>
        <source>The notice comes after the prayer time</source>
        <translation>সতর্কবার্তা নামাজের সময়ের পরে আসে</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>শব্দ</translation>
    </message>
    <message>
        <source>Plays the chime at each prayer time</source>
        <translation>প্রতি নামাজের সময়ে সংকেত-ধ্বনি বাজায়</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>শব্দ চালু</translation>
    </message>
    <message>
        <source>The chime plays at each prayer time</source>
        <translation>প্রতি নামাজের সময়ে সংকেত-ধ্বনি বাজে</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>শব্দ বন্ধ</translation>
    </message>
    <message>
        <source>No chime plays</source>
        <translation>কোনো সংকেত-ধ্বনি বাজে না</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>পটভূমি</translation>
    </message>
    <message>
        <source>The window&apos;s ornament</source>
        <translation>উইন্ডোর অলংকরণ</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>অ্যালার্ম ঘড়ি</translation>
    </message>
    <message>
        <source>Marks the notice offset</source>
        <translation>সতর্কবার্তার ব্যবধান নির্দেশ করে</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Label of the Fajer time</source>
        <translation>ফজরের সময়ের শিরোনাম</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Label of the Dhohur time</source>
        <translation>যোহরের সময়ের শিরোনাম</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Label of the Aser time</source>
        <translation>আসরের সময়ের শিরোনাম</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Label of the Maghereb time</source>
        <translation>মাগরিবের সময়ের শিরোনাম</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>Label of the Isha time</source>
        <translation>এশার সময়ের শিরোনাম</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Points to the Shuroq time</source>
        <translation>সূর্যোদয়ের সময় নির্দেশ করে</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>Unit of the notice offset</source>
        <translation>সতর্কবার্তার ব্যবধানের একক</translation>
    </message>
    <message>
        <source>Label of the Before choice</source>
        <translation>&quot;আগে&quot; বিকল্পের শিরোনাম</translation>
    </message>
    <message>
        <source>Label of the After choice</source>
        <translation>&quot;পরে&quot; বিকল্পের শিরোনাম</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>হিজরি তারিখ</translation>
    </message>
    <message>
        <source>Today&apos;s date in the Hijri calendar</source>
        <translation>হিজরি বর্ষপঞ্জিতে আজকের তারিখ</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>দ্রাঘিমাংশের ডিগ্রি</translation>
    </message>
    <message>
        <source>Whole degrees</source>
        <translation>পূর্ণ ডিগ্রি</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>দ্রাঘিমাংশের মিনিট</translation>
    </message>
    <message>
        <source>Arc minutes</source>
        <translation>কৌণিক মিনিট</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>দ্রাঘিমাংশের সেকেন্ড</translation>
    </message>
    <message>
        <source>Arc seconds</source>
        <translation>কৌণিক সেকেন্ড</translation>
    </message>
    <message>
        <source>East</source>
        <translation>পূর্ব</translation>
    </message>
    <message>
        <source>East of Greenwich</source>
        <translation>গ্রিনিচের পূর্বে</translation>
    </message>
    <message>
        <source>West</source>
        <translation>পশ্চিম</translation>
    </message>
    <message>
        <source>West of Greenwich</source>
        <translation>গ্রিনিচের পশ্চিমে</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>অক্ষাংশের ডিগ্রি</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>অক্ষাংশের মিনিট</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>অক্ষাংশের সেকেন্ড</translation>
    </message>
    <message>
        <source>North</source>
        <translation>উত্তর</translation>
    </message>
    <message>
        <source>North of the equator</source>
        <translation>বিষুবরেখার উত্তরে</translation>
    </message>
    <message>
        <source>South</source>
        <translation>দক্ষিণ</translation>
    </message>
    <message>
        <source>South of the equator</source>
        <translation>বিষুবরেখার দক্ষিণে</translation>
    </message>
    <message>
        <source>Pressure in millibars</source>
        <translation>চাপ, মিলিবারে</translation>
    </message>
    <message>
        <source>Air pressure for the refraction</source>
        <translation>প্রতিসরণের জন্য বায়ুর চাপ</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>তাপমাত্রা, ডিগ্রি সেলসিয়াসে</translation>
    </message>
    <message>
        <source>Air temperature for the refraction</source>
        <translation>প্রতিসরণের জন্য বায়ুর তাপমাত্রা</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>Hours from universal time</source>
        <translation>সার্বজনীন সময় থেকে ঘণ্টার ব্যবধান</translation>
    </message>
    <message>
        <source>Elevation in metres</source>
        <translation>উচ্চতা, মিটারে</translation>
    </message>
    <message>
        <source>Height of the place above the sea</source>
        <translation>সমুদ্রপৃষ্ঠ থেকে স্থানের উচ্চতা</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>পরিবর্তন</translation>
    </message>
    <message>
        <source>Keeps the values and computes the times anew</source>
        <translation>মানগুলো রেখে সময় আবার হিসাব করে</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Closes the dialog</source>
        <translation>উইন্ডোটি বন্ধ করে</translation>
    </message>
    <message>
        <source>Fajer minutes</source>
        <translation>ফজরের মিনিট</translation>
    </message>
    <message>
        <source>Minutes moved from the computed time</source>
        <translation>হিসাব করা সময় থেকে সরানো মিনিট</translation>
    </message>
    <message>
        <source>Fajer earlier</source>
        <translation>ফজর আগে</translation>
    </message>
    <message>
        <source>Subtracts the minutes</source>
        <translation>মিনিট বিয়োগ করে</translation>
    </message>
    <message>
        <source>Fajer later</source>
        <translation>ফজর পরে</translation>
    </message>
    <message>
        <source>Adds the minutes</source>
        <translation>মিনিট যোগ করে</translation>
    </message>
    <message>
        <source>Shuroq minutes</source>
        <translation>সূর্যোদয়ের মিনিট</translation>
    </message>
    <message>
        <source>Shuroq earlier</source>
        <translation>সূর্যোদয় আগে</translation>
    </message>
    <message>
        <source>Shuroq later</source>
        <translation>সূর্যোদয় পরে</translation>
    </message>
    <message>
        <source>Dhohur minutes</source>
        <translation>যোহরের মিনিট</translation>
    </message>
    <message>
        <source>Dhohur earlier</source>
        <translation>যোহর আগে</translation>
    </message>
    <message>
        <source>Dhohur later</source>
        <translation>যোহর পরে</translation>
    </message>
    <message>
        <source>Aser minutes</source>
        <translation>আসরের মিনিট</translation>
    </message>
    <message>
        <source>Aser earlier</source>
        <translation>আসর আগে</translation>
    </message>
    <message>
        <source>Aser later</source>
        <translation>আসর পরে</translation>
    </message>
    <message>
        <source>Maghereb minutes</source>
        <translation>মাগরিবের মিনিট</translation>
    </message>
    <message>
        <source>Maghereb earlier</source>
        <translation>মাগরিব আগে</translation>
    </message>
    <message>
        <source>Maghereb later</source>
        <translation>মাগরিব পরে</translation>
    </message>
    <message>
        <source>Isha minutes</source>
        <translation>এশার মিনিট</translation>
    </message>
    <message>
        <source>Isha earlier</source>
        <translation>এশা আগে</translation>
    </message>
    <message>
        <source>Isha later</source>
        <translation>এশা পরে</translation>
    </message>
    <message>
        <source>Fajer angle</source>
        <translation>ফজরের কোণ</translation>
    </message>
    <message>
        <source>Depression of the sun in tenths of a degree</source>
        <translation>দিগন্তের নিচে সূর্যের কোণ, ডিগ্রির দশমাংশে</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation>এশার কোণ</translation>
    </message>
    <message>
        <source>High latitudes rule</source>
        <translation>উচ্চ অক্ষাংশের নিয়ম</translation>
    </message>
    <message>
        <source>How Fajer and Isha are found where the twilight lasts all night</source>
        <translation>যেখানে সারা রাত গোধূলি থাকে সেখানে ফজর ও এশা কীভাবে নির্ণয় হয়</translation>
    </message>
    <message>
        <source>Hijri date adjustment in days</source>
        <translation>হিজরি তারিখের সংশোধন, দিনে</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, or taken away when negative</source>
        <translation>হিসাব করা হিজরি তারিখে যোগ করা দিন, ঋণাত্মক হলে বিয়োগ</translation>
    </message>
    <message>
        <source>NURO</source>
        <translation>নুরো</translation>
    </message>
    <message>
        <source>The program&apos;s ornament</source>
        <translation>প্রোগ্রামের অলংকরণ</translation>
    </message>
    <message>
        <source>From month</source>
        <translation>শুরুর মাস</translation>
    </message>
    <message>
        <source>Month summer time begins</source>
        <translation>যে মাসে গ্রীষ্মকালীন সময় শুরু</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>শুরুর দিন</translation>
    </message>
    <message>
        <source>Day summer time begins</source>
        <translation>যে দিনে গ্রীষ্মকালীন সময় শুরু</translation>
    </message>
    <message>
        <source>To month</source>
        <translation>শেষের মাস</translation>
    </message>
    <message>
        <source>Month summer time ends</source>
        <translation>যে মাসে গ্রীষ্মকালীন সময় শেষ</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>শেষের দিন</translation>
    </message>
    <message>
        <source>Day summer time ends</source>
        <translation>যে দিনে গ্রীষ্মকালীন সময় শেষ</translation>
    </message>
    <message>
        <source>Fajer sound file</source>
        <translation>ফজরের শব্দ ফাইল</translation>
    </message>
    <message>
        <source>File played at the prayer time; empty for the built-in chime</source>
        <translation>নামাজের সময়ে বাজানো ফাইল; খালি থাকলে অন্তর্নির্মিত ধ্বনি</translation>
    </message>
    <message>
        <source>Dhohur sound file</source>
        <translation>যোহরের শব্দ ফাইল</translation>
    </message>
    <message>
        <source>Aser sound file</source>
        <translation>আসরের শব্দ ফাইল</translation>
    </message>
    <message>
        <source>Maghereb sound file</source>
        <translation>মাগরিবের শব্দ ফাইল</translation>
    </message>
    <message>
        <source>Isha sound file</source>
        <translation>এশার শব্দ ফাইল</translation>
    </message>
    <message>
        <source>Choose the Fajer sound</source>
        <translation>ফজরের শব্দ বেছে নিন</translation>
    </message>
    <message>
        <source>Opens a file chooser</source>
        <translation>ফাইল বাছাইয়ের উইন্ডো খোলে</translation>
    </message>
    <message>
        <source>Choose the Dhohur sound</source>
        <translation>যোহরের শব্দ বেছে নিন</translation>
    </message>
    <message>
        <source>Choose the Aser sound</source>
        <translation>আসরের শব্দ বেছে নিন</translation>
    </message>
    <message>
        <source>Choose the Maghereb sound</source>
        <translation>মাগরিবের শব্দ বেছে নিন</translation>
    </message>
    <message>
        <source>Choose the Isha sound</source>
        <translation>এশার শব্দ বেছে নিন</translation>
    </message>
    <message>
        <source>Play the Fajer sound</source>
        <translation>ফজরের শব্দ বাজান</translation>
    </message>
    <message>
        <source>Plays the file now</source>
        <translation>ফাইলটি এখনই বাজায়</translation>
    </message>
    <message>
        <source>Play the Dhohur sound</source>
        <translation>যোহরের শব্দ বাজান</translation>
    </message>
    <message>
        <source>Play the Aser sound</source>
        <translation>আসরের শব্দ বাজান</translation>
    </message>
    <message>
        <source>Play the Maghereb sound</source>
        <translation>মাগরিবের শব্দ বাজান</translation>
    </message>
    <message>
        <source>Play the Isha sound</source>
        <translation>এশার শব্দ বাজান</translation>
    </message>
    <message>
        <source>Reminder minutes</source>
        <translation>অনুস্মারকের মিনিট</translation>
    </message>
    <message>
        <source>Minutes before each prayer for a reminder; 0 for none</source>
        <translation>প্রতি নামাজের কত মিনিট আগে অনুস্মারক; ০ হলে কোনোটি নয়</translation>
    </message>
    <message>
        <source>Keeps the sounds and closes the dialog</source>
        <translation>শব্দগুলো রেখে উইন্ডোটি বন্ধ করে</translation>
    </message>
    <message>
        <source>It is time for Fajer</source>
        <translation>ফজরের ওয়াক্ত হয়েছে</translation>
    </message>
    <message>
        <source>It is time for Dhohur</source>
        <translation>যোহরের ওয়াক্ত হয়েছে</translation>
    </message>
    <message>
        <source>It is time for Aser</source>
        <translation>আসরের ওয়াক্ত হয়েছে</translation>
    </message>
    <message>
        <source>It is time for Maghereb</source>
        <translation>মাগরিবের ওয়াক্ত হয়েছে</translation>
    </message>
    <message>
        <source>It is time for Isha</source>
        <translation>এশার ওয়াক্ত হয়েছে</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Closes the notice</source>
        <translation>সতর্কবার্তা বন্ধ করে</translation>
    </message>
    <message>
        <source>Tray label</source>
        <translation>ট্রে লেবেল</translation>
    </message>
    <message>
        <source>What the panel shows beside the tray icon, where it shows labels</source>
        <translation>প্যানেল ট্রে আইকনের পাশে যা দেখায়, যেখানে এটি লেবেল দেখায়</translation>
    </message>
    <message>
        <source>Alert notification</source>
        <translation>সতর্কতা বিজ্ঞপ্তি</translation>
    </message>
    <message>
        <source>Each alert also raises a desktop notification that stays until dismissed</source>
        <translation>প্রতিটি সতর্কতা একটি ডেস্কটপ বিজ্ঞপ্তিও দেখায় যা বন্ধ না করা পর্যন্ত থাকে</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>স্থান খুঁজুন</translation>
    </message>
    <message>
        <source>Type a place&apos;s name; arrows choose a match, Enter takes it</source>
        <translation>স্থানের নাম লিখুন; তীর-বোতাম দিয়ে ফলাফল বাছুন, এন্টার চাপলে তা নেওয়া হয়</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>মিলে যাওয়া স্থান</translation>
    </message>
    <message>
        <source>The best matches, largest first; Enter takes the place</source>
        <translation>সেরা ফলাফল, বড় স্থান আগে; এন্টার চাপলে স্থানটি বাছাই হয়</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>আমার অবস্থান খুঁজুন</translation>
    </message>
    <message>
        <source>Asks the desktop for your position once and offers the nearest places</source>
        <translation>ডেস্কটপের কাছে একবার আপনার অবস্থান জেনে নিকটতম স্থানগুলো দেখায়</translation>
    </message>
    <message>
        <source>Qibla</source>
        <translation>কিবলা</translation>
    </message>
    <message>
        <source>Direction of the Kaaba from the place</source>
        <translation>স্থান থেকে কাবার দিক</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>হিসাবের পদ্ধতি</translation>
    </message>
    <message>
        <source>The method whose angles, interval and minutes give the times</source>
        <translation>যে পদ্ধতির কোণ, ব্যবধান ও মিনিট থেকে সময়গুলো আসে</translation>
    </message>
    <message>
        <source>Isha minutes after Maghereb</source>
        <translation>মাগরিবের পরে এশার মিনিট</translation>
    </message>
    <message>
        <source>Isha comes this many minutes after Maghereb</source>
        <translation>মাগরিবের এত মিনিট পরে এশা হয়</translation>
    </message>
</context>
<context>
    <name>Glance</name>
    <message>
        <source>Fajer</source>
        <translatorcomment>ইসলামিক ফাউন্ডেশন বাংলাদেশের সময়সূচির বানান; জোহর ও ইশা বানানও প্রচলিত।</translatorcomment>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>%1 %2 · in %3</source>
        <translation>%1 %2 · %3 পর</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;ঘণ্টা&#xa0;%2&#xa0;মিনিট</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;ঘণ্টা</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;মিনিট</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%2 পর %1</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>মধ্যরাত</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>শেষ তৃতীয়াংশ</translation>
    </message>
    <message>
        <source>Place not chosen yet: %1</source>
        <translation>স্থান এখনো বাছা হয়নি: %1</translation>
    </message>
</context>
<context>
    <name>Menu103</name>
    <message>
        <source>&amp;Tray</source>
        <translation>ট্রে(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>দেখান(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>লুকান(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান(&amp;X)</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>শব্দ থামান</translation>
    </message>
</context>
<context>
    <name>Menu13</name>
    <message>
        <source>&amp;Options</source>
        <translation>বিকল্প(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>সেটিংস(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>উন্নত(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Summer Time</source>
        <translation>গ্রীষ্মকালীন সময়(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>শব্দ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>প্রস্থান(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Lang</source>
        <translation>ভাষা(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Arabic</source>
        <translation>আরবি(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>ইংরেজি(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>ত্রুটি</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>The settings file cannot be used. NURO runs without it and leaves it as it is:</source>
        <translation>সেটিংস ফাইলটি ব্যবহার করা যাচ্ছে না। নুরো এটি ছাড়াই চলে এবং ফাইলটি যেমন আছে তেমনই রাখে:</translation>
    </message>
    <message>
        <source>Later starts of NURO cannot reach this one: they will not show its window.</source>
        <translation>পরে চালু করা নুরো এই চলমান নুরোর কাছে পৌঁছাতে পারবে না, তাই এর উইন্ডো দেখাতে পারবে না।</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translatorcomment>বাংলা ক্যাটালগ: নামাজের নাম ইসলামিক ফাউন্ডেশন বাংলাদেশের সময়সূচির বানানে (ফজর, সূর্যোদয়, যোহর, আসর, মাগরিব, এশা); জোহর ও ইশা বানানও প্রচলিত। আসরের মাযহাব «শাফেয়ি» ও «হানাফি»। পদ্ধতির নাম প্রতিষ্ঠান যেমন লেখে (JAKIM, Kemenag)। পড়ার লেখায় বাংলা অঙ্ক; সেটিংস ফাইল ও যন্ত্রপাঠ্য ফলাফলে লাতিন অঙ্ক।</translatorcomment>
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
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Template2</name>
    <message>
        <source>Config</source>
        <translation>সেটিংস</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>দ্রাঘিমাংশ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>পূ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>প</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>অক্ষাংশ</translation>
    </message>
    <message>
        <source>N</source>
        <translation>উ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>দ</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>প্রতিসরণ</translation>
    </message>
    <message>
        <source>Pressure(mBar)</source>
        <translation>চাপ (মিলিবার)</translation>
    </message>
    <message>
        <source>Temperature(°C)</source>
        <translation>তাপমাত্রা (°সে)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>উচ্চতা</translation>
    </message>
    <message>
        <source>Aser Prayer</source>
        <translation>আসরের নামাজ</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>শাফেয়ি</translation>
    </message>
    <message>
        <source>Hanfai</source>
        <translation>হানাফি</translation>
    </message>
    <message>
        <source>&amp;MODIF</source>
        <translation>বদল(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ঠিক(&amp;O)</translation>
    </message>
    <message>
        <source>Place not found: no place library</source>
        <translation>স্থান পাওয়া যায়নি: স্থানের লাইব্রেরি নেই</translation>
    </message>
    <message>
        <source>Place not found: unreadable database</source>
        <translation>স্থান পাওয়া যায়নি: ডেটাবেস পড়া যায়নি</translation>
    </message>
    <message>
        <source>Place not found: not in the database</source>
        <translation>স্থান পাওয়া যায়নি: ডেটাবেসে নেই</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>স্থান খুঁজুন</translation>
    </message>
    <message>
        <source>Locate me</source>
        <translation>আমার অবস্থান খুঁজুন</translation>
    </message>
    <message>
        <source>The desktop refused to give the position</source>
        <translation>ডেস্কটপ অবস্থান দিতে অস্বীকার করেছে</translation>
    </message>
    <message>
        <source>The desktop gave no position</source>
        <translation>ডেস্কটপ কোনো অবস্থান দেয়নি</translation>
    </message>
    <message>
        <source>Qibla: %1° from true north, %2 km</source>
        <translation>কিবলা: প্রকৃত উত্তর থেকে %1°, %2 কিমি</translation>
    </message>
</context>
<context>
    <name>Template3</name>
    <message>
        <source>Expert</source>
        <translation>উন্নত</translation>
    </message>
    <message>
        <source>Addition(Mn)</source>
        <translation>সংযোজন (মি.)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Shuroq</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>কোণ</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>সূক্ষ্ম</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>অটোস্টার্ট</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>উচ্চ অক্ষাংশ</translation>
    </message>
    <message>
        <source>middle of the night</source>
        <translation>রাতের মধ্যভাগ</translation>
    </message>
    <message>
        <source>one seventh of the night</source>
        <translation>রাতের সাত ভাগের এক ভাগ</translation>
    </message>
    <message>
        <source>twilight angle</source>
        <translation>গোধূলির কোণ</translation>
    </message>
    <message>
        <source>Hijri date (days)</source>
        <translation>হিজরি তারিখ (দিন)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>রিসেট(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ঠিক(&amp;O)</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>পদ্ধতি</translation>
    </message>
    <message>
        <source>Isha: minutes after Maghereb</source>
        <translation>এশা: মাগরিবের পরে মিনিট</translation>
    </message>
    <message>
        <source>From the place&apos;s country</source>
        <translation>স্থানের দেশ অনুযায়ী</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>নিজস্ব</translation>
    </message>
    <message>
        <source>Custom: your own angles, Isha interval and minutes</source>
        <translation>নিজস্ব: আপনার নিজের কোণ, এশার ব্যবধান ও মিনিট</translation>
    </message>
    <message>
        <source>Fajr by the season</source>
        <translation>ঋতু অনুযায়ী ফজর</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>ফজর %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghreb</source>
        <translation>মাগরিবের %1 মিনিট পরে এশা</translation>
    </message>
    <message>
        <source>%1 in Ramadan</source>
        <translation>রমজানে %1</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>এশা %1°</translation>
    </message>
    <message>
        <source>Isha by the season</source>
        <translation>ঋতু অনুযায়ী এশা</translation>
    </message>
    <message>
        <source>Maghreb %1° below the horizon</source>
        <translation>দিগন্তের %1° নিচে মাগরিব</translation>
    </message>
    <message>
        <source>minutes rounded up</source>
        <translation>মিনিট ঊর্ধ্বমুখী পূর্ণ করা</translation>
    </message>
    <message>
        <source>Method&apos;s minutes: %1</source>
        <translation>পদ্ধতির মিনিট: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>নেই</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>মুসলিম ওয়ার্ল্ড লীগ</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>ইসলামিক সোসাইটি অব নর্থ আমেরিকা</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>মিশরীয় সাধারণ জরিপ কর্তৃপক্ষ</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>ইসলামি বিজ্ঞান বিশ্ববিদ্যালয়, করাচি</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>উম্মুল কুরা, মক্কা</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>উপসাগরীয় অঞ্চল</translation>
    </message>
    <message>
        <source>United Arab Emirates, Awqaf (Dubai)</source>
        <translation>সংযুক্ত আরব আমিরাত, আওকাফ (দুবাই)</translation>
    </message>
    <message>
        <source>Kuwait, Ministry of Awqaf</source>
        <translation>কুয়েত, আওকাফ মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Qatar, Ministry of Awqaf</source>
        <translation>কাতার, আওকাফ মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Majlis Ugama Islam Singapura</source>
        <translation>মজলিস উগামা ইসলাম সিঙ্গাপুরা</translation>
    </message>
    <message>
        <source>JAKIM, Malaysia</source>
        <translation>JAKIM, মালয়েশিয়া</translation>
    </message>
    <message>
        <source>Kementerian Agama, Indonesia</source>
        <translation>ধর্ম মন্ত্রণালয় (Kemenag), ইন্দোনেশিয়া</translation>
    </message>
    <message>
        <source>Diyanet, Turkey</source>
        <translation>দিয়ানেত, তুরস্ক</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>ভূপদার্থবিদ্যা ইনস্টিটিউট, তেহরান বিশ্ববিদ্যালয়</translation>
    </message>
    <message>
        <source>Shia Ithna-Ashari, Leva Institute, Qum</source>
        <translation>শিয়া ইসনা আশারি, লেভা ইনস্টিটিউট, কুম</translation>
    </message>
    <message>
        <source>Musulmans de France (UOIF)</source>
        <translation>মুসুলমাঁ দ্য ফ্রাঁস (UOIF)</translation>
    </message>
    <message>
        <source>Spiritual Administration of the Muslims of Russia</source>
        <translation>রাশিয়ার মুসলিমদের আধ্যাত্মিক প্রশাসন</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>মুনসাইটিং কমিটি ওয়ার্ল্ডওয়াইড</translation>
    </message>
    <message>
        <source>Tunisia, Ministry of Religious Affairs</source>
        <translation>তিউনিসিয়া, ধর্ম বিষয়ক মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Algeria, Ministry of Religious Affairs</source>
        <translation>আলজেরিয়া, ধর্ম বিষয়ক মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Morocco, Ministry of Habous and Islamic Affairs</source>
        <translation>মরক্কো, হাবুস ও ইসলামি বিষয়ক মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Jordan, Ministry of Awqaf</source>
        <translation>জর্ডান, আওকাফ মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>one seventh of the night from 55° of latitude</source>
        <translation>55° অক্ষাংশ থেকে রাতের সাত ভাগের এক ভাগ</translation>
    </message>
</context>
<context>
    <name>Template4</name>
    <message>
        <source>About</source>
        <translation>পরিচিতি</translation>
    </message>
    <message>
        <source>NURO V2.0</source>
        <translation>নুরো সংস্করণ ২.০</translation>
    </message>
    <message>
        <source>Places: GeoNames.org</source>
        <translation>স্থান: GeoNames.org</translation>
    </message>
    <message>
        <source>CC BY 4.0, modified</source>
        <translation>CC BY 4.0, পরিবর্তিত</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>Template5</name>
    <message>
        <source>Summer Time</source>
        <translation>গ্রীষ্মকালীন সময়</translation>
    </message>
    <message>
        <source>From</source>
        <translation>থেকে</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>মাস</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>দিন</translation>
    </message>
    <message>
        <source>To</source>
        <translation>পর্যন্ত</translation>
    </message>
    <message>
        <source>Enable Summer Time</source>
        <translation>গ্রীষ্মকালীন সময় চালু</translation>
    </message>
    <message>
        <source>Automatic (from the place&apos;s time zone)</source>
        <translation>স্বয়ংক্রিয় (স্থানের সময় অঞ্চল থেকে)</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <translation>রিসেট(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ঠিক(&amp;O)</translation>
    </message>
</context>
<context>
    <name>Template6</name>
    <message>
        <source>Sounds</source>
        <translation>শব্দ</translation>
    </message>
    <message>
        <source>Empty: the built-in chime (um.wav)</source>
        <translation>খালি: অন্তর্নির্মিত ধ্বনি (um.wav)</translation>
    </message>
    <message>
        <source>Fajer</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Dhohur</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Aser</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Maghereb</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>বাজান</translation>
    </message>
    <message>
        <source>Reminder (minutes before, 0 = none)</source>
        <translation>অনুস্মারক (কত মিনিট আগে, ০ = নেই)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ঠিক(&amp;O)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>শব্দ</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.mp3 *.flac *.opus);;All files (*)</source>
        <translation>শব্দ (*.wav *.ogg *.mp3 *.flac *.opus);;সব ফাইল (*)</translation>
    </message>
    <message>
        <source>Beside the tray icon</source>
        <translation>ট্রে আইকনের পাশে</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>কিছু না</translation>
    </message>
    <message>
        <source>Next prayer and its time</source>
        <translation>পরবর্তী নামাজ ও তার সময়</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>বাকি সময়</translation>
    </message>
    <message>
        <source>Desktop notification at each alert</source>
        <translation>প্রতিটি সতর্কতায় ডেস্কটপ বিজ্ঞপ্তি</translation>
    </message>
    <message>
        <source>These sound files were not kept:</source>
        <translation>এই শব্দ ফাইলগুলি রাখা হয়নি:</translation>
    </message>
    <message>
        <source>%1 sound, %2: %3</source>
        <translation>%1 এর শব্দ, %2: %3</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>এমন কোনো ফাইল নেই</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ফাইল নয়</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>এটি পড়া যায় না</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>এটি ডিকোড করা যায় না</translation>
    </message>
    <message>
        <source>it cannot be decoded (%1)</source>
        <translation>এটি ডিকোড করা যায় না (%1)</translation>
    </message>
</context>
</TS>
