# SPDX-License-Identifier: GPL-3.0-or-later
# String tables: one Qt Linguist file per interface language in translations/, compiled to .qm and
# embedded in karvo_tasks (beside the language store that loads them), so that every program linking it
# carries the tables. English is the language of the keys and has no table.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

set(KARVO_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/translations)
set(KARVO_LANGUAGE_CODES zh-Hans ja ko de fr es pt it nl sv pl cs sk ru uk be ar fa hi bn af)
string(REPLACE ";" "," KARVO_LANGUAGE_CODES_CSV "${KARVO_LANGUAGE_CODES}")
set(KARVO_TS_FILES "")
foreach(code IN LISTS KARVO_LANGUAGE_CODES)
    list(APPEND KARVO_TS_FILES ${KARVO_TRANSLATIONS_DIR}/karvo_${code}.ts)
endforeach()

# Reads and rewrites the tables: every key in the one context L looks texts up in.
add_library(karvo_ts_catalog STATIC EXCLUDE_FROM_ALL
    ${KARVO_TRANSLATIONS_DIR}/tool/TsCatalog.cpp ${KARVO_TRANSLATIONS_DIR}/tool/TsCatalog.h)
target_include_directories(karvo_ts_catalog PUBLIC ${KARVO_TRANSLATIONS_DIR}/tool)
target_link_libraries(karvo_ts_catalog PUBLIC karvo_engine Qt6::Core)
karvo_set_warnings(karvo_ts_catalog)

add_executable(karvo-ts-sync EXCLUDE_FROM_ALL ${KARVO_TRANSLATIONS_DIR}/tool/TsSync.cpp)
target_link_libraries(karvo-ts-sync PRIVATE karvo_ts_catalog)
karvo_set_warnings(karvo-ts-sync)

# `cmake --build <dir> --target karvo_lupdate` regenerates the tables from src/: a fresh lupdate
# extraction (-no-obsolete -locations none; see TsCatalog::extract), then every table brought to its keys
# with the translations it already has.
add_custom_target(karvo_lupdate
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/translations
    COMMAND karvo-ts-sync $<TARGET_FILE:Qt6::lupdate> ${PROJECT_SOURCE_DIR}/src
            ${CMAKE_BINARY_DIR}/translations/extracted.ts ${KARVO_TS_FILES}
    DEPENDS karvo-ts-sync Qt6::lupdate
    COMMENT "Extracting L texts from src/ into translations/"
    VERBATIM)

# qt_add_translations' own halves: its lupdate half would scan only karvo_tasks' sources, one context per
# class, so karvo_lupdate above takes its place. Unfinished entries stay out of the compiled tables, so L
# shows their English key. For a static library the resource is an object library that reaches every
# executable linking karvo_tasks.
set_source_files_properties(${KARVO_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations/qm)
qt_add_lrelease(karvo_tasks
    TS_FILES ${KARVO_TS_FILES}
    OPTIONS -silent -nounfinished
    QM_FILES_OUTPUT_VARIABLE _karvo_qm_files)
qt_add_resources(karvo_tasks karvo_translations
    PREFIX /i18n
    BASE ${CMAKE_BINARY_DIR}/translations/qm
    FILES ${_karvo_qm_files})
