# SPDX-License-Identifier: GPL-3.0-or-later
karvo_add_test(cli_convert SOURCES ${CMAKE_CURRENT_LIST_DIR}/CliConvertTest.cpp LIBS karvo_engine)
target_compile_definitions(cli_convert PRIVATE KARVO_CLI_PATH="$<TARGET_FILE:karvo-cli>")
add_dependencies(cli_convert karvo-cli)
