<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Index</source>
        <translation>الفهرس</translation>
    </message>
    <message>
        <source>Fav</source>
        <extracomment>Column header: the channel&apos;s position in the favourite group shown (a number).</extracomment>
        <translation>مفضلة</translation>
    </message>
    <message>
        <source>SatID</source>
        <extracomment>Column header: id of the channel&apos;s satellite record. Keep it short.</extracomment>
        <translation>SatID</translation>
    </message>
    <message>
        <source>TPID</source>
        <extracomment>Column header: id of the channel&apos;s transponder (carrier) record.</extracomment>
        <translation>TPID</translation>
    </message>
    <message>
        <source>CH#</source>
        <extracomment>Column header: channel number (the receiver&apos;s programme number).</extracomment>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>VPID</source>
        <extracomment>Column header: video packet id (PID) of the stream; usually kept as is.</extracomment>
        <translation>VPID</translation>
    </message>
    <message>
        <source>APID</source>
        <extracomment>Column header: audio packet id (PID) of the stream; usually kept as is.</extracomment>
        <translation>APID</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>الفئة</translation>
    </message>
</context>
<context>
    <name>ChannelName</name>
    <message>
        <source>&quot;%1&quot; holds %2, which the channel&apos;s character table cannot hold</source>
        <translation>«%1» يحتوي على %2، وهو ما لا يحتويه جدول أحرف القناة</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters the receiver keeps of a name</source>
        <translation>«%1» أطول من %2 حرفًا يحفظها جهاز الاستقبال من الاسم</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>TV channel %1 &quot;%2&quot;</source>
        <translation>قناة التلفزيون %1 «%2»</translation>
    </message>
    <message>
        <source>radio channel %1 &quot;%2&quot;</source>
        <translation>قناة الراديو %1 «%2»</translation>
    </message>
    <message>
        <source>The %1 names satellite %2, which does not exist</source>
        <translation>%1 يشير إلى القمر %2 غير الموجود</translation>
    </message>
    <message>
        <source>The %1 names multiplex %2, which does not exist</source>
        <translation>%1 يشير إلى المضاعف %2 غير الموجود</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, which does not exist</source>
        <translation>%1 يشير إلى التردد %2 على القمر %3، وهو غير موجود</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, but that transponder belongs to satellite %4</source>
        <translation>%1 يشير إلى التردد %2 على القمر %3، لكن هذا التردد يتبع القمر %4</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) names satellite %3, which does not exist</source>
        <translation>التردد %1 ميغاهرتز (المعرّف %2) يشير إلى القمر %3 غير الموجود</translation>
    </message>
    <message>
        <source>The %1 names provider %2, which does not exist</source>
        <translation>%1 يشير إلى المزوّد %2 غير الموجود</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 و%2 غيرها</translation>
    </message>
    <message>
        <source>%1 channels carry service %2 of transponder %3 (satellite %4): %5</source>
        <translation>%1 قنوات تبث الخدمة %2 من التردد %3 (القمر %4): %5</translation>
    </message>
    <message>
        <source>TV channel numbers jump from %1 to %2</source>
        <translation>أرقام قنوات التلفزيون تقفز من %1 إلى %2</translation>
    </message>
    <message>
        <source>TV channel number %1 is used by %2 channels</source>
        <translation>رقم قناة التلفزيون %1 تستخدمه %2 قنوات</translation>
    </message>
    <message>
        <source>Radio channel numbers jump from %1 to %2</source>
        <translation>أرقام قنوات الراديو تقفز من %1 إلى %2</translation>
    </message>
    <message>
        <source>Radio channel number %1 is used by %2 channels</source>
        <translation>رقم قناة الراديو %1 تستخدمه %2 قنوات</translation>
    </message>
    <message>
        <source>The name of %1 holds byte %2, which the receiver cannot show</source>
        <translation>اسم %1 يحتوي على البايت %2 الذي لا يستطيع جهاز الاستقبال عرضه</translation>
    </message>
    <message>
        <source>The %1 has no name: the receiver takes it for an empty slot and drops it</source>
        <translation>%1 بلا اسم: يعدّه جهاز الاستقبال خانة فارغة ويحذفه</translation>
    </message>
    <message>
        <source>The %1 has only blanks for a name</source>
        <translation>اسم %1 مسافات فقط</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot;</source>
        <translation>القمر «%1»</translation>
    </message>
    <message>
        <source>provider &quot;%1&quot;</source>
        <translation>المزوّد «%1»</translation>
    </message>
    <message>
        <source>favourite group &quot;%1&quot;</source>
        <translation>مجموعة المفضلة «%1»</translation>
    </message>
    <message>
        <source>The name of the %1 holds byte %2, which the receiver cannot show</source>
        <translation>اسم %1 يحتوي على البايت %2 الذي لا يستطيع جهاز الاستقبال عرضه</translation>
    </message>
    <message>
        <source>The name of the %1 is cut to &quot;%2&quot;: the receiver keeps %3 bytes</source>
        <translation>اسم %1 يُقصّ إلى «%2»: يحفظ جهاز الاستقبال %3 بايت</translation>
    </message>
    <message>
        <source>The favourite group table has %1 records, but its flash block holds %2</source>
        <translation>جدول مجموعات المفضلة فيه %1 سجل، لكن كتلة الفلاش الخاصة به تتسع لـ %2</translation>
    </message>
    <message>
        <source>The satellite table has %1 records, but its flash block holds %2</source>
        <translation>جدول الأقمار فيه %1 سجل، لكن كتلة الفلاش الخاصة به تتسع لـ %2</translation>
    </message>
    <message>
        <source>The provider table has %1 records, but its flash block holds %2</source>
        <translation>جدول المزوّدين فيه %1 سجل، لكن كتلة الفلاش الخاصة به تتسع لـ %2</translation>
    </message>
    <message>
        <source>The transponder table has %1 records, but its flash block holds %2</source>
        <translation>جدول الترددات فيه %1 سجل، لكن كتلة الفلاش الخاصة به تتسع لـ %2</translation>
    </message>
    <message>
        <source>The cable multiplex table has %1 records, but its flash block holds %2</source>
        <translation>جدول مضاعفات الكابل فيه %1 سجل، لكن كتلة الفلاش الخاصة به تتسع لـ %2</translation>
    </message>
    <message>
        <source>The channel table has %1 records, but its flash block holds %2</source>
        <translation>جدول القنوات فيه %1 سجل، لكن كتلة الفلاش الخاصة به تتسع لـ %2</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot; is past the %3 groups the receiver keeps</source>
        <translation>مجموعة المفضلة %1 «%2» تقع خارج المجموعات الـ %3 التي يحفظها جهاز الاستقبال</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 holds %n channel(s), past the %2 groups the receiver keeps</source>
        <translation>
            <numerusform>مجموعة المفضلة %1 تضم %n قناة، وتقع خارج المجموعات الـ %2 التي يحفظها جهاز الاستقبال</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم %n قناة، وتقع خارج المجموعات الـ %2 التي يحفظها جهاز الاستقبال</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم %n قناتان، وتقع خارج المجموعات الـ %2 التي يحفظها جهاز الاستقبال</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم %n قنوات، وتقع خارج المجموعات الـ %2 التي يحفظها جهاز الاستقبال</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم %n قناة، وتقع خارج المجموعات الـ %2 التي يحفظها جهاز الاستقبال</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم %n قناة، وتقع خارج المجموعات الـ %2 التي يحفظها جهاز الاستقبال</numerusform>
        </translation>
    </message>
    <message>
        <source>Transponder ids have reached %1, past 255: new transponders get ids the receiver cannot store</source>
        <translation>بلغت معرّفات الترددات %1، أي أكثر من 255: الترددات الجديدة تحصل على معرّفات لا يستطيع جهاز الاستقبال حفظها</translation>
    </message>
    <message>
        <source>%1 is used by no channel</source>
        <translation>لا تستخدم أي قناة %1</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>المضاعف %1</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) of satellite %3</source>
        <translation>التردد %1 ميغاهرتز (المعرّف %2) على القمر %3</translation>
    </message>
    <message>
        <source>Cable multiplex %1 kHz (id %2)</source>
        <translation>مضاعف الكابل %1 كيلوهرتز (المعرّف %2)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>تغيّر %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>حُذف %1</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>أُضيف %1</translation>
    </message>
    <message>
        <source>Satellite %1 &quot;%2&quot;</source>
        <translation>القمر %1 «%2»</translation>
    </message>
    <message>
        <source>Provider %1 &quot;%2&quot;</source>
        <translation>المزوّد %1 «%2»</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot;</source>
        <translation>مجموعة المفضلة %1 «%2»</translation>
    </message>
    <message>
        <source>now locked</source>
        <translation>صار مقفلًا</translation>
    </message>
    <message>
        <source>no longer locked</source>
        <translation>لم يعد مقفلًا</translation>
    </message>
    <message>
        <source>now scrambled</source>
        <translation>صار مشفّرًا</translation>
    </message>
    <message>
        <source>no longer scrambled</source>
        <translation>لم يعد مشفّرًا</translation>
    </message>
    <message>
        <source>now skipped</source>
        <translation>صار يُتخطّى</translation>
    </message>
    <message>
        <source>no longer skipped</source>
        <translation>لم يعد يُتخطّى</translation>
    </message>
    <message>
        <source>added to favourite group %1</source>
        <translation>أُضيف إلى مجموعة المفضلة %1</translation>
    </message>
    <message>
        <source>removed from favourite group %1</source>
        <translation>أُزيل من مجموعة المفضلة %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 من %2 إلى %3</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>المضاعف %1</translation>
    </message>
    <message>
        <source>%1, transponder id %2</source>
        <translation>%1، معرّف التردد %2</translation>
    </message>
    <message>
        <source>%1, %2 MHz H</source>
        <translation>%1، %2 ميغاهرتز H</translation>
    </message>
    <message>
        <source>%1, %2 MHz V</source>
        <translation>%1، %2 ميغاهرتز V</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>القمر %1</translation>
    </message>
    <message>
        <source>The %1 removed</source>
        <translation>حُذف %1</translation>
    </message>
    <message>
        <source>The %1 added</source>
        <translation>أُضيف %1</translation>
    </message>
    <message>
        <source>The %1 moved to TV %2</source>
        <translation>نُقل %1 إلى التلفزيون %2</translation>
    </message>
    <message>
        <source>The %1 moved to radio %2</source>
        <translation>نُقل %1 إلى الراديو %2</translation>
    </message>
    <message>
        <source>The %1 moved from %2 to %3</source>
        <translation>نُقل %1 من %2 إلى %3</translation>
    </message>
    <message>
        <source>The %1 renamed to &quot;%2&quot;</source>
        <translation>أُعيدت تسمية %1 إلى «%2»</translation>
    </message>
    <message>
        <source>The %1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The %1 changed: %2</source>
        <translation>تغيّر %1: %2</translation>
    </message>
    <message>
        <source>%1 TV channels renumbered in their order</source>
        <translation>أُعيد ترقيم %1 قنوات تلفزيون بترتيبها</translation>
    </message>
    <message>
        <source>%1 radio channels renumbered in their order</source>
        <translation>أُعيد ترقيم %1 قنوات راديو بترتيبها</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>The receiver holds 1 byte that differs from what was sent, in block %1</source>
        <translation>يحتوي جهاز الاستقبال على بايت واحد يختلف عمّا أُرسل، في الكتلة %1</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in block %2</source>
        <translation>يحتوي جهاز الاستقبال على %1 بايت تختلف عمّا أُرسل، في الكتلة %2</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in blocks %2</source>
        <translation>يحتوي جهاز الاستقبال على %1 بايت تختلف عمّا أُرسل، في الكتل %2</translation>
    </message>
    <message numerus="yes">
        <source>The satellite, transponder or provider of %n channel(s) is not in this database: open the receiver&apos;s channel file first.</source>
        <translation>
            <numerusform>القمر أو التردد أو المزوّد الخاص بـ %n قناة غير موجود في قائمة القنوات هذه: افتح ملف قنوات جهاز الاستقبال أولًا.</numerusform>
            <numerusform>القمر أو التردد أو المزوّد الخاص بـ %n قناة غير موجود في قائمة القنوات هذه: افتح ملف قنوات جهاز الاستقبال أولًا.</numerusform>
            <numerusform>القمر أو التردد أو المزوّد الخاص بـ %n قناتان غير موجود في قائمة القنوات هذه: افتح ملف قنوات جهاز الاستقبال أولًا.</numerusform>
            <numerusform>القمر أو التردد أو المزوّد الخاص بـ %n قنوات غير موجود في قائمة القنوات هذه: افتح ملف قنوات جهاز الاستقبال أولًا.</numerusform>
            <numerusform>القمر أو التردد أو المزوّد الخاص بـ %n قناة غير موجود في قائمة القنوات هذه: افتح ملف قنوات جهاز الاستقبال أولًا.</numerusform>
            <numerusform>القمر أو التردد أو المزوّد الخاص بـ %n قناة غير موجود في قائمة القنوات هذه: افتح ملف قنوات جهاز الاستقبال أولًا.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Missing satellite</source>
        <translation>قمر مفقود</translation>
    </message>
    <message>
        <source>Missing transponder</source>
        <translation>تردد مفقود</translation>
    </message>
    <message>
        <source>Transponder of another satellite</source>
        <translation>تردد لقمر آخر</translation>
    </message>
    <message>
        <source>Missing provider</source>
        <translation>مزوّد مفقود</translation>
    </message>
    <message>
        <source>Duplicate channel</source>
        <translation>قناة مكررة</translation>
    </message>
    <message>
        <source>Gap in the numbers</source>
        <translation>فجوة في الترقيم</translation>
    </message>
    <message>
        <source>Number used twice</source>
        <translation>رقم مستخدم مرتين</translation>
    </message>
    <message>
        <source>Character not shown</source>
        <translation>حرف لا يُعرض</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>الاسم طويل جدًا</translation>
    </message>
    <message>
        <source>Channel without a name</source>
        <translation>قناة بلا اسم</translation>
    </message>
    <message>
        <source>Too many favourite groups</source>
        <translation>مجموعات مفضلة كثيرة جدًا</translation>
    </message>
    <message>
        <source>Favourite group not kept</source>
        <translation>مجموعة مفضلة لا تُحفظ</translation>
    </message>
    <message>
        <source>Table full</source>
        <translation>الجدول ممتلئ</translation>
    </message>
    <message>
        <source>Unused transponder</source>
        <translation>تردد غير مستخدم</translation>
    </message>
    <message>
        <source>Unused multiplex</source>
        <translation>مضاعف غير مستخدم</translation>
    </message>
    <message>
        <source>Transponder ids used up</source>
        <translation>نفدت معرّفات الترددات</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>المضاعفات الأرضية</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>مضاعفات الكابل</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>المزوّدون</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>الترددات</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>مجموعات المفضلة</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>أُضيف</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>حُذف</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>تغيّر</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>نُقل</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>أُعيدت تسميته</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>تغيّرت الخصائص</translation>
    </message>
    <message>
        <source>the configured model</source>
        <translation>الطراز المضبوط</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>الطراز %1</translation>
    </message>
    <message>
        <source>as %1 it holds %2 satellites, %3 transponders or multiplexes and %4 channels</source>
        <translation>بصفته %1 يحتوي على %2 أقمار و%3 ترددات أو مضاعفات و%4 قنوات</translation>
    </message>
    <message>
        <source>as %1 it cannot be read</source>
        <translation>بصفته %1 لا يمكن قراءته</translation>
    </message>
    <message>
        <source>as %1 it holds nothing</source>
        <translation>بصفته %1 لا يحتوي على شيء</translation>
    </message>
    <message>
        <source>as %1, %2 of its %3 records make no sense</source>
        <translation>بصفته %1، لا معنى لـ %2 من سجلاته الـ %3</translation>
    </message>
    <message>
        <source>This file looks like a %1 database, not %2: %3; %4.</source>
        <translation>يبدو هذا الملف قاعدة بيانات لـ %1، لا لـ %2: %3؛ %4.</translation>
    </message>
</context>
<context>
    <name>ComboValues</name>
    <message>
        <source>Vertical</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>C Single Solu.(5150,5750)</source>
        <translation>C Single Solu.(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>C Norm. LNBF(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>مخصّص</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Favourite groups %1 are past the %2 groups the other model keeps</source>
        <translation>مجموعات المفضلة %1 تقع خارج المجموعات الـ %2 التي يحفظها الطراز الآخر</translation>
    </message>
    <message>
        <source>1 satellite cannot be written: the other model keeps no satellites</source>
        <translation>لا يمكن كتابة قمر واحد: الطراز الآخر لا يحفظ أقمارًا</translation>
    </message>
    <message>
        <source>%1 satellites cannot be written: the other model keeps no satellites</source>
        <translation>لا يمكن كتابة %1 أقمار: الطراز الآخر لا يحفظ أقمارًا</translation>
    </message>
    <message>
        <source>1 transponder cannot be written: the other model keeps no transponders</source>
        <translation>لا يمكن كتابة تردد واحد: الطراز الآخر لا يحفظ ترددات</translation>
    </message>
    <message>
        <source>%1 transponders cannot be written: the other model keeps no transponders</source>
        <translation>لا يمكن كتابة %1 ترددات: الطراز الآخر لا يحفظ ترددات</translation>
    </message>
    <message>
        <source>1 cable multiplex cannot be written: the other model keeps no cable multiplexes</source>
        <translation>لا يمكن كتابة مضاعف كابل واحد: الطراز الآخر لا يحفظ مضاعفات كابل</translation>
    </message>
    <message>
        <source>%1 cable multiplexes cannot be written: the other model keeps no cable multiplexes</source>
        <translation>لا يمكن كتابة %1 مضاعفات كابل: الطراز الآخر لا يحفظ مضاعفات كابل</translation>
    </message>
    <message>
        <source>1 terrestrial multiplex cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>لا يمكن كتابة مضاعف أرضي واحد: ليس لدى الطراز الآخر موالف أرضي من هذا النوع</translation>
    </message>
    <message>
        <source>%1 terrestrial multiplexes cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>لا يمكن كتابة %1 مضاعفات أرضية: ليس لدى الطراز الآخر موالف أرضي من هذا النوع</translation>
    </message>
    <message>
        <source>The terrestrial side (satellite 1) cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>لا يمكن كتابة الجانب الأرضي (القمر 1): ليس لدى الطراز الآخر موالف أرضي من هذا النوع</translation>
    </message>
    <message>
        <source>Satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>سيُقرأ القمر 1 على أنه الجانب الأرضي (القمر 1) للطراز الآخر</translation>
    </message>
    <message>
        <source>1 transponder of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>سيُقرأ تردد واحد من القمر 1 على أنه الجانب الأرضي (القمر 1) للطراز الآخر</translation>
    </message>
    <message>
        <source>%1 transponders of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>ستُقرأ %1 ترددات من القمر 1 على أنها الجانب الأرضي (القمر 1) للطراز الآخر</translation>
    </message>
    <message>
        <source>1 channel of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>ستُقرأ قناة واحدة من القمر 1 على أنها الجانب الأرضي (القمر 1) للطراز الآخر</translation>
    </message>
    <message>
        <source>%1 channels of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>ستُقرأ %1 قنوات من القمر 1 على أنها الجانب الأرضي (القمر 1) للطراز الآخر</translation>
    </message>
    <message>
        <source>1 channel on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>لا يمكن كتابة قناة فضائية واحدة: ليس لدى الطراز الآخر موالف فضائي</translation>
    </message>
    <message>
        <source>%1 channels on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>لا يمكن كتابة %1 قنوات فضائية: ليس لدى الطراز الآخر موالف فضائي</translation>
    </message>
    <message>
        <source>1 channel on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>لا يمكن كتابة قناة أرضية واحدة: ليس لدى الطراز الآخر موالف أرضي</translation>
    </message>
    <message>
        <source>%1 channels on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>لا يمكن كتابة %1 قنوات أرضية: ليس لدى الطراز الآخر موالف أرضي</translation>
    </message>
    <message>
        <source>1 channel on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>لا يمكن كتابة قناة كابل واحدة: ليس لدى الطراز الآخر موالف كابل</translation>
    </message>
    <message>
        <source>%1 channels on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>لا يمكن كتابة %1 قنوات كابل: ليس لدى الطراز الآخر موالف كابل</translation>
    </message>
    <message>
        <source>1 satellite has second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>لقمر واحد إعدادات للموالف الثاني لا يستطيع الطراز الآخر، ذو الموالف الواحد، حفظها</translation>
    </message>
    <message>
        <source>%1 satellites have second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>لـ %1 أقمار إعدادات للموالف الثاني لا يستطيع الطراز الآخر، ذو الموالف الواحد، حفظها</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>تعذّرت قراءة ترويسة الملف. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>تعذّر فتح ملف الإصدار أو أنه غير صالح</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>تعذّر حفظ ملف القنوات</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>البيانات المراد إرسالها فارغة أو غير صالحة</translation>
    </message>
    <message>
        <source>Cannot write the work file in the temporary folder</source>
        <translation>تعذّرت كتابة ملف العمل في المجلد المؤقت</translation>
    </message>
    <message>
        <source>Cannot open the workbook file</source>
        <translation>تعذّر فتح المصنف</translation>
    </message>
    <message>
        <source>Cannot open the workbook file: not a regular file</source>
        <translation>تعذّر فتح المصنف: ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>Not a readable Excel 97-2003 workbook</source>
        <translation>ليس مصنف Excel 97-2003 قابلًا للقراءة</translation>
    </message>
    <message>
        <source>The workbook is password-protected</source>
        <translation>المصنف محمي بكلمة مرور</translation>
    </message>
    <message>
        <source>The workbook has two sheets &quot;Channel&quot;: cannot tell which to replace</source>
        <translation>في المصنف ورقتان &quot;Channel&quot;: لا يمكن معرفة أيهما تُستبدل</translation>
    </message>
    <message>
        <source>The workbook has no sheet &quot;Channel&quot;</source>
        <translation>لا توجد في المصنف ورقة &quot;Channel&quot;</translation>
    </message>
    <message>
        <source>Cannot write the workbook file</source>
        <translation>تعذّرت كتابة المصنف</translation>
    </message>
    <message>
        <source>The channel sheet holds names the receiver cannot keep: correct them in the rows named, or open it with the names cut to fit</source>
        <translation>ورقة القنوات تحتوي على أسماء لا يستطيع جهاز الاستقبال حفظها: صحّحها في الصفوف المذكورة، أو افتحها مع قصّ الأسماء لتتسع</translation>
    </message>
    <message>
        <source>Too many channels for one worksheet (at most 65535)</source>
        <translation>قنوات كثيرة جدًا لورقة واحدة (65535 كحد أقصى)</translation>
    </message>
    <message>
        <source>The channel sheet holds a value its column cannot take: correct it in the file</source>
        <translation>ورقة القنوات تحتوي على قيمة لا يقبلها عمودها: صحّحها في الملف</translation>
    </message>
    <message>
        <source>The CSV file does not read as the channel sheet: correct it at the line named</source>
        <translation>لا يمكن قراءة ملف CSV كورقة قنوات: صحّحه في السطر المذكور</translation>
    </message>
    <message>
        <source>This is an Excel 2007 or later workbook (.xlsx). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>هذا مصنف Excel 2007 أو أحدث (.xlsx). احفظه بصيغة Excel 97-2003 (.xls) أو CSV في برنامج الجداول لديك.</translation>
    </message>
    <message>
        <source>This is an OpenDocument spreadsheet (.ods). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>هذا جدول بيانات OpenDocument (.ods). احفظه بصيغة Excel 97-2003 (.xls) أو CSV في برنامج الجداول لديك.</translation>
    </message>
</context>
<context>
    <name>EditResult</name>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>لا يمكن النسخ من قنوات التلفزيون إلى قنوات الراديو</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>لا يمكن النسخ من قنوات الراديو إلى قنوات التلفزيون</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>لا يمكن النقل من قنوات التلفزيون إلى قنوات الراديو</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>لا يمكن النقل من قنوات الراديو إلى قنوات التلفزيون</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size (at most 19 characters)</source>
        <translation>تعذّر تغيير اسم مجموعة المفضلة: الاسم طويل جدًا (19 حرفًا كحد أقصى)</translation>
    </message>
    <message>
        <source>Favorite group does not exist</source>
        <translation>مجموعة المفضلة غير موجودة</translation>
    </message>
    <message>
        <source>Name string is empty!</source>
        <translation>الاسم فارغ!</translation>
    </message>
    <message>
        <source>A channel name is longer than the receiver keeps: nothing changed</source>
        <translation>اسم قناة أطول مما يحفظه جهاز الاستقبال: لم يتغيّر شيء</translation>
    </message>
    <message>
        <source>The transponder&apos;s satellite does not exist</source>
        <translation>قمر التردد غير موجود</translation>
    </message>
    <message>
        <source>Cannot add a satellite: satellite IDs end at 255</source>
        <translation>لا يمكن إضافة قمر: معرّفات الأقمار تنتهي عند 255</translation>
    </message>
    <message>
        <source>Cannot add a transponder to this satellite: transponder IDs end at 255</source>
        <translation>لا يمكن إضافة تردد إلى هذا القمر: معرّفات الترددات تنتهي عند 255</translation>
    </message>
    <message>
        <source>Cannot add a Mux: Mux IDs end at 255</source>
        <translation>لا يمكن إضافة مضاعف: معرّفات المضاعفات تنتهي عند 255</translation>
    </message>
    <message>
        <source>Cannot add a provider: broadcast IDs end at 65535</source>
        <translation>لا يمكن إضافة مزوّد: معرّفات المزوّدين تنتهي عند 65535</translation>
    </message>
    <message>
        <source>The record could not be stored</source>
        <translation>تعذّر حفظ السجل</translation>
    </message>
</context>
<context>
    <name>FilterText</name>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Satellite %1</source>
        <translation>القمر %1</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>المضاعف %1</translation>
    </message>
    <message>
        <source>%1 · transponder %2 %3</source>
        <translation>%1 · التردد %2 %3</translation>
    </message>
    <message>
        <source>Cable multiplex</source>
        <translation>مضاعف الكابل</translation>
    </message>
    <message>
        <source>Cable multiplex %1</source>
        <translation>مضاعف الكابل %1</translation>
    </message>
    <message>
        <source>Multiplex, RF channel %1</source>
        <translation>مضاعف، قناة RF %1</translation>
    </message>
    <message>
        <source>Favourite group %1</source>
        <translation>مجموعة المفضلة %1</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>كل القنوات</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>Provider %1</source>
        <translation>المزوّد %1</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>الفئة %1</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>waiting for the receiver</source>
        <translation>بانتظار جهاز الاستقبال</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>جارٍ إرسال الكتلة %1 من %2</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>جارٍ التحقق</translation>
    </message>
    <message>
        <source>done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>فشل: %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent</source>
        <translation>يحتوي جهاز الاستقبال على قائمة قنوات تختلف عن المرسلة</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>تم التحقق</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>أُرسلت</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>فشل</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>أُوقف</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>None</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>أفلام</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>أخبار ومعلومات</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>ترفيه</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>رياضة</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>أطفال</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>وثائقيات</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>تعليم</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>أسلوب حياة</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>دراما</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>موسيقى</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>فنون</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>شؤون جارية</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>خاص</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>كوميديا</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>أفلام وثائقية</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Index</source>
        <translation>الفهرس</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>المعرّف</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>TPID</source>
        <extracomment>Column header: id of the transponder (carrier) record.</extracomment>
        <translation>TPID</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS ID</translation>
    </message>
    <message>
        <source>Sat ID</source>
        <translation>Sat ID</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>FEC</source>
        <extracomment>Column header: forward error correction (code rate, e.g. 3/4); usually kept as is.</extracomment>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>التردد (MHz)</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>نمط الإرسال</translation>
    </message>
    <message>
        <source>C.R.</source>
        <extracomment>Column header, terrestrial multiplex: code rate (e.g. 2/3). Abbreviate.</extracomment>
        <translation>م.الترميز</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>التشكيل</translation>
    </message>
    <message>
        <source>G.I.</source>
        <extracomment>Column header, terrestrial multiplex: guard interval (e.g. 1/32). Abbreviate.</extracomment>
        <translation>ف.الحماية</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>الأولوية</translation>
    </message>
    <message>
        <source>MUX</source>
        <extracomment>Column header, cable: number of the multiplex (the carrier), not a verb.</extracomment>
        <translation>MUX</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>NET ID</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>ORG NID</translation>
    </message>
    <message>
        <source>Const</source>
        <extracomment>Column header, cable: constellation (QAM order, e.g. 64 QAM). Abbreviate.</extracomment>
        <translation>التشكيل</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>معكوس</translation>
    </message>
    <message>
        <source>Mark</source>
        <extracomment>Column header, cable: the multiplex&apos;s marker flag (a check mark), not a brand.</extracomment>
        <translation>علامة</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>Column header: number (the row&apos;s position), not the word &quot;no&quot;.</extracomment>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>معرّف المزوّد</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>العدد</translation>
    </message>
</context>
<context>
    <name>ListPrint</name>
    <message>
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Transponder / multiplex</source>
        <translation>التردد / المضاعف</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>مشفّرة</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>متخطاة</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>قنوات التلفزيون</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>قنوات الراديو</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>لا قنوات</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>Radio %1 &quot;%2&quot;</source>
        <translation>راديو %1 «%2»</translation>
    </message>
    <message>
        <source>TV %1 &quot;%2&quot;</source>
        <translation>تلفزيون %1 «%2»</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>السجل %1</translation>
    </message>
    <message>
        <source>%1, cut to &quot;%2&quot;</source>
        <translation>%1، مقصوص إلى «%2»</translation>
    </message>
    <message>
        <source>Save for another model</source>
        <translation>حفظ لطراز آخر</translation>
    </message>
    <message>
        <source>%1 cannot hold everything of this database. These are not written:</source>
        <translation>لا يستطيع %1 استيعاب كل ما في قائمة القنوات هذه. لن يُكتب ما يلي:</translation>
    </message>
    <message>
        <source>&amp;Save without them</source>
        <translation>&amp;حفظ دونها</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>This model cannot hold the channel</source>
        <translation>لا يستطيع هذا الطراز حفظ القناة</translation>
    </message>
    <message>
        <source>The satellite table is full</source>
        <translation>جدول الأقمار ممتلئ</translation>
    </message>
    <message>
        <source>This model keeps no satellites</source>
        <translation>هذا الطراز لا يحفظ أقمارًا</translation>
    </message>
    <message>
        <source>The transponder table is full</source>
        <translation>جدول الترددات ممتلئ</translation>
    </message>
    <message>
        <source>This model keeps no transponders</source>
        <translation>هذا الطراز لا يحفظ ترددات</translation>
    </message>
    <message>
        <source>The multiplex table is full</source>
        <translation>جدول المضاعفات ممتلئ</translation>
    </message>
    <message>
        <source>This model keeps no terrestrial multiplexes</source>
        <translation>هذا الطراز لا يحفظ مضاعفات أرضية</translation>
    </message>
    <message>
        <source>This model keeps no cable multiplexes</source>
        <translation>هذا الطراز لا يحفظ مضاعفات كابل</translation>
    </message>
    <message>
        <source>The provider table is full</source>
        <translation>جدول المزوّدين ممتلئ</translation>
    </message>
    <message>
        <source>This model keeps no providers</source>
        <translation>هذا الطراز لا يحفظ مزوّدين</translation>
    </message>
    <message>
        <source>The channel table is full</source>
        <translation>جدول القنوات ممتلئ</translation>
    </message>
    <message>
        <source>This model keeps no channels</source>
        <translation>هذا الطراز لا يحفظ قنوات</translation>
    </message>
    <message>
        <source>Its satellite is not in the other list as this model holds it</source>
        <translation>قمرها غير موجود في القائمة الأخرى كما يحفظها هذا الطراز</translation>
    </message>
    <message>
        <source>Its transponder is not in the other list as this model holds it</source>
        <translation>ترددها غير موجود في القائمة الأخرى كما يحفظها هذا الطراز</translation>
    </message>
    <message>
        <source>Every id this model has for such a record is taken</source>
        <translation>كل المعرّفات التي لدى هذا الطراز لسجل كهذا مشغولة</translation>
    </message>
    <message>
        <source>No channel number of its kind is left for it</source>
        <translation>لم يبقَ لها رقم قناة من نوعها</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Already here</source>
        <translation>موجودة مسبقًا</translation>
    </message>
    <message>
        <source>Cannot add</source>
        <translation>تتعذّر الإضافة</translation>
    </message>
</context>
<context>
    <name>NetworkEdits</name>
    <message>
        <source>Broadcast Name : %1 (ID : %2)</source>
        <translation>اسم المزوّد: %1 (المعرّف: %2)</translation>
    </message>
</context>
<context>
    <name>OtherModel</name>
    <message>
        <source>Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>هل تريد فتحها كقاعدة بيانات للطراز %1؟ ستعمل النافذة حينها بالطراز %1 حتى التشغيل التالي.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>not three fields Pr#;Name;ONID-TSID-SID</source>
        <translation>ليست ثلاثة حقول Pr#;Name;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the program number is not a number from 0 to 65535</source>
        <translation>رقم البرنامج ليس عددًا من 0 إلى 65535</translation>
    </message>
    <message>
        <source>the ids are not three numbers ONID-TSID-SID</source>
        <translation>المعرّفات ليست ثلاثة أعداد ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>الاسم فارغ</translation>
    </message>
    <message>
        <source>the name is longer than a channel name can be</source>
        <translation>الاسم أطول مما يمكن أن يكون عليه اسم قناة</translation>
    </message>
    <message>
        <source>The list was read as UTF-8.</source>
        <translation>قُرئت القائمة بترميز UTF-8.</translation>
    </message>
    <message>
        <source>The list was read as Latin-1: its bytes are not UTF-8.</source>
        <translation>قُرئت القائمة بترميز Latin-1: بايتاتها ليست UTF-8.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Already Serial Port opened or disconnected. Check STB status</source>
        <translation>المنفذ التسلسلي مفتوح مسبقًا أو غير متصل. تحقق من جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Cannot open temporary file or initialize</source>
        <translation>تعذّر فتح الملف المؤقت أو تهيئته</translation>
    </message>
    <message>
        <source>Connecting to Serial.....</source>
        <translation>جارٍ الاتصال بالمنفذ التسلسلي...</translation>
    </message>
    <message>
        <source>Send fail write(script) command</source>
        <translation>فشل إرسال أمر الكتابة (السكربت)</translation>
    </message>
    <message>
        <source>Send fail write command</source>
        <translation>فشل إرسال أمر الكتابة</translation>
    </message>
    <message>
        <source>Data send fail!!...</source>
        <translation>فشل إرسال البيانات!</translation>
    </message>
    <message>
        <source>Received all data completely.</source>
        <translation>استُلمت كل البيانات بالكامل.</translation>
    </message>
    <message>
        <source>Would you like to close connected serial port ?</source>
        <translation>هل تريد إغلاق المنفذ التسلسلي المتصل؟</translation>
    </message>
    <message>
        <source>Downloading (%.2f%%)......  </source>
        <translation>جارٍ الاستقبال (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Uploading (%.2f%%)......  </source>
        <translation>جارٍ الإرسال (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Turn off STB and on...</source>
        <translation>أطفئ جهاز الاستقبال ثم شغّله...</translation>
    </message>
    <message>
        <source>Waiting reboot STB...</source>
        <translation>بانتظار إعادة تشغيل جهاز الاستقبال...</translation>
    </message>
    <message>
        <source>Data upload complete. Wait a second...</source>
        <translation>اكتمل إرسال البيانات. لحظة من فضلك...</translation>
    </message>
    <message>
        <source>Data upload complete. Writing data...</source>
        <translation>اكتمل إرسال البيانات. جارٍ حفظها...</translation>
    </message>
    <message>
        <source>Sent and wrote all data completely.</source>
        <translation>أُرسلت كل البيانات وحُفظت بالكامل.</translation>
    </message>
    <message>
        <source>Fail to send all data.</source>
        <translation>تعذّر إرسال كل البيانات.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost after block %1 of %2.</source>
        <translation>انقطع الاتصال بجهاز الاستقبال بعد الكتلة %1 من %2.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost before the first block.</source>
        <translation>انقطع الاتصال بجهاز الاستقبال قبل الكتلة الأولى.</translation>
    </message>
    <message>
        <source>The receiver sent a block it was not asked for, so a block may have been taken twice: nothing received is kept</source>
        <translation>أرسل جهاز الاستقبال كتلة لم تُطلب منه، فربما أُخذت كتلة مرتين: لن يُحتفظ بأي شيء مما استُلم</translation>
    </message>
</context>
<context>
    <name>Transponders</name>
    <message>
        <source>declarations and entities have no place in a transponder table</source>
        <translation>لا مكان للتصريحات والكيانات في جدول الترددات</translation>
    </message>
    <message>
        <source>elements nested deeper than a satellite&apos;s transponders</source>
        <translation>عناصر متداخلة أعمق من ترددات القمر</translation>
    </message>
    <message>
        <source>a transponder outside a satellite or cable network</source>
        <translation>تردد خارج قمر أو شبكة كابل</translation>
    </message>
    <message>
        <source>the attribute %1 is longer than %2 characters</source>
        <translation>السمة %1 أطول من %2 حرفًا</translation>
    </message>
    <message>
        <source>the position %1 is not tenths of a degree from -1800 to 1800</source>
        <translation>الموقع %1 ليس بأعشار الدرجة من -1800 إلى 1800</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <translation>أكثر من %1 تردد</translation>
    </message>
    <message>
        <source>the frequency %1 is not a satellite carrier in kHz</source>
        <translation>التردد %1 ليس حاملًا فضائيًا بالكيلوهرتز</translation>
    </message>
    <message>
        <source>the symbol rate %1 is not in symbols per second</source>
        <translation>معدل الرموز %1 ليس بالرموز في الثانية</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in kHz</source>
        <translation>التردد %1 ليس حامل كابل بالكيلوهرتز</translation>
    </message>
    <message>
        <source>the attribute %1 is missing</source>
        <translation>السمة %1 مفقودة</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number</source>
        <translation>القيمة %1=&quot;%2&quot; ليست عددًا</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a value the format knows</source>
        <translation>القيمة %1=&quot;%2&quot; ليست قيمة يعرفها التنسيق</translation>
    </message>
    <message>
        <source>the table is larger than any transponder table</source>
        <translation>الجدول أكبر من أي جدول ترددات</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY and SYMBOL_RATE</source>
        <translation>قسم [CHANNEL] دون FREQUENCY و SYMBOL_RATE</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in Hz</source>
        <translation>التردد %1 ليس حامل كابل بالهرتز</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>السطر أطول من %1 حرفًا</translation>
    </message>
    <message>
        <source>the line holds a byte no text holds</source>
        <translation>في السطر بايت لا يرد في أي نص</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not KEY = VALUE</source>
        <translation>السطر «%1» ليس بالصيغة المفتاح = القيمة</translation>
    </message>
    <message>
        <source>a value before the first [CHANNEL]</source>
        <translation>قيمة قبل أول [CHANNEL]</translation>
    </message>
    <message>
        <source>%1 = %2 is not a value the format knows</source>
        <translation>القيمة %1 = %2 ليست قيمة يعرفها التنسيق</translation>
    </message>
    <message>
        <source>%1 = %2 is not a number</source>
        <translation>القيمة %1 = %2 ليست عددًا</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 lists cable multiplexes, which this model does not keep</source>
        <translation>يسرد %1 مضاعفات كابل لا يحفظها هذا الطراز</translation>
    </message>
    <message>
        <source>%1 lists %2 cable networks: keep the one of this list</source>
        <translation>يسرد %1 عدد %2 من شبكات الكابل: أبقِ شبكة هذه القائمة</translation>
    </message>
    <message>
        <source>%1 names no orbital position: choose the satellite to update</source>
        <translation>لا يذكر %1 أي موقع مداري: اختر القمر المراد تحديثه</translation>
    </message>
    <message>
        <source>%1 lists the satellite at %2 twice (lines %3 and %4): keep one of them</source>
        <translation>يسرد %1 القمر على %2 مرتين (السطران %3 و%4): أبقِ أحدهما</translation>
    </message>
    <message>
        <source>Neither the list nor %1 has a satellite at %2</source>
        <translation>لا القائمة ولا %1 فيها قمر على %2</translation>
    </message>
    <message>
        <source>%1 has no satellite of the list</source>
        <translation>ليس في %1 أي قمر من القائمة</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>تغيّر</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>زائل</translation>
    </message>
    <message>
        <source>the table does not begin with &lt;satellites&gt;, &lt;cables&gt; or &lt;locations&gt;</source>
        <translation>لا يبدأ الجدول بـ &lt;satellites&gt; أو &lt;cables&gt; أو &lt;locations&gt;</translation>
    </message>
    <message>
        <source>the frequency %1 is not a terrestrial carrier in Hz</source>
        <translation>التردد %1 ليس حاملًا أرضيًا بالهرتز</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY</source>
        <translation>قسم [CHANNEL] بلا FREQUENCY</translation>
    </message>
    <message>
        <source>%1 lists terrestrial multiplexes, which this model does not keep</source>
        <translation>يسرد %1 مضاعفات أرضية لا يحفظها هذا الطراز</translation>
    </message>
    <message>
        <source>%1 lists %2 terrestrial regions: keep the one of this list</source>
        <translation>يسرد %1 عدد %2 من المناطق الأرضية: أبقِ منطقة هذه القائمة</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Renumber</source>
        <translation>إعادة الترقيم</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>إزالة المكررات</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>حذف غير المستخدم</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>إسناد إلى مزوّد</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>إزالة من المفضلة</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>النقل إلى هنا</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>إعادة الترتيب</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>نقل</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>Undo step: channels marked locked (parental lock). Short.</extracomment>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Undo step: channels marked to be skipped when zapping. Short.</extracomment>
        <translation>تخطٍّ</translation>
    </message>
    <message>
        <source>Drop on satellite</source>
        <translation>إسقاط على قمر</translation>
    </message>
    <message>
        <source>Drop on multiplex</source>
        <translation>إسقاط على مضاعف</translation>
    </message>
    <message>
        <source>Drop on transponder</source>
        <translation>إسقاط على تردد</translation>
    </message>
    <message>
        <source>Drop on provider</source>
        <translation>إسقاط على مزوّد</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>إضافة إلى مجموعة مفضلة</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>تعيين الفئة</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>حذف المكررات</translation>
    </message>
    <message>
        <source>Rename by pattern</source>
        <translation>إعادة التسمية بنمط</translation>
    </message>
    <message>
        <source>Sort and renumber</source>
        <translation>الفرز وإعادة الترقيم</translation>
    </message>
    <message>
        <source>Remove unused</source>
        <translation>إزالة غير المستخدم</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>إعادة تسمية مجموعة المفضلة</translation>
    </message>
    <message>
        <source>Clear favourite group</source>
        <translation>إفراغ مجموعة المفضلة</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>حذف مجموعة المفضلة</translation>
    </message>
    <message>
        <source>Workbook import</source>
        <translation>استيراد مصنف</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>قمر جديد</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>تردد جديد</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>مضاعف جديد</translation>
    </message>
    <message>
        <source>New provider</source>
        <translation>مزوّد جديد</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>تعديل القمر</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>تعديل التردد</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>تعديل المضاعف</translation>
    </message>
    <message>
        <source>Update provider</source>
        <translation>تعديل المزوّد</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>نقل الترددات</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>تطبيق قائمة مرجعية</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>دمج من</translation>
    </message>
    <message>
        <source>Update transponders</source>
        <translation>تحديث الترددات</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Line %1, field %2: the quoted text is never closed</source>
        <translation>السطر %1، الحقل %2: النص بين علامتي الاقتباس لا يُغلق أبدًا</translation>
    </message>
    <message>
        <source>Line %1, field %2: a quote inside a field that does not start with one</source>
        <translation>السطر %1، الحقل %2: علامة اقتباس داخل حقل لا يبدأ بها</translation>
    </message>
    <message>
        <source>Line %1, field %2: text after the closing quote</source>
        <translation>السطر %1، الحقل %2: نص بعد علامة الاقتباس الختامية</translation>
    </message>
    <message>
        <source>Line %1, field %2: longer than %3 characters</source>
        <translation>السطر %1، الحقل %2: أطول من %3 حرفًا</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; the channel sheet has %3</source>
        <translation>في السطر %1 عدد %2 من الحقول؛ وفي ورقة القنوات %3</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4</source>
        <translation>السطر %1، الحقل %2 (%3): %4</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5</source>
        <translation>الورقة «%1»، الصف %2، العمود %3 (%4): %5</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): &quot;%4&quot; is not a number</source>
        <translation>السطر %1، الحقل %2 (%3): «%4» ليس عددًا</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): &quot;%5&quot; is not a number</source>
        <translation>الورقة «%1»، الصف %2، العمود %3 (%4): «%5» ليس عددًا</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4 is outside %5 to %6</source>
        <translation>السطر %1، الحقل %2 (%3): %4 خارج النطاق من %5 إلى %6</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5 is outside %6 to %7</source>
        <translation>الورقة «%1»، الصف %2، العمود %3 (%4): %5 خارج النطاق من %6 إلى %7</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupCommands</name>
    <message>
        <source>Restore…</source>
        <translation>استعادة…</translation>
    </message>
    <message>
        <source>Open an image kept from a receive or a send</source>
        <translation>فتح صورة محفوظة من عملية استقبال أو إرسال</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>التحقق بعد الإرسال</translation>
    </message>
    <message>
        <source>Receive the image back after a send and compare it</source>
        <translation>استقبال الصورة مجددًا بعد الإرسال ومقارنتها</translation>
    </message>
    <message>
        <source>Against the image last received from or sent to this receiver (%1):</source>
        <translation>مقارنةً بآخر صورة استُقبلت من جهاز الاستقبال هذا أو أُرسلت إليه (%1):</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>لا فروق.</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>ما الذي سيتغيّر</translation>
    </message>
    <message>
        <source>No image kept from this receiver matches its checksum: the send is not compared.</source>
        <translation>لا توجد صورة محفوظة من جهاز الاستقبال هذا تطابق مجموعها الاختباري: لن يُقارن الإرسال.</translation>
    </message>
    <message>
        <source>The newest image kept from this receiver (%1) no longer matches its checksum; compared with the one kept %2 instead.</source>
        <translation>أحدث صورة محفوظة من جهاز الاستقبال هذا (%1) لم تعد تطابق مجموعها الاختباري؛ قورن بدلًا منها بالصورة المحفوظة في %2.</translation>
    </message>
    <message>
        <source>The received list was not opened; it is kept among the backups (Receiver → Restore…).</source>
        <translation>لم تُفتح القائمة المستقبلة؛ وهي محفوظة بين النسخ الاحتياطية (جهاز الاستقبال ← استعادة…).</translation>
    </message>
    <message>
        <source>Verify: Receive data from STB</source>
        <translation>التحقق: استقبال البيانات من جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Cannot verify the send: %1</source>
        <translation>تعذّر التحقق من الإرسال: %1</translation>
    </message>
    <message>
        <source>the image cannot be read</source>
        <translation>تعذّرت قراءة الصورة</translation>
    </message>
    <message>
        <source>Verification failed</source>
        <translation>فشل التحقق</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent:</source>
        <translation>يحتوي جهاز الاستقبال على قائمة قنوات تختلف عن المرسلة:</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>تم التحقق: نُقل كل شيء بشكل صحيح</translation>
    </message>
    <message>
        <source>Cannot keep a backup of the image: %1</source>
        <translation>تعذّر حفظ نسخة احتياطية من الصورة: %1</translation>
    </message>
    <message>
        <source>This backup is of model %1. Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>هذه النسخة الاحتياطية من الطراز %1. هل تريد فتحها كقاعدة بيانات للطراز %1؟ ستعمل النافذة حينها بالطراز %1 حتى التشغيل التالي.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupsDialog</name>
    <message>
        <source>Received</source>
        <translation>مستقبلة</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>مرسلة</translation>
    </message>
    <message>
        <source>Read back after a send</source>
        <translation>مقروءة بعد إرسال</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>حُفظت في</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>الطراز</translation>
    </message>
    <message>
        <source>%1 (another model)</source>
        <translation>%1 (طراز آخر)</translation>
    </message>
    <message>
        <source>Checksum %1</source>
        <translation>المجموع الاختباري %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChangesDialog</name>
    <message>
        <source>Table</source>
        <translation>الجدول</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>التغيير</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>لا فروق.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGrid</name>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>جديد...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>تعديل...</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>حذف          	Delete</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>نسخ          	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>لصق          	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>النقل إلى هنا</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>إضافة إلى مجموعة مفضلة</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>قفل...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>تخطٍّ...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>تحديد...</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>تحديد الكل      Ctrl+A</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>المقفلة</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>المشفّرة</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>الموالف 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>الموالف 2</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>عكس التحديد</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>الوصف...	Enter</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>إزالة من المفضلة</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>هل تريد حذف العناصر المحددة؟</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)?</source>
        <translation>
            <numerusform>حذف %n قناة؟</numerusform>
            <numerusform>حذف %n قناة؟</numerusform>
            <numerusform>حذف %n قناتان؟</numerusform>
            <numerusform>حذف %n قنوات؟</numerusform>
            <numerusform>حذف %n قناة؟</numerusform>
            <numerusform>حذف %n قناة؟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGridModel</name>
    <message>
        <source>CAS</source>
        <extracomment>Column tip: scrambled (conditional access).</extracomment>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>متخطاة</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>الموالف</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCheckCommands</name>
    <message>
        <source>Check</source>
        <translation>فحص</translation>
    </message>
    <message>
        <source>Check the database against what the receiver holds</source>
        <translation>فحص قائمة القنوات مقابل ما يستطيع جهاز الاستقبال حفظه</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>مقارنة بملف…</translation>
    </message>
    <message>
        <source>Show what changes from a channel file to the open database</source>
        <translation>عرض ما يتغيّر من ملف قنوات إلى قائمة القنوات المفتوحة</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>هل تريد الإرسال رغم ذلك؟</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>مقارنة بملف</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>ملف ثنائي (*.bin)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>ما الذي سيتغيّر</translation>
    </message>
    <message>
        <source>From %1 to the open database:</source>
        <translation>من %1 إلى قائمة القنوات المفتوحة:</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (المعرّف %2)</translation>
    </message>
    <message>
        <source>No provider</source>
        <translation>بلا مزوّد</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>إسناد إلى مزوّد</translation>
    </message>
    <message>
        <source>The channels of provider %1, which does not exist, go to:</source>
        <translation>قنوات المزوّد %1، غير الموجود، تذهب إلى:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCurateCommands</name>
    <message>
        <source>Filter channels</source>
        <translation>تصفية القنوات</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>تحديد كل المعروض</translation>
    </message>
    <message>
        <source>Find duplicates...</source>
        <translation>بحث عن المكررات...</translation>
    </message>
    <message>
        <source>Rename by pattern...</source>
        <translation>إعادة التسمية بنمط...</translation>
    </message>
    <message>
        <source>Sort and renumber...</source>
        <translation>الفرز وإعادة الترقيم...</translation>
    </message>
    <message>
        <source>Remove unused...</source>
        <translation>إزالة غير المستخدم...</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate channel(s) deleted</source>
        <translation>
            <numerusform>حُذفت %n قناة مكررة</numerusform>
            <numerusform>حُذفت %n قناة مكررة</numerusform>
            <numerusform>حُذفت %n قناتان مكررة</numerusform>
            <numerusform>حُذفت %n قنوات مكررة</numerusform>
            <numerusform>حُذفت %n قناة مكررة</numerusform>
            <numerusform>حُذفت %n قناة مكررة</numerusform>
        </translation>
    </message>
    <message>
        <source>Select the channels to rename first.</source>
        <translation>حدّد القنوات المراد إعادة تسميتها أولًا.</translation>
    </message>
    <message numerus="yes">
        <source>%n unused record(s) removed</source>
        <translation>
            <numerusform>أُزيل %n سجل غير مستخدم</numerusform>
            <numerusform>أُزيل %n سجل غير مستخدم</numerusform>
            <numerusform>أُزيل %n سجلان غير مستخدم</numerusform>
            <numerusform>أُزيل %n سجلات غير مستخدم</numerusform>
            <numerusform>أُزيل %n سجلًا غير مستخدم</numerusform>
            <numerusform>أُزيل %n سجل غير مستخدم</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CDuplicatesDialog</name>
    <message>
        <source>same service</source>
        <translation>الخدمة نفسها</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>الاسم نفسه</translation>
    </message>
    <message>
        <source>SD and HD versions of a name</source>
        <translation>نسختا SD وHD من اسم واحد</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>بحث عن المكررات</translation>
    </message>
    <message>
        <source>The lowest number</source>
        <translation>الرقم الأصغر</translation>
    </message>
    <message>
        <source>HD over SD</source>
        <translation>‏HD قبل SD</translation>
    </message>
    <message>
        <source>Free-to-air over scrambled</source>
        <translation>المفتوحة قبل المشفّرة</translation>
    </message>
    <message>
        <source>The one in a favourite group</source>
        <translation>التي في مجموعة مفضلة</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>الإبقاء على:</translation>
    </message>
    <message>
        <source>Count SD and HD versions as duplicates</source>
        <translation>عدّ نسختي SD وHD مكررتين</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>حذف المكررات</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>المجموعة %1: %2</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>إبقاء</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>لا مكررات.</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) ticked</source>
        <translation>
            <numerusform>‏%n مجموعة محددة</numerusform>
            <numerusform>‏%n مجموعة محددة</numerusform>
            <numerusform>‏%n مجموعتان محددة</numerusform>
            <numerusform>‏%n مجموعات محددة</numerusform>
            <numerusform>‏%n مجموعة محددة</numerusform>
            <numerusform>‏%n مجموعة محددة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be deleted, one of each group kept.</source>
        <translation>
            <numerusform>ستُحذف %n قناة، ويبقى واحد من كل مجموعة.</numerusform>
            <numerusform>ستُحذف %n قناة، ويبقى واحد من كل مجموعة.</numerusform>
            <numerusform>ستُحذف %n قناتان، ويبقى واحد من كل مجموعة.</numerusform>
            <numerusform>ستُحذف %n قنوات، ويبقى واحد من كل مجموعة.</numerusform>
            <numerusform>ستُحذف %n قناة، ويبقى واحد من كل مجموعة.</numerusform>
            <numerusform>ستُحذف %n قناة، ويبقى واحد من كل مجموعة.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Every favourite group the receiver keeps is in use: clear or delete one first.</source>
        <translation>كل مجموعات المفضلة التي يحفظها جهاز الاستقبال مستخدمة: أفرغ إحداها أو احذفها أولًا.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New group...</source>
        <translation>مجموعة جديدة...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>إعادة تسمية...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>إفراغ</translation>
    </message>
    <message>
        <source>Take every channel out of %1?</source>
        <translation>إخراج كل القنوات من %1؟</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete the favourite group %1? Its channels stay in the list.</source>
        <translation>حذف مجموعة المفضلة %1؟ تبقى قنواتها في القائمة.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFilterBar</name>
    <message>
        <source>Filter channels by name</source>
        <translation>تصفية القنوات بالاسم</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>تعبير نمطي</translation>
    </message>
    <message>
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>تحديد كل المعروض</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>التردد أو المضاعف</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>مجموعة المفضلة</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>تلفزيون أو راديو</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>تلفزيون وراديو</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>تلفزيون فقط</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>راديو فقط</translation>
    </message>
    <message>
        <source>Scrambled or free</source>
        <translation>مشفّرة أو مفتوحة</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>مشفّرة</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>Filter choice: free-to-air channels (not scrambled), not free of charge.</extracomment>
        <translation>مفتوحة</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>Locked or not</source>
        <translation>مقفلة أو لا</translation>
    </message>
    <message>
        <source>Not locked</source>
        <translation>غير مقفلة</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>متخطاة</translation>
    </message>
    <message>
        <source>Skipped or not</source>
        <translation>متخطاة أو لا</translation>
    </message>
    <message>
        <source>Not skipped</source>
        <translation>غير متخطاة</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>أي قمر</translation>
    </message>
    <message>
        <source>Any provider</source>
        <translation>أي مزوّد</translation>
    </message>
    <message>
        <source>In a group or not</source>
        <translation>في مجموعة أو لا</translation>
    </message>
    <message>
        <source>In a favourite group</source>
        <translation>في مجموعة مفضلة</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>ليست في أي مجموعة مفضلة</translation>
    </message>
    <message>
        <source>Any frequency</source>
        <translation>أي تردد</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>ليس تعبيرًا نمطيًا: %1</translation>
    </message>
    <message>
        <source>More (%1)</source>
        <translation>المزيد (%1)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFindingsDock</name>
    <message>
        <source>Renumber</source>
        <translation>إعادة الترقيم</translation>
    </message>
    <message>
        <source>Remove ticked duplicates</source>
        <translation>إزالة المكررات المحددة</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>حذف غير المستخدم</translation>
    </message>
    <message>
        <source>Assign to a provider…</source>
        <translation>إسناد إلى مزوّد…</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>إصلاح</translation>
    </message>
    <message>
        <source>No faults found.</source>
        <translation>لم يُعثر على أخطاء.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>‏%n خطأ</numerusform>
            <numerusform>‏%n خطأ</numerusform>
            <numerusform>‏%n خطآن</numerusform>
            <numerusform>‏%n أخطاء</numerusform>
            <numerusform>‏%n خطأً</numerusform>
            <numerusform>‏%n خطأ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>‏%n تحذير</numerusform>
            <numerusform>‏%n تحذير</numerusform>
            <numerusform>‏%n تحذيران</numerusform>
            <numerusform>‏%n تحذيرات</numerusform>
            <numerusform>‏%n تحذيرًا</numerusform>
            <numerusform>‏%n تحذير</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>الخطورة</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>القاعدة</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFleetDialog</name>
    <message>
        <source>Send to several receivers</source>
        <translation>إرسال إلى عدة أجهزة استقبال</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Repeat on this port</source>
        <translation>تكرار على هذا المنفذ</translation>
    </message>
    <message>
        <source>&amp;Add port</source>
        <translation>إ&amp;ضافة منفذ</translation>
    </message>
    <message>
        <source>&amp;Other port:</source>
        <translation>منفذ آ&amp;خر:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Receiver version</source>
        <translation>إصدار الجهاز</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>الكتل</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>الثواني</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;بدء</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>إي&amp;قاف</translation>
    </message>
    <message>
        <source>Save &amp;report…</source>
        <translation>حفظ ال&amp;تقرير…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>التقرير</translation>
    </message>
    <message>
        <source>Tick the ports of the receivers to send to.</source>
        <translation>حدّد منافذ أجهزة الاستقبال المراد الإرسال إليها.</translation>
    </message>
    <message>
        <source>The report row was not added to the log in the backup folder: %1</source>
        <translation>لم يُضف سطر التقرير إلى السجل في مجلد النسخ الاحتياطية: %1</translation>
    </message>
    <message>
        <source>No receiver has finished yet: the report is empty.</source>
        <translation>لم ينتهِ أي جهاز استقبال بعد: التقرير فارغ.</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>حفظ التقرير</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>report.csv</source>
        <translation>report.csv</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>لم يُحفظ التقرير: %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CGuideWindow</name>
    <message>
        <source>Chanforge Guide</source>
        <translation>دليل Chanforge</translation>
    </message>
    <message>
        <source>The guide is not installed beside the program.</source>
        <translation>الدليل غير مثبّت بجانب البرنامج.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> المزوّد</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> المفضلة</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>المزوّدون</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>المفضلة</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> القمر</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> معلومات المضاعف</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>أرضي</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>الترددات</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>المضاعفات</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>مضاعفات الكابل</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListCommands</name>
    <message>
        <source>New...	Ctrl+N</source>
        <translation>جديد...	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>تعديل...</translation>
    </message>
    <message>
        <source>Delete	Delete</source>
        <translation>حذف	Delete</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>الوصف...	Enter</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>القمر %1</translation>
    </message>
    <message>
        <source>transponder %1 %2</source>
        <translation>التردد %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>المضاعف %1</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>هل تريد حذف العناصر المحددة؟</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 and its %n channel(s)?</source>
        <translation>
            <numerusform>حذف %1 و%n قناة تابعة له؟</numerusform>
            <numerusform>حذف %1 و%n قناة تابعة له؟</numerusform>
            <numerusform>حذف %1 و%n قناتان تابعة له؟</numerusform>
            <numerusform>حذف %1 و%n قنوات تابعة له؟</numerusform>
            <numerusform>حذف %1 و%n قناة تابعة له؟</numerusform>
            <numerusform>حذف %1 و%n قناة تابعة له؟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n satellites and their %1?</source>
        <translation>
            <numerusform>حذف %n قمر و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n قمر و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n قمران و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n أقمار و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n قمرًا و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n قمر و%1 التابعة لها؟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their %1?</source>
        <translation>
            <numerusform>حذف %n تردد و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n تردد و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n ترددان و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n ترددات و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n ترددًا و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n تردد و%1 التابعة لها؟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n multiplexes and their %1?</source>
        <translation>
            <numerusform>حذف %n مضاعف و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n مضاعف و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n مضاعفان و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n مضاعفات و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n مضاعفًا و%1 التابعة لها؟</numerusform>
            <numerusform>حذف %n مضاعف و%1 التابعة لها؟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>‏%n قناة</numerusform>
            <numerusform>‏%n قناة</numerusform>
            <numerusform>‏%n قناتان</numerusform>
            <numerusform>‏%n قنوات</numerusform>
            <numerusform>‏%n قناة</numerusform>
            <numerusform>‏%n قناة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListOptionsDialog</name>
    <message>
        <source>Channel list</source>
        <translation>قائمة القنوات</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>كل القنوات</translation>
    </message>
    <message>
        <source>Shown now: %1</source>
        <translation>المعروض الآن: %1</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>مجموعة المفضلة</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>ال&amp;قنوات:</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>تلفزيون وراديو</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>تلفزيون فقط</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>راديو فقط</translation>
    </message>
    <message>
        <source>&amp;Kinds:</source>
        <translation>الأ&amp;نواع:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>الأعمدة:</translation>
    </message>
    <message>
        <source>By &amp;number</source>
        <translation>حسب ال&amp;رقم</translation>
    </message>
    <message>
        <source>By n&amp;ame</source>
        <translation>حسب الا&amp;سم</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>الترتيب:</translation>
    </message>
    <message>
        <source>Columns per &amp;page:</source>
        <translation>أعمدة لكل &amp;صفحة:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMainFrame</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>فتح قائمة قنوات موجودة</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <source>&amp;Save to file...</source>
        <translation>&amp;حفظ في ملف...</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>حفظ في ملف</translation>
    </message>
    <message>
        <source>&amp;Export C table...</source>
        <translation>تصدير جدول &amp;C...</translation>
    </message>
    <message>
        <source>Write the channel table as C source</source>
        <translation>كتابة جدول القنوات كشيفرة مصدرية بلغة C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>إغلاق البرنامج</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>ا&amp;ستقبال</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>استقبال قائمة القنوات من جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>استقبال</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>إ&amp;رسال</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>إرسال قائمة القنوات إلى جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>&amp;Configuration (receiver model)...</source>
        <translation>الإ&amp;عدادات (طراز جهاز الاستقبال)...</translation>
    </message>
    <message>
        <source>Choose the receiver model</source>
        <translation>اختيار طراز جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;تحديث</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>تحديث الكل</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>&amp;Simple columns</source>
        <translation>أعمدة &amp;مبسطة</translation>
    </message>
    <message>
        <source>Hide the id and PID columns</source>
        <translation>إخفاء أعمدة المعرّفات وPID</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>التراجع عن آخر تغيير</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>إعادة آخر تغيير تم التراجع عنه</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>عرض معلومات البرنامج ورقم الإصدار وحقوق النشر</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>ال&amp;دليل</translation>
    </message>
    <message>
        <source>The operator&apos;s guide: receiving, editing, checking, sending</source>
        <translation>دليل التشغيل: الاستقبال والتحرير والفحص والإرسال</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>اختصارات &amp;لوحة المفاتيح</translation>
    </message>
    <message>
        <source>The keys of the window, grids and lists</source>
        <translation>مفاتيح النافذة والجداول والقوائم</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>م&amp;لف</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>الملفات الأ&amp;خيرة</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(لا شيء)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>New channel...</source>
        <translation>قناة جديدة...</translation>
    </message>
    <message>
        <source>Update channel...</source>
        <translation>تعديل القناة...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>النقل إلى هنا</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>ت&amp;حديد</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>المقفلة</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>المشفّرة</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>عكس</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>البحث عن التالي</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>البحث عن السابق</translation>
    </message>
    <message>
        <source>Re&amp;cords</source>
        <translation>&amp;سجلات</translation>
    </message>
    <message>
        <source>New satellite...</source>
        <translation>قمر جديد...</translation>
    </message>
    <message>
        <source>New transponder...</source>
        <translation>تردد جديد...</translation>
    </message>
    <message>
        <source>New cable multiplex...</source>
        <translation>مضاعف كابل جديد...</translation>
    </message>
    <message>
        <source>New provider...</source>
        <translation>مزوّد جديد...</translation>
    </message>
    <message>
        <source>&amp;Receiver</source>
        <translation>&amp;جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Window
  Ctrl+O  Open    Ctrl+S  Save to file    Ctrl+R  Receive    Ctrl+T  Send
  Ctrl+Z  Undo    Ctrl+Y  Redo    F5  Refresh    Ctrl+P  Print    Ctrl+Q  Quit
  F6, Shift+F6  next, previous pane    Tab, Shift+Tab  next, previous list
Channel grids
  Ctrl+N  New    Ctrl+C  Copy    Ctrl+V  Paste    Del  Delete    Ctrl+F  Search
  F3, Shift+F3  next, previous channel named as searched
  Enter or double click  Description    drag  move, or drop on a list or group
  Ctrl+Shift+F  Filter channels    Ctrl+H  Rename by pattern
Satellite, transponder, cable and provider lists
  Ctrl+N  New    Del  Delete    Enter or double click  Description
Title bar or toolbar
  Ctrl + double click  Configuration    Shift + double click  Export C table</source>
        <translation>النافذة
  Ctrl+O  فتح    Ctrl+S  حفظ في ملف    Ctrl+R  استقبال    Ctrl+T  إرسال
  Ctrl+Z  تراجع    Ctrl+Y  إعادة    F5  تحديث    Ctrl+P  طباعة    Ctrl+Q  إنهاء
  F6، Shift+F6  اللوحة التالية، السابقة    Tab، Shift+Tab  القائمة التالية، السابقة
جداول القنوات
  Ctrl+N  جديد    Ctrl+C  نسخ    Ctrl+V  لصق    Del  حذف    Ctrl+F  بحث
  F3، Shift+F3  القناة التالية، السابقة بالاسم المبحوث عنه
  Enter أو نقر مزدوج  الوصف    السحب  نقل، أو إسقاط على قائمة أو مجموعة
  Ctrl+Shift+F  تصفية القنوات    Ctrl+H  إعادة التسمية بنمط
قوائم الأقمار والترددات والكابل والمزوّدين
  Ctrl+N  جديد    Del  حذف    Enter أو نقر مزدوج  الوصف
شريط العنوان أو شريط الأدوات
  Ctrl + نقر مزدوج  الإعدادات    Shift + نقر مزدوج  تصدير جدول C</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;قائمة</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>The channel list has unsaved changes. Save them now?</source>
        <translation>في قائمة القنوات تغييرات غير محفوظة. هل تريد حفظها الآن؟</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>حفظ بيانات القنوات</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>ملف محلي (*.bin)</translation>
    </message>
    <message>
        <source>Excel file (*.xls)</source>
        <translation>ملف Excel (*.xls)</translation>
    </message>
    <message>
        <source>CSV file, comma-separated (*.csv)</source>
        <translation>ملف CSV مفصول بفواصل (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, semicolon-separated (*.csv)</source>
        <translation>ملف CSV مفصول بفواصل منقوطة (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, tab-separated (*.csv)</source>
        <translation>ملف CSV مفصول بعلامات جدولة (*.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>The workbook holds the channels only: save to a channel file to keep the other changes</source>
        <translation>المصنف يحتوي على القنوات فقط: احفظ في ملف قنوات للاحتفاظ بباقي التغييرات</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>تحميل بيانات القنوات</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>ملف ثنائي (*.bin)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>ملف CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>حفظ بيانات القنوات الافتراضية</translation>
    </message>
    <message>
        <source>Local file (*.h)</source>
        <translation>ملف محلي (*.h)</translation>
    </message>
    <message>
        <source>Chanforge for %1</source>
        <translation>‏Chanforge لـ %1</translation>
    </message>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>Ctrl + double click: Configuration · Shift + double click: Export C table</source>
        <translation>‏Ctrl + نقر مزدوج: الإعدادات · Shift + نقر مزدوج: تصدير جدول C</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved to %1</source>
        <translation>
            <numerusform>نُقلت %n قناة إلى %1</numerusform>
            <numerusform>نُقلت %n قناة إلى %1</numerusform>
            <numerusform>نُقلت %n قناتان إلى %1</numerusform>
            <numerusform>نُقلت %n قنوات إلى %1</numerusform>
            <numerusform>نُقلت %n قناة إلى %1</numerusform>
            <numerusform>نُقلت %n قناة إلى %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) given to %1</source>
        <translation>
            <numerusform>أُسندت %n قناة إلى %1</numerusform>
            <numerusform>أُسندت %n قناة إلى %1</numerusform>
            <numerusform>أُسندت %n قناتان إلى %1</numerusform>
            <numerusform>أُسندت %n قنوات إلى %1</numerusform>
            <numerusform>أُسندت %n قناة إلى %1</numerusform>
            <numerusform>أُسندت %n قناة إلى %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) added to %1</source>
        <translation>
            <numerusform>أُضيفت %n قناة إلى %1</numerusform>
            <numerusform>أُضيفت %n قناة إلى %1</numerusform>
            <numerusform>أُضيفت %n قناتان إلى %1</numerusform>
            <numerusform>أُضيفت %n قنوات إلى %1</numerusform>
            <numerusform>أُضيفت %n قناة إلى %1</numerusform>
            <numerusform>أُضيفت %n قناة إلى %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) set to %1</source>
        <translation>
            <numerusform>عُيّنت %n قناة إلى %1</numerusform>
            <numerusform>عُيّنت %n قناة إلى %1</numerusform>
            <numerusform>عُيّنت %n قناتان إلى %1</numerusform>
            <numerusform>عُيّنت %n قنوات إلى %1</numerusform>
            <numerusform>عُيّنت %n قناة إلى %1</numerusform>
            <numerusform>عُيّنت %n قناة إلى %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) not moved: %1 has no transponder of the same frequency and polarisation</source>
        <translation>
            <numerusform>لم تُنقل %n قناة: لا يوجد في %1 تردد بالقيمة والاستقطاب نفسيهما</numerusform>
            <numerusform>لم تُنقل %n قناة: لا يوجد في %1 تردد بالقيمة والاستقطاب نفسيهما</numerusform>
            <numerusform>لم تُنقل %n قناتان: لا يوجد في %1 تردد بالقيمة والاستقطاب نفسيهما</numerusform>
            <numerusform>لم تُنقل %n قنوات: لا يوجد في %1 تردد بالقيمة والاستقطاب نفسيهما</numerusform>
            <numerusform>لم تُنقل %n قناة: لا يوجد في %1 تردد بالقيمة والاستقطاب نفسيهما</numerusform>
            <numerusform>لم تُنقل %n قناة: لا يوجد في %1 تردد بالقيمة والاستقطاب نفسيهما</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, narrowed by the filter bar</source>
        <translation>%1، مضيّقة بشريط التصفية</translation>
    </message>
    <message>
        <source>Receiver model not set</source>
        <translation>لم يُضبط طراز جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>تراجع عن %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>إعادة %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>حول Chanforge</translation>
    </message>
    <message>
        <source>Chanforge Version %1 (build: %2)</source>
        <translation>‏Chanforge الإصدار %1 (البناء: %2)</translation>
    </message>
    <message>
        <source>Channel list editor for digital TV receivers.</source>
        <translation>محرر قوائم القنوات لأجهزة استقبال التلفزيون الرقمي.</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>يجب إعادة تشغيل البرنامج الآن.</translation>
    </message>
    <message>
        <source>Send to se&amp;veral receivers…</source>
        <translation>إرسال إلى عدة أ&amp;جهزة استقبال…</translation>
    </message>
    <message>
        <source>Send DB to every ticked port at once, each verified</source>
        <translation>إرسال قائمة القنوات إلى كل المنافذ المحددة دفعة واحدة، مع التحقق من كل منها</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeCommands</name>
    <message>
        <source>&amp;Merge from…</source>
        <translation>&amp;دمج من…</translation>
    </message>
    <message>
        <source>Add the channels of another list, with their satellites and transponders</source>
        <translation>إضافة قنوات قائمة أخرى، مع أقمارها وتردداتها</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>دمج من</translation>
    </message>
    <message>
        <source>Channel lists (*.bin *.xls *.csv)</source>
        <translation>قوائم القنوات (*.bin *.xls *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>The channel file of the workbook</source>
        <translation>ملف القنوات الخاص بالمصنف</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>ملف محلي (*.bin)</translation>
    </message>
    <message>
        <source>Read the other list as model %1?</source>
        <translation>قراءة القائمة الأخرى كالطراز %1؟</translation>
    </message>
    <message>
        <source>The other list cannot be put into this model&apos;s layout.</source>
        <translation>تتعذّر مواءمة القائمة الأخرى مع تنسيق هذا الطراز.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeDialog</name>
    <message>
        <source>Satellites</source>
        <translation>الأقمار</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>الترددات</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>المضاعفات</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>المزوّدون</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>found by carrier and service</source>
        <translation>وُجدت بالحامل والخدمة</translation>
    </message>
    <message>
        <source>found by service and stream ids</source>
        <translation>وُجدت بمعرّفات الخدمة والبث</translation>
    </message>
    <message>
        <source>found by name</source>
        <translation>وُجدت بالاسم</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>دمج من %1</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Number here</source>
        <translation>الرقم هنا</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>Channels of the other list</source>
        <translation>قنوات القائمة الأخرى</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>الجدول</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>Records to create</source>
        <translation>سجلات ستُنشأ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>After the last of their kind</source>
        <translation>بعد آخر قناة من نوعها</translation>
    </message>
    <message>
        <source>Keep their numbers where free</source>
        <translation>إبقاء أرقامها حيث تكون شاغرة</translation>
    </message>
    <message>
        <source>Fill the gaps</source>
        <translation>ملء الفجوات</translation>
    </message>
    <message>
        <source>Added channels&apos; n&amp;umbers</source>
        <translation>أ&amp;رقام القنوات المضافة</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>كل الأقمار</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>تلفزيون وراديو</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Show &amp;only</source>
        <translation>عرض &amp;فقط</translation>
    </message>
    <message>
        <source>Channels already here take:</source>
        <translation>القنوات الموجودة مسبقًا تأخذ:</translation>
    </message>
    <message>
        <source>&amp;Locks and skips</source>
        <translation>ال&amp;قفل والتخطي</translation>
    </message>
    <message>
        <source>&amp;Favourites</source>
        <translation>ال&amp;مفضلة</translation>
    </message>
    <message>
        <source>Na&amp;mes</source>
        <translation>الأ&amp;سماء</translation>
    </message>
    <message>
        <source>To add: %1. To update: %2. Already here: %3. Cannot add: %4. Records to create: %5.</source>
        <translation>للإضافة: %1. للتحديث: %2. موجودة مسبقًا: %3. تتعذّر إضافتها: %4. سجلات ستُنشأ: %5.</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 من %3</translation>
    </message>
    <message>
        <source>After Apply: %1.</source>
        <translation>بعد التطبيق: %1.</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>أرضي</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>كابل</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>locks and skips</source>
        <translation>القفل والتخطي</translation>
    </message>
    <message>
        <source>favourites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>name</source>
        <translation>الاسم</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPaneCycle</name>
    <message>
        <source>Next pane</source>
        <translation>اللوحة التالية</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>اللوحة السابقة</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPrintCommands</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>ملف PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>ملف CSV (*.csv)</translation>
    </message>
    <message>
        <source>HTML file (*.html)</source>
        <translation>ملف HTML (*.html)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>طباعة قائمة القنوات</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;معاينة الطباعة...</translation>
    </message>
    <message>
        <source>Show the printed channel list page by page</source>
        <translation>عرض قائمة القنوات المطبوعة صفحةً صفحة</translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF document</source>
        <translation>كتابة قائمة القنوات كمستند PDF</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list as CSV for spreadsheets</source>
        <translation>كتابة قائمة القنوات بصيغة CSV لبرامج الجداول</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>&amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list as a web page</source>
        <translation>كتابة قائمة القنوات كصفحة ويب</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;تصدير</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>لا يمكن استخدام الطابعة.</translation>
    </message>
    <message>
        <source>Print channel list</source>
        <translation>طباعة قائمة القنوات</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>تصدير قائمة القنوات</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>كل الملفات (*.*)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceCommands</name>
    <message>
        <source>Apply re&amp;ference list…</source>
        <translation>تطبيق قائمة م&amp;رجعية…</translation>
    </message>
    <message>
        <source>Number, group, lock and skip the channels as another list does</source>
        <translation>ترقيم القنوات وتجميعها وقفلها وتخطيها كما في قائمة أخرى</translation>
    </message>
    <message>
        <source>Save for &amp;another model…</source>
        <translation>حفظ لطرا&amp;ز آخر…</translation>
    </message>
    <message>
        <source>Write this database in the layout of another receiver model</source>
        <translation>كتابة قائمة القنوات هذه بتنسيق طراز آخر من أجهزة الاستقبال</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>قائمة مرجعية</translation>
    </message>
    <message>
        <source>Reference lists (*.bin *.xls *.txt *.csv)</source>
        <translation>القوائم المرجعية (*.bin *.xls *.txt *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>The receiver model the reference database is for:</source>
        <translation>طراز جهاز الاستقبال الذي تخصه قائمة القنوات المرجعية:</translation>
    </message>
    <message>
        <source>Read the reference as model %1?</source>
        <translation>قراءة المرجع كالطراز %1؟</translation>
    </message>
    <message>
        <source>Save for another model: the model</source>
        <translation>حفظ لطراز آخر: الطراز</translation>
    </message>
    <message>
        <source>Write the database for:</source>
        <translation>كتابة قائمة القنوات للطراز:</translation>
    </message>
    <message>
        <source>Save for model %1: the file</source>
        <translation>حفظ للطراز %1: الملف</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>ملف محلي (*.bin)</translation>
    </message>
    <message>
        <source>Saved for %1. It opens once that model is chosen in the configuration.</source>
        <translation>حُفظت للطراز %1. يمكن فتحها متى اختير ذلك الطراز في الإعدادات.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceDialog</name>
    <message>
        <source>same carrier and service</source>
        <translation>الحامل والخدمة نفسهما</translation>
    </message>
    <message>
        <source>service and stream ids</source>
        <translation>معرّفات الخدمة والبث</translation>
    </message>
    <message>
        <source>name (uncertain)</source>
        <translation>الاسم (غير مؤكد)</translation>
    </message>
    <message>
        <source>name with or without HD (uncertain)</source>
        <translation>الاسم مع HD أو بدونها (غير مؤكد)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>المجموعة %1</translation>
    </message>
    <message>
        <source>favourites %1 → %2</source>
        <translation>المفضلة %1 ← %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>غير مقفلة</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>متخطاة</translation>
    </message>
    <message>
        <source>not skipped</source>
        <translation>غير متخطاة</translation>
    </message>
    <message>
        <source>name “%1”</source>
        <translation>الاسم “%1”</translation>
    </message>
    <message>
        <source>Apply reference list: %1</source>
        <translation>تطبيق قائمة مرجعية: %1</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>المرجع</translation>
    </message>
    <message>
        <source>Matched channel</source>
        <translation>القناة المطابقة</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>الطريقة</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>قبل</translation>
    </message>
    <message>
        <source>After</source>
        <translation>بعد</translation>
    </message>
    <message>
        <source>Also changes</source>
        <translation>يغيّر أيضًا</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>إدخالات المرجع</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Channels without a match</source>
        <translation>قنوات دون تطابق</translation>
    </message>
    <message>
        <source>What</source>
        <translation>ماذا</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>Conflicts and notes</source>
        <translation>التعارضات والملاحظات</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>&amp;Start at</source>
        <translation>ال&amp;بدء من</translation>
    </message>
    <message>
        <source>Keep them after the matched ones</source>
        <translation>إبقاؤها بعد المطابقة</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>حذفها</translation>
    </message>
    <message>
        <source>Channels &amp;without a match</source>
        <translation>قنوات &amp;دون تطابق</translation>
    </message>
    <message>
        <source>&amp;Close gaps</source>
        <translation>&amp;سد الفجوات</translation>
    </message>
    <message>
        <source>Take the &amp;names</source>
        <translation>أ&amp;خذ الأسماء</translation>
    </message>
    <message>
        <source>C&amp;ut names to fit</source>
        <translation>&amp;قص الأسماء لتتسع</translation>
    </message>
    <message numerus="yes">
        <source>%n reference channel(s):</source>
        <translation>
            <numerusform>‏%n قناة مرجعية:</numerusform>
            <numerusform>‏%n قناة مرجعية:</numerusform>
            <numerusform>‏%n قناتان مرجعية:</numerusform>
            <numerusform>‏%n قنوات مرجعية:</numerusform>
            <numerusform>‏%n قناة مرجعية:</numerusform>
            <numerusform>‏%n قناة مرجعية:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matched (%2 by name only, to check; %3 in conflict), %4 without a match.</source>
        <translation>طوبقت %1 (%2 بالاسم فقط، للمراجعة؛ %3 في تعارض)، و%4 دون تطابق.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of this list without an entry.</source>
        <translation>
            <numerusform>‏%n قناة من هذه القائمة بلا إدخال.</numerusform>
            <numerusform>‏%n قناة من هذه القائمة بلا إدخال.</numerusform>
            <numerusform>‏%n قناتان من هذه القائمة بلا إدخال.</numerusform>
            <numerusform>‏%n قنوات من هذه القائمة بلا إدخال.</numerusform>
            <numerusform>‏%n قناة من هذه القائمة بلا إدخال.</numerusform>
            <numerusform>‏%n قناة من هذه القائمة بلا إدخال.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out: nothing changes there.</source>
        <translation>
            <numerusform>‏%n سطر مستبعد: لا يتغيّر شيء هناك.</numerusform>
            <numerusform>‏%n سطر مستبعد: لا يتغيّر شيء هناك.</numerusform>
            <numerusform>‏%n سطران مستبعد: لا يتغيّر شيء هناك.</numerusform>
            <numerusform>‏%n أسطر مستبعد: لا يتغيّر شيء هناك.</numerusform>
            <numerusform>‏%n سطرًا مستبعد: لا يتغيّر شيء هناك.</numerusform>
            <numerusform>‏%n سطر مستبعد: لا يتغيّر شيء هناك.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) this receiver cannot keep (too long, or holding a character the channel&apos;s character table lacks): tick &quot;Cut names to fit&quot;, leave the names as they are or leave those lines out.</source>
        <translation>
            <numerusform>‏%n اسم لا يستطيع جهاز الاستقبال هذا حفظه (طويل جدًا أو فيه حرف لا يحتويه جدول أحرف القناة): حدّد &quot;قص الأسماء لتتسع&quot;، أو اترك الأسماء كما هي، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n اسم لا يستطيع جهاز الاستقبال هذا حفظه (طويل جدًا أو فيه حرف لا يحتويه جدول أحرف القناة): حدّد &quot;قص الأسماء لتتسع&quot;، أو اترك الأسماء كما هي، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n اسمان لا يستطيع جهاز الاستقبال هذا حفظه (طويل جدًا أو فيه حرف لا يحتويه جدول أحرف القناة): حدّد &quot;قص الأسماء لتتسع&quot;، أو اترك الأسماء كما هي، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n أسماء لا يستطيع جهاز الاستقبال هذا حفظه (طويل جدًا أو فيه حرف لا يحتويه جدول أحرف القناة): حدّد &quot;قص الأسماء لتتسع&quot;، أو اترك الأسماء كما هي، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n اسمًا لا يستطيع جهاز الاستقبال هذا حفظه (طويل جدًا أو فيه حرف لا يحتويه جدول أحرف القناة): حدّد &quot;قص الأسماء لتتسع&quot;، أو اترك الأسماء كما هي، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n اسم لا يستطيع جهاز الاستقبال هذا حفظه (طويل جدًا أو فيه حرف لا يحتويه جدول أحرف القناة): حدّد &quot;قص الأسماء لتتسع&quot;، أو اترك الأسماء كما هي، أو استبعد تلك الأسطر.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” matches channel %2 “%3”, which “%4” keeps: it changes nothing</source>
        <translation>“%1” يطابق القناة %2 “%3” التي يحتفظ بها “%4”: لا يغيّر شيئًا</translation>
    </message>
    <message>
        <source>“%1” wants %2, taken by “%3”: it gets %4</source>
        <translation>“%1” يريد %2 الذي تشغله “%3”: يحصل على %4</translation>
    </message>
    <message>
        <source>“%1” wants %2, which channel “%3” keeps, left as it is: it gets %4</source>
        <translation>“%1” يريد %2 الذي تحتفظ به القناة “%3” المتروكة كما هي: يحصل على %4</translation>
    </message>
    <message>
        <source>“%1” gets %2: %3 is taken</source>
        <translation>“%1” يحصل على %2: %3 مشغول</translation>
    </message>
    <message>
        <source>left out: stays as it is</source>
        <translation>مستبعد: يبقى كما هو</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(لا شيء)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>%1, as it is</source>
        <translation>%1، كما هو</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>محذوفة</translation>
    </message>
    <message>
        <source>Same channel</source>
        <translation>القناة نفسها</translation>
    </message>
    <message>
        <source>Number taken</source>
        <translation>الرقم مشغول</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>الاسم طويل جدًا</translation>
    </message>
    <message>
        <source>“%1” is longer than this receiver keeps: refused</source>
        <translation>“%1” أطول مما يحفظه جهاز الاستقبال هذا: مرفوض</translation>
    </message>
    <message>
        <source>Name refused</source>
        <translation>اسم مرفوض</translation>
    </message>
    <message>
        <source>Characters replaced</source>
        <translation>أحرف مستبدلة</translation>
    </message>
    <message numerus="yes">
        <source>“%1” is stored as “%2”: the channel&apos;s character table lacks %n of its character(s)</source>
        <translation>
            <numerusform>“%1” يُحفظ بصيغة “%2”: ينقص جدولَ أحرف القناة %n حرف من أحرفه</numerusform>
            <numerusform>“%1” يُحفظ بصيغة “%2”: ينقص جدولَ أحرف القناة %n حرف من أحرفه</numerusform>
            <numerusform>“%1” يُحفظ بصيغة “%2”: ينقص جدولَ أحرف القناة %n حرفان من أحرفه</numerusform>
            <numerusform>“%1” يُحفظ بصيغة “%2”: ينقص جدولَ أحرف القناة %n أحرف من أحرفه</numerusform>
            <numerusform>“%1” يُحفظ بصيغة “%2”: ينقص جدولَ أحرف القناة %n حرفًا من أحرفه</numerusform>
            <numerusform>“%1” يُحفظ بصيغة “%2”: ينقص جدولَ أحرف القناة %n حرف من أحرفه</numerusform>
        </translation>
    </message>
    <message>
        <source>Same name after the cut</source>
        <translation>الاسم نفسه بعد القص</translation>
    </message>
    <message>
        <source>“%1” is cut to “%2”, as another name is</source>
        <translation>“%1” يُقص إلى “%2” كاسم آخر</translation>
    </message>
    <message>
        <source>Group not kept</source>
        <translation>مجموعة لا تُحفظ</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 “%2” (%n channel(s)) is past the groups this receiver keeps</source>
        <translation>
            <numerusform>مجموعة المفضلة %1 “%2” (%n قناة) تقع خارج المجموعات التي يحفظها جهاز الاستقبال هذا</numerusform>
            <numerusform>مجموعة المفضلة %1 “%2” (%n قناة) تقع خارج المجموعات التي يحفظها جهاز الاستقبال هذا</numerusform>
            <numerusform>مجموعة المفضلة %1 “%2” (%n قناتان) تقع خارج المجموعات التي يحفظها جهاز الاستقبال هذا</numerusform>
            <numerusform>مجموعة المفضلة %1 “%2” (%n قنوات) تقع خارج المجموعات التي يحفظها جهاز الاستقبال هذا</numerusform>
            <numerusform>مجموعة المفضلة %1 “%2” (%n قناة) تقع خارج المجموعات التي يحفظها جهاز الاستقبال هذا</numerusform>
            <numerusform>مجموعة المفضلة %1 “%2” (%n قناة) تقع خارج المجموعات التي يحفظها جهاز الاستقبال هذا</numerusform>
        </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Line not read</source>
        <translation>سطر لم يُقرأ</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRenameDialog</name>
    <message>
        <source>Rename by pattern</source>
        <translation>إعادة التسمية بنمط</translation>
    </message>
    <message>
        <source>\1, \2 ... put back a group of a regular expression</source>
        <translation>\1، \2 ... تعيد إدراج مجموعة من التعبير النمطي</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>بحث عن:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>استبدال بـ:</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>تعبير نمطي</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>مطابقة حالة الأحرف</translation>
    </message>
    <message>
        <source>Keep the case</source>
        <translation>إبقاء حالة الأحرف</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>أحرف كبيرة</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>أحرف صغيرة</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>أول حرف كبير</translation>
    </message>
    <message>
        <source>Cut names to fit</source>
        <translation>قص الأسماء لتتسع</translation>
    </message>
    <message>
        <source>Name now</source>
        <translation>الاسم الحالي</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>الاسم الجديد</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>إعادة تسمية</translation>
    </message>
    <message>
        <source>nothing left: refused</source>
        <translation>لم يبقَ شيء: مرفوض</translation>
    </message>
    <message>
        <source>holds %1, which the channel&apos;s character table cannot hold: refused</source>
        <translation>يحتوي على %1، وهو ما لا يحتويه جدول أحرف القناة: مرفوض</translation>
    </message>
    <message>
        <source>longer than the receiver keeps: refused</source>
        <translation>أطول مما يحفظه جهاز الاستقبال: مرفوض</translation>
    </message>
    <message>
        <source>cut to &quot;%1&quot;</source>
        <translation>مقصوص إلى «%1»</translation>
    </message>
    <message>
        <source>the same name as another row after the cut</source>
        <translation>الاسم نفسه لصف آخر بعد القص</translation>
    </message>
    <message>
        <source>characters the receiver cannot show</source>
        <translation>أحرف لا يستطيع جهاز الاستقبال عرضها</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>ليس تعبيرًا نمطيًا: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) would be left empty: rename refused.</source>
        <translation>
            <numerusform>‏%n اسم سيبقى فارغًا: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n اسم سيبقى فارغًا: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n اسمان سيبقى فارغًا: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n أسماء سيبقى فارغًا: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n اسمًا سيبقى فارغًا: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n اسم سيبقى فارغًا: رُفضت إعادة التسمية.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the channel&apos;s character table cannot hold: rename refused. Tick &quot;Cut names to fit&quot; to store them as &apos;?&apos;, or leave those lines out.</source>
        <translation>
            <numerusform>‏%n اسم بأحرف لا يحتويها جدول أحرف القناة: رُفضت إعادة التسمية. حدّد &quot;قص الأسماء لتتسع&quot; لحفظها كـ &apos;?&apos;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n اسم بأحرف لا يحتويها جدول أحرف القناة: رُفضت إعادة التسمية. حدّد &quot;قص الأسماء لتتسع&quot; لحفظها كـ &apos;?&apos;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n اسمان بأحرف لا يحتويها جدول أحرف القناة: رُفضت إعادة التسمية. حدّد &quot;قص الأسماء لتتسع&quot; لحفظها كـ &apos;?&apos;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n أسماء بأحرف لا يحتويها جدول أحرف القناة: رُفضت إعادة التسمية. حدّد &quot;قص الأسماء لتتسع&quot; لحفظها كـ &apos;?&apos;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n اسمًا بأحرف لا يحتويها جدول أحرف القناة: رُفضت إعادة التسمية. حدّد &quot;قص الأسماء لتتسع&quot; لحفظها كـ &apos;?&apos;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>‏%n اسم بأحرف لا يحتويها جدول أحرف القناة: رُفضت إعادة التسمية. حدّد &quot;قص الأسماء لتتسع&quot; لحفظها كـ &apos;?&apos;، أو استبعد تلك الأسطر.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) longer than the receiver keeps: rename refused.</source>
        <translation>
            <numerusform>‏%n اسم أطول مما يحفظه جهاز الاستقبال: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n اسم أطول مما يحفظه جهاز الاستقبال: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n اسمان أطول مما يحفظه جهاز الاستقبال: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n أسماء أطول مما يحفظه جهاز الاستقبال: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n اسمًا أطول مما يحفظه جهاز الاستقبال: رُفضت إعادة التسمية.</numerusform>
            <numerusform>‏%n اسم أطول مما يحفظه جهاز الاستقبال: رُفضت إعادة التسمية.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It keeps %n character(s). Shorten the replacement, tick &quot;Cut names to fit&quot; or leave those lines out.</source>
        <translation>
            <numerusform>يحفظ %n حرف. اختصر البديل، أو حدّد &quot;قص الأسماء لتتسع&quot;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>يحفظ %n حرف. اختصر البديل، أو حدّد &quot;قص الأسماء لتتسع&quot;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>يحفظ %n حرفان. اختصر البديل، أو حدّد &quot;قص الأسماء لتتسع&quot;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>يحفظ %n أحرف. اختصر البديل، أو حدّد &quot;قص الأسماء لتتسع&quot;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>يحفظ %n حرفًا. اختصر البديل، أو حدّد &quot;قص الأسماء لتتسع&quot;، أو استبعد تلك الأسطر.</numerusform>
            <numerusform>يحفظ %n حرف. اختصر البديل، أو حدّد &quot;قص الأسماء لتتسع&quot;، أو استبعد تلك الأسطر.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked name(s) will change.</source>
        <translation>
            <numerusform>سيتغيّر %n اسم محدد.</numerusform>
            <numerusform>سيتغيّر %n اسم محدد.</numerusform>
            <numerusform>سيتغيّر %n اسمان محدد.</numerusform>
            <numerusform>سيتغيّر %n أسماء محدد.</numerusform>
            <numerusform>سيتغيّر %n اسمًا محدد.</numerusform>
            <numerusform>سيتغيّر %n اسم محدد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) cut to what the receiver keeps.</source>
        <translation>
            <numerusform>‏%n اسم مقصوص إلى ما يحفظه جهاز الاستقبال.</numerusform>
            <numerusform>‏%n اسم مقصوص إلى ما يحفظه جهاز الاستقبال.</numerusform>
            <numerusform>‏%n اسمان مقصوص إلى ما يحفظه جهاز الاستقبال.</numerusform>
            <numerusform>‏%n أسماء مقصوص إلى ما يحفظه جهاز الاستقبال.</numerusform>
            <numerusform>‏%n اسمًا مقصوص إلى ما يحفظه جهاز الاستقبال.</numerusform>
            <numerusform>‏%n اسم مقصوص إلى ما يحفظه جهاز الاستقبال.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the receiver cannot show.</source>
        <translation>
            <numerusform>‏%n اسم بأحرف لا يستطيع جهاز الاستقبال عرضها.</numerusform>
            <numerusform>‏%n اسم بأحرف لا يستطيع جهاز الاستقبال عرضها.</numerusform>
            <numerusform>‏%n اسمان بأحرف لا يستطيع جهاز الاستقبال عرضها.</numerusform>
            <numerusform>‏%n أسماء بأحرف لا يستطيع جهاز الاستقبال عرضها.</numerusform>
            <numerusform>‏%n اسمًا بأحرف لا يستطيع جهاز الاستقبال عرضها.</numerusform>
            <numerusform>‏%n اسم بأحرف لا يستطيع جهاز الاستقبال عرضها.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRightView</name>
    <message>
        <source> Channels</source>
        <translation> القنوات</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>تلفزيون فقط</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>راديو فقط</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>قنوات التلفزيون</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>قنوات الراديو</translation>
    </message>
    <message>
        <source>No channel named &quot;%1&quot;</source>
        <translation>لا توجد قناة باسم «%1»</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CSortKeysDialog</name>
    <message>
        <source>Sort and renumber</source>
        <translation>الفرز وإعادة الترقيم</translation>
    </message>
    <message>
        <source>Every channel gets a new number in this order; the first key ticked decides first. Drag or use the buttons to reorder.</source>
        <translation>تحصل كل قناة على رقم جديد بهذا الترتيب؛ أول مفتاح محدد يحسم أولًا. اسحب أو استخدم الأزرار لإعادة الترتيب.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>التردد أو المضاعف</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>Scrambled last</source>
        <translation>المشفّرة في الآخر</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStartHint</name>
    <message>
        <source>No channel list is open</source>
        <translation>لا توجد قائمة قنوات مفتوحة</translation>
    </message>
    <message>
        <source>Receive the list from the receiver over the serial cable, or open a channel file or workbook you saved. The guide explains each step.</source>
        <translation>استقبل القائمة من جهاز الاستقبال عبر الكابل التسلسلي، أو افتح ملف قنوات أو مصنفًا حفظته. يشرح الدليل كل خطوة.</translation>
    </message>
    <message>
        <source>Receive from the receiver...</source>
        <translation>استقبال من جهاز الاستقبال...</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>فتح ملف...</translation>
    </message>
    <message>
        <source>Read the guide</source>
        <translation>قراءة الدليل</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStatusLine</name>
    <message>
        <source>TV %1 of %2 · Radio %3 of %4</source>
        <translation>تلفزيون %1 من %2 · راديو %3 من %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTickBoxes</name>
    <message>
        <source>Tick &amp;all</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>إ&amp;لغاء تحديد الكل</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderCommands</name>
    <message>
        <source>Update tra&amp;nsponders…</source>
        <translation>تحد&amp;يث الترددات…</translation>
    </message>
    <message>
        <source>Bring a satellite&apos;s transponders up to date from satellites.xml or a scan table</source>
        <translation>تحديث ترددات قمر من satellites.xml أو من جدول مسح</translation>
    </message>
    <message>
        <source>Transponders updated</source>
        <translation>حُدّثت الترددات</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderUpdateDialog</name>
    <message>
        <source>Update transponders</source>
        <translation>تحديث الترددات</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>مضاعفات الكابل</translation>
    </message>
    <message>
        <source>&amp;Satellite:</source>
        <translation>ال&amp;قمر:</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;ملف…</translation>
    </message>
    <message>
        <source>Ta&amp;ble:</source>
        <translation>ال&amp;جدول:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>التغيير</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>في القائمة</translation>
    </message>
    <message>
        <source>In the table</source>
        <translation>في الجدول</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Transponder table</source>
        <translation>جدول الترددات</translation>
    </message>
    <message>
        <source>Transponder tables (*.xml *E *W)</source>
        <translation>جداول الترددات (*.xml *E *W)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>%1 (scan table of the system)</source>
        <translation>%1 (جدول المسح في النظام)</translation>
    </message>
    <message>
        <source>The list has no satellite.</source>
        <translation>لا يوجد في القائمة أي قمر.</translation>
    </message>
    <message>
        <source>Choose a table: satellites.xml or a DVB scan table.</source>
        <translation>اختر جدولًا: satellites.xml أو جدول مسح DVB.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>مستبعد: %1</translation>
    </message>
    <message>
        <source>The transponders are as the table lists them.</source>
        <translation>الترددات مطابقة لما يسرده الجدول.</translation>
    </message>
    <message>
        <source>Changed: %1, new: %2, deleted: %3.</source>
        <translation>تغيّر: %1، جديد: %2، محذوف: %3.</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>المضاعفات الأرضية</translation>
    </message>
    <message>
        <source>Left out: line %1: %2 is on no free channel of the country&apos;s raster</source>
        <translation>مستبعد: السطر %1: لا يقع %2 على أي قناة حرة في شبكة قنوات البلد</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CUnusedDialog</name>
    <message>
        <source>Remove unused</source>
        <translation>إزالة غير المستخدم</translation>
    </message>
    <message>
        <source>Satellites without transponders in use (%1)</source>
        <translation>أقمار بلا ترددات مستخدمة (%1)</translation>
    </message>
    <message>
        <source>Transponders no channel uses (%1)</source>
        <translation>ترددات لا تستخدمها أي قناة (%1)</translation>
    </message>
    <message>
        <source>Multiplexes no channel uses (%1)</source>
        <translation>مضاعفات لا تستخدمها أي قناة (%1)</translation>
    </message>
    <message>
        <source>Cable multiplexes no channel uses (%1)</source>
        <translation>مضاعفات كابل لا تستخدمها أي قناة (%1)</translation>
    </message>
    <message>
        <source>Providers no channel names (%1)</source>
        <translation>مزوّدون لا تذكرهم أي قناة (%1)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Everything is in use.</source>
        <translation>كل شيء مستخدم.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) will be removed.</source>
        <translation>
            <numerusform>سيُزال %n سجل.</numerusform>
            <numerusform>سيُزال %n سجل.</numerusform>
            <numerusform>سيُزال %n سجلان.</numerusform>
            <numerusform>سيُزال %n سجلات.</numerusform>
            <numerusform>سيُزال %n سجلًا.</numerusform>
            <numerusform>سيُزال %n سجل.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite(s) kept for a transponder that stays.</source>
        <translation>
            <numerusform>يُبقى على %n قمر من أجل تردد يبقى.</numerusform>
            <numerusform>يُبقى على %n قمر من أجل تردد يبقى.</numerusform>
            <numerusform>يُبقى على %n قمران من أجل تردد يبقى.</numerusform>
            <numerusform>يُبقى على %n أقمار من أجل تردد يبقى.</numerusform>
            <numerusform>يُبقى على %n قمرًا من أجل تردد يبقى.</numerusform>
            <numerusform>يُبقى على %n قمر من أجل تردد يبقى.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::Languages</name>
    <message>
        <source>System language</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Chanforge.</source>
        <translation>تُستخدم اللغة الجديدة بدءًا من التشغيل التالي لـ Chanforge.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot create the work file in the temporary directory.</source>
        <translation>تعذّر إنشاء ملف العمل في المجلد المؤقت.</translation>
    </message>
</context>
<context>
    <name>qpui::CChannelEditorBase</name>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Provider :</source>
        <translation>المزوّد:</translation>
    </message>
    <message>
        <source>Video PID :</source>
        <translation>‏Video PID:</translation>
    </message>
    <message>
        <source>Audio PID :</source>
        <translation>‏Audio PID:</translation>
    </message>
    <message>
        <source>PCR PID :</source>
        <translation>‏PCR PID:</translation>
    </message>
    <message>
        <source>Service ID :</source>
        <translation>معرّف الخدمة:</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Tick box: the channel is scrambled (conditional access). Keep it short.</extracomment>
        <translation>مشفّرة</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>الموالف 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>الموالف 2</translation>
    </message>
    <message>
        <source>The name holds %1, which the channel&apos;s character table cannot hold.</source>
        <translation>الاسم يحتوي على %1، وهو ما لا يحتويه جدول أحرف القناة.</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCHAddUpdate</name>
    <message>
        <source>Satellite :</source>
        <translation>القمر:</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>التردد:</translation>
    </message>
    <message>
        <source>Channel Number :</source>
        <translation>رقم القناة:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCableMuxAddUpdate</name>
    <message>
        <source>Mux</source>
        <extracomment>Window title: a cable multiplex (one carrier frequency), a noun.</extracomment>
        <translation>المضاعف</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>التردد:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>معدل الرموز:</translation>
    </message>
    <message>
        <source>Constellation :</source>
        <translation>التشكيل:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>معدل الرموز</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgConfiguration</name>
    <message>
        <source>Configuration</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Product type :</source>
        <translation>طراز جهاز الاستقبال:</translation>
    </message>
    <message>
        <source>Column list :</source>
        <translation>قائمة الأعمدة:</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>مبسطة</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>مفصّلة</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgDescription</name>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Mux</source>
        <extracomment>Tab title: the multiplex (carrier) the channel is on, a noun.</extracomment>
        <translation>المضاعف</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgMuxCHAddUpdate</name>
    <message>
        <source>Mux :</source>
        <translation>المضاعف:</translation>
    </message>
    <message>
        <source>Logical Number :</source>
        <translation>الرقم المنطقي:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgProviderName</name>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>name</source>
        <translation>الاسم</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgRecvDataFromSTB</name>
    <message>
        <source>Receive data from STB</source>
        <translation>استقبال البيانات من جهاز الاستقبال</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSearchName</name>
    <message>
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>الاسم:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSendDataToSTB</name>
    <message>
        <source>Send data to STB</source>
        <translation>إرسال البيانات إلى جهاز الاستقبال</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgTPAddUpdate</name>
    <message>
        <source>Transponder</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>القمر:</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>التردد:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>معدل الرموز:</translation>
    </message>
    <message>
        <source>TS ID :</source>
        <translation>‏TS ID:</translation>
    </message>
    <message>
        <source>Drift :</source>
        <translation>الانحراف:</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>الاستقطاب:</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>‏FEC:</translation>
    </message>
    <message>
        <source>Transmission :</source>
        <translation>الإرسال:</translation>
    </message>
    <message>
        <source>Modulation :</source>
        <translation>التشكيل:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS ID</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>الانحراف</translation>
    </message>
</context>
<context>
    <name>qpui::CSatelliteEditor</name>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>اسم القمر:</translation>
    </message>
    <message>
        <source>Degree :</source>
        <translation>الموقع:</translation>
    </message>
    <message>
        <source> Tuner %1 </source>
        <translation> الموالف %1 </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>SAT A</source>
        <translation>SAT A</translation>
    </message>
    <message>
        <source>SAT B</source>
        <translation>SAT B</translation>
    </message>
    <message>
        <source>C/Ku switch :</source>
        <translation>مبدّل C/Ku:</translation>
    </message>
    <message>
        <source>LNB Freq :</source>
        <translation>تردد LNB:</translation>
    </message>
    <message>
        <source>LNB Freq-Custom :</source>
        <translation>تردد LNB مخصّص:</translation>
    </message>
    <message>
        <source>C-LNB Freq :</source>
        <translation>تردد C-LNB:</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom :</source>
        <translation>تردد C-LNB مخصّص:</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>تغذية LNB:</translation>
    </message>
    <message>
        <source>22 KHz :</source>
        <translation>‏22 kHz:</translation>
    </message>
    <message>
        <source>Tone Burst :</source>
        <translation>‏Tone Burst:</translation>
    </message>
    <message>
        <source>DiSEqC :</source>
        <translation>‏DiSEqC:</translation>
    </message>
    <message>
        <source>Motor Pos :</source>
        <translation>موضع المحرك:</translation>
    </message>
    <message>
        <source> (Tuner %1)</source>
        <translation> (الموالف %1)</translation>
    </message>
    <message>
        <source>LNB Freq-Custom</source>
        <translation>تردد LNB مخصّص</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom</source>
        <translation>تردد C-LNB مخصّص</translation>
    </message>
    <message>
        <source>Motor Pos</source>
        <translation>موضع المحرك</translation>
    </message>
</context>
<context>
    <name>qpui::CSilenceHint</name>
    <message>
        <source>Still waiting. Check that the receiver is switched on, shows its download menu and is connected to the chosen port.</source>
        <translation>ما زال الانتظار مستمرًا. تحقق من أن جهاز الاستقبال قيد التشغيل ويعرض قائمة التنزيل ومتصل بالمنفذ المختار.</translation>
    </message>
</context>
<context>
    <name>qpui::CTransferDialog</name>
    <message>
        <source>PORT :</source>
        <translation>المنفذ:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>اتصال</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>الكتلة %1 من %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>qpui::DescriptionText</name>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>High</source>
        <translation>مرتفع</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>منخفض</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>Low Frequency : %1</source>
        <translation>التردد المنخفض : %1</translation>
    </message>
    <message>
        <source>Low Frequency(T%1) : %2</source>
        <translation>التردد المنخفض(T%1) : %2</translation>
    </message>
    <message>
        <source>High Frequency : %1</source>
        <translation>التردد المرتفع : %1</translation>
    </message>
    <message>
        <source>High Frequency(T%1) : %2</source>
        <translation>التردد المرتفع(T%1) : %2</translation>
    </message>
    <message>
        <source>Motor Pos : %1</source>
        <translation>موضع المحرك : %1</translation>
    </message>
    <message>
        <source>MotorPos(T%1) : %2</source>
        <translation>موضع المحرك(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Low : %1</source>
        <translation>‏LNB منخفض : %1</translation>
    </message>
    <message>
        <source>LNB Low(T%1) : %2</source>
        <translation>‏LNB منخفض(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB High : %1</source>
        <translation>‏LNB مرتفع : %1</translation>
    </message>
    <message>
        <source>LNB High(T%1) : %2</source>
        <translation>‏LNB مرتفع(T%1) : %2</translation>
    </message>
    <message>
        <source>C/Ku switch : %1</source>
        <translation>مبدّل C/Ku : %1</translation>
    </message>
    <message>
        <source>C/Ku switch(T%1) : %2</source>
        <translation>مبدّل C/Ku(T%1) : %2</translation>
    </message>
    <message>
        <source>DiSEqC Mode : %1</source>
        <translation>نمط DiSEqC : %1</translation>
    </message>
    <message>
        <source>DiSEqC Mode(T%1) : %2</source>
        <translation>نمط DiSEqC(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Power : %1</source>
        <translation>تغذية LNB : %1</translation>
    </message>
    <message>
        <source>LNB Power(T%1) : %2</source>
        <translation>تغذية LNB(T%1) : %2</translation>
    </message>
    <message>
        <source>22KHz : %1</source>
        <translation>22 kHz : %1</translation>
    </message>
    <message>
        <source>22KHz(T%1) : %2</source>
        <translation>22 kHz(T%1) : %2</translation>
    </message>
    <message>
        <source>Tone Burst : %1</source>
        <translation>Tone Burst : %1</translation>
    </message>
    <message>
        <source>Tone Burst(T%1) : %2</source>
        <translation>Tone Burst(T%1) : %2</translation>
    </message>
    <message>
        <source>C Single Solu.(5150,5750)</source>
        <translation>C Single Solu.(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>C Norm. LNBF(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>مخصّص</translation>
    </message>
    <message>
        <source>Univ. LNB1(9750,10600)</source>
        <translation>Univ. LNB1(9750,10600)</translation>
    </message>
    <message>
        <source>Univ. LNB2(9750,10750)</source>
        <translation>Univ. LNB2(9750,10750)</translation>
    </message>
    <message>
        <source>Tone Burst</source>
        <translation>Tone Burst</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>المحرك</translation>
    </message>
    <message>
        <source>Name : %1 (ID : %2)</source>
        <translation>الاسم : %1 (المعرّف : %2)</translation>
    </message>
    <message>
        <source>Degree : %1</source>
        <translation>الموقع : %1</translation>
    </message>
    <message>
        <source>Frequency   	: %1 MHz</source>
        <translation>التردد      	: %1 MHz</translation>
    </message>
    <message>
        <source>Symbol Rate 	: %1 Ks/s</source>
        <translation>معدل الرموز 	: %1 Ks/s</translation>
    </message>
    <message>
        <source>TS ID       	: %1</source>
        <translation>TS ID       	: %1</translation>
    </message>
    <message>
        <source>Drift       	: %1</source>
        <translation>الانحراف    	: %1</translation>
    </message>
    <message>
        <source>Polarity    	: %1</source>
        <translation>الاستقطاب   	: %1</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>FEC         	: %1</source>
        <translation>FEC         	: %1</translation>
    </message>
    <message>
        <source>Signal      	: %1</source>
        <translation>الإشارة     	: %1</translation>
    </message>
    <message>
        <source>Transmission      	: %1    		Modulation      	: %2</source>
        <translation>الإرسال           	: %1    		التشكيل         	: %2</translation>
    </message>
    <message>
        <source>Pilot             	: %1</source>
        <translation>الإشارة الدليلية  	: %1</translation>
    </message>
    <message>
        <source>Mux Name : %1</source>
        <translation>اسم المضاعف : %1</translation>
    </message>
    <message>
        <source>Frequency : %1 MHz</source>
        <translation>التردد : %1 MHz</translation>
    </message>
    <message>
        <source>Tx Mod.   : %1</source>
        <translation>نمط الإرسال : %1</translation>
    </message>
    <message>
        <source>C.R.      : %1</source>
        <translation>معدل الترميز : %1</translation>
    </message>
    <message>
        <source>Const.    : %1</source>
        <translation>التشكيل   : %1</translation>
    </message>
    <message>
        <source>G.I.      : %1</source>
        <translation>فاصل الحماية : %1</translation>
    </message>
    <message>
        <source>Priority  : %1</source>
        <translation>الأولوية  : %1</translation>
    </message>
    <message>
        <source>Tuner	: %1</source>
        <translation>الموالف	: %1</translation>
    </message>
    <message>
        <source>Channel Name : %1</source>
        <translation>اسم القناة : %1</translation>
    </message>
    <message>
        <source>Service ID : %1</source>
        <translation>معرّف الخدمة : %1</translation>
    </message>
    <message>
        <source>Video PID : %1</source>
        <translation>Video PID : %1</translation>
    </message>
    <message>
        <source>Audio PID : %1</source>
        <translation>Audio PID : %1</translation>
    </message>
    <message>
        <source>PCR PID   : %1</source>
        <translation>PCR PID   : %1</translation>
    </message>
    <message>
        <source>Audio	: %1</source>
        <translation>الصوت	: %1</translation>
    </message>
    <message>
        <source>Subtitle   : %1</source>
        <translation>الترجمة   : %1</translation>
    </message>
    <message>
        <source>Teletext   : %1</source>
        <translation>تيليتكست  : %1</translation>
    </message>
    <message>
        <source>Type 	: %1</source>
        <translation>النوع 	: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>CAS  	: %1</source>
        <translation>CAS  	: %1</translation>
    </message>
    <message>
        <source>Lock 	: %1</source>
        <translation>القفل 	: %1</translation>
    </message>
    <message>
        <source>Skip 	: %1</source>
        <translation>التخطي 	: %1</translation>
    </message>
    <message>
        <source>Provider : %1</source>
        <translation>المزوّد : %1</translation>
    </message>
</context>
<context>
    <name>qpui::MessageBox</name>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>استعادة…</translation>
    </message>
</context>
<context>
    <name>qpui::NumberEdits</name>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>يجب أن يكون %1 عددًا من %2 إلى %3.</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>الموقع</translation>
    </message>
</context>
</TS>
