<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ and %d more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d files couldn&apos;t be processed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%d px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d × %d px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d%%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%lld px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%lld s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%lld%%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%lld°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--angle needs 90, 180 or 270, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No video track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no files given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
