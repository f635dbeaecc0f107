<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Velmorwick</source>
        <translation>حول Velmorwick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>معلومات الن&amp;ظام</translation>
    </message>
    <message>
        <source>Velmorwick v3.01</source>
        <translation>Velmorwick v3.01</translation>
    </message>
    <message>
        <source>Written by Tamsin Velmorwick</source>
        <translation>كتبته Tamsin Velmorwick</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>للتواصل</translation>
    </message>
    <message>
        <source>E-mail: tamsin@velmorwick.example
Support: help@velmorwick.example
Web: www.velmorwick.example
More programs: www.velmorwick.example/programs
Join our mailing list to hear of new versions first!</source>
        <translation>البريد: tamsin@velmorwick.example
الدعم: help@velmorwick.example
الموقع: www.velmorwick.example
برامج أخرى: www.velmorwick.example/programs
انضم إلى قائمتنا البريدية لتعرف بالإصدارات الجديدة أولًا!</translation>
    </message>
    <message>
        <source>www.velmorwick.example</source>
        <translation>www.velmorwick.example</translation>
    </message>
    <message>
        <source>29</source>
        <translation>29</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>السن:</translation>
    </message>
    <message>
        <source>Also from Velmorwick: Quillmark, the pocket notebook that remembers where you left off. Free to try!</source>
        <translation>من Velmorwick أيضًا: Quillmark، دفتر الجيب الذي يتذكر أين توقفت. جرّبه مجانًا!</translation>
    </message>
    <message>
        <source>http://www.velmorwick.example/quillmark/</source>
        <translation>http://www.velmorwick.example/quillmark/</translation>
    </message>
    <message>
        <source>Quillmark&apos;s web address</source>
        <translation>عنوان موقع Quillmark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>معلومات النظام غير متاحة الآن</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
</context>
<context>
    <name>AddTaskWindow</name>
    <message>
        <source>Add a Task</source>
        <translation>إضافة مهمة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>&amp;Task:</source>
        <translation>ال&amp;مهمة:</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>ال&amp;قائمة:</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n مهمة</numerusform>
            <numerusform>%n مهمة</numerusform>
            <numerusform>%n مهمتان</numerusform>
            <numerusform>%n مهام</numerusform>
            <numerusform>%n مهمة</numerusform>
            <numerusform>%n مهمة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfFileStore</name>
    <message>
        <source>The settings file %1 could not be written (%2).</source>
        <translation>تعذرت كتابة ملف الإعدادات %1 (%2).</translation>
    </message>
    <message>
        <source>The disk did not confirm that %1 was written (%2); it may be lost if the computer stops now.</source>
        <translation>لم يؤكد القرص كتابة %1 (%2)؛ قد يضيع إن توقف الحاسوب الآن.</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace, so nothing was written.</source>
        <translation>%1 هو %2، ولا يستبدله Velmorwick؛ لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>Another program replaced %1 while Velmorwick wrote it (a sync program may be busy with it), so nothing was written. Please try again in a moment.</source>
        <translation>استبدل برنامج آخر %1 بينما كان Velmorwick يكتبه (ربما برنامج مزامنة)؛ لم يُكتب شيء. حاول مرة أخرى بعد قليل.</translation>
    </message>
    <message>
        <source>The folder %1 can be opened by other users, and Velmorwick leaves it as it is because it is shared or reached through a link: they may be able to remove or replace your settings there.</source>
        <translation>يمكن لمستخدمين آخرين فتح المجلد %1، ويتركه Velmorwick كما هو لأنه مشترك أو يُوصل إليه عبر رابط: قد يستطيعون حذف إعداداتك هناك أو استبدالها.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside. Nothing will be written to it until it is mended or removed.</source>
        <translation>ملف الإعدادات %1 تالف وتعذر نسخه جانبًا. لن يُكتب فيه شيء حتى يُصلَح أو يُزال.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created (%2).</source>
        <translation>تعذر إنشاء المجلد %1 (%2).</translation>
    </message>
    <message>
        <source>Another copy of Velmorwick is still writing the settings file %1. Please try again in a moment.</source>
        <translation>نسخة أخرى من Velmorwick ما زالت تكتب ملف الإعدادات %1. حاول مرة أخرى بعد قليل.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings file in it cannot be written.</source>
        <translation>المجلد %1 للقراءة فقط، فلا يمكن كتابة ملف الإعدادات فيه.</translation>
    </message>
    <message>
        <source>its lock file cannot be used: %1</source>
        <translation>ملف القفل الخاص به غير قابل للاستخدام: %1</translation>
    </message>
    <message>
        <source>The version of the private list saved elsewhere could not be kept beside the settings file (%1), so nothing was written.</source>
        <translation>تعذر حفظ نسخة القائمة الخاصة المحفوظة في مكان آخر بجانب ملف الإعدادات (%1)؛ لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only, so nothing was written to it.</source>
        <translation>ملف الإعدادات %1 للقراءة فقط؛ لم يُكتب فيه شيء.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside, so nothing was written to it.</source>
        <translation>ملف الإعدادات %1 تالف وتعذر نسخه جانبًا؛ لم يُكتب فيه شيء.</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>تغيرت الإعدادات في الأثناء؛ لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>The settings file would grow past %1 MB, more than Velmorwick reads back, so nothing was written.</source>
        <translation>سيتجاوز ملف الإعدادات %1 ميغابايت، أكثر مما يقرؤه Velmorwick؛ لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>The version saved elsewhere could not be kept first, as a snapshot (%1) or beside the settings file (%2), so nothing was written.</source>
        <translation>تعذر حفظ النسخة المحفوظة في مكان آخر أولًا، لا كلقطة (%1) ولا بجانب ملف الإعدادات (%2)؛ لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 غير موجود.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 هو %2، وليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than any settings file.</source>
        <translation>%1 أكبر من %2 ميغابايت، أكثر بكثير من أي ملف إعدادات.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>تتعذر قراءة %1 (%2).</translation>
    </message>
    <message>
        <source>it holds no settings of Velmorwick</source>
        <translation>لا يحوي إعدادات لـ Velmorwick</translation>
    </message>
    <message>
        <source>it is not text in UTF-8</source>
        <translation>ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>إنه تالف</translation>
    </message>
    <message>
        <source>%1 is not a settings file of Velmorwick (%2); the store was left as it was.</source>
        <translation>%1 ليس ملف إعدادات لـ Velmorwick (%2)؛ بقيت الإعدادات كما كانت.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be copied aside (%2), so it was not replaced.</source>
        <translation>تعذر نسخ ملف الإعدادات %1 جانبًا (%2)؛ لم يُستبدل.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook %1 (%2); they are saved in their list.</source>
        <translation>تعذرت كتابة المهام المؤشَّر عليها للتو في السجل %1 (%2)؛ إنها محفوظة في قائمتها.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be read (%2).</source>
        <translation>تعذرت قراءة السجل %1 (%2).</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>جزء من السجل %1 كان تالفًا وتعذرت قراءته؛ حُفظ باسم %2، ويتابع سجل جديد بالباقي.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>جزء من السجل %1 كان تالفًا وتعذرت قراءته؛ قُرئ الباقي.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first (%1), so nothing was taken out of it.</source>
        <translation>تعذر نسخ سجل هذا الحاسوب جانبًا أولًا (%1)؛ لم يُحذف منه شيء.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>تعذرت كتابة السجل %1 (%2).</translation>
    </message>
    <message>
        <source>The private list could not be taken out of %1.</source>
        <translation>تعذر إخراج القائمة الخاصة من %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged: some of it could not be read. A copy of it was kept as %2. Velmorwick goes on with what it could read.</source>
        <translation>ملف الإعدادات %1 تالف: تعذرت قراءة جزء منه. حُفظت نسخة منه باسم %2. يتابع Velmorwick بما استطاع قراءته.</translation>
    </message>
    <message>
        <source>The settings file %1 holds entries Velmorwick cannot write back exactly as they are (edited by hand, or not in UTF-8). A copy of it was kept as %2 before anything in it is changed.</source>
        <translation>يحوي ملف الإعدادات %1 مُدخلات لا يستطيع Velmorwick إعادة كتابتها كما هي تمامًا (عُدِّلت يدويًا أو ليست بترميز UTF-8). حُفظت نسخة منه باسم %2 قبل تغيير أي شيء فيه.</translation>
    </message>
    <message>
        <source>it is %1, not an ordinary file</source>
        <translation>إنه %1، وليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it is larger than any settings file</source>
        <translation>إنه أكبر من أي ملف إعدادات</translation>
    </message>
    <message>
        <source>a password change is half done, and its key is never kept</source>
        <translation>تغيير كلمة مرور لم يكتمل، ومفتاحه لا يُحفظ أبدًا</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>أُفرغت المهام</translation>
    </message>
    <message>
        <source>first save of the day</source>
        <translation>أول حفظ في اليوم</translation>
    </message>
    <message>
        <source>The snapshot %1 is named after a time more than a day after this computer&apos;s clock: either the clock was ahead when it was kept, or it is behind now. It is kept, and not counted as today&apos;s.</source>
        <translation>اللقطة %1 مسماة بوقت يزيد يومًا عن ساعة هذا الحاسوب: إما أن الساعة كانت متقدمة حين حُفظت، وإما أنها متأخرة الآن. تبقى محفوظة ولا تُحسب لقطة اليوم.</translation>
    </message>
    <message>
        <source>Velmorwick could not keep a snapshot of its settings before this step (%1). The step went on without one; each later step tries again, and you are told again only when a step cannot go on without one.</source>
        <translation>تعذر على Velmorwick حفظ لقطة من إعداداته قبل هذه الخطوة (%1). مضت الخطوة دونها؛ تحاول كل خطوة لاحقة من جديد، ولن تُبلَّغ ثانية إلا حين لا تستطيع خطوة المضي دونها.</translation>
    </message>
    <message>
        <source>(cannot be read: %1)</source>
        <translation>(تتعذر قراءتها: %1)</translation>
    </message>
    <message>
        <source>There are no snapshots.</source>
        <translation>لا توجد لقطات.</translation>
    </message>
    <message>
        <source>There is no snapshot %1; they are numbered 1 to %2.</source>
        <translation>لا توجد لقطة %1؛ إنها مرقمة من 1 إلى %2.</translation>
    </message>
    <message>
        <source>Snapshot %1 cannot be read (%2).</source>
        <translation>تتعذر قراءة اللقطة %1 (%2).</translation>
    </message>
    <message>
        <source>Velmorwick could not read %1, a copy of its settings a sync program kept (%2). It is left as it is.</source>
        <translation>تعذر على Velmorwick قراءة %1، وهي نسخة من إعداداته احتفظ بها برنامج مزامنة (%2). تُترك كما هي.</translation>
    </message>
    <message>
        <source>Velmorwick could not merge the copies of its settings a sync program kept (%1): %2. They are left as they are.</source>
        <translation>تعذر على Velmorwick دمج نسخ إعداداته التي احتفظ بها برنامج مزامنة (%1): %2. تُترك كما هي.</translation>
    </message>
    <message>
        <source>together they would pass the %1 MB Velmorwick reads</source>
        <translation>معًا ستتجاوز %1 ميغابايت التي يقرؤها Velmorwick</translation>
    </message>
    <message>
        <source>%1 could not be read again to keep it (%2)</source>
        <translation>تعذرت قراءة %1 ثانية لحفظه (%2)</translation>
    </message>
    <message>
        <source>there was no room to keep what it would replace (%1)</source>
        <translation>لم تكن هناك مساحة لحفظ ما سيُستبدل (%1)</translation>
    </message>
    <message>
        <source>the settings file could not be copied aside first (%1)</source>
        <translation>تعذر نسخ ملف الإعدادات جانبًا أولًا (%1)</translation>
    </message>
    <message>
        <source>Velmorwick merged %1, a copy of its settings a sync program kept, but could not remove it (%2); it will not be merged again.</source>
        <translation>دمج Velmorwick النسخة %1 من إعداداته التي احتفظ بها برنامج مزامنة، لكنه لم يستطع حذفها (%2)؛ لن تُدمج مرة أخرى.</translation>
    </message>
    <message>
        <source>%1, a copy of Velmorwick&apos;s settings a sync program kept, was saved on a computer whose clock is more than a day ahead. Lists you change here from now on still count as saved after it; please set that computer&apos;s clock.</source>
        <translation>%1، وهي نسخة من إعدادات Velmorwick احتفظ بها برنامج مزامنة، حُفظت على حاسوب ساعته متقدمة أكثر من يوم. القوائم التي تغيّرها هنا من الآن تُحسب مع ذلك محفوظة بعدها؛ يُرجى ضبط ساعة ذلك الحاسوب.</translation>
    </message>
    <message>
        <source>%1 looked like a copy of Velmorwick&apos;s settings that a sync program kept, but it holds something else or is damaged, so nothing of it was merged. It is kept whole beside the settings file, in %2, as %3.</source>
        <translation>بدا %1 نسخة من إعدادات Velmorwick احتفظ بها برنامج مزامنة، لكنه يحوي شيئًا آخر أو تالف، فلم يُدمج منه شيء. إنه محفوظ كاملًا بجانب ملف الإعدادات، في %2، باسم %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n أخرى</numerusform>
            <numerusform>واحدة أخرى (%n)</numerusform>
            <numerusform>اثنتان أخريان (%n)</numerusform>
            <numerusform>%n أخرى</numerusform>
            <numerusform>%n أخرى</numerusform>
            <numerusform>%n أخرى</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the private list kept aside on another computer came with its copy of the settings: %n set(s) taken in; velmorwick put-back puts them into the list.</source>
        <translation>
            <numerusform>وصلت صفوف من القائمة الخاصة وُضعت جانبًا على حاسوب آخر مع نسخته من الإعدادات: لم تؤخذ أي مجموعة (%n)؛ يضعها velmorwick put-back في القائمة.</numerusform>
            <numerusform>وصلت صفوف من القائمة الخاصة وُضعت جانبًا على حاسوب آخر مع نسخته من الإعدادات: أُخذت مجموعة واحدة (%n)؛ يضعها velmorwick put-back في القائمة.</numerusform>
            <numerusform>وصلت صفوف من القائمة الخاصة وُضعت جانبًا على حاسوب آخر مع نسخته من الإعدادات: أُخذت مجموعتان (%n)؛ يضعها velmorwick put-back في القائمة.</numerusform>
            <numerusform>وصلت صفوف من القائمة الخاصة وُضعت جانبًا على حاسوب آخر مع نسخته من الإعدادات: أُخذت %n مجموعات؛ يضعها velmorwick put-back في القائمة.</numerusform>
            <numerusform>وصلت صفوف من القائمة الخاصة وُضعت جانبًا على حاسوب آخر مع نسخته من الإعدادات: أُخذت %n مجموعة؛ يضعها velmorwick put-back في القائمة.</numerusform>
            <numerusform>وصلت صفوف من القائمة الخاصة وُضعت جانبًا على حاسوب آخر مع نسخته من الإعدادات: أُخذت %n مجموعة؛ يضعها velmorwick put-back في القائمة.</numerusform>
        </translation>
    </message>
    <message>
        <source>At most %1 sets are kept, the newest, as each asks for its password to be tried: the older ones are only in the versions kept beside the settings file.</source>
        <translation>تُحفظ %1 مجموعات على الأكثر، الأحدث، لأن كل واحدة تطلب كلمة مرورها: الأقدم موجودة فقط في النسخ المحفوظة بجانب ملف الإعدادات.</translation>
    </message>
    <message numerus="yes">
        <source>%n more copies</source>
        <translation>
            <numerusform>%n نسخة أخرى</numerusform>
            <numerusform>نسخة أخرى واحدة (%n)</numerusform>
            <numerusform>نسختان أخريان (%n)</numerusform>
            <numerusform>%n نسخ أخرى</numerusform>
            <numerusform>%n نسخة أخرى</numerusform>
            <numerusform>%n نسخة أخرى</numerusform>
        </translation>
    </message>
    <message>
        <source>The versions that lost are kept beside the settings file, in %1.</source>
        <translation>النسخ الخاسرة محفوظة بجانب ملف الإعدادات، في %1.</translation>
    </message>
    <message>
        <source>Tasks changed on both computers, where the later change stands: %1. velmorwick replaced lists the texts it replaced and puts one back.</source>
        <translation>مهام غُيّرت على الحاسوبين، يسري فيها التغيير الأحدث: %1. يعرض velmorwick replaced النصوص المستبدلة ويعيد واحدًا منها.</translation>
    </message>
    <message>
        <source>The version of the private list that lost is kept aside in the settings, encrypted under the password it was saved with: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>النسخة الخاسرة من القائمة الخاصة موضوعة جانبًا في الإعدادات، مشفرة بكلمة المرور التي حُفظت بها: يضع velmorwick put-back مهامها التي تنقص القائمة في صفوفها الفارغة.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: every list here was the later one.</source>
        <translation>حُفظت قوائم على حاسوبين في آن واحد، واحتفظ برنامج المزامنة بالنسختين. دمجهما Velmorwick، كل مهمة كما غُيّرت آخر مرة والباقي كما حُفظ آخر مرة: كل قائمة هنا كانت الأحدث.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: %1.</source>
        <translation>حُفظت قوائم على حاسوبين في آن واحد، واحتفظ برنامج المزامنة بالنسختين. دمجهما Velmorwick، كل مهمة كما غُيّرت آخر مرة والباقي كما حُفظ آخر مرة: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files looked like copies of Velmorwick&apos;s settings that a sync program kept, but hold something else or are damaged, so nothing of them was merged. They are kept whole beside the settings file, in %1, as %2.</source>
        <translation>
            <numerusform>بدت %n ملفات نسخًا من إعدادات Velmorwick احتفظ بها برنامج مزامنة، لكنها تحوي شيئًا آخر أو تالفة، فلم يُدمج منها شيء. إنها محفوظة كاملة بجانب ملف الإعدادات، في %1، باسم %2.</numerusform>
            <numerusform>بدا ملف واحد (%n) نسخة من إعدادات Velmorwick احتفظ بها برنامج مزامنة، لكنه يحوي شيئًا آخر أو تالف، فلم يُدمج منه شيء. إنه محفوظ كاملًا بجانب ملف الإعدادات، في %1، باسم %2.</numerusform>
            <numerusform>بدا ملفان (%n) نسختين من إعدادات Velmorwick احتفظ بهما برنامج مزامنة، لكنهما يحويان شيئًا آخر أو تالفان، فلم يُدمج منهما شيء. إنهما محفوظان كاملين بجانب ملف الإعدادات، في %1، باسم %2.</numerusform>
            <numerusform>بدت %n ملفات نسخًا من إعدادات Velmorwick احتفظ بها برنامج مزامنة، لكنها تحوي شيئًا آخر أو تالفة، فلم يُدمج منها شيء. إنها محفوظة كاملة بجانب ملف الإعدادات، في %1، باسم %2.</numerusform>
            <numerusform>بدا %n ملفًا نسخًا من إعدادات Velmorwick احتفظ بها برنامج مزامنة، لكنها تحوي شيئًا آخر أو تالفة، فلم يُدمج منها شيء. إنها محفوظة كاملة بجانب ملف الإعدادات، في %1، باسم %2.</numerusform>
            <numerusform>بدا %n ملف نسخًا من إعدادات Velmorwick احتفظ بها برنامج مزامنة، لكنها تحوي شيئًا آخر أو تالفة، فلم يُدمج منها شيء. إنها محفوظة كاملة بجانب ملف الإعدادات، في %1، باسم %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n versions that lost are kept beside the settings file, in %1.</source>
        <translation>
            <numerusform>النسخ الخاسرة وعددها %n محفوظة بجانب ملف الإعدادات، في %1.</numerusform>
            <numerusform>النسخة الخاسرة (%n) محفوظة بجانب ملف الإعدادات، في %1.</numerusform>
            <numerusform>النسختان الخاسرتان (%n) محفوظتان بجانب ملف الإعدادات، في %1.</numerusform>
            <numerusform>النسخ الخاسرة وعددها %n محفوظة بجانب ملف الإعدادات، في %1.</numerusform>
            <numerusform>النسخ الخاسرة وعددها %n محفوظة بجانب ملف الإعدادات، في %1.</numerusform>
            <numerusform>النسخ الخاسرة وعددها %n محفوظة بجانب ملف الإعدادات، في %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 و%n أخرى</numerusform>
            <numerusform>%1 وواحدة أخرى (%n)</numerusform>
            <numerusform>%1 واثنتان أخريان (%n)</numerusform>
            <numerusform>%1 و%n أخرى</numerusform>
            <numerusform>%1 و%n أخرى</numerusform>
            <numerusform>%1 و%n أخرى</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoneWindow</name>
    <message>
        <source>Tarnbook - What I Got Done</source>
        <translation>Tarnbook - ما أنجزته</translation>
    </message>
    <message>
        <source>Days shown</source>
        <translation>الأيام المعروضة</translation>
    </message>
    <message>
        <source>Tasks done, by day</source>
        <translation>المهام المنجزة، حسب اليوم</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>ا&amp;عرض:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message numerus="yes">
        <source>the last %n days</source>
        <translation>
            <numerusform>آخر %n يوم</numerusform>
            <numerusform>آخر يوم (%n)</numerusform>
            <numerusform>آخر يومين (%n)</numerusform>
            <numerusform>آخر %n أيام</numerusform>
            <numerusform>آخر %n يومًا</numerusform>
            <numerusform>آخر %n يوم</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListStorage</name>
    <message>
        <source>Task %1 is longer than %2 characters; shorten it to save the list.</source>
        <translation>المهمة %1 أطول من %2 حرفًا؛ اختصرها لحفظ القائمة.</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>أُفرغت المهام</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>إفراغ القائمة</translation>
    </message>
</context>
<context>
    <name>LogbookFile</name>
    <message>
        <source>The logbook %1 could not be read.</source>
        <translation>تعذرت قراءة السجل %1.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>جزء من السجل %1 كان تالفًا وتعذرت قراءته؛ حُفظ باسم %2، ويتابع سجل جديد بالباقي.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>جزء من السجل %1 كان تالفًا وتعذرت قراءته؛ قُرئ الباقي.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first, so nothing was taken out of it.</source>
        <translation>تعذر نسخ سجل هذا الحاسوب جانبًا أولًا؛ لم يُحذف منه شيء.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written.</source>
        <translation>تعذرت كتابة السجل %1.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>تعذرت كتابة السجل %1 (%2).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmorwick! v3.0</source>
        <translation>Velmorwick! v3.0</translation>
    </message>
    <message>
        <source>Choose number of tasks to begin!</source>
        <translation>اختر عدد المهام لتبدأ!</translation>
    </message>
    <message>
        <source>v3.01</source>
        <translation>v3.01</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>ال&amp;قائمة</translation>
    </message>
    <message>
        <source>&amp;Clear All Tasks</source>
        <translation>إفراغ &amp;كل المهام</translation>
    </message>
    <message>
        <source>&amp;Quick Notes</source>
        <translation>ملاحظات &amp;سريعة</translation>
    </message>
    <message>
        <source>Make &amp;Topmost</source>
        <translation>في ال&amp;مقدمة دائمًا</translation>
    </message>
    <message>
        <source>Make &amp;Non-topmost</source>
        <translation>ليس في المقدمة دائ&amp;مًا</translation>
    </message>
    <message>
        <source>Reset AutoLoad</source>
        <translation>إعادة ضبط AutoLoad</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>My &amp;Private List</source>
        <translation>قائمتي ال&amp;خاصة</translation>
    </message>
    <message>
        <source>&amp;View My Private List</source>
        <translation>اعرض قائمتي الخاص&amp;ة</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;غيّر كلمة المرور</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>Please select number of tasks</source>
        <translation>يُرجى اختيار عدد المهام</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all tasks?</source>
        <translation>هل أنت متأكد أنك تريد إفراغ كل المهام؟</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Clear All Tasks</source>
        <translation>إفراغ كل المهام</translation>
    </message>
    <message>
        <source>The tasks were not cleared.</source>
        <translation>لم تُفرَغ المهام.</translation>
    </message>
    <message>
        <source>All Tasks Cleared!</source>
        <translation>أُفرغت كل المهام!</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The reminder could not be switched on again.</source>
        <translation>تعذرت إعادة تشغيل التذكير.</translation>
    </message>
    <message>
        <source>AutoLoad Window has been reset!</source>
        <translation>أُعيد ضبط نافذة AutoLoad!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n مهمة</numerusform>
            <numerusform>%n مهمة</numerusform>
            <numerusform>%n مهمتان</numerusform>
            <numerusform>%n مهام</numerusform>
            <numerusform>%n مهمة</numerusform>
            <numerusform>%n مهمة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamedList</name>
    <message>
        <source>%1, %2</source>
        <extracomment>Two names of a list in a sentence: the list so far, then the next name.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two texts of a list that may hold commas themselves: the list so far, then the next text.</extracomment>
        <translation>%1؛ %2</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>Tarnbook! Quick Note (Main)</source>
        <translation>Tarnbook! ملاحظة سريعة (الرئيسية)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (2)</source>
        <translation>Tarnbook! ملاحظة سريعة (2)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (3)</source>
        <translation>Tarnbook! ملاحظة سريعة (3)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (4)</source>
        <translation>Tarnbook! ملاحظة سريعة (4)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (End)</source>
        <translation>Tarnbook! ملاحظة سريعة (الأخيرة)</translation>
    </message>
    <message>
        <source>Clear Current Quicknote</source>
        <translation>أفرغ هذه الملاحظة</translation>
    </message>
    <message>
        <source>New QuickNote</source>
        <translation>ملاحظة جديدة</translation>
    </message>
    <message>
        <source>Notes may go behind other windows here: %1. The README&apos;s &quot;Wayland and scaling&quot; tells what to do.</source>
        <translation>قد تختفي الملاحظات هنا خلف نوافذ أخرى: %1. يشرح قسم &quot;Wayland and scaling&quot; في README ما يجب فعله.</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show again</source>
        <translation>لا تُ&amp;ظهر هذا ثانية</translation>
    </message>
    <message>
        <source>The notice could not be turned off for good.</source>
        <translation>تعذر إيقاف الإشعار نهائيًا.</translation>
    </message>
    <message>
        <source>Do you want to completely exit Tarnbook?</source>
        <translation>هل تريد الخروج من Tarnbook تمامًا؟</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>تنبيه!</translation>
    </message>
</context>
<context>
    <name>PasswordCreateWindow</name>
    <message>
        <source>Create Password</source>
        <translation>إنشاء كلمة مرور</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Re-enter Password</source>
        <translation>أعد كلمة المرور</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Please create your Private List Password</source>
        <translation>يُرجى إنشاء كلمة مرور قائمتك الخاصة</translation>
    </message>
    <message>
        <source>Passwords are blank or do not match</source>
        <translation>كلمتا المرور فارغتان أو غير متطابقتين</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>The password was not saved.</source>
        <translation>لم تُحفظ كلمة المرور.</translation>
    </message>
    <message>
        <source>Password Set!</source>
        <translation>عُيّنت كلمة المرور!</translation>
    </message>
    <message>
        <source>Older copies of your settings (%1: snapshots and copies kept beside them) still open the private list with the earlier password. To take the private list out of them, run: velmorwick snapshots --forget-private. A backup you wrote elsewhere is yours to delete.</source>
        <translation>ما زالت نسخ أقدم من إعداداتك (%1: لقطات ونسخ محفوظة بجانبها) تفتح القائمة الخاصة بكلمة المرور السابقة. لإخراج القائمة الخاصة منها، شغّل: velmorwick snapshots --forget-private. أما النسخة الاحتياطية التي كتبتها في مكان آخر فحذفها إليك.</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
</context>
<context>
    <name>PasswordEntryWindow</name>
    <message>
        <source>Enter Password!</source>
        <translation>أدخل كلمة المرور!</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>Please enter your password below!</source>
        <translation>يُرجى إدخال كلمة مرورك أدناه!</translation>
    </message>
    <message>
        <source>Wrong password, please try again</source>
        <translation>كلمة مرور خاطئة، حاول مرة أخرى</translation>
    </message>
    <message>
        <source>The stored password cannot be checked: it asks for far more work than Velmorwick ever sets, so the settings file may have been altered.</source>
        <translation>تتعذر مراجعة كلمة المرور المحفوظة: إنها تطلب عملًا أكثر بكثير مما يضبطه Velmorwick أبدًا، فربما عُدّل ملف الإعدادات.</translation>
    </message>
    <message>
        <source>The password cannot be checked: %1. Nothing was changed.</source>
        <translation>تتعذر مراجعة كلمة المرور: %1. لم يتغير شيء.</translation>
    </message>
    <message>
        <source>The private list could not be opened, because it could not be saved encrypted. %1</source>
        <translation>تعذر فتح القائمة الخاصة لأنه تعذر حفظها مشفرة. %1</translation>
    </message>
    <message>
        <source>Password field cannot be blank</source>
        <translation>لا يمكن ترك حقل كلمة المرور فارغًا</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>The password could not be removed.</source>
        <translation>تعذرت إزالة كلمة المرور.</translation>
    </message>
</context>
<context>
    <name>PrivateVault</name>
    <message>
        <source>The settings file held private tasks in plain text, where this version of Velmorwick never writes them, so they were not taken into your private list: they are kept aside, encrypted, in the settings (section &quot;%1&quot;).</source>
        <translation>كان ملف الإعدادات يحوي مهام خاصة بنص غير مشفر، حيث لا يكتبها هذا الإصدار من Velmorwick أبدًا، فلم تؤخذ إلى قائمتك الخاصة: إنها موضوعة جانبًا، مشفرة، في الإعدادات (القسم &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>There was not enough memory to protect it.</source>
        <translation>لم تكن هناك ذاكرة كافية لحمايتها.</translation>
    </message>
    <message>
        <source>There was not enough memory to protect the list meanwhile.</source>
        <translation>لم تكن هناك ذاكرة كافية لحماية القائمة في الأثناء.</translation>
    </message>
    <message>
        <source>password change</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>A password was set meanwhile, by another copy of Velmorwick. Open the private list with that password.</source>
        <translation>عُيّنت كلمة مرور في الأثناء من نسخة أخرى من Velmorwick. افتح القائمة الخاصة بكلمة المرور تلك.</translation>
    </message>
    <message>
        <source>The private list is locked; open it again with the password.</source>
        <translation>القائمة الخاصة مقفلة؛ افتحها مرة أخرى بكلمة المرور.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it has been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list opens empty.</source>
        <translation>تعذرت قراءة القائمة الخاصة المحفوظة: لقد تلفت أو عُدّلت. تبقى كما كانت في الإعدادات (القسم &quot;%1&quot;)، وتُفتح القائمة فارغة.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it had been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;).</source>
        <translation>تعذرت قراءة القائمة الخاصة المحفوظة: كانت قد تلفت أو عُدّلت. تبقى كما كانت في الإعدادات (القسم &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>There was no source of randomness to encrypt it with.</source>
        <translation>لم يكن هناك مصدر عشوائية لتشفيرها.</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere while this list was open (on another computer, in another copy of Velmorwick, or by a restore), so your rows were not saved over the list stored under it.</source>
        <translation>غُيّرت كلمة مرور القائمة الخاصة في مكان آخر بينما كانت هذه القائمة مفتوحة (على حاسوب آخر، أو في نسخة أخرى من Velmorwick، أو باستعادة)، فلم تُحفظ صفوفك فوق القائمة المحفوظة بها.</translation>
    </message>
    <message>
        <source>They could not be kept aside either: %1 Copy them before you close this window.</source>
        <translation>وتعذر وضعها جانبًا أيضًا: %1 انسخها قبل أن تغلق هذه النافذة.</translation>
    </message>
    <message>
        <source>They are kept aside, encrypted under the password that opened them (section &quot;%1&quot; of the settings). Close this list and open it again with the current password; to put those rows back into it, run: velmorwick put-back.</source>
        <translation>إنها موضوعة جانبًا، مشفرة بكلمة المرور التي فتحتها (القسم &quot;%1&quot; من الإعدادات). أغلق هذه القائمة وافتحها مرة أخرى بكلمة المرور الحالية؛ ولإعادة تلك الصفوف إليها، شغّل: velmorwick put-back.</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>إفراغ القائمة</translation>
    </message>
    <message>
        <source>its cryptography library did not start on this system</source>
        <translation>لم تبدأ مكتبة التشفير الخاصة به على هذا النظام</translation>
    </message>
    <message>
        <source>The saved private list could not be opened: its key is missing, damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list starts empty.</source>
        <translation>تعذر فتح القائمة الخاصة المحفوظة: مفتاحها مفقود أو تالف أو معدَّل. تبقى كما كانت في الإعدادات (القسم &quot;%1&quot;)، وتبدأ القائمة فارغة.</translation>
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
    <name>QObject</name>
    <message>
        <source>the printer %1 did not accept the job</source>
        <translation>لم تقبل الطابعة %1 المهمة</translation>
    </message>
    <message>
        <source>Saved. %1</source>
        <translation>حُفظ. %1</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>The folder %1 cannot be used (%2).</source>
        <translation>لا يمكن استخدام المجلد %1 (%2).</translation>
    </message>
    <message>
        <source>%1 was written, but the disk did not confirm it (%2).</source>
        <translation>كُتب %1، لكن القرص لم يؤكد ذلك (%2).</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace.</source>
        <translation>%1 هو %2، ولا يستبدله Velmorwick.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation>تعذرت كتابة %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>تتعذر قراءة %1 (%2).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 غير موجود.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 هو %2، وليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes, or grew while it was read.</source>
        <translation>%1 أكبر من %2 ميغابايت، أكثر بكثير مما يكتبه Velmorwick أبدًا، أو كبر أثناء قراءته.</translation>
    </message>
    <message>
        <source>a Wayland session lets no program keep a window above others or place it</source>
        <translation>جلسة Wayland لا تسمح لأي برنامج بإبقاء نافذة فوق غيرها أو بتحديد موضعها</translation>
    </message>
    <message>
        <source>the window manager does not keep windows above others</source>
        <translation>مدير النوافذ لا يبقي النوافذ فوق غيرها</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>رابط</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>جهاز</translation>
    </message>
    <message>
        <source>%1 is a file Velmorwick keeps for itself.</source>
        <translation>%1 ملف يحتفظ به Velmorwick لنفسه.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes.</source>
        <translation>%1 أكبر من %2 ميغابايت، أكثر بكثير مما يكتبه Velmorwick أبدًا.</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: this Wayland session has no X display (Xwayland) and Qt&apos;s Wayland plugin is not installed; install Debian&apos;s xwayland, or qt6-wayland</source>
        <translation>لا يستطيع velmorwick فتح نافذة: جلسة Wayland هذه بلا شاشة X (Xwayland) وإضافة Wayland الخاصة بـ Qt غير مثبتة؛ ثبّت xwayland أو qt6-wayland من Debian</translation>
    </message>
    <message>
        <source>velmorwick needs a graphical session (DISPLAY is not set); to try it without one, run: xvfb-run velmorwick, or QT_QPA_PLATFORM=offscreen velmorwick</source>
        <translation>يحتاج velmorwick إلى جلسة رسومية (DISPLAY غير مضبوط)؛ لتجربته دونها، شغّل: xvfb-run velmorwick، أو QT_QPA_PLATFORM=offscreen velmorwick</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland plugin is not installed (Debian&apos;s qt6-wayland)</source>
        <translation>إضافة Wayland الخاصة بـ Qt غير مثبتة (qt6-wayland من Debian)</translation>
    </message>
    <message>
        <source>Qt has no plugin named &quot;%1&quot;</source>
        <translation>ليس لدى Qt إضافة باسم &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the X display %1 could not be opened (is it running, and XAUTHORITY set?)</source>
        <translation>تعذر فتح شاشة X %1 (هل تعمل، وهل XAUTHORITY مضبوط؟)</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 could not be reached</source>
        <translation>تعذر الوصول إلى مُركّب Wayland %1</translation>
    </message>
    <message>
        <source>no window system plugin of Qt&apos;s could start</source>
        <translation>لم تستطع أي إضافة لنظام النوافذ في Qt البدء</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: QT_QPA_PLATFORM=%1 cannot be used here: %2</source>
        <translation>لا يستطيع velmorwick فتح نافذة: لا يمكن استخدام QT_QPA_PLATFORM=%1 هنا: %2</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: %1</source>
        <translation>لا يستطيع velmorwick فتح نافذة: %1</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>تغيرت الإعدادات في الأثناء؛ لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry.</source>
        <translation>تعذرت كتابة الإعدادات في السجل (Registry).</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook (%1); they are saved in their list.</source>
        <translation>تعذرت كتابة المهام المؤشَّر عليها للتو في السجل (%1)؛ إنها محفوظة في قائمتها.</translation>
    </message>
    <message>
        <source>Velmorwick does not keep &quot;%1&quot; in section &quot;%2&quot; of its settings, so nothing was written.</source>
        <translation>لا يحفظ Velmorwick &quot;%1&quot; في القسم &quot;%2&quot; من إعداداته؛ لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>This store cannot be copied to a file here.</source>
        <translation>لا يمكن نسخ هذه الإعدادات إلى ملف هنا.</translation>
    </message>
    <message>
        <source>This store cannot be restored from a file here.</source>
        <translation>لا يمكن استعادة هذه الإعدادات من ملف هنا.</translation>
    </message>
    <message>
        <source>This store keeps no snapshots here.</source>
        <translation>لا تحفظ هذه الإعدادات لقطات هنا.</translation>
    </message>
    <message>
        <source>This system keeps no logbook of tasks done.</source>
        <translation>لا يحتفظ هذا النظام بسجل للمهام المنجزة.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>رابط رمزي</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>أنبوب</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>مقبس</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>a file Velmorwick keeps for itself</source>
        <translation>ملف يحتفظ به Velmorwick لنفسه</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>سيكون الملف أكبر مما يسمح به هذا النظام</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>القرص للقراءة فقط</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>المجلد للقراءة فقط</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>أبلغ القرص عن خطأ</translation>
    </message>
    <message>
        <source>it is a symbolic link, which Velmorwick does not follow</source>
        <translation>إنه رابط رمزي، ولا يتبعه Velmorwick</translation>
    </message>
    <message>
        <source>it is not a folder of yours that only you can open</source>
        <translation>ليس مجلدًا لك لا يفتحه أحد سواك</translation>
    </message>
    <message>
        <source>it is an ordinary file, not a folder</source>
        <translation>إنه ملف عادي، وليس مجلدًا</translation>
    </message>
    <message>
        <source>it is a pipe, not a folder</source>
        <translation>إنه أنبوب، وليس مجلدًا</translation>
    </message>
    <message>
        <source>it is a device or a socket, not a folder</source>
        <translation>إنه جهاز أو مقبس، وليس مجلدًا</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>AutoLoad</source>
        <translation>AutoLoad</translation>
    </message>
    <message>
        <source>You can choose to load a list automatically the next time Velmorwick is run?</source>
        <translation>هل تريد تحميل قائمة تلقائيًا في المرة القادمة التي يعمل فيها Velmorwick؟</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again in the future</source>
        <translation>لا تذكّرني بهذا مجددًا</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Your choice could not be saved, so nothing changes at the next start.</source>
        <translation>تعذر حفظ اختيارك، فلن يتغير شيء في التشغيل القادم.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>5 Tasks</source>
        <translation>5 مهام</translation>
    </message>
    <message>
        <source>Replaces each character by its preceeding letter in the aplhabet (a becomes b, f becomes g)</source>
        <translation>يستبدل كل حرف بالحرف الذي يسبقه في الأبجدية (a يصبح b، وf يصبح g)</translation>
    </message>
    <message>
        <source>10 Tasks</source>
        <translation>10 مهام</translation>
    </message>
    <message>
        <source>Reverses the text</source>
        <translation>يعكس النص</translation>
    </message>
    <message>
        <source>13 Tasks</source>
        <translation>13 مهمة</translation>
    </message>
    <message>
        <source>Every 2 consequetive characters switch places</source>
        <translation>يتبادل كل حرفين متتاليين مكانيهما</translation>
    </message>
    <message>
        <source>15 Tasks</source>
        <translation>15 مهمة</translation>
    </message>
    <message>
        <source>Every character is mapped to a hidden character and then replaced!</source>
        <translation>يُربط كل حرف بحرف مخفي ثم يُستبدل!</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>The settings file %1 is %2, not an ordinary file. Velmorwick neither reads nor writes it: your saved lists cannot be shown, and nothing can be saved until it is replaced by an ordinary file.</source>
        <translation>ملف الإعدادات %1 هو %2، وليس ملفًا عاديًا. لا يقرؤه Velmorwick ولا يكتبه: لا يمكن عرض قوائمك المحفوظة، ولا يمكن حفظ شيء حتى يُستبدل بملف عادي.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MB, far more than Velmorwick ever writes, so it was not read: your saved lists cannot be shown, and nothing can be saved until it is moved away.</source>
        <translation>ملف الإعدادات %1 أكبر من %2 ميغابايت، أكثر بكثير مما يكتبه Velmorwick أبدًا، فلم يُقرأ: لا يمكن عرض قوائمك المحفوظة، ولا يمكن حفظ شيء حتى يُنقل.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2). Your saved lists cannot be shown, and nothing will be saved until the file can be read again.</source>
        <translation>تتعذر قراءة ملف الإعدادات %1 (%2). لا يمكن عرض قوائمك المحفوظة، ولن يُحفظ شيء حتى تمكن قراءة الملف مجددًا.</translation>
    </message>
</context>
<context>
    <name>TaskListWindow</name>
    <message>
        <source>Today&apos;s Tarnbook!</source>
        <translation>Tarnbook اليوم!</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>المهمة %1</translation>
    </message>
    <message>
        <source>Task %1 done</source>
        <translation>أُنجزت المهمة %1</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Tick all tasks</source>
        <translation>أشّر على كل المهام</translation>
    </message>
    <message>
        <source>&amp;Print List</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>إ&amp;فراغ</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>saved over a version from elsewhere</source>
        <translation>حُفظت فوق نسخة من مكان آخر</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>أُفرغت المهام</translation>
    </message>
    <message>
        <source>The list was not saved.</source>
        <translation>لم تُحفظ القائمة.</translation>
    </message>
    <message>
        <source>Changed elsewhere meanwhile and replaced by yours: %1. velmorwick replaced lists what they held, and velmorwick replaced --put-back puts one back.</source>
        <translation>غُيّرت في مكان آخر في الأثناء واستُبدلت بما لديك: %1. يعرض velmorwick replaced ما كانت تحويه، ويعيد velmorwick replaced --put-back واحدة منها.</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept aside in the settings, encrypted under the password it was saved with, before yours replaced it: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>وُضعت نسخة هذه القائمة المحفوظة في مكان آخر جانبًا في الإعدادات، مشفرة بكلمة المرور التي حُفظت بها، قبل أن تستبدلها نسختك: يضع velmorwick put-back مهامها التي تنقص القائمة في صفوفها الفارغة.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept beside the settings file, as %1, before yours replaced it.</source>
        <translation>حُفظت نسخة هذه القائمة المحفوظة في مكان آخر بجانب ملف الإعدادات، باسم %1، قبل أن تستبدلها نسختك.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept as a snapshot before yours replaced it (velmorwick snapshots lists it).</source>
        <translation>حُفظت نسخة هذه القائمة المحفوظة في مكان آخر كلقطة قبل أن تستبدلها نسختك (يعرضها velmorwick snapshots).</translation>
    </message>
    <message>
        <source>The saved list could not be cleared; it will come back the next time this list is opened.</source>
        <translation>تعذر إفراغ القائمة المحفوظة؛ ستعود في المرة القادمة التي تُفتح فيها هذه القائمة.</translation>
    </message>
    <message>
        <source>This private list was saved elsewhere under another password, which this window cannot open. Save keeps your rows aside, encrypted; then close the list and open it again with the current password.</source>
        <translation>حُفظت هذه القائمة الخاصة في مكان آخر بكلمة مرور أخرى لا تستطيع هذه النافذة فتحها. الحفظ يضع صفوفك جانبًا مشفرة؛ ثم أغلق القائمة وافتحها مرة أخرى بكلمة المرور الحالية.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (غُيّرت في مكان آخر)</translation>
    </message>
    <message>
        <source>The list could not be printed: %1.</source>
        <translation>تعذرت طباعة القائمة: %1.</translation>
    </message>
    <message>
        <source>My Private Tarnbook!</source>
        <translation>Tarnbook الخاص بي!</translation>
    </message>
    <message>
        <source>Tarnbook! 3 Tasks</source>
        <translation>Tarnbook! 3 مهام</translation>
    </message>
    <message>
        <source>Tarnbook! Normal Day</source>
        <translation>Tarnbook! يوم عادي</translation>
    </message>
    <message>
        <source>Tarnbook! 6 Tasks</source>
        <translation>Tarnbook! 6 مهام</translation>
    </message>
    <message>
        <source>Tarnbook! 7 Tasks</source>
        <translation>Tarnbook! 7 مهام</translation>
    </message>
    <message>
        <source>Tarnbook! 8 Tasks</source>
        <translation>Tarnbook! 8 مهام</translation>
    </message>
    <message>
        <source>Tarnbook! 9 Tasks</source>
        <translation>Tarnbook! 9 مهام</translation>
    </message>
    <message>
        <source>Tarnbook! Busy Day</source>
        <translation>Tarnbook! يوم مزدحم</translation>
    </message>
    <message>
        <source>Tarnbook! 11 Tasks</source>
        <translation>Tarnbook! 11 مهمة</translation>
    </message>
    <message>
        <source>Tarnbook! 12 Tasks</source>
        <translation>Tarnbook! 12 مهمة</translation>
    </message>
    <message>
        <source>Tarnbook! 13 Tasks</source>
        <translation>Tarnbook! 13 مهمة</translation>
    </message>
    <message>
        <source>Tarnbook! 14 Tasks...</source>
        <translation>Tarnbook! 14 مهمة...</translation>
    </message>
    <message>
        <source>Tarnbook! Really Busy Day...</source>
        <translation>Tarnbook! يوم مزدحم جدًا...</translation>
    </message>
</context>
<context>
    <name>addcommand</name>
    <message>
        <source>a task needs some text</source>
        <translation>تحتاج المهمة إلى بعض النص</translation>
    </message>
    <message>
        <source>a task is one line, without line breaks or control characters</source>
        <translation>المهمة سطر واحد، بلا فواصل أسطر ولا أحرف تحكم</translation>
    </message>
    <message>
        <source>a task is at most %1 characters</source>
        <translation>المهمة %1 حرفًا على الأكثر</translation>
    </message>
    <message>
        <source>%1; nothing was added.</source>
        <translation>%1؛ لم يُضف شيء.</translation>
    </message>
    <message>
        <source>no list opens at start to add to; name one with --list N (3, or 5 to 15).</source>
        <translation>لا تُفتح قائمة عند البدء للإضافة إليها؛ سمِّ واحدة بـ --list N (3، أو 5 إلى 15).</translation>
    </message>
    <message>
        <source>there is no %1-task list; the lists have 3, or 5 to 15 tasks.</source>
        <translation>لا توجد قائمة من %1 مهام؛ القوائم من 3، أو 5 إلى 15 مهمة.</translation>
    </message>
    <message>
        <source>the %1-task list is full; nothing was added.</source>
        <translation>قائمة الـ %1 مهام ممتلئة؛ لم يُضف شيء.</translation>
    </message>
    <message>
        <source>the %1-task list has room for %2 more; nothing was added.</source>
        <translation>في قائمة الـ %1 مهام متسع لـ %2 فقط؛ لم يُضف شيء.</translation>
    </message>
    <message>
        <source>%1 Nothing was added.</source>
        <translation>%1 لم يُضف شيء.</translation>
    </message>
    <message>
        <source>the %1-task list kept changing meanwhile; nothing was added.</source>
        <translation>ظلت قائمة الـ %1 مهام تتغير في الأثناء؛ لم يُضف شيء.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Tarnbook, a small to-do list: today&apos;s tasks, a private list and quick notes. Started without options, it opens its windows.</source>
        <translation>Tarnbook، قائمة مهام صغيرة: مهام اليوم، وقائمة خاصة، وملاحظات سريعة. إذا شُغّل دون خيارات يفتح نوافذه.</translation>
    </message>
    <message>
        <source>export: text or json; done: text, json or csv.</source>
        <translation>export: text أو json؛ done: text أو json أو csv.</translation>
    </message>
    <message>
        <source>done: the last N days (7 if not given).</source>
        <translation>done: آخر N أيام (7 إن لم تُحدَّد).</translation>
    </message>
    <message>
        <source>done: from this day on.</source>
        <translation>done: من هذا اليوم فصاعدًا.</translation>
    </message>
    <message>
        <source>done: take the tasks done before this day away.</source>
        <translation>done: احذف المهام المنجزة قبل هذا اليوم.</translation>
    </message>
    <message>
        <source>done: the tasks unticked again too.</source>
        <translation>done: والمهام التي أُزيل تأشيرها أيضًا.</translation>
    </message>
    <message>
        <source>export: the private list too (asks for its password).</source>
        <translation>export: والقائمة الخاصة أيضًا (تطلب كلمة مرورها).</translation>
    </message>
    <message>
        <source>restore: this snapshot (see velmorwick snapshots).</source>
        <translation>restore: هذه اللقطة (انظر velmorwick snapshots).</translation>
    </message>
    <message>
        <source>add: the list with N tasks (3, or 5 to 15).</source>
        <translation>add: القائمة ذات N مهام (3، أو 5 إلى 15).</translation>
    </message>
    <message>
        <source>snapshots: take the private list out of the copies an older password opens.</source>
        <translation>snapshots: أخرج القائمة الخاصة من النسخ التي تفتحها كلمة مرور أقدم.</translation>
    </message>
    <message>
        <source>replaced: put task N back (see velmorwick replaced).</source>
        <translation>replaced: أعد المهمة N (انظر velmorwick replaced).</translation>
    </message>
    <message>
        <source>add, export, import, backup, restore, snapshots, put-back, replaced or done.</source>
        <translation>add أو export أو import أو backup أو restore أو snapshots أو put-back أو replaced أو done.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>أمر غير معروف: %1</translation>
    </message>
    <message>
        <source>argument %1 is not text in this system&apos;s encoding; nothing was added.</source>
        <translation>الوسيط %1 ليس نصًا بترميز هذا النظام؛ لم يُضف شيء.</translation>
    </message>
    <message>
        <source>--format and --private belong to export, --snapshot to restore, --list to add, --forget-private to snapshots, --put-back to replaced (see velmorwick --help)</source>
        <translation>--format و--private لـ export، و--snapshot لـ restore، و--list لـ add، و--forget-private لـ snapshots، و--put-back لـ replaced (انظر velmorwick --help)</translation>
    </message>
    <message>
        <source>--forget-before takes a day as YYYY-MM-DD, not %1</source>
        <translation>يأخذ --forget-before يومًا بصيغة YYYY-MM-DD، لا %1</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1</source>
        <translation>يأخذ --days عدد أيام من 1</translation>
    </message>
    <message>
        <source>--since takes a day as YYYY-MM-DD, not %1</source>
        <translation>يأخذ --since يومًا بصيغة YYYY-MM-DD، لا %1</translation>
    </message>
    <message>
        <source>--put-back takes a number from 1 (see velmorwick replaced)</source>
        <translation>يأخذ --put-back عددًا من 1 (انظر velmorwick replaced)</translation>
    </message>
    <message>
        <source>--snapshot takes a number from 1, or a time as YYYY-MM-DD HH:MM:SS (see velmorwick snapshots)</source>
        <translation>يأخذ --snapshot عددًا من 1، أو وقتًا بصيغة YYYY-MM-DD HH:MM:SS (انظر velmorwick snapshots)</translation>
    </message>
    <message>
        <source>--list takes the number of tasks of a list: 3, or 5 to 15</source>
        <translation>يأخذ --list عدد مهام قائمة: 3، أو 5 إلى 15</translation>
    </message>
    <message>
        <source>no snapshot was kept at %1 (see velmorwick snapshots)</source>
        <translation>لم تُحفظ لقطة عند %1 (انظر velmorwick snapshots)</translation>
    </message>
</context>
<context>
    <name>datacommands</name>
    <message>
        <source>the private list has no password yet</source>
        <translation>ليس للقائمة الخاصة كلمة مرور بعد</translation>
    </message>
    <message>
        <source>Password of the private list: </source>
        <translation>كلمة مرور القائمة الخاصة: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>لم تُعطَ كلمة مرور</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>كلمة مرور خاطئة</translation>
    </message>
    <message>
        <source>the private list could not be saved encrypted: %1</source>
        <translation>تعذر حفظ القائمة الخاصة مشفرة: %1</translation>
    </message>
    <message>
        <source>the password cannot be checked: %1</source>
        <translation>تتعذر مراجعة كلمة المرور: %1</translation>
    </message>
    <message>
        <source>the stored password asks for far more work than Velmorwick ever sets</source>
        <translation>كلمة المرور المحفوظة تطلب عملًا أكثر بكثير مما يضبطه Velmorwick أبدًا</translation>
    </message>
    <message>
        <source>export writes to one file at most</source>
        <translation>يكتب export إلى ملف واحد على الأكثر</translation>
    </message>
    <message>
        <source>the format is text or json, not %1</source>
        <translation>الصيغة text أو json، لا %1</translation>
    </message>
    <message>
        <source>%1; nothing was exported.</source>
        <translation>%1؛ لم يُصدَّر شيء.</translation>
    </message>
    <message>
        <source>the lists could not be written to the standard output</source>
        <translation>تعذرت كتابة القوائم إلى المخرج القياسي</translation>
    </message>
    <message>
        <source>%1 Nothing was exported.</source>
        <translation>%1 لم يُصدَّر شيء.</translation>
    </message>
    <message>
        <source>import takes the one file to import</source>
        <translation>يأخذ import الملف الواحد المراد استيراده</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported.</source>
        <translation>%1: %2؛ لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>%1 holds the private list, but %2; nothing was imported.</source>
        <translation>يحوي %1 القائمة الخاصة، لكن %2؛ لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>Imported 1 list from %1.</source>
        <translation>استُوردت قائمة واحدة من %1.</translation>
    </message>
    <message>
        <source>backup takes the one file to write</source>
        <translation>يأخذ backup الملف الواحد المراد كتابته</translation>
    </message>
    <message>
        <source>Backed up to %1.</source>
        <translation>نُسخ احتياطيًا إلى %1.</translation>
    </message>
    <message>
        <source>restore --snapshot N takes no file</source>
        <translation>لا يأخذ restore --snapshot N ملفًا</translation>
    </message>
    <message>
        <source>restore takes the one backup to restore</source>
        <translation>يأخذ restore النسخة الاحتياطية الواحدة المراد استعادتها</translation>
    </message>
    <message>
        <source>snapshot %1 (%2)</source>
        <translation>اللقطة %1 (%2)</translation>
    </message>
    <message>
        <source>%1 The store was left as it was.</source>
        <translation>%1 بقيت الإعدادات كما كانت.</translation>
    </message>
    <message>
        <source>the logbook at the end of %1 is damaged; the store was left as it was.</source>
        <translation>السجل في نهاية %1 تالف؛ بقيت الإعدادات كما كانت.</translation>
    </message>
    <message>
        <source>The logbook in the backup could not be added (%1); the lists were restored.</source>
        <translation>تعذرت إضافة السجل الموجود في النسخة الاحتياطية (%1)؛ استُعيدت القوائم.</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>استُعيد %1.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2, and as snapshot 1.</source>
        <translation>استُعيد %1؛ الإعدادات التي استبدلها محفوظة باسم %2، وكلقطة 1.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2.</source>
        <translation>استُعيد %1؛ الإعدادات التي استبدلها محفوظة باسم %2.</translation>
    </message>
    <message>
        <source>No snapshot or kept copy opens the private list with an older password.</source>
        <translation>لا توجد لقطة ولا نسخة محفوظة تفتح القائمة الخاصة بكلمة مرور أقدم.</translation>
    </message>
    <message>
        <source>The private list was taken out of 1 older copy (a snapshot or kept copy); its day lists stay.</source>
        <translation>أُخرجت القائمة الخاصة من نسخة أقدم واحدة (لقطة أو نسخة محفوظة)؛ تبقى قوائم اليوم فيها.</translation>
    </message>
    <message>
        <source>snapshots takes no file</source>
        <translation>لا يأخذ snapshots ملفًا</translation>
    </message>
    <message>
        <source>No snapshots yet: one is kept before each step that takes text away.</source>
        <translation>لا لقطات بعد: تُحفظ واحدة قبل كل خطوة تحذف نصًا.</translation>
    </message>
    <message>
        <source>Named after a time to come (kept while this computer&apos;s clock was wrong):</source>
        <translation>مسماة بوقت لم يأتِ بعد (حُفظت حين كانت ساعة هذا الحاسوب خاطئة):</translation>
    </message>
    <message>
        <source>%1  %2  %3: %4</source>
        <translation>%1  %2  %3: %4</translation>
    </message>
    <message>
        <source>the same as now</source>
        <translation>مثل الآن</translation>
    </message>
    <message>
        <source>differs in %1</source>
        <translation>تختلف في %1</translation>
    </message>
    <message>
        <source>put-back takes no file</source>
        <translation>لا يأخذ put-back ملفًا</translation>
    </message>
    <message>
        <source>No rows of the private list are kept aside.</source>
        <translation>لا توجد صفوف من القائمة الخاصة موضوعة جانبًا.</translation>
    </message>
    <message>
        <source>The private list could not be opened: %1.</source>
        <translation>تعذر فتح القائمة الخاصة: %1.</translation>
    </message>
    <message>
        <source>Password the kept rows were typed under: </source>
        <translation>كلمة المرور التي كُتبت بها الصفوف المحفوظة: </translation>
    </message>
    <message>
        <source>Put 1 row back into the private list.</source>
        <translation>أُعيد صف واحد إلى القائمة الخاصة.</translation>
    </message>
    <message>
        <source>Some kept rows stay aside: the password does not open them, or the list has not enough empty rows for them.</source>
        <translation>تبقى بعض الصفوف المحفوظة جانبًا: كلمة المرور لا تفتحها، أو ليس في القائمة صفوف فارغة كافية لها.</translation>
    </message>
    <message>
        <source>replaced takes no file</source>
        <translation>لا يأخذ replaced ملفًا</translation>
    </message>
    <message>
        <source>No task was replaced by a merge.</source>
        <translation>لم يستبدل الدمج أي مهمة.</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>أُفرغت</translation>
    </message>
    <message>
        <source>replaced by &quot;%1&quot;</source>
        <translation>استُبدلت بـ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1  %2  the %3-task list, task %4: &quot;%5&quot;%6 %7</source>
        <translation>%1  %2  قائمة الـ %3 مهام، المهمة %4: &quot;%5&quot;%6 %7</translation>
    </message>
    <message>
        <source> (ticked)</source>
        <translation> (مؤشَّر عليها)</translation>
    </message>
    <message>
        <source>There is no replaced task %1 (see velmorwick replaced).</source>
        <translation>لا توجد مهمة مستبدلة رقم %1 (انظر velmorwick replaced).</translation>
    </message>
    <message>
        <source>The list changed meanwhile; nothing was changed. Try again.</source>
        <translation>تغيرت القائمة في الأثناء؛ لم يتغير شيء. حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Put back into the %1-task list as task %2.</source>
        <translation>أُعيدت إلى قائمة الـ %1 مهام كالمهمة %2.</translation>
    </message>
    <message>
        <source>done takes no file</source>
        <translation>لا يأخذ done ملفًا</translation>
    </message>
    <message>
        <source>--days and --since cannot go together</source>
        <translation>لا يجتمع --days و--since</translation>
    </message>
    <message>
        <source>--forget-before goes alone</source>
        <translation>يأتي --forget-before وحده</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs.</source>
        <translation>حُذفت المهام المنجزة قبل %1 من السجل، على كل حاسوب عند مزامنته.</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs; this computer&apos;s logbook as it was is kept as %2.</source>
        <translation>حُذفت المهام المنجزة قبل %1 من السجل، على كل حاسوب عند مزامنته؛ سجل هذا الحاسوب كما كان محفوظ باسم %2.</translation>
    </message>
    <message>
        <source>Added to the %1-task list as task %2.</source>
        <translation>أُضيفت إلى قائمة الـ %1 مهام كالمهمة %2.</translation>
    </message>
    <message>
        <source>Commands (no display needed; safe while the windows are open):
  add [--list N] [--] TEXT...
                    Each TEXT a task in the first empty rows of the N-task
                    list (3, or 5 to 15; without --list, the list that opens
                    at start), in one write: all or none. Open windows show
                    them. Put -- before a TEXT that starts with a dash.
  add [--list N]    Without a TEXT, on a display: the Add a Task window.
  export [--format text|json] [--private] [FILE]
                    Every saved day list, as a checklist or JSON, to FILE or
                    the standard output; --private adds the private list once
                    its password is typed.
  import FILE       Replaces the lists a JSON file from export names, in one
                    write; a file with anything wrong in it changes nothing.
  backup FILE       Writes a copy of everything Velmorwick keeps to FILE,
                    readable by you alone.
  restore FILE      Puts a backup in place of everything Velmorwick keeps;
                    what it replaces is kept beside it (the last 5) and as a
                    snapshot.
  snapshots         Lists the snapshots kept before each step that took text
                    away (Clear List, Clear All Tasks, a save that emptied
                    tasks, import, restore, a password change) and at the
                    first save of a day: newest first, numbered from 1.
  snapshots --forget-private
                    Takes the private list out of the snapshots and kept
                    copies that an older password still opens (after a
                    password change); their day lists stay.
  put-back          Puts private rows kept aside (a Save while the password
                    was changed elsewhere, a version that lost a merge)
                    back into the private list&apos;s empty rows, those it
                    lacks; asks for the password now, then the one they
                    were typed under.
  replaced          Lists the tasks a merge replaced (the same task changed on
                    two computers; the later change stands), newest first.
  replaced --put-back N
                    Puts task N of that list back: into its row if that is
                    empty or unchanged since, otherwise the first empty row.
  done [--days N | --since YYYY-MM-DD] [--all] [--format text|json|csv]
                    The tasks ticked and saved on every computer, by day,
                    newest first: the last 7 days, or N, or since a day;
                    --all adds those unticked again, marked.
  done --window     The same in a window, What I Got Done (needs a display).
  done --forget-before YYYY-MM-DD
                    Takes the tasks done before that day out of the logbook
                    on every computer; this computer&apos;s as it was is kept.
  restore --snapshot N
                    Puts snapshot N back; the store it replaces is kept as a
                    snapshot in its turn, so a restore can be taken back.
</source>
        <translation>الأوامر (لا تحتاج إلى شاشة؛ آمنة والنوافذ مفتوحة):
  add [--list N] [--] TEXT...
                    كل TEXT مهمة في أول الصفوف الفارغة من قائمة الـ N مهام
                    (3، أو 5 إلى 15؛ دون --list، القائمة التي تُفتح عند البدء)،
                    في كتابة واحدة: الكل أو لا شيء. تعرضها النوافذ المفتوحة.
                    ضع -- قبل TEXT يبدأ بشَرطة.
  add [--list N]    دون TEXT، مع شاشة: نافذة إضافة مهمة.
  export [--format text|json] [--private] [FILE]
                    كل قائمة يوم محفوظة، كقائمة تأشير أو JSON، إلى FILE أو
                    المخرج القياسي؛ يضيف --private القائمة الخاصة بعد كتابة
                    كلمة مرورها.
  import FILE       يستبدل القوائم التي يسميها ملف JSON من export، في كتابة
                    واحدة؛ ملف فيه أي خطأ لا يغير شيئًا.
  backup FILE       يكتب نسخة من كل ما يحفظه Velmorwick إلى FILE، لا يقرؤها
                    سواك.
  restore FILE      يضع نسخة احتياطية مكان كل ما يحفظه Velmorwick؛ ما يستبدله
                    يُحفظ بجانبه (آخر 5) وكلقطة.
  snapshots         يعرض اللقطات المحفوظة قبل كل خطوة حذفت نصًا (إفراغ القائمة،
                    إفراغ كل المهام، حفظ أفرغ مهام، import، restore، تغيير كلمة
                    مرور) وعند أول حفظ في اليوم: الأحدث أولًا، مرقمة من 1.
  snapshots --forget-private
                    يُخرج القائمة الخاصة من اللقطات والنسخ المحفوظة التي ما زالت
                    تفتحها كلمة مرور أقدم (بعد تغيير كلمة المرور)؛ تبقى قوائم
                    اليوم فيها.
  put-back          يعيد الصفوف الخاصة الموضوعة جانبًا (حفظ أثناء تغيير كلمة
                    المرور في مكان آخر، نسخة خسرت دمجًا) إلى صفوف القائمة الخاصة
                    الفارغة، ما ينقصها منها؛ يطلب كلمة المرور الحالية، ثم التي
                    كُتبت بها.
  replaced          يعرض المهام التي استبدلها دمج (المهمة نفسها غُيّرت على
                    حاسوبين؛ يسري التغيير الأحدث)، الأحدث أولًا.
  replaced --put-back N
                    يعيد المهمة N من تلك القائمة: إلى صفها إن كان فارغًا أو لم
                    يتغير، وإلا إلى أول صف فارغ.
  done [--days N | --since YYYY-MM-DD] [--all] [--format text|json|csv]
                    المهام المؤشَّر عليها والمحفوظة على كل حاسوب، حسب اليوم،
                    الأحدث أولًا: آخر 7 أيام، أو N، أو منذ يوم؛ يضيف --all
                    التي أُزيل تأشيرها، مع علامة.
  done --window     الشيء نفسه في نافذة، ما أنجزته (تحتاج إلى شاشة).
  done --forget-before YYYY-MM-DD
                    يحذف المهام المنجزة قبل ذلك اليوم من السجل على كل حاسوب؛
                    يُحفظ سجل هذا الحاسوب كما كان.
  restore --snapshot N
                    يعيد اللقطة N؛ تُحفظ الإعدادات التي تستبدلها كلقطة بدورها،
                    فيمكن التراجع عن الاستعادة.
</translation>
    </message>
    <message>
        <source>--private belongs to export</source>
        <translation>--private لـ export</translation>
    </message>
    <message>
        <source>done --format takes text, json or csv</source>
        <translation>يأخذ done --format القيمة text أو json أو csv</translation>
    </message>
    <message>
        <source>--format belongs to export and done</source>
        <translation>--format لـ export وdone</translation>
    </message>
    <message>
        <source>--days, --since, --all and --forget-before belong to done</source>
        <translation>--days و--since و--all و--forget-before لـ done</translation>
    </message>
    <message>
        <source>--snapshot belongs to restore</source>
        <translation>--snapshot لـ restore</translation>
    </message>
    <message>
        <source>--list belongs to add</source>
        <translation>--list لـ add</translation>
    </message>
    <message>
        <source>--forget-private belongs to snapshots</source>
        <translation>--forget-private لـ snapshots</translation>
    </message>
    <message>
        <source>--put-back belongs to replaced</source>
        <translation>--put-back لـ replaced</translation>
    </message>
    <message>
        <source>add takes the text of each task to add (without one it opens a window, which needs a display)</source>
        <translation>يأخذ add نص كل مهمة يضيفها (دونه يفتح نافذة تحتاج إلى شاشة)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n lists from %1.</source>
        <translation>
            <numerusform>استُوردت %n قائمة من %1.</numerusform>
            <numerusform>استُوردت قائمة واحدة (%n) من %1.</numerusform>
            <numerusform>استُوردت قائمتان (%n) من %1.</numerusform>
            <numerusform>استُوردت %n قوائم من %1.</numerusform>
            <numerusform>استُوردت %n قائمة من %1.</numerusform>
            <numerusform>استُوردت %n قائمة من %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The private list was taken out of %n older copies (snapshots and kept copies); their day lists stay.</source>
        <translation>
            <numerusform>أُخرجت القائمة الخاصة من %n نسخة أقدم (لقطات ونسخ محفوظة)؛ تبقى قوائم اليوم فيها.</numerusform>
            <numerusform>أُخرجت القائمة الخاصة من نسخة أقدم واحدة (%n: لقطة أو نسخة محفوظة)؛ تبقى قوائم اليوم فيها.</numerusform>
            <numerusform>أُخرجت القائمة الخاصة من نسختين أقدم (%n: لقطات ونسخ محفوظة)؛ تبقى قوائم اليوم فيهما.</numerusform>
            <numerusform>أُخرجت القائمة الخاصة من %n نسخ أقدم (لقطات ونسخ محفوظة)؛ تبقى قوائم اليوم فيها.</numerusform>
            <numerusform>أُخرجت القائمة الخاصة من %n نسخة أقدم (لقطات ونسخ محفوظة)؛ تبقى قوائم اليوم فيها.</numerusform>
            <numerusform>أُخرجت القائمة الخاصة من %n نسخة أقدم (لقطات ونسخ محفوظة)؛ تبقى قوائم اليوم فيها.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put %n rows back into the private list.</source>
        <translation>
            <numerusform>أُعيد %n صف إلى القائمة الخاصة.</numerusform>
            <numerusform>أُعيد صف واحد (%n) إلى القائمة الخاصة.</numerusform>
            <numerusform>أُعيد صفان (%n) إلى القائمة الخاصة.</numerusform>
            <numerusform>أُعيدت %n صفوف إلى القائمة الخاصة.</numerusform>
            <numerusform>أُعيد %n صفًا إلى القائمة الخاصة.</numerusform>
            <numerusform>أُعيد %n صف إلى القائمة الخاصة.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>donecommand</name>
    <message>
        <source>%1-task list</source>
        <translation>قائمة الـ %1 مهام</translation>
    </message>
    <message>
        <source>Nothing done since %1.</source>
        <translation>لم يُنجز شيء منذ %1.</translation>
    </message>
    <message>
        <source> (unticked again)</source>
        <translation> (أُزيل تأشيرها)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing done in the last %n days.</source>
        <translation>
            <numerusform>لم يُنجز شيء في آخر %n يوم.</numerusform>
            <numerusform>لم يُنجز شيء في آخر يوم (%n).</numerusform>
            <numerusform>لم يُنجز شيء في آخر يومين (%n).</numerusform>
            <numerusform>لم يُنجز شيء في آخر %n أيام.</numerusform>
            <numerusform>لم يُنجز شيء في آخر %n يومًا.</numerusform>
            <numerusform>لم يُنجز شيء في آخر %n يوم.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>keptrows</name>
    <message>
        <source>kept rows put back</source>
        <translation>أُعيدت الصفوف المحفوظة</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere meanwhile; open it with the current password and try again.</source>
        <translation>غُيّرت كلمة مرور القائمة الخاصة في مكان آخر في الأثناء؛ افتحها بكلمة المرور الحالية وحاول مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>listexchange</name>
    <message>
        <source>Private list (%1 tasks)</source>
        <translation>القائمة الخاصة (%1 مهام)</translation>
    </message>
    <message>
        <source>%1 tasks</source>
        <translation>%1 مهام</translation>
    </message>
    <message>
        <source>%1 (%2 tasks)</source>
        <translation>%1 (%2 مهام)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>السطر %1، العمود %2</translation>
    </message>
    <message>
        <source>%1: half a UTF-16 pair (%2) with no other half, which no text can hold</source>
        <translation>%1: نصف زوج UTF-16 (%2) بلا نصفه الآخر، لا يمكن لنص أن يحويه</translation>
    </message>
    <message>
        <source>%1: not valid JSON (%2)</source>
        <translation>%1: ليس JSON صالحًا (%2)</translation>
    </message>
    <message>
        <source>the top: not a list file of Velmorwick (&quot;format&quot; must be &quot;%1&quot;)</source>
        <translation>الأعلى: ليس ملف قوائم لـ Velmorwick (يجب أن يكون &quot;format&quot; هو &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>version: only version %1 is known</source>
        <translation>version: الإصدار %1 وحده معروف</translation>
    </message>
    <message>
        <source>lists: must be an array</source>
        <translation>lists: يجب أن تكون مصفوفة</translation>
    </message>
    <message>
        <source>%1: must be an object</source>
        <translation>%1: يجب أن يكون كائنًا</translation>
    </message>
    <message>
        <source>%1.private: must be true or false</source>
        <translation>%1.private: يجب أن يكون true أو false</translation>
    </message>
    <message>
        <source>%1.tasks: the private list has %2 tasks</source>
        <translation>%1.tasks: للقائمة الخاصة %2 مهام</translation>
    </message>
    <message>
        <source>%1.tasks: there is no list of %2 tasks (3, or 5 to 15)</source>
        <translation>%1.tasks: لا توجد قائمة من %2 مهام (3، أو 5 إلى 15)</translation>
    </message>
    <message>
        <source>%1: the same list a second time</source>
        <translation>%1: القائمة نفسها مرة ثانية</translation>
    </message>
    <message>
        <source>%1.rows: must be an array of exactly %2 rows</source>
        <translation>%1.rows: يجب أن تكون مصفوفة من %2 صفوف بالضبط</translation>
    </message>
    <message>
        <source>%1.text: must be a string</source>
        <translation>%1.text: يجب أن يكون سلسلة نصية</translation>
    </message>
    <message>
        <source>%1.text: longer than %2 characters</source>
        <translation>%1.text: أطول من %2 حرفًا</translation>
    </message>
    <message>
        <source>%1.done: must be true or false</source>
        <translation>%1.done: يجب أن يكون true أو false</translation>
    </message>
</context>
<context>
    <name>replacedrecord</name>
    <message>
        <source>The %1-task list has no empty row for it; nothing was changed.</source>
        <translation>ليس في قائمة الـ %1 مهام صف فارغ لها؛ لم يتغير شيء.</translation>
    </message>
    <message>
        <source>put back a replaced task</source>
        <translation>أعد مهمة مستبدلة</translation>
    </message>
</context>
<context>
    <name>sealing</name>
    <message>
        <source>there was not enough memory to derive its key (it takes %1 MiB)</source>
        <translation>لم تكن هناك ذاكرة كافية لاشتقاق مفتاحها (يحتاج إلى %1 ميبيبايت)</translation>
    </message>
</context>
<context>
    <name>storemerge</name>
    <message>
        <source>the %1-task list, task %2</source>
        <translation>قائمة الـ %1 مهام، المهمة %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>the %1-task list</source>
        <translation>قائمة الـ %1 مهام</translation>
    </message>
    <message>
        <source>the private list and its password</source>
        <translation>القائمة الخاصة وكلمة مرورها</translation>
    </message>
    <message>
        <source>the list to open at start</source>
        <translation>القائمة التي تُفتح عند البدء</translation>
    </message>
    <message>
        <source>the reminder&apos;s switch</source>
        <translation>مفتاح التذكير</translation>
    </message>
    <message>
        <source>the quick notes&apos; notice</source>
        <translation>إشعار الملاحظات السريعة</translation>
    </message>
</context>
</TS>
