<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ 及另外 %d 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ 及另外 %d 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>无法读取 %@：权限被拒绝。请检查该文件的权限。</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>无法将 %@ 作为媒体读取：该文件已损坏、不完整，或者不是视频或音频文件。</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ 不适用于 %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ 没有可提取的音频。</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ 没有可静音的音频。</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ 是设备，不是媒体文件。</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ 是文件夹，不是媒体文件。</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ 是指向已不存在的文件的链接。</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ 是命名管道，不是媒体文件。</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ 是空文件（0 字节）。</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ 不是普通文件。</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ 不是视频文件。</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>%@ 是只读的。请选择其他输出文件夹。</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ 需要一个值</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>找不到 %@。请使用以下命令安装：%@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>找不到 %@。它可能已被移动、重命名或删除。</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · 保存到原文件所在位置</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@；请参阅 karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%d 个文件无法处理</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d 分钟前</numerusform>
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
        <translation>%lld 秒</translation>
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
        <translation>--angle 须为 90、180 或 270，而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at 须为不小于 0 的时间（以秒为单位），而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge 须为 3840、1920、1280 或 800，而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end 须晚于开始时间</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end 须为不小于 0 的时间（以秒为单位），而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every 须为至少 %@ 秒的片段长度，而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor 须为 %@ 到 %@ 之间的数字，而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@：文件夹不存在</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset 适用于视频，不适用于图像 %@；图像请使用 --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset 须为 0、1 或 2，而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ 超出 %@ .. %@ 的范围；将使用 %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality 适用于图像，不适用于视频 %@；视频请使用 --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality 须为 %@ 到 %@ 之间的数字，而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ 不是画面中的区域：X 和 Y 的范围为 0 到 1，W 和 H 须大于 0 且不超过 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ 完全位于画面之外：没有可保留的部分</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ 超出画面范围；将裁剪为 %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect 须为 X,Y,W,H，即以画面比例表示的左上角位置和尺寸，而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start 须为不小于 0 的时间（以秒为单位），而不是 &apos;%@&apos;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>关于 Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>移到目标格式上</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>全部功能</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>正在分析视频…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>应用到 %d 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>音频文件</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>移除背景需要分割模型。请将 ONNX 模型（.onnx）放入 %@。</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>均衡</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>在画质与文件大小之间取得平衡。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>取消任务</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>已取消 · 已保存 %d 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>无法创建输出：%@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>无法确定媒体时长</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>无法处理 %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>无法读取图像</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>无法读取媒体</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>无法读取视频帧</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>无法保存 %@：%@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>无法保存图像</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>更改速度</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>正在更改速度</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>请检查文件访问权限，然后重试。</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>选择文件…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>选择保存转换后文件的文件夹</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>%@：选择媒体文件</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>选择操作</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>请选择晚于开始时间的结束时间。</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>选择要转换的文件（Ctrl+O）</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>清除已完成</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>清除已完成的任务</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>已完成 · %d 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>压缩</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>压缩图像</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>压缩视频</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>正在压缩</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>压缩</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>转换列表</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>转换格式</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>在文件管理器中拖动即可转换视频、音频和图像——也可以直接在此窗口中操作。</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>转换后的文件将保存到此文件夹。</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>正在转换为 %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>正在转换…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>裁剪视频</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>裁剪区域</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>裁剪高度</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>裁剪宽度</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>正在裁剪视频</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>自定义文件夹</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>默认速度</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>处理工具的默认值。</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>默认值会在打开工具窗口时应用；每次运行时仍可在各工具中调整。</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>演示</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>将文件拖放到窗口上的演示</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>关闭结果</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>视频、音频和图像的拖放转换工具</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>在文件管理器中拖动文件</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>将文件拖入 Karvo 窗口</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>拖动矩形或其四角，选择要保留的画面部分。</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>将文件拖放到此处</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>拖入文件，然后选择操作</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>时长：%@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>编辑工具</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>启用快速拖放</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>环形菜单的全部功能，按原文件类型分组。</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>无法启动 ffmpeg：%@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>失败 · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>帧时间</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>自由</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>开始使用</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>隐藏快捷操作演示</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>高质量</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>按住 ⇧ Shift</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Karvo 如何处理您的数据。</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>如果原文件所在的文件夹不可写入，Karvo 会请您另选一个文件夹。</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>图像压缩</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>图像文件</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>仅限图像</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>现在可以处理图像。处理视频和音频还需要：%@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>刚刚</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo 无法在 %@ 中创建文件。请选择其他输出文件夹。</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo 无法保存到原文件所在位置。请为转换后的文件选择一个文件夹。</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo 可处理视频、音频和图像，其他文件将被跳过。</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo 已在运行，但没有响应；请稍后重试。</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo 无权读取此文件。</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo 无权写入 %@。请选择其他输出文件夹。</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo 完全在您的计算机上处理文件——不会上传任何内容。</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — 单击打开；右键单击显示菜单</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>无法加载 Karvo 的工具窗口：%@。请重新安装 Karvo。</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>继续工作</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>语言、外观和快速拖放。</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>正在加载预览…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>长边</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>MP4 文件 · 保存到原文件所在位置</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>可以转换和检查媒体。</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>缺少输出路径</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>正在静音</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>原文件所在位置</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>无结果</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>没有音轨</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>未选择文件夹</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>无法从此文件解码出任何画面。</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>没有视频轨道</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>内存不足，无法完成。</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>%@ 空间不足。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>入门引导</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>打开 Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>第 %d 页，共 %d 页</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>暂停预览</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>权限被拒绝——请检查该文件夹是否可写入。</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>权限被拒绝：无法读取原文件。</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>播放预览</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>压缩较轻，保留更多细节。</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>预览位置</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>隐私</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>质量</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>排队中</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>快速拖放</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>快速拖放无法启动。请重试。</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>快速拖放演示</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>快速拖放已关闭——请将文件拖入窗口进行处理</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>快速拖放已开启——在文件管理器中拖动文件时按住 ⇧</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>快速拖放需要 X11 会话——请改为将文件拖入窗口。</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>退出 Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>松开——完成！</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>松开，然后选择操作</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>移除背景</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>移除元数据</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>正在移除背景</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>正在移除元数据</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>重播演示</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>调整大小</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>调整图像大小</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>正在调整大小</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>结果会保存到原文件所在位置——绝不会覆盖原文件。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>正在旋转</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>旋转角度</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>保存 PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>转换后文件的保存位置</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>片段 %d/%d：%@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>片段长度</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + 拖动</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + 拖动</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>快捷操作提示</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>显示快捷操作演示</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>侧边栏</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>最小体积</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>速度倍数</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>分割视频</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>正在分割</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>每 %@ 秒分割一次将产生超过 %d 个片段。请选择更长的片段长度。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>正在启动快速拖放…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>停止并退出</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>要停止任务并退出吗？</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>压缩更强；可能会丢失细节。</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>支持的文件 (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>正在截图</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>磁盘报告了读写错误。</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>无法打开该文件。</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>该文件中没有此操作可用的轨道。</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>该文件没有视频轨道。</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>该文件似乎已损坏，或者不是受支持的媒体文件。</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>不支持该文件的格式或编解码器。</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>%@ 的名称不是有效的 UTF-8，因此 Karvo 无法打开它。请重命名该文件，然后重试。</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>原文件已不存在。</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>输出文件名对 %@ 来说过长。请将原文件重命名为更短的名称。</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>输出文件对 %@ 的文件系统来说过大。</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>图像太大，无法保存为 %@：最多只能有 %d 百万像素。请先调整大小，或选择 JPEG 或 PNG。</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>此计算机无法写入 %@ 格式。</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>此 ffmpeg 没有 %@ 编码器。请安装完整版的 ffmpeg。</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>此文件不符合所选设置。</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>无法预览此视频。</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>工具窗口不可用</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>总时长 %@ → %d 个片段</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>修剪</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>修剪视频</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>正在修剪</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>旅行.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>未完成的任务将被取消，已完成的文件将会保留。</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>不支持的文件</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>版本 %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>版本 %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>视频压缩</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>视频文件</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>视频预览</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>看看实际效果</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>欢迎使用 Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>转换后文件的保存位置。</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg 已退出，退出代码 %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>找不到 ffmpeg。请使用以下命令安装：%@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>未指定文件</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>未生成任何输出</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan 需要一个操作和至少一个文件</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe 需要至少一个文件</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>写入的文件不完整</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>未知操作 &apos;%@&apos;；可用操作：%@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>未知命令 &apos;%@&apos;；请参阅 karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>未知选项 %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt 工具</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ 格式</translation>
    </message>
</context>
</TS>
