<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + আরও %dটি</numerusform>
            <numerusform>%@ + আরও %dটি</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ এবং আরও %dটি</numerusform>
            <numerusform>%@ এবং আরও %dটি</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>%@ পড়া যাচ্ছে না: অনুমতি নেই। ফাইলের অনুমতি পরীক্ষা করুন।</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>%@ মিডিয়া হিসেবে পড়া যায়নি: এটি ক্ষতিগ্রস্ত, অসম্পূর্ণ, অথবা ভিডিও বা অডিও ফাইল নয়।</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ অপশনটি %@-এর ক্ষেত্রে প্রযোজ্য নয়</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@-এ বের করার মতো কোনো অডিও নেই।</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@-এ নিঃশব্দ করার মতো কোনো অডিও নেই।</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ একটি ডিভাইস, মিডিয়া ফাইল নয়।</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ একটি ফোল্ডার, মিডিয়া ফাইল নয়।</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ এমন একটি ফাইলের লিংক যা আর নেই।</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ একটি নেমড পাইপ, মিডিয়া ফাইল নয়।</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ খালি (০ বাইট)।</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ সাধারণ ফাইল নয়।</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ ভিডিও ফাইল নয়।</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>%@ শুধু পড়ার জন্য। অন্য একটি আউটপুট ফোল্ডার বেছে নিন।</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@-এর একটি মান প্রয়োজন</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ পাওয়া যায়নি। ইনস্টল করতে: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ পাওয়া যায়নি। এটি হয়তো সরানো, পুনঃনামকরণ বা মুছে ফেলা হয়েছে।</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · মূল ফাইলের পাশে সংরক্ষিত হয়</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; দেখুন karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%dটি ফাইল প্রক্রিয়া করা যায়নি</numerusform>
            <numerusform>%dটি ফাইল প্রক্রিয়া করা যায়নি</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d মিনিট আগে</numerusform>
            <numerusform>%d মিনিট আগে</numerusform>
        </translation>
    </message>
    <message>
        <source>%d px</source>
        <translation>%d পিক্সেল</translation>
    </message>
    <message>
        <source>%d × %d px</source>
        <translation>%d × %d পিক্সেল</translation>
    </message>
    <message>
        <source>%d%%</source>
        <translation>%d%%</translation>
    </message>
    <message>
        <source>%lld px</source>
        <translation>%lld পিক্সেল</translation>
    </message>
    <message>
        <source>%lld s</source>
        <translation>%lld সেকেন্ড</translation>
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
        <translation>--angle-এর জন্য 90, 180 বা 270 প্রয়োজন, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at-এর জন্য সেকেন্ডে একটি সময় প্রয়োজন, 0 বা তার বেশি, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge-এর জন্য 3840, 1920, 1280 বা 800 প্রয়োজন, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end-এর জন্য শুরুর পরের একটি সময় প্রয়োজন</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end-এর জন্য সেকেন্ডে একটি সময় প্রয়োজন, 0 বা তার বেশি, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every-এর জন্য অন্তত %@ সেকেন্ডের অংশ-দৈর্ঘ্য প্রয়োজন, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor-এর জন্য %@ থেকে %@ পর্যন্ত একটি সংখ্যা প্রয়োজন, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: এমন কোনো ফোল্ডার নেই</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset ভিডিওর জন্য, ছবি %@-এর জন্য নয়; ছবির জন্য --quality ব্যবহার করুন</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset-এর জন্য 0, 1 বা 2 প্রয়োজন, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ সীমা %@ .. %@-এর বাইরে; %@ ব্যবহার করা হচ্ছে</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality ছবির জন্য, ভিডিও %@-এর জন্য নয়; ভিডিওর জন্য --preset ব্যবহার করুন</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality-এর জন্য %@ থেকে %@ পর্যন্ত একটি সংখ্যা প্রয়োজন, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ ছবির কোনো অংশ নয়: X ও Y 0 থেকে 1 পর্যন্ত, W ও H 0-এর বেশি থেকে 1 পর্যন্ত</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ ছবির বাইরে: রাখার মতো কিছুই অবশিষ্ট নেই</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ ছবির সীমা ছাড়িয়ে যায়; ক্রপ করা হচ্ছে %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect-এর জন্য X,Y,W,H প্রয়োজন: ছবির ভগ্নাংশ হিসেবে উপরের-বাম কোণ ও আকার, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start-এর জন্য সেকেন্ডে একটি সময় প্রয়োজন, 0 বা তার বেশি, &apos;%@&apos; নয়</translation>
    </message>
    <message>
        <source>About</source>
        <translation>সম্পর্কে</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Karvo সম্পর্কে</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>একটি ফরম্যাটের দিকে তাক করুন</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>সব বৈশিষ্ট্য</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>ভিডিও বিশ্লেষণ করা হচ্ছে…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>চেহারা</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>প্রয়োগ করুন</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>%dটি ফাইলে প্রয়োগ করুন</numerusform>
            <numerusform>%dটি ফাইলে প্রয়োগ করুন</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>আকৃতির অনুপাত</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>অডিও</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>অডিও ফাইল</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ফিরে যান</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>পটভূমি অপসারণের জন্য একটি সেগমেন্টেশন মডেল প্রয়োজন। %@-এ একটি ONNX মডেল (.onnx) রাখুন।</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>ভারসাম্যপূর্ণ</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>দৃশ্যমান গুণমান ও ফাইলের আকারের মধ্যে ভারসাম্য রাখে।</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>কাজ বাতিল করুন</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>বাতিল হয়েছে · %dটি ফাইল সংরক্ষিত</numerusform>
            <numerusform>বাতিল হয়েছে · %dটি ফাইল সংরক্ষিত</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>আউটপুট তৈরি করা যাচ্ছে না: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>মিডিয়ার দৈর্ঘ্য নির্ধারণ করা যাচ্ছে না</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>%@ প্রক্রিয়া করা যাচ্ছে না</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>ছবি পড়া যাচ্ছে না</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>মিডিয়া পড়া যাচ্ছে না</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>ভিডিওর ফ্রেম পড়া যাচ্ছে না</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>%@ সংরক্ষণ করা যাচ্ছে না: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>ছবি সংরক্ষণ করা যাচ্ছে না</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>গতি পরিবর্তন</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>গতি পরিবর্তন করা হচ্ছে</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>ফাইলের অ্যাক্সেস পরীক্ষা করে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>ফোল্ডার বেছে নিন</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>একটি ফাইল বেছে নিন…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>রূপান্তরিত ফাইলের জন্য একটি ফোল্ডার বেছে নিন</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>“%@”-এর জন্য একটি মিডিয়া ফাইল বেছে নিন</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>একটি অ্যাকশন বেছে নিন</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>শুরুর পরের একটি শেষের সময় বেছে নিন।</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>রূপান্তরের জন্য ফাইল বেছে নিন (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>বেছে নিন…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>সাফ করুন</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>সম্পন্নগুলো সাফ করুন</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>সম্পন্ন কাজগুলো সাফ করুন</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>সম্পন্ন</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>সম্পন্ন · %dটি ফাইল</numerusform>
            <numerusform>সম্পন্ন · %dটি ফাইল</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>সংকোচন</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>ছবি সংকোচন</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>ভিডিও সংকোচন</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>সংকোচন করা হচ্ছে</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>সংকোচন</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>চালিয়ে যান</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>রূপান্তরসমূহ</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>রূপান্তর</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>ফরম্যাট রূপান্তর</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>ফাইল ম্যানেজার থেকে টেনে এনেই ভিডিও, অডিও ও ছবি রূপান্তর করুন — অথবা সরাসরি এই উইন্ডো থেকে।</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>রূপান্তরিত ফাইলগুলো এই ফোল্ডারে সংরক্ষিত হবে।</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>%@-এ রূপান্তর করা হচ্ছে</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>রূপান্তর করা হচ্ছে…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>কপি করুন</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>ক্রপ</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>ভিডিও ক্রপ</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>ক্রপ এলাকা</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>ক্রপের উচ্চতা</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>ক্রপের প্রস্থ</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>ভিডিও ক্রপ করা হচ্ছে</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>নিজস্ব ফোল্ডার</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>কাট করুন</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>গাঢ়</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>ডিফল্ট গতি</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>প্রক্রিয়াকরণ টুলগুলোর ডিফল্ট মান।</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>ডিফল্ট</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>টুল উইন্ডো খুললে ডিফল্ট মান প্রয়োগ হয়; প্রতিটি টুলে প্রতিবার চালানোর সময় তা বদলানো যায়।</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>প্রদর্শনী</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>উইন্ডোতে ফাইল ছেড়ে দেওয়ার প্রদর্শনী</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>ফলাফল সরান</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>হয়ে গেছে</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>ভিডিও, অডিও ও ছবির জন্য টেনে-ছাড়ার রূপান্তরকারী</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>ফাইল ম্যানেজারে একটি ফাইল টানুন</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>ফাইলটি Karvo উইন্ডোতে টেনে আনুন</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>ছবির যে অংশ রাখতে চান তা বেছে নিতে আয়তক্ষেত্র বা এর কোণগুলো টানুন।</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>ফাইলগুলো এখানে ছেড়ে দিন</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>ফাইল ছেড়ে দিন, তারপর একটি অ্যাকশন বেছে নিন</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>দৈর্ঘ্য: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>সম্পাদনা</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>সম্পাদনার টুল</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>কুইক ড্র্যাগ চালু করুন</translation>
    </message>
    <message>
        <source>End</source>
        <translation>শেষ</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>শেষের সময়</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>প্রতি</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>বৃত্তাকার মেনু যা যা করতে পারে, উৎস ফাইলের ধরন অনুযায়ী সাজানো।</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>ffmpeg চালু করা যায়নি: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>ব্যর্থ · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ফাইল</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ফাইলসমূহ</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>ফরম্যাট</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>ফ্রেমের সময়</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>মুক্ত</translation>
    </message>
    <message>
        <source>General</source>
        <translation>সাধারণ</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>শুরু করুন</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>উচ্চতা</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>শর্টকাটের প্রদর্শনী লুকায়</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>উচ্চ গুণমান</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>চেপে ধরুন</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>⇧ Shift চেপে ধরুন</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>হোম</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Karvo কীভাবে আপনার ডেটা ব্যবহার করে।</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>মূল ফোল্ডারে লেখা না গেলে Karvo এর বদলে একটি ফোল্ডার চেয়ে নেয়।</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>ছবির সংকোচন</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>ছবির ফাইল</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>ছবি</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>শুধু ছবি</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>ছবি এখনই কাজ করে। ভিডিও ও অডিওর জন্য প্রয়োজন: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>এইমাত্র</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo %@-এ ফাইল তৈরি করতে পারছে না। অন্য একটি আউটপুট ফোল্ডার বেছে নিন।</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo মূল ফাইলের পাশে সংরক্ষণ করতে পারেনি। রূপান্তরিত ফাইলের জন্য একটি ফোল্ডার বেছে নিন।</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo ভিডিও, অডিও ও ছবি নিয়ে কাজ করে। অন্য ফাইলগুলো বাদ দেওয়া হয়।</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo ইতিমধ্যে চলছে কিন্তু সাড়া দিচ্ছে না; একটু পরে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo-কে এই ফাইলটি পড়ার অনুমতি দেওয়া হয়নি।</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo-কে %@-এ লেখার অনুমতি দেওয়া হয়নি। অন্য একটি আউটপুট ফোল্ডার বেছে নিন।</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo সম্পূর্ণভাবে আপনার কম্পিউটারেই ফাইল প্রক্রিয়া করে — কিছুই আপলোড করা হয় না।</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — খুলতে ক্লিক করুন; মেনুর জন্য ডান-ক্লিক করুন</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Karvo-র টুল উইন্ডো লোড করা যায়নি: %@। Karvo আবার ইনস্টল করুন।</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>কাজ চালিয়ে যান</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ভাষা</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>ভাষা, চেহারা ও কুইক ড্র্যাগ।</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>হালকা</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>প্রিভিউ লোড হচ্ছে…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>দীর্ঘতম প্রান্ত</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>MP4 ফাইল · মূল ফাইলের পাশে সংরক্ষিত হয়</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>মিডিয়া রূপান্তর ও পরীক্ষা উপলব্ধ।</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>আউটপুট পাথ নেই</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>নিঃশব্দ</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>নিঃশব্দ করা হচ্ছে</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>মূল ফাইলের পাশে</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>কোনো ফলাফল নেই</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>কোনো অডিও ট্র্যাক নেই</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>কোনো ফোল্ডার নির্বাচিত হয়নি</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>এই ফাইল থেকে কোনো ছবি ডিকোড করা যায়নি।</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>কোনো ভিডিও ট্র্যাক নেই</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>শেষ করার মতো যথেষ্ট মেমোরি নেই।</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>%@-এ যথেষ্ট জায়গা নেই।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>শুরুর পরিচিতি</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Karvo খুলুন</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>আউটপুট</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>পৃষ্ঠা %d, মোট %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>পেস্ট করুন</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>প্রিভিউ থামান</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>অনুমতি নেই — ফোল্ডারে লেখা যায় কিনা পরীক্ষা করুন।</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>অনুমতি নেই: উৎস ফাইলটি পড়া যাচ্ছে না।</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>প্রিভিউ চালান</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>হালকা সংকোচনে আরও বেশি খুঁটিনাটি বজায় রাখে।</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>প্রিভিউয়ের অবস্থান</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>গোপনীয়তা</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>গুণমান</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>সারিতে আছে</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>কুইক ড্র্যাগ</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>কুইক ড্র্যাগ চালু করা যায়নি। আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>কুইক ড্র্যাগের প্রদর্শনী</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>কুইক ড্র্যাগ বন্ধ — প্রক্রিয়া করতে ফাইলগুলো উইন্ডোতে টেনে আনুন</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>কুইক ড্র্যাগ চালু — ফাইল ম্যানেজারে ফাইল টানার সময় ⇧ চেপে ধরুন</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>কুইক ড্র্যাগের জন্য X11 সেশন প্রয়োজন — এর বদলে ফাইলগুলো উইন্ডোতে টেনে আনুন।</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Karvo থেকে প্রস্থান</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>প্রস্তুত</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>পুনরায় করুন</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>ছেড়ে দিন — হয়ে গেল!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>ছেড়ে দিন, তারপর একটি অ্যাকশন বেছে নিন</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>পটভূমি অপসারণ</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>মেটাডেটা অপসারণ</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>পটভূমি অপসারণ করা হচ্ছে</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>মেটাডেটা অপসারণ করা হচ্ছে</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>প্রদর্শনী আবার দেখুন</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>রিসেট</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>আকার পরিবর্তন</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>ছবির আকার পরিবর্তন</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>আকার পরিবর্তন করা হচ্ছে</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>ফলাফল উৎস ফাইলের পাশে সংরক্ষিত হয় — মূল ফাইলটি কখনো ওভাররাইট হয় না।</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>পুনরায় চেষ্টা</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>ঘোরানো</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>ঘোরানো হচ্ছে</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>ঘোরানোর কোণ</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>PNG সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>রূপান্তরিত ফাইল সংরক্ষণ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>অনুসন্ধান</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>অংশ %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>অংশের দৈর্ঘ্য</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>সেটিংস</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>সেটিংস…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + টানুন</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + টানুন</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>শর্টকাট টিপস</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>ফোল্ডারে দেখান</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>শর্টকাটের প্রদর্শনী দেখায়</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>সাইডবার</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>এড়িয়ে যান</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>সবচেয়ে ছোট আকার</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>স্ন্যাপশট</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>গতি</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>গতির গুণক</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>বিভাজন</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>ভিডিও বিভাজন</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>বিভাজন করা হচ্ছে</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>প্রতি %@ সেকেন্ডে ভাগ করলে %dটির বেশি অংশ হবে। অংশের দৈর্ঘ্য আরও বড় করুন।</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>শুরু</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>শুরুর সময়</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>কুইক ড্র্যাগ চালু হচ্ছে…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>থামিয়ে প্রস্থান করুন</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>কাজগুলো থামিয়ে প্রস্থান করবেন?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>আরও জোরালো সংকোচন; সূক্ষ্ম খুঁটিনাটি হারিয়ে যেতে পারে।</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>সমর্থিত ফাইল (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>সিস্টেম</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>স্ন্যাপশট নেওয়া হচ্ছে</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>ডিস্কে পড়া বা লেখার ত্রুটি হয়েছে।</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>ফাইলটি খোলা যায়নি।</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>ফাইলটিতে এই অপারেশনে ব্যবহারযোগ্য কোনো ট্র্যাক নেই।</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>ফাইলটিতে কোনো ভিডিও ট্র্যাক নেই।</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>ফাইলটি ক্ষতিগ্রস্ত মনে হচ্ছে অথবা এটি সমর্থিত মিডিয়া ফাইল নয়।</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>ফাইলটির ফরম্যাট বা কোডেক সমর্থিত নয়।</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>%@-এর নাম বৈধ UTF-8 নয়, তাই Karvo এটি খুলতে পারছে না। ফাইলটির নাম বদলে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>মূল ফাইলটি আর সেখানে নেই।</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>%@-এর জন্য আউটপুট ফাইলের নাম খুব দীর্ঘ। উৎস ফাইলটির নাম ছোট করুন।</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>%@-এর ফাইল সিস্টেমের জন্য আউটপুট খুব বড়।</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>ছবিটি %@ হিসেবে সংরক্ষণের জন্য খুব বড়: সর্বোচ্চ %d মেগাপিক্সেল হতে পারে। আগে আকার পরিবর্তন করুন, অথবা JPEG বা PNG বেছে নিন।</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>এই কম্পিউটার %@ ফাইল লিখতে পারে না।</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>এই ffmpeg-এ %@ এনকোডার নেই। ffmpeg-এর একটি সম্পূর্ণ বিল্ড ইনস্টল করুন।</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>এই ফাইলটি বেছে নেওয়া সেটিংসের সাথে খাপ খায় না।</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>এই ভিডিওটির প্রিভিউ দেখানো যাচ্ছে না।</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>টুল উইন্ডো পাওয়া যাচ্ছে না</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>টুল</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>মোট দৈর্ঘ্য %@ → %dটি অংশ</numerusform>
            <numerusform>মোট দৈর্ঘ্য %@ → %dটি অংশ</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>ট্রিম</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>ভিডিও ট্রিম</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>ট্রিম করা হচ্ছে</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>ভ্রমণ.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>আবার চেষ্টা করুন</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>পূর্বাবস্থায় ফেরান</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>অসম্পূর্ণ কাজগুলো বাতিল হবে। সম্পন্ন ফাইলগুলো রাখা হবে।</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>অসমর্থিত ফাইল</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>সংস্করণ %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>সংস্করণ %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>ভিডিওর সংকোচন</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>ভিডিও ফাইল</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>ভিডিও প্রিভিউ</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>ভিডিও</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>কীভাবে কাজ করে দেখুন</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Karvo-তে স্বাগতম</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>রূপান্তরিত ফাইল কোথায় সংরক্ষিত হয়।</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>প্রস্থ</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg প্রস্থান কোড %d দিয়ে শেষ হয়েছে</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg পাওয়া যায়নি। ইনস্টল করতে: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>কোনো ফাইল দেওয়া হয়নি</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>কোনো আউটপুট তৈরি হয়নি</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan-এর জন্য একটি অ্যাকশন ও অন্তত একটি ফাইল প্রয়োজন</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe-এর জন্য অন্তত একটি ফাইল প্রয়োজন</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>আউটপুট ফোল্ডার</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>লেখা ফাইলটি অসম্পূর্ণ</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>অজানা অ্যাকশন &apos;%@&apos;; এগুলোর একটি: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>অজানা কমান্ড &apos;%@&apos;; দেখুন karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>অজানা অপশন %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt টুল</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ ফরম্যাট</translation>
    </message>
</context>
</TS>
