# SPDX-License-Identifier: GPL-3.0-or-later
karvo_add_test(ui_quick_drag_monitor
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/quickdrag/DragHotkeyMonitorTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/../app/DesktopTestMain.cpp
    LIBS karvo_ui)

# The end-to-end drags need a real X server, a drag source in another process and XTest.
add_executable(karvo-test-drag-source ${CMAKE_CURRENT_SOURCE_DIR}/quickdrag/TestDragSource.cpp)
target_link_libraries(karvo-test-drag-source PRIVATE Qt6::Widgets)
karvo_set_warnings(karvo-test-drag-source)
pkg_check_modules(KARVO_XTEST REQUIRED IMPORTED_TARGET x11 xtst)
karvo_add_test(ui_quick_drag_x11 XVFB
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/quickdrag/QuickDragX11Test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/quickdrag/FakeX11Input.cpp
    LIBS karvo_ui PkgConfig::KARVO_XTEST)
target_compile_definitions(ui_quick_drag_x11 PRIVATE KARVO_TEST_DRAG_SOURCE="$<TARGET_FILE:karvo-test-drag-source>")
add_dependencies(ui_quick_drag_x11 karvo-test-drag-source)
