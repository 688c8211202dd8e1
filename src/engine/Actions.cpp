// SPDX-License-Identifier: GPL-3.0-or-later
#include "Actions.h"

namespace karvo {

std::optional<ToolAction> toolActionFromRaw(int raw)
{
    if (raw < 0 || raw > static_cast<int>(ToolAction::removeBackground))
        return std::nullopt;
    return static_cast<ToolAction>(raw);
}

QList<ToolKind> allToolKinds()
{
    return {ToolKind::compressVideo, ToolKind::compressImage, ToolKind::resizeImage, ToolKind::trim,
            ToolKind::crop,          ToolKind::speed,         ToolKind::snapshot,    ToolKind::split};
}

bool RadialAction::operator==(const RadialAction& other) const
{
    if (m_type != other.m_type)
        return false;
    switch (m_type) {
    case Type::format:
        return m_format == other.m_format;
    case Type::imageFormat:
        return m_imageFormat == other.m_imageFormat;
    case Type::tool:
        return m_tool == other.m_tool;
    }
    return false;
}

std::size_t RadialAction::hash() const
{
    int payload = 0;
    switch (m_type) {
    case Type::format:
        payload = static_cast<int>(m_format);
        break;
    case Type::imageFormat:
        payload = static_cast<int>(m_imageFormat);
        break;
    case Type::tool:
        payload = static_cast<int>(m_tool);
        break;
    }
    return std::hash<int>()(static_cast<int>(m_type) * 64 + payload);
}

} // namespace karvo
