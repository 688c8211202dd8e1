// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolServices.h"

#include "ProgressHUDController.h"
#include "TaskManager.h"

#include <QMessageBox>

namespace karvo {

ToolServices ToolServices::withDefaults() const
{
    ToolServices s = *this;
    if (!s.enqueue)
        s.enqueue = [](const DropEnqueue& e) {
            TaskManager::shared().enqueue(e.path, e.op, e.info);
        };
    if (!s.alert) {
        // Not modal: a window applying a batch must not stop at the first refused file.
        s.alert = [](const DropError& e) {
            auto* box = new QMessageBox(QMessageBox::Warning, e.title, e.title, QMessageBox::Ok);
            box->setInformativeText(e.message);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
        };
    }
    if (!s.reload)
        s.reload = [] {
            ProgressHUDController::shared().reload();
        };
    return s;
}

} // namespace karvo
