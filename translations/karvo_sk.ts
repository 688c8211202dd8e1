<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d ďalší</numerusform>
            <numerusform>%@ + %d ďalšie</numerusform>
            <numerusform>%@ + %d ďalších</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ a ďalšie (%d)</numerusform>
            <numerusform>%@ a ďalšie (%d)</numerusform>
            <numerusform>%@ a ďalšie (%d)</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>Súbor %@ nie je možné prečítať: prístup zamietnutý. Skontrolujte oprávnenia súboru.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>Súbor %@ nie je možné načítať ako médium: je poškodený, neúplný alebo nejde o video ani zvukový súbor.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ nemožno použiť s akciou %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>Súbor %@ neobsahuje zvuk, ktorý by sa dal extrahovať.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>Súbor %@ neobsahuje zvuk, ktorý by sa dal stlmiť.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ je zariadenie, nie mediálny súbor.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ je priečinok, nie mediálny súbor.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ je odkaz na súbor, ktorý už neexistuje.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ je pomenovaná rúra, nie mediálny súbor.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>Súbor %@ je prázdny (0 bajtov).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ nie je bežný súbor.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ nie je videosúbor.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Iba na čítanie: %@. Vyberte iný výstupný priečinok.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ vyžaduje hodnotu</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ sa nenašiel. Nainštalujte ho príkazom: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>Súbor %@ sa nenašiel. Mohol byť presunutý, premenovaný alebo odstránený.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Uloží sa vedľa originálu</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; pozri karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>Súbory, ktoré nie je možné spracovať: %d</numerusform>
            <numerusform>Súbory, ktoré nie je možné spracovať: %d</numerusform>
            <numerusform>Súbory, ktoré nie je možné spracovať: %d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>Pred %d min</numerusform>
            <numerusform>Pred %d min</numerusform>
            <numerusform>Pred %d min</numerusform>
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
        <translation>%d %%</translation>
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
        <translation>%lld %%</translation>
    </message>
    <message>
        <source>%lld°</source>
        <translation>%lld°</translation>
    </message>
    <message>
        <source>--angle needs 90, 180 or 270, not &apos;%@&apos;</source>
        <translation>--angle prijíma 90, 180 alebo 270, nie „%@“</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at prijíma čas v sekundách, 0 alebo viac, nie „%@“</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge prijíma 3840, 1920, 1280 alebo 800, nie „%@“</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end vyžaduje čas po začiatku</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end prijíma čas v sekundách, 0 alebo viac, nie „%@“</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every prijíma dĺžku časti aspoň %@ s, nie „%@“</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor prijíma číslo od %@ do %@, nie „%@“</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: taký priečinok neexistuje</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset platí pre videá, nie pre obrázok %@; obrázky používajú --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset prijíma 0, 1 alebo 2, nie „%@“</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ je mimo rozsahu %@ .. %@; použije sa %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality platí pre obrázky, nie pre video %@; videá používajú --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality prijíma číslo od %@ do %@, nie „%@“</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ nie je časťou obrazu: X a Y musia byť od 0 do 1, W a H väčšie ako 0 a najviac 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ leží mimo obrazu: nezostáva z neho nič na zachovanie</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ presahuje obraz; orezáva sa na %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect prijíma X,Y,W,H: ľavý horný roh a veľkosť ako podiel rozmerov obrazu, nie „%@“</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start prijíma čas v sekundách, 0 alebo viac, nie „%@“</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikácii</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>O aplikácii Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Namierte na formát</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Všetky funkcie</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Analýza videa…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Vzhľad</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použiť</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Použiť na %d súbor</numerusform>
            <numerusform>Použiť na %d súbory</numerusform>
            <numerusform>Použiť na %d súborov</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Pomer strán</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Zvukové súbory</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Odstránenie pozadia vyžaduje segmentačný model. Vložte model ONNX (.onnx) do priečinka %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Vyvážená</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Vyvažuje kvalitu obrazu a veľkosť súboru.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Zrušiť úlohu</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Zrušené · uložený %d súbor</numerusform>
            <numerusform>Zrušené · uložené %d súbory</numerusform>
            <numerusform>Zrušené · uložených %d súborov</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Nie je možné vytvoriť výstup: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Nie je možné zistiť dĺžku média</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Nie je možné spracovať %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Nie je možné načítať obrázok</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Nie je možné načítať médium</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Nie je možné načítať snímky videa</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Nie je možné uložiť %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Nie je možné uložiť obrázok</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Zmeniť rýchlosť</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Zmena rýchlosti</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Skontrolujte prístup k súboru a skúste to znova.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Vybrať priečinok</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Vybrať súbor…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Vyberte priečinok pre prevedené súbory</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Vyberte mediálny súbor pre akciu „%@“</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Vyberte akciu</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Koniec musí byť až po začiatku.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Vyberte súbory na prevod (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Vybrať…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazať</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Vymazať dokončené</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Vymazať dokončené úlohy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončené</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Dokončené · %d súbor</numerusform>
            <numerusform>Dokončené · %d súbory</numerusform>
            <numerusform>Dokončené · %d súborov</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimovať</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Komprimovať obrázok</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Komprimovať video</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Komprimovanie</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Kompresia</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Prevody</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Prevod</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Prevod formátu</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Prevádzajte video, zvuk a obrázky priamo pri ťahaní zo správcu súborov — alebo rovno v tomto okne.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Prevedené súbory sa budú ukladať do tohto priečinka.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Prevod do %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Prevádzanie…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovať</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Orezať</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Orezať video</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Oblasť orezania</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Výška orezania</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Šírka orezania</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Orezávanie videa</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Do vlastného priečinka</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vystrihnúť</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Predvolená rýchlosť</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Predvolené hodnoty nástrojov na spracovanie.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Predvolené hodnoty</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Predvolené hodnoty sa použijú pri otvorení okna nástroja; v každom nástroji ich možno pre dané spracovanie upraviť.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Ukážka</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Ukážka potiahnutia súboru do okna</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Skryť výsledok</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Prevodník videa, zvuku a obrázkov potiahnutím</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Ťahajte súbor v správcovi súborov</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Potiahnite súbor do okna Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Ťahaním obdĺžnika alebo jeho rohov vyberte časť obrazu, ktorá sa má zachovať.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Pustite súbory sem</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Pustite sem súbory a vyberte akciu</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Dĺžka: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upraviť</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Nástroje úprav</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Zapnite Rýchle potiahnutie</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Čas konca</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Každých</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Všetko, čo kruhová ponuka dokáže, zoskupené podľa druhu zdrojového súboru.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Nepodarilo sa spustiť ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Zlyhalo · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Súbor</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Súbory</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formáty</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Čas snímky</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Voľný</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Všeobecné</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Začať</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Výška</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Skryje ukážky skratiek</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Vysoká kvalita</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Držte</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Podržte ⇧ Shift</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domov</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Ako Karvo narába s vašimi údajmi.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Ak do pôvodného priečinka nemožno zapisovať, Karvo sa opýta na iný priečinok.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Kompresia obrázkov</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Obrázky</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Obrázky</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Iba obrázky</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Obrázky fungujú hneď. Video a zvuk potrebujú: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Práve teraz</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo nemôže vytvoriť súbor v tomto umiestnení: %@. Vyberte iný výstupný priečinok.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Súbory nie je možné uložiť vedľa originálu. Vyberte priečinok pre prevedené súbory.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo spracúva video, zvuk a obrázky. Ostatné súbory sa preskočia.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo už beží, ale neodpovedá; skúste to o chvíľu znova.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo nemá povolenie čítať tento súbor.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo nemá povolenie zapisovať do priečinka %@. Vyberte iný výstupný priečinok.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo spracúva súbory výhradne vo vašom počítači — nič sa nikam neodosiela.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — kliknutím otvoríte, pravým tlačidlom zobrazíte ponuku</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Okná nástrojov Karvo sa nepodarilo načítať: %@. Nainštalujte Karvo znova.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Pokračovať v práci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Jazyk, vzhľad a Rýchle potiahnutie.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetlý</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Načítava sa náhľad…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Dlhšia strana</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>Súbory MP4 · Uložia sa vedľa originálu</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Prevod a analýza médií sú k dispozícii.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Chýba výstupná cesta</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stlmiť</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Stlmovanie</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Vedľa pôvodného súboru</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Žiadne výsledky</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Žiadna zvuková stopa</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Nie je vybraný žiadny priečinok</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Z tohto súboru sa nepodarilo dekódovať žiadny obraz.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Žiadna videostopa</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Nedostatok pamäte na dokončenie.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Nedostatok voľného miesta: %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Úvodný sprievodca</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Otvoriť Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Výstup</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Strana %d z %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložiť</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Pozastaviť náhľad</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Prístup zamietnutý — skontrolujte, či sa dá do priečinka zapisovať.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Prístup zamietnutý: zdrojový súbor nie je možné prečítať.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Prehrať náhľad</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Zachová viac detailov vďaka miernejšej kompresii.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Pozícia náhľadu</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Súkromie</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalita</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>V poradí</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Rýchle potiahnutie</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Rýchle potiahnutie sa nepodarilo spustiť. Skúste to znova.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Ukážka Rýchleho potiahnutia</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Rýchle potiahnutie je vypnuté — súbory na spracovanie potiahnite do okna</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Rýchle potiahnutie je zapnuté — pri ťahaní súboru v správcovi súborov držte ⇧</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Rýchle potiahnutie vyžaduje reláciu X11 — potiahnite súbory radšej do okna.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Ukončiť Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pripravené</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znova</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Pustite — hotovo!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Pustite a vyberte akciu</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Odstrániť pozadie</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Odstrániť metadáta</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Odstraňovanie pozadia</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Odstraňovanie metadát</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Prehrať ukážku znova</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnoviť</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Zmeniť veľkosť</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Zmeniť veľkosť obrázka</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Zmena veľkosti</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Výsledky sa ukladajú vedľa zdrojového súboru — originál sa nikdy neprepíše.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovať</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Otočiť</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Otáčanie</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Uhol otočenia</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Uložiť PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Ukladať prevedené súbory</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hľadať</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Časť %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Dĺžka časti</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrať všetko</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Nastavenia…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + potiahnutie</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + potiahnutie</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Tipy ku skratkám</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Zobraziť v priečinku</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Zobrazí ukážky skratiek</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bočný panel</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Preskočiť</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Najmenšia veľkosť</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snímka</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rýchlosť</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Násobok rýchlosti</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Rozdeliť</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Rozdeliť video</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Rozdeľovanie</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Rozdelením po %@ s by vzniklo viac ako %d častí. Vyberte dlhšie časti.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začiatok</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Čas začiatku</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Spúšťa sa Rýchle potiahnutie…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Zastaviť a ukončiť</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Zastaviť úlohy a ukončiť?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Silnejšia kompresia; jemné detaily sa môžu stratiť.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Podporované súbory (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Podľa systému</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Vytváranie snímky</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Disk ohlásil chybu čítania alebo zápisu.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Súbor nie je možné otvoriť.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>Súbor neobsahuje stopu, ktorú by táto operácia mohla použiť.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>Súbor neobsahuje videostopu.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Súbor sa zdá byť poškodený alebo nejde o podporovaný mediálny súbor.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Formát alebo kodek súboru nie je podporovaný.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Názov súboru %@ nie je platné UTF-8, preto ho Karvo nemôže otvoriť. Premenujte súbor a skúste to znova.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Pôvodný súbor už neexistuje.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Názov výstupného súboru je pre toto umiestnenie príliš dlhý: %@. Premenujte zdrojový súbor na kratší názov.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Výstup je príliš veľký pre súborový systém, na ktorom je %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>Obrázok je príliš veľký na uloženie ako %@: môže mať najviac %d Mpx. Najprv ho zmenšite alebo vyberte JPEG či PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Tento počítač nedokáže zapisovať formát %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Tento ffmpeg nemá kodér %@. Nainštalujte úplné zostavenie ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Tento súbor nezodpovedá zvoleným nastaveniam.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Náhľad tohto videa nie je možné zobraziť.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Okná nástrojov nie sú k dispozícii</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Nástroje</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Celková dĺžka %@ → %d časť</numerusform>
            <numerusform>Celková dĺžka %@ → %d časti</numerusform>
            <numerusform>Celková dĺžka %@ → %d častí</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Skrátiť</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Skrátiť video</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Skracovanie</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Výlet.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Skúsiť znova</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Nedokončené úlohy sa zrušia. Hotové súbory zostanú zachované.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Nepodporovaný súbor</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Verzia %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Verzia %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Kompresia videa</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Videosúbory</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Náhľad videa</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videá</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Pozrite sa, ako to funguje</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Vitajte v aplikácii Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Kam sa ukladajú prevedené súbory.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Šírka</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg skončil s kódom %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg sa nenašiel. Nainštalujte ho príkazom: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>neboli zadané žiadne súbory</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>nevznikol žiadny výstup</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>príkaz plan vyžaduje akciu a aspoň jeden súbor</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>príkaz probe vyžaduje aspoň jeden súbor</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>výstupný priečinok</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>zapísaný súbor je neúplný</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>neznáma akcia „%@“; možnosti: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>neznámy príkaz „%@“; pozri karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>neznáma voľba %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Nástroje</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Formáty</translation>
    </message>
</context>
</TS>
