# SPDX-License-Identifier: GPL-3.0-or-later
# Still images through libvips; background removal through OpenCV's DNN module.
# Debian ships OpenCV without its CMake package files, so the pieces are found one by one.
find_path(KARVO_OPENCV_INCLUDE_DIR opencv2/dnn.hpp PATH_SUFFIXES opencv4 REQUIRED)
find_library(KARVO_OPENCV_DNN opencv_dnn REQUIRED)
find_library(KARVO_OPENCV_IMGPROC opencv_imgproc REQUIRED)
find_library(KARVO_OPENCV_CORE opencv_core REQUIRED)

target_sources(karvo_engine PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BackgroundRemover.cpp ${CMAKE_CURRENT_LIST_DIR}/BackgroundRemover.h
    ${CMAKE_CURRENT_LIST_DIR}/BatchCrop.cpp ${CMAKE_CURRENT_LIST_DIR}/BatchCrop.h
    ${CMAKE_CURRENT_LIST_DIR}/HeifEncoderProcess.cpp ${CMAKE_CURRENT_LIST_DIR}/HeifEncoderProcess.h
    ${CMAKE_CURRENT_LIST_DIR}/ImageIOEngine.cpp ${CMAKE_CURRENT_LIST_DIR}/ImageIOEngine.h
    ${CMAKE_CURRENT_LIST_DIR}/ImageIOFailure.h
    ${CMAKE_CURRENT_LIST_DIR}/ImageSource.cpp ${CMAKE_CURRENT_LIST_DIR}/ImageSource.h
    ${CMAKE_CURRENT_LIST_DIR}/JpegMetadataFilter.cpp ${CMAKE_CURRENT_LIST_DIR}/JpegMetadataFilter.h
    ${CMAKE_CURRENT_LIST_DIR}/OnnxInputShape.cpp ${CMAKE_CURRENT_LIST_DIR}/OnnxInputShape.h
    ${CMAKE_CURRENT_LIST_DIR}/ScratchImage.cpp ${CMAKE_CURRENT_LIST_DIR}/ScratchImage.h
    ${CMAKE_CURRENT_LIST_DIR}/SegmentationModel.cpp ${CMAKE_CURRENT_LIST_DIR}/SegmentationModel.h
    ${CMAKE_CURRENT_LIST_DIR}/Vips.h
    ${CMAKE_CURRENT_LIST_DIR}/StagedFile.cpp ${CMAKE_CURRENT_LIST_DIR}/StagedFile.h
    ${CMAKE_CURRENT_LIST_DIR}/VipsCancellation.cpp ${CMAKE_CURRENT_LIST_DIR}/VipsCancellation.h
    ${CMAKE_CURRENT_LIST_DIR}/VipsRuntime.cpp ${CMAKE_CURRENT_LIST_DIR}/VipsRuntime.h
    ${CMAKE_CURRENT_LIST_DIR}/VipsTargetFile.cpp ${CMAKE_CURRENT_LIST_DIR}/VipsTargetFile.h
)
target_include_directories(karvo_engine PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_include_directories(karvo_engine SYSTEM PRIVATE ${KARVO_OPENCV_INCLUDE_DIR})
# libvips is public: its headers are used by the engine's tests and benchmarks.
target_link_libraries(karvo_engine
    PUBLIC PkgConfig::VIPS
    PRIVATE ${KARVO_OPENCV_DNN} ${KARVO_OPENCV_IMGPROC} ${KARVO_OPENCV_CORE})
