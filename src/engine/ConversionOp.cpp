// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConversionOp.h"

#include "Localization.h"
#include "MediaExtensions.h"

namespace karvo {

namespace {
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

QString number(double x)
{
    return QString::number(x, 'g', 12);
}
} // namespace

OutputSuffix ConversionOp::outputSuffix(const QString& inputExt) const
{
    const auto preserving = [&] {
        return fileExtension(imageFormatPreserving(inputExt));
    };
    return std::visit(
        Overloaded{
            [&](const ops::Convert& o) {
                return OutputSuffix{QString(), fileExtension(o.format)};
            },
            [&](const ops::ConvertImage& o) {
                return OutputSuffix{QString(), fileExtension(o.format)};
            },
            [&](const ops::Compress&) {
                return OutputSuffix{" Compressed", "mp4"};
            },
            [&](const ops::CompressImage&) {
                return OutputSuffix{" Compressed", fileExtension(imageFormatCompressed(inputExt))};
            },
            [&](const ops::ResizeImage&) {
                return OutputSuffix{" Resized", preserving()};
            },
            [&](const ops::Trim&) {
                return OutputSuffix{" Trimmed", "mp4"};
            },
            [&](const ops::Crop&) {
                return OutputSuffix{" Cropped", "mp4"};
            },
            [&](const ops::Speed&) {
                return OutputSuffix{" Speed", "mp4"};
            },
            [&](const ops::Snapshot&) {
                return OutputSuffix{" Snapshot", "png"};
            },
            [&](const ops::Split&) { return OutputSuffix{}; },
            [&](const ops::RotateImage&) {
                return OutputSuffix{" Rotated", preserving()};
            },
            [&](const ops::RemoveMetadata&) {
                return OutputSuffix{" NoMeta", MediaExtensions::image().contains(inputExt) ? preserving() : inputExt};
            },
            [&](const ops::RemoveBackground&) {
                return OutputSuffix{" NoBg", "png"};
            },
            [&](const ops::Mute&) {
                return OutputSuffix{" Muted", inputExt};
            },
        },
        m_payload);
}

QString ConversionOp::localizedTitle() const
{
    return std::visit(Overloaded{
                          [](const ops::Convert& o) { return L("Converting to %@", rawValue(o.format)); },
                          [](const ops::ConvertImage& o) { return L("Converting to %@", rawValue(o.format)); },
                          [](const ops::Compress&) { return L("Compressing"); },
                          [](const ops::CompressImage&) { return L("Compressing"); },
                          [](const ops::ResizeImage&) { return L("Resizing"); },
                          [](const ops::Trim&) { return L("Trimming"); },
                          [](const ops::Crop&) { return L("Cropping video"); },
                          [](const ops::Speed&) { return L("Changing speed"); },
                          [](const ops::Snapshot&) { return L("Taking snapshot"); },
                          [](const ops::Split&) { return L("Splitting"); },
                          [](const ops::RotateImage&) { return L("Rotating"); },
                          [](const ops::RemoveMetadata&) { return L("Removing metadata"); },
                          [](const ops::RemoveBackground&) { return L("Removing background"); },
                          [](const ops::Mute&) { return L("Muting"); },
                      },
                      m_payload);
}

bool ConversionOp::runsInImageEngine(const QString& inputExt) const
{
    if (is<ops::RemoveMetadata>())
        return MediaExtensions::image().contains(inputExt);
    return is<ops::ConvertImage>() || is<ops::CompressImage>() || is<ops::ResizeImage>() || is<ops::RotateImage>() ||
           is<ops::RemoveBackground>();
}

QString ConversionOp::describe() const
{
    return std::visit(
        Overloaded{
            [](const ops::Convert& o) { return QStringLiteral("convert(%1)").arg(rawValue(o.format)); },
            [](const ops::ConvertImage& o) { return QStringLiteral("convertImage(%1)").arg(rawValue(o.format)); },
            [](const ops::Compress& o) { return QStringLiteral("compress(crf: %1)").arg(o.crf); },
            [](const ops::CompressImage& o) {
                return QStringLiteral("compressImage(quality: %1)").arg(number(o.quality));
            },
            [](const ops::ResizeImage& o) { return QStringLiteral("resizeImage(maxEdge: %1)").arg(o.maxEdge); },
            [](const ops::Trim& o) {
                return QStringLiteral("trim(start: %1, end: %2)").arg(number(o.start), number(o.end));
            },
            [](const ops::Crop& o) {
                return QStringLiteral("crop(x: %1, y: %2, w: %3, h: %4)").arg(o.x).arg(o.y).arg(o.w).arg(o.h);
            },
            [](const ops::Speed& o) { return QStringLiteral("speed(factor: %1)").arg(number(o.factor)); },
            [](const ops::Snapshot& o) { return QStringLiteral("snapshot(time: %1)").arg(number(o.time)); },
            [](const ops::Split& o) {
                return QStringLiteral("split(segmentSeconds: %1)").arg(number(o.segmentSeconds));
            },
            [](const ops::RotateImage&) { return QStringLiteral("rotateImage"); },
            [](const ops::RemoveMetadata&) { return QStringLiteral("removeMetadata"); },
            [](const ops::RemoveBackground&) { return QStringLiteral("removeBackground"); },
            [](const ops::Mute&) { return QStringLiteral("mute"); },
        },
        m_payload);
}

} // namespace karvo
