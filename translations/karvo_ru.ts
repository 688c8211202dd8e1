<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + ещё %d</numerusform>
            <numerusform>%@ + ещё %d</numerusform>
            <numerusform>%@ + ещё %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ и ещё %d</numerusform>
            <numerusform>%@ и ещё %d</numerusform>
            <numerusform>%@ и ещё %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>Не удаётся прочитать %@: доступ запрещён. Проверьте права доступа к файлу.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>Не удаётся прочитать %@ как медиафайл: он повреждён, неполон или не является видео- или аудиофайлом.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ не применяется к действию %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>В файле %@ нет звука, который можно извлечь.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>В файле %@ нет звука, который можно убрать.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ — это устройство, а не медиафайл.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ — это папка, а не медиафайл.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ — ссылка на файл, который больше не существует.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ — это именованный канал, а не медиафайл.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>Файл %@ пуст (0 байт).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ не является обычным файлом.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ не является видеофайлом.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Только для чтения: %@. Выберите другую папку для сохранения.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>для %@ нужно значение</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ не найден. Установите командой: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>Файл %@ не найден. Возможно, он был перемещён, переименован или удалён.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Сохраняется рядом с оригиналом</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; см. karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>Не удалось обработать файлы: %d</numerusform>
            <numerusform>Не удалось обработать файлы: %d</numerusform>
            <numerusform>Не удалось обработать файлы: %d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d мин назад</numerusform>
            <numerusform>%d мин назад</numerusform>
            <numerusform>%d мин назад</numerusform>
        </translation>
    </message>
    <message>
        <source>%d px</source>
        <translation>%d px</translation>
    </message>
    <message>
        <source>%d × %d px</source>
        <translation>%d × %d px</translation>
    </message>
    <message>
        <source>%d%%</source>
        <translation>%d%%</translation>
    </message>
    <message>
        <source>%lld px</source>
        <translation>%lld px</translation>
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
        <translation>--angle принимает 90, 180 или 270, а не «%@»</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at принимает время в секундах, 0 или больше, а не «%@»</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge принимает 3840, 1920, 1280 или 800, а не «%@»</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>для --end нужно время позже начала</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end принимает время в секундах, 0 или больше, а не «%@»</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every принимает длину части не менее %@ с, а не «%@»</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor принимает число от %@ до %@, а не «%@»</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: такой папки нет</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset применяется к видео, а не к изображению %@; для изображений используйте --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset принимает 0, 1 или 2, а не «%@»</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ вне диапазона %@ .. %@; используется %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality применяется к изображениям, а не к видео %@; для видео используйте --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality принимает число от %@ до %@, а не «%@»</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ не является частью кадра: X и Y — от 0 до 1, W и H — больше 0 и не больше 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ лежит за пределами кадра: от него ничего не остаётся</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ выходит за пределы кадра; кадрирование по %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect принимает X,Y,W,H: левый верхний угол и размер в долях кадра, а не «%@»</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start принимает время в секундах, 0 или больше, а не «%@»</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>О программе Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Наведите на формат</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Все функции</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Анализ видео…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Оформление</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Применить к %d файлу</numerusform>
            <numerusform>Применить к %d файлам</numerusform>
            <numerusform>Применить к %d файлам</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Соотношение сторон</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Аудиофайлы</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Для удаления фона нужна модель сегментации. Поместите модель ONNX (.onnx) в папку %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Баланс между качеством изображения и размером файла.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Отменить задачу</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Отменено · сохранён %d файл</numerusform>
            <numerusform>Отменено · сохранено %d файла</numerusform>
            <numerusform>Отменено · сохранено %d файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Не удаётся создать выходной файл: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Не удаётся определить длительность</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Не удаётся обработать %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Не удаётся прочитать изображение</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Не удаётся прочитать медиафайл</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Не удаётся прочитать кадры видео</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Не удаётся сохранить %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Не удаётся сохранить изображение</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Изменить скорость</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Изменение скорости</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Проверьте доступ к файлу и повторите попытку.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Выбрать файл…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Выберите папку для конвертированных файлов</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Выберите медиафайл для действия «%@»</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Выберите действие</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Конец должен быть позже начала.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Выберите файлы для конвертации (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Очистить завершённые</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Очистить завершённые задачи</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Завершено · %d файл</numerusform>
            <numerusform>Завершено · %d файла</numerusform>
            <numerusform>Завершено · %d файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Сжать</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Сжать изображение</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Сжать видео</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Сжатие</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Сжатие</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Конвертации</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертация</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Конвертация формата</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Конвертируйте видео, аудио и изображения прямо при перетаскивании из файлового менеджера — или в этом окне.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Конвертированные файлы будут сохраняться в эту папку.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Конвертация в %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Конвертация…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Кадрировать</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Кадрировать видео</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Область кадрирования</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Высота области кадрирования</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Ширина области кадрирования</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Кадрирование видео</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>В выбранную папку</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмное</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Скорость по умолчанию</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Значения по умолчанию для инструментов обработки.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Значения по умолчанию</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Значения по умолчанию подставляются при открытии окна инструмента; в каждом инструменте их можно изменить для конкретной обработки.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Демонстрация</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Демонстрация перетаскивания файла в окно</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Скрыть результат</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Конвертер видео, аудио и изображений перетаскиванием</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Перетаскивайте файл в файловом менеджере</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Перетащите файл в окно Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Перетаскивайте прямоугольник или его углы, чтобы выбрать сохраняемую часть кадра.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Перетащите файлы сюда</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Перетащите файлы и выберите действие</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Длительность: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Инструменты правки</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Включите быстрое перетаскивание</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Время окончания</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Каждые</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Всё, что умеет круговое меню, по типам исходных файлов.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Не удалось запустить ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Ошибка · %@</translation>
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
        <translation>Форматы</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Время кадра</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Произвольное</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Скрывает демонстрации сочетаний клавиш</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Высокое качество</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Держите</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Удерживайте ⇧ Shift</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Как Karvo обращается с вашими данными.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Если в исходную папку нельзя записывать, Karvo попросит выбрать другую папку.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Сжатие изображений</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Только изображения</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Изображения уже работают. Для видео и аудио нужно: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Только что</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo не может создать файл в этом месте: %@. Выберите другую папку для сохранения.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Не удалось сохранить рядом с оригиналом. Выберите папку для конвертированных файлов.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo работает с видео, аудио и изображениями. Остальные файлы пропускаются.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo уже запущен, но не отвечает; повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>У Karvo нет разрешения на чтение этого файла.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>У Karvo нет разрешения на запись в папку %@. Выберите другую папку для сохранения.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo обрабатывает файлы только на вашем компьютере — ничего никуда не отправляется.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — щелчок открывает окно, правый щелчок — меню</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Не удалось загрузить окна инструментов Karvo: %@. Переустановите Karvo.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Продолжить работу</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Язык, оформление и быстрое перетаскивание.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлое</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Загрузка предпросмотра…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Длинная сторона</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>Файлы MP4 · Сохраняются рядом с оригиналом</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Конвертация и анализ медиафайлов доступны.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Не указан путь для сохранения</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Убрать звук</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Удаление звука</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Рядом с исходным файлом</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Ничего не найдено</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Нет звуковой дорожки</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Папка не выбрана</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Не удалось декодировать изображение из этого файла.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Нет видеодорожки</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Недостаточно памяти для завершения.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Недостаточно места: %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Знакомство</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Открыть Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Страница %d из %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Приостановить предпросмотр</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Доступ запрещён — проверьте, что в папку можно записывать.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Доступ запрещён: исходный файл не удаётся прочитать.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Воспроизвести предпросмотр</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Сохраняет больше деталей за счёт более слабого сжатия.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Позиция предпросмотра</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Конфиденциальность</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>В очереди</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Быстрое перетаскивание</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Не удалось запустить быстрое перетаскивание. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Демонстрация быстрого перетаскивания</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Быстрое перетаскивание выключено — перетащите файлы в окно, чтобы обработать их</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Быстрое перетаскивание включено — удерживайте ⇧, перетаскивая файл в файловом менеджере</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Для быстрого перетаскивания нужен сеанс X11 — перетащите файлы в окно.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Завершить Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Всё готово</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Отпустите — готово!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Отпустите и выберите действие</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Удалить фон</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Удалить метаданные</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Удаление фона</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Удаление метаданных</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Повторить демонстрацию</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Изменить размер</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Изменить размер изображения</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Изменение размера</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Результаты сохраняются рядом с исходным файлом — оригинал никогда не перезаписывается.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Угол поворота</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Сохранить PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Сохранять конвертированные файлы</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Часть %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Длина части</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + перетаскивание</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + перетаскивание</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Подсказки по сочетаниям клавиш</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Показывает демонстрации сочетаний клавиш</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Боковая панель</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Минимальный размер</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Коэффициент скорости</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Разделить видео</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Разделение</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>При разделении каждые %@ с получится больше %d частей. Выберите более длинные части.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Запуск быстрого перетаскивания…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Остановить и завершить</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Остановить задачи и завершить работу?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Более сильное сжатие; мелкие детали могут потеряться.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Поддерживаемые файлы (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Создание снимка</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Диск сообщил об ошибке чтения или записи.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>В файле нет дорожки, подходящей для этой операции.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>В файле нет видеодорожки.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Файл, похоже, повреждён или не является поддерживаемым медиафайлом.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Формат или кодек файла не поддерживается.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Имя файла %@ не является корректной строкой UTF-8, поэтому Karvo не может его открыть. Переименуйте файл и повторите попытку.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Исходного файла больше нет.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Имя выходного файла слишком длинное для этого места: %@. Переименуйте исходный файл, сократив его имя.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Результат слишком велик для файловой системы, на которой находится %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>Изображение слишком велико для сохранения в %@: допускается не более %d Мп. Сначала уменьшите его либо выберите JPEG или PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Этот компьютер не может записывать формат %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>В этой сборке ffmpeg нет кодировщика %@. Установите полную сборку ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Этот файл не подходит под выбранные настройки.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Предпросмотр этого видео недоступен.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Окна инструментов недоступны</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Общая длительность %@ → %d часть</numerusform>
            <numerusform>Общая длительность %@ → %d части</numerusform>
            <numerusform>Общая длительность %@ → %d частей</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Обрезать видео</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Море.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Повторить попытку</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Незавершённые задачи будут отменены. Готовые файлы сохранятся.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Неподдерживаемый файл</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Версия %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Версия %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Сжатие видео</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Видеофайлы</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Предпросмотр видео</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Посмотрите, как это работает</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Добро пожаловать в Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Куда сохраняются конвертированные файлы.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg завершился с кодом %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg не найден. Установите командой: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>файлы не указаны</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>результат не был создан</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>для команды plan нужны действие и хотя бы один файл</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>для команды probe нужен хотя бы один файл</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>папка для сохранения</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>записанный файл неполный</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>неизвестное действие «%@»; допустимые: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>неизвестная команда «%@»; см. karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>неизвестный параметр %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Инструменты</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Форматы</translation>
    </message>
</context>
</TS>
