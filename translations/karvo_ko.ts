<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ 외 %d개</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ 외 %d개</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>%@ 파일을 읽을 수 없습니다: 권한이 거부되었습니다. 파일 권한을 확인하세요.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>%@ 파일을 미디어로 읽을 수 없습니다: 손상되었거나 불완전하거나 동영상 또는 오디오 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ 옵션은 %@에 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ 파일에는 추출할 오디오가 없습니다.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ 파일에는 음소거할 오디오가 없습니다.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ 항목은 미디어 파일이 아니라 장치입니다.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ 항목은 미디어 파일이 아니라 폴더입니다.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ 항목은 더 이상 존재하지 않는 파일을 가리키는 링크입니다.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ 항목은 미디어 파일이 아니라 명명된 파이프입니다.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ 파일이 비어 있습니다(0바이트).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ 항목은 일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ 파일은 동영상 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>%@ 위치는 읽기 전용입니다. 다른 출력 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ 옵션에 값이 필요합니다</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ 프로그램을 찾을 수 없습니다. 설치 명령: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ 파일을 찾을 수 없습니다. 이동되었거나 이름이 바뀌었거나 삭제되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · 원본 파일과 같은 위치에 저장</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@. 자세한 내용은 karvo-cli --help를 참조하세요</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>파일 %d개를 처리할 수 없습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>%d분 전</numerusform>
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
        <translation>%lld초</translation>
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
        <translation>--angle 값은 90, 180, 270 중 하나여야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at 값은 0 이상의 시간(초)이어야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge 값은 3840, 1920, 1280, 800 중 하나여야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end 값은 시작 시간보다 뒤여야 합니다</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end 값은 0 이상의 시간(초)이어야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every 값은 %@초 이상의 구간 길이여야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor 값은 %@~%@ 범위의 숫자여야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: 폴더가 없습니다</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset은 동영상용이므로 이미지 %@에는 사용할 수 없습니다. 이미지에는 --quality를 사용하세요</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset 값은 0, 1, 2 중 하나여야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ 값이 %@ .. %@ 범위를 벗어납니다. %@ 값을 사용합니다</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality는 이미지용이므로 동영상 %@에는 사용할 수 없습니다. 동영상에는 --preset을 사용하세요</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality 값은 %@~%@ 범위의 숫자여야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ 값은 화면 안의 영역이 아닙니다. X와 Y는 0~1, W와 H는 0 초과 1 이하여야 합니다</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ 영역이 화면 밖에 있습니다. 남길 부분이 없습니다</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ 영역이 화면을 벗어납니다. %@,%@,%@,%@ 영역으로 자릅니다</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect 값은 X,Y,W,H 형식(왼쪽 위 모서리와 크기를 화면에 대한 비율로 지정)이어야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start 값은 0 이상의 시간(초)이어야 합니다(입력값: &apos;%@&apos;)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Karvo 정보</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>형식 위로 포인터 이동</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>모든 기능</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>동영상 분석 중…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>파일 %d개에 적용</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>가로세로 비율</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>오디오 파일</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>배경 제거에는 분할 모델이 필요합니다. ONNX 모델(.onnx)을 %@에 넣으세요.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>균형</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>화질과 파일 크기의 균형을 맞춥니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>작업 취소</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>취소됨 · 파일 %d개 저장됨</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>출력을 만들 수 없습니다: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>미디어 길이를 확인할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>%@ 파일을 처리할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>이미지를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>미디어를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>동영상 프레임을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>%@ 파일을 저장할 수 없습니다: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>이미지를 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>속도 변경</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>속도 변경 중</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>파일 접근 권한을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>파일 선택…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>변환된 파일을 저장할 폴더 선택</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>%@: 미디어 파일 선택</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>동작 선택</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>시작 시간보다 뒤의 종료 시간을 선택하세요.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>변환할 파일 선택(Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>선택…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>완료된 항목 지우기</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>완료된 작업 지우기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>완료됨 · 파일 %d개</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>압축</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>이미지 압축</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>동영상 압축</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>압축 중</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>압축</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>변환 목록</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>형식 변환</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>파일 관리자에서 드래그하기만 하면 동영상, 오디오, 이미지를 변환할 수 있습니다. 이 창에서 바로 변환할 수도 있습니다.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>변환된 파일은 이 폴더에 저장됩니다.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>%@ 형식으로 변환 중</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>변환 중…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>동영상 자르기</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>자르기 영역</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>자르기 높이</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>자르기 너비</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>동영상 자르는 중</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>사용자 지정 폴더</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>기본 속도</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>처리 도구의 기본값을 설정합니다.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>기본값은 도구 창을 열 때 적용되며, 실행할 때마다 각 도구에서 조정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>데모</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>파일을 창에 놓는 데모</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>결과 닫기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>동영상, 오디오, 이미지를 위한 드래그 앤 드롭 변환기</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>파일 관리자에서 파일 드래그</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>파일을 Karvo 창으로 드래그</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>사각형이나 모서리를 드래그하여 남길 화면 부분을 선택하세요.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>여기에 파일 놓기</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>파일을 놓은 다음 동작을 선택하세요</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>길이: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>편집 도구</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>빠른 드래그 사용</translation>
    </message>
    <message>
        <source>End</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>종료 시간</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>원형 메뉴의 모든 기능을 원본 파일 종류별로 모았습니다.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>ffmpeg 실행 실패: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>실패 · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>프레임 시간</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>자유 형식</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>시작하기</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>단축키 데모를 숨깁니다</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>고화질</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>누른 채로</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>⇧ Shift 누른 채로</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Karvo의 데이터 처리 방식을 안내합니다.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>원본 폴더에 쓸 수 없으면 Karvo가 대신 저장할 폴더를 묻습니다.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>이미지 압축</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>이미지 파일</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>이미지만</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>이미지는 지금 바로 처리할 수 있습니다. 동영상과 오디오에는 다음이 필요합니다: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>방금</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>Karvo가 %@에 파일을 만들 수 없습니다. 다른 출력 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>Karvo가 원본 파일과 같은 위치에 저장하지 못했습니다. 변환된 파일을 저장할 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>Karvo는 동영상, 오디오, 이미지를 처리합니다. 그 밖의 파일은 건너뜁니다.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>Karvo가 이미 실행 중이지만 응답하지 않습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>Karvo는 이 파일을 읽을 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>Karvo는 %@에 쓸 권한이 없습니다. 다른 출력 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>Karvo는 모든 파일을 사용자의 컴퓨터에서만 처리하며, 아무것도 업로드하지 않습니다.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — 클릭하여 열기, 오른쪽 클릭하여 메뉴 보기</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Karvo의 도구 창을 불러올 수 없습니다: %@. Karvo를 다시 설치하세요.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>계속 작업</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>언어, 모양 및 빠른 드래그를 설정합니다.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>미리 보기를 불러오는 중…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>긴 변</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>MP4 파일 · 원본 파일과 같은 위치에 저장</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>미디어 변환 및 검사를 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>출력 경로가 없습니다</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>음소거 중</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>원본 파일과 같은 위치</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>결과 없음</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>오디오 트랙 없음</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>선택한 폴더 없음</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>이 파일에서 화면을 디코딩할 수 없습니다.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>비디오 트랙 없음</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>메모리가 부족하여 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>%@에 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>시작 안내</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Karvo 열기</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>%d / %d 페이지</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>미리 보기 일시 정지</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>권한이 거부되었습니다. 폴더에 쓸 수 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>권한이 거부되었습니다: 원본 파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>미리 보기 재생</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>압축을 줄여 세부 묘사를 더 많이 보존합니다.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>미리 보기 위치</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>개인 정보 보호</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>품질</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>빠른 드래그</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>빠른 드래그를 시작할 수 없습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>빠른 드래그 데모</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>빠른 드래그가 꺼져 있습니다 — 파일을 창으로 드래그하여 처리하세요</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>빠른 드래그가 켜져 있습니다 — 파일 관리자에서 파일을 드래그하면서 ⇧ 키를 누르세요</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>빠른 드래그를 사용하려면 X11 세션이 필요합니다 — 대신 파일을 창으로 드래그하세요.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Karvo 종료</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비됨</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>놓으면 완료!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>놓은 다음 동작 선택</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>배경 제거</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>메타데이터 제거</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>배경 제거 중</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>메타데이터 제거 중</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>데모 다시 보기</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>크기 조정</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>이미지 크기 조정</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>크기 조정 중</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>결과는 원본 파일과 같은 위치에 저장되며, 원본을 덮어쓰지 않습니다.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>회전 중</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>회전 각도</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>PNG 저장</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>변환된 파일 저장 위치</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>구간 %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>구간 길이</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>설정…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + 드래그</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + 드래그</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>단축키 도움말</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>폴더에서 보기</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>단축키 데모를 표시합니다</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>사이드바</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>최소 크기</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>스냅샷</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>속도 배율</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>분할</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>동영상 분할</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>분할 중</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>%@초마다 분할하면 구간이 %d개를 넘습니다. 구간 길이를 더 길게 선택하세요.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>빠른 드래그를 시작하는 중…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>중지 후 종료</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>작업을 중지하고 종료할까요?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>압축률을 높입니다. 세부 묘사가 손실될 수 있습니다.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>지원되는 파일 (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>스냅샷 만드는 중</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>디스크에서 읽기 또는 쓰기 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>이 파일에는 이 동작에 사용할 수 있는 트랙이 없습니다.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>이 파일에는 비디오 트랙이 없습니다.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>파일이 손상되었거나 지원되지 않는 미디어 파일인 것 같습니다.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>파일 형식 또는 코덱이 지원되지 않습니다.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>%@ 파일의 이름이 올바른 UTF-8이 아니어서 Karvo가 열 수 없습니다. 파일 이름을 바꾼 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>원본 파일이 더 이상 없습니다.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>출력 파일 이름이 %@에 비해 너무 깁니다. 원본 파일 이름을 더 짧게 바꾸세요.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>출력 파일이 %@의 파일 시스템에 비해 너무 큽니다.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>이미지가 너무 커서 %@ 형식으로 저장할 수 없습니다. 최대 %d메가픽셀까지 가능합니다. 먼저 크기를 조정하거나 JPEG 또는 PNG를 선택하세요.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>이 컴퓨터에서는 %@ 형식으로 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>이 ffmpeg에는 %@ 인코더가 없습니다. 모든 기능이 포함된 ffmpeg 빌드를 설치하세요.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>이 파일은 선택한 설정에 맞지 않습니다.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>이 동영상은 미리 볼 수 없습니다.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>도구 창을 사용할 수 없음</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>도구</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>총 길이 %@ → 구간 %d개</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>다듬기</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>동영상 다듬기</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>다듬는 중</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>여행.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>완료되지 않은 작업은 취소됩니다. 완료된 파일은 유지됩니다.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>지원되지 않는 파일</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>버전 %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>버전 %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>동영상 압축</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>동영상 파일</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>동영상 미리 보기</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>직접 확인해 보세요</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Karvo에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>변환된 파일의 저장 위치를 설정합니다.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>너비</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>ffmpeg 종료 코드: %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg 프로그램을 찾을 수 없습니다. 설치 명령: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>지정된 파일이 없습니다</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>출력이 생성되지 않았습니다</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan 명령에는 동작 하나와 파일이 하나 이상 필요합니다</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe 명령에는 파일이 하나 이상 필요합니다</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>출력 폴더</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>기록된 파일이 불완전합니다</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>알 수 없는 동작 &apos;%@&apos;. 사용 가능한 동작: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>알 수 없는 명령 &apos;%@&apos;. 자세한 내용은 karvo-cli --help를 참조하세요</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>알 수 없는 옵션 %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt 도구</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ 형식</translation>
    </message>
</context>
</TS>
