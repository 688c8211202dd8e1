<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d autre</numerusform>
            <numerusform>%@ + %d autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ et %d de plus</numerusform>
            <numerusform>%@ et %d de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>Impossible de lire %@ : permission refusée. Vérifiez les permissions du fichier.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>Impossible de lire %@ comme fichier multimédia : il est endommagé, incomplet, ou ce n&apos;est pas un fichier vidéo ou audio.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ ne s&apos;applique pas à %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ ne contient pas d&apos;audio à extraire.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ ne contient pas d&apos;audio à couper.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ est un périphérique, pas un fichier multimédia.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ est un dossier, pas un fichier multimédia.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ est un lien vers un fichier qui n&apos;existe plus.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ est un tube nommé, pas un fichier multimédia.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ est vide (0 octet).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ n&apos;est pas un fichier vidéo.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Écriture impossible : %@ est en lecture seule. Choisissez un autre dossier de sortie.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ attend une valeur</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ introuvable. Pour l&apos;installer : %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ est introuvable. Il a peut-être été déplacé, renommé ou supprimé.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Enregistré à côté de l&apos;original</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@ : %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@ ; voir karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%d fichiers n&apos;ont pas pu être traités</numerusform>
            <numerusform>%d fichiers n&apos;ont pas pu être traités</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>il y a %d min</numerusform>
            <numerusform>il y a %d min</numerusform>
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
        <translation>--angle attend 90, 180 ou 270, et non « %@ »</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at attend un temps en secondes, 0 ou plus, et non « %@ »</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge attend 3840, 1920, 1280 ou 800, et non « %@ »</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end attend un temps postérieur au début</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end attend un temps en secondes, 0 ou plus, et non « %@ »</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every attend une durée de segment d&apos;au moins %@ seconde, et non « %@ »</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor attend un nombre de %@ à %@, et non « %@ »</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@ : dossier inexistant</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset s&apos;applique aux vidéos, pas à l&apos;image %@ ; pour les images, utilisez --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset attend 0, 1 ou 2, et non « %@ »</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ est hors de la plage %@ .. %@ ; utilisation de %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality s&apos;applique aux images, pas à la vidéo %@ ; pour les vidéos, utilisez --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality attend un nombre de %@ à %@, et non « %@ »</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ n&apos;est pas une partie de l&apos;image : X et Y vont de 0 à 1, W et H de plus de 0 à 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ est en dehors de l&apos;image : il n&apos;en reste rien à conserver</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ dépasse de l&apos;image ; recadrage à %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect attend X,Y,W,H : le coin supérieur gauche et la taille en fractions de l&apos;image, et non « %@ »</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start attend un temps en secondes, 0 ou plus, et non « %@ »</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>À propos de Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Visez un format</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Toutes les fonctions</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Analyse de la vidéo…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Appliquer à %d fichier</numerusform>
            <numerusform>Appliquer à %d fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Proportions</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Fichiers audio</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>La suppression du fond nécessite un modèle de segmentation. Placez un modèle ONNX (.onnx) dans %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Équilibré</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Équilibre la qualité visuelle et la taille du fichier.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Annuler la tâche</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Annulé · %d fichier enregistré</numerusform>
            <numerusform>Annulé · %d fichiers enregistrés</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Impossible de créer la sortie : %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Impossible de déterminer la durée du fichier multimédia</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Impossible de traiter %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Impossible de lire l&apos;image</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Impossible de lire le fichier multimédia</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Impossible de lire les images de la vidéo</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Impossible d&apos;enregistrer %@ : %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Impossible d&apos;enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Modifier la vitesse</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Changement de vitesse</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Vérifiez l&apos;accès au fichier et réessayez.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Choisir un fichier…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Choisir un dossier pour les fichiers convertis</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>%@ : choisir un fichier multimédia</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Choisissez une action</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Choisissez une fin postérieure au début.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Choisir des fichiers à convertir (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Effacer les terminées</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Effacer les tâches terminées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Terminé · %d fichier</numerusform>
            <numerusform>Terminé · %d fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Compresser l&apos;image</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Compresser la vidéo</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversions</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Convertir le format</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Convertissez vidéos, audio et images d&apos;un simple glisser depuis le gestionnaire de fichiers — ou directement depuis cette fenêtre.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Les fichiers convertis seront enregistrés dans ce dossier.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Conversion en %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Conversion en cours…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Recadrer la vidéo</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Zone de recadrage</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Hauteur du recadrage</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Largeur du recadrage</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Recadrage de la vidéo</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Dossier personnalisé</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Vitesse par défaut</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Valeurs par défaut des outils de traitement.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Les valeurs par défaut s&apos;appliquent à l&apos;ouverture d&apos;une fenêtre d&apos;outil ; chaque outil reste réglable à chaque utilisation.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Démonstration</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Démonstration du dépôt d&apos;un fichier sur la fenêtre</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Retirer le résultat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Convertisseur par glisser-déposer pour vidéos, audio et images</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Glissez un fichier dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Glissez le fichier dans la fenêtre de Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Faites glisser le rectangle ou ses coins pour choisir la partie de l&apos;image à conserver.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Déposez des fichiers ici</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Déposez des fichiers, puis choisissez une action</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Durée : %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Outils d&apos;édition</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Activer Quick Drag</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Position de fin</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Tout ce que permet le menu circulaire, classé par type de fichier source.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Impossible de lancer ffmpeg : %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Échec · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Position de l&apos;image</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Masque les démonstrations des raccourcis</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Haute qualité</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Maintenez</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Maintenez ⇧ Maj</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Comment Karvo traite vos données.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Si le dossier d&apos;origine n&apos;est pas accessible en écriture, Karvo demande un autre dossier.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Compression d&apos;image</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Images seulement</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Les images fonctionnent déjà. Pour la vidéo et l&apos;audio : %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>À l&apos;instant</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo ne peut pas créer de fichier dans %@. Choisissez un autre dossier de sortie.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo n&apos;a pas pu enregistrer à côté de l&apos;original. Choisissez un dossier pour les fichiers convertis.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo traite les vidéos, l&apos;audio et les images. Les autres fichiers sont ignorés.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo est déjà lancé mais ne répond pas ; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo n&apos;est pas autorisé à lire ce fichier.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo n&apos;est pas autorisé à écrire dans %@. Choisissez un autre dossier de sortie.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo traite les fichiers entièrement sur votre ordinateur — rien n&apos;est envoyé en ligne.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — Cliquez pour ouvrir ; clic droit pour le menu</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Les fenêtres d&apos;outils de Karvo n&apos;ont pas pu être chargées : %@. Réinstallez Karvo.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Continuer le travail</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Langue, apparence et Quick Drag.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Chargement de l&apos;aperçu…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Côté le plus long</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>Fichiers MP4 · Enregistrés à côté de l&apos;original</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>La conversion et l&apos;analyse multimédia sont disponibles.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Chemin de sortie manquant</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Coupure du son</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>À côté du fichier d&apos;origine</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Aucune piste audio</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Aucun dossier sélectionné</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Aucune image n&apos;a pu être décodée dans ce fichier.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Aucune piste vidéo</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Mémoire insuffisante pour terminer.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Espace insuffisant dans %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Prise en main</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Ouvrir Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Page %d sur %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Mettre l&apos;aperçu en pause</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Permission refusée — vérifiez que le dossier est accessible en écriture.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Permission refusée : impossible de lire le fichier source.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Lire l&apos;aperçu</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Préserve davantage de détails grâce à une compression plus légère.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Position de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Quick Drag n&apos;a pas pu démarrer. Réessayez.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Démonstration de Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Quick Drag est désactivé — glissez des fichiers dans la fenêtre pour les traiter</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Quick Drag est activé — maintenez ⇧ en glissant un fichier dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Quick Drag nécessite une session X11 — glissez plutôt les fichiers dans la fenêtre.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Quitter Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Relâchez — c&apos;est fait !</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Relâchez, puis choisissez une action</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Supprimer le fond</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Suppr. métadonnées</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Suppression du fond</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Suppression des métadonnées</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Revoir la démonstration</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Redimensionner l&apos;image</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Redimensionnement</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Les résultats sont enregistrés à côté du fichier source — sans jamais écraser l&apos;original.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Faire pivoter</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Angle de rotation</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Enregistrer en PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Enregistrer les fichiers convertis</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Segment %d/%d : %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Durée des segments</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Maj + Alt + Glisser</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Maj + Glisser</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Astuces de raccourcis</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Affiche les démonstrations des raccourcis</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barre latérale</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Taille minimale</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Instantané</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Facteur de vitesse</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Diviser la vidéo</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Diviser toutes les %@ s donnerait plus de %d segments. Choisissez une durée de segment plus longue.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Position de début</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Démarrage de Quick Drag…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Arrêter les tâches et quitter ?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Compression plus forte ; des détails fins peuvent être perdus.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Fichiers pris en charge (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Prise de l&apos;instantané</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>Le disque a signalé une erreur de lecture ou d&apos;écriture.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>Le fichier ne contient aucune piste utilisable par cette opération.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>Le fichier ne contient aucune piste vidéo.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>Le fichier semble endommagé ou n&apos;est pas un fichier multimédia pris en charge.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>Le format ou le codec du fichier n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>Le nom de %@ n&apos;est pas en UTF-8 valide, Karvo ne peut donc pas l&apos;ouvrir. Renommez le fichier et réessayez.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>Le fichier d&apos;origine n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>Le nom du fichier de sortie est trop long pour %@. Donnez un nom plus court au fichier source.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>Le fichier de sortie est trop volumineux pour le système de fichiers contenant %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>L&apos;image est trop grande pour être enregistrée en %@ : ce format accepte au plus %d mégapixels. Redimensionnez-la d&apos;abord, ou choisissez JPEG ou PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Cet ordinateur ne peut pas écrire au format %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Cette version de ffmpeg n&apos;a pas d&apos;encodeur %@. Installez une version complète de ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Ce fichier ne convient pas aux réglages choisis.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Impossible d&apos;afficher l&apos;aperçu de cette vidéo.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Fenêtres d&apos;outils indisponibles</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Durée totale %@ → %d segment</numerusform>
            <numerusform>Durée totale %@ → %d segments</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Découper la vidéo</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Découpage</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Voyage.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Les tâches inachevées seront annulées. Les fichiers terminés seront conservés.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Fichier non pris en charge</translation>
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
        <translation>Compression vidéo</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Fichiers vidéo</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Aperçu vidéo</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Voyez-le en action</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Bienvenue dans Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Emplacement des fichiers convertis.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg s&apos;est arrêté avec le code %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg introuvable. Pour l&apos;installer : %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>aucun fichier indiqué</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>aucune sortie n&apos;a été produite</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan attend une action et au moins un fichier</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe attend au moins un fichier</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>le dossier de sortie</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>le fichier écrit est incomplet</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>action inconnue « %@ » ; actions possibles : %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>commande inconnue « %@ » ; voir karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>option inconnue %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Outils</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Formats</translation>
    </message>
</context>
</TS>
