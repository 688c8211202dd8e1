# SPDX-License-Identifier: GPL-3.0-or-later
# Drop routing and intake, the stored defaults and output naming.
set(_routing ${CMAKE_CURRENT_LIST_DIR})
karvo_add_test(tasks_routing_drop SOURCES ${_routing}/DropRouterTest.cpp LIBS karvo_tasks)
karvo_add_test(tasks_routing_settings SOURCES ${_routing}/SettingsDefaultsTest.cpp LIBS karvo_tasks)
karvo_add_test(tasks_routing_language SOURCES ${_routing}/LanguageStoreTest.cpp LIBS karvo_tasks)
karvo_add_test(tasks_routing_output_naming SOURCES ${_routing}/OutputLocationTest.cpp LIBS karvo_tasks)
