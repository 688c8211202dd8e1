# SPDX-License-Identifier: GPL-3.0-or-later
karvo_add_test(cli_convert SOURCES ${CMAKE_CURRENT_LIST_DIR}/CliConvertTest.cpp LIBS karvo_engine)
target_compile_definitions(cli_convert PRIVATE KARVO_CLI_PATH="$<TARGET_FILE:karvo-cli>")
add_dependencies(cli_convert karvo-cli)

# Signals, a closed output and a killed karvo-cli, with the program's children watched.
karvo_add_test(cli_signals SOURCES ${CMAKE_CURRENT_LIST_DIR}/CliSignalsTest.cpp LIBS karvo_engine)
target_compile_definitions(cli_signals PRIVATE KARVO_CLI_PATH="$<TARGET_FILE:karvo-cli>")
add_dependencies(cli_signals karvo-cli)

karvo_add_test(cli_options SOURCES ${CMAKE_CURRENT_LIST_DIR}/CliOptionsTest.cpp LIBS karvo_cli_lib)
