# SPDX-License-Identifier: GPL-3.0-or-later
# Operation model, ffmpeg arguments, tool lookup, probing and text formatting.
set(_core ${CMAKE_CURRENT_LIST_DIR})
karvo_add_test(engine_core_operation_model SOURCES ${_core}/OperationModelTest.cpp LIBS karvo_engine)
karvo_add_test(engine_core_ffmpeg_arguments SOURCES ${_core}/FFmpegArgumentsTest.cpp ${_core}/FFmpegRunTest.cpp
    LIBS karvo_engine)
karvo_add_test(engine_core_media_probe SOURCES ${_core}/MediaProbeTest.cpp ${_core}/FFmpegLocatorTest.cpp
    LIBS karvo_engine)
karvo_add_test(engine_core_localization SOURCES ${_core}/LocalizationTest.cpp LIBS karvo_engine)
