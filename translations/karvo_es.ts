<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d más</numerusform>
            <numerusform>%@ + %d más</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ y %d más</numerusform>
            <numerusform>%@ y %d más</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>No se puede leer %@: permiso denegado. Compruebe los permisos del archivo.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>No se pudo leer %@ como archivo multimedia: está dañado, incompleto o no es un archivo de vídeo o audio.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ no se aplica a %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ no tiene audio que extraer.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ no tiene audio que silenciar.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ es un dispositivo, no un archivo multimedia.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ es una carpeta, no un archivo multimedia.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ es un enlace a un archivo que ya no existe.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ es una tubería con nombre, no un archivo multimedia.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ está vacío (0 bytes).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ no es un archivo regular.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ no es un archivo de vídeo.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>No se puede escribir: %@ es de solo lectura. Elija otra carpeta de salida.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ necesita un valor</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>No se encontró %@. Para instalarlo: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>No se encontró %@. Puede que se haya movido, renombrado o eliminado.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Se guarda junto al original</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; consulte karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>No se pudieron procesar %d archivos</numerusform>
            <numerusform>No se pudieron procesar %d archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>hace %d min</numerusform>
            <numerusform>hace %d min</numerusform>
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
        <translation>--angle requiere 90, 180 o 270, no «%@»</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at requiere un tiempo en segundos, 0 o más, no «%@»</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge requiere 3840, 1920, 1280 u 800, no «%@»</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end requiere un tiempo posterior al inicio</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end requiere un tiempo en segundos, 0 o más, no «%@»</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every requiere una duración de segmento de al menos %@ segundo, no «%@»</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor requiere un número de %@ a %@, no «%@»</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: la carpeta no existe</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset se aplica a vídeos, no a la imagen %@; las imágenes usan --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset requiere 0, 1 o 2, no «%@»</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ está fuera del intervalo %@ .. %@; se usa %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality se aplica a imágenes, no al vídeo %@; los vídeos usan --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality requiere un número de %@ a %@, no «%@»</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ no es una parte de la imagen: X e Y van de 0 a 1; W y H, de más de 0 a 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ queda fuera de la imagen: no queda nada que conservar</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ sobrepasa la imagen; se recorta a %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect requiere X,Y,W,H: la esquina superior izquierda y el tamaño como fracciones de la imagen, no «%@»</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start requiere un tiempo en segundos, 0 o más, no «%@»</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Acerca de Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Apunte a un formato</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Todas las funciones</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Analizando el vídeo…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Aplicar a %d archivo</numerusform>
            <numerusform>Aplicar a %d archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Archivos de audio</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>Para quitar el fondo se necesita un modelo de segmentación. Coloque un modelo ONNX (.onnx) en %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Equilibra la calidad visual y el tamaño del archivo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Cancelar la tarea</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Cancelado · %d archivo guardado</numerusform>
            <numerusform>Cancelado · %d archivos guardados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>No se puede crear la salida: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>No se puede determinar la duración del archivo multimedia</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>No se puede procesar %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>No se puede leer la imagen</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>No se puede leer el archivo multimedia</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>No se pueden leer los fotogramas del vídeo</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>No se puede guardar %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>No se puede guardar la imagen</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Cambiar velocidad</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Cambiando la velocidad</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Compruebe el acceso al archivo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Elegir un archivo…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Elegir una carpeta para los archivos convertidos</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>%@: elegir un archivo multimedia</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Elija una acción</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Elija un final posterior al inicio.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Elegir archivos para convertir (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Limpiar terminadas</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Limpiar las tareas terminadas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Completado · %d archivo</numerusform>
            <numerusform>Completado · %d archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Comprimir imagen</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Comprimir vídeo</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Comprimiendo</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compresión</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversiones</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Convertir formato</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Convierta vídeo, audio e imágenes con solo arrastrarlos desde el gestor de archivos, o directamente desde esta ventana.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Los archivos convertidos se guardarán en esta carpeta.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Convirtiendo a %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Convirtiendo…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Recortar vídeo</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Área de recorte</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Alto del recorte</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Ancho del recorte</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Recortando el vídeo</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Carpeta personalizada</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Velocidad predeterminada</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Valores predeterminados de las herramientas de procesamiento.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Valores predeterminados</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Los valores predeterminados se aplican al abrir la ventana de una herramienta; cada herramienta se puede ajustar en cada uso.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Demostración</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Demostración de cómo soltar un archivo en la ventana</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Descartar el resultado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Conversor de vídeo, audio e imágenes por arrastrar y soltar</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Arrastre un archivo en el gestor de archivos</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Arrastre el archivo a la ventana de Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Arrastre el rectángulo o sus esquinas para elegir la parte de la imagen que se conserva.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Suelte los archivos aquí</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Suelte archivos y elija una acción</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Duración: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Herramientas de edición</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Activar Quick Drag</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Tiempo final</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Cada</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Todo lo que puede hacer el menú radial, agrupado por tipo de archivo de origen.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>No se pudo iniciar ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Error · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Tiempo del fotograma</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Oculta las demostraciones de los atajos</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Alta calidad</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantenga</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Mantenga ⇧ Mayús</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Cómo trata Karvo sus datos.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Si no se puede escribir en la carpeta original, Karvo pide otra carpeta.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Compresión de imagen</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Solo imágenes</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>Las imágenes ya funcionan. Para vídeo y audio: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Ahora mismo</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo no puede crear un archivo en %@. Elija otra carpeta de salida.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo no pudo guardar junto al original. Elija una carpeta para los archivos convertidos.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo trabaja con vídeo, audio e imágenes. Los demás archivos se omiten.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo ya se está ejecutando pero no responde; inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo no tiene permiso para leer este archivo.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo no tiene permiso para escribir en %@. Elija otra carpeta de salida.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo procesa los archivos por completo en su equipo: no se sube nada.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — Haga clic para abrir; clic derecho para ver el menú</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>No se pudieron cargar las ventanas de herramientas de Karvo: %@. Reinstale Karvo.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Seguir trabajando</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Idioma, apariencia y Quick Drag.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Cargando la vista previa…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Lado más largo</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>Archivos MP4 · Se guardan junto al original</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>La conversión y el análisis multimedia están disponibles.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Falta la ruta de salida</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Silenciando</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Junto al archivo original</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Sin pista de audio</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Ninguna carpeta seleccionada</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>No se pudo decodificar ninguna imagen de este archivo.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Sin pista de vídeo</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>No hay memoria suficiente para terminar.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>No hay espacio suficiente en %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Abrir Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Página %d de %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Pausar la vista previa</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Permiso denegado: compruebe que se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Permiso denegado: no se puede leer el archivo de origen.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Reproducir la vista previa</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Conserva más detalle con una compresión más ligera.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Posición de la vista previa</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>No se pudo iniciar Quick Drag. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Demostración de Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>Quick Drag está desactivado: arrastre archivos a la ventana para procesarlos</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>Quick Drag está activado: mantenga ⇧ mientras arrastra un archivo en el gestor de archivos</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>Quick Drag requiere una sesión X11: arrastre los archivos a la ventana.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Salir de Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Suelte y ¡listo!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Suelte y elija una acción</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Quitar fondo</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Quitar metadatos</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Quitando el fondo</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Quitando los metadatos</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Repetir la demostración</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Redimensionar imagen</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Redimensionando</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Los resultados se guardan junto al archivo de origen, sin sobrescribir nunca el original.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Girando</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Ángulo de rotación</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Guardar PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Guardar los archivos convertidos</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Segmento %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Duración de los segmentos</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Mayús + Alt + Arrastrar</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Mayús + Arrastrar</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Consejos de atajos</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Muestra las demostraciones de los atajos</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Tamaño mínimo</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Factor de velocidad</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Dividir vídeo</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Dividiendo</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Dividir cada %@ s daría más de %d segmentos. Elija una duración de segmento mayor.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Tiempo inicial</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Iniciando Quick Drag…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>¿Detener las tareas y salir?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Compresión más fuerte; pueden perderse detalles finos.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Archivos compatibles (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Capturando el fotograma</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>El disco informó de un error de lectura o escritura.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>No se pudo abrir el archivo.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>El archivo no tiene ninguna pista que esta operación pueda usar.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>El archivo no tiene pista de vídeo.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>El archivo parece dañado o no es un archivo multimedia compatible.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>El formato o el códec del archivo no es compatible.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>El nombre de %@ no es UTF-8 válido, así que Karvo no puede abrirlo. Cambie el nombre del archivo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>El archivo original ya no está.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>El nombre del archivo de salida es demasiado largo para %@. Dé un nombre más corto al archivo de origen.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>El archivo de salida es demasiado grande para el sistema de archivos de %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>La imagen es demasiado grande para guardarla como %@: admite como máximo %d megapíxeles. Redimensiónela primero o elija JPEG o PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Este equipo no puede escribir en formato %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Esta versión de ffmpeg no tiene el codificador %@. Instale una versión completa de ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Este archivo no es compatible con los ajustes elegidos.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>No se puede mostrar la vista previa de este vídeo.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Ventanas de herramientas no disponibles</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Duración total %@ → %d segmento</numerusform>
            <numerusform>Duración total %@ → %d segmentos</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Acortar</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Acortar vídeo</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Acortando</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Viaje.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>Las tareas sin terminar se cancelarán. Los archivos completados se conservarán.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Archivo no compatible</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versión %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Versión %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Compresión de vídeo</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Archivos de vídeo</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Vista previa del vídeo</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Véalo en acción</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Bienvenido a Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Dónde se guardan los archivos convertidos.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg terminó con el código %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>No se encontró ffmpeg. Para instalarlo: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>no se indicó ningún archivo</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>no se generó ninguna salida</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan necesita una acción y al menos un archivo</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe necesita al menos un archivo</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>la carpeta de salida</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>el archivo escrito está incompleto</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>acción desconocida «%@»; acciones posibles: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>comando desconocido «%@»; consulte karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>opción desconocida %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Herramientas</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Formatos</translation>
    </message>
</context>
</TS>
