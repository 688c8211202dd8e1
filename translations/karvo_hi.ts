<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d और</numerusform>
            <numerusform>%@ + %d और</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ और %d अन्य</numerusform>
            <numerusform>%@ और %d अन्य</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>%@ को पढ़ा नहीं जा सकता: अनुमति अस्वीकृत। फ़ाइल की अनुमतियाँ जाँचें।</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>%@ को मीडिया के रूप में पढ़ा नहीं जा सका: फ़ाइल क्षतिग्रस्त या अधूरी है, या वीडियो या ऑडियो फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>विकल्प %@ क्रिया %@ पर लागू नहीं होता</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ में निकालने के लिए कोई ऑडियो नहीं है।</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ में म्यूट करने के लिए कोई ऑडियो नहीं है।</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ एक डिवाइस है, मीडिया फ़ाइल नहीं।</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ एक फ़ोल्डर है, मीडिया फ़ाइल नहीं।</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ एक ऐसी फ़ाइल का लिंक है जो अब मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ एक नामित पाइप है, मीडिया फ़ाइल नहीं।</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ खाली है (0 बाइट)।</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ एक सामान्य फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ वीडियो फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>%@ केवल पढ़ने के लिए है। कोई दूसरा आउटपुट फ़ोल्डर चुनें।</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ के लिए मान आवश्यक है</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ नहीं मिला। इस कमांड से इंस्टॉल करें: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>फ़ाइल %@ नहीं मिली। हो सकता है कि उसे स्थानांतरित किया गया हो, उसका नाम बदला गया हो या उसे हटा दिया गया हो।</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · मूल फ़ाइल के पास सहेजा जाएगा</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; karvo-cli --help देखें</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%d फ़ाइलें संसाधित नहीं की जा सकीं</numerusform>
            <numerusform>%d फ़ाइलें संसाधित नहीं की जा सकीं</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d मिनट पहले</numerusform>
            <numerusform>%d मिनट पहले</numerusform>
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
        <translation>%lld सेकंड</translation>
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
        <translation>--angle के लिए 90, 180 या 270 चाहिए, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at के लिए सेकंड में समय चाहिए, 0 या अधिक, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge के लिए 3840, 1920, 1280 या 800 चाहिए, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end के लिए प्रारंभ के बाद का समय चाहिए</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end के लिए सेकंड में समय चाहिए, 0 या अधिक, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every के लिए खंड की अवधि कम से कम %@ सेकंड होनी चाहिए, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor के लिए %@ से %@ तक की संख्या चाहिए, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: ऐसा कोई फ़ोल्डर नहीं है</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset वीडियो पर लागू होता है, छवि %@ पर नहीं; छवियों के लिए --quality का उपयोग करें</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset के लिए 0, 1 या 2 चाहिए, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ सीमा %@ .. %@ से बाहर है; %@ का उपयोग किया जा रहा है</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality छवियों पर लागू होता है, वीडियो %@ पर नहीं; वीडियो के लिए --preset का उपयोग करें</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality के लिए %@ से %@ तक की संख्या चाहिए, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ चित्र का हिस्सा नहीं है: X और Y का मान 0 से 1 तक, W और H का मान 0 से अधिक और 1 तक होना चाहिए</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ चित्र के बाहर है: रखने के लिए इसमें से कुछ नहीं बचता</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ चित्र की सीमा से बाहर जाता है; %@,%@,%@,%@ क्रॉप किया जा रहा है</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect के लिए X,Y,W,H चाहिए: ऊपरी-बायाँ कोना और आकार, चित्र के भिन्नांशों में, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start के लिए सेकंड में समय चाहिए, 0 या अधिक, &apos;%@&apos; नहीं</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Karvo के बारे में</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>किसी फ़ॉर्मैट पर ले जाएँ</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>सभी सुविधाएँ</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>वीडियो का विश्लेषण हो रहा है…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>रूप</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>%d फ़ाइल पर लागू करें</numerusform>
            <numerusform>%d फ़ाइलों पर लागू करें</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>पक्षानुपात</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>ऑडियो</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>ऑडियो फ़ाइलें</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>पृष्ठभूमि हटाने के लिए सेगमेंटेशन मॉडल आवश्यक है। कोई ONNX मॉडल (.onnx) %@ में रखें।</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>संतुलित</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>दृश्य गुणवत्ता और फ़ाइल आकार में संतुलन रखता है।</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>कार्य रद्द करें</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>रद्द किया गया · %d फ़ाइल सहेजी गई</numerusform>
            <numerusform>रद्द किया गया · %d फ़ाइलें सहेजी गईं</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>आउटपुट नहीं बनाया जा सका: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>मीडिया की अवधि निर्धारित नहीं की जा सकी</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>%@ को संसाधित नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>छवि पढ़ी नहीं जा सकी</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>मीडिया पढ़ा नहीं जा सका</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>वीडियो फ़्रेम पढ़े नहीं जा सके</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>%@ को सहेजा नहीं जा सका: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>छवि सहेजी नहीं जा सकी</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>गति बदलें</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>गति बदली जा रही है</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>फ़ाइल तक पहुँच जाँचें और फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>फ़ाइल चुनें…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>रूपांतरित फ़ाइलों के लिए फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>मीडिया फ़ाइल चुनें: %@</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>कोई क्रिया चुनें</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>प्रारंभ के बाद का समाप्ति समय चुनें।</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>रूपांतरित करने के लिए फ़ाइलें चुनें (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>चुनें…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>साफ़ करें</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>पूर्ण कार्य हटाएँ</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>पूर्ण कार्य हटाएँ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>पूर्ण</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>पूर्ण · %d फ़ाइल</numerusform>
            <numerusform>पूर्ण · %d फ़ाइलें</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>संपीड़ित करें</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>छवि संपीड़ित करें</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>वीडियो संपीड़ित करें</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>संपीड़ित किया जा रहा है</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>संपीड़न</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>जारी रखें</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>रूपांतरण</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>रूपांतरित करें</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>फ़ॉर्मैट रूपांतरण</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>फ़ाइल मैनेजर से खींचते ही वीडियो, ऑडियो और छवियाँ रूपांतरित करें — या सीधे इसी विंडो से।</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>रूपांतरित फ़ाइलें इसी फ़ोल्डर में सहेजी जाएँगी।</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>%@ में रूपांतरित किया जा रहा है</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>रूपांतरित किया जा रहा है…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>क्रॉप करें</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>वीडियो क्रॉप करें</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>क्रॉप क्षेत्र</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>क्रॉप की ऊँचाई</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>क्रॉप की चौड़ाई</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>वीडियो क्रॉप किया जा रहा है</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>कस्टम फ़ोल्डर</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>काटें</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>गहरा</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>डिफ़ॉल्ट गति</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>प्रोसेसिंग टूल के डिफ़ॉल्ट मान।</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>डिफ़ॉल्ट मान</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>टूल विंडो खुलने पर डिफ़ॉल्ट मान लागू होते हैं; हर टूल में इन्हें हर बार अलग से बदला जा सकता है।</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>प्रदर्शन</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>विंडो पर फ़ाइल छोड़ने का प्रदर्शन</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>परिणाम हटाएँ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>हो गया</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>वीडियो, ऑडियो और छवियों के लिए ड्रैग-एंड-ड्रॉप रूपांतरक</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>फ़ाइल मैनेजर में कोई फ़ाइल खींचें</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>फ़ाइल को Karvo विंडो में खींचें</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>चित्र का जो हिस्सा रखना है, उसे चुनने के लिए आयत या उसके कोनों को खींचें।</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>फ़ाइलें यहाँ छोड़ें</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>फ़ाइलें छोड़ें, फिर कोई क्रिया चुनें</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>अवधि: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>संपादन</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>संपादन टूल</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>क्विक ड्रैग सक्षम करें</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>समाप्ति समय</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>हर</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>रेडियल मेनू जो कुछ कर सकता है, स्रोत फ़ाइल के प्रकार के अनुसार समूहित।</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>ffmpeg शुरू नहीं हो सका: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>विफल · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>फ़ॉर्मैट</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>फ़्रेम का समय</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>मुक्त</translation>
    </message>
    <message>
        <source>General</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>शुरू करें</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>ऊँचाई</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>शॉर्टकट प्रदर्शन छिपाता है</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>उच्च गुणवत्ता</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>दबाए रखें</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>⇧ Shift दबाए रखें</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>होम</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Karvo आपके डेटा के साथ कैसे व्यवहार करता है।</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>यदि मूल फ़ोल्डर में लिखा नहीं जा सकता, तो Karvo इसके बजाय कोई फ़ोल्डर चुनने को कहता है।</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>छवि संपीड़न</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>छवि फ़ाइलें</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>छवियाँ</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>केवल छवियाँ</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>छवियाँ अभी काम करती हैं। वीडियो और ऑडियो के लिए आवश्यक: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>अभी-अभी</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo %@ में फ़ाइल नहीं बना सकता। कोई दूसरा आउटपुट फ़ोल्डर चुनें।</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo मूल फ़ाइल के पास सहेज नहीं सका। रूपांतरित फ़ाइलों के लिए कोई फ़ोल्डर चुनें।</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo वीडियो, ऑडियो और छवियों के साथ काम करता है। अन्य फ़ाइलें छोड़ दी जाती हैं।</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo पहले से चल रहा है लेकिन जवाब नहीं दे रहा; थोड़ी देर में फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo को यह फ़ाइल पढ़ने की अनुमति नहीं है।</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo को %@ में लिखने की अनुमति नहीं है। कोई दूसरा आउटपुट फ़ोल्डर चुनें।</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo फ़ाइलों को पूरी तरह आपके कंप्यूटर पर संसाधित करता है — कुछ भी अपलोड नहीं किया जाता।</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — खोलने के लिए क्लिक करें; मेनू के लिए राइट-क्लिक करें</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Karvo की टूल विंडो लोड नहीं हो सकीं: %@। Karvo फिर से इंस्टॉल करें।</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>काम जारी रखें</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>भाषा, रूप और क्विक ड्रैग।</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>हल्का</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>पूर्वावलोकन लोड हो रहा है…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>सबसे लंबी भुजा</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>MP4 फ़ाइलें · मूल फ़ाइल के पास सहेजी जाएँगी</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>मीडिया रूपांतरण और जाँच उपलब्ध हैं।</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>आउटपुट पथ नहीं दिया गया</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>म्यूट करें</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>म्यूट किया जा रहा है</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>मूल फ़ाइल के पास</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>कोई परिणाम नहीं</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>कोई ऑडियो ट्रैक नहीं</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>कोई फ़ोल्डर नहीं चुना गया</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>इस फ़ाइल से कोई चित्र डिकोड नहीं हो सका।</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>कोई वीडियो ट्रैक नहीं</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>पूरा करने के लिए पर्याप्त मेमोरी नहीं है।</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>%@ में पर्याप्त जगह नहीं है।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>शुरुआती गाइड</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Karvo खोलें</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>आउटपुट</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>%2$d में से पृष्ठ %1$d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>पूर्वावलोकन रोकें</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>अनुमति अस्वीकृत — जाँचें कि फ़ोल्डर में लिखा जा सकता है।</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>अनुमति अस्वीकृत: स्रोत फ़ाइल पढ़ी नहीं जा सकती।</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>पूर्वावलोकन चलाएँ</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>हल्के संपीड़न के साथ अधिक विवरण सुरक्षित रखता है।</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>पूर्वावलोकन की स्थिति</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>गोपनीयता</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>गुणवत्ता</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>कतार में</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>क्विक ड्रैग</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>क्विक ड्रैग शुरू नहीं हो सका। फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>क्विक ड्रैग का प्रदर्शन</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>क्विक ड्रैग बंद है — फ़ाइलों को संसाधित करने के लिए उन्हें विंडो में खींचें</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>क्विक ड्रैग चालू है — फ़ाइल मैनेजर में फ़ाइल खींचते समय ⇧ दबाए रखें</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>क्विक ड्रैग के लिए X11 सत्र आवश्यक है — इसके बजाय फ़ाइलों को विंडो में खींचें।</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Karvo से बाहर निकलें</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>तैयार</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>बटन छोड़ें — हो गया!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>बटन छोड़ें, फिर कोई क्रिया चुनें</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>पृष्ठभूमि हटाएँ</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>मेटाडेटा हटाएँ</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>पृष्ठभूमि हटाई जा रही है</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>मेटाडेटा हटाया जा रहा है</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>डेमो फिर से देखें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>आकार बदलें</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>छवि का आकार बदलें</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>आकार बदला जा रहा है</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>परिणाम स्रोत फ़ाइल के पास सहेजे जाते हैं — मूल फ़ाइल कभी अधिलेखित नहीं होती।</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>घुमाएँ</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>घुमाया जा रहा है</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>घुमाव कोण</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>PNG सहेजें</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>रूपांतरित फ़ाइलें सहेजें</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>खंड %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>खंड की अवधि</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>सेटिंग्स…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + ड्रैग</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + ड्रैग</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>शॉर्टकट सुझाव</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>फ़ोल्डर में दिखाएँ</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>शॉर्टकट प्रदर्शन दिखाता है</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>साइडबार</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>स्किप करें</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>सबसे छोटा आकार</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>स्नैपशॉट</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>गति</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>गति गुणक</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>विभाजित करें</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>वीडियो विभाजित करें</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>विभाजित किया जा रहा है</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>हर %@ सेकंड पर विभाजित करने से %d से अधिक खंड बनेंगे। खंड की अवधि बढ़ाएँ।</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>प्रारंभ</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>प्रारंभ समय</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>क्विक ड्रैग शुरू हो रहा है…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>रोकें और बाहर निकलें</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>कार्य रोककर बाहर निकलें?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>अधिक संपीड़न; बारीक विवरण खो सकते हैं।</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>समर्थित फ़ाइलें (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>सिस्टम</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>स्नैपशॉट लिया जा रहा है</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>डिस्क ने पढ़ने या लिखने की त्रुटि बताई।</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>फ़ाइल खोली नहीं जा सकी।</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>फ़ाइल में ऐसा कोई ट्रैक नहीं है जिसका यह क्रिया उपयोग कर सके।</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>फ़ाइल में कोई वीडियो ट्रैक नहीं है।</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>फ़ाइल क्षतिग्रस्त लगती है या समर्थित मीडिया फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>फ़ाइल का फ़ॉर्मैट या कोडेक समर्थित नहीं है।</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>%@ का नाम मान्य UTF-8 नहीं है, इसलिए Karvo इसे खोल नहीं सकता। फ़ाइल का नाम बदलें और फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>मूल फ़ाइल अब वहाँ नहीं है।</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>आउटपुट फ़ाइल का नाम %@ के लिए बहुत लंबा है। स्रोत फ़ाइल को कोई छोटा नाम दें।</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>आउटपुट %@ के फ़ाइल सिस्टम के लिए बहुत बड़ा है।</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>चित्र %@ के रूप में सहेजने के लिए बहुत बड़ा है: इसमें अधिकतम %d मेगापिक्सेल हो सकते हैं। पहले इसका आकार बदलें, या JPEG या PNG चुनें।</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>यह कंप्यूटर %@ नहीं लिख सकता।</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>इस ffmpeg में %@ एन्कोडर नहीं है। ffmpeg का पूरा बिल्ड इंस्टॉल करें।</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>यह फ़ाइल चुनी गई सेटिंग्स से मेल नहीं खाती।</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>इस वीडियो का पूर्वावलोकन नहीं किया जा सकता।</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>टूल विंडो उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>टूल</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>कुल अवधि %@ → %d खंड</numerusform>
            <numerusform>कुल अवधि %@ → %d खंड</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>ट्रिम करें</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>वीडियो ट्रिम करें</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>ट्रिम किया जा रहा है</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>यात्रा.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>पूर्ववत करें</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>अधूरे कार्य रद्द कर दिए जाएँगे। पूर्ण हो चुकी फ़ाइलें रखी जाएँगी।</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>असमर्थित फ़ाइल</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>संस्करण %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>संस्करण %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>वीडियो संपीड़न</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>वीडियो फ़ाइलें</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>वीडियो पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>वीडियो</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>इसे काम करते देखें</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Karvo में आपका स्वागत है</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>रूपांतरित फ़ाइलें कहाँ सहेजी जाती हैं।</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>चौड़ाई</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg कोड %d के साथ बंद हुआ</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg नहीं मिला। इस कमांड से इंस्टॉल करें: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>कोई फ़ाइल नहीं दी गई</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>कोई आउटपुट नहीं बना</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan के लिए एक क्रिया और कम से कम एक फ़ाइल चाहिए</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe के लिए कम से कम एक फ़ाइल चाहिए</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>आउटपुट फ़ोल्डर</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>लिखी गई फ़ाइल अधूरी है</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>अज्ञात क्रिया &apos;%@&apos;; इनमें से एक चुनें: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>अज्ञात कमांड &apos;%@&apos;; karvo-cli --help देखें</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>अज्ञात विकल्प %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt टूल</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ फ़ॉर्मैट</translation>
    </message>
</context>
</TS>
