<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + nog %d</numerusform>
            <numerusform>%@ + nog %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ en nog %d</numerusform>
            <numerusform>%@ en nog %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>%@ kan niet worden gelezen: toegang geweigerd. Controleer de bestandsrechten.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>%@ kon niet als media worden gelezen: het bestand is beschadigd, onvolledig of geen video- of audiobestand.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ geldt niet voor %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ bevat geen audio om te extraheren.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ bevat geen audio om te dempen.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ is een apparaat, geen mediabestand.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ is een map, geen mediabestand.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ is een koppeling naar een bestand dat niet meer bestaat.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ is een named pipe, geen mediabestand.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ is leeg (0 bytes).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ is geen videobestand.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Het bestandssysteem van %@ is alleen-lezen. Kies een andere uitvoermap.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ vereist een waarde</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ niet gevonden. Installeren met: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ is niet gevonden. Het bestand is mogelijk verplaatst, hernoemd of verwijderd.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Opgeslagen naast het origineel</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; zie karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%d bestanden konden niet worden verwerkt</numerusform>
            <numerusform>%d bestanden konden niet worden verwerkt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d min geleden</numerusform>
            <numerusform>%d min geleden</numerusform>
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
        <translation>--angle vereist 90, 180 of 270, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at vereist een tijd in seconden, 0 of meer, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge vereist 3840, 1920, 1280 of 800, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end vereist een tijd na de begintijd</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end vereist een tijd in seconden, 0 of meer, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every vereist een segmentlengte van minstens %@ seconde, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor vereist een getal van %@ tot %@, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: map bestaat niet</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset geldt voor video’s, niet voor de afbeelding %@; afbeeldingen gebruiken --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset vereist 0, 1 of 2, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ valt buiten %@ .. %@; %@ wordt gebruikt</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality geldt voor afbeeldingen, niet voor de video %@; video’s gebruiken --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality vereist een getal van %@ tot %@, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ is geen deel van het beeld: X en Y lopen van 0 tot 1, W en H van boven 0 tot 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ ligt buiten het beeld: er blijft niets van over</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ steekt buiten het beeld uit; er wordt bijgesneden op %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect vereist X,Y,W,H: de linkerbovenhoek en de grootte als fracties van het beeld, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start vereist een tijd in seconden, 0 of meer, niet &apos;%@&apos;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Over Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Richt op een formaat</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Alle functies</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Video analyseren…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Toepassen op %d bestand</numerusform>
            <numerusform>Toepassen op %d bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Beeldverhouding</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Audiobestanden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Voor het verwijderen van de achtergrond is een segmentatiemodel nodig. Plaats een ONNX-model (.onnx) in %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Gebalanceerd</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Evenwicht tussen beeldkwaliteit en bestandsgrootte.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Taak annuleren</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Geannuleerd · %d bestand opgeslagen</numerusform>
            <numerusform>Geannuleerd · %d bestanden opgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Kan uitvoer niet aanmaken: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Kan de duur van de media niet bepalen</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Kan %@ niet verwerken</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Kan afbeelding niet lezen</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Kan media niet lezen</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Kan videoframes niet lezen</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Kan %@ niet opslaan: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Kan afbeelding niet opslaan</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Snelheid wijzigen</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Snelheid wijzigen</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Controleer de toegang tot het bestand en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Map kiezen</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Kies een bestand…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Kies een map voor geconverteerde bestanden</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Kies een mediabestand voor “%@”</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Kies een actie</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Kies een eindtijd na de begintijd.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Kies bestanden om te converteren (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Kiezen…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Voltooide wissen</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Voltooide taken wissen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Voltooid · %d bestand</numerusform>
            <numerusform>Voltooid · %d bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimeren</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Afbeelding comprimeren</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Video comprimeren</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Comprimeren</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compressie</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversies</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converteren</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Formaat converteren</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Converteer video, audio en afbeeldingen direct tijdens het slepen in de bestandsbeheerder — of gewoon vanuit dit venster.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Geconverteerde bestanden worden in deze map opgeslagen.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Converteren naar %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Converteren…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Bijsnijden</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Video bijsnijden</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Bijsnijgebied</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Bijsnijhoogte</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Bijsnijbreedte</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Video bijsnijden</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Aangepaste map</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Standaardsnelheid</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Standaardwaarden voor de bewerkingshulpmiddelen.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standaardwaarden</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Standaardwaarden gelden zodra een hulpmiddelvenster opent; elk hulpmiddel kan ze per keer nog aanpassen.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Demonstratie</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Demonstratie: een bestand op het venster neerzetten</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Resultaat sluiten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Converter voor video, audio en afbeeldingen met slepen en neerzetten</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Sleep een bestand in de bestandsbeheerder</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Sleep het bestand naar het Karvo-venster</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Sleep de rechthoek of de hoeken ervan om het deel van het beeld te kiezen dat u wilt behouden.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Zet bestanden hier neer</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Zet bestanden neer en kies dan een actie</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Duur: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Bewerkingshulpmiddelen</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Quick Drag inschakelen</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Elke</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Alles wat het cirkelmenu kan, gegroepeerd per soort bronbestand.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Kan ffmpeg niet starten: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Mislukt · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formaten</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Tijdstip van de momentopname</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Aan de slag</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Verbergt de sneltoetsdemo’s</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Hoge kwaliteit</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Houd</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Houd ⇧ Shift ingedrukt</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Hoe Karvo met uw gegevens omgaat.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Als de oorspronkelijke map niet beschrijfbaar is, vraagt Karvo in plaats daarvan om een map.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Afbeeldingscompressie</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Afbeeldingsbestanden</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Alleen afbeeldingen</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Afbeeldingen werken al. Voor video en audio is nodig: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Zojuist</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo kan geen bestand aanmaken in %@. Kies een andere uitvoermap.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo kon niet naast het origineel opslaan. Kies een map voor de geconverteerde bestanden.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo verwerkt video, audio en afbeeldingen. Andere bestanden worden overgeslagen.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo draait al maar reageert niet; probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo mag dit bestand niet lezen.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo mag niet schrijven naar %@. Kies een andere uitvoermap.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo verwerkt bestanden volledig op uw computer — er wordt niets geüpload.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — Klik om te openen; rechtsklik voor het menu</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>De hulpmiddelvensters van Karvo konden niet worden geladen: %@. Installeer Karvo opnieuw.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Doorwerken</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Taal, weergave en Quick Drag.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Voorbeeld laden…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Langste zijde</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>MP4-bestanden · Opgeslagen naast het origineel</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Mediaconversie en -analyse zijn beschikbaar.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Uitvoerpad ontbreekt</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Dempen</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Dempen</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Naast het originele bestand</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Geen resultaten</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Geen audiospoor</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Geen map geselecteerd</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Uit dit bestand kon geen beeld worden gedecodeerd.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Geen videospoor</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Niet genoeg geheugen om te voltooien.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Niet genoeg ruimte in %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Introductie</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Karvo openen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uitvoer</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Pagina %d van %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Voorbeeld pauzeren</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Toegang geweigerd — controleer of de map beschrijfbaar is.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Toegang geweigerd: het bronbestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Voorbeeld afspelen</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Behoudt meer detail met lichtere compressie.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Positie in voorbeeld</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kwaliteit</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In wachtrij</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Quick Drag kon niet starten. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Demonstratie van Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Quick Drag staat uit — sleep bestanden naar het venster om ze te verwerken</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Quick Drag staat aan — houd ⇧ ingedrukt terwijl u een bestand in de bestandsbeheerder sleept</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Quick Drag vereist een X11-sessie — sleep bestanden in plaats daarvan naar het venster.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Karvo afsluiten</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Loslaten — klaar!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Loslaten en dan een actie kiezen</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Achtergrond verwijderen</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Metadata verwijderen</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Achtergrond verwijderen</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Metadata verwijderen</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Demo opnieuw afspelen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Formaat wijzigen</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Afbeeldingsformaat wijzigen</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Formaat wijzigen</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Resultaten worden naast het bronbestand opgeslagen — het origineel wordt nooit overschreven.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Draaihoek</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>PNG opslaan</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Geconverteerde bestanden opslaan</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Segment %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Segmentlengte</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Instellingen…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + slepen</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + slepen</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Sneltoetstips</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Tonen in map</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Toont de sneltoetsdemo’s</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Zijbalk</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Kleinste bestand</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Momentopname</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Snelheidsfactor</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Splitsen</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Video splitsen</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Splitsen</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Splitsen om de %@ s zou meer dan %d segmenten opleveren. Kies een langere segmentlengte.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Quick Drag starten…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Stoppen en afsluiten</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Taken stoppen en afsluiten?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Sterkere compressie; fijne details kunnen verloren gaan.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Ondersteunde bestanden (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Momentopname maken</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>De schijf meldde een lees- of schrijffout.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Het bestand kon niet worden geopend.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>Het bestand heeft geen spoor dat deze bewerking kan gebruiken.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>Het bestand heeft geen videospoor.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Het bestand lijkt beschadigd of is geen ondersteund mediabestand.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Het formaat of de codec van het bestand wordt niet ondersteund.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>De naam van %@ is geen geldige UTF-8, dus Karvo kan het bestand niet openen. Hernoem het bestand en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Het originele bestand is er niet meer.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>De naam van het uitvoerbestand is te lang voor %@. Geef het bronbestand een kortere naam.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>De uitvoer is te groot voor het bestandssysteem van %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>De afbeelding is te groot om als %@ op te slaan: ze mag hoogstens %d megapixels hebben. Verklein de afbeelding eerst of kies JPEG of PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Deze computer kan geen %@ schrijven.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Deze ffmpeg heeft geen %@-encoder. Installeer een volledige ffmpeg-versie.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Dit bestand past niet bij de gekozen instellingen.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Van deze video kan geen voorbeeld worden getoond.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Hulpmiddelvensters niet beschikbaar</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Hulpmiddelen</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Totale duur %@ → %d segment</numerusform>
            <numerusform>Totale duur %@ → %d segmenten</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Inkorten</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Video inkorten</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Inkorten</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Reis.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Onvoltooide taken worden geannuleerd. Voltooide bestanden blijven bewaard.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Niet-ondersteund bestand</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versie %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Versie %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Videocompressie</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Videobestanden</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Videovoorbeeld</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video’s</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Bekijk het in actie</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Welkom bij Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Waar geconverteerde bestanden worden opgeslagen.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg is gestopt met code %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg niet gevonden. Installeren met: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>geen bestanden opgegeven</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>er is geen uitvoer gemaakt</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan vereist een actie en minstens één bestand</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe vereist minstens één bestand</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>de uitvoermap</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>het geschreven bestand is onvolledig</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>onbekende actie &apos;%@&apos;; geldig zijn: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>onbekende opdracht &apos;%@&apos;; zie karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>onbekende optie %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Hulpmiddelen</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Formaten</translation>
    </message>
</context>
</TS>
