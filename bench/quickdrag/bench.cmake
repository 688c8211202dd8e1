# SPDX-License-Identifier: GPL-3.0-or-later
# Quick Drag on a real X server, for bench/quickdrag/run: the ring's delay after Shift against a bare
# Xlib client's, the examination time, and the drag listener's CPU while no drag runs.
add_executable(karvo-quickdrag-bench ${CMAKE_CURRENT_LIST_DIR}/QuickDragBench.cpp
    ${PROJECT_SOURCE_DIR}/tests/ui/quickdrag/FakeX11Input.cpp)
target_include_directories(karvo-quickdrag-bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/ui/quickdrag)
pkg_check_modules(KARVO_BENCH_X11 REQUIRED IMPORTED_TARGET x11 xtst xi)
target_link_libraries(karvo-quickdrag-bench PRIVATE karvo_ui PkgConfig::KARVO_BENCH_X11)
karvo_set_warnings(karvo-quickdrag-bench)
# The stand-in for a file manager that the tests use.
add_executable(karvo-bench-drag-source ${PROJECT_SOURCE_DIR}/tests/ui/quickdrag/TestDragSource.cpp)
target_link_libraries(karvo-bench-drag-source PRIVATE Qt6::Widgets)
karvo_set_warnings(karvo-bench-drag-source)
