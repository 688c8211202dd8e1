// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropRouter.h"

#include "DropClassification.h"
#include "Localization.h"
#include "MediaExtensions.h"
#include "MediaFileCheck.h"

#include <QFileInfo>

namespace karvo {

namespace {
DropError unsupported()
{
    return {L("Unsupported file"), L("Karvo handles video, audio, and images. Other files are skipped.")};
}

DropError notVideo(const QString& name)
{
    return {L("No video track"), L("%@ is not a video file.", name)};
}

DropError cannotRead(const QString& reason)
{
    return {L("Cannot read media"), reason};
}

std::optional<ToolKind> toolKindFor(ToolAction action)
{
    switch (action) {
    case ToolAction::trim:
        return ToolKind::trim;
    case ToolAction::crop:
        return ToolKind::crop;
    case ToolAction::speed:
        return ToolKind::speed;
    case ToolAction::snapshot:
        return ToolKind::snapshot;
    case ToolAction::split:
        return ToolKind::split;
    default:
        return std::nullopt;
    }
}
} // namespace

void DropRouter::add(ToolKind kind, const ToolFile& file, Buckets& buckets)
{
    buckets[kind].append(file);
}

DropPlan DropRouter::plan(const QList<DroppedFile>& files, const RadialAction& action)
{
    DropPlan plan;
    Buckets buckets;
    for (const DroppedFile& file : files) {
        const bool isImage = !DropClassification::isDirectory(file.path) && [&] {
            const QString ext = MediaExtensions::of(file.path);
            return !DropClassification::videoExtensions().contains(ext) &&
                   !DropClassification::audioExtensions().contains(ext) &&
                   DropClassification::imageExtensions().contains(ext);
        }();
        if (isImage)
            planImage(file.path, action, plan.enqueues, plan.errors, buckets);
        else
            planAV(file.path, file.info, action, plan.enqueues, plan.errors, buckets);
    }
    for (ToolKind kind : allToolKinds()) {
        const auto it = buckets.constFind(kind);
        if (it != buckets.constEnd() && !it->isEmpty())
            plan.requests.append(ToolRequest{kind, *it});
    }
    return plan;
}

void DropRouter::planImage(const QString& path, const RadialAction& action, QList<DropEnqueue>& enqueues,
                           QList<DropError>& errors, Buckets& buckets)
{
    std::optional<ConversionOp> op;
    std::optional<ToolKind> kind;
    if (action.type() == RadialAction::Type::imageFormat) {
        op = ConversionOp::convertImage(action.imageFormatValue());
    } else if (action.type() == RadialAction::Type::tool) {
        switch (action.toolAction()) {
        case ToolAction::compress:
            kind = ToolKind::compressImage;
            break;
        case ToolAction::removeMeta:
            op = ConversionOp::removeMetadata();
            break;
        case ToolAction::resize:
            kind = ToolKind::resizeImage;
            break;
        case ToolAction::rotate:
            op = ConversionOp::rotateImage();
            break;
        case ToolAction::removeBackground:
            op = ConversionOp::removeBackground();
            break;
        default:
            break;
        }
    }
    if (!op && !kind) {
        errors.append(unsupported());
        return;
    }
    // Images are not probed: this is the only look at the file before the image engine opens it.
    if (const auto problem = MediaFileCheck::problem(path)) {
        errors.append(cannotRead(*problem));
        return;
    }
    if (op)
        enqueues.append({path, *op, std::nullopt});
    else
        add(*kind, {path, std::nullopt}, buckets);
}

void DropRouter::planAV(const QString& path, const std::optional<MediaInfo>& info, const RadialAction& action,
                        QList<DropEnqueue>& enqueues, QList<DropError>& errors, Buckets& buckets)
{
    // An image format turns any media (an animated GIF above all) into a still, whatever the probe said.
    // A file that is not even a readable regular file is refused, though.
    if (action.type() == RadialAction::Type::imageFormat) {
        if (const auto problem = info ? std::nullopt : MediaFileCheck::problem(path))
            errors.append(cannotRead(*problem));
        else
            enqueues.append({path, ConversionOp::convertImage(action.imageFormatValue()), info});
        return;
    }
    if (!info) {
        errors.append(cannotRead(MediaFileCheck::probeFailure(path)));
        return;
    }
    if (!info->hasVideo && !info->hasAudio) {
        errors.append(cannotRead(MediaFileCheck::notMedia(path)));
        return;
    }
    const QString name = QFileInfo(path).fileName();
    const bool v = info->hasVideo;
    const bool a = info->hasAudio;

    if (action.type() == RadialAction::Type::format) {
        const OutputFormat format = action.outputFormat();
        if (format == OutputFormat::mp3 || format == OutputFormat::m4a) {
            if (a)
                enqueues.append({path, ConversionOp::convert(format), info});
            else
                errors.append({L("No audio track"), L("%@ has no audio to extract.", name)});
        } else if (v) {
            enqueues.append({path, ConversionOp::convert(format), info});
        } else {
            errors.append(notVideo(name));
        }
        return;
    }

    const ToolAction tool = action.toolAction();
    switch (tool) {
    case ToolAction::removeMeta:
        enqueues.append({path, ConversionOp::removeMetadata(), info});
        return;
    case ToolAction::mute:
        if (v && a)
            enqueues.append({path, ConversionOp::mute(), info});
        else if (v)
            errors.append({L("No audio track"), L("%@ has no audio to mute.", name)});
        else
            errors.append(notVideo(name));
        return;
    case ToolAction::compress:
        if (v)
            add(ToolKind::compressVideo, {path, info}, buckets);
        else
            errors.append(notVideo(name));
        return;
    case ToolAction::resize:
    case ToolAction::rotate:
    case ToolAction::removeBackground:
        errors.append(notVideo(name));
        return;
    default:
        if (v)
            add(*toolKindFor(tool), {path, info}, buckets);
        else
            errors.append(notVideo(name));
        return;
    }
}

} // namespace karvo
