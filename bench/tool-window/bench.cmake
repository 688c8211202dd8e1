# SPDX-License-Identifier: GPL-3.0-or-later
# The tool windows' video preview on one clip (first picture, longest stall while scrubbing), for
# bench/tool-window/run.
add_executable(karvo-tool-window-bench ${CMAKE_CURRENT_LIST_DIR}/ToolWindowBench.cpp)
target_link_libraries(karvo-tool-window-bench PRIVATE karvo_preview)
karvo_set_warnings(karvo-tool-window-bench)
