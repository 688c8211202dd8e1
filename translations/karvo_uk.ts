<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + ще %d</numerusform>
            <numerusform>%@ + ще %d</numerusform>
            <numerusform>%@ + ще %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ і ще %d</numerusform>
            <numerusform>%@ і ще %d</numerusform>
            <numerusform>%@ і ще %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>Не вдається прочитати %@: доступ заборонено. Перевірте права доступу до файлу.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>Не вдалося прочитати %@ як медіафайл: файл пошкоджений, неповний або не є відео- чи аудіофайлом.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ не застосовується до дії %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>У %@ немає звуку, який можна видобути.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>У %@ немає звуку, який можна вимкнути.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ — це пристрій, а не медіафайл.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ — це тека, а не медіафайл.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ — це посилання на файл, якого більше не існує.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ — це іменований канал, а не медіафайл.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>Файл %@ порожній (0 байтів).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ не є звичайним файлом.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ не є відеофайлом.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Файлова система в %@ доступна лише для читання. Виберіть іншу теку для збереження.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ потребує значення</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ не знайдено. Встановіть командою: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>Файл %@ не знайдено. Можливо, його було переміщено, перейменовано або вилучено.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Зберігається поруч з оригіналом</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; див. karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>Не вдалося обробити файли: %d</numerusform>
            <numerusform>Не вдалося обробити файли: %d</numerusform>
            <numerusform>Не вдалося обробити файли: %d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d хвилину тому</numerusform>
            <numerusform>%d хвилини тому</numerusform>
            <numerusform>%d хвилин тому</numerusform>
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
        <translation>--angle потребує 90, 180 або 270, а не «%@»</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at потребує часу в секундах, 0 або більше, а не «%@»</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge потребує 3840, 1920, 1280 або 800, а не «%@»</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end потребує часу, пізнішого за початок</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end потребує часу в секундах, 0 або більше, а не «%@»</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every потребує тривалості фрагмента щонайменше %@ с, а не «%@»</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor потребує числа від %@ до %@, а не «%@»</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: такої теки немає</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset застосовується до відео, а не до зображення %@; для зображень використовуйте --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset потребує 0, 1 або 2, а не «%@»</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ поза межами %@ .. %@; використовується %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality застосовується до зображень, а не до відео %@; для відео використовуйте --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality потребує числа від %@ до %@, а не «%@»</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ не є частиною зображення: X і Y мають бути від 0 до 1, W і H — більші за 0 і не більші за 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ лежить поза зображенням: від нього нічого не залишається</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ виходить за межі зображення; кадрується %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect потребує X,Y,W,H: верхній лівий кут і розмір у частках зображення, а не «%@»</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start потребує часу в секундах, 0 або більше, а не «%@»</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Про Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Наведіть на формат</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Усі можливості</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Аналіз відео…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Застосувати до %d файлу</numerusform>
            <numerusform>Застосувати до %d файлів</numerusform>
            <numerusform>Застосувати до %d файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Пропорції</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудіо</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Аудіофайли</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Для вилучення тла потрібна модель сегментації. Покладіть модель ONNX (.onnx) у %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Збалансовано</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Баланс між якістю зображення та розміром файлу.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Скасувати завдання</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Скасовано · збережено %d файл</numerusform>
            <numerusform>Скасовано · збережено %d файли</numerusform>
            <numerusform>Скасовано · збережено %d файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Не вдається створити результат: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Не вдається визначити тривалість медіафайлу</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Не вдається обробити %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Не вдається прочитати зображення</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Не вдається прочитати медіафайл</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Не вдається прочитати кадри відео</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Не вдається зберегти %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Не вдається зберегти зображення</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Зміна швидкості</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Зміна швидкості</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Перевірте доступ до файлу і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Вибрати теку</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Вибрати файл…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Виберіть теку для перетворених файлів</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Виберіть медіафайл: %@</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Виберіть дію</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Виберіть час кінця, пізніший за початок.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Вибрати файли для перетворення (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Вибрати…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Прибрати завершені</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Прибрати завершені завдання</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Готово</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Готово · %d файл</numerusform>
            <numerusform>Готово · %d файли</numerusform>
            <numerusform>Готово · %d файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Стиснути</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Стиснення зображення</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Стиснення відео</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Стиснення</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Стиснення</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Перетворення</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Перетворити</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Перетворити формат</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Перетворюйте відео, аудіо та зображення просто під час перетягування у файловому менеджері — або прямо з цього вікна.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Перетворені файли зберігатимуться в цій теці.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Перетворення на %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Перетворення…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Кадрувати</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Кадрування відео</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Область кадрування</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Висота кадрування</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Ширина кадрування</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Кадрування відео</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Інша тека</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темний</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Типова швидкість</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Типові значення для інструментів обробки.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Типові значення</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Типові значення підставляються, коли відкривається вікно інструмента; у кожному інструменті їх можна змінити для окремого запуску.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Демонстрація</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Демонстрація перетягування файлу у вікно</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Прибрати результат</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Перетворювач відео, аудіо та зображень перетягуванням</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Перетягніть файл у файловому менеджері</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Перетягніть файл у вікно Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Перетягуйте прямокутник або його кути, щоб вибрати частину зображення, яку слід залишити.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Перетягніть файли сюди</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Перетягніть файли, потім виберіть дію</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Тривалість: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Зміни</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Інструменти редагування</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Увімкніть швидке перетягування</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Кінець</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Час кінця</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Кожні</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Усе, що вміє кругове меню, згруповано за типом початкового файлу.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Не вдалося запустити ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Помилка · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файли</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Формати</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Час кадру</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Довільно</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Почати</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Приховує демонстрації скорочень</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Висока якість</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Утримуйте</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Утримуйте ⇧ Shift</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Головна</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Як Karvo поводиться з вашими даними.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Якщо в початкову теку не можна записувати, Karvo попросить вибрати іншу теку.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Стиснення зображень</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Файли зображень</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Лише зображення</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Зображення вже працюють. Для відео та аудіо потрібно: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Щойно</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo не може створити файл у %@. Виберіть іншу теку для збереження.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo не вдалося зберегти поруч з оригіналом. Виберіть теку для перетворених файлів.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo працює з відео, аудіо та зображеннями. Інші файли пропускаються.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo вже запущено, але програма не відповідає; спробуйте ще раз за мить.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo не має дозволу читати цей файл.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo не має дозволу записувати в %@. Виберіть іншу теку для збереження.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo обробляє файли повністю на вашому комп’ютері — нічого не вивантажується.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — клацніть, щоб відкрити; клацніть правою кнопкою, щоб відкрити меню</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Не вдалося завантажити вікна інструментів Karvo: %@. Перевстановіть Karvo.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Продовжити роботу</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Мова, вигляд і швидке перетягування.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світлий</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Завантаження попереднього перегляду…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Довша сторона</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>Файли MP4 · Зберігаються поруч з оригіналом</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Перетворення та аналіз медіафайлів доступні.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Не вказано шлях для результату</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Вимкнути звук</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Вимкнення звуку</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Поруч з оригінальним файлом</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Нічого не знайдено</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Немає звукової доріжки</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Теку не вибрано</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Не вдалося декодувати жодного кадру з цього файлу.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Немає відеодоріжки</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Недостатньо пам’яті, щоб завершити.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Недостатньо місця в %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Знайомство</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Відкрити Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Збереження</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Сторінка %d з %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Призупинити перегляд</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Доступ заборонено — перевірте, чи можна записувати в теку.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Доступ заборонено: не вдається прочитати початковий файл.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Відтворити перегляд</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Зберігає більше деталей завдяки легшому стисненню.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Позиція перегляду</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Конфіденційність</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Якість</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>У черзі</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Швидке перетягування</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Не вдалося запустити швидке перетягування. Спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Демонстрація швидкого перетягування</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Швидке перетягування вимкнено — перетягуйте файли у вікно, щоб обробити їх</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Швидке перетягування увімкнено — утримуйте ⇧, перетягуючи файл у файловому менеджері</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Для швидкого перетягування потрібен сеанс X11 — натомість перетягуйте файли у вікно.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Вийти з Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово до роботи</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Відпустіть — готово!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Відпустіть, потім виберіть дію</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Вилучити тло</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Вилучити метадані</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Вилучення тла</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Вилучення метаданих</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Показати демонстрацію ще раз</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Змінити розмір</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Зміна розміру зображення</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Зміна розміру</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Результати зберігаються поруч з початковим файлом — оригінал ніколи не перезаписується.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторити спробу</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Обернути</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Обертання</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Кут обертання</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Зберегти PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Зберігати перетворені файли</translation>
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
        <translation>Тривалість фрагмента</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Виділити все</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Налаштування…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + перетягування</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + перетягування</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Підказки щодо скорочень</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показати в теці</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Показує демонстрації скорочень</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Бічна панель</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустити</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Найменший розмір</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Знімок кадру</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Коефіцієнт швидкості</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Розділити</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Розділення відео</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Розділення</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Розділення кожні %@ с дасть більше ніж %d фрагментів. Виберіть довший фрагмент.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Час початку</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Запуск швидкого перетягування…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Зупинити й вийти</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Зупинити завдання й вийти?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Сильніше стиснення; дрібні деталі можуть загубитися.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Підтримувані файли (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Як у системі</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Створення знімка кадру</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Диск повідомив про помилку читання або запису.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Не вдалося відкрити файл.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>У файлі немає доріжки, з якою може працювати ця дія.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>У файлі немає відеодоріжки.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Схоже, файл пошкоджений або не є підтримуваним медіафайлом.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Формат або кодек файлу не підтримується.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Назва %@ не є коректним UTF-8, тому Karvo не може відкрити файл. Перейменуйте файл і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Оригінального файлу вже немає на місці.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Назва файлу результату задовга для файлової системи в %@. Дайте початковому файлу коротшу назву.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Результат завеликий для файлової системи в %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>Зображення завелике, щоб зберегти його як %@: допустимо щонайбільше %d Мп. Спершу змініть його розмір або виберіть JPEG чи PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Цей комп’ютер не може записувати %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>У цьому ffmpeg немає кодувальника %@. Встановіть повну збірку ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Цей файл не відповідає вибраним параметрам.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Це відео не можна переглянути.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Вікна інструментів недоступні</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Інструменти</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Загальна тривалість %@ → %d фрагмент</numerusform>
            <numerusform>Загальна тривалість %@ → %d фрагменти</numerusform>
            <numerusform>Загальна тривалість %@ → %d фрагментів</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Обрізати</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Обрізання відео</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Обрізання</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Подорож.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Спробувати ще раз</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Вернути</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Незавершені завдання буде скасовано. Готові файли буде збережено.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Непідтримуваний файл</translation>
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
        <translation>Стиснення відео</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Відеофайли</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Попередній перегляд відео</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Відео</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Подивіться, як це працює</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Ласкаво просимо до Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Де зберігаються перетворені файли.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg завершився з кодом %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg не знайдено. Встановіть командою: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>не вказано жодного файлу</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>не створено жодного результату</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan потребує дії та принаймні одного файлу</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe потребує принаймні одного файлу</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>теці для збереження</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>записаний файл неповний</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>невідома дія «%@»; можливі: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>невідома команда «%@»; див. karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>невідомий параметр %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Інструменти</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Формати</translation>
    </message>
</context>
</TS>
