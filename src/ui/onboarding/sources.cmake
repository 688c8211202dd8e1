# SPDX-License-Identifier: GPL-3.0-or-later
# The first-run introduction and its Quick Drag demonstrations, part of karvo_ui.
set(KARVO_ONBOARDING_DIR ${CMAKE_CURRENT_LIST_DIR})
target_sources(karvo_ui PRIVATE
    ${KARVO_ONBOARDING_DIR}/AnimatedDemoCanvas.cpp ${KARVO_ONBOARDING_DIR}/AnimatedDemoCanvas.h
    ${KARVO_ONBOARDING_DIR}/DemoFrame.cpp ${KARVO_ONBOARDING_DIR}/DemoFrame.h
    ${KARVO_ONBOARDING_DIR}/DemoSprites.cpp ${KARVO_ONBOARDING_DIR}/DemoSprites.h
    ${KARVO_ONBOARDING_DIR}/DemoStage.cpp ${KARVO_ONBOARDING_DIR}/DemoStage.h
    ${KARVO_ONBOARDING_DIR}/DemoStoryboard.cpp ${KARVO_ONBOARDING_DIR}/DemoStoryboard.h
    ${KARVO_ONBOARDING_DIR}/OnboardingView.cpp ${KARVO_ONBOARDING_DIR}/OnboardingView.h
    ${KARVO_ONBOARDING_DIR}/ReducedMotion.cpp ${KARVO_ONBOARDING_DIR}/ReducedMotion.h
    ${KARVO_ONBOARDING_DIR}/VirtualFinderDemoView.cpp ${KARVO_ONBOARDING_DIR}/VirtualFinderDemoView.h
)
target_include_directories(karvo_ui PUBLIC ${KARVO_ONBOARDING_DIR})
# Reduced motion is read from GNOME's settings through GIO, loaded when first asked: only its headers are used
# at build time.
pkg_check_modules(KARVO_GIO REQUIRED gio-2.0)
target_include_directories(karvo_ui SYSTEM PRIVATE ${KARVO_GIO_INCLUDE_DIRS})
target_link_libraries(karvo_ui PRIVATE ${CMAKE_DL_LIBS})
