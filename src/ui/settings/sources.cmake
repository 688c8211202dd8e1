# SPDX-License-Identifier: GPL-3.0-or-later
# The settings screen: its pages and the rules behind them.
set(_karvo_settings_dir ${CMAKE_CURRENT_LIST_DIR})
target_sources(karvo_ui PRIVATE
    ${_karvo_settings_dir}/AboutSettingsTab.cpp ${_karvo_settings_dir}/AboutSettingsTab.h
    ${_karvo_settings_dir}/DefaultsSettingsTab.cpp ${_karvo_settings_dir}/DefaultsSettingsTab.h
    ${_karvo_settings_dir}/GeneralSettingsTab.cpp ${_karvo_settings_dir}/GeneralSettingsTab.h
    ${_karvo_settings_dir}/OutputModeRules.cpp ${_karvo_settings_dir}/OutputModeRules.h
    ${_karvo_settings_dir}/OutputSettingsTab.cpp ${_karvo_settings_dir}/OutputSettingsTab.h
    ${_karvo_settings_dir}/PrivacySettingsTab.cpp ${_karvo_settings_dir}/PrivacySettingsTab.h
    ${_karvo_settings_dir}/SettingsContext.h
    ${_karvo_settings_dir}/SettingsDetail.cpp ${_karvo_settings_dir}/SettingsDetail.h
    ${_karvo_settings_dir}/SettingsPages.cpp ${_karvo_settings_dir}/SettingsPages.h
    ${_karvo_settings_dir}/SettingsSection.cpp ${_karvo_settings_dir}/SettingsSection.h
    ${_karvo_settings_dir}/SettingsView.cpp ${_karvo_settings_dir}/SettingsView.h
)
target_include_directories(karvo_ui PUBLIC ${_karvo_settings_dir})
