// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaBackend.h"

#include <QByteArray>
#include <QtGlobal>

namespace karvo {

void MediaBackend::selectDefault()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", QByteArrayLiteral("ffmpeg"));
}

} // namespace karvo
