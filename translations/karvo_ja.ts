<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ ほか %d 件</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ ほか %d 件</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>%@ を読み込めません：アクセスが拒否されました。ファイルのアクセス権を確認してください。</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>%@ をメディアとして読み込めませんでした：ファイルが破損しているか不完全、または動画やオーディオのファイルではありません。</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ は %@ には使用できません</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ には抽出できるオーディオがありません。</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ にはミュートするオーディオがありません。</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ はデバイスです。メディアファイルではありません。</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ はフォルダーです。メディアファイルではありません。</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ は、存在しなくなったファイルへのリンクです。</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ は名前付きパイプです。メディアファイルではありません。</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ は空です（0 バイト）。</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ は動画ファイルではありません。</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>%@ は読み取り専用です。別の出力先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ には値が必要です</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ が見つかりません。次のコマンドでインストールしてください：%@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ が見つかりません。移動、名前の変更、または削除された可能性があります。</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · 元のファイルと同じ場所に保存</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@。karvo-cli --help を参照してください</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>%d 個のファイルを処理できませんでした</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d 分前</numerusform>
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
        <translation>--angle には 90、180、270 のいずれかを指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at には 0 以上の時間を秒数で指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge には 3840、1920、1280、800 のいずれかを指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end には開始時刻より後の時刻を指定してください</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end には 0 以上の時間を秒数で指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every にはセグメントの長さを %@ 秒以上で指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor には %@～%@ の数値を指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@：フォルダーが存在しません</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset は動画用のため、画像 %@ には使用できません。画像には --quality を使用してください</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset には 0、1、2 のいずれかを指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ は %@ .. %@ の範囲外です。%@ を使用します</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality は画像用のため、動画 %@ には使用できません。動画には --preset を使用してください</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality には %@～%@ の数値を指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ は画像内の範囲ではありません：X と Y は 0～1、W と H は 0 より大きく 1 以下です</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ は画像の外側にあります：残せる部分がありません</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ は画像の範囲を超えています。%@,%@,%@,%@ で切り抜きます</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect には X,Y,W,H（左上隅の位置とサイズを画像に対する比率で）を指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start には 0 以上の時間を秒数で指定してください（指定値：&apos;%@&apos;）</translation>
    </message>
    <message>
        <source>About</source>
        <translation>このアプリについて</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Karvo について</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>形式にポインターを合わせる</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>すべての機能</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>動画を解析しています…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>%d 個のファイルに適用</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>縦横比</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>オーディオファイル</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>背景の削除にはセグメンテーションモデルが必要です。ONNX モデル（.onnx）を %@ に置いてください。</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>画質とファイルサイズのバランスを取ります。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>タスクをキャンセル</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>キャンセル済み · %d 個のファイルを保存済み</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>出力を作成できません：%@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>メディアの長さを特定できません</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>%@ を処理できません</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>画像を読み込めません</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>メディアを読み込めません</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>動画のフレームを読み込めません</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>%@ を保存できません：%@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>画像を保存できません</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>速度を変更</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>速度を変更中</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>ファイルへのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>ファイルを選択…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>変換したファイルの保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>%@：メディアファイルを選択</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>操作を選択</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>開始時刻より後の終了時刻を選択してください。</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>変換するファイルを選択（Ctrl+O）</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>完了済みをクリア</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>完了したタスクをクリア</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>完了 · %d 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>画像を圧縮</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>動画を圧縮</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>圧縮中</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>変換一覧</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>形式を変換</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>ファイルマネージャーからドラッグするだけで、動画・オーディオ・画像を変換できます。このウィンドウから直接変換することもできます。</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>変換したファイルはこのフォルダーに保存されます。</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>%@ に変換中</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>変換中…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>切り抜き</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>動画を切り抜き</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>切り抜き範囲</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>切り抜きの高さ</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>切り抜きの幅</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>動画を切り抜き中</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>指定したフォルダー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>デフォルトの速度</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>処理ツールのデフォルト値。</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>デフォルト値はツールウィンドウを開いたときに適用されます。実行のたびに各ツールで変更することもできます。</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>デモ</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>ファイルをウィンドウにドロップするデモ</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>結果を閉じる</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>動画・オーディオ・画像のドラッグ＆ドロップ変換ツール</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>ファイルマネージャーでファイルをドラッグ</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>ファイルを Karvo のウィンドウにドラッグ</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>四角形またはその角をドラッグして、画像の残す部分を選択します。</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>ここにファイルをドロップ</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>ファイルをドロップして操作を選択</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>長さ：%@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>編集ツール</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>クイックドラッグを有効にする</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>ラジアルメニューでできることを、元のファイルの種類ごとにまとめています。</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>ffmpeg を起動できませんでした：%@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>失敗 · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>フレームの時刻</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>自由形式</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>始める</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>ショートカットのデモを非表示にします</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>押したまま</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>⇧ Shift を押したまま</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Karvo によるデータの扱いについて。</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>元のフォルダーに書き込めない場合は、Karvo が保存先フォルダーを尋ねます。</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>画像の圧縮</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>画像のみ</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>画像はすぐに使えます。動画とオーディオには次が必要です：%@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>たった今</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo は %@ にファイルを作成できません。別の出力先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo は元のファイルと同じ場所に保存できませんでした。変換したファイルの保存先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo は動画、オーディオ、画像を扱います。その他のファイルはスキップされます。</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo はすでに実行中ですが、応答がありません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo にはこのファイルを読み込む権限がありません。</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo には %@ に書き込む権限がありません。別の出力先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo はファイルをすべてお使いのコンピューター上で処理します。何もアップロードされません。</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — クリックで開く、右クリックでメニュー</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Karvo のツールウィンドウを読み込めませんでした: %@。Karvo を再インストールしてください。</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>作業を続ける</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>言語、外観、クイックドラッグ。</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>プレビューを読み込んでいます…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>長辺</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>MP4 ファイル · 元のファイルと同じ場所に保存</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>メディアの変換と解析を利用できます。</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>出力パスがありません</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>ミュート中</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>元のファイルと同じ場所</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>結果なし</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>オーディオトラックがありません</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>フォルダーが選択されていません</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>このファイルから画像をデコードできませんでした。</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>ビデオトラックがありません</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>メモリが不足しているため完了できません。</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>%@ の空き容量が不足しています。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>初回ガイド</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Karvo を開く</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>%d / %d ページ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>プレビューを一時停止</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>アクセスが拒否されました。フォルダーに書き込めるか確認してください。</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>アクセスが拒否されました：元のファイルを読み込めません。</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>プレビューを再生</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>圧縮を抑えて、細部をより多く残します。</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>プレビューの位置</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>品質</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>クイックドラッグ</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>クイックドラッグを開始できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>クイックドラッグのデモ</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>クイックドラッグはオフです — ファイルをウィンドウにドラッグして処理してください</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>クイックドラッグはオンです — ファイルマネージャーでファイルをドラッグしながら ⇧ を押してください</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>クイックドラッグには X11 セッションが必要です — 代わりにファイルをウィンドウにドラッグしてください。</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Karvo を終了</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>離せば完了！</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>離してから操作を選択</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>背景を削除</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>メタデータを削除</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>背景を削除中</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>メタデータを削除中</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>デモをもう一度見る</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>画像のサイズを変更</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>サイズを変更中</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>結果は元のファイルと同じ場所に保存され、元のファイルが上書きされることはありません。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>回転中</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>回転角度</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>PNG を保存</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>変換したファイルの保存先</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>セグメント %d/%d：%@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>セグメントの長さ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + ドラッグ</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + ドラッグ</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>ショートカットのヒント</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>ショートカットのデモを表示します</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>サイドバー</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>最小サイズ</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>速度の倍率</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>動画を分割</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>分割中</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>%@ 秒ごとに分割すると、セグメントが %d 個を超えます。セグメントの長さをもっと長くしてください。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>クイックドラッグを開始しています…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>停止して終了</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>タスクを停止して終了しますか？</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>圧縮率を高めます。細部が失われる場合があります。</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>対応ファイル (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>スナップショットを作成中</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>ディスクで読み書きエラーが発生しました。</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>このファイルには、この操作に使用できるトラックがありません。</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>このファイルにはビデオトラックがありません。</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>ファイルが破損しているか、対応していないメディアファイルのようです。</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>このファイルの形式またはコーデックには対応していません。</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>%@ の名前が有効な UTF-8 ではないため、Karvo で開けません。ファイル名を変更して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>元のファイルが見つかりません。</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>出力ファイル名が %@ には長すぎます。元のファイルの名前を短くしてください。</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>出力ファイルが %@ のファイルシステムには大きすぎます。</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>画像が大きすぎるため %@ として保存できません：最大 %d メガピクセルまでです。先にサイズを変更するか、JPEG または PNG を選択してください。</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>このコンピューターでは %@ 形式で書き出せません。</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>この ffmpeg には %@ エンコーダーがありません。すべての機能を含む ffmpeg をインストールしてください。</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>このファイルは選択した設定に適合しません。</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>この動画はプレビューできません。</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>ツールウィンドウを利用できません</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>合計の長さ %@ → %d 個のセグメント</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>動画をトリミング</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>トリミング中</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>旅行.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>未完了のタスクはキャンセルされます。完了したファイルは保持されます。</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>対応していないファイル</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>バージョン %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>バージョン %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>動画の圧縮</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>動画ファイル</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>動画のプレビュー</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>実際の動きを見る</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Karvo へようこそ</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>変換したファイルの保存先。</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg が終了しました（終了コード %d）</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg が見つかりません。次のコマンドでインストールしてください：%@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>ファイルが指定されていません</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>出力が生成されませんでした</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan には操作と 1 つ以上のファイルが必要です</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe には 1 つ以上のファイルが必要です</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>出力先フォルダー</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>書き込まれたファイルが不完全です</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>不明な操作 &apos;%@&apos;。使用できる操作：%@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>不明なコマンド &apos;%@&apos;。karvo-cli --help を参照してください</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>不明なオプション %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt ツール</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ 形式</translation>
    </message>
</context>
</TS>
