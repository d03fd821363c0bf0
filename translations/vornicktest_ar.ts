<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AdminPassword</name>
    <message>
        <source>The password library could not be started.</source>
        <translation>تعذّر تشغيل مكتبة كلمات المرور.</translation>
    </message>
    <message>
        <source>There is not enough memory to store the new password.</source>
        <translation>لا توجد ذاكرة كافية لحفظ كلمة المرور الجديدة.</translation>
    </message>
</context>
<context>
    <name>Aiken</name>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line after its options.</source>
        <translation>لا يوجد سطر &quot;ANSWER:&quot; بعد خيارات السؤال.</translation>
    </message>
    <message>
        <source>The question has no &quot;ANSWER:&quot; line.</source>
        <translation>لا يوجد للسؤال سطر &quot;ANSWER:&quot;.</translation>
    </message>
    <message>
        <source>An &quot;ANSWER:&quot; line with no question before it.</source>
        <translation>سطر &quot;ANSWER:&quot; لا يسبقه أي سؤال.</translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; must be followed by one option letter, such as ANSWER: B.</source>
        <translation>يجب أن يلي &quot;ANSWER:&quot; حرف خيار واحد، مثل ANSWER: B.</translation>
    </message>
    <message>
        <source>Two options are lettered %1.</source>
        <translation>خياران يحملان الحرف %1.</translation>
    </message>
    <message>
        <source>The question has an empty option.</source>
        <translation>للسؤال خيار فارغ.</translation>
    </message>
    <message numerus="yes">
        <source>The question has a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>نص السؤال من %1 حرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص السؤال من %1 حرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص السؤال من %1 حرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص السؤال من %1 أحرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص السؤال من %1 حرفًا؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص السؤال من %1 حرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
        </translation>
    </message>
    <message>
        <source>a line break, which Aiken cannot hold; each is written as a blank.</source>
        <translation>فاصل أسطر لا يقبله تنسيق Aiken؛ يُكتب كل فاصل مسافةً.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a text, which Aiken cannot hold; they are left out.</source>
        <translation>مسافات في بداية نص أو نهايته لا يقبلها تنسيق Aiken؛ تُحذف.</translation>
    </message>
    <message>
        <source>a question beginning with &quot;ANSWER:&quot;, which Aiken takes for the answer line; written after the word &quot;Question:&quot;.</source>
        <translation>سؤال يبدأ بـ &quot;ANSWER:&quot; يعدّه تنسيق Aiken سطر الإجابة؛ يُكتب بعد كلمة &quot;Question:&quot;.</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>إجابة فارغة؛ عند قراءة الملف مرة أخرى يُستبعد السؤال.</translation>
    </message>
    <message>
        <source>ANSWER: %1 names none of the question&apos;s options.</source>
        <translation>ANSWER: %1 لا يشير إلى أي من خيارات السؤال.</translation>
    </message>
    <message>
        <source>picture left out (Aiken carries no pictures).</source>
        <translation>حُذفت الصورة (لا يحمل Aiken صورًا).</translation>
    </message>
    <message numerus="yes">
        <source>The question has %n options; the program needs exactly three: one right answer and two false ones.</source>
        <translation>
            <numerusform>ليس للسؤال أي خيار؛ يحتاج البرنامج إلى ثلاثة بالضبط: إجابة صحيحة وإجابتان خاطئتان.</numerusform>
            <numerusform>للسؤال خيار واحد؛ يحتاج البرنامج إلى ثلاثة بالضبط: إجابة صحيحة وإجابتان خاطئتان.</numerusform>
            <numerusform>للسؤال خياران؛ يحتاج البرنامج إلى ثلاثة بالضبط: إجابة صحيحة وإجابتان خاطئتان.</numerusform>
            <numerusform>للسؤال %Ln خيارات؛ يحتاج البرنامج إلى ثلاثة بالضبط: إجابة صحيحة وإجابتان خاطئتان.</numerusform>
            <numerusform>للسؤال %Ln خيارًا؛ يحتاج البرنامج إلى ثلاثة بالضبط: إجابة صحيحة وإجابتان خاطئتان.</numerusform>
            <numerusform>للسؤال %Ln خيار؛ يحتاج البرنامج إلى ثلاثة بالضبط: إجابة صحيحة وإجابتان خاطئتان.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AnalysisText</name>
    <message>
        <source>Warning: fewer than 5 finished attempts; these figures mean little.</source>
        <translation>تنبيه: أقل من ٥ محاولات مكتملة؛ هذه الأرقام قليلة الدلالة.</translation>
    </message>
    <message>
        <source>possible wrong key</source>
        <translation>احتمال خطأ في مفتاح الإجابة</translation>
    </message>
    <message>
        <source>negative discrimination</source>
        <translation>تمييز سالب</translation>
    </message>
    <message>
        <source>too easy</source>
        <translation>سهل جدًا</translation>
    </message>
    <message>
        <source>too hard</source>
        <translation>صعب جدًا</translation>
    </message>
    <message>
        <source>Finished attempts (N): %L1</source>
        <translation>المحاولات المكتملة (N): %L1</translation>
    </message>
    <message>
        <source>Mean grade: %1   Standard deviation: %2   Lowest: %3   Highest: %4</source>
        <translation>متوسط الدرجات: %1   الانحراف المعياري: %2   الأدنى: %3   الأعلى: %4</translation>
    </message>
    <message>
        <source>Reliability (Cronbach&apos;s alpha, KR-20): %1   Standard error of measurement: %2</source>
        <translation>الثبات (ألفا كرونباخ، KR-20): %1   الخطأ المعياري للقياس: %2</translation>
    </message>
    <message>
        <source>Slot</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <source>Facility</source>
        <extracomment>A column heading of the printed table, kept short.</extracomment>
        <translation>السهولة</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>التمييز</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>A column heading of the printed table, kept short (the right answer).</extracomment>
        <translation>صحيحة</translation>
    </message>
    <message>
        <source>False 1</source>
        <translation>خاطئة ١</translation>
    </message>
    <message>
        <source>False 2</source>
        <translation>خاطئة ٢</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>A column heading of the printed table, kept short (no answer given).</extracomment>
        <translation>بلا إجابة</translation>
    </message>
    <message>
        <source>Top answer</source>
        <translation>العليا: صحيحة</translation>
    </message>
    <message>
        <source>Top false 1</source>
        <translation>العليا: خاطئة ١</translation>
    </message>
    <message>
        <source>Top false 2</source>
        <translation>العليا: خاطئة ٢</translation>
    </message>
    <message>
        <source>Top none</source>
        <translation>العليا: بلا إجابة</translation>
    </message>
    <message>
        <source>Bottom answer</source>
        <translation>الدنيا: صحيحة</translation>
    </message>
    <message>
        <source>Bottom false 1</source>
        <translation>الدنيا: خاطئة ١</translation>
    </message>
    <message>
        <source>Bottom false 2</source>
        <translation>الدنيا: خاطئة ٢</translation>
    </message>
    <message>
        <source>Bottom none</source>
        <translation>الدنيا: بلا إجابة</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Choices: A the answer, F1 and F2 the false answers, - none; T: in the top group, B: in the bottom group.</source>
        <translation>الاختيارات: A الإجابة الصحيحة، F1 وF2 الإجابتان الخاطئتان، - بلا إجابة؛ T: في المجموعة العليا، B: في المجموعة الدنيا.</translation>
    </message>
    <message>
        <source>Discrim.</source>
        <extracomment>Short for discrimination: a column heading of the printed table.</extracomment>
        <translation>التمييز</translation>
    </message>
    <message>
        <source>False1</source>
        <extracomment>A column heading of the printed table, kept short (the first false answer).</extracomment>
        <translation>خاطئة ١</translation>
    </message>
    <message>
        <source>False2</source>
        <extracomment>A column heading of the printed table, kept short (the second false answer).</extracomment>
        <translation>خاطئة ٢</translation>
    </message>
    <message>
        <source>  Flags</source>
        <translation>  ملاحظات</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>رقم %1: %2</translation>
    </message>
    <message>
        <source>Keys are not checked below 20 finished attempts, so none is flagged as possibly wrong.</source>
        <translation>لا تُفحص مفاتيح الإجابة مع أقل من ٢٠ محاولة مكتملة، لذلك لا يُعلَّم أي منها بأنه قد يكون خاطئًا.</translation>
    </message>
    <message numerus="yes">
        <source>Top and bottom groups: %Ln attempts each (27%)</source>
        <translation>
            <numerusform>المجموعتان العليا والدنيا: %Ln محاولة لكل منهما (27%)</numerusform>
            <numerusform>المجموعتان العليا والدنيا: محاولة واحدة لكل منهما (27%)</numerusform>
            <numerusform>المجموعتان العليا والدنيا: محاولتان لكل منهما (27%)</numerusform>
            <numerusform>المجموعتان العليا والدنيا: %Ln محاولات لكل منهما (27%)</numerusform>
            <numerusform>المجموعتان العليا والدنيا: %Ln محاولة لكل منهما (27%)</numerusform>
            <numerusform>المجموعتان العليا والدنيا: %Ln محاولة لكل منهما (27%)</numerusform>
        </translation>
    </message>
    <message>
        <source>n/a</source>
        <extracomment>Short for &quot;not defined&quot; in a printed column of figures (a few characters).</extracomment>
        <translation>غ. م.</translation>
    </message>
</context>
<context>
    <name>AttemptControl</name>
    <message>
        <source>There is no such student.</source>
        <translation>هذا الطالب غير موجود.</translation>
    </message>
    <message>
        <source>Extra time must be a whole number from 0 to %1.</source>
        <translation>يجب أن يكون الوقت الإضافي عددًا صحيحًا من 0 إلى %1.</translation>
    </message>
</context>
<context>
    <name>AttemptHold</name>
    <message>
        <source>This attempt is finished already.</source>
        <translation>هذه المحاولة منتهية بالفعل.</translation>
    </message>
    <message>
        <source>The student has not begun this test.</source>
        <translation>لم يبدأ الطالب هذا الاختبار بعد.</translation>
    </message>
    <message>
        <source>Give More Time</source>
        <translation>منح وقت إضافي</translation>
    </message>
    <message>
        <source>Minutes to add to this attempt (1 to %1):</source>
        <translation>عدد الدقائق المضافة إلى هذه المحاولة (من 1 إلى %1):</translation>
    </message>
    <message>
        <source>Finish Now</source>
        <translation>إنهاء الآن</translation>
    </message>
    <message>
        <source>Finish this attempt now? It will be graded from the answers stored.</source>
        <translation>هل تريد إنهاء هذه المحاولة الآن؟ ستُصحَّح بحسب الإجابات المحفوظة.</translation>
    </message>
    <message>
        <source>Give %1 more time on %2 (%3 left)?</source>
        <translation>هل تريد منح %1 وقتًا إضافيًا في %2 (المتبقي %3)؟</translation>
    </message>
    <message>
        <source>Give %1 more time on %2?</source>
        <translation>هل تريد منح %1 وقتًا إضافيًا في %2؟</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now (%3 left)? It will be graded from the answers stored.</source>
        <translation>هل تريد إنهاء محاولة %1 في %2 الآن (المتبقي %3)؟ ستُصحَّح بحسب الإجابات المحفوظة.</translation>
    </message>
    <message>
        <source>Finish %1&apos;s attempt at %2 now? It will be graded from the answers stored.</source>
        <translation>هل تريد إنهاء محاولة %1 في %2 الآن؟ ستُصحَّح بحسب الإجابات المحفوظة.</translation>
    </message>
</context>
<context>
    <name>ClientLibraries</name>
    <message>
        <source>The library %1 cannot be loaded: %2</source>
        <translation>تعذّر تحميل المكتبة %1: %2</translation>
    </message>
    <message>
        <source>The library %1 has no function %2.</source>
        <translation>لا توجد في المكتبة %1 الدالة %2.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The %1 of the settings file may not hold a &apos;;&apos;.</source>
        <translation>لا يجوز أن تحتوي قيمة %1 في ملف الإعدادات على &quot;;&quot;.</translation>
    </message>
    <message>
        <source>its folder %1</source>
        <translation>مجلده %1</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>الملف</translation>
    </message>
    <message>
        <source>The database %1 cannot be written by this user account (%2 is read-only for it), so no answer or change could be stored.
Ask the person who installed VornickTest to give this account write access to the database file and its folder.</source>
        <translation>لا يستطيع حساب المستخدم هذا الكتابة في قاعدة البيانات %1 (%2 للقراءة فقط بالنسبة إليه)، لذلك لم يُحفظ أي إجابة أو تغيير.
اطلب من الشخص الذي ثبّت VornickTest أن يمنح هذا الحساب صلاحية الكتابة في ملف قاعدة البيانات ومجلده.</translation>
    </message>
    <message>
        <source>The database driver %1 is not installed.</source>
        <translation>برنامج تشغيل قاعدة البيانات %1 غير مثبّت.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>العملية غير مسموح بها والكائن مغلق.</translation>
    </message>
    <message>
        <source>The database %1 cannot be found: its folder %2 does not exist.</source>
        <translation>لا يمكن العثور على قاعدة البيانات %1: مجلدها %2 غير موجود.</translation>
    </message>
    <message>
        <source>The database %1 cannot be read by this user account (%2 is closed to it).
Ask the person who installed VornickTest to give this account access to the database file and its folder.</source>
        <translation>لا يستطيع حساب المستخدم هذا قراءة قاعدة البيانات %1 (%2 مغلق أمامه).
اطلب من الشخص الذي ثبّت VornickTest أن يمنح هذا الحساب صلاحية الوصول إلى ملف قاعدة البيانات ومجلده.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>قاعدة البيانات %1 غير موجودة.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened: %2</source>
        <translation>لا يمكن فتح قاعدة البيانات %1: %2</translation>
    </message>
    <message>
        <source>This session has ended; please sign in again.</source>
        <translation>انتهت هذه الجلسة؛ يرجى تسجيل الدخول مرة أخرى.</translation>
    </message>
    <message>
        <source>The database is busy saving results; try again when they are saved.</source>
        <translation>قاعدة البيانات مشغولة بحفظ النتائج؛ حاول مرة أخرى بعد حفظها.</translation>
    </message>
    <message>
        <source>The database driver QPSQL cannot be loaded. A server is reached through Qt&apos;s PostgreSQL driver (Debian&apos;s libqt6sql6-psql) and the PostgreSQL client library libpq (libpq5); both must be installed.</source>
        <translation>تعذّر تحميل مشغّل قاعدة البيانات QPSQL. يُوصل إلى الخادم عبر مشغّل PostgreSQL في Qt (الحزمة libqt6sql6-psql في Debian) ومكتبة عميل PostgreSQL المسماة libpq (الحزمة libpq5)؛ ويجب تثبيتهما كليهما.</translation>
    </message>
</context>
<context>
    <name>Cursor</name>
    <message>
        <source>The database driver cannot hand over rows one at a time.</source>
        <translation>لا يستطيع برنامج تشغيل قاعدة البيانات تسليم الصفوف صفًّا صفًّا.</translation>
    </message>
</context>
<context>
    <name>EmbeddedWork</name>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
</context>
<context>
    <name>ErrorPolicy</name>
    <message>
        <source>Connection to the server lost; trying again…</source>
        <translation>انقطع الاتصال بالخادم؛ جارٍ إعادة المحاولة…</translation>
    </message>
</context>
<context>
    <name>FileBackup</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The backup %1 would be written over the database it copies; give another file.</source>
        <translation>ستُكتب النسخة الاحتياطية %1 فوق قاعدة البيانات التي تنسخها؛ حدّد ملفًا آخر.</translation>
    </message>
    <message>
        <source>The database %1 does not exist.</source>
        <translation>قاعدة البيانات %1 غير موجودة.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written: %2.</source>
        <translation>تعذّرت كتابة النسخة الاحتياطية %1: %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written.</source>
        <translation>تعذّرت كتابة النسخة الاحتياطية %1.</translation>
    </message>
    <message>
        <source>The backup %1 is the database itself.</source>
        <translation>النسخة الاحتياطية %1 هي قاعدة البيانات نفسها.</translation>
    </message>
    <message>
        <source>%1 is not a database of VornickTest; nothing was restored.</source>
        <translation>%1 ليس قاعدة بيانات لـ VornickTest؛ لم يُستعد شيء.</translation>
    </message>
    <message numerus="yes">
        <source>The database %1 holds %n students, tests and results; nothing was restored (give --replace to write over them).</source>
        <translation>
            <numerusform>تحتوي قاعدة البيانات %1 على لا شيء من الطلاب والاختبارات والنتائج؛ لم يُستعد شيء (أضف --replace للكتابة فوقها).</numerusform>
            <numerusform>تحتوي قاعدة البيانات %1 على عنصر واحد من الطلاب والاختبارات والنتائج؛ لم يُستعد شيء (أضف --replace للكتابة فوقها).</numerusform>
            <numerusform>تحتوي قاعدة البيانات %1 على عنصرين من الطلاب والاختبارات والنتائج؛ لم يُستعد شيء (أضف --replace للكتابة فوقها).</numerusform>
            <numerusform>تحتوي قاعدة البيانات %1 على %Ln عناصر من الطلاب والاختبارات والنتائج؛ لم يُستعد شيء (أضف --replace للكتابة فوقها).</numerusform>
            <numerusform>تحتوي قاعدة البيانات %1 على %Ln عنصرًا من الطلاب والاختبارات والنتائج؛ لم يُستعد شيء (أضف --replace للكتابة فوقها).</numerusform>
            <numerusform>تحتوي قاعدة البيانات %1 على %Ln عنصر من الطلاب والاختبارات والنتائج؛ لم يُستعد شيء (أضف --replace للكتابة فوقها).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gift</name>
    <message>
        <source>the program needs one right answer (=) and two false answers (~).</source>
        <translation>يحتاج البرنامج إلى إجابة صحيحة واحدة (=) وإجابتين خاطئتين (~).</translation>
    </message>
    <message>
        <source>The line ends in a &quot;\&quot; that escapes nothing; write \\ for a backslash.</source>
        <translation>ينتهي السطر بـ &quot;\&quot; لا يسبق شيئًا؛ اكتب \\ للشرطة المائلة العكسية.</translation>
    </message>
    <message>
        <source>The question title opened with &quot;::&quot; is never closed with &quot;::&quot;.</source>
        <translation>عنوان السؤال الذي فُتح بـ &quot;::&quot; لم يُغلق بـ &quot;::&quot;.</translation>
    </message>
    <message>
        <source>a text without answers in { }: a description, not a question.</source>
        <translation>نص بلا إجابات بين { }: وصف وليس سؤالًا.</translation>
    </message>
    <message>
        <source>A &quot;}&quot; with no &quot;{&quot; before it; write \} for a brace inside a text.</source>
        <translation>&quot;}&quot; لا تسبقها &quot;{&quot;؛ اكتب \} للقوس داخل النص.</translation>
    </message>
    <message>
        <source> (\} is a brace inside a text, not the end of the answers)</source>
        <translation> (\} قوس داخل النص، وليس نهاية الإجابات)</translation>
    </message>
    <message>
        <source>The answers opened with &quot;{&quot; here are never closed with &quot;}&quot;%1.</source>
        <translation>الإجابات التي فُتحت هنا بـ &quot;{&quot; لم تُغلق بـ &quot;}&quot;%1.</translation>
    </message>
    <message>
        <source>A second &quot;{&quot; before the answers opened on line %1 were closed; write \{ for a brace inside a text.</source>
        <translation>&quot;{&quot; ثانية قبل إغلاق الإجابات التي فُتحت في السطر %1؛ اكتب \{ للقوس داخل النص.</translation>
    </message>
    <message>
        <source>A second set of answers after those on line %1; leave a blank line between two questions.</source>
        <translation>مجموعة إجابات ثانية بعد مجموعة السطر %1؛ اترك سطرًا فارغًا بين كل سؤالين.</translation>
    </message>
    <message>
        <source>an essay question (no answers to choose from); </source>
        <translation>سؤال مقالي (بلا إجابات للاختيار منها)؛ </translation>
    </message>
    <message>
        <source>a numeric question; </source>
        <translation>سؤال عددي؛ </translation>
    </message>
    <message>
        <source>a true/false question; </source>
        <translation>سؤال صواب/خطأ؛ </translation>
    </message>
    <message>
        <source>text before the first answer; each answer begins with = (right) or ~ (false).</source>
        <translation>نص قبل الإجابة الأولى؛ تبدأ كل إجابة بـ = (صحيحة) أو ~ (خاطئة).</translation>
    </message>
    <message>
        <source>a matching question; </source>
        <translation>سؤال مطابقة؛ </translation>
    </message>
    <message>
        <source>a short answer question (the student types the answer); </source>
        <translation>سؤال إجابة قصيرة (يكتب الطالب الإجابة)؛ </translation>
    </message>
    <message>
        <source>weighted answers (such as %50%); the program counts an answer only as right or wrong.</source>
        <translation>إجابات موزونة (مثل %50%)؛ يحسب البرنامج الإجابة صحيحة أو خاطئة فقط.</translation>
    </message>
    <message>
        <source>%1 right and %2 false answers; </source>
        <translation>%1 إجابات صحيحة و%2 خاطئة؛ </translation>
    </message>
    <message>
        <source>no question text.</source>
        <translation>لا يوجد نص للسؤال.</translation>
    </message>
    <message>
        <source>an empty answer.</source>
        <translation>إجابة فارغة.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; a question or an answer may have at most %2.</source>
        <translation>
            <numerusform>نص من %1 حرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص من %1 حرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص من %1 حرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص من %1 أحرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص من %1 حرفًا؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
            <numerusform>نص من %1 حرف؛ ولا يتجاوز السؤال أو الإجابة %2 حرفًا.</numerusform>
        </translation>
    </message>
    <message>
        <source>feedback left out.</source>
        <translation>حُذفت التغذية الراجعة.</translation>
    </message>
    <message>
        <source>an empty answer; reading the file back leaves the question out.</source>
        <translation>إجابة فارغة؛ عند قراءة الملف مرة أخرى يُستبعد السؤال.</translation>
    </message>
    <message>
        <source>picture left out; its alt text stays in brackets.</source>
        <translation>حُذفت صورة؛ يبقى نصها البديل بين معقوفين.</translation>
    </message>
    <message>
        <source>script or style left out.</source>
        <translation>حُذف نص برمجي أو نمط.</translation>
    </message>
    <message numerus="yes">
        <source>an HTML text with %1 tags; the program reads at most %2 in one text.</source>
        <translation>
            <numerusform>نص HTML فيه %1 وسم؛ يقرأ البرنامج %2 على الأكثر في النص الواحد.</numerusform>
            <numerusform>نص HTML فيه %1 وسم؛ يقرأ البرنامج %2 على الأكثر في النص الواحد.</numerusform>
            <numerusform>نص HTML فيه %1 وسم؛ يقرأ البرنامج %2 على الأكثر في النص الواحد.</numerusform>
            <numerusform>نص HTML فيه %1 أوسمة؛ يقرأ البرنامج %2 على الأكثر في النص الواحد.</numerusform>
            <numerusform>نص HTML فيه %1 وسمًا؛ يقرأ البرنامج %2 على الأكثر في النص الواحد.</numerusform>
            <numerusform>نص HTML فيه %1 وسم؛ يقرأ البرنامج %2 على الأكثر في النص الواحد.</numerusform>
        </translation>
    </message>
    <message>
        <source>past the first %1 HTML tags of the file, more than the program reads in one file; split the file and import each part.</source>
        <translation>بعد أول %1 وسم HTML في الملف، وهو أكثر مما يقرؤه البرنامج في ملف واحد؛ قسّم الملف واستورد كل جزء.</translation>
    </message>
    <message>
        <source>A blank line (line %1) ended the question inside its answers opened with &quot;{&quot; here; leave no blank line between &quot;{&quot; and &quot;}&quot;.</source>
        <translation>أنهى سطر فارغ (السطر %1) السؤال داخل إجاباته التي فُتحت هنا بـ &quot;{&quot;؛ لا تترك سطرًا فارغًا بين &quot;{&quot; و&quot;}&quot;.</translation>
    </message>
    <message>
        <source>its picture is left out, its alt text in brackets: %1</source>
        <translation>حُذفت صورته، ويبقى نصها البديل بين معقوفين: %1</translation>
    </message>
    <message>
        <source>a picture, written inside the question as HTML (a data: URI); other tools may not show pictures in GIFT.</source>
        <translation>صورة، كُتبت داخل السؤال بصيغة HTML (عنوان data:)؛ قد لا تعرض برامج أخرى الصور في GIFT.</translation>
    </message>
    <message>
        <source>blanks at the start or end of a line, or several in a row, in a question written as HTML for its picture; reading the file back gives one blank or none for each.</source>
        <translation>مسافات في بداية سطر أو نهايته، أو عدة مسافات متتالية، في سؤال كُتب بصيغة HTML من أجل صورته؛ عند قراءة الملف مرة أخرى تصير كل مجموعة منها مسافة واحدة أو لا شيء.</translation>
    </message>
    <message numerus="yes">
        <source>A question of more than %1 characters, its picture included; the program reads at most that many.</source>
        <translation>
            <numerusform>سؤال يزيد على %1 حرف مع صورته؛ لا يقرأ البرنامج أكثر من ذلك.</numerusform>
            <numerusform>سؤال يزيد على %1 حرف مع صورته؛ لا يقرأ البرنامج أكثر من ذلك.</numerusform>
            <numerusform>سؤال يزيد على %1 حرف مع صورته؛ لا يقرأ البرنامج أكثر من ذلك.</numerusform>
            <numerusform>سؤال يزيد على %1 حرف مع صورته؛ لا يقرأ البرنامج أكثر من ذلك.</numerusform>
            <numerusform>سؤال يزيد على %1 حرف مع صورته؛ لا يقرأ البرنامج أكثر من ذلك.</numerusform>
            <numerusform>سؤال يزيد على %1 حرف مع صورته؛ لا يقرأ البرنامج أكثر من ذلك.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures; a question keeps one, the first in a data: URI, and the alt text of the others stays in brackets.</source>
        <translation>
            <numerusform>لا صور فيه؛ لا يحتفظ السؤال إلا بصورة واحدة، هي أولى الصور المضمّنة في عنوان data:، ويبقى النص البديل للصور الأخرى بين معقوفين.</numerusform>
            <numerusform>فيه صورة واحدة؛ لا يحتفظ السؤال إلا بصورة واحدة، هي أولى الصور المضمّنة في عنوان data:، ويبقى النص البديل للصور الأخرى بين معقوفين.</numerusform>
            <numerusform>فيه صورتان؛ لا يحتفظ السؤال إلا بصورة واحدة، هي أولى الصور المضمّنة في عنوان data:، ويبقى النص البديل للصور الأخرى بين معقوفين.</numerusform>
            <numerusform>فيه %Ln صور؛ لا يحتفظ السؤال إلا بصورة واحدة، هي أولى الصور المضمّنة في عنوان data:، ويبقى النص البديل للصور الأخرى بين معقوفين.</numerusform>
            <numerusform>فيه %Ln صورة؛ لا يحتفظ السؤال إلا بصورة واحدة، هي أولى الصور المضمّنة في عنوان data:، ويبقى النص البديل للصور الأخرى بين معقوفين.</numerusform>
            <numerusform>فيه %Ln صورة؛ لا يحتفظ السؤال إلا بصورة واحدة، هي أولى الصور المضمّنة في عنوان data:، ويبقى النص البديل للصور الأخرى بين معقوفين.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemAnalysis</name>
    <message>
        <source>false answer 1</source>
        <translation>الإجابة الخاطئة 1</translation>
    </message>
    <message>
        <source>false answer 2</source>
        <translation>الإجابة الخاطئة 2</translation>
    </message>
    <message>
        <source>Negative discrimination: r = %1, weaker attempts got it right more often than stronger ones.</source>
        <translation>تمييز سالب: r = %1، أجابت المحاولات الأضعف إجابة صحيحة أكثر من الأقوى.</translation>
    </message>
    <message>
        <source>Too easy: facility %1, above 0.9.</source>
        <translation>سهل جدًا: معامل السهولة %1، أعلى من ٠٫٩.</translation>
    </message>
    <message>
        <source>Too hard: facility %1, below 0.25 (under chance for three answers).</source>
        <translation>صعب جدًا: معامل السهولة %1، أقل من ٠٫٢٥ (دون التخمين العشوائي مع ثلاث إجابات).</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>غير معرّف</translation>
    </message>
    <message>
        <source>Possible wrong key: %1 (chosen by %2, r = %3) goes with high totals more than the keyed answer (chosen by %4, r = %5); %1 is probably right.</source>
        <translation>احتمال خطأ في مفتاح الإجابة: ترتبط %1 (اختارها %2، r = %3) بالدرجات العالية أكثر من الإجابة المعتمدة (اختارها %4، r = %5)؛ والأرجح أن %1 هي الصحيحة.</translation>
    </message>
</context>
<context>
    <name>LabDatabase</name>
    <message>
        <source>The server&apos;s database already holds data (the %1 table has rows); nothing was copied.</source>
        <translation>قاعدة بيانات الخادم تحتوي على بيانات بالفعل (في الجدول %1 صفوف)؛ لم يُنسخ شيء.</translation>
    </message>
    <message>
        <source>Copying the %1 row with %2 %3: %4</source>
        <translation>نسخ صف %1 ذي %2 %3: %4</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>يجب ألا تقل كلمات المرور في المختبر عن 8 أحرف.</translation>
    </message>
    <message>
        <source>The certificate %1 cannot be read.</source>
        <translation>تعذّرت قراءة الشهادة %1.</translation>
    </message>
</context>
<context>
    <name>LabWork</name>
    <message>
        <source>This test is no longer available.</source>
        <translation>هذا الاختبار لم يعد متاحًا.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file names the language &quot;%1&quot;, which this program does not have. It has: %2.</source>
        <translation>يحدد ملف الإعدادات اللغة &quot;%1&quot;، وهي غير متوفرة في هذا البرنامج. المتوفر: %2.</translation>
    </message>
</context>
<context>
    <name>Moodle</name>
    <message>
        <source>The file is XML but not a Moodle question file (it has no &lt;quiz&gt;).</source>
        <translation>الملف بتنسيق XML لكنه ليس ملف أسئلة Moodle (ليس فيه &lt;quiz&gt;).</translation>
    </message>
    <message>
        <source>The file is not well-formed XML here: %1.</source>
        <translation>الملف ليس XML سليم البنية في هذا الموضع: %1.</translation>
    </message>
    <message>
        <source>an empty text.</source>
        <translation>نص فارغ.</translation>
    </message>
    <message numerus="yes">
        <source>a text of %1 characters; at most %2 can be used.</source>
        <translation>
            <numerusform>نص من %1 حرف؛ يمكن استخدام %2 على الأكثر.</numerusform>
            <numerusform>نص من %1 حرف؛ يمكن استخدام %2 على الأكثر.</numerusform>
            <numerusform>نص من %1 حرف؛ يمكن استخدام %2 على الأكثر.</numerusform>
            <numerusform>نص من %1 أحرف؛ يمكن استخدام %2 على الأكثر.</numerusform>
            <numerusform>نص من %1 حرفًا؛ يمكن استخدام %2 على الأكثر.</numerusform>
            <numerusform>نص من %1 حرف؛ يمكن استخدام %2 على الأكثر.</numerusform>
        </translation>
    </message>
    <message>
        <source>a question of type &quot;%1&quot;; only multiple choice (multichoice) can be used.</source>
        <translation>سؤال من النوع &quot;%1&quot;؛ لا يُستخدم إلا الاختيار من متعدد (multichoice).</translation>
    </message>
    <message>
        <source>answers of fractions other than one of 100 and two of 0; the program counts an answer only as right or false.</source>
        <translation>إجابات بنسب غير واحدة بـ100 واثنتين بـ0؛ يعدّ البرنامج الإجابة صحيحة أو خاطئة فقط.</translation>
    </message>
    <message>
        <source>its picture &quot;%1&quot; is not in the file; left out.</source>
        <translation>صورته &quot;%1&quot; ليست في الملف؛ حُذفت.</translation>
    </message>
    <message>
        <source>it is not a picture inside the file.</source>
        <translation>ليست صورة داخل الملف.</translation>
    </message>
    <message>
        <source>its picture is left out: %1</source>
        <translation>حُذفت صورته: %1</translation>
    </message>
    <message>
        <source>An entity in question %1 was left out.</source>
        <translation>حُذف كيان في السؤال %1.</translation>
    </message>
    <message>
        <source>The file has more than %1 HTML tags; the program reads at most that many in one file. Split the file and import each part.</source>
        <translation>في الملف أكثر من %1 وسم HTML؛ لا يقرأ البرنامج أكثر من ذلك في ملف واحد. قسّم الملف واستورد كل جزء.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers; the program needs exactly three, one right (fraction 100) and two false (fraction 0).</source>
        <translation>
            <numerusform>لا إجابات؛ يحتاج البرنامج إلى ثلاث بالضبط: واحدة صحيحة (fraction 100) واثنتان خاطئتان (fraction 0).</numerusform>
            <numerusform>إجابة واحدة؛ يحتاج البرنامج إلى ثلاث بالضبط: واحدة صحيحة (fraction 100) واثنتان خاطئتان (fraction 0).</numerusform>
            <numerusform>إجابتان؛ يحتاج البرنامج إلى ثلاث بالضبط: واحدة صحيحة (fraction 100) واثنتان خاطئتان (fraction 0).</numerusform>
            <numerusform>%Ln إجابات؛ يحتاج البرنامج إلى ثلاث بالضبط: واحدة صحيحة (fraction 100) واثنتان خاطئتان (fraction 0).</numerusform>
            <numerusform>%Ln إجابة؛ يحتاج البرنامج إلى ثلاث بالضبط: واحدة صحيحة (fraction 100) واثنتان خاطئتان (fraction 0).</numerusform>
            <numerusform>%Ln إجابة؛ يحتاج البرنامج إلى ثلاث بالضبط: واحدة صحيحة (fraction 100) واثنتان خاطئتان (fraction 0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only the first of its %n pictures is kept.</source>
        <translation>
            <numerusform>لا يُحتفظ إلا بأولى صوره.</numerusform>
            <numerusform>لا يُحتفظ إلا بأولى صوره.</numerusform>
            <numerusform>لا يُحتفظ إلا بأولى صورتيه.</numerusform>
            <numerusform>لا يُحتفظ إلا بأولى صوره الـ%Ln.</numerusform>
            <numerusform>لا يُحتفظ إلا بأولى صوره الـ%Ln.</numerusform>
            <numerusform>لا يُحتفظ إلا بأولى صوره الـ%Ln.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureView</name>
    <message>
        <source>Picture</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>Press Enter to see it full size.</source>
        <translation>اضغط Enter لعرضها بحجمها الكامل.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>The file is larger than 50 MB, too large for a question&apos;s picture.</source>
        <translation>حجم الملف أكبر من 50 ميغابايت، وهو كبير جدًا لصورة سؤال.</translation>
    </message>
    <message>
        <source>The file is not a picture this program can show (PNG, JPEG, GIF, BMP or WebP).</source>
        <translation>الملف ليس صورة يستطيع هذا البرنامج عرضها (PNG أو JPEG أو GIF أو BMP أو WebP).</translation>
    </message>
    <message>
        <source>The picture in the file cannot be read: %1.</source>
        <translation>تتعذر قراءة الصورة في الملف: %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>يتعذر فتح الملف %1: %2.</translation>
    </message>
    <message>
        <source>A picture needs a description for students who cannot see it. Type one in the box under the picture, or remove the picture.</source>
        <translation>تحتاج الصورة إلى وصف للطلاب الذين لا يستطيعون رؤيتها. اكتب وصفًا في المربع أسفل الصورة، أو أزل الصورة.</translation>
    </message>
    <message>
        <source>The picture&apos;s base64 text is damaged.</source>
        <translation>نص base64 الخاص بالصورة تالف.</translation>
    </message>
    <message>
        <source>The data: URI holds no picture in base64 (data:image/…;base64,…).</source>
        <translation>لا يحمل عنوان data: صورة بترميز base64 (data:image/…;base64,…).</translation>
    </message>
    <message>
        <source>its picture has no alt text; write a description for it in the question editor.</source>
        <translation>ليس لصورته نص بديل؛ اكتب لها وصفًا في محرر الأسئلة.</translation>
    </message>
    <message numerus="yes">
        <source>A picture&apos;s description may have at most %n characters; this one has %1.</source>
        <translation>
            <numerusform>لا يجوز أن يضم وصف الصورة أي حرف؛ وعدد أحرف هذا الوصف: %1.</numerusform>
            <numerusform>يجوز أن يضم وصف الصورة حرفًا واحدًا على الأكثر؛ وعدد أحرف هذا الوصف: %1.</numerusform>
            <numerusform>يجوز أن يضم وصف الصورة حرفين على الأكثر؛ وعدد أحرف هذا الوصف: %1.</numerusform>
            <numerusform>يجوز أن يضم وصف الصورة %Ln أحرف على الأكثر؛ وعدد أحرف هذا الوصف: %1.</numerusform>
            <numerusform>يجوز أن يضم وصف الصورة %Ln حرفًا على الأكثر؛ وعدد أحرف هذا الوصف: %1.</numerusform>
            <numerusform>يجوز أن يضم وصف الصورة %Ln حرف على الأكثر؛ وعدد أحرف هذا الوصف: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its picture&apos;s alt text has %n characters; the first %1 are its description.</source>
        <translation>
            <numerusform>لا أحرف في النص البديل لصورته؛ ويصير أولها وصفًا لها، بعدد %1 من الأحرف.</numerusform>
            <numerusform>يضم النص البديل لصورته حرفًا واحدًا؛ ويصير أولها وصفًا لها، بعدد %1 من الأحرف.</numerusform>
            <numerusform>يضم النص البديل لصورته حرفين؛ ويصير أولها وصفًا لها، بعدد %1 من الأحرف.</numerusform>
            <numerusform>يضم النص البديل لصورته %Ln أحرف؛ ويصير أولها وصفًا لها، بعدد %1 من الأحرف.</numerusform>
            <numerusform>يضم النص البديل لصورته %Ln حرفًا؛ ويصير أولها وصفًا لها، بعدد %1 من الأحرف.</numerusform>
            <numerusform>يضم النص البديل لصورته %Ln حرف؛ ويصير أولها وصفًا لها، بعدد %1 من الأحرف.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>VornickTest report</source>
        <translation>تقرير VornickTest</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>أبلغت الطابعة %1 عن خطأ.</translation>
    </message>
    <message>
        <source>The user guide could not be opened:
%1</source>
        <translation>تعذّر فتح دليل المستخدم:
%1</translation>
    </message>
    <message>
        <source>VornickTest Help</source>
        <translation>تعليمات VornickTest</translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message numerus="yes">
        <source>The file has %1 bytes; a question file may have at most %2 (10 MB).</source>
        <translation>
            <numerusform>حجم الملف %1 بايت؛ ولا يتجاوز ملف الأسئلة %2 (10 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايت؛ ولا يتجاوز ملف الأسئلة %2 (10 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايت؛ ولا يتجاوز ملف الأسئلة %2 (10 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايتات؛ ولا يتجاوز ملف الأسئلة %2 (10 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايتًا؛ ولا يتجاوز ملف الأسئلة %2 (10 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايت؛ ولا يتجاوز ملف الأسئلة %2 (10 ميغابايت).</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds a NUL byte here, so it is not a text file. Choose a GIFT or Aiken file saved as text.</source>
        <translation>يحتوي الملف هنا على بايت NUL، فهو ليس ملفًا نصيًا. اختر ملف GIFT أو Aiken محفوظًا نصًا.</translation>
    </message>
    <message>
        <source>The file holds a byte that is not UTF-8 text here (0x%1). Save the file as UTF-8 and import it again.</source>
        <translation>يحتوي الملف هنا على بايت ليس نصًا بترميز UTF-8 ‏(0x%1). احفظ الملف بترميز UTF-8 واستورده مرة أخرى.</translation>
    </message>
    <message>
        <source>The file is marked as UTF-16 text but is not. Save the file as UTF-8 and import it again.</source>
        <translation>الملف معلَّم بأنه نص UTF-16 لكنه ليس كذلك. احفظ الملف بترميز UTF-8 واستورده مرة أخرى.</translation>
    </message>
    <message>
        <source>The file holds a NUL character here, so it is not a text file.</source>
        <translation>يحتوي الملف هنا على محرف NUL، فهو ليس ملفًا نصيًا.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>الملف فارغ.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>لا يمكن فتح الملف %1: %2.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... و%1 أخرى.</translation>
    </message>
    <message>
        <source>Questions that can be used: %1.</source>
        <translation>الأسئلة الصالحة للاستخدام: %1.</translation>
    </message>
    <message>
        <source>Questions left out: %1.</source>
        <translation>الأسئلة المستبعدة: %1.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 إلى %2</translation>
    </message>
    <message>
        <source>Questions </source>
        <translation>الأسئلة </translation>
    </message>
    <message>
        <source>Question </source>
        <translation>السؤال </translation>
    </message>
    <message>
        <source> and </source>
        <translation> و</translation>
    </message>
    <message>
        <source>no question text; left out of the file.</source>
        <translation>لا يوجد نص للسؤال؛ لم يُكتب في الملف.</translation>
    </message>
    <message>
        <source>a carriage return or NUL character, which a text file cannot hold; a carriage return is written as a line break, a NUL character left out.</source>
        <translation>محرف إرجاع أو محرف NUL لا يقبله الملف النصي؛ يُكتب محرف الإرجاع فاصل أسطر ويُحذف محرف NUL.</translation>
    </message>
    <message numerus="yes">
        <source>a text longer than %1 characters; reading the file back leaves the question out.</source>
        <translation>
            <numerusform>نص أطول من %1 حرف؛ عند قراءة الملف مرة أخرى يُستبعد السؤال.</numerusform>
            <numerusform>نص أطول من %1 حرف؛ عند قراءة الملف مرة أخرى يُستبعد السؤال.</numerusform>
            <numerusform>نص أطول من %1 حرف؛ عند قراءة الملف مرة أخرى يُستبعد السؤال.</numerusform>
            <numerusform>نص أطول من %1 أحرف؛ عند قراءة الملف مرة أخرى يُستبعد السؤال.</numerusform>
            <numerusform>نص أطول من %1 حرفًا؛ عند قراءة الملف مرة أخرى يُستبعد السؤال.</numerusform>
            <numerusform>نص أطول من %1 حرف؛ عند قراءة الملف مرة أخرى يُستبعد السؤال.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file has %1 bytes; a GIFT or Moodle XML file may have at most %2 (100 MB).</source>
        <translation>
            <numerusform>حجم الملف %1 بايت؛ ولا يتجاوز ملف GIFT أو Moodle XML حجم %2 (100 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايت؛ ولا يتجاوز ملف GIFT أو Moodle XML حجم %2 (100 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايت؛ ولا يتجاوز ملف GIFT أو Moodle XML حجم %2 (100 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايتات؛ ولا يتجاوز ملف GIFT أو Moodle XML حجم %2 (100 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايتًا؛ ولا يتجاوز ملف GIFT أو Moodle XML حجم %2 (100 ميغابايت).</numerusform>
            <numerusform>حجم الملف %1 بايت؛ ولا يتجاوز ملف GIFT أو Moodle XML حجم %2 (100 ميغابايت).</numerusform>
        </translation>
    </message>
    <message>
        <source>Questions that can be used: more than %1; reading stopped there.</source>
        <translation>الأسئلة الصالحة: أكثر من %1؛ توقفت القراءة عندها.</translation>
    </message>
</context>
<context>
    <name>QuestionFiles</name>
    <message>
        <source>No question in this file can be used; nothing is stored.</source>
        <translation>لا يصلح أي سؤال في هذا الملف للاستخدام؛ لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>This file cannot be imported.
</source>
        <translation>لا يمكن استيراد هذا الملف.
</translation>
    </message>
    <message>
        <source>Read %1 as %2.
</source>
        <translation>قُرئ %1 بتنسيق %2.
</translation>
    </message>
    <message>
        <source>GIFT files (*.gift)</source>
        <translation>ملفات GIFT ‏(*.gift)</translation>
    </message>
    <message>
        <source>Aiken files (*.txt)</source>
        <translation>ملفات Aiken ‏(*.txt)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>لا يمكن كتابة الملف %1: %2.</translation>
    </message>
    <message>
        <source>Question files (*.gift *.txt *.xml)</source>
        <translation>ملفات الأسئلة (*.gift *.txt *.xml)</translation>
    </message>
    <message>
        <source>Moodle XML files (*.xml)</source>
        <translation>ملفات Moodle XML ‏(*.xml)</translation>
    </message>
    <message>
        <source>Import Questions</source>
        <translation>استيراد الأسئلة</translation>
    </message>
    <message>
        <source>Export Questions</source>
        <translation>تصدير الأسئلة</translation>
    </message>
    <message numerus="yes">
        <source>%n questions of &quot;%1&quot; written to %2 as %3.</source>
        <translation>
            <numerusform>لم يُكتب أي سؤال من «%1» في %2 بصيغة %3.</numerusform>
            <numerusform>كُتب سؤال واحد من «%1» في %2 بصيغة %3.</numerusform>
            <numerusform>كُتب سؤالان من «%1» في %2 بصيغة %3.</numerusform>
            <numerusform>كُتبت %Ln أسئلة من «%1» في %2 بصيغة %3.</numerusform>
            <numerusform>كُتب %Ln سؤالًا من «%1» في %2 بصيغة %3.</numerusform>
            <numerusform>كُتب %Ln سؤال من «%1» في %2 بصيغة %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>This record was changed or deleted by another user since it was read; your change was not saved.</source>
        <translation>غيّر مستخدم آخر هذا السجل أو حذفه بعد قراءته؛ لم يُحفظ تغييرك.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF أو EOF قيمته True، أو حُذف السجل الحالي. تتطلب العملية المطلوبة سجلًا حاليًا.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>العملية غير مسموح بها والكائن مفتوح.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>العملية غير مسموح بها والكائن مغلق.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: %1</source>
        <translation>لم يُعثر في المجموعة على عنصر بالاسم أو الترتيب المطلوب: %1</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>تعذّر على الطابعة بدء صفحة جديدة.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>تعذّر تشغيل الطابعة.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>تعذّر على الطابعة إكمال المستند.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1:
%2</source>
        <translation>تعذّر حفظ التقرير باسم %1:
%2</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>تعذّر كتابة التقرير في %1.</translation>
    </message>
    <message>
        <source>VornickTest report %1</source>
        <translation>تقرير VornickTest ‏%1</translation>
    </message>
    <message>
        <source>VornickTest report</source>
        <translation>تقرير VornickTest</translation>
    </message>
</context>
<context>
    <name>ResultsFiles</name>
    <message>
        <source>Save Results</source>
        <translation>حفظ النتائج</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV ‏(*.csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>لا يمكن كتابة الملف %1: %2.</translation>
    </message>
    <message>
        <source>There are no results to save yet.</source>
        <translation>لا توجد نتائج لحفظها بعد.</translation>
    </message>
    <message>
        <source>Saving results…</source>
        <translation>جارٍ حفظ النتائج…</translation>
    </message>
    <message>
        <source>Saving was cancelled; nothing was saved.</source>
        <translation>أُلغي الحفظ؛ لم يُحفظ شيء.</translation>
    </message>
    <message numerus="yes">
        <source>%n results written to %1.</source>
        <translation>
            <numerusform>لم تُكتب أي نتيجة في %1.</numerusform>
            <numerusform>كُتبت نتيجة واحدة في %1.</numerusform>
            <numerusform>كُتبت نتيجتان في %1.</numerusform>
            <numerusform>كُتبت %Ln نتائج في %1.</numerusform>
            <numerusform>كُتبت %Ln نتيجة في %1.</numerusform>
            <numerusform>كُتبت %Ln نتيجة في %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsList</name>
    <message>
        <source>No printer is installed, so the report was saved as
%1</source>
        <translation>لا توجد طابعة مثبّتة، لذلك حُفظ التقرير باسم
%1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>الاختبار</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>الدرجة</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>تاريخ الأداء</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>جارٍ الطباعة…</translation>
    </message>
    <message>
        <source>This test is no longer available.</source>
        <translation>هذا الاختبار لم يعد متاحًا.</translation>
    </message>
</context>
<context>
    <name>ResultsRow</name>
    <message>
        <source>Not Taken</source>
        <translation>لم يُؤدَّ</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>غير مكتمل</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>The database has schema version %1, which this copy of VornickTest does not know (it knows versions up to %2). It was left untouched: use the VornickTest that last opened it, or a newer one.</source>
        <translation>إصدار مخطط قاعدة البيانات %1، وهذه النسخة من VornickTest لا تعرفه (تعرف الإصدارات حتى %2). لم تُغيَّر القاعدة: استخدم نسخة VornickTest التي فتحتها آخر مرة أو نسخة أحدث.</translation>
    </message>
    <message>
        <source>A database already exists at %1; it is left untouched.</source>
        <translation>توجد قاعدة بيانات بالفعل في %1؛ تُركت دون تغيير.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>العملية غير مسموح بها والكائن مغلق.</translation>
    </message>
    <message>
        <source>The database already has the program&apos;s tables; it is left untouched.</source>
        <translation>قاعدة البيانات تحتوي على جداول البرنامج بالفعل؛ تُركت دون تغيير.</translation>
    </message>
    <message>
        <source>The database is of an older version and could not be brought up to date: %1
It was left untouched.</source>
        <translation>قاعدة البيانات من إصدار أقدم وتعذّر تحديثها: %1
تُركت دون تغيير.</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>لا يمكن قراءة ملف الإعدادات %1.</translation>
    </message>
    <message>
        <source>has a section the program does not know: [%1]</source>
        <translation>يحتوي على قسم لا يعرفه البرنامج: [%1]</translation>
    </message>
    <message>
        <source>has a line that is neither [Section] nor key=value</source>
        <translation>يحتوي على سطر ليس [قسمًا] ولا مفتاح=قيمة</translation>
    </message>
    <message>
        <source>has a key the program does not know: %1</source>
        <translation>يحتوي على مفتاح لا يعرفه البرنامج: %1</translation>
    </message>
    <message>
        <source>names %1 twice</source>
        <translation>يذكر %1 مرتين</translation>
    </message>
    <message>
        <source>The settings file %1 %2 (line %3).</source>
        <translation>ملف الإعدادات %1 %2 (السطر %3).</translation>
    </message>
    <message>
        <source>The password file %1 named in %2 cannot be read: %3</source>
        <translation>لا يمكن قراءة ملف كلمة المرور %1 المذكور في %2: %3</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: its [PostgreSQL] section needs a line database=NAME.</source>
        <translation>لا يحدد ملف الإعدادات %1 أي قاعدة بيانات: يحتاج قسم [PostgreSQL] فيه إلى سطر database=NAME.</translation>
    </message>
    <message>
        <source>The settings file %1 names no valid port.</source>
        <translation>لا يحدد ملف الإعدادات %1 منفذًا صالحًا.</translation>
    </message>
    <message>
        <source>The %1 for the settings file %2 holds a line break.</source>
        <translation>قيمة %1 لملف الإعدادات %2 تحتوي على فاصل أسطر.</translation>
    </message>
    <message>
        <source>The settings file %1 names both a database file and a server; it may name only one.</source>
        <translation>يحدد ملف الإعدادات %1 ملف قاعدة بيانات وخادمًا معًا؛ ولا يجوز أن يحدد إلا واحدًا.</translation>
    </message>
    <message>
        <source>The settings file %1 names no database: it needs a [Database] section with a line file=PATH, or a [PostgreSQL] section.</source>
        <translation>لا يحدد ملف الإعدادات %1 أي قاعدة بيانات: يحتاج إلى قسم [Database] فيه سطر file=PATH، أو قسم [PostgreSQL].</translation>
    </message>
    <message>
        <source>the database %1 on %2</source>
        <translation>قاعدة البيانات %1 على %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: %2.</source>
        <translation>لا يمكن كتابة ملف الإعدادات %1: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>لا يمكن كتابة ملف الإعدادات %1: المجلد %2 غير موجود.</translation>
    </message>
</context>
<context>
    <name>SlotForm</name>
    <message>
        <source>Question #</source>
        <translation>السؤال رقم</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>السؤال السابق</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>السؤال التالي</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>تم (&amp;D)</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>الإجابة %1</translation>
    </message>
    <message>
        <source>Click the picture or press Enter to see it full size.</source>
        <translation>انقر على الصورة أو اضغط Enter لعرضها بحجمها الكامل.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A screen reader&apos;s name of an answer button: &quot;Answer 1&quot; and the answer&apos;s text.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A screen reader&apos;s name of an answer button and what is noted of it, such as &quot;right&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>TestRules</name>
    <message>
        <source>You must give the test a title.</source>
        <translation>يجب أن تضع عنوانًا للاختبار.</translation>
    </message>
    <message>
        <source>Another test already has the title &quot;%1&quot;.
Please choose a different title.</source>
        <translation>يوجد اختبار آخر بالعنوان &quot;%1&quot;.
يرجى اختيار عنوان آخر.</translation>
    </message>
    <message>
        <source>The length of the test must be a whole number of minutes from 0 to %1.</source>
        <translation>يجب أن تكون مدة الاختبار عددًا صحيحًا من الدقائق بين 0 و%1.</translation>
    </message>
    <message numerus="yes">
        <source>The test title can be at most %n characters long.</source>
        <translation>
            <numerusform>لا يجوز أن يكون لعنوان الاختبار أي حرف.</numerusform>
            <numerusform>لا يتجاوز عنوان الاختبار حرفًا واحدًا.</numerusform>
            <numerusform>لا يتجاوز عنوان الاختبار حرفين.</numerusform>
            <numerusform>لا يتجاوز عنوان الاختبار %Ln أحرف.</numerusform>
            <numerusform>لا يتجاوز عنوان الاختبار %Ln حرفًا.</numerusform>
            <numerusform>لا يتجاوز عنوان الاختبار %Ln حرف.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAdmin</name>
    <message>
        <source>Vornick Test Taker - Administrative Functions</source>
        <translation>Vornick Test Taker - الإدارة</translation>
    </message>
    <message>
        <source>Students:</source>
        <translation>الطلاب:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>Tests:</source>
        <translation>الاختبارات:</translation>
    </message>
    <message>
        <source>Note: The brackets &quot;&lt;&gt;&quot; depict unfinished tests which are not available to students.</source>
        <translation>ملاحظة: القوسان &quot;&lt;&gt;&quot; يدلان على اختبارات غير مكتملة لا يراها الطلاب.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إضافة (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>استيراد (&amp;I)…</translation>
    </message>
    <message>
        <source>Ex&amp;port…</source>
        <translation>تصدير (&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف (&amp;D)</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>إحصاءا&amp;ت…</translation>
    </message>
    <message>
        <source>Save &amp;Results…</source>
        <translation>حفظ النتائج (&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>مسح (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View Test Results</source>
        <translation>عرض نتائج الاختبار (&amp;V)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>You must enter a student name.</source>
        <translation>يجب أن تُدخل اسم الطالب.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>You must enter a password.</source>
        <translation>يجب أن تُدخل كلمة مرور.</translation>
    </message>
    <message>
        <source>Another student already has the name &quot;%1&quot;.
Please give this student a different name.</source>
        <translation>يوجد طالب آخر باسم &quot;%1&quot;.
يرجى إعطاء هذا الطالب اسمًا مختلفًا.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this student and all the test results?</source>
        <translation>هل أنت متأكد أنك تريد حذف هذا الطالب وجميع نتائج اختباراته؟</translation>
    </message>
    <message>
        <source>Delete The Current Student</source>
        <translation>حذف الطالب الحالي</translation>
    </message>
    <message>
        <source>Select a student first!</source>
        <translation>اختر طالبًا أولًا!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test<byte value="xd"/>
 and all the corresponding student results?</source>
        <translation>هل أنت متأكد أنك تريد حذف هذا الاختبار<byte value="xd"/>
 وجميع نتائج الطلاب فيه؟</translation>
    </message>
    <message>
        <source>Delete The Selected Test</source>
        <translation>حذف الاختبار المحدد</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>نتائج %1.csv</translation>
    </message>
    <message>
        <source>Attempts in Pro&amp;gress…</source>
        <translation>المحاولات الجارية (&amp;G)…</translation>
    </message>
    <message>
        <source>Extra ti&amp;me (%):</source>
        <translation>الوقت الإضافي (%) (&amp;M):</translation>
    </message>
    <message>
        <source>Add/&amp;Save</source>
        <translation>إضافة/حفظ (&amp;S)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>حذ&amp;ف</translation>
    </message>
    <message>
        <source>Change Pass&amp;word…</source>
        <translation>تغيير كلمة المرور (&amp;W)…</translation>
    </message>
    <message>
        <source>Delete test</source>
        <translation>حذف الاختبار</translation>
    </message>
    <message>
        <source>Delete student</source>
        <translation>حذف الطالب</translation>
    </message>
    <message>
        <source>Lab passwords must be at least 8 characters long.</source>
        <translation>يجب ألا تقل كلمات المرور في المختبر عن 8 أحرف.</translation>
    </message>
</context>
<context>
    <name>frmAnswers</name>
    <message>
        <source>Results of: %1</source>
        <translation>نتائج: %1</translation>
    </message>
    <message>
        <source>Question %1, %2</source>
        <translation>السؤال %1، %2</translation>
    </message>
    <message>
        <source>right answer</source>
        <translation>الإجابة الصحيحة</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>إجابتك</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>السؤال %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>صحيحة</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>This test has not been finished yet.</source>
        <translation>لم يكتمل هذا الاختبار بعد.</translation>
    </message>
</context>
<context>
    <name>frmAttempts</name>
    <message>
        <source>Attempts in Progress</source>
        <translation>المحاولات الجارية</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>الطالب</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>الاختبار</translation>
    </message>
    <message>
        <source>Began</source>
        <translation>البدء</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>المُجاب عنها</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>الوقت المتبقي</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>منح &amp;وقت إضافي…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>إنهاء الآن (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>تحديث (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق (&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>C&amp;urrent password:</source>
        <translation>كلمة المرور الحالية (&amp;U):</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>كلمة المرور الجديدة (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Repeat new password:</source>
        <translation>كرر كلمة المرور الجديدة (&amp;R):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>موافق (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إلغاء (&amp;C)</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>كلمة مرور غير صحيحة</translation>
    </message>
    <message>
        <source>You must enter a new password.</source>
        <translation>يجب أن تُدخل كلمة مرور جديدة.</translation>
    </message>
    <message>
        <source>The new password and its repeat are not the same.</source>
        <translation>كلمة المرور الجديدة وتكرارها غير متطابقين.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password has been changed.</source>
        <translation>تم تغيير كلمة مرور المدير.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
</context>
<context>
    <name>frmEntry</name>
    <message>
        <source>Vornick Test Taker   Vs. 1.0</source>
        <translation>Vornick Test Taker   الإصدار ١٫٠</translation>
    </message>
    <message>
        <source>Student ID:</source>
        <translation>معرّف الطالب:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>Press F1 for help</source>
        <translation>اضغط F1 للمساعدة</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>موافق (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إلغاء (&amp;C)</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>كلمة مرور غير صحيحة</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Take Selected Test</source>
        <translation>بدء الاختبار المحدد (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Review Missed Questions</source>
        <translation>مراجعة الأسئلة الخاطئة (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>طباعة (&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>نتائج الاختبارات لـ %1</translation>
    </message>
    <message>
        <source>This test cannot be started: its length is not a whole number of minutes from 0 to %1.
Please tell your teacher.</source>
        <translation>لا يمكن بدء هذا الاختبار: مدته ليست عددًا صحيحًا من الدقائق بين 0 و%1.
يرجى إبلاغ معلمك.</translation>
    </message>
</context>
<context>
    <name>frmNewTest</name>
    <message>
        <source>Add New Test</source>
        <translation>إضافة اختبار جديد</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>السؤال السابق</translation>
    </message>
    <message>
        <source>Question 1</source>
        <translation>السؤال 1</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>السؤال التالي</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>السؤال:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>الإجابة:</translation>
    </message>
    <message>
        <source>False Answer:</source>
        <translation>إجابة خاطئة:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>السؤال %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n questions left to write.<byte value="xd"/>
Are you sure you want to exit?</source>
        <translation>
            <numerusform>لم يبق أي سؤال لكتابته.<byte value="xd"/>
هل أنت متأكد أنك تريد الخروج؟</numerusform>
            <numerusform>بقي سؤال واحد لكتابته.<byte value="xd"/>
هل أنت متأكد أنك تريد الخروج؟</numerusform>
            <numerusform>بقي سؤالان لكتابتهما.<byte value="xd"/>
هل أنت متأكد أنك تريد الخروج؟</numerusform>
            <numerusform>بقيت %n أسئلة لكتابتها.<byte value="xd"/>
هل أنت متأكد أنك تريد الخروج؟</numerusform>
            <numerusform>بقي %n سؤالًا لكتابتها.<byte value="xd"/>
هل أنت متأكد أنك تريد الخروج؟</numerusform>
            <numerusform>بقي %n سؤال لكتابتها.<byte value="xd"/>
هل أنت متأكد أنك تريد الخروج؟</numerusform>
        </translation>
    </message>
    <message>
        <source>Incomplete Test</source>
        <translation>اختبار غير مكتمل</translation>
    </message>
    <message>
        <source>False answer 1</source>
        <translation>الإجابة الخاطئة 1</translation>
    </message>
    <message>
        <source>False answer 2</source>
        <translation>الإجابة الخاطئة 2</translation>
    </message>
    <message>
        <source>Picture&apos;s description:</source>
        <translation>وصف الصورة:</translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation>صورة (&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Remove Picture</source>
        <translation>إ&amp;زالة الصورة</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</source>
        <translation>الصور (*.png *.jpg *.jpeg *.gif *.bmp *.webp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>This file cannot be used as the question&apos;s picture.
%1</source>
        <translation>لا يمكن استخدام هذا الملف صورةً للسؤال.
%1</translation>
    </message>
    <message>
        <source>Remove this question&apos;s picture?</source>
        <translation>هل تريد إزالة صورة هذا السؤال؟</translation>
    </message>
    <message>
        <source>Remove Picture</source>
        <translation>إزالة الصورة</translation>
    </message>
</context>
<context>
    <name>frmNewTestIntro</name>
    <message>
        <source>Create New Test</source>
        <translation>إنشاء اختبار جديد</translation>
    </message>
    <message>
        <source>Test Name:</source>
        <translation>اسم الاختبار:</translation>
    </message>
    <message>
        <source>Description of test/instructions:</source>
        <translation>وصف الاختبار/التعليمات:</translation>
    </message>
    <message>
        <source>Length of test in minutes:</source>
        <translation>مدة الاختبار بالدقائق:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>التالي (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إلغاء (&amp;C)</translation>
    </message>
    <message>
        <source>You must specify the length of the test.</source>
        <translation>يجب أن تحدد مدة الاختبار.</translation>
    </message>
    <message>
        <source>Required Field</source>
        <translation>حقل مطلوب</translation>
    </message>
</context>
<context>
    <name>frmQuestions</name>
    <message>
        <source>Remaining time:</source>
        <translation>الوقت المتبقي:</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>السؤال %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>انتهى الوقت!</translation>
    </message>
    <message>
        <source>Finish this test now? Your answers will be graded.</source>
        <translation>هل تريد إنهاء هذا الاختبار الآن؟ ستُصحَّح إجاباتك.</translation>
    </message>
    <message>
        <source>Question %1, answered</source>
        <translation>السؤال %1، مُجاب عنه</translation>
    </message>
    <message>
        <source>Question %1, not answered</source>
        <translation>السؤال %1، لم يُجَب عنه</translation>
    </message>
    <message>
        <source>Remaining time %1</source>
        <translation>الوقت المتبقي %1</translation>
    </message>
    <message>
        <source>5 minutes left</source>
        <translation>بقيت 5 دقائق</translation>
    </message>
    <message>
        <source>1 minute left</source>
        <translation>بقيت دقيقة واحدة</translation>
    </message>
    <message>
        <source>Your teacher has finished this test.</source>
        <translation>أنهى معلمك هذا الاختبار.</translation>
    </message>
</context>
<context>
    <name>frmQuestionsIntro</name>
    <message>
        <source>You can advance the question using the buttons or by directly clicking on the number of the question.  When answered, the number of the question will turn green.  If you finish before time runs out, press the &quot;Done&quot; button.</source>
        <translation>يمكنك الانتقال بين الأسئلة بالأزرار أو بالنقر مباشرة على رقم السؤال.  عند الإجابة يصبح رقم السؤال أخضر.  إذا انتهيت قبل انتهاء الوقت، فاضغط زر &quot;تم&quot;.</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;ابدأ</translation>
    </message>
    <message numerus="yes">
        <source>You will be given %n minutes to complete this test.</source>
        <translation>
            <numerusform>ليس لديك أي وقت لإكمال هذا الاختبار.</numerusform>
            <numerusform>لديك دقيقة واحدة لإكمال هذا الاختبار.</numerusform>
            <numerusform>لديك دقيقتان لإكمال هذا الاختبار.</numerusform>
            <numerusform>لديك %Ln دقائق لإكمال هذا الاختبار.</numerusform>
            <numerusform>لديك %Ln دقيقة لإكمال هذا الاختبار.</numerusform>
            <numerusform>لديك %Ln دقيقة لإكمال هذا الاختبار.</numerusform>
        </translation>
    </message>
    <message>
        <source>You will be given %1 minutes to complete this test.</source>
        <translation>لديك %1 دقيقة لإكمال هذا الاختبار.</translation>
    </message>
    <message numerus="yes">
        <source>This includes %n minutes of extra time.</source>
        <translation>
            <numerusform>لا يشمل ذلك أي وقت إضافي.</numerusform>
            <numerusform>يشمل ذلك دقيقة واحدة من الوقت الإضافي.</numerusform>
            <numerusform>يشمل ذلك دقيقتين من الوقت الإضافي.</numerusform>
            <numerusform>يشمل ذلك %Ln دقائق من الوقت الإضافي.</numerusform>
            <numerusform>يشمل ذلك %Ln دقيقة من الوقت الإضافي.</numerusform>
            <numerusform>يشمل ذلك %Ln دقيقة من الوقت الإضافي.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;Questions:</source>
        <translation>الأسئلة (&amp;Q):</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>الأسئلة</translation>
    </message>
    <message>
        <source>&amp;Flags:</source>
        <translation>ملاحظات (&amp;F):</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>&amp;Edit Question</source>
        <translation>تحرير السؤال (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>طباعة (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>حفظ بتنسيق CSV (&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق (&amp;C)</translation>
    </message>
    <message>
        <source>Printing....</source>
        <translation>جارٍ الطباعة…</translation>
    </message>
    <message>
        <source>Statistics: %1</source>
        <translation>الإحصاءات: %1</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>السؤال %1: %2</translation>
    </message>
    <message>
        <source>Save Statistics</source>
        <translation>حفظ الإحصاءات</translation>
    </message>
    <message>
        <source>%1 statistics.csv</source>
        <translation>إحصاءات %1.csv</translation>
    </message>
    <message>
        <source>Histogram of grades</source>
        <translation>مدرّج الدرجات</translation>
    </message>
    <message numerus="yes">
        <source>The statistics of %n questions written to %1.</source>
        <translation>
            <numerusform>كُتبت في %1 إحصاءات لا أسئلة.</numerusform>
            <numerusform>كُتبت في %1 إحصاءات سؤال واحد.</numerusform>
            <numerusform>كُتبت في %1 إحصاءات سؤالين.</numerusform>
            <numerusform>كُتبت في %1 إحصاءات %Ln أسئلة.</numerusform>
            <numerusform>كُتبت في %1 إحصاءات %Ln سؤالًا.</numerusform>
            <numerusform>كُتبت في %1 إحصاءات %Ln سؤال.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>&amp;View Missed Questions</source>
        <translation>عرض الأسئلة الخاطئة (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>طباعة (&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Save Results…</source>
        <translation>حفظ النتائج (&amp;S)…</translation>
    </message>
    <message>
        <source>Test Results For %1</source>
        <translation>نتائج الاختبارات لـ %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this test result?</source>
        <translation>هل أنت متأكد أنك تريد حذف نتيجة هذا الاختبار؟</translation>
    </message>
    <message>
        <source>Delete The Test Result</source>
        <translation>حذف نتيجة الاختبار</translation>
    </message>
    <message>
        <source>%1 results.csv</source>
        <translation>نتائج %1.csv</translation>
    </message>
    <message>
        <source>Give &amp;More Time…</source>
        <translation>منح &amp;وقت إضافي…</translation>
    </message>
    <message>
        <source>&amp;Finish Now</source>
        <translation>إنهاء الآن (&amp;F)</translation>
    </message>
</context>
<context>
    <name>labdb</name>
    <message>
        <source>wrote the workstations&apos; settings file %1</source>
        <translation>كُتب ملف إعدادات أجهزة المختبر %1</translation>
    </message>
    <message>
        <source>created the tables, the functions and the roles</source>
        <translation>أُنشئت الجداول والدوال والأدوار</translation>
    </message>
    <message>
        <source>the tables are at version %1 already</source>
        <translation>الجداول في الإصدار %1 بالفعل</translation>
    </message>
    <message>
        <source>brought the tables from version %1 to version %2</source>
        <translation>نُقلت الجداول من الإصدار %1 إلى الإصدار %2</translation>
    </message>
    <message>
        <source>took setseed, pg_sleep, the advisory locks, the large objects and the signals to other sessions from everyone but the superuser</source>
        <translation>سُحبت setseed وpg_sleep والأقفال الاستشارية والكائنات الكبيرة وإرسال الإشارات إلى الجلسات الأخرى من الجميع عدا المستخدم الأعلى</translation>
    </message>
    <message>
        <source>New password for the administrator role: </source>
        <translation>كلمة المرور الجديدة لدور المسؤول: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>كلمة المرور نفسها مرة أخرى: </translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was changed.</source>
        <translation>كلمتا المرور مختلفتان؛ لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>wrote %1; the server %2 answers and asks for the administrator&apos;s password</source>
        <translation>كُتب %1؛ الخادم %2 يستجيب ويطلب كلمة مرور المسؤول</translation>
    </message>
    <message>
        <source>gave the administrator role %1 its new password</source>
        <translation>أُعطي دور المسؤول %1 كلمة مروره الجديدة</translation>
    </message>
    <message>
        <source>usage: labdb create SETTINGS [WORKSTATION]
       labdb copy DATABASE SETTINGS
       labdb upgrade SETTINGS [WORKSTATION]
       labdb harden SUPERUSER
       labdb admin-password SETTINGS
       labdb join HOST WORKSTATION [--ca FILE] [--database NAME] [--port PORT]
SETTINGS is a VornickTest.ini naming the server and the database&apos;s owner;
WORKSTATION is the VornickTest.ini to write for the workstations; DATABASE is an Ostrel.mdb;
SUPERUSER is a VornickTest.ini naming the server&apos;s superuser and the database.</source>
        <translation>الاستخدام: labdb create SETTINGS [WORKSTATION]
           labdb copy DATABASE SETTINGS
           labdb upgrade SETTINGS [WORKSTATION]
           labdb harden SUPERUSER
           labdb admin-password SETTINGS
           labdb join HOST WORKSTATION [--ca FILE] [--database NAME] [--port PORT]
SETTINGS ملف VornickTest.ini يحدد الخادم ومالك قاعدة البيانات؛
WORKSTATION ملف VornickTest.ini الذي يُكتب لأجهزة الطلاب؛ DATABASE ملف Ostrel.mdb؛
SUPERUSER ملف VornickTest.ini يحدد المستخدم الأعلى للخادم وقاعدة البيانات.</translation>
    </message>
    <message>
        <source>copied %1, %2, %3 and %4</source>
        <translation>نُسخ: %1 و%2 و%3 و%4</translation>
    </message>
    <message numerus="yes">
        <source>%n students</source>
        <translation>
            <numerusform>لا طلاب</numerusform>
            <numerusform>طالب واحد</numerusform>
            <numerusform>طالبان</numerusform>
            <numerusform>%Ln طلاب</numerusform>
            <numerusform>%Ln طالبًا</numerusform>
            <numerusform>%Ln طالب</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tests</source>
        <translation>
            <numerusform>لا اختبارات</numerusform>
            <numerusform>اختبار واحد</numerusform>
            <numerusform>اختباران</numerusform>
            <numerusform>%Ln اختبارات</numerusform>
            <numerusform>%Ln اختبارًا</numerusform>
            <numerusform>%Ln اختبار</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n results</source>
        <translation>
            <numerusform>لا نتائج</numerusform>
            <numerusform>نتيجة واحدة</numerusform>
            <numerusform>نتيجتان</numerusform>
            <numerusform>%Ln نتائج</numerusform>
            <numerusform>%Ln نتيجة</numerusform>
            <numerusform>%Ln نتيجة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>لا صور</numerusform>
            <numerusform>صورة واحدة</numerusform>
            <numerusform>صورتان</numerusform>
            <numerusform>%Ln صور</numerusform>
            <numerusform>%Ln صورة</numerusform>
            <numerusform>%Ln صورة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-admin</name>
    <message>
        <source>The new test&apos;s title (default: from the file).</source>
        <translation>عنوان الاختبار الجديد (الافتراضي: من الملف).</translation>
    </message>
    <message>
        <source>The test&apos;s length in minutes (default: %1).</source>
        <translation>مدة الاختبار بالدقائق (الافتراضي: %1).</translation>
    </message>
    <message>
        <source>The test&apos;s description.</source>
        <translation>وصف الاختبار.</translation>
    </message>
    <message>
        <source>Take only the first N usable questions (at most 25).</source>
        <translation>خذ أول N سؤالًا صالحًا فقط (25 على الأكثر).</translation>
    </message>
    <message>
        <source>The file to write (default: standard output).</source>
        <translation>الملف المراد كتابته (الافتراضي: المخرج القياسي).</translation>
    </message>
    <message>
        <source>Only this test&apos;s results (its number or title).</source>
        <translation>نتائج هذا الاختبار فقط (رقمه أو عنوانه).</translation>
    </message>
    <message>
        <source>Only this student&apos;s results (their number or name).</source>
        <translation>نتائج هذا الطالب فقط (رقمه أو اسمه).</translation>
    </message>
    <message>
        <source>An Ostrel.mdb to work on.</source>
        <translation>ملف Ostrel.mdb للعمل عليه.</translation>
    </message>
    <message>
        <source>A VornickTest.ini naming a lab&apos;s server and its owner.</source>
        <translation>ملف VornickTest.ini يحدد خادم المختبر ومالكه.</translation>
    </message>
    <message>
        <source>--%1 does not go with this command.</source>
        <translation>لا يصلح --%1 مع هذا الأمر.</translation>
    </message>
    <message>
        <source>give --database or --settings, not both.</source>
        <translation>أعطِ --database أو --settings، لا كليهما.</translation>
    </message>
    <message>
        <source> (The title came from the file; give one with --title.)</source>
        <translation> (أُخذ العنوان من الملف؛ أعطِ عنوانًا مع --title.)</translation>
    </message>
    <message>
        <source>%1: no question in the file can be used; nothing was stored.</source>
        <translation>%1: لا يصلح أي سؤال في الملف؛ لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>--first takes a number from 1 to %1.</source>
        <translation>يأخذ --first عددًا من 1 إلى %1.</translation>
    </message>
    <message>
        <source>Read %1 as %2.</source>
        <translation>قُرئ %1 بتنسيق %2.</translation>
    </message>
    <message>
        <source>several tests are titled &quot;%1&quot;; give the test&apos;s number.</source>
        <translation>عدة اختبارات بعنوان &quot;%1&quot;؛ أعطِ رقم الاختبار.</translation>
    </message>
    <message>
        <source>no test is numbered or titled &quot;%1&quot;.</source>
        <translation>لا يوجد اختبار بالرقم أو العنوان &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>لا يمكن كتابة %1: %2.</translation>
    </message>
    <message>
        <source>several students are named &quot;%1&quot;; give the student&apos;s number.</source>
        <translation>عدة طلاب باسم &quot;%1&quot;؛ أعطِ رقم الطالب.</translation>
    </message>
    <message>
        <source>no student is numbered or named &quot;%1&quot;.</source>
        <translation>لا يوجد طالب بالرقم أو الاسم &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>results needs --output FILE.</source>
        <translation>يحتاج results إلى --output FILE.</translation>
    </message>
    <message>
        <source>Test %1 &quot;%2&quot;</source>
        <translation>الاختبار %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>results takes no file or test; use --test and --student.</source>
        <translation>لا يأخذ results ملفًا ولا اختبارًا؛ استخدم --test و--student.</translation>
    </message>
    <message>
        <source>give a command and its file or test.</source>
        <translation>أعطِ أمرًا وملفه أو اختباره.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation>أمر غير معروف &quot;%1&quot;.</translation>
    </message>
    <message>
        <source> See vornick-admin --help.</source>
        <translation> انظر vornick-admin --help.</translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder %2 does not exist.</source>
        <translation>لا يمكن كتابة %1: المجلد %2 غير موجود.</translation>
    </message>
    <message>
        <source>the settings file is a lab workstation&apos;s, which signs no one in who reads the tables: give the database owner&apos;s settings file with --settings.</source>
        <translation>ملف الإعدادات هذا خاص بأحد أجهزة المختبر، ولا يُدخل أحدًا يحق له قراءة الجداول: أعطِ ملف إعدادات مالك قاعدة البيانات مع --settings.</translation>
    </message>
    <message>
        <source>extra time is a whole number from 0 to %1.</source>
        <translation>الوقت الإضافي عدد صحيح من 0 إلى %1.</translation>
    </message>
    <message>
        <source>%1 now has %2% extra time.</source>
        <translation>لدى %1 الآن وقت إضافي بنسبة %2%.</translation>
    </message>
    <message>
        <source>%1 has %2% extra time.</source>
        <translation>لدى %1 وقت إضافي بنسبة %2%.</translation>
    </message>
    <message>
        <source>%1 has not begun &quot;%2&quot;; nothing was changed.</source>
        <translation>لم يبدأ %1 الاختبار &quot;%2&quot;؛ لم يتغير شيء.</translation>
    </message>
    <message>
        <source>%1&apos;s attempt at &quot;%2&quot; is finished already; nothing was changed.</source>
        <translation>محاولة %1 في &quot;%2&quot; منتهية بالفعل؛ لم يتغير شيء.</translation>
    </message>
    <message>
        <source>more time is a whole number of minutes from 1 to %1.</source>
        <translation>الوقت المضاف عدد صحيح من الدقائق من 1 إلى %1.</translation>
    </message>
    <message numerus="yes">
        <source>Gave %1 %n more minutes on &quot;%2&quot;.</source>
        <translation>
            <numerusform>لم يُمنح %1 أي دقائق إضافية في &quot;%2&quot;.</numerusform>
            <numerusform>مُنح %1 دقيقة إضافية واحدة في &quot;%2&quot;.</numerusform>
            <numerusform>مُنح %1 دقيقتين إضافيتين في &quot;%2&quot;.</numerusform>
            <numerusform>مُنح %1 %Ln دقائق إضافية في &quot;%2&quot;.</numerusform>
            <numerusform>مُنح %1 %Ln دقيقة إضافية في &quot;%2&quot;.</numerusform>
            <numerusform>مُنح %1 %Ln دقيقة إضافية في &quot;%2&quot;.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished %1&apos;s attempt at &quot;%2&quot;.</source>
        <translation>أُنهيت محاولة %1 في &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>No attempt is in progress.</source>
        <translation>لا توجد محاولة جارية.</translation>
    </message>
    <message>
        <source>Student	Test	Began	Answered	Time left</source>
        <translation>الطالب	الاختبار	البدء	المُجاب عنها	الوقت المتبقي</translation>
    </message>
    <message>
        <source>attempts takes nothing more.</source>
        <translation>لا يقبل attempts أي شيء آخر.</translation>
    </message>
    <message>
        <source>extra-time takes a student and, to set it, a percentage.</source>
        <translation>يقبل extra-time طالبًا، ونسبة مئوية لتحديده.</translation>
    </message>
    <message>
        <source>more-time takes a student, a test and the minutes to add.</source>
        <translation>يقبل more-time طالبًا واختبارًا والدقائق المراد إضافتها.</translation>
    </message>
    <message>
        <source>finish takes a student and a test.</source>
        <translation>يقبل finish طالبًا واختبارًا.</translation>
    </message>
    <message>
        <source>gift, aiken or moodle.</source>
        <translation>gift أو aiken أو moodle.</translation>
    </message>
    <message>
        <source>export needs --format gift, --format aiken or --format moodle.</source>
        <translation>يحتاج export إلى --format gift أو --format aiken أو --format moodle.</translation>
    </message>
    <message>
        <source>Not taken (past the first %1): the questions from line %2 on.</source>
        <translation>لم تُؤخذ (بعد أول %1): الأسئلة من السطر %2 فما بعده.</translation>
    </message>
    <message>
        <source>Restore over a database that holds students, tests or results.</source>
        <translation>الاستعادة فوق قاعدة بيانات تحتوي على طلاب أو اختبارات أو نتائج.</translation>
    </message>
    <message>
        <source>a lab&apos;s database is backed up and restored on its server, with vornick-labdb backup and restore.</source>
        <translation>تُنسخ قاعدة بيانات المختبر احتياطيًا وتُستعاد على خادمها، باستخدام vornick-labdb backup وrestore.</translation>
    </message>
    <message>
        <source>Wrote the backup %1 of %2 (%3 bytes).</source>
        <translation>كُتبت النسخة الاحتياطية %1 من %2 (%3 بايت).</translation>
    </message>
    <message>
        <source>Restored %1 as %2.</source>
        <translation>استُعيد %1 بوصفه %2.</translation>
    </message>
    <message>
        <source>usage: vornick-admin import FILE [--title T] [--minutes N] [--description D] [--first N]
       vornick-admin export TEST --format gift|aiken|moodle [--output FILE]
       vornick-admin results [--test TEST] [--student NAME_OR_NUMBER] --output FILE
       vornick-admin analysis TEST [--output FILE.csv]
       vornick-admin extra-time STUDENT [PERCENT]
       vornick-admin attempts
       vornick-admin more-time STUDENT TEST MINUTES
       vornick-admin finish STUDENT TEST
       vornick-admin backup FILE
       vornick-admin restore FILE [--replace]
All take --database PATH (an Ostrel.mdb) or --settings INI (a VornickTest.ini); without them they
work on the database of the program beside this tool. TEST is a test&apos;s number or its title.
FILE is a GIFT, an Aiken or a Moodle XML file; a test takes at most 25 questions, and fewer than 25 make an
unfinished test. The length defaults to %1 minutes. results writes attempts as CSV (all of them, or
those of a test, a student or both); analysis prints a test&apos;s item statistics and with --output
saves its per-slot table as CSV. extra-time shows or sets a student&apos;s extra time (0 to 400 percent of
every test&apos;s length); attempts lists the attempts in progress; more-time adds 1 to 600 minutes to one,
finish grades one now. STUDENT is a student&apos;s number or name. backup writes a copy of the database
file while the program may be using it; restore puts one back, over students, tests or results
only with --replace.</source>
        <translation>الاستخدام: vornick-admin import FILE [--title T] [--minutes N] [--description D] [--first N]
           vornick-admin export TEST --format gift|aiken|moodle [--output FILE]
           vornick-admin results [--test TEST] [--student NAME_OR_NUMBER] --output FILE
           vornick-admin analysis TEST [--output FILE.csv]
           vornick-admin extra-time STUDENT [PERCENT]
           vornick-admin attempts
           vornick-admin more-time STUDENT TEST MINUTES
           vornick-admin finish STUDENT TEST
           vornick-admin backup FILE
           vornick-admin restore FILE [--replace]
تقبل جميعها --database PATH (ملف Ostrel.mdb) أو --settings INI (ملف VornickTest.ini)؛ ومن دونهما
تعمل على قاعدة بيانات البرنامج المثبّت بجانب هذه الأداة. TEST رقم الاختبار أو عنوانه.
FILE ملف GIFT أو Aiken أو Moodle XML؛ يضم الاختبار 25 سؤالًا على الأكثر، وأقل من 25 يجعل
الاختبار غير مكتمل. المدة الافتراضية %1 دقيقة. يكتب results المحاولات بتنسيق CSV (كلها، أو
محاولات اختبار أو طالب أو كليهما)؛ ويعرض analysis إحصاءات أسئلة الاختبار ومع --output
يحفظ جدوله لكل سؤال بتنسيق CSV. يعرض extra-time الوقت الإضافي لطالب أو يحدده (من 0 إلى 400 بالمئة
من مدة كل اختبار)؛ ويسرد attempts المحاولات الجارية؛ ويضيف more-time من 1 إلى 600 دقيقة إلى إحداها،
وينهي finish إحداها ويصححها فورًا. STUDENT رقم الطالب أو اسمه. يكتب backup نسخة من ملف قاعدة البيانات
حتى أثناء استخدام البرنامج له؛ ويعيد restore نسخة منها، ولا يكتب فوق طلاب أو اختبارات أو نتائج
إلا مع --replace.</translation>
    </message>
    <message numerus="yes">
        <source>Stored test %1 &quot;%2&quot; with %n questions.</source>
        <translation>
            <numerusform>حُفظ الاختبار %1 «%2» بلا أسئلة.</numerusform>
            <numerusform>حُفظ الاختبار %1 «%2» ومعه سؤال واحد.</numerusform>
            <numerusform>حُفظ الاختبار %1 «%2» ومعه سؤالان.</numerusform>
            <numerusform>حُفظ الاختبار %1 «%2» ومعه %Ln أسئلة.</numerusform>
            <numerusform>حُفظ الاختبار %1 «%2» ومعه %Ln سؤالًا.</numerusform>
            <numerusform>حُفظ الاختبار %1 «%2» ومعه %Ln سؤال.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n questions of test %1 &quot;%2&quot; to %3.</source>
        <translation>
            <numerusform>لم يُكتب أي سؤال من الاختبار %1 «%2» في %3.</numerusform>
            <numerusform>كُتب سؤال واحد من الاختبار %1 «%2» في %3.</numerusform>
            <numerusform>كُتب سؤالان من الاختبار %1 «%2» في %3.</numerusform>
            <numerusform>كُتبت %Ln أسئلة من الاختبار %1 «%2» في %3.</numerusform>
            <numerusform>كُتب %Ln سؤالًا من الاختبار %1 «%2» في %3.</numerusform>
            <numerusform>كُتب %Ln سؤال من الاختبار %1 «%2» في %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n results to %1.</source>
        <translation>
            <numerusform>لم تُكتب أي نتيجة في %1.</numerusform>
            <numerusform>كُتبت نتيجة واحدة في %1.</numerusform>
            <numerusform>كُتبت نتيجتان في %1.</numerusform>
            <numerusform>كُتبت %Ln نتائج في %1.</numerusform>
            <numerusform>كُتبت %Ln نتيجة في %1.</numerusform>
            <numerusform>كُتبت %Ln نتيجة في %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vornick-passwd</name>
    <message>
        <source>usage: vornick-passwd --reset [DATABASE | SETTINGS]
Puts the administrator&apos;s password back to the default. Without a path, the database
of the program installed beside this tool; a path ending in .ini is a settings file.</source>
        <translation>الاستخدام: vornick-passwd --reset [DATABASE | SETTINGS]
يعيد كلمة مرور المدير إلى الافتراضية. من دون مسار، قاعدة بيانات
البرنامج المثبّت بجانب هذه الأداة؛ والمسار المنتهي بـ .ini ملف إعدادات.</translation>
    </message>
    <message>
        <source>vornick-passwd: on this lab&apos;s server the administrator signs in as the role %1, whose
password the server keeps. As the database&apos;s owner, give it a new one with psql:
    \password %1</source>
        <translation>vornick-passwd: على خادم هذا المختبر يسجّل المدير الدخول بالدور %1، الذي
يحفظ الخادم كلمة مروره. بصفتك مالك قاعدة البيانات، أعطه كلمة مرور جديدة باستخدام psql:
    \password %1</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 is &quot;%2&quot; again.</source>
        <translation>عادت كلمة مرور المدير لـ %1 إلى &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password of %1 was &quot;%2&quot; already.</source>
        <translation>كلمة مرور المدير لـ %1 كانت &quot;%2&quot; بالفعل.</translation>
    </message>
</context>
</TS>
