# SPDX-License-Identifier: GPL-3.0-or-later
karvo_add_test(test_conversion_task SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_conversion_task.cpp LIBS karvo_tasks)
