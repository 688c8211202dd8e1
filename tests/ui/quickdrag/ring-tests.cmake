# SPDX-License-Identifier: GPL-3.0-or-later
# The Quick Drag ring: its geometry and fades as plain functions, the view as a drop target, the window.
karvo_add_test(ui_radial_menu
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/quickdrag/RadialGeometryTest.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/quickdrag/RadialMenuViewTest.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/quickdrag/RadialMenuWindowTest.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/../app/DesktopTestMain.cpp
    LIBS karvo_ui)
