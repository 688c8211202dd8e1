// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragHotkeyDebug.h"

#include <QtGlobal>
#include <cstdio>

namespace karvo {

namespace {
DragHotkeyDebug::Sink& sink()
{
    static DragHotkeyDebug::Sink s;
    return s;
}
} // namespace

bool DragHotkeyDebug::enabled()
{
    return qEnvironmentVariableIsSet("KV_DEBUG");
}

void DragHotkeyDebug::log(const QString& message)
{
    if (!enabled())
        return;
    const QString line = QStringLiteral("KV: ") + message;
    if (sink()) {
        sink()(line);
        return;
    }
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void DragHotkeyDebug::setSink(Sink s)
{
    sink() = std::move(s);
}

} // namespace karvo
