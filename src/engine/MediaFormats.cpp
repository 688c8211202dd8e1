// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaFormats.h"

namespace karvo {

QList<OutputFormat> allOutputFormats()
{
    return {OutputFormat::mp4, OutputFormat::mkv, OutputFormat::gif,
            OutputFormat::mp3, OutputFormat::m4a, OutputFormat::mov};
}

QString rawValue(OutputFormat format)
{
    switch (format) {
    case OutputFormat::mp4:
        return QStringLiteral("MP4");
    case OutputFormat::mkv:
        return QStringLiteral("MKV");
    case OutputFormat::gif:
        return QStringLiteral("GIF");
    case OutputFormat::mp3:
        return QStringLiteral("MP3");
    case OutputFormat::m4a:
        return QStringLiteral("M4A");
    case OutputFormat::mov:
        return QStringLiteral("MOV");
    }
    return {};
}

QString fileExtension(OutputFormat format)
{
    return rawValue(format).toLower();
}

std::optional<OutputFormat> outputFormatFromRaw(const QString& raw)
{
    for (OutputFormat f : allOutputFormats()) {
        if (rawValue(f) == raw)
            return f;
    }
    return std::nullopt;
}

QList<ImageFormat> allImageFormats()
{
    return {ImageFormat::jpeg, ImageFormat::png, ImageFormat::heic};
}

QString rawValue(ImageFormat format)
{
    switch (format) {
    case ImageFormat::jpeg:
        return QStringLiteral("JPEG");
    case ImageFormat::png:
        return QStringLiteral("PNG");
    case ImageFormat::heic:
        return QStringLiteral("HEIC");
    }
    return {};
}

QString fileExtension(ImageFormat format)
{
    switch (format) {
    case ImageFormat::jpeg:
        return QStringLiteral("jpg");
    case ImageFormat::png:
        return QStringLiteral("png");
    case ImageFormat::heic:
        return QStringLiteral("heic");
    }
    return {};
}

std::optional<ImageFormat> imageFormatFromRaw(const QString& raw)
{
    for (ImageFormat f : allImageFormats()) {
        if (rawValue(f) == raw)
            return f;
    }
    return std::nullopt;
}

bool usesLossyQuality(ImageFormat format)
{
    return format != ImageFormat::png;
}

ImageFormat imageFormatPreserving(const QString& extension)
{
    const QString ext = extension.toLower();
    if (ext == u"jpg" || ext == u"jpeg" || ext == u"jfif")
        return ImageFormat::jpeg;
    if (ext == u"heic" || ext == u"heif")
        return ImageFormat::heic;
    return ImageFormat::png;
}

ImageFormat imageFormatCompressed(const QString& extension)
{
    const QString ext = extension.toLower();
    if (ext == u"heic" || ext == u"heif")
        return ImageFormat::heic;
    return ImageFormat::jpeg;
}

} // namespace karvo
