// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace karvo {

// Container formats of video and audio conversions, in display order.
enum class OutputFormat { mp4, mkv, gif, mp3, m4a, mov };

// Still-image formats Karvo writes, in display order.
enum class ImageFormat { jpeg, png, heic };

QList<OutputFormat> allOutputFormats();
// The raw value doubles as the display label ("MP4").
QString rawValue(OutputFormat format);
QString fileExtension(OutputFormat format);
// Exact, case-sensitive match against the raw values.
std::optional<OutputFormat> outputFormatFromRaw(const QString& raw);

QList<ImageFormat> allImageFormats();
QString rawValue(ImageFormat format);
QString fileExtension(ImageFormat format);
std::optional<ImageFormat> imageFormatFromRaw(const QString& raw);
bool usesLossyQuality(ImageFormat format);
// Keeps the source's kind where one exists; anything else becomes PNG.
ImageFormat imageFormatPreserving(const QString& extension);
// Lossless and unknown sources are compressed into JPEG.
ImageFormat imageFormatCompressed(const QString& extension);

} // namespace karvo
