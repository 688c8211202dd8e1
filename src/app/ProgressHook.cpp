// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressHook.h"

#ifdef KARVO_HAVE_PROGRESS_PANEL
#include "ProgressHUDController.h"
#endif

namespace karvo {

void ProgressHook::reload()
{
#ifdef KARVO_HAVE_PROGRESS_PANEL
    ProgressHUDController::shared().reload();
#endif
}

} // namespace karvo
