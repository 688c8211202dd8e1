<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d další</numerusform>
            <numerusform>%@ + %d další</numerusform>
            <numerusform>%@ + %d dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ a další (%d)</numerusform>
            <numerusform>%@ a další (%d)</numerusform>
            <numerusform>%@ a další (%d)</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>Soubor %@ nelze přečíst: přístup odepřen. Zkontrolujte oprávnění souboru.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>Soubor %@ nelze načíst jako médium: je poškozený, neúplný nebo nejde o video ani zvukový soubor.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ nelze použít s akcí %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>Soubor %@ neobsahuje zvuk, který by šlo extrahovat.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>Soubor %@ neobsahuje zvuk, který by šlo ztlumit.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ je zařízení, nikoli mediální soubor.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ je složka, nikoli mediální soubor.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ je odkaz na soubor, který již neexistuje.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ je pojmenovaná roura, nikoli mediální soubor.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>Soubor %@ je prázdný (0 bajtů).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ není běžný soubor.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ není videosoubor.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Jen pro čtení: %@. Vyberte jinou výstupní složku.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ vyžaduje hodnotu</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ nebyl nalezen. Nainstalujte jej příkazem: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>Soubor %@ nebyl nalezen. Mohl být přesunut, přejmenován nebo smazán.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Uloží se vedle originálu</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; viz karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>Soubory, které nelze zpracovat: %d</numerusform>
            <numerusform>Soubory, které nelze zpracovat: %d</numerusform>
            <numerusform>Soubory, které nelze zpracovat: %d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>Před %d min</numerusform>
            <numerusform>Před %d min</numerusform>
            <numerusform>Před %d min</numerusform>
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
        <translation>--angle přijímá 90, 180 nebo 270, nikoli „%@“</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at přijímá čas v sekundách, 0 nebo více, nikoli „%@“</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge přijímá 3840, 1920, 1280 nebo 800, nikoli „%@“</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end vyžaduje čas po začátku</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end přijímá čas v sekundách, 0 nebo více, nikoli „%@“</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every přijímá délku části alespoň %@ s, nikoli „%@“</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor přijímá číslo od %@ do %@, nikoli „%@“</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: taková složka neexistuje</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset platí pro videa, ne pro obrázek %@; obrázky používají --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset přijímá 0, 1 nebo 2, nikoli „%@“</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ je mimo rozsah %@ .. %@; použije se %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality platí pro obrázky, ne pro video %@; videa používají --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality přijímá číslo od %@ do %@, nikoli „%@“</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ není částí obrazu: X a Y musí být od 0 do 1, W a H větší než 0 a nejvýše 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ leží mimo obraz: nezbývá z něj nic k zachování</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ přesahuje obraz; ořezává se na %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect přijímá X,Y,W,H: levý horní roh a velikost jako podíl rozměrů obrazu, nikoli „%@“</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start přijímá čas v sekundách, 0 nebo více, nikoli „%@“</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>O aplikaci Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Namiřte na formát</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Všechny funkce</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Analýza videa…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Vzhled</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Použít na %d soubor</numerusform>
            <numerusform>Použít na %d soubory</numerusform>
            <numerusform>Použít na %d souborů</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Poměr stran</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Zvukové soubory</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Odstranění pozadí vyžaduje segmentační model. Vložte model ONNX (.onnx) do složky %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Vyvážená</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Vyvažuje kvalitu obrazu a velikost souboru.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Zrušit úlohu</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Zrušeno · uložen %d soubor</numerusform>
            <numerusform>Zrušeno · uloženy %d soubory</numerusform>
            <numerusform>Zrušeno · uloženo %d souborů</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Nelze vytvořit výstup: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Nelze zjistit délku média</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Nelze zpracovat %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Nelze načíst obrázek</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Nelze načíst médium</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Nelze načíst snímky videa</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Nelze uložit %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Nelze uložit obrázek</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Změnit rychlost</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Změna rychlosti</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Zkontrolujte přístup k souboru a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Vybrat soubor…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Vyberte složku pro převedené soubory</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Vyberte mediální soubor pro akci „%@“</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Vyberte akci</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Konec musí být až po začátku.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Vyberte soubory k převodu (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Vybrat…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Vymazat dokončené</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Vymazat dokončené úlohy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončeno</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Dokončeno · %d soubor</numerusform>
            <numerusform>Dokončeno · %d soubory</numerusform>
            <numerusform>Dokončeno · %d souborů</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimovat</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Komprimovat obrázek</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Komprimovat video</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Komprimování</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Komprese</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Převody</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Převod</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Převod formátu</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Převádějte video, zvuk a obrázky přímo při přetahování ze správce souborů — nebo rovnou v tomto okně.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Převedené soubory se budou ukládat do této složky.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Převod do %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Převádění…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Oříznout</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Oříznout video</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Oblast ořezu</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Výška ořezu</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Šířka ořezu</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Ořezávání videa</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Do vlastní složky</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Výchozí rychlost</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Výchozí hodnoty nástrojů pro zpracování.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Výchozí hodnoty</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Výchozí hodnoty se použijí při otevření okna nástroje; v každém nástroji je lze pro dané zpracování upravit.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Ukázka</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Ukázka přetažení souboru do okna</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Skrýt výsledek</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Převodník videa, zvuku a obrázků přetažením</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Táhněte soubor ve správci souborů</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Přetáhněte soubor do okna Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Tažením obdélníku nebo jeho rohů vyberte část obrazu, která se má zachovat.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Přetáhněte soubory sem</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Přetáhněte sem soubory a vyberte akci</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Délka: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Úpravy</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Nástroje úprav</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Zapněte Rychlé přetažení</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Čas konce</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Každých</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Vše, co kruhová nabídka umí, seskupené podle druhu zdrojového souboru.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Nepodařilo se spustit ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Selhalo · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Soubory</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formáty</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Čas snímku</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Volný</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Začít</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Výška</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Skryje ukázky zkratek</translation>
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
        <translation>Domů</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Jak Karvo nakládá s vašimi daty.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Pokud do původní složky nelze zapisovat, Karvo se zeptá na jinou složku.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Komprese obrázků</translation>
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
        <translation>Jen obrázky</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Obrázky fungují hned. Pro video a zvuk je potřeba: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Právě teď</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo nemůže vytvořit soubor v tomto umístění: %@. Vyberte jinou výstupní složku.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Soubory nelze uložit vedle originálu. Vyberte složku pro převedené soubory.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo zpracovává video, zvuk a obrázky. Ostatní soubory se přeskočí.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo již běží, ale neodpovídá; zkuste to za chvíli znovu.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo nemá oprávnění číst tento soubor.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo nemá oprávnění zapisovat do složky %@. Vyberte jinou výstupní složku.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo zpracovává soubory výhradně ve vašem počítači — nic se nikam neodesílá.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — kliknutím otevřete, pravým tlačítkem zobrazíte nabídku</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Okna nástrojů Karvo se nepodařilo načíst: %@. Nainstalujte Karvo znovu.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Pokračovat v práci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Jazyk, vzhled a Rychlé přetažení.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Načítání náhledu…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Delší strana</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>Soubory MP4 · Uloží se vedle originálu</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Převod a analýza médií jsou k dispozici.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Chybí výstupní cesta</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Ztlumování</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Vedle původního souboru</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Žádné výsledky</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Žádná zvuková stopa</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Není vybrána žádná složka</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Z tohoto souboru se nepodařilo dekódovat žádný obraz.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Žádná videostopa</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Nedostatek paměti k dokončení.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Nedostatek volného místa: %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Úvodní průvodce</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Otevřít Karvo</translation>
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
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Pozastavit náhled</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Přístup odepřen — zkontrolujte, zda lze do složky zapisovat.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Přístup odepřen: zdrojový soubor nelze přečíst.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Přehrát náhled</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Zachová více detailů díky mírnější kompresi.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Pozice náhledu</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Soukromí</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalita</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Ve frontě</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Rychlé přetažení</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Rychlé přetažení se nepodařilo spustit. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Ukázka Rychlého přetažení</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Rychlé přetažení je vypnuto — soubory ke zpracování přetáhněte do okna</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Rychlé přetažení je zapnuto — při tažení souboru ve správci souborů držte ⇧</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Rychlé přetažení vyžaduje relaci X11 — přetáhněte soubory raději do okna.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Ukončit Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Připraveno</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Pusťte — hotovo!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Pusťte a vyberte akci</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Odstranit pozadí</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Odstranit metadata</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Odstraňování pozadí</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Odstraňování metadat</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Přehrát ukázku znovu</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Změnit velikost</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Změnit velikost obrázku</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Změna velikosti</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Výsledky se ukládají vedle zdrojového souboru — originál se nikdy nepřepíše.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Otočit</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Otáčení</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Úhel otočení</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Uložit PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Ukládat převedené soubory</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Část %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Délka části</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Nastavení…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + přetažení</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + přetažení</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Tipy ke zkratkám</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Zobrazit ve složce</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Zobrazí ukázky zkratek</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Postranní panel</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Přeskočit</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Nejmenší velikost</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snímek</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Násobek rychlosti</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Rozdělit</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Rozdělit video</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Rozdělování</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Rozdělením po %@ s by vzniklo více než %d částí. Vyberte delší části.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Čas začátku</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Spouštění Rychlého přetažení…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Zastavit a ukončit</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Zastavit úlohy a ukončit?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Silnější komprese; jemné detaily se mohou ztratit.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Podporované soubory (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Podle systému</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Pořizování snímku</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Disk ohlásil chybu čtení nebo zápisu.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Soubor nelze otevřít.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>Soubor neobsahuje stopu, kterou by tato operace mohla použít.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>Soubor neobsahuje videostopu.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Soubor se zdá poškozený nebo nejde o podporovaný mediální soubor.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Formát nebo kodek souboru není podporován.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Název souboru %@ není platné UTF-8, proto jej Karvo nemůže otevřít. Přejmenujte soubor a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Původní soubor již neexistuje.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Název výstupního souboru je pro toto umístění příliš dlouhý: %@. Přejmenujte zdrojový soubor na kratší název.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Výstup je příliš velký pro souborový systém, na kterém je %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>Obrázek je příliš velký pro uložení jako %@: může mít nejvýše %d Mpx. Nejprve jej zmenšete nebo vyberte JPEG či PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Tento počítač neumí zapisovat formát %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Tento ffmpeg nemá kodér %@. Nainstalujte úplné sestavení ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Tento soubor neodpovídá zvolenému nastavení.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Náhled tohoto videa nelze zobrazit.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Okna nástrojů nejsou k dispozici</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Nástroje</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Celková délka %@ → %d část</numerusform>
            <numerusform>Celková délka %@ → %d části</numerusform>
            <numerusform>Celková délka %@ → %d částí</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Zkrátit</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Zkrátit video</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Zkracování</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Výlet.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Zkusit znovu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Nedokončené úlohy budou zrušeny. Hotové soubory zůstanou zachovány.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Nepodporovaný soubor</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Verze %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Verze %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Komprese videa</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Videosoubory</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Náhled videa</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videa</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Podívejte se, jak to funguje</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Vítejte v aplikaci Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Kam se ukládají převedené soubory.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Šířka</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg skončil s kódem %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg nebyl nalezen. Nainstalujte jej příkazem: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>nebyly zadány žádné soubory</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>nevznikl žádný výstup</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>příkaz plan vyžaduje akci a alespoň jeden soubor</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>příkaz probe vyžaduje alespoň jeden soubor</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>výstupní složka</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>zapsaný soubor je neúplný</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>neznámá akce „%@“; možnosti: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>neznámý příkaz „%@“; viz karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>neznámá volba %@</translation>
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
