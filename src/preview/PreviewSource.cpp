// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewSource.h"

#include "MediaFileCheck.h"
#include "MediaProbe.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonValue>
#include <cmath>

namespace karvo {

namespace {

// ffprobe prints numbers as strings ("12.5") and sometimes as numbers.
std::optional<double> number(const QJsonValue& value)
{
    double d = 0;
    bool ok = value.isDouble();
    if (ok)
        d = value.toDouble();
    else if (value.isString())
        d = value.toString().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

} // namespace

QSize PreviewSource::displaySize() const
{
    return rotation % 180 == 0 ? storedSize : storedSize.transposed();
}

int PreviewSource::clockwiseFromDisplayMatrix(double counterClockwise)
{
    const long quarters = std::lround(-counterClockwise / 90.0);
    return static_cast<int>(((quarters % 4) + 4) % 4) * 90;
}

PreviewSource PreviewSource::parse(const QJsonObject& root)
{
    PreviewSource source;
    double duration = 0;
    const auto candidate = [&duration](const QJsonValue& v) {
        if (const auto d = number(v); d && *d > duration)
            duration = *d;
    };
    for (const QJsonValue& value : root.value(u"streams").toArray()) {
        const QJsonObject stream = value.toObject();
        const bool attachedPic = stream.value(u"disposition").toObject().value(u"attached_pic").toInt() == 1;
        if (stream.value(u"codec_type").toString() != u"video" || attachedPic || source.hasVideo)
            continue;
        source.hasVideo = true;
        source.storedSize = QSize(stream.value(u"width").toInt(), stream.value(u"height").toInt());
        std::optional<double> matrix;
        for (const QJsonValue& sd : stream.value(u"side_data_list").toArray()) {
            if ((matrix = number(sd.toObject().value(u"rotation"))))
                break;
        }
        if (matrix) {
            source.rotation = clockwiseFromDisplayMatrix(*matrix);
        } else if (const auto tag = number(stream.value(u"tags").toObject().value(u"rotate"))) {
            // Older writers leave only the "rotate" tag, which already counts clockwise.
            source.rotation = clockwiseFromDisplayMatrix(-*tag);
        }
        candidate(stream.value(u"duration"));
    }
    const QJsonObject format = root.value(u"format").toObject();
    candidate(format.value(u"duration"));
    source.duration = duration;
    source.startTime = number(format.value(u"start_time")).value_or(0.0);
    return source;
}

std::optional<PreviewSource> PreviewSource::probe(const QString& path, double timeout)
{
    if (MediaFileCheck::check(path))
        return std::nullopt;
    const auto root = MediaProbe::json({"-show_format", "-show_streams", QFileInfo(path).absoluteFilePath()}, timeout);
    if (!root)
        return std::nullopt;
    return parse(*root);
}

} // namespace karvo
