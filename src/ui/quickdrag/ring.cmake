# SPDX-License-Identifier: GPL-3.0-or-later
# The ring of wedges that opens at the pointer: geometry, highlight fade, view and window.
target_sources(karvo_ui PRIVATE
    ${KARVO_QUICKDRAG_DIR}/RadialAnimations.cpp ${KARVO_QUICKDRAG_DIR}/RadialAnimations.h
    ${KARVO_QUICKDRAG_DIR}/RadialFade.cpp ${KARVO_QUICKDRAG_DIR}/RadialFade.h
    ${KARVO_QUICKDRAG_DIR}/RadialGeometry.cpp ${KARVO_QUICKDRAG_DIR}/RadialGeometry.h
    ${KARVO_QUICKDRAG_DIR}/RadialMenuView.cpp ${KARVO_QUICKDRAG_DIR}/RadialMenuView.h
    ${KARVO_QUICKDRAG_DIR}/RadialMenuWindow.cpp ${KARVO_QUICKDRAG_DIR}/RadialMenuWindow.h
    ${KARVO_QUICKDRAG_DIR}/XdndCopyFilter.cpp ${KARVO_QUICKDRAG_DIR}/XdndCopyFilter.h
)
# Whether a compositor runs decides between a translucent disc and an opaque one cut to shape.
target_link_libraries(karvo_ui PRIVATE karvo_progress)
# The drop answer is adjusted on the X11 messages themselves (see XdndCopyFilter).
pkg_check_modules(KARVO_RING_XCB REQUIRED IMPORTED_TARGET xcb)
target_link_libraries(karvo_ui PRIVATE PkgConfig::KARVO_RING_XCB)
