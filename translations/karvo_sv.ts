<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d till</numerusform>
            <numerusform>%@ + %d till</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ och %d till</numerusform>
            <numerusform>%@ och %d till</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>%@ kan inte läsas: åtkomst nekad. Kontrollera filens behörigheter.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>%@ kunde inte läsas som media: filen är skadad, ofullständig eller inte en video- eller ljudfil.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ gäller inte för %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ har inget ljud att extrahera.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ har inget ljud att tysta.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ är en enhet, inte en mediefil.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ är en mapp, inte en mediefil.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ är en länk till en fil som inte längre finns.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ är ett namngivet rör, inte en mediefil.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ är tom (0 byte).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ är inte en vanlig fil.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ är inte en videofil.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Det går inte att skriva i %@ (skrivskyddad). Välj en annan utdatamapp.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ kräver ett värde</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ hittades inte. Installera med: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ hittades inte. Filen kan ha flyttats, bytt namn eller tagits bort.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Sparas bredvid originalet</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; se karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%d filer kunde inte bearbetas</numerusform>
            <numerusform>%d filer kunde inte bearbetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>för %d min sedan</numerusform>
            <numerusform>för %d min sedan</numerusform>
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
        <translation>--angle kräver 90, 180 eller 270, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at kräver en tid i sekunder, 0 eller mer, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge kräver 3840, 1920, 1280 eller 800, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end kräver en tid efter starten</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end kräver en tid i sekunder, 0 eller mer, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every kräver en segmentlängd på minst %@ sekund, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor kräver ett tal från %@ till %@, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: mappen finns inte</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset gäller videor, inte bilden %@; för bilder används --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset kräver 0, 1 eller 2, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ ligger utanför %@ .. %@; använder %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality gäller bilder, inte videon %@; för videor används --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality kräver ett tal från %@ till %@, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ är inte en del av bilden: X och Y går från 0 till 1, W och H från över 0 till 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ ligger utanför bilden: inget av den finns kvar att behålla</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ sträcker sig utanför bilden; beskär %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect kräver X,Y,W,H: övre vänstra hörnet och storleken som andelar av bilden, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start kräver en tid i sekunder, 0 eller mer, inte &apos;%@&apos;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Om Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Sikta på ett format</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Alla funktioner</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Analyserar video…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Verkställ för %d fil</numerusform>
            <numerusform>Verkställ för %d filer</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Bildförhållande</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Ljudfiler</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Borttagning av bakgrund kräver en segmenteringsmodell. Lägg en ONNX-modell (.onnx) i %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Balanserad</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Balanserar bildkvalitet och filstorlek.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Avbryt uppgift</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Avbrutet · %d fil sparad</numerusform>
            <numerusform>Avbrutet · %d filer sparade</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Kan inte skapa utdatafilen: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Kan inte fastställa mediets längd</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Kan inte bearbeta %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Kan inte läsa bilden</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Kan inte läsa mediet</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Kan inte läsa videons bildrutor</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Kan inte spara %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Kan inte spara bilden</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Ändra hastighet</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Ändrar hastighet</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Kontrollera åtkomsten till filen och försök igen.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Välj mapp</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Välj en fil…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Välj en mapp för konverterade filer</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Välj en mediefil för: %@</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Välj en åtgärd</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Välj en sluttid efter starttiden.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Välj filer att konvertera (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Välj…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Rensa avslutade</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Rensa avslutade uppgifter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Klart</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Klart · %d fil</numerusform>
            <numerusform>Klart · %d filer</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimera</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Komprimera bild</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Komprimera video</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Komprimerar</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Komprimering</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Konverteringar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertering</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Konvertera format</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Konvertera video, ljud och bilder direkt när du drar dem från filhanteraren — eller direkt i det här fönstret.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Konverterade filer sparas i den här mappen.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Konverterar till %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Konverterar…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Beskär</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Beskär video</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Beskärningsområde</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Beskärningshöjd</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Beskärningsbredd</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Beskär video</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Anpassad mapp</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Klipp ut</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Standardhastighet</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Standardvärden för bearbetningsverktygen.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardvärden</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Standardvärdena gäller när ett verktygsfönster öppnas; i varje verktyg kan de ändå justeras för varje körning.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Demonstration</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Demonstration av hur en fil släpps i fönstret</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Stäng resultatet</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klart</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Dra-och-släpp-konverterare för video, ljud och bilder</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Dra en fil i filhanteraren</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Dra filen till Karvo-fönstret</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Dra rektangeln eller dess hörn för att välja den del av bilden som ska behållas.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Släpp filer här</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Släpp filer och välj sedan en åtgärd</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Längd: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Redigeringsverktyg</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Aktivera snabbdragning</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slut</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Var</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Allt som den cirkulära menyn kan göra, grupperat efter typ av källfil.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Kunde inte starta ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Misslyckades · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Bildrutans tidpunkt</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Fritt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Kom igång</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höjd</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Döljer demonstrationerna av kortkommandon</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Hög kvalitet</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Håll ned</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Håll ned ⇧ Skift</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Hem</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Hur Karvo hanterar dina data.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Om det inte går att skriva i originalmappen ber Karvo om en annan mapp.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Bildkomprimering</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Bildfiler</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Endast bilder</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Bilder fungerar redan. För video och ljud behövs: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Nyss</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo kan inte skapa en fil i %@. Välj en annan utdatamapp.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo kunde inte spara bredvid originalet. Välj en mapp för de konverterade filerna.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo hanterar video, ljud och bilder. Andra filer hoppas över.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo körs redan men svarar inte; försök igen om en stund.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo har inte behörighet att läsa den här filen.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo har inte behörighet att skriva i %@. Välj en annan utdatamapp.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo bearbetar filer helt på din dator — ingenting laddas upp.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — Klicka för att öppna; högerklicka för menyn</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Karvos verktygsfönster kunde inte läsas in: %@. Installera om Karvo.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Fortsätt arbeta</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Språk, utseende och snabbdragning.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Läser in förhandsvisning…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Längsta sida</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>MP4-filer · Sparas bredvid originalet</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Konvertering och analys av media är tillgängliga.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Sökväg för utdata saknas</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Tysta</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Tystar</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Bredvid originalfilen</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Inga resultat</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Inget ljudspår</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Ingen mapp vald</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Ingen bild kunde avkodas från den här filen.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Inget videospår</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Det finns inte tillräckligt med minne för att slutföra.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Det finns inte tillräckligt med utrymme i %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Introduktion</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Öppna Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utdata</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Sida %d av %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Pausa förhandsvisningen</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Åtkomst nekad — kontrollera att det går att skriva i mappen.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Åtkomst nekad: källfilen kan inte läsas.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Spela upp förhandsvisningen</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Bevarar fler detaljer med lättare komprimering.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Position i förhandsvisningen</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Integritet</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalitet</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>I kö</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Snabbdragning</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Snabbdragning kunde inte starta. Försök igen.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Demonstration av snabbdragning</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Snabbdragning är av — dra filer till fönstret för att bearbeta dem</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Snabbdragning är på — håll ned ⇧ medan du drar en fil i filhanteraren</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Snabbdragning kräver en X11-session — dra filer till fönstret i stället.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Avsluta Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Släpp — klart!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Släpp och välj sedan en åtgärd</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Ta bort bakgrund</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Ta bort metadata</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Tar bort bakgrund</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Tar bort metadata</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Visa demonstrationen igen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ändra storlek</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Ändra bildstorlek</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Ändrar storlek</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Resultaten sparas bredvid källfilen — originalet skrivs aldrig över.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotera</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Roterar</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Rotationsvinkel</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Spara PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Spara konverterade filer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Segment %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Segmentlängd</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Inställningar…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Skift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Skift + Alt + dra</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Skift + dra</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Tips om kortkommandon</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Visa i mapp</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Visar demonstrationerna av kortkommandon</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidopanel</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hoppa över</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Minsta storlek</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Ögonblicksbild</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Hastighet</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Hastighetsfaktor</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dela upp</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Dela upp video</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Delar upp</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Uppdelning var %@ s skulle ge fler än %d segment. Välj en längre segmentlängd.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Startar snabbdragning…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Stoppa och avsluta</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Stoppa uppgifterna och avsluta?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Kraftigare komprimering; fina detaljer kan gå förlorade.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Filer som stöds (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Tar ögonblicksbild</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Disken rapporterade ett läs- eller skrivfel.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Filen kunde inte öppnas.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>Filen har inget spår som den här åtgärden kan använda.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>Filen har inget videospår.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Filen verkar vara skadad eller är inte en mediefil som stöds.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Filens format eller kodek stöds inte.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Namnet på %@ är inte giltig UTF-8, så Karvo kan inte öppna filen. Byt namn på filen och försök igen.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Originalfilen finns inte längre kvar.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Utdatafilens namn är för långt för %@. Byt namn på källfilen till något kortare.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Utdatafilen är för stor för filsystemet i %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>Bilden är för stor för att sparas som %@: den får ha högst %d megapixel. Ändra storlek först, eller välj JPEG eller PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Den här datorn kan inte spara i formatet %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Den här ffmpeg-versionen saknar kodaren %@. Installera en fullständig version av ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Den här filen passar inte de valda inställningarna.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Den här videon kan inte förhandsvisas.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Verktygsfönster är inte tillgängliga</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Verktyg</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Total längd %@ → %d segment</numerusform>
            <numerusform>Total längd %@ → %d segment</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trimma</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Trimma video</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Trimmar</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Resa.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Oavslutade uppgifter avbryts. Färdiga filer behålls.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Filen stöds inte</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Version %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Videokomprimering</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Videofiler</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Videoförhandsvisning</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Se hur det fungerar</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Välkommen till Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Var konverterade filer sparas.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg avslutades med kod %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg hittades inte. Installera med: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>inga filer angivna</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>ingen utdata skapades</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan kräver en åtgärd och minst en fil</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe kräver minst en fil</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>utdatamappen</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>den skrivna filen är ofullständig</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>okänd åtgärd &apos;%@&apos;; giltiga: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>okänt kommando &apos;%@&apos;; se karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>okänd flagga %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Verktyg</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Format</translation>
    </message>
</context>
</TS>
