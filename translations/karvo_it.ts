<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d altro</numerusform>
            <numerusform>%@ + altri %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ e altri %d</numerusform>
            <numerusform>%@ e altri %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>Impossibile leggere %@: permesso negato. Controlla i permessi del file.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>Impossibile leggere %@ come file multimediale: è danneggiato, incompleto o non è un file video o audio.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ non si applica a %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ non contiene audio da estrarre.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ non contiene audio da silenziare.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ è un dispositivo, non un file multimediale.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ è una cartella, non un file multimediale.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ è un collegamento a un file che non esiste più.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ è una pipe con nome, non un file multimediale.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ è vuoto (0 byte).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ non è un file normale.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ non è un file video.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>La posizione è di sola lettura (%@). Scegli un&apos;altra cartella di destinazione.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ richiede un valore</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ non trovato. Installalo con: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ non è stato trovato. Potrebbe essere stato spostato, rinominato o eliminato.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Salvataggio accanto all&apos;originale</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; vedi karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>Impossibile elaborare %d file</numerusform>
            <numerusform>Impossibile elaborare %d file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d min fa</numerusform>
            <numerusform>%d min fa</numerusform>
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
        <translation>--angle richiede 90, 180 o 270, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at richiede un tempo in secondi, pari a 0 o più, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge richiede 3840, 1920, 1280 o 800, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end richiede un tempo successivo all&apos;inizio</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end richiede un tempo in secondi, pari a 0 o più, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every richiede una durata dei segmenti di almeno %@ s, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor richiede un numero da %@ a %@, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: cartella inesistente</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset si applica ai video, non all&apos;immagine %@; per le immagini usa --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset richiede 0, 1 o 2, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ è fuori dall&apos;intervallo %@ .. %@; si usa %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality si applica alle immagini, non al video %@; per i video usa --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality richiede un numero da %@ a %@, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ non è una parte dell&apos;immagine: X e Y vanno da 0 a 1, W e H da più di 0 fino a 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ è fuori dall&apos;immagine: non ne resta nulla da conservare</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ esce dall&apos;immagine; ritaglio %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect richiede X,Y,W,H: l&apos;angolo in alto a sinistra e la dimensione come frazioni dell&apos;immagine, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start richiede un tempo in secondi, pari a 0 o più, non &apos;%@&apos;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Informazioni su Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Punta su un formato</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Tutte le funzioni</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Analisi del video…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Applica a %d file</numerusform>
            <numerusform>Applica a %d file</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>La rimozione dello sfondo richiede un modello di segmentazione. Inserisci un modello ONNX (.onnx) in %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrio</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Bilancia qualità visiva e dimensione del file.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Annulla attività</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Annullato · %d file salvato</numerusform>
            <numerusform>Annullato · %d file salvati</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Impossibile creare il file risultante: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Impossibile determinare la durata del file multimediale</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Impossibile elaborare %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Impossibile leggere l&apos;immagine</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Impossibile leggere il file multimediale</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Impossibile leggere i fotogrammi del video</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Impossibile salvare %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Impossibile salvare l&apos;immagine</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Cambia velocità</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Cambio di velocità</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Controlla l&apos;accesso al file e riprova.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Scegli un file…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Scegli una cartella per i file convertiti</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>Scegli un file multimediale per: %@</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Scegli un&apos;azione</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Scegli un punto di fine successivo all&apos;inizio.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Scegli i file da convertire (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Rimuovi concluse</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Rimuovi le attività concluse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Completato · %d file</numerusform>
            <numerusform>Completato · %d file</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimi</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Comprimi immagine</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Comprimi video</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Compressione</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compressione</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversioni</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Converti formato</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Converti video, audio e immagini trascinandoli direttamente dal gestore di file — oppure da questa finestra.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>I file convertiti verranno salvati in questa cartella.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Conversione in %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Conversione…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Ritaglia video</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Area di ritaglio</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Altezza del ritaglio</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Larghezza del ritaglio</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Ritaglio del video</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Cartella personalizzata</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Velocità predefinita</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Valori predefiniti degli strumenti di elaborazione.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Valori predefiniti</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>I valori predefiniti valgono all&apos;apertura di una finestra strumento; ogni strumento può comunque modificarli volta per volta.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Dimostrazione</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Dimostrazione del rilascio di un file sulla finestra</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Chiudi il risultato</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Convertitore a trascinamento per video, audio e immagini</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Trascina un file nel gestore di file</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Trascina il file nella finestra di Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Trascina il rettangolo o i suoi angoli per scegliere la parte dell&apos;immagine da conservare.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Rilascia qui i file</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Rilascia i file, poi scegli un&apos;azione</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Durata: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Strumenti di modifica</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Attiva il trascinamento rapido</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Punto di fine</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Ogni</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Tutto ciò che il menu radiale sa fare, raggruppato per tipo di file di origine.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Impossibile avviare ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Non riuscito · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formati</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Istante del fotogramma</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Libere</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Nasconde le dimostrazioni delle scorciatoie</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Alta qualità</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Tieni premuto</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Tieni premuto ⇧ Maiusc</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Come Karvo tratta i tuoi dati.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Se non è possibile scrivere nella cartella originale, Karvo chiede un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Compressione immagini</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Solo immagini</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Le immagini funzionano già. Per video e audio serve: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo non può creare un file in questa posizione (%@). Scegli un&apos;altra cartella di destinazione.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo non è riuscito a salvare accanto all&apos;originale. Scegli una cartella per i file convertiti.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo gestisce video, audio e immagini. Gli altri file vengono ignorati.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo è già in esecuzione ma non risponde; riprova tra poco.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo non ha il permesso di leggere questo file.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo non ha il permesso di scrivere in %@. Scegli un&apos;altra cartella di destinazione.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo elabora i file interamente sul tuo computer — non viene caricato nulla.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — Clic per aprire; clic destro per il menu</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Impossibile caricare le finestre degli strumenti di Karvo: %@. Reinstalla Karvo.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Continua a lavorare</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Lingua, aspetto e trascinamento rapido.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Caricamento dell&apos;anteprima…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Lato più lungo</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>File MP4 · Salvataggio accanto all&apos;originale</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>Conversione e analisi dei file multimediali disponibili.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Percorso di destinazione mancante</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenzia</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Rimozione dell&apos;audio</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Accanto al file originale</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Nessuna traccia audio</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Nessuna cartella selezionata</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Impossibile decodificare un&apos;immagine da questo file.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Nessuna traccia video</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Spazio su disco insufficiente (%@).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Introduzione</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Apri Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Pagina %d di %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Metti in pausa l&apos;anteprima</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Permesso negato — controlla che sia possibile scrivere nella cartella.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Permesso negato: impossibile leggere il file di origine.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Riproduci l&apos;anteprima</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Conserva più dettagli con una compressione più leggera.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Posizione dell&apos;anteprima</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In coda</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Trascinamento rapido</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Impossibile avviare il trascinamento rapido. Riprova.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Dimostrazione del trascinamento rapido</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Il trascinamento rapido è disattivato — trascina i file nella finestra per elaborarli</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Il trascinamento rapido è attivo — tieni premuto ⇧ mentre trascini un file nel gestore di file</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Il trascinamento rapido richiede una sessione X11 — trascina invece i file nella finestra.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Esci da Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Rilascia — fatto!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Rilascia, poi scegli un&apos;azione</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Rimuovi sfondo</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Rimuovi metadati</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Rimozione dello sfondo</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Rimozione dei metadati</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Rivedi la dimostrazione</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Ridimensiona immagine</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Ridimensionamento</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>I risultati vengono salvati accanto al file di origine — l&apos;originale non viene mai sovrascritto.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Angolo di rotazione</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Salva PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Salva i file convertiti</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Segmento %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Durata dei segmenti</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Maiusc + Alt + trascina</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Maiusc + trascina</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Suggerimenti sulle scorciatoie</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Mostra le dimostrazioni delle scorciatoie</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra laterale</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Dimensione minima</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Fattore di velocità</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Dividi video</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Dividere ogni %@ s produrrebbe più di %d segmenti. Scegli una durata dei segmenti maggiore.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Punto di inizio</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Avvio del trascinamento rapido…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Interrompi ed esci</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Interrompere le attività e uscire?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Compressione più forte; i dettagli più fini possono andare persi.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>File supportati (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Acquisizione dell&apos;istantanea</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Il disco ha segnalato un errore di lettura o scrittura.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>Il file non ha tracce utilizzabili per questa operazione.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>Il file non ha una traccia video.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Il file sembra danneggiato o non è un file multimediale supportato.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Il formato o il codec del file non è supportato.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Il nome di %@ non è UTF-8 valido, quindi Karvo non può aprirlo. Rinomina il file e riprova.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Il file originale non c&apos;è più.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Il nome del file risultante è troppo lungo per il file system (%@). Assegna al file di origine un nome più corto.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Il file risultante è troppo grande per il file system (%@).</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>L&apos;immagine è troppo grande per essere salvata come %@: può avere al massimo %d megapixel. Ridimensionala prima, oppure scegli JPEG o PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Questo computer non può salvare nel formato %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Questo ffmpeg non include l&apos;encoder %@. Installa una versione completa di ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Questo file non è compatibile con le impostazioni scelte.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Impossibile mostrare l&apos;anteprima di questo video.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Finestre degli strumenti non disponibili</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Durata totale %@ → %d segmento</numerusform>
            <numerusform>Durata totale %@ → %d segmenti</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Taglia video</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Taglio</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Viaggio.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Le attività non concluse verranno annullate. I file completati verranno conservati.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>File non supportato</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versione %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Versione %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Compressione video</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>File video</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Anteprima video</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Guardalo in azione</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Ti diamo il benvenuto in Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Dove vengono salvati i file convertiti.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg è terminato con il codice %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg non trovato. Installalo con: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>nessun file indicato</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>non è stato prodotto alcun file</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan richiede un&apos;azione e almeno un file</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe richiede almeno un file</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>cartella di destinazione</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>il file scritto è incompleto</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>azione sconosciuta &apos;%@&apos;; valori ammessi: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>comando sconosciuto &apos;%@&apos;; vedi karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>opzione sconosciuta %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Strumenti</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Formati</translation>
    </message>
</context>
</TS>
