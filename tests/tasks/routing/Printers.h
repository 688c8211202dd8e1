// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"

#include <QString>
#include <ostream>

// Readable failure messages for routing values.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace karvo {
inline void PrintTo(const MediaInfo& i, std::ostream* os)
{
    *os << "MediaInfo{" << i.duration << "s " << i.width << 'x' << i.height << " v" << i.hasVideo << " a" << i.hasAudio
        << '}';
}

inline void PrintTo(const ConversionOp& op, std::ostream* os)
{
    *os << op.describe().toStdString();
}

inline std::string infoText(const std::optional<MediaInfo>& info)
{
    return info ? "info" : "no info";
}

inline void PrintTo(const DropEnqueue& e, std::ostream* os)
{
    *os << "enqueue(" << e.path.toStdString() << ", " << e.op.describe().toStdString() << ", " << infoText(e.info)
        << ')';
}

inline void PrintTo(const DropError& e, std::ostream* os)
{
    *os << "error(" << e.title.toStdString() << " / " << e.message.toStdString() << ')';
}

inline void PrintTo(const ToolFile& f, std::ostream* os)
{
    *os << f.path.toStdString() << " (" << infoText(f.info) << ')';
}

inline void PrintTo(const ToolRequest& r, std::ostream* os)
{
    *os << "request(kind " << static_cast<int>(r.kind) << ':';
    for (const ToolFile& f : r.files) {
        *os << ' ';
        PrintTo(f, os);
    }
    *os << ')';
}

inline void PrintTo(const DropPlan& p, std::ostream* os)
{
    *os << "plan{";
    for (const DropEnqueue& e : p.enqueues) {
        PrintTo(e, os);
        *os << "; ";
    }
    for (const ToolRequest& r : p.requests) {
        PrintTo(r, os);
        *os << "; ";
    }
    for (const DropError& e : p.errors) {
        PrintTo(e, os);
        *os << "; ";
    }
    *os << '}';
}
} // namespace karvo
