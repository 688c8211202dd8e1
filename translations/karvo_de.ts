<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d weitere</numerusform>
            <numerusform>%@ + %d weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ und %d weitere</numerusform>
            <numerusform>%@ und %d weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>%@ kann nicht gelesen werden: Zugriff verweigert. Prüfen Sie die Zugriffsrechte der Datei.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>%@ konnte nicht als Mediendatei gelesen werden: Die Datei ist beschädigt, unvollständig oder keine Video- oder Audiodatei.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ gilt nicht für %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ enthält keinen Ton, der extrahiert werden kann.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ enthält keinen Ton, der stummgeschaltet werden kann.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ ist ein Gerät, keine Mediendatei.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ ist ein Ordner, keine Mediendatei.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ ist eine Verknüpfung zu einer Datei, die nicht mehr existiert.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ ist eine benannte Pipe, keine Mediendatei.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ ist leer (0 Byte).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ ist keine Videodatei.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Das Dateisystem von %@ ist schreibgeschützt. Wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ braucht einen Wert</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ nicht gefunden. Installieren mit: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ wurde nicht gefunden. Die Datei wurde möglicherweise verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Neben dem Original gespeichert</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; siehe karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%d Dateien konnten nicht verarbeitet werden</numerusform>
            <numerusform>%d Dateien konnten nicht verarbeitet werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>vor %d Min.</numerusform>
            <numerusform>vor %d Min.</numerusform>
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
        <translation>--angle braucht 90, 180 oder 270, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at braucht eine Zeit in Sekunden, 0 oder mehr, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge braucht 3840, 1920, 1280 oder 800, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end braucht eine Zeit nach der Startzeit</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end braucht eine Zeit in Sekunden, 0 oder mehr, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every braucht eine Segmentlänge von mindestens %@ Sekunde, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor braucht eine Zahl von %@ bis %@, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: Ordner existiert nicht</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset gilt für Videos, nicht für das Bild %@; für Bilder gibt es --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset braucht 0, 1 oder 2, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ liegt außerhalb von %@ .. %@; verwendet wird %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality gilt für Bilder, nicht für das Video %@; für Videos gibt es --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality braucht eine Zahl von %@ bis %@, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ ist kein Teil des Bildes: X und Y reichen von 0 bis 1, W und H von über 0 bis 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ liegt außerhalb des Bildes: Davon bleibt nichts übrig</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ ragt über das Bild hinaus; zugeschnitten wird auf %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect braucht X,Y,W,H: die linke obere Ecke und die Größe als Anteile des Bildes, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start braucht eine Zeit in Sekunden, 0 oder mehr, nicht &apos;%@&apos;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Über Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Auf ein Format zielen</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Alle Funktionen</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Video wird analysiert…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Auf %d Datei anwenden</numerusform>
            <numerusform>Auf %d Dateien anwenden</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Zum Entfernen des Hintergrunds wird ein Segmentierungsmodell benötigt. Legen Sie ein ONNX-Modell (.onnx) in %@ ab.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Ausgewogen</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Ausgewogenes Verhältnis von Bildqualität und Dateigröße.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Aufgabe abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Abgebrochen · %d Datei gespeichert</numerusform>
            <numerusform>Abgebrochen · %d Dateien gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Ausgabe kann nicht erstellt werden: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Mediendauer kann nicht ermittelt werden</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>%@ kann nicht verarbeitet werden</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Bild kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Mediendatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Videobilder können nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>%@ kann nicht gespeichert werden: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Bild kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Geschwindigkeit ändern</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Geschwindigkeit wird geändert</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Prüfen Sie den Dateizugriff und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Datei auswählen…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Ordner für konvertierte Dateien auswählen</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Mediendatei für „%@“ auswählen</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Aktion wählen</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Wählen Sie eine Endzeit nach der Startzeit.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Dateien zum Konvertieren auswählen (Strg+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Erledigte entfernen</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Erledigte Aufgaben entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Abgeschlossen · %d Datei</numerusform>
            <numerusform>Abgeschlossen · %d Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Bild komprimieren</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Video komprimieren</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Wird komprimiert</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Komprimierung</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Konvertierungen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Format konvertieren</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Konvertieren Sie Videos, Audio und Bilder direkt beim Ziehen im Dateimanager – oder einfach in diesem Fenster.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Konvertierte Dateien werden in diesem Ordner gespeichert.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Wird in %@ konvertiert</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Wird konvertiert…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Video zuschneiden</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Zuschneidebereich</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Höhe des Zuschnitts</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Breite des Zuschnitts</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Video wird zugeschnitten</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Eigener Ordner</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Standardgeschwindigkeit</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Standardwerte für die Bearbeitungswerkzeuge.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Standardwerte gelten beim Öffnen eines Werkzeugfensters; in jedem Werkzeug lassen sie sich pro Durchgang noch anpassen.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Vorführung</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Vorführung: Datei im Fenster ablegen</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Ergebnis ausblenden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Konverter für Video, Audio und Bilder per Drag &amp; Drop</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Eine Datei im Dateimanager ziehen</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Die Datei in das Karvo-Fenster ziehen</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Ziehen Sie das Rechteck oder seine Ecken, um den Teil des Bildes zu wählen, der erhalten bleibt.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Dateien hier ablegen</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Dateien ablegen, dann eine Aktion wählen</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Dauer: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Bearbeitungswerkzeuge</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Quick Drag aktivieren</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Alles, was das Kreismenü kann, nach Art der Quelldatei gruppiert.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>ffmpeg konnte nicht gestartet werden: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Fehlgeschlagen · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Zeitpunkt des Standbilds</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Los geht’s</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Blendet die Kürzel-Demos aus</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>⇧ Shift gedrückt halten</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Wie Karvo mit Ihren Daten umgeht.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Ist der Ordner des Originals nicht beschreibbar, fragt Karvo stattdessen nach einem Ordner.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Bildkomprimierung</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Nur Bilder</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Bilder funktionieren bereits. Für Video und Audio wird benötigt: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Gerade eben</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo kann in %@ keine Datei anlegen. Wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo konnte nicht neben dem Original speichern. Wählen Sie einen Ordner für die konvertierten Dateien.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo verarbeitet Video, Audio und Bilder. Andere Dateien werden übersprungen.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo läuft bereits, reagiert aber nicht; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo darf diese Datei nicht lesen.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo darf nicht in %@ schreiben. Wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo verarbeitet Dateien ausschließlich auf Ihrem Computer – nichts wird hochgeladen.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo – Klicken zum Öffnen, Rechtsklick für das Menü</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Die Werkzeugfenster von Karvo konnten nicht geladen werden: %@. Installieren Sie Karvo neu.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Weiterarbeiten</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Sprache, Erscheinungsbild und Quick Drag.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Vorschau wird geladen…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Längste Kante</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>MP4-Dateien · Neben dem Original gespeichert</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Medienkonvertierung und -analyse sind verfügbar.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Ausgabepfad fehlt</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stummschalten</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Wird stummgeschaltet</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Neben der Originaldatei</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Keine Ergebnisse</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Keine Tonspur</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Kein Ordner ausgewählt</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Aus dieser Datei konnte kein Bild dekodiert werden.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Keine Videospur</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Nicht genügend Arbeitsspeicher, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Nicht genügend Speicherplatz in %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Karvo öffnen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Seite %d von %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Vorschau anhalten</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Zugriff verweigert – prüfen Sie, ob der Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Zugriff verweigert: Die Quelldatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Vorschau abspielen</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Erhält mehr Details durch schwächere Komprimierung.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Vorschauposition</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In Warteschlange</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Quick Drag konnte nicht gestartet werden. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Vorführung von Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Quick Drag ist aus – ziehen Sie Dateien in das Fenster, um sie zu verarbeiten</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Quick Drag ist an – halten Sie ⇧ gedrückt, während Sie eine Datei im Dateimanager ziehen</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Quick Drag benötigt eine X11-Sitzung – ziehen Sie Dateien stattdessen in das Fenster.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Karvo beenden</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Loslassen – fertig!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Loslassen, dann eine Aktion wählen</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Hintergrund entfernen</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Metadaten entfernen</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Hintergrund wird entfernt</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Metadaten werden entfernt</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Demo erneut abspielen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Bildgröße ändern</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Größe wird geändert</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Ergebnisse werden neben der Quelldatei gespeichert – das Original wird nie überschrieben.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Wird gedreht</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Drehwinkel</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>PNG speichern</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Konvertierte Dateien speichern</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Segment %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Segmentlänge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + Ziehen</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + Ziehen</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Kürzel-Tipps</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Zeigt die Kürzel-Demos an</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Kleinste Größe</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Geschwindigkeitsfaktor</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Aufteilen</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Video aufteilen</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Wird aufgeteilt</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Eine Aufteilung alle %@ s ergäbe mehr als %d Segmente. Wählen Sie eine größere Segmentlänge.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Quick Drag wird gestartet…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Stoppen und beenden</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Aufgaben stoppen und beenden?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Stärkere Komprimierung; feine Details können verloren gehen.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Unterstützte Dateien (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Standbild wird erstellt</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Der Datenträger meldete einen Lese- oder Schreibfehler.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>Die Datei enthält keine Spur, die dieser Vorgang verwenden kann.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>Die Datei enthält keine Videospur.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Die Datei scheint beschädigt oder keine unterstützte Mediendatei zu sein.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Das Format oder der Codec der Datei wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Der Name von %@ ist kein gültiges UTF-8, daher kann Karvo die Datei nicht öffnen. Benennen Sie die Datei um und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Die Originaldatei ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Der Name der Ausgabedatei ist in %@ zu lang. Geben Sie der Quelldatei einen kürzeren Namen.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Die Ausgabe ist zu groß für das Dateisystem von %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>Das Bild ist zu groß, um es als %@ zu speichern: Es darf höchstens %d Megapixel haben. Verkleinern Sie es zuerst oder wählen Sie JPEG oder PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Dieser Computer kann kein %@ schreiben.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Dieses ffmpeg hat keinen %@-Encoder. Installieren Sie eine vollständige ffmpeg-Version.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Diese Datei passt nicht zu den gewählten Einstellungen.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Für dieses Video ist keine Vorschau möglich.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Werkzeugfenster nicht verfügbar</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Gesamtdauer %@ → %d Segment</numerusform>
            <numerusform>Gesamtdauer %@ → %d Segmente</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Kürzen</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Video kürzen</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Wird gekürzt</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Reise.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Nicht abgeschlossene Aufgaben werden abgebrochen. Fertige Dateien bleiben erhalten.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Nicht unterstützte Datei</translation>
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
        <translation>Videokomprimierung</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Videodateien</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Videovorschau</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>So funktioniert es</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Willkommen bei Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Wo konvertierte Dateien gespeichert werden.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg wurde mit Code %d beendet</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg nicht gefunden. Installieren mit: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>keine Dateien angegeben</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>es wurde keine Ausgabe erzeugt</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan braucht eine Aktion und mindestens eine Datei</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe braucht mindestens eine Datei</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>dem Ausgabeordner</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>die geschriebene Datei ist unvollständig</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>unbekannte Aktion &apos;%@&apos;; gültig sind: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>unbekannter Befehl &apos;%@&apos;; siehe karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>unbekannte Option %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Werkzeuge</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Formate</translation>
    </message>
</context>
</TS>
