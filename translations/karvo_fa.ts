<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d مورد دیگر</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ و %d مورد دیگر</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>پرونده %@ خوانده نمی‌شود: اجازه دسترسی داده نشد. مجوزهای پرونده را بررسی کنید.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>پرونده %@ به‌عنوان رسانه خوانده نشد: آسیب‌دیده یا ناقص است، یا پرونده ویدیویی یا صوتی نیست.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>گزینه %@ برای %@ کاربرد ندارد</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>پرونده %@ صدایی برای استخراج ندارد.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>پرونده %@ صدایی برای بی‌صدا کردن ندارد.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>مورد %@ یک دستگاه است، نه پرونده رسانه‌ای.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>مورد %@ یک پوشه است، نه پرونده رسانه‌ای.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>مورد %@ پیوندی به پرونده‌ای است که دیگر وجود ندارد.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>مورد %@ یک لوله نام‌دار است، نه پرونده رسانه‌ای.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>پرونده %@ خالی است (۰ بایت).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>مورد %@ یک پرونده معمولی نیست.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>پرونده %@ ویدیویی نیست.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>نوشتن در %@ ممکن نیست، چون فقط‌خواندنی است. پوشه خروجی دیگری انتخاب کنید.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>گزینه %@ به یک مقدار نیاز دارد</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>برنامه %@ پیدا نشد. برای نصب: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>پرونده %@ پیدا نشد. ممکن است جابه‌جا، تغییر نام یا حذف شده باشد.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>با قالب %@ · کنار پرونده اصلی ذخیره می‌شود</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@؛ به karvo-cli --help مراجعه کنید</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%d پرونده پردازش نشد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d دقیقه پیش</numerusform>
        </translation>
    </message>
    <message>
        <source>%d px</source>
        <translation>%d پیکسل</translation>
    </message>
    <message>
        <source>%d × %d px</source>
        <translation>%d × %d پیکسل</translation>
    </message>
    <message>
        <source>%d%%</source>
        <translation>%d%%</translation>
    </message>
    <message>
        <source>%lld px</source>
        <translation>%lld پیکسل</translation>
    </message>
    <message>
        <source>%lld s</source>
        <translation>%lld ثانیه</translation>
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
        <translation>گزینه --angle به 90، 180 یا 270 نیاز دارد، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>گزینه --at به زمانی بر حسب ثانیه، 0 یا بیشتر، نیاز دارد، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>گزینه --edge به 3840، 1920، 1280 یا 800 نیاز دارد، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>گزینه --end به زمانی پس از شروع نیاز دارد</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>گزینه --end به زمانی بر حسب ثانیه، 0 یا بیشتر، نیاز دارد، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>گزینه --every به طول بخشی دست‌کم %@ ثانیه نیاز دارد، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>گزینه --factor به عددی از %@ تا %@ نیاز دارد، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: چنین پوشه‌ای وجود ندارد</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>گزینه --preset برای ویدیوهاست، نه برای تصویر %@؛ برای تصویرها از --quality استفاده کنید</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>گزینه --preset به 0، 1 یا 2 نیاز دارد، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>مقدار --quality %@ خارج از بازه %@ .. %@ است؛ از %@ استفاده می‌شود</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>گزینه --quality برای تصویرهاست، نه برای ویدیوی %@؛ برای ویدیوها از --preset استفاده کنید</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>گزینه --quality به عددی از %@ تا %@ نیاز دارد، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>مقدار --rect %@ بخشی از تصویر نیست: X و Y از 0 تا 1 هستند، و W و H از بیشتر از 0 تا 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>مقدار --rect %@ بیرون از تصویر است: چیزی از آن برای نگه داشتن نمی‌ماند</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>مقدار --rect %@ از تصویر بیرون می‌زند؛ برش به %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>گزینه --rect به X,Y,W,H نیاز دارد: گوشه بالا‌چپ و اندازه، به‌صورت کسری از تصویر، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>گزینه --start به زمانی بر حسب ثانیه، 0 یا بیشتر، نیاز دارد، نه &apos;%@&apos;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>درباره Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>روی یک قالب ببرید</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>همه قابلیت‌ها</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>در حال تحلیل ویدیو…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>ظاهر</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>اعمال</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>اعمال روی %d پرونده</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>نسبت ابعاد</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>صدا</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>پرونده‌های صوتی</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>بازگشت</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>حذف پس‌زمینه به یک مدل قطعه‌بندی نیاز دارد. یک مدل ONNX (.onnx) در %@ قرار دهید.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>متعادل</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>میان کیفیت تصویر و حجم پرونده تعادل برقرار می‌کند.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>لغو کار</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>لغو شد · %d پرونده ذخیره شد</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>ایجاد خروجی ممکن نیست: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>تعیین مدت رسانه ممکن نیست</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>پردازش %@ ممکن نیست</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>خواندن تصویر ممکن نیست</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>خواندن رسانه ممکن نیست</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>خواندن فریم‌های ویدیو ممکن نیست</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>ذخیره %@ ممکن نیست: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>ذخیره تصویر ممکن نیست</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>تغییر سرعت</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>در حال تغییر سرعت</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>دسترسی به پرونده را بررسی کنید و دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>انتخاب پوشه</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>انتخاب پرونده…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>یک پوشه برای پرونده‌های تبدیل‌شده انتخاب کنید</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>یک پرونده رسانه‌ای برای «%@» انتخاب کنید</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>یک عمل انتخاب کنید</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>زمان پایانی پس از شروع انتخاب کنید.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>انتخاب پرونده برای تبدیل (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>انتخاب…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>پاک کردن تمام‌شده‌ها</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>پاک کردن کارهای تمام‌شده</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>تکمیل شد</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>تکمیل شد · %d پرونده</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>فشرده‌سازی</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>فشرده‌سازی تصویر</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>فشرده‌سازی ویدیو</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>در حال فشرده‌سازی</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>فشرده‌سازی</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ادامه</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>تبدیل‌ها</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>تبدیل</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>تبدیل قالب</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>ویدیو، صدا و تصویر را با کشیدن از مدیر پرونده همان‌جا تبدیل کنید — یا مستقیم از همین پنجره.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>پرونده‌های تبدیل‌شده در این پوشه ذخیره می‌شوند.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>در حال تبدیل به %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>در حال تبدیل…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>رونوشت</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>برش</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>برش ویدیو</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>ناحیه برش</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>ارتفاع برش</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>عرض برش</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>در حال برش ویدیو</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>پوشه دلخواه</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>بریدن</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>تیره</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>سرعت پیش‌فرض</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>مقادیر پیش‌فرض ابزارهای پردازش.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>پیش‌فرض‌ها</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>پیش‌فرض‌ها هنگام باز شدن پنجره ابزار اعمال می‌شوند؛ در هر ابزار همچنان می‌توان آن‌ها را برای هر اجرا تغییر داد.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>نمایش آموزشی</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>نمایش آموزشی رها کردن پرونده روی پنجره</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>بستن نتیجه</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>انجام شد</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>تبدیل‌گر کشیدن و رها کردن برای ویدیو، صدا و تصویر</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>یک پرونده را در مدیر پرونده بکشید</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>پرونده را به پنجره Karvo بکشید</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>مستطیل یا گوشه‌های آن را بکشید تا بخشی از تصویر را که می‌خواهید نگه دارید انتخاب کنید.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>پرونده‌ها را اینجا رها کنید</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>پرونده‌ها را رها کنید، سپس یک عمل انتخاب کنید</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>مدت: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ویرایش</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>ابزارهای ویرایش</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>فعال کردن کشیدن سریع</translation>
    </message>
    <message>
        <source>End</source>
        <translation>پایان</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>زمان پایان</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>هر</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>هر کاری که منوی دایره‌ای می‌تواند انجام دهد، دسته‌بندی‌شده بر اساس پرونده منبع.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>اجرای ffmpeg ممکن نشد: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>ناموفق · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>پرونده</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>پرونده‌ها</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>قالب‌ها</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>زمان فریم</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>آزاد</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عمومی</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>شروع کنید</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>ارتفاع</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>نمایش‌های میان‌بر را پنهان می‌کند</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>کیفیت بالا</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>نگه دارید</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>⇧ Shift را نگه دارید</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>خانه</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>نحوه رفتار Karvo با داده‌های شما.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>اگر نوشتن در پوشه اصلی ممکن نباشد، Karvo پوشه دیگری از شما می‌خواهد.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>فشرده‌سازی تصویرها</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>پرونده‌های تصویری</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>تصویرها</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>فقط تصویر</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>تصویرها اکنون کار می‌کنند. ویدیو و صدا به این نیاز دارند: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>همین حالا</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>ایجاد پرونده در %@ برای Karvo ممکن نیست. پوشه خروجی دیگری انتخاب کنید.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>ذخیره در کنار پرونده اصلی برای Karvo ممکن نشد. پوشه‌ای برای پرونده‌های تبدیل‌شده انتخاب کنید.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>در Karvo ویدیو، صدا و تصویر پردازش می‌شود. از پرونده‌های دیگر صرف‌نظر می‌شود.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>نمونه‌ای از Karvo در حال اجراست اما پاسخ نمی‌دهد؛ لحظه‌ای بعد دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>اجازه خواندن این پرونده به Karvo داده نشده است.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>اجازه نوشتن در %@ به Karvo داده نشده است. پوشه خروجی دیگری انتخاب کنید.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>پرونده‌ها به‌طور کامل روی رایانه شما پردازش می‌شوند — Karvo چیزی را بارگذاری نمی‌کند.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — برای باز کردن کلیک کنید؛ برای منو کلیک راست کنید</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>پنجره‌های ابزار Karvo بارگذاری نشد: %@. Karvo را دوباره نصب کنید.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>ادامه کار</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>زبان، ظاهر و کشیدن سریع.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>روشن</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>در حال بارگیری پیش‌نمایش…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>بلندترین ضلع</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>پرونده‌های MP4 · کنار پرونده اصلی ذخیره می‌شوند</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>تبدیل و بررسی رسانه در دسترس است.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>مسیر خروجی مشخص نشده است</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>بی‌صدا کردن</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>در حال بی‌صدا کردن</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>کنار پرونده اصلی</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>نتیجه‌ای پیدا نشد</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>ترک صوتی وجود ندارد</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>هیچ پوشه‌ای انتخاب نشده است</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>هیچ تصویری از این پرونده رمزگشایی نشد.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>ترک ویدیویی وجود ندارد</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>حافظه برای پایان دادن به کار کافی نیست.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>فضای کافی در %@ وجود ندارد.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>آشنایی اولیه</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>باز کردن Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>خروجی</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>صفحه %d از %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>چسباندن</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>مکث پیش‌نمایش</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>اجازه دسترسی داده نشد — بررسی کنید که نوشتن در پوشه ممکن باشد.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>اجازه دسترسی داده نشد: پرونده منبع خوانده نمی‌شود.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>پخش پیش‌نمایش</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>با فشرده‌سازی ملایم‌تر، جزئیات بیشتری حفظ می‌شود.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>موقعیت پیش‌نمایش</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>حریم خصوصی</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>کیفیت</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>در صف</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>کشیدن سریع</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>کشیدن سریع آغاز نشد. دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>نمایش آموزشی کشیدن سریع</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>کشیدن سریع خاموش است — برای پردازش، پرونده‌ها را به پنجره بکشید</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>کشیدن سریع روشن است — هنگام کشیدن پرونده در مدیر پرونده، ⇧ را نگه دارید</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>کشیدن سریع به نشست X11 نیاز دارد — به‌جای آن پرونده‌ها را به پنجره بکشید.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>خروج از Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>آماده</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>انجام دوباره</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>رها کنید — تمام!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>رها کنید، سپس یک عمل انتخاب کنید</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>حذف پس‌زمینه</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>حذف فراداده</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>در حال حذف پس‌زمینه</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>در حال حذف فراداده</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>پخش دوباره نمایش آموزشی</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>بازنشانی</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>تغییر اندازه</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>تغییر اندازه تصویر</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>در حال تغییر اندازه</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>نتیجه‌ها کنار پرونده منبع ذخیره می‌شوند — پرونده اصلی هرگز بازنویسی نمی‌شود.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>تلاش دوباره</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>چرخش</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>در حال چرخش</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>زاویه چرخش</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>ذخیره PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>ذخیره پرونده‌های تبدیل‌شده</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>جستجو</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>بخش %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>طول بخش</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>انتخاب همه</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>تنظیمات…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + کشیدن</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + کشیدن</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>راهنمای میان‌برها</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>نمایش در پوشه</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>نمایش‌های میان‌بر را نشان می‌دهد</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>نوار کناری</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>رد شدن</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>کمترین حجم</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>عکس فوری</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>سرعت</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>ضریب سرعت</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>تقسیم</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>تقسیم ویدیو</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>در حال تقسیم</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>تقسیم در هر %@ ثانیه بیش از %d بخش می‌سازد. طول بخش بلندتری انتخاب کنید.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>شروع</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>زمان شروع</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>در حال آغاز کشیدن سریع…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>توقف و خروج</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>توقف کارها و خروج؟</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>فشرده‌سازی قوی‌تر؛ ممکن است جزئیات ریز از دست برود.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>پرونده‌های پشتیبانی‌شده (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>سیستم</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>در حال گرفتن عکس فوری</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>دیسک خطای خواندن یا نوشتن گزارش کرد.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>پرونده باز نشد.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>پرونده ترکی ندارد که این عملیات بتواند از آن استفاده کند.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>پرونده ترک ویدیویی ندارد.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>پرونده آسیب‌دیده به نظر می‌رسد یا پرونده رسانه‌ای پشتیبانی‌شده نیست.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>قالب یا کدک پرونده پشتیبانی نمی‌شود.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>نام %@ در UTF-8 معتبر نیست، پس Karvo نمی‌تواند آن را باز کند. نام پرونده را تغییر دهید و دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>پرونده اصلی دیگر آنجا نیست.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>نام پرونده خروجی برای %@ بیش از حد طولانی است. نام پرونده منبع را کوتاه‌تر کنید.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>خروجی برای سامانه پرونده %@ بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>تصویر برای ذخیره با قالب %@ بیش از حد بزرگ است: حداکثر %d مگاپیکسل مجاز است. ابتدا اندازه آن را تغییر دهید، یا JPEG یا PNG را انتخاب کنید.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>این رایانه نمی‌تواند پرونده %@ بنویسد.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>این ffmpeg رمزگذار %@ ندارد. یک نسخه کامل از ffmpeg نصب کنید.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>این پرونده با تنظیمات انتخاب‌شده سازگار نیست.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>پیش‌نمایش این ویدیو ممکن نیست.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>پنجره‌های ابزار در دسترس نیست</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ابزارها</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>مدت کل %@ ← %d بخش</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>کوتاه‌سازی</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>کوتاه‌سازی ویدیو</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>در حال کوتاه‌سازی</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>سفر.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>دوباره تلاش کنید</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>برگرداندن</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>کارهای ناتمام لغو می‌شوند. پرونده‌های تکمیل‌شده حفظ می‌شوند.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>پرونده پشتیبانی‌نشده</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>نگارش %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>نگارش %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>فشرده‌سازی ویدیوها</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>پرونده‌های ویدیویی</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>پیش‌نمایش ویدیو</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>ویدیوها</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>آن را در عمل ببینید</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>به Karvo خوش آمدید</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>محل ذخیره پرونده‌های تبدیل‌شده.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>اجرای ffmpeg با کد %d پایان یافت</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>برنامه ffmpeg پیدا نشد. برای نصب: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>هیچ پرونده‌ای داده نشده است</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>هیچ خروجی‌ای تولید نشد</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>فرمان plan به یک عمل و دست‌کم یک پرونده نیاز دارد</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>فرمان probe دست‌کم به یک پرونده نیاز دارد</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>پوشه خروجی</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>پرونده نوشته‌شده ناقص است</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>عمل ناشناخته &apos;%@&apos;؛ یکی از این‌ها: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>فرمان ناشناخته &apos;%@&apos;؛ به karvo-cli --help مراجعه کنید</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>گزینه ناشناخته %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt ابزارها</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ قالب‌ها</translation>
    </message>
</context>
</TS>
