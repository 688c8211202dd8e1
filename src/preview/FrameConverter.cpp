// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameConverter.h"

#include <QTransform>
#include <QVideoFrame>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace karvo {

namespace {

// Where the samples of one YUV layout live.
struct Layout {
    int yPlane = 0;
    int uPlane = 1;
    int vPlane = 2;
    int uIndex = 0;     // first U sample within a chroma row entry (interleaved layouts)
    int vIndex = 0;     // first V sample within a chroma row entry
    int chromaStep = 1; // samples from one chroma entry to the next: 2 when U and V are interleaved
    int shiftX = 1;     // horizontal chroma subsampling, as a shift
    int shiftY = 1;     // vertical chroma subsampling
    bool wide = false;  // 16-bit samples
    int maxValue = 255; // the largest sample value
};

std::optional<Layout> layoutOf(QVideoFrameFormat::PixelFormat format)
{
    using F = QVideoFrameFormat;
    switch (format) {
    case F::Format_YUV420P:
        return Layout{};
    case F::Format_YV12:
        return Layout{0, 2, 1, 0, 0, 1, 1, 1, false, 255};
    case F::Format_YUV422P:
        return Layout{0, 1, 2, 0, 0, 1, 1, 0, false, 255};
    case F::Format_NV12:
        return Layout{0, 1, 1, 0, 1, 2, 1, 1, false, 255};
    case F::Format_NV21:
        return Layout{0, 1, 1, 1, 0, 2, 1, 1, false, 255};
    case F::Format_YUV420P10:
        return Layout{0, 1, 2, 0, 0, 1, 1, 1, true, 1023};
    case F::Format_P010: // 10 bits in the high bits of each 16-bit sample: read as 16-bit values
    case F::Format_P016:
        return Layout{0, 1, 1, 0, 1, 2, 1, 1, true, 65535};
    default:
        return std::nullopt;
    }
}

// Lookup tables from 8-bit samples to each sample's share of R, G and B, in 1/1024 steps.
struct Tables {
    int y[256];
    int rv[256];
    int gu[256];
    int gv[256];
    int bu[256];
};

Tables tablesFor(const QVideoFrameFormat& format)
{
    // Untagged video is read as BT.601, as ffmpeg reads it, so the preview matches the stills Karvo writes.
    double kr = 0.299;
    double kb = 0.114;
    if (format.colorSpace() == QVideoFrameFormat::ColorSpace_BT709) {
        kr = 0.2126;
        kb = 0.0722;
    } else if (format.colorSpace() == QVideoFrameFormat::ColorSpace_BT2020) {
        kr = 0.2627;
        kb = 0.0593;
    }
    const bool full = format.colorRange() == QVideoFrameFormat::ColorRange_Full;
    const double yOffset = full ? 0 : 16;
    const double yScale = full ? 1.0 / 255 : 1.0 / 219;
    const double cScale = full ? 1.0 / 255 : 1.0 / 224;
    const double kg = 1 - kr - kb;
    const double rv = 2 * (1 - kr);
    const double bu = 2 * (1 - kb);
    const double gu = -bu * kb / kg;
    const double gv = -rv * kr / kg;
    const double unit = 255.0 * 1024.0;
    Tables t{};
    for (int i = 0; i < 256; ++i) {
        const double c = (i - 128) * cScale;
        t.y[i] = static_cast<int>(std::lround((i - yOffset) * yScale * unit + 512)); // + rounding of the final shift
        t.rv[i] = static_cast<int>(std::lround(rv * c * unit));
        t.gu[i] = static_cast<int>(std::lround(gu * c * unit));
        t.gv[i] = static_cast<int>(std::lround(gv * c * unit));
        t.bu[i] = static_cast<int>(std::lround(bu * c * unit));
    }
    return t;
}

inline int channel(int scaled)
{
    return std::clamp(scaled >> 10, 0, 255);
}

// Converts the mapped `frame` into `out` in one pass: each output pixel averages the k × k block of the
// source (and the chroma samples under it) where it starts, k being the whole number of source pixels per
// output pixel. Samples are brought to 8 bits after averaging.
template <typename Sample>
void convert(const QVideoFrame& frame, const Layout& layout, const Tables& t, QImage& out)
{
    const int width = frame.width();
    const int height = frame.height();
    const int k = std::max(1, std::min(width / out.width(), height / out.height()));
    std::vector<int> columns(static_cast<size_t>(out.width()));
    for (int ox = 0; ox < out.width(); ++ox)
        columns[static_cast<size_t>(ox)] = std::min(int(qint64(ox) * width / out.width()), width - k);
    const auto row = [&frame](int plane, int y) {
        return reinterpret_cast<const Sample*>(frame.bits(plane) +
                                               static_cast<qsizetype>(y) * frame.bytesPerLine(plane));
    };
    const int depthShift = layout.maxValue == 1023 ? 2 : (layout.maxValue == 65535 ? 8 : 0);
    const int chromaWidth = (frame.width() + (1 << layout.shiftX) - 1) >> layout.shiftX;
    const int chromaHeight = (frame.height() + (1 << layout.shiftY) - 1) >> layout.shiftY;
    const int kx = std::max(1, k >> layout.shiftX);
    const int ky = std::max(1, k >> layout.shiftY);
    // Averages by multiplying with a 16-bit fixed-point reciprocal.
    const std::uint64_t lumaShare = (1u << 16) / static_cast<unsigned>(k * k);
    const std::uint64_t chromaShare = (1u << 16) / static_cast<unsigned>(kx * ky);
    const int lumaShift = 16 + depthShift;
    const int step = layout.chromaStep;
    std::vector<const Sample*> ys(static_cast<size_t>(k));
    std::vector<const Sample*> us(static_cast<size_t>(ky));
    std::vector<const Sample*> vs(static_cast<size_t>(ky));
    for (int oy = 0; oy < out.height(); ++oy) {
        const int sy = std::min(int(qint64(oy) * height / out.height()), height - k);
        for (int j = 0; j < k; ++j)
            ys[static_cast<size_t>(j)] = row(layout.yPlane, sy + j);
        const int cy = std::min(sy >> layout.shiftY, chromaHeight - ky);
        for (int j = 0; j < ky; ++j) {
            us[static_cast<size_t>(j)] = row(layout.uPlane, cy + j) + layout.uIndex;
            vs[static_cast<size_t>(j)] = row(layout.vPlane, cy + j) + layout.vIndex;
        }
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(oy));
        for (int ox = 0; ox < out.width(); ++ox) {
            const int sx = columns[static_cast<size_t>(ox)];
            const int cx = std::min(sx >> layout.shiftX, chromaWidth - kx) * step;
            int y8;
            int u8;
            int v8;
            if (k == 1) {
                y8 = ys[0][sx] >> depthShift;
                u8 = us[0][cx] >> depthShift;
                v8 = vs[0][cx] >> depthShift;
            } else {
                std::uint64_t luma = 0;
                for (int j = 0; j < k; ++j) {
                    const Sample* r = ys[static_cast<size_t>(j)] + sx;
                    for (int i = 0; i < k; ++i)
                        luma += r[i];
                }
                std::uint64_t u = 0;
                std::uint64_t v = 0;
                for (int j = 0; j < ky; ++j) {
                    const Sample* ur = us[static_cast<size_t>(j)] + cx;
                    const Sample* vr = vs[static_cast<size_t>(j)] + cx;
                    for (int i = 0; i < kx; ++i) {
                        u += ur[i * step];
                        v += vr[i * step];
                    }
                }
                y8 = static_cast<int>((luma * lumaShare) >> lumaShift);
                u8 = static_cast<int>((u * chromaShare) >> lumaShift);
                v8 = static_cast<int>((v * chromaShare) >> lumaShift);
            }
            y8 = std::min(y8, 255);
            u8 = std::min(u8, 255);
            v8 = std::min(v8, 255);
            const int luma = t.y[y8];
            line[ox] = qRgb(channel(luma + t.rv[v8]), channel(luma + t.gu[u8] + t.gv[v8]), channel(luma + t.bu[u8]));
        }
    }
}

// The stored-orientation box for an upright `box`.
QSize storedBox(const QSize& box, int rotation)
{
    return rotation % 180 == 0 ? box : box.transposed();
}

QImage finish(QImage image, int rotation, const QSize& box)
{
    if (image.isNull())
        return image;
    const QSize limit = storedBox(box, rotation);
    if (!limit.isEmpty() && (image.width() > limit.width() || image.height() > limit.height()))
        image = image.scaled(limit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (rotation % 360 != 0)
        image = image.transformed(QTransform().rotate(rotation));
    return image;
}

} // namespace

bool FrameConverter::convertsNatively(QVideoFrameFormat::PixelFormat format)
{
    return layoutOf(format).has_value() ||
           QVideoFrameFormat::imageFormatFromPixelFormat(format) != QImage::Format_Invalid;
}

QImage FrameConverter::toImage(const QVideoFrame& source, int rotation, const QSize& box)
{
    if (!source.isValid())
        return {};
    rotation = ((rotation % 360) + 360) % 360;
    QVideoFrame frame = source; // shares the buffer; mapping needs a non-const handle
    const QVideoFrameFormat format = frame.surfaceFormat();
    const auto layout = layoutOf(format.pixelFormat());
    const QImage::Format packed = QVideoFrameFormat::imageFormatFromPixelFormat(format.pixelFormat());
    if ((!layout && packed == QImage::Format_Invalid) || !frame.map(QVideoFrame::ReadOnly))
        return finish(source.toImage(), rotation, box);

    QImage image;
    const QSize size = frame.size();
    if (layout && frame.planeCount() >= std::max({layout->yPlane, layout->uPlane, layout->vPlane}) + 1) {
        const QSize limit = storedBox(box, rotation);
        QSize fitted = size;
        if (!limit.isEmpty() && (size.width() > limit.width() || size.height() > limit.height()))
            fitted = size.scaled(limit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        image = QImage(fitted, QImage::Format_RGB32);
        const Tables tables = tablesFor(format);
        if (layout->wide)
            convert<std::uint16_t>(frame, *layout, tables, image);
        else
            convert<std::uint8_t>(frame, *layout, tables, image);
    } else if (packed != QImage::Format_Invalid) {
        // Wraps the mapped bytes; the copy below is made before they are unmapped.
        const QImage mapped(frame.bits(0), size.width(), size.height(), frame.bytesPerLine(0), packed);
        image = mapped.convertToFormat(QImage::Format_RGB32);
    }
    frame.unmap();
    if (image.isNull())
        return finish(source.toImage(), rotation, box);
    return finish(std::move(image), rotation, box);
}

} // namespace karvo
