# SPDX-License-Identifier: GPL-3.0-or-later
# karvo-cli probe and plan, run as the built program.
karvo_add_test(cli_probeplan SOURCES ${CMAKE_CURRENT_LIST_DIR}/CliProbePlanTest.cpp LIBS karvo_engine)
target_compile_definitions(cli_probeplan PRIVATE KARVO_CLI_PATH="$<TARGET_FILE:karvo-cli>")
add_dependencies(cli_probeplan karvo-cli)
