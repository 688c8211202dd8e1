<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d inny</numerusform>
            <numerusform>%@ + %d inne</numerusform>
            <numerusform>%@ + %d innych</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ i jeszcze %d</numerusform>
            <numerusform>%@ i jeszcze %d</numerusform>
            <numerusform>%@ i jeszcze %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>Nie można odczytać pliku %@: odmowa dostępu. Sprawdź uprawnienia pliku.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>Nie można odczytać pliku %@ jako multimediów: jest uszkodzony, niekompletny albo nie jest plikiem wideo ani dźwiękowym.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ nie dotyczy działania %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>Plik %@ nie zawiera dźwięku do wyodrębnienia.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>Plik %@ nie zawiera dźwięku do wyciszenia.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ to urządzenie, a nie plik multimedialny.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ to katalog, a nie plik multimedialny.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ to dowiązanie do pliku, który już nie istnieje.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ to potok nazwany, a nie plik multimedialny.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>Plik %@ jest pusty (0 bajtów).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ nie jest plikiem wideo.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Miejsce docelowe jest tylko do odczytu (%@). Wybierz inny katalog docelowy.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ wymaga wartości</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>Nie znaleziono %@. Zainstaluj poleceniem: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>Nie znaleziono pliku %@. Mógł zostać przeniesiony, usunięty lub mieć zmienioną nazwę.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Zapis obok oryginału</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; zobacz karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>Nie udało się przetworzyć plików: %d</numerusform>
            <numerusform>Nie udało się przetworzyć plików: %d</numerusform>
            <numerusform>Nie udało się przetworzyć plików: %d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d min temu</numerusform>
            <numerusform>%d min temu</numerusform>
            <numerusform>%d min temu</numerusform>
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
        <translation>%lld s</translation>
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
        <translation>--angle wymaga wartości 90, 180 lub 270, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at wymaga czasu w sekundach, 0 lub więcej, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge wymaga wartości 3840, 1920, 1280 lub 800, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end wymaga czasu późniejszego niż początek</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end wymaga czasu w sekundach, 0 lub więcej, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every wymaga długości fragmentu co najmniej %@ s, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor wymaga liczby od %@ do %@, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: nie ma takiego katalogu</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset dotyczy wideo, a nie obrazu %@; dla obrazów użyj --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset wymaga wartości 0, 1 lub 2, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ jest poza zakresem %@ .. %@; użyto %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality dotyczy obrazów, a nie wideo %@; dla wideo użyj --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality wymaga liczby od %@ do %@, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ nie jest częścią obrazu: X i Y muszą wynosić od 0 do 1, a W i H – więcej niż 0, najwyżej 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ leży poza obrazem: nie zostaje z niego nic do zachowania</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ wykracza poza obraz; kadrowanie %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect wymaga X,Y,W,H: lewego górnego rogu i rozmiaru jako ułamków obrazu, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start wymaga czasu w sekundach, 0 lub więcej, a nie &apos;%@&apos;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>O programie Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Wskaż format</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Wszystkie funkcje</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Analizowanie wideo…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Zastosuj do %d pliku</numerusform>
            <numerusform>Zastosuj do %d plików</numerusform>
            <numerusform>Zastosuj do %d plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Proporcje</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Pliki dźwiękowe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Usuwanie tła wymaga modelu segmentacji. Umieść model ONNX (.onnx) w katalogu %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Zrównoważony</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Równoważy jakość obrazu i rozmiar pliku.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Anuluj zadanie</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Anulowano · zapisano %d plik</numerusform>
            <numerusform>Anulowano · zapisano %d pliki</numerusform>
            <numerusform>Anulowano · zapisano %d plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Nie można utworzyć pliku wynikowego: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Nie można ustalić czasu trwania pliku</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Nie można przetworzyć pliku %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Nie można odczytać obrazu</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Nie można odczytać pliku multimedialnego</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Nie można odczytać klatek wideo</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Nie można zapisać pliku %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Nie można zapisać obrazu</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Zmień prędkość</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Zmiana prędkości</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Sprawdź dostęp do pliku i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Wybierz katalog</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Wybierz plik…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Wybierz katalog na przekonwertowane pliki</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Wybierz plik multimedialny dla działania: %@</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Wybierz działanie</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Wybierz czas końca późniejszy niż początek.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Wybierz pliki do konwersji (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Wyczyść zakończone</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Wyczyść zakończone zadania</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Ukończono · %d plik</numerusform>
            <numerusform>Ukończono · %d pliki</numerusform>
            <numerusform>Ukończono · %d plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Kompresuj</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Kompresuj obraz</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Kompresuj wideo</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Kompresowanie</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Kompresja</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Konwersje</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konwersja</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Konwertuj format</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Konwertuj wideo, dźwięk i obrazy, przeciągając je prosto z menedżera plików — albo bezpośrednio w tym oknie.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Przekonwertowane pliki będą zapisywane w tym katalogu.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Konwertowanie do %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Konwertowanie…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Kadruj</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Kadruj wideo</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Obszar kadrowania</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Wysokość kadru</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Szerokość kadru</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Kadrowanie wideo</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Własny katalog</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Domyślna prędkość</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Domyślne wartości narzędzi do przetwarzania.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Wartości domyślne</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Wartości domyślne obowiązują po otwarciu okna narzędzia; w każdym narzędziu można je zmienić dla danego uruchomienia.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Demonstracja</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Demonstracja upuszczania pliku na okno</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Zamknij wynik</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Konwerter wideo, dźwięku i obrazów metodą „przeciągnij i upuść”</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Przeciągnij plik w menedżerze plików</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Przeciągnij plik do okna Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Przeciągnij prostokąt lub jego narożniki, aby wybrać część obrazu do zachowania.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Upuść pliki tutaj</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Upuść pliki, a potem wybierz działanie</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Czas trwania: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Narzędzia edycji</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Włącz szybkie przeciąganie</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Czas końca</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Co</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Wszystko, co potrafi menu kołowe, pogrupowane według rodzaju pliku źródłowego.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Nie udało się uruchomić ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Niepowodzenie · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formaty</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Czas klatki</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Dowolne</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Ukrywa demonstracje skrótów</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Wysoka jakość</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Przytrzymaj</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Przytrzymaj ⇧ Shift</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Strona główna</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Jak Karvo postępuje z danymi.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Jeśli w katalogu oryginału nie można zapisywać, Karvo poprosi o wskazanie innego katalogu.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Kompresja obrazów</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Pliki obrazów</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Tylko obrazy</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Obrazy już działają. Wideo i dźwięk wymagają: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Przed chwilą</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo nie może utworzyć pliku w tym miejscu: %@. Wybierz inny katalog docelowy.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo nie może zapisać obok oryginału. Wybierz katalog na przekonwertowane pliki.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo obsługuje wideo, dźwięk i obrazy. Pozostałe pliki są pomijane.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo jest już uruchomiony, ale nie odpowiada; spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo nie ma uprawnień do odczytu tego pliku.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo nie ma uprawnień do zapisu w tym miejscu: %@. Wybierz inny katalog docelowy.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo przetwarza pliki wyłącznie na tym komputerze — nic nie jest wysyłane.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — Kliknij, aby otworzyć; kliknij prawym przyciskiem, aby wyświetlić menu</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Nie udało się wczytać okien narzędzi Karvo: %@. Zainstaluj Karvo ponownie.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Kontynuuj pracę</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Język, wygląd i szybkie przeciąganie.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Wczytywanie podglądu…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Dłuższy bok</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>Pliki MP4 · Zapis obok oryginału</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Konwersja i analiza plików multimedialnych są dostępne.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Brak ścieżki docelowej</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Wyciszanie</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Obok oryginalnego pliku</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Brak wyników</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Brak ścieżki dźwiękowej</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Nie wybrano katalogu</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Nie udało się zdekodować żadnego obrazu z tego pliku.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Brak ścieżki wideo</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Za mało pamięci, aby dokończyć operację.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Za mało wolnego miejsca w tej lokalizacji: %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Wprowadzenie</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Otwórz Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Miejsce zapisu</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Strona %d z %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Wstrzymaj podgląd</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Odmowa dostępu — sprawdź, czy w katalogu można zapisywać.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Odmowa dostępu: nie można odczytać pliku źródłowego.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Odtwórz podgląd</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Zachowuje więcej szczegółów dzięki lżejszej kompresji.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Pozycja podglądu</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Prywatność</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>W kolejce</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Szybkie przeciąganie</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Nie udało się uruchomić szybkiego przeciągania. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Demonstracja szybkiego przeciągania</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Szybkie przeciąganie jest wyłączone — przeciągnij pliki do okna, aby je przetworzyć</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Szybkie przeciąganie jest włączone — przytrzymaj ⇧ podczas przeciągania pliku w menedżerze plików</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Szybkie przeciąganie wymaga sesji X11 — zamiast tego przeciągnij pliki do okna.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Zakończ Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Puść — gotowe!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Puść, a potem wybierz działanie</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Usuń tło</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Usuń metadane</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Usuwanie tła</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Usuwanie metadanych</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Odtwórz demonstrację ponownie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Zmień rozmiar</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Zmień rozmiar obrazu</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Zmiana rozmiaru</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Wyniki są zapisywane obok pliku źródłowego — oryginał nigdy nie zostaje nadpisany.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Obróć</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Obracanie</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Kąt obrotu</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Zapisz PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Zapisuj przekonwertowane pliki</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Fragment %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Długość fragmentu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + przeciągnij</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + przeciągnij</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Wskazówki dotyczące skrótów</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Pokaż w katalogu</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Pokazuje demonstracje skrótów</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Panel boczny</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Najmniejszy rozmiar</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Zrzut klatki</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Współczynnik prędkości</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Podziel wideo</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Dzielenie</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Dzielenie co %@ s dałoby ponad %d fragmentów. Wybierz większą długość fragmentu.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Czas początku</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Uruchamianie szybkiego przeciągania…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Zatrzymaj i zakończ</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Zatrzymać zadania i zakończyć?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Silniejsza kompresja; drobne szczegóły mogą zostać utracone.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Obsługiwane pliki (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Zapisywanie zrzutu klatki</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Dysk zgłosił błąd odczytu lub zapisu.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>Plik nie zawiera ścieżki, której można użyć w tej operacji.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>Plik nie zawiera ścieżki wideo.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Plik wygląda na uszkodzony lub nie jest obsługiwanym plikiem multimedialnym.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Format lub kodek pliku nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Nazwa pliku %@ nie jest poprawnym tekstem UTF-8, więc Karvo nie może go otworzyć. Zmień nazwę pliku i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Oryginalny plik już nie istnieje.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Nazwa pliku wynikowego jest za długa dla tej lokalizacji: %@. Zmień nazwę pliku źródłowego na krótszą.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Plik wynikowy jest za duży dla systemu plików w tej lokalizacji: %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>Obraz jest za duży, aby zapisać go jako %@: może mieć najwyżej %d Mpx. Najpierw zmień jego rozmiar albo wybierz JPEG lub PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Ten komputer nie może zapisywać w formacie %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Ta wersja ffmpeg nie zawiera kodera %@. Zainstaluj pełną wersję ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Ten plik nie pasuje do wybranych ustawień.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Nie można wyświetlić podglądu tego wideo.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Okna narzędzi są niedostępne</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Łączny czas %@ → %d fragment</numerusform>
            <numerusform>Łączny czas %@ → %d fragmenty</numerusform>
            <numerusform>Łączny czas %@ → %d fragmentów</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Przytnij</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Przytnij wideo</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Przycinanie</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Wycieczka.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Niedokończone zadania zostaną anulowane. Ukończone pliki zostaną zachowane.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Nieobsługiwany plik</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Wersja %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Wersja %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Kompresja wideo</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Pliki wideo</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Podgląd wideo</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Zobacz, jak to działa</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Witamy w Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Gdzie są zapisywane przekonwertowane pliki.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg zakończył działanie z kodem %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>Nie znaleziono ffmpeg. Zainstaluj poleceniem: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>nie podano plików</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>nie utworzono pliku wynikowego</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan wymaga działania i co najmniej jednego pliku</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe wymaga co najmniej jednego pliku</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>katalog docelowy</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>zapisany plik jest niekompletny</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>nieznane działanie &apos;%@&apos;; dostępne: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>nieznane polecenie &apos;%@&apos;; zobacz karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>nieznana opcja %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Narzędzia</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Formaty</translation>
    </message>
</context>
</TS>
