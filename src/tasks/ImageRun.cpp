// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageRun.h"

#include "BackgroundRemover.h"
#include "ImageIOEngine.h"
#include "Localization.h"
#include "MediaExtensions.h"
#include "StagingFolder.h"

#include <QFileInfo>

namespace karvo {

using Status = ConversionTask::Status;

ImageRun::ImageRun(const TaskEnvironment& env, OutputPublisher& publisher) : m_env(env), m_publisher(publisher) {}

QString ImageRun::backgroundModelMissingText()
{
    return L("Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.",
             BackgroundRemover::modelFolders().value(0));
}

ImageRun::Result ImageRun::run(const TaskPtr& task, int rotateAngle, const OutputPublisher::NextFreeName& nextFreeName,
                               const std::function<void()>& onStarted)
{
    const ConversionOp& op = task->op();
    const QFileInfo output(task->output());
    StagingFolder staging(output.absolutePath(), *m_env.files);
    if (!staging.isValid())
        return {Status::failed, L("Cannot create output: %@", staging.error())};
    const QString staged = staging.path() + u'/' + output.fileName();
    task->setProgress(0.2);
    onStarted();

    const CancelCheck isCancelled = [task] {
        return task->isCancelled();
    };
    std::optional<ImageIOError> failure;
    if (op.is<ops::RemoveBackground>()) {
        if (task->isCancelled())
            failure = ImageIOError{ImageIOFailure::cancelled, ImageFormat::png, {}};
        else if (!BackgroundRemover::isAvailable())
            failure = ImageIOError{ImageIOFailure::cannotWrite, ImageFormat::png, {}};
        else
            failure = BackgroundRemover::removeBackground(task->input(), staged, isCancelled);
    } else {
        const auto params = ImageIOEngine::parameters(op, MediaExtensions::of(task->input()), rotateAngle);
        if (!params)
            failure = ImageIOError{ImageIOFailure::writeFailed, ImageFormat::png, {}};
        else
            failure = ImageIOEngine::write(task->input(), staged, *params, isCancelled);
    }

    if (failure) {
        switch (failure->failure) {
        case ImageIOFailure::cancelled:
            return {Status::cancelled, std::nullopt};
        case ImageIOFailure::unreadable:
            return {Status::failed, L("Cannot read image")};
        case ImageIOFailure::writeFailed:
            if (failure->pixelLimit > 0)
                return {Status::failed,
                        L("The picture is too large to save as %@: it may have at most %d megapixels. Resize it "
                          "first, or choose JPEG or PNG.",
                          rawValue(failure->format), failure->pixelLimit / 1000000)};
            if (failure->systemError != 0)
                return {Status::failed,
                        L("Cannot save %@: %@", output.fileName(),
                          OutputPublisher::describeWriteError(failure->systemError, output.absolutePath()))};
            return {Status::failed, failure->detail.isEmpty()
                                        ? L("Cannot save image")
                                        : L("Cannot save %@: %@", output.fileName(), failure->detail)};
        case ImageIOFailure::cannotWrite:
            return {Status::failed, op.is<ops::RemoveBackground>()
                                        ? backgroundModelMissingText()
                                        : L("This computer cannot write %@.", rawValue(failure->format))};
        }
    }
    if (task->isCancelled())
        return {Status::cancelled, std::nullopt};
    const auto published = m_publisher.publish(task, staged, task->output(), true, nextFreeName);
    if (published.error)
        return {Status::failed, published.error};
    return {published.published ? Status::done : Status::cancelled, std::nullopt};
}

} // namespace karvo
