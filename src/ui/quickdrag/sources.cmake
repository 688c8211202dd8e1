# SPDX-License-Identifier: GPL-3.0-or-later
# Quick Drag: the drag monitor's state machine, what a file manager's drag carries, and the ring.
set(KARVO_QUICKDRAG_DIR ${CMAKE_CURRENT_LIST_DIR})
target_sources(karvo_ui PRIVATE
    ${KARVO_QUICKDRAG_DIR}/DragHotkeyDebug.cpp ${KARVO_QUICKDRAG_DIR}/DragHotkeyDebug.h
    ${KARVO_QUICKDRAG_DIR}/DragHotkeyMonitor.cpp ${KARVO_QUICKDRAG_DIR}/DragHotkeyMonitor.h
    ${KARVO_QUICKDRAG_DIR}/FileManagementDrag.cpp ${KARVO_QUICKDRAG_DIR}/FileManagementDrag.h
    ${KARVO_QUICKDRAG_DIR}/RadialMenu.h
)
target_include_directories(karvo_ui PUBLIC ${KARVO_QUICKDRAG_DIR})
# The drag monitor's events come from the platform's backend.
target_link_libraries(karvo_ui PUBLIC karvo_platform)
include(${KARVO_QUICKDRAG_DIR}/ring.cmake)
