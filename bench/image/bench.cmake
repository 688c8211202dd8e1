# SPDX-License-Identifier: GPL-3.0-or-later
# One resize through the image engine per run, so that bench/image-resize can time it like a command.
add_executable(karvo-image-bench ${CMAKE_CURRENT_LIST_DIR}/ImageResizeBench.cpp)
target_link_libraries(karvo-image-bench PRIVATE karvo_engine)
add_dependencies(karvo-image-bench karvo_imaging)
karvo_set_warnings(karvo-image-bench)

# One image engine write with every parameter, optionally cancelled, for bench/image-big.
add_executable(karvo-image-op ${CMAKE_CURRENT_LIST_DIR}/ImageOpBench.cpp)
target_link_libraries(karvo-image-op PRIVATE karvo_engine)
add_dependencies(karvo-image-op karvo_imaging)
karvo_set_warnings(karvo-image-op)
