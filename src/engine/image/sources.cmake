# SPDX-License-Identifier: GPL-3.0-or-later
# Still images. The engine itself keeps what needs no image library (write parameters, crop geometry, where
# models are); the work that needs libvips and OpenCV lives in the image module, libkarvo-imaging.so, which
# the programs load the first time a picture is read or written: those libraries take longer to load than
# Karvo's window takes to appear.
# Debian ships OpenCV without its CMake package files, so the pieces are found one by one.
find_path(KARVO_OPENCV_INCLUDE_DIR opencv2/dnn.hpp PATH_SUFFIXES opencv4 REQUIRED)
find_library(KARVO_OPENCV_DNN opencv_dnn REQUIRED)
find_library(KARVO_OPENCV_IMGPROC opencv_imgproc REQUIRED)
find_library(KARVO_OPENCV_CORE opencv_core REQUIRED)

target_sources(karvo_engine PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BackgroundRemover.cpp ${CMAKE_CURRENT_LIST_DIR}/BackgroundRemover.h
    ${CMAKE_CURRENT_LIST_DIR}/BatchCrop.cpp ${CMAKE_CURRENT_LIST_DIR}/BatchCrop.h
    ${CMAKE_CURRENT_LIST_DIR}/ImageIOEngine.cpp ${CMAKE_CURRENT_LIST_DIR}/ImageIOEngine.h
    ${CMAKE_CURRENT_LIST_DIR}/ImageIOFailure.h
    ${CMAKE_CURRENT_LIST_DIR}/ImagingModule.cpp ${CMAKE_CURRENT_LIST_DIR}/ImagingModule.h
)
target_include_directories(karvo_engine PUBLIC ${CMAKE_CURRENT_LIST_DIR})
# The module links the engine's code into itself.
set_target_properties(karvo_engine PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_link_libraries(karvo_engine PRIVATE ${CMAKE_DL_LIBS})

# The image code, for the module and for the programs that test or measure it directly (they call
# ImagingModule::install with linkedImagingFunctions()).
add_library(karvo_imaging_code STATIC
    ${CMAKE_CURRENT_LIST_DIR}/BackgroundCutout.cpp ${CMAKE_CURRENT_LIST_DIR}/BackgroundCutout.h
    ${CMAKE_CURRENT_LIST_DIR}/HeifEncoderProcess.cpp ${CMAKE_CURRENT_LIST_DIR}/HeifEncoderProcess.h
    ${CMAKE_CURRENT_LIST_DIR}/ImagePreviewDecoder.cpp ${CMAKE_CURRENT_LIST_DIR}/ImagePreviewDecoder.h
    ${CMAKE_CURRENT_LIST_DIR}/ImageSource.cpp ${CMAKE_CURRENT_LIST_DIR}/ImageSource.h
    ${CMAKE_CURRENT_LIST_DIR}/ImageWriter.cpp ${CMAKE_CURRENT_LIST_DIR}/ImageWriter.h
    ${CMAKE_CURRENT_LIST_DIR}/ImagingEntry.cpp ${CMAKE_CURRENT_LIST_DIR}/ImagingEntry.h
    ${CMAKE_CURRENT_LIST_DIR}/JpegMetadataFilter.cpp ${CMAKE_CURRENT_LIST_DIR}/JpegMetadataFilter.h
    ${CMAKE_CURRENT_LIST_DIR}/OnnxInputShape.cpp ${CMAKE_CURRENT_LIST_DIR}/OnnxInputShape.h
    ${CMAKE_CURRENT_LIST_DIR}/ScratchImage.cpp ${CMAKE_CURRENT_LIST_DIR}/ScratchImage.h
    ${CMAKE_CURRENT_LIST_DIR}/SegmentationModel.cpp ${CMAKE_CURRENT_LIST_DIR}/SegmentationModel.h
    ${CMAKE_CURRENT_LIST_DIR}/StagedFile.cpp ${CMAKE_CURRENT_LIST_DIR}/StagedFile.h
    ${CMAKE_CURRENT_LIST_DIR}/Vips.h
    ${CMAKE_CURRENT_LIST_DIR}/VipsCancellation.cpp ${CMAKE_CURRENT_LIST_DIR}/VipsCancellation.h
    ${CMAKE_CURRENT_LIST_DIR}/VipsRuntime.cpp ${CMAKE_CURRENT_LIST_DIR}/VipsRuntime.h
    ${CMAKE_CURRENT_LIST_DIR}/VipsTargetFile.cpp ${CMAKE_CURRENT_LIST_DIR}/VipsTargetFile.h
)
set_target_properties(karvo_imaging_code PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_include_directories(karvo_imaging_code PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_include_directories(karvo_imaging_code SYSTEM PRIVATE ${KARVO_OPENCV_INCLUDE_DIR})
# libvips is public: its headers are used by the image tests and benchmarks.
target_link_libraries(karvo_imaging_code
    PUBLIC karvo_engine PkgConfig::VIPS Qt6::Gui
    PRIVATE ${KARVO_OPENCV_DNN} ${KARVO_OPENCV_IMGPROC} ${KARVO_OPENCV_CORE})
karvo_set_warnings(karvo_imaging_code)

add_library(karvo_imaging MODULE ${CMAKE_CURRENT_LIST_DIR}/ImagingModuleEntry.cpp)
set_target_properties(karvo_imaging PROPERTIES OUTPUT_NAME karvo-imaging CXX_VISIBILITY_PRESET hidden)
# The engine and image code inside the module stay private to it: the module keeps its own copy and shows
# only its entry point.
target_link_libraries(karvo_imaging PRIVATE karvo_imaging_code)
target_link_options(karvo_imaging PRIVATE -Wl,--exclude-libs,ALL -Wl,--no-undefined)
karvo_set_warnings(karvo_imaging)
install(TARGETS karvo_imaging LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/karvo)

# Where the programs find it: beside them once installed, else in the build tree.
file(RELATIVE_PATH _karvo_imaging_from_program "/${CMAKE_INSTALL_BINDIR}" "/${CMAKE_INSTALL_LIBDIR}/karvo")
target_compile_definitions(karvo_engine PRIVATE
    KARVO_IMAGING_FROM_PROGRAM="${_karvo_imaging_from_program}/libkarvo-imaging.so"
    KARVO_IMAGING_BUILD_PATH="$<TARGET_FILE:karvo_imaging>")
