// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionOp.h"
#include "MediaInfo.h"

#include <QString>
#include <ostream>

// Readable failure messages for Qt and engine values.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace karvo {
inline void PrintTo(const MediaInfo& i, std::ostream* os)
{
    *os << "MediaInfo{duration " << i.duration << ", " << i.width << 'x' << i.height << ", video " << i.hasVideo
        << ", audio " << i.hasAudio << ", format \"" << i.formatName.toStdString() << "\"}";
}

inline void PrintTo(const ConversionOp& op, std::ostream* os)
{
    *os << op.describe().toStdString();
}
} // namespace karvo
