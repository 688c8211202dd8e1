# SPDX-License-Identifier: GPL-3.0-or-later
karvo_add_test(tasks_conversion_task SOURCES ${CMAKE_CURRENT_LIST_DIR}/ConversionTaskTest.cpp LIBS karvo_tasks)
karvo_add_test(tasks_task_manager SOURCES ${CMAKE_CURRENT_LIST_DIR}/TaskManagerTest.cpp LIBS karvo_tasks)
karvo_add_test(tasks_tool_rules SOURCES ${CMAKE_CURRENT_LIST_DIR}/ToolRulesTest.cpp LIBS karvo_tasks)
karvo_add_test(tasks_ffmpeg_run SOURCES ${CMAKE_CURRENT_LIST_DIR}/FFmpegRunTest.cpp LIBS karvo_tasks)
