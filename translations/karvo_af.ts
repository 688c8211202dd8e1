<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="af" sourcelanguage="en">
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
        <translation>%@ kan nie gelees word nie: toegang geweier. Gaan die lêer se toestemmings na.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>%@ kon nie as media gelees word nie: die lêer is beskadig, onvolledig of nie &apos;n video- of oudiolêer nie.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ geld nie vir %@ nie</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ het geen oudio om te onttrek nie.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ het geen oudio om te demp nie.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ is &apos;n toestel, nie &apos;n medialêer nie.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ is &apos;n vouer, nie &apos;n medialêer nie.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ is &apos;n skakel na &apos;n lêer wat nie meer bestaan nie.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ is &apos;n benoemde pyp, nie &apos;n medialêer nie.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ is leeg (0 grepe).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ is nie &apos;n gewone lêer nie.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ is nie &apos;n videolêer nie.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Die lêerstelsel van %@ is leesalleen. Kies &apos;n ander afvoervouer.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ benodig &apos;n waarde</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ nie gevind nie. Installeer met: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ is nie gevind nie. Die lêer is dalk geskuif, hernoem of geskrap.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Langs die oorspronklike gestoor</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; sien karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%d lêers kon nie verwerk word nie</numerusform>
            <numerusform>%d lêers kon nie verwerk word nie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d min gelede</numerusform>
            <numerusform>%d min gelede</numerusform>
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
        <translation>--angle benodig 90, 180 of 270, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at benodig &apos;n tyd in sekondes, 0 of meer, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge benodig 3840, 1920, 1280 of 800, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end benodig &apos;n tyd na die begintyd</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end benodig &apos;n tyd in sekondes, 0 of meer, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every benodig &apos;n segmentlengte van minstens %@ sekonde, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor benodig &apos;n getal van %@ tot %@, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: vouer bestaan nie</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset geld vir video’s, nie vir die beeld %@ nie; beelde gebruik --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset benodig 0, 1 of 2, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ val buite %@ .. %@; %@ word gebruik</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality geld vir beelde, nie vir die video %@ nie; video’s gebruik --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality benodig &apos;n getal van %@ tot %@, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ is nie &apos;n deel van die beeld nie: X en Y loop van 0 tot 1, W en H van bo 0 tot 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ lê buite die beeld: niks daarvan bly oor nie</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ strek verby die beeld; word bygesny tot %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect benodig X,Y,W,H: die boonste linkerhoek en die grootte as breuke van die beeld, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start benodig &apos;n tyd in sekondes, 0 of meer, nie &apos;%@&apos; nie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Oor</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Oor Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Mik na &apos;n formaat</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Alle funksies</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Ontleed tans video…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Voorkoms</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Pas toe</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Pas toe op %d lêer</numerusform>
            <numerusform>Pas toe op %d lêers</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Aspekverhouding</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Oudio</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Oudiolêers</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Om die agtergrond te verwyder is &apos;n segmenteringsmodel nodig. Plaas &apos;n ONNX-model (.onnx) in %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Gebalanseerd</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Balanseer beeldgehalte en lêergrootte.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselleer</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Kanselleer taak</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Gekanselleer · %d lêer gestoor</numerusform>
            <numerusform>Gekanselleer · %d lêers gestoor</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Kan nie afvoer skep nie: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Kan nie die mediaduur bepaal nie</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Kan nie %@ verwerk nie</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Kan nie beeld lees nie</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Kan nie media lees nie</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Kan nie videorame lees nie</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Kan nie %@ stoor nie: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Kan nie beeld stoor nie</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Verander spoed</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Verander tans spoed</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Gaan lêertoegang na en probeer weer.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Kies vouer</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Kies &apos;n lêer…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Kies &apos;n vouer vir omgeskakelde lêers</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Kies &apos;n medialêer vir “%@”</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Kies &apos;n aksie</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Kies &apos;n eindtyd na die begintyd.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Kies lêers om om te skakel (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Kies…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vee uit</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Vee voltooides uit</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Vee voltooide take uit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Maak toe</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooi</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Voltooi · %d lêer</numerusform>
            <numerusform>Voltooi · %d lêers</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimeer</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Komprimeer beeld</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Komprimeer video</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Komprimeer tans</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Kompressie</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Gaan voort</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Omskakelings</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Skakel om</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Skakel formaat om</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Skakel video, oudio en beelde om direk terwyl jy in die lêerbestuurder sleep — of sommer uit hierdie venster.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Omgeskakelde lêers sal in hierdie vouer gestoor word.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Skakel tans om na %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Skakel tans om…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieer</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Sny by</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Sny video by</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Bysny-area</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Bysnyhoogte</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Bysnywydte</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Sny tans video by</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Eie vouer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knip</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Verstekspoed</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Verstekwaardes vir die bewerkingshulpmiddels.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Verstekwaardes</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Verstekwaardes geld wanneer &apos;n hulpmiddelvenster oopmaak; elke hulpmiddel kan dit steeds per keer aanpas.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Demonstrasie</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Demonstrasie: &apos;n lêer op die venster laat val</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Maak resultaat toe</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Sleep-en-los-omskakelaar vir video, oudio en beelde</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Sleep &apos;n lêer in die lêerbestuurder</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Sleep die lêer na die Karvo-venster</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Sleep die reghoek of sy hoeke om die deel van die beeld te kies wat behou moet word.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Los lêers hier</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Los lêers en kies dan &apos;n aksie</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Duur: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Wysig</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Bewerkingshulpmiddels</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Skakel Quick Drag aan</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Eindtyd</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Elke</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Alles wat die sirkelkieslys kan doen, gegroepeer volgens soort bronlêer.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Kon nie ffmpeg begin nie: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Misluk · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Lêer</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Lêers</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Tyd van die stilbeeld</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Vry</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Versteek die kortpaddemo’s</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Hoë gehalte</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hou</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Hou ⇧ Shift in</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Tuis</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Hoe Karvo jou data hanteer.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>As die oorspronklike vouer nie skryfbaar is nie, vra Karvo eerder vir &apos;n vouer.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Beeldkompressie</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Beeldlêers</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Beelde</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Slegs beelde</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Beelde werk reeds. Video en oudio benodig: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Sopas</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo kan nie &apos;n lêer in %@ skep nie. Kies &apos;n ander afvoervouer.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo kon nie langs die oorspronklike stoor nie. Kies &apos;n vouer vir die omgeskakelde lêers.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo hanteer video, oudio en beelde. Ander lêers word oorgeslaan.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo loop reeds maar reageer nie; probeer binnekort weer.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo mag nie hierdie lêer lees nie.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo mag nie na %@ skryf nie. Kies &apos;n ander afvoervouer.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo verwerk lêers geheel en al op jou rekenaar — niks word opgelaai nie.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — Klik om oop te maak; regsklik vir die kieslys</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Karvo se hulpmiddelvensters kon nie gelaai word nie: %@. Installeer Karvo weer.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Werk voort</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Taal, voorkoms en Quick Drag.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lig</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Laai tans voorskou…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Langste kant</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>MP4-lêers · Langs die oorspronklike gestoor</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Media-omskakeling en -ontleding is beskikbaar.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Afvoerpad ontbreek</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Demp</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Demp tans</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Langs die oorspronklike lêer</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Geen resultate nie</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Geen oudiobaan nie</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Geen vouer gekies nie</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Geen beeld kon uit hierdie lêer gedekodeer word nie.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Geen videobaan nie</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Nie genoeg geheue om klaar te maak nie.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Nie genoeg spasie in %@ nie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Inleiding</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Maak oop</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Maak Karvo oop</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Afvoer</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Bladsy %d van %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plak</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Pouseer voorskou</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Toegang geweier — maak seker dat die vouer skryfbaar is.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Toegang geweier: die bronlêer kan nie gelees word nie.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Speel voorskou</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Behou meer detail met ligter kompressie.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Posisie in voorskou</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privaatheid</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Gehalte</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In tou</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Quick Drag kon nie begin nie. Probeer weer.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Demonstrasie van Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Quick Drag is af — sleep lêers na die venster om hulle te verwerk</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Quick Drag is aan — hou ⇧ in terwyl jy &apos;n lêer in die lêerbestuurder sleep</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Quick Drag benodig &apos;n X11-sessie — sleep eerder lêers na die venster.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Sluit Karvo af</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Herdoen</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Los — klaar!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Los en kies dan &apos;n aksie</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Verwyder agtergrond</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Verwyder metadata</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Verwyder tans agtergrond</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Verwyder tans metadata</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Speel demo weer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Stel terug</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Verander grootte</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Verander beeldgrootte</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Verander tans grootte</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Resultate word langs die bronlêer gestoor — die oorspronklike word nooit oorskryf nie.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Probeer weer</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draai</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Draai tans</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Draaihoek</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Stoor PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Stoor omgeskakelde lêers</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Soek</translation>
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
        <translation>Kies alles</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellings</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Instellings…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + sleep</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + sleep</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Kortpadwenke</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Wys in vouer</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Wys die kortpaddemo’s</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sybalk</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Slaan oor</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Kleinste lêer</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Stilbeeld</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Spoed</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Spoedfaktor</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Verdeel</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Verdeel video</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Verdeel tans</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Verdeling elke %@ s sou meer as %d segmente lewer. Kies &apos;n langer segmentlengte.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Begintyd</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Begin tans Quick Drag…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Stop en sluit af</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Stop take en sluit af?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Sterker kompressie; fyn detail kan verlore gaan.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Ondersteunde lêers (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Stelsel</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Neem tans stilbeeld</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Die skyf het &apos;n lees- of skryffout gerapporteer.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Die lêer kon nie oopgemaak word nie.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>Die lêer het geen baan wat hierdie bewerking kan gebruik nie.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>Die lêer het geen videobaan nie.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Die lêer lyk beskadig of is nie &apos;n ondersteunde medialêer nie.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Die lêer se formaat of kodek word nie ondersteun nie.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Die naam van %@ is nie geldige UTF-8 nie, dus kan Karvo die lêer nie oopmaak nie. Hernoem die lêer en probeer weer.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Die oorspronklike lêer is nie meer daar nie.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Die naam van die afvoerlêer is te lank vir %@. Gee die bronlêer &apos;n korter naam.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Die afvoer is te groot vir die lêerstelsel van %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>Die beeld is te groot om as %@ te stoor: dit mag hoogstens %d megapieksels hê. Verklein dit eers, of kies JPEG of PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Hierdie rekenaar kan nie %@ skryf nie.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Hierdie ffmpeg het geen %@-enkodeerder nie. Installeer &apos;n volledige ffmpeg-weergawe.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Hierdie lêer pas nie by die gekose instellings nie.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Geen voorskou van hierdie video is moontlik nie.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Hulpmiddelvensters nie beskikbaar nie</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Hulpmiddels</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Totale duur %@ → %d segment</numerusform>
            <numerusform>Totale duur %@ → %d segmente</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Snoei</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Snoei video</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Snoei tans</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Reis.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Probeer weer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ontdoen</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Onvoltooide take sal gekanselleer word. Voltooide lêers word behou.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Nie-ondersteunde lêer</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Weergawe %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Weergawe %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Videokompressie</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Videolêers</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Videovoorskou</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video’s</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Sien dit in aksie</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Welkom by Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Waar omgeskakelde lêers gestoor word.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Wydte</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg het met kode %d afgesluit</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg nie gevind nie. Installeer met: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>geen lêers gegee nie</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>geen afvoer is geskep nie</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan benodig &apos;n aksie en minstens een lêer</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe benodig minstens een lêer</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>die afvoervouer</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>die geskrewe lêer is onvolledig</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>onbekende aksie &apos;%@&apos;; geldig is: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>onbekende opdrag &apos;%@&apos;; sien karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>onbekende opsie %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Hulpmiddels</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Formate</translation>
    </message>
</context>
</TS>
