# SPDX-License-Identifier: GPL-3.0-or-later
# The reference program of bench/desktop-start: one empty Qt Widgets window that reports its first paint.
add_executable(karvo-minimal-window ${CMAKE_CURRENT_LIST_DIR}/MinimalWindow.cpp)
target_link_libraries(karvo-minimal-window PRIVATE Qt6::Widgets)
karvo_set_warnings(karvo-minimal-window)
