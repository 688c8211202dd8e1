// SPDX-License-Identifier: GPL-3.0-or-later
#include "SegmentationModel.h"

#include "OnnxInputShape.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <mutex>
#include <opencv2/dnn.hpp>

namespace karvo {

namespace {
constexpr int largestInput = 4096;

bool validSize(double w, double h)
{
    return std::isfinite(w) && std::isfinite(h) && w >= 1 && h >= 1 && w <= largestInput && h <= largestInput &&
           w == std::floor(w) && h == std::floor(h);
}

std::optional<QSize> sizeFrom(const QJsonValue& value)
{
    double w = 0, h = 0;
    if (value.isDouble()) {
        w = h = value.toDouble();
    } else if (value.isArray() && value.toArray().size() == 2) {
        w = value.toArray().at(0).toDouble(-1);
        h = value.toArray().at(1).toDouble(-1);
    } else if (value.isObject()) {
        w = value.toObject().value(QStringLiteral("width")).toDouble(-1);
        h = value.toObject().value(QStringLiteral("height")).toDouble(-1);
    } else {
        return std::nullopt;
    }
    if (!validSize(w, h))
        return std::nullopt;
    return QSize(static_cast<int>(w), static_cast<int>(h));
}

std::optional<std::array<double, 3>> tripleFrom(const QJsonValue& value, bool positive)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != 3)
        return std::nullopt;
    std::array<double, 3> result{};
    for (int i = 0; i < 3; ++i) {
        if (!array.at(i).isDouble())
            return std::nullopt;
        result[static_cast<size_t>(i)] = array.at(i).toDouble();
        if (!std::isfinite(result[static_cast<size_t>(i)]) || (positive && result[static_cast<size_t>(i)] <= 0))
            return std::nullopt;
    }
    return result;
}

struct CacheEntry {
    qint64 size = -1;
    QDateTime modified;
    std::optional<SegmentationModel> model;
};

std::mutex cacheMutex;
QHash<QString, CacheEntry>& cache()
{
    static QHash<QString, CacheEntry> entries;
    return entries;
}
} // namespace

std::optional<SegmentationModel> SegmentationModel::load(const QString& path)
{
    SegmentationModel model;
    model.m_path = path;
    bool sizeGiven = false;

    const QFileInfo info(path);
    const QString sidecarPath = info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".json");
    if (QFileInfo::exists(sidecarPath)) {
        QFile sidecar(sidecarPath);
        if (!sidecar.open(QIODevice::ReadOnly))
            return std::nullopt;
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(sidecar.readAll(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            qWarning("segmentation model %s: the sidecar is not a JSON object", qPrintable(path));
            return std::nullopt;
        }
        const QJsonObject object = document.object();
        if (object.contains(QStringLiteral("inputSize"))) {
            const auto size = sizeFrom(object.value(QStringLiteral("inputSize")));
            if (!size)
                return std::nullopt;
            model.m_inputSize = *size;
            sizeGiven = true;
        }
        if (object.contains(QStringLiteral("mean"))) {
            const auto mean = tripleFrom(object.value(QStringLiteral("mean")), false);
            if (!mean)
                return std::nullopt;
            model.m_mean = *mean;
        }
        if (object.contains(QStringLiteral("std"))) {
            const auto deviation = tripleFrom(object.value(QStringLiteral("std")), true);
            if (!deviation)
                return std::nullopt;
            model.m_std = *deviation;
        }
    }
    if (!sizeGiven) {
        if (const auto declared = OnnxInputShape::read(path))
            model.m_inputSize = *declared;
    }

    try {
        const cv::dnn::Net net = cv::dnn::readNetFromONNX(QFile::encodeName(path).toStdString());
        if (net.empty() || net.getUnconnectedOutLayersNames().empty())
            return std::nullopt;
    } catch (const cv::Exception& e) {
        qWarning("segmentation model %s cannot be loaded: %s", qPrintable(path), e.what());
        return std::nullopt;
    }
    return model;
}

std::optional<SegmentationModel> SegmentationModel::find(const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QFileInfoList files =
            QDir(folder).entryInfoList({QStringLiteral("*.onnx")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& file : files) {
            const QString path = file.absoluteFilePath();
            const QFileInfo sidecar(file.absolutePath() + u'/' + file.completeBaseName() + QStringLiteral(".json"));
            // A change to the sidecar counts as a change to the model.
            const QDateTime modified =
                sidecar.exists() ? std::max(file.lastModified(), sidecar.lastModified()) : file.lastModified();
            const qint64 size = file.size() + (sidecar.exists() ? sidecar.size() : 0);
            {
                const std::lock_guard lock(cacheMutex);
                const auto it = cache().constFind(path);
                if (it != cache().constEnd() && it->size == size && it->modified == modified) {
                    if (it->model)
                        return it->model;
                    continue;
                }
            }
            auto model = load(path);
            {
                const std::lock_guard lock(cacheMutex);
                cache().insert(path, CacheEntry{size, modified, model});
            }
            if (model)
                return model;
        }
    }
    return std::nullopt;
}

} // namespace karvo
