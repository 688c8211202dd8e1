# SPDX-License-Identifier: GPL-3.0-or-later
# The ffmpeg runs of a GIF conversion, for bench/gif-long to run and measure like the task runner would.
add_executable(karvo-gif-passes ${CMAKE_CURRENT_LIST_DIR}/GifPassesBench.cpp)
target_link_libraries(karvo-gif-passes PRIVATE karvo_engine)
karvo_set_warnings(karvo-gif-passes)
