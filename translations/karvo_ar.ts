<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d ملف آخر</numerusform>
            <numerusform>%@ + %d ملف آخر</numerusform>
            <numerusform>%@ + %d ملفان آخران</numerusform>
            <numerusform>%@ + %d ملفات أخرى</numerusform>
            <numerusform>%@ + %d ملفًا آخر</numerusform>
            <numerusform>%@ + %d ملف آخر</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ و%d أخرى</numerusform>
            <numerusform>%@ و%d أخرى</numerusform>
            <numerusform>%@ و%d أخرى</numerusform>
            <numerusform>%@ و%d أخرى</numerusform>
            <numerusform>%@ و%d أخرى</numerusform>
            <numerusform>%@ و%d أخرى</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>تعذّرت قراءة %@: تم رفض الإذن. تحقّق من أذونات الملف.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>تعذّرت قراءة %@ كملف وسائط: فهو تالف أو غير مكتمل أو ليس ملف فيديو أو صوت.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>الخيار %@ لا ينطبق على %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>لا يحتوي %@ على صوت لاستخراجه.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>لا يحتوي %@ على صوت لكتمه.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>العنصر %@ جهاز، وليس ملف وسائط.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>العنصر %@ مجلد، وليس ملف وسائط.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>العنصر %@ رابط إلى ملف لم يعد موجودًا.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>العنصر %@ أنبوب مُسمّى، وليس ملف وسائط.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>الملف %@ فارغ (0 بايت).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>العنصر %@ ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>الملف %@ ليس ملف فيديو.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>لا يمكن الكتابة في %@ لأنه للقراءة فقط. اختر مجلد إخراج آخر.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>الخيار %@ يحتاج إلى قيمة</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>لم يُعثر على %@. ثبّته بالأمر: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>لم يُعثر على %@. ربما نُقل أو أُعيدت تسميته أو حُذف.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>بصيغة %@ · يُحفظ بجانب الملف الأصلي</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@؛ راجع karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>تعذّرت معالجة بعض الملفات (%d)</numerusform>
            <numerusform>تعذّرت معالجة بعض الملفات (%d)</numerusform>
            <numerusform>تعذّرت معالجة بعض الملفات (%d)</numerusform>
            <numerusform>تعذّرت معالجة بعض الملفات (%d)</numerusform>
            <numerusform>تعذّرت معالجة بعض الملفات (%d)</numerusform>
            <numerusform>تعذّرت معالجة بعض الملفات (%d)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>منذ %d دقيقة</numerusform>
            <numerusform>منذ %d دقيقة</numerusform>
            <numerusform>منذ %d دقيقتين</numerusform>
            <numerusform>منذ %d دقائق</numerusform>
            <numerusform>منذ %d دقيقة</numerusform>
            <numerusform>منذ %d دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>%d px</source>
        <translation>%d بكسل</translation>
    </message>
    <message>
        <source>%d × %d px</source>
        <translation>%d × %d بكسل</translation>
    </message>
    <message>
        <source>%d%%</source>
        <translation>%d%%</translation>
    </message>
    <message>
        <source>%lld px</source>
        <translation>%lld بكسل</translation>
    </message>
    <message>
        <source>%lld s</source>
        <translation>%lld ث</translation>
    </message>
    <message>
        <source>%lld%%</source>
        <translation>%lld%%</translation>
    </message>
    <message>
        <source>%lld°</source>
        <translation>%lld°</translation>
    </message>
    <message>
        <source>--angle needs 90, 180 or 270, not &apos;%@&apos;</source>
        <translation>يتطلب --angle القيمة 90 أو 180 أو 270، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>يتطلب --at وقتًا بالثواني، 0 أو أكثر، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>يتطلب --edge القيمة 3840 أو 1920 أو 1280 أو 800، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>يتطلب --end وقتًا بعد البداية</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>يتطلب --end وقتًا بالثواني، 0 أو أكثر، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>يتطلب --every طول مقطع لا يقل عن %@ ثانية، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>يتطلب --factor رقمًا من %@ إلى %@، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: المجلد غير موجود</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>ينطبق --preset على الفيديو، وليس على الصورة %@؛ للصور استخدم --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>يتطلب --preset القيمة 0 أو 1 أو 2، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>قيمة --quality %@ خارج النطاق %@ .. %@؛ ستُستخدم القيمة %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>ينطبق --quality على الصور، وليس على الفيديو %@؛ للفيديو استخدم --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>يتطلب --quality رقمًا من %@ إلى %@، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>القيمة --rect %@ ليست جزءًا من الصورة: تتراوح X وY من 0 إلى 1، وW وH من أكبر من 0 إلى 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>القيمة --rect %@ تقع خارج الصورة: لا يبقى منها شيء للاحتفاظ به</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>القيمة --rect %@ تتجاوز حدود الصورة؛ سيُقتطع %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>يتطلب --rect القيم X,Y,W,H: الزاوية العلوية اليسرى والحجم ككسور من الصورة، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>يتطلب --start وقتًا بالثواني، 0 أو أكثر، وليس &apos;%@&apos;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>حول Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>وجّه نحو صيغة</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>كل الميزات</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>جارٍ تحليل الفيديو…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>المظهر</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>تطبيق على %d ملف</numerusform>
            <numerusform>تطبيق على %d ملف</numerusform>
            <numerusform>تطبيق على %d ملفين</numerusform>
            <numerusform>تطبيق على %d ملفات</numerusform>
            <numerusform>تطبيق على %d ملفًا</numerusform>
            <numerusform>تطبيق على %d ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>نسبة الأبعاد</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>ملفات الصوت</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>تتطلب إزالة الخلفية نموذج تجزئة. ضع نموذج ONNX (.onnx) في %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>متوازن</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>يوازن بين الجودة المرئية وحجم الملف.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>إلغاء المهمة</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>أُلغيت · حُفظ %d ملف</numerusform>
            <numerusform>أُلغيت · حُفظ %d ملف</numerusform>
            <numerusform>أُلغيت · حُفظ %d ملفان</numerusform>
            <numerusform>أُلغيت · حُفظت %d ملفات</numerusform>
            <numerusform>أُلغيت · حُفظ %d ملفًا</numerusform>
            <numerusform>أُلغيت · حُفظ %d ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>تعذّر إنشاء الناتج: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>تعذّر تحديد مدة الوسائط</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>تعذّرت معالجة %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>تعذّرت قراءة الصورة</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>تعذّرت قراءة الوسائط</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>تعذّرت قراءة إطارات الفيديو</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>تعذّر حفظ %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>تعذّر حفظ الصورة</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>تغيير السرعة</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>جارٍ تغيير السرعة</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>تحقّق من صلاحيات الوصول إلى الملف وحاول مجددًا.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>اختيار المجلد</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>اختيار ملف…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>اختر مجلدًا للملفات المحوّلة</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>اختر ملف وسائط لإجراء: %@</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>اختر إجراءً</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>اختر وقت نهاية بعد البداية.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>اختر ملفات لتحويلها (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>اختيار…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>مسح المنتهية</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>مسح المهام المنتهية</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>اكتملت</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>اكتملت · %d ملف</numerusform>
            <numerusform>اكتملت · %d ملف</numerusform>
            <numerusform>اكتملت · %d ملفان</numerusform>
            <numerusform>اكتملت · %d ملفات</numerusform>
            <numerusform>اكتملت · %d ملفًا</numerusform>
            <numerusform>اكتملت · %d ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>ضغط الصورة</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>ضغط الفيديو</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>جارٍ الضغط</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>الضغط</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>التحويلات</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>تحويل الصيغة</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>حوّل الفيديو والصوت والصور بسحبها من مدير الملفات مباشرةً — أو من هذه النافذة.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>ستُحفظ الملفات المحوّلة في هذا المجلد.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>جارٍ التحويل إلى %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>جارٍ التحويل…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>اقتصاص</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>اقتصاص الفيديو</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>منطقة الاقتصاص</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>ارتفاع الاقتصاص</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>عرض الاقتصاص</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>جارٍ اقتصاص الفيديو</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>مجلد مخصّص</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>السرعة الافتراضية</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>القيم الافتراضية لأدوات المعالجة.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>القيم الافتراضية</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>تُطبَّق القيم الافتراضية عند فتح نافذة الأداة، ويبقى تعديلها ممكنًا في كل أداة لكل تشغيل.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>عرض توضيحي</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>عرض توضيحي لإفلات ملف على النافذة</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>إخفاء النتيجة</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>محوّل بالسحب والإفلات للفيديو والصوت والصور</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>اسحب ملفًا في مدير الملفات</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>اسحب الملف إلى نافذة Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>اسحب المستطيل أو زواياه لاختيار جزء الصورة الذي تريد الاحتفاظ به.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>أفلت الملفات هنا</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>أفلت الملفات، ثم اختر إجراءً</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>المدة: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>أدوات التحرير</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>تفعيل السحب السريع</translation>
    </message>
    <message>
        <source>End</source>
        <translation>النهاية</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>وقت النهاية</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>كل</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>كل ما تستطيع القائمة الدائرية فعله، مجمّعًا حسب نوع الملف المصدر.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>تعذّر تشغيل ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>فشلت · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>الصيغ</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>وقت الإطار</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>حر</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>يُخفي العروض التوضيحية للاختصارات</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>جودة عالية</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>اضغط باستمرار</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>اضغط باستمرار ⇧ Shift</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>كيف يتعامل Karvo مع بياناتك.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>إذا تعذّرت الكتابة في المجلد الأصلي، يطلب Karvo اختيار مجلد آخر.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>ضغط الصور</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>ملفات الصور</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>الصور</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>الصور فقط</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>الصور تعمل الآن. يحتاج الفيديو والصوت إلى: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>لا يستطيع Karvo إنشاء ملف في %@. اختر مجلد إخراج آخر.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>تعذّر على Karvo الحفظ بجانب الملف الأصلي. اختر مجلدًا للملفات المحوّلة.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>يعالج Karvo الفيديو والصوت والصور. ويتخطى الملفات الأخرى.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>يعمل Karvo بالفعل لكنه لا يستجيب؛ حاول مجددًا بعد لحظات.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>لا يُسمح لـ Karvo بقراءة هذا الملف.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>لا يُسمح لـ Karvo بالكتابة في %@. اختر مجلد إخراج آخر.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>يعالج Karvo الملفات على حاسوبك بالكامل — ولا يرفع أي شيء.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — انقر للفتح، وانقر بالزر الأيمن لعرض القائمة</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>تعذّر تحميل نوافذ أدوات Karvo: %@. أعد تثبيت Karvo.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>متابعة العمل</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>اللغة والمظهر والسحب السريع.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>جارٍ تحميل المعاينة…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>الضلع الأطول</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>ملفات MP4 · تُحفظ بجانب الملف الأصلي</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>تحويل الوسائط وفحصها متاحان.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>مسار الناتج مفقود</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>جارٍ كتم الصوت</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>بجانب الملف الأصلي</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>لا نتائج</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>لا يوجد مسار صوت</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>لم يُحدَّد أي مجلد</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>تعذّر فك ترميز أي صورة من هذا الملف.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>لا يوجد مسار فيديو</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>لا توجد ذاكرة كافية لإكمال العملية.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>لا توجد مساحة كافية في %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>الجولة التعريفية</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>فتح Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>الإخراج</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>الصفحة %d من %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>إيقاف المعاينة مؤقتًا</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>تم رفض الإذن — تأكّد من إمكانية الكتابة في المجلد.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>تم رفض الإذن: تعذّرت قراءة الملف المصدر.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>تشغيل المعاينة</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>يحافظ على تفاصيل أكثر بضغط أخف.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>موضع المعاينة</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>الخصوصية</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>الجودة</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>في الانتظار</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>السحب السريع</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>تعذّر بدء السحب السريع. حاول مجددًا.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>عرض توضيحي للسحب السريع</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>السحب السريع متوقف — اسحب الملفات إلى النافذة لمعالجتها</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>السحب السريع مفعّل — اضغط باستمرار ⇧ أثناء سحب ملف في مدير الملفات</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>يتطلب السحب السريع جلسة X11 — اسحب الملفات إلى النافذة بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>إنهاء Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>أفلِت — تم!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>أفلِت، ثم اختر إجراءً</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>إزالة الخلفية</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>إزالة البيانات الوصفية</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>جارٍ إزالة الخلفية</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>جارٍ إزالة البيانات الوصفية</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>إعادة العرض التوضيحي</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>تغيير الحجم</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>تغيير حجم الصورة</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>جارٍ تغيير الحجم</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>تُحفظ النتائج بجانب الملف المصدر — دون الكتابة فوق الملف الأصلي أبدًا.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>تدوير</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>جارٍ التدوير</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>زاوية التدوير</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>حفظ PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>حفظ الملفات المحوّلة</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>المقطع %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>طول المقطع</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + سحب</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + سحب</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>تلميحات الاختصارات</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>إظهار في المجلد</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>يُظهر العروض التوضيحية للاختصارات</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>الشريط الجانبي</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطي</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>أصغر حجم</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>لقطة</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>معامل السرعة</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>تقسيم</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>تقسيم الفيديو</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>جارٍ التقسيم</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>التقسيم كل %@ ث سينتج أكثر من %d مقطع. اختر طول مقطع أكبر.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>البداية</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>وقت البداية</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>جارٍ بدء السحب السريع…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>إيقاف وإنهاء</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>إيقاف المهام والإنهاء؟</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>ضغط أقوى؛ قد تُفقد التفاصيل الدقيقة.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>الملفات المدعومة (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>جارٍ التقاط لقطة</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>أبلغ القرص عن خطأ في القراءة أو الكتابة.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>تعذّر فتح الملف.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>لا يحتوي الملف على مسار يمكن لهذه العملية استخدامه.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>لا يحتوي الملف على مسار فيديو.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>يبدو أن الملف تالف أو ليس ملف وسائط مدعومًا.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>صيغة الملف أو ترميزه غير مدعوم.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>اسم %@ ليس بترميز UTF-8 صالح، لذا لا يستطيع Karvo فتحه. أعد تسمية الملف وحاول مجددًا.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>الملف الأصلي لم يعد موجودًا.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>اسم ملف الناتج طويل جدًا بالنسبة إلى %@. أعد تسمية الملف المصدر باسم أقصر.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>الناتج أكبر مما يتسع له نظام ملفات %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>الصورة أكبر من أن تُحفظ بصيغة %@: الحد الأقصى %d ميغابكسل. غيّر حجمها أولًا، أو اختر JPEG أو PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>لا يستطيع هذا الحاسوب كتابة ملفات %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>نسخة ffmpeg هذه لا تحتوي على المُرمِّز %@. ثبّت إصدارًا كاملًا من ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>هذا الملف لا يتوافق مع الإعدادات المختارة.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>تعذّرت معاينة هذا الفيديو.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>نوافذ الأدوات غير متاحة</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>الأدوات</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>المدة الكلية %@ ← %d مقطع</numerusform>
            <numerusform>المدة الكلية %@ ← %d مقطع</numerusform>
            <numerusform>المدة الكلية %@ ← %d مقطعان</numerusform>
            <numerusform>المدة الكلية %@ ← %d مقاطع</numerusform>
            <numerusform>المدة الكلية %@ ← %d مقطعًا</numerusform>
            <numerusform>المدة الكلية %@ ← %d مقطع</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>تشذيب</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>تشذيب الفيديو</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>جارٍ التشذيب</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>رحلة.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>حاول مجددًا</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>ستُلغى المهام غير المكتملة، وسيُحتفظ بالملفات المكتملة.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>ملف غير مدعوم</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>الإصدار %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>الإصدار %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>ضغط الفيديو</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>ملفات الفيديو</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>معاينة الفيديو</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>مقاطع الفيديو</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>شاهده أثناء العمل</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>مرحبًا بك في Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>مكان حفظ الملفات المحوّلة.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>انتهى ffmpeg بالرمز %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>لم يُعثر على ffmpeg. ثبّته بالأمر: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>لم تُحدَّد أي ملفات</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>لم يُنتَج أي ملف</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>يتطلب الأمر plan إجراءً وملفًا واحدًا على الأقل</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>يتطلب الأمر probe ملفًا واحدًا على الأقل</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>مجلد الإخراج</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>الملف المكتوب غير مكتمل</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>إجراء غير معروف &apos;%@&apos;؛ الإجراءات المتاحة: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>أمر غير معروف &apos;%@&apos;؛ راجع karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>خيار غير معروف %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt الأدوات</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ الصيغ</translation>
    </message>
</context>
</TS>
