<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="be" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + яшчэ %d</numerusform>
            <numerusform>%@ + яшчэ %d</numerusform>
            <numerusform>%@ + яшчэ %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ і яшчэ %d</numerusform>
            <numerusform>%@ і яшчэ %d</numerusform>
            <numerusform>%@ і яшчэ %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>Не ўдаецца прачытаць %@: доступ забаронены. Праверце правы доступу да файла.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>Не ўдалося прачытаць %@ як медыяфайл: файл пашкоджаны, няпоўны або не з’яўляецца відэа- ці аўдыяфайлам.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ не дастасоўваецца да дзеяння %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>У %@ няма гуку, які можна выняць.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>У %@ няма гуку, які можна выключыць.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ — гэта прылада, а не медыяфайл.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ — гэта папка, а не медыяфайл.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ — гэта спасылка на файл, якога больш не існуе.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ — гэта названы канал, а не медыяфайл.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>Файл %@ пусты (0 байтаў).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ не з’яўляецца звычайным файлам.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ не з’яўляецца відэафайлам.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Файлавая сістэма ў %@ даступная толькі для чытання. Выберыце іншую папку для захавання.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ патрабуе значэння</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ не знойдзены. Усталюйце камандай: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>Файл %@ не знойдзены. Магчыма, яго перамясцілі, перайменавалі або выдалілі.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Захоўваецца побач з арыгіналам</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; гл. karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>Не ўдалося апрацаваць файлы: %d</numerusform>
            <numerusform>Не ўдалося апрацаваць файлы: %d</numerusform>
            <numerusform>Не ўдалося апрацаваць файлы: %d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d хвіліну таму</numerusform>
            <numerusform>%d хвіліны таму</numerusform>
            <numerusform>%d хвілін таму</numerusform>
        </translation>
    </message>
    <message>
        <source>%d px</source>
        <translation>%d пкс</translation>
    </message>
    <message>
        <source>%d × %d px</source>
        <translation>%d × %d пкс</translation>
    </message>
    <message>
        <source>%d%%</source>
        <translation>%d%%</translation>
    </message>
    <message>
        <source>%lld px</source>
        <translation>%lld пкс</translation>
    </message>
    <message>
        <source>%lld s</source>
        <translation>%lld с</translation>
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
        <translation>--angle патрабуе 90, 180 або 270, а не «%@»</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at патрабуе часу ў секундах, 0 або больш, а не «%@»</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge патрабуе 3840, 1920, 1280 або 800, а не «%@»</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end патрабуе часу пасля пачатку</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end патрабуе часу ў секундах, 0 або больш, а не «%@»</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every патрабуе даўжыні фрагмента не менш за %@ с, а не «%@»</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor патрабуе ліку ад %@ да %@, а не «%@»</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: такой папкі няма</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset дастасоўваецца да відэа, а не да выявы %@; для выяў выкарыстоўвайце --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset патрабуе 0, 1 або 2, а не «%@»</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ па-за межамі %@ .. %@; выкарыстоўваецца %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality дастасоўваецца да выяў, а не да відэа %@; для відэа выкарыстоўвайце --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality патрабуе ліку ад %@ да %@, а не «%@»</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ не з’яўляецца часткай выявы: X і Y павінны быць ад 0 да 1, W і H — больш за 0 і не больш за 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ ляжыць па-за выявай: ад яго нічога не застаецца</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ выходзіць за межы выявы; кадруецца %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect патрабуе X,Y,W,H: верхні левы вугал і памер у долях выявы, а не «%@»</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start патрабуе часу ў секундах, 0 або больш, а не «%@»</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Пра праграму</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Пра Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Навядзіце на фармат</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Усе магчымасці</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Аналіз відэа…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Выгляд</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Ужыць</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Ужыць да %d файла</numerusform>
            <numerusform>Ужыць да %d файлаў</numerusform>
            <numerusform>Ужыць да %d файлаў</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Прапорцыі</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аўдыя</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Аўдыяфайлы</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Для выдалення фону патрэбна мадэль сегментацыі. Пакладзіце мадэль ONNX (.onnx) у %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Збалансавана</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Баланс паміж якасцю выявы і памерам файла.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасаваць</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Скасаваць задачу</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Скасавана · захаваны %d файл</numerusform>
            <numerusform>Скасавана · захаваны %d файлы</numerusform>
            <numerusform>Скасавана · захавана %d файлаў</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Не ўдаецца стварыць вынік: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Не ўдаецца вызначыць працягласць медыяфайла</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Не ўдаецца апрацаваць %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Не ўдаецца прачытаць выяву</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Не ўдаецца прачытаць медыяфайл</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Не ўдаецца прачытаць кадры відэа</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Не ўдаецца захаваць %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Не ўдаецца захаваць выяву</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Змяненне хуткасці</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Змяненне хуткасці</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Праверце доступ да файла і паспрабуйце зноў.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Выбраць папку</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Выбраць файл…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Выберыце папку для пераўтвораных файлаў</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Выберыце медыяфайл: %@</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Выберыце дзеянне</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Выберыце час канца пазней за пачатак.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Выбраць файлы для пераўтварэння (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Выбраць…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ачысціць</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Прыбраць завершаныя</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Прыбраць завершаныя задачы</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыць</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Гатова</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Гатова · %d файл</numerusform>
            <numerusform>Гатова · %d файлы</numerusform>
            <numerusform>Гатова · %d файлаў</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Сціснуць</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Сцісканне выявы</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Сцісканне відэа</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Сцісканне</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Сцісканне</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Далей</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Пераўтварэнні</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Пераўтварыць</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Пераўтварыць фармат</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Пераўтварайце відэа, аўдыя і выявы проста падчас перацягвання ў файлавым менеджары — або адразу з гэтага акна.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Пераўтвораныя файлы будуць захоўвацца ў гэтай папцы.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Пераўтварэнне ў %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Пераўтварэнне…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Капіяваць</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Кадраваць</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Кадраванне відэа</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Вобласць кадравання</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Вышыня кадравання</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Шырыня кадравання</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Кадраванне відэа</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Іншая папка</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Выразаць</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Цёмны</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Прадвызначаная хуткасць</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Прадвызначаныя значэнні для інструментаў апрацоўкі.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Прадвызначэнні</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Прадвызначаныя значэнні падстаўляюцца, калі адкрываецца акно інструмента; у кожным інструменце іх можна змяніць для асобнага запуску.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Дэманстрацыя</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Дэманстрацыя перацягвання файла ў акно</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Прыбраць вынік</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Гатова</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Пераўтваральнік відэа, аўдыя і выяў перацягваннем</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Перацягніце файл у файлавым менеджары</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Перацягніце файл у акно Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Перацягвайце прамавугольнік або яго вуглы, каб выбраць частку выявы, якую трэба пакінуць.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Перацягніце файлы сюды</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Перацягніце файлы, потым выберыце дзеянне</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Працягласць: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Праўка</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Інструменты рэдагавання</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Уключыце хуткае перацягванне</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Канец</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Час канца</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Кожныя</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Усё, што ўмее кругавое меню, згрупавана па тыпе зыходнага файла.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Не ўдалося запусціць ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Памылка · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Фарматы</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Час кадра</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Адвольна</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Агульныя</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Пачаць</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Вышыня</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Хавае дэманстрацыі спалучэнняў</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Высокая якасць</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Утрымлівайце</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Утрымлівайце ⇧ Shift</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Галоўная</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Як Karvo абыходзіцца з вашымі данымі.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Калі ў зыходную папку нельга запісваць, Karvo папросіць выбраць іншую папку.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Сцісканне выяў</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Файлы выяў</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Выявы</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Толькі выявы</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Выявы ўжо працуюць. Для відэа і аўдыя патрэбна: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Толькі што</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo не можа стварыць файл у %@. Выберыце іншую папку для захавання.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo не ўдалося захаваць побач з арыгіналам. Выберыце папку для пераўтвораных файлаў.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo працуе з відэа, аўдыя і выявамі. Іншыя файлы прапускаюцца.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo ўжо запушчана, але не адказвае; паспрабуйце зноў праз імгненне.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo не мае дазволу чытаць гэты файл.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo не мае дазволу запісваць у %@. Выберыце іншую папку для захавання.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo апрацоўвае файлы цалкам на вашым камп’ютары — нічога не выгружаецца.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — пстрыкніце, каб адкрыць; пстрыкніце правай кнопкай, каб адкрыць меню</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Не ўдалося загрузіць вокны інструментаў Karvo: %@. Пераўсталюйце Karvo.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Працягнуць працу</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Мова, выгляд і хуткае перацягванне.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлы</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Загрузка папярэдняга прагляду…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Даўжэйшы бок</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>Файлы MP4 · Захоўваюцца побач з арыгіналам</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Пераўтварэнне і аналіз медыяфайлаў даступныя.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Не ўказаны шлях для выніку</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Выключыць гук</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Выключэнне гуку</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Побач з арыгінальным файлам</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Нічога не знойдзена</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Няма гукавой дарожкі</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Папка не выбрана</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Не ўдалося дэкадаваць ніводнага кадра з гэтага файла.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Няма відэадарожкі</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Не хапае памяці, каб завяршыць.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Не хапае месца ў %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Добра</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Знаёмства</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Адкрыць</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Адкрыць Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Захаванне</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Старонка %d з %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Уставіць</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Прыпыніць прагляд</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Доступ забаронены — праверце, ці можна запісваць у папку.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Доступ забаронены: не ўдаецца прачытаць зыходны файл.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Прайграць прагляд</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Захоўвае больш дэталяў дзякуючы лягчэйшаму сцісканню.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Пазіцыя прагляду</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Прыватнасць</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Якасць</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>У чарзе</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Хуткае перацягванне</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Не ўдалося запусціць хуткае перацягванне. Паспрабуйце зноў.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Дэманстрацыя хуткага перацягвання</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Хуткае перацягванне выключана — перацягвайце файлы ў акно, каб апрацаваць іх</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Хуткае перацягванне ўключана — утрымлівайце ⇧, перацягваючы файл у файлавым менеджары</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Для хуткага перацягвання патрэбны сеанс X11 — замест гэтага перацягвайце файлы ў акно.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Выйсці з Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Гатова да працы</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Паўтарыць</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Адпусціце — гатова!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Адпусціце, потым выберыце дзеянне</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Выдаліць фон</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Выдаліць метаданыя</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Выдаленне фону</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Выдаленне метаданых</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Паказаць дэманстрацыю зноў</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скінуць</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Змяніць памер</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Змяненне памеру выявы</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Змяненне памеру</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Вынікі захоўваюцца побач з зыходным файлам — арыгінал ніколі не перазапісваецца.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Паўтарыць спробу</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Павярнуць</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Паварот</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Вугал павароту</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Захаваць PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Захоўваць пераўтвораныя файлы</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Фрагмент %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Даўжыня фрагмента</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Вылучыць усё</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налады</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Налады…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + перацягванне</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + перацягванне</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Падказкі пра спалучэнні</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Паказаць у папцы</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Паказвае дэманстрацыі спалучэнняў</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Бакавая панэль</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Прапусціць</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Найменшы памер</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Здымак кадра</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Хуткасць</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Каэфіцыент хуткасці</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Падзяліць</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Падзел відэа</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Падзел</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Падзел кожныя %@ с дасць больш за %d фрагментаў. Выберыце даўжэйшы фрагмент.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пачатак</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Час пачатку</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Запуск хуткага перацягвання…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Спыніць і выйсці</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Спыніць задачы і выйсці?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Мацнейшае сцісканне; дробныя дэталі могуць страціцца.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Падтрымліваемыя файлы (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Як у сістэме</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Стварэнне здымка кадра</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Дыск паведаміў пра памылку чытання або запісу.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Не ўдалося адкрыць файл.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>У файле няма дарожкі, з якой можа працаваць гэта дзеянне.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>У файле няма відэадарожкі.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Здаецца, файл пашкоджаны або не з’яўляецца падтрымліваемым медыяфайлам.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Фармат або кодэк файла не падтрымліваецца.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Назва %@ не з’яўляецца карэктным UTF-8, таму Karvo не можа адкрыць файл. Перайменуйце файл і паспрабуйце зноў.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Арыгінальнага файла ўжо няма на месцы.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Назва файла выніку занадта доўгая для файлавай сістэмы ў %@. Дайце зыходнаму файлу карацейшую назву.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Вынік занадта вялікі для файлавай сістэмы ў %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>Выява занадта вялікая, каб захаваць яе як %@: дапушчальна не больш за %d Мп. Спачатку змяніце яе памер або выберыце JPEG ці PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Гэты камп’ютар не можа запісваць %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>У гэтым ffmpeg няма кадавальніка %@. Усталюйце поўную зборку ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Гэты файл не адпавядае выбраным параметрам.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Гэта відэа нельга праглядзець.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Вокны інструментаў недаступныя</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Інструменты</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Агульная працягласць %@ → %d фрагмент</numerusform>
            <numerusform>Агульная працягласць %@ → %d фрагменты</numerusform>
            <numerusform>Агульная працягласць %@ → %d фрагментаў</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Абрэзаць</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Абрэзка відэа</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Абрэзка</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Падарожжа.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Паспрабаваць зноў</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Адрабіць</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Незавершаныя задачы будуць скасаваны. Гатовыя файлы будуць захаваны.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Непадтрымліваемы файл</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Версія %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Версія %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Сцісканне відэа</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Відэафайлы</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Папярэдні прагляд відэа</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Відэа</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Паглядзіце, як гэта працуе</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Вітаем у Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Дзе захоўваюцца пераўтвораныя файлы.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Шырыня</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg завяршыўся з кодам %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg не знойдзены. Усталюйце камандай: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>не ўказана ніводнага файла</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>не створана ніякага выніку</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan патрабуе дзеяння і хаця б аднаго файла</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe патрабуе хаця б аднаго файла</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>папцы для захавання</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>запісаны файл няпоўны</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>невядомае дзеянне «%@»; магчымыя: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>невядомая каманда «%@»; гл. karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>невядомы параметр %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Інструменты</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Фарматы</translation>
    </message>
</context>
</TS>
