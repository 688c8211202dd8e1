// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MediaFormats.h"

#include <QString>
#include <type_traits>
#include <utility>
#include <variant>

namespace karvo {

namespace ops {
struct Convert {
    OutputFormat format;
    bool operator==(const Convert&) const = default;
};
struct ConvertImage {
    ImageFormat format;
    bool operator==(const ConvertImage&) const = default;
};
struct Compress {
    int crf;
    bool operator==(const Compress&) const = default;
};
struct CompressImage {
    double quality;
    bool operator==(const CompressImage&) const = default;
};
struct ResizeImage {
    int maxEdge;
    bool operator==(const ResizeImage&) const = default;
};
struct Trim {
    double start;
    double end;
    bool operator==(const Trim&) const = default;
};
struct Crop {
    int x, y, w, h;
    bool operator==(const Crop&) const = default;
};
struct Speed {
    double factor;
    bool operator==(const Speed&) const = default;
};
struct Snapshot {
    double time;
    bool operator==(const Snapshot&) const = default;
};
struct Split {
    double segmentSeconds;
    bool operator==(const Split&) const = default;
};
struct RotateImage {
    bool operator==(const RotateImage&) const = default;
};
struct RemoveMetadata {
    bool operator==(const RemoveMetadata&) const = default;
};
struct RemoveBackground {
    bool operator==(const RemoveBackground&) const = default;
};
struct Mute {
    bool operator==(const Mute&) const = default;
};
} // namespace ops

struct OutputSuffix {
    QString base; // appended to the source's base name, begins with a space when not empty
    QString ext;
    bool operator==(const OutputSuffix&) const = default;
};

// One operation on one file. Plain value: equality compares the case and its payload.
class ConversionOp {
public:
    using Payload = std::variant<ops::Convert, ops::ConvertImage, ops::Compress, ops::CompressImage, ops::ResizeImage,
                                 ops::Trim, ops::Crop, ops::Speed, ops::Snapshot, ops::Split, ops::RotateImage,
                                 ops::RemoveMetadata, ops::RemoveBackground, ops::Mute>;

    // Implicit from any operation case, so `ConversionOp op = ops::Mute{}` reads naturally.
    template <typename T>
    requires std::is_constructible_v<Payload, T> ConversionOp(T op) : m_payload(std::move(op)) {}

    static ConversionOp convert(OutputFormat f) { return ops::Convert{f}; }
    static ConversionOp convertImage(ImageFormat f) { return ops::ConvertImage{f}; }
    static ConversionOp compress(int crf) { return ops::Compress{crf}; }
    static ConversionOp compressImage(double quality) { return ops::CompressImage{quality}; }
    static ConversionOp resizeImage(int maxEdge) { return ops::ResizeImage{maxEdge}; }
    static ConversionOp trim(double start, double end) { return ops::Trim{start, end}; }
    static ConversionOp crop(int x, int y, int w, int h) { return ops::Crop{x, y, w, h}; }
    static ConversionOp speed(double factor) { return ops::Speed{factor}; }
    static ConversionOp snapshot(double time) { return ops::Snapshot{time}; }
    static ConversionOp split(double segmentSeconds) { return ops::Split{segmentSeconds}; }
    static ConversionOp rotateImage() { return ops::RotateImage{}; }
    static ConversionOp removeMetadata() { return ops::RemoveMetadata{}; }
    static ConversionOp removeBackground() { return ops::RemoveBackground{}; }
    static ConversionOp mute() { return ops::Mute{}; }

    template <typename T>
    bool is() const
    {
        return std::holds_alternative<T>(m_payload);
    }
    template <typename T>
    const T* as() const
    {
        return std::get_if<T>(&m_payload);
    }
    const Payload& payload() const { return m_payload; }

    // inputExt must already be lower-cased.
    OutputSuffix outputSuffix(const QString& inputExt) const;
    // Progress title of a task card.
    QString localizedTitle() const;
    // True when the image engine carries this operation out for an input with this (lower-cased) extension.
    bool runsInImageEngine(const QString& inputExt) const;
    // A short, stable, untranslated description such as "trim(start: 1, end: 2.5)" for logs and `karvo-cli plan`.
    QString describe() const;

    bool operator==(const ConversionOp&) const = default;

private:
    Payload m_payload;
};

} // namespace karvo
