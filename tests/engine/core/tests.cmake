# SPDX-License-Identifier: GPL-3.0-or-later
# Operation model, ffmpeg arguments, tool lookup, probing and text formatting.
set(_core ${CMAKE_CURRENT_LIST_DIR})
karvo_add_test(engine_core_operation_model SOURCES ${_core}/OperationModelTest.cpp LIBS karvo_engine)
karvo_add_test(engine_core_ffmpeg_arguments SOURCES ${_core}/FFmpegArgumentsTest.cpp ${_core}/FFmpegRunTest.cpp
    LIBS karvo_engine)
karvo_add_test(engine_core_media_probe SOURCES ${_core}/MediaProbeTest.cpp ${_core}/FFmpegLocatorTest.cpp
    LIBS karvo_engine)
karvo_add_test(engine_core_localization SOURCES ${_core}/LocalizationTest.cpp LIBS karvo_engine)
target_compile_definitions(engine_core_localization PRIVATE KARVO_LRELEASE="$<TARGET_FILE:Qt6::lrelease>")
# The committed string tables against the texts of src/ (Translations.cmake).
karvo_add_test(engine_core_translation_tables SOURCES ${_core}/TranslationTablesTest.cpp LIBS karvo_ts_catalog)
target_compile_definitions(engine_core_translation_tables PRIVATE KARVO_LUPDATE="$<TARGET_FILE:Qt6::lupdate>"
    KARVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}/src" KARVO_TRANSLATIONS_DIR="${KARVO_TRANSLATIONS_DIR}"
    KARVO_LANGUAGE_CODES="${KARVO_LANGUAGE_CODES_CSV}")
# Every language's compiled table, read through L: complete, with the arguments and plural forms it needs.
karvo_add_test(engine_core_translation_completeness SOURCES ${_core}/TranslationCompletenessTest.cpp
    LIBS karvo_ts_catalog karvo_tasks)
target_compile_definitions(engine_core_translation_completeness PRIVATE KARVO_LUPDATE="$<TARGET_FILE:Qt6::lupdate>"
    KARVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}/src" KARVO_TRANSLATIONS_DIR="${KARVO_TRANSLATIONS_DIR}"
    KARVO_LANGUAGE_CODES="${KARVO_LANGUAGE_CODES_CSV}")

# Child processes, with a helper standing in for a Karvo process that gets killed.
add_executable(karvo_child_process_helper ${_core}/ChildProcessHelper.cpp)
target_link_libraries(karvo_child_process_helper PRIVATE karvo_engine)
karvo_set_warnings(karvo_child_process_helper)
karvo_add_test(engine_core_child_process SOURCES ${_core}/ChildProcessTest.cpp LIBS karvo_engine)
target_compile_definitions(engine_core_child_process
    PRIVATE KARVO_CHILD_HELPER="$<TARGET_FILE:karvo_child_process_helper>")
add_dependencies(engine_core_child_process karvo_child_process_helper)

# Input checks and ffmpeg's error report.
karvo_add_test(engine_core_media_file_check SOURCES ${_core}/MediaFileCheckTest.cpp LIBS karvo_engine)
karvo_add_test(engine_core_ffmpeg_error_text SOURCES ${_core}/FFmpegErrorTextTest.cpp LIBS karvo_engine)
