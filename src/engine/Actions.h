// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MediaFormats.h"

#include <QList>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>

namespace karvo {

// The raw value is only an index; it is what stored data and menus refer to.
enum class ToolAction {
    compress = 0,
    removeMeta = 1,
    mute = 2,
    trim = 3,
    crop = 4,
    speed = 5,
    snapshot = 6,
    split = 7,
    resize = 8,
    rotate = 9,
    removeBackground = 10,
};

std::optional<ToolAction> toolActionFromRaw(int raw);

// Parameter windows; the listed order is the order in which they are requested.
enum class ToolKind { compressVideo, compressImage, resizeImage, trim, crop, speed, snapshot, split };

QList<ToolKind> allToolKinds();

enum class DropKind { video, audio, image, mixed };

// What a wedge, a chip or a button stands for.
class RadialAction {
public:
    enum class Type { format, imageFormat, tool };

    static RadialAction format(OutputFormat f) { return RadialAction(Type::format, f, ImageFormat::jpeg, {}); }
    static RadialAction imageFormat(ImageFormat f) { return RadialAction(Type::imageFormat, {}, f, {}); }
    static RadialAction tool(ToolAction a) { return RadialAction(Type::tool, {}, ImageFormat::jpeg, a); }

    Type type() const { return m_type; }
    // Each accessor is meaningful only for its own type.
    OutputFormat outputFormat() const { return m_format; }
    ImageFormat imageFormatValue() const { return m_imageFormat; }
    ToolAction toolAction() const { return m_tool; }

    bool isFormat(OutputFormat f) const { return m_type == Type::format && m_format == f; }
    bool isTool(ToolAction a) const { return m_type == Type::tool && m_tool == a; }

    bool operator==(const RadialAction& other) const;
    std::size_t hash() const;

private:
    RadialAction(Type type, OutputFormat format, ImageFormat imageFormat, ToolAction tool)
        : m_type(type), m_format(format), m_imageFormat(imageFormat), m_tool(tool)
    {
    }

    Type m_type;
    OutputFormat m_format;
    ImageFormat m_imageFormat;
    ToolAction m_tool;
};

} // namespace karvo

template <>
struct std::hash<karvo::RadialAction> {
    std::size_t operator()(const karvo::RadialAction& a) const noexcept { return a.hash(); }
};
