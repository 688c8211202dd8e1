// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include "AppIcon.h"
#include "Localization.h"

#include <QMessageBox>

namespace karvo {

QString AboutBox::version()
{
    const QString build = QStringLiteral(KARVO_BUILD_ID);
    return QStringLiteral(KARVO_VERSION) + QStringLiteral(" (") + (build.isEmpty() ? QStringLiteral("-") : build) +
           u')';
}

QString AboutBox::credits()
{
    // Component names and licences are shown as they are.
    return QStringLiteral("FFmpeg (LGPL 2.1+)\nLAME (LGPL)\ndav1d (BSD 2-Clause)\n"
                          "Qt (LGPL 3)\nlibvips (LGPL 2.1+)\nOpenCV (Apache 2.0)");
}

void AboutBox::show(QWidget* parent)
{
    QMessageBox box(parent);
    box.setWindowTitle(L("About Karvo"));
    box.setIconPixmap(AppIcon::current().pixmap(64, 64));
    box.setText(QStringLiteral("<b>%1</b><br>%2").arg(L("Karvo").toHtmlEscaped(), L("Version %@", version())));
    box.setInformativeText(credits());
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace karvo
