// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundCutout.h"

#include "ImageSource.h"
#include "SegmentationModel.h"
#include "StagedFile.h"
#include "Vips.h"
#include "VipsCancellation.h"
#include "VipsRuntime.h"
#include "VipsTargetFile.h"

#include <QFile>
#include <algorithm>
#include <opencv2/core.hpp>
#include <opencv2/dnn.hpp>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace karvo {

namespace {
// The family's masks are probabilities. Where none reaches one half, no pixel is more likely subject than
// background: stretching such a mask to full range (as the normalisation below would) would invent a subject.
constexpr double subjectThreshold = 0.5;
// Below this spread the mask is flat and taken as it is instead of being stretched.
constexpr double flatMask = 1e-6;

// 8-bit sRGB, alpha (if any) as the last band.
vips::VImage toRgb8(vips::VImage image)
{
    const int sourceColourBands = image.has_alpha() ? image.bands() - 1 : image.bands();
    image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    // A grey picture's profile does not describe the RGB it has become.
    if (sourceColourBands != 3) {
        image = image.copy();
        image.remove("icc-profile-data");
    }
    if (image.format() != VIPS_FORMAT_UCHAR)
        image = image.cast(VIPS_FORMAT_UCHAR);
    const int colourBands = image.has_alpha() ? image.bands() - 1 : image.bands();
    if (colourBands != 3)
        throw vips::VError("the image has no RGB colour");
    return image;
}

// The model's input: the whole picture stretched to its input size, transparent parts over white, as a
// 1 x 3 x H x W blob of normalised RGB.
cv::Mat modelInput(const ImageSource& source, const SegmentationModel& model, const CancelCheck& isCancelled,
                   bool& cancelled)
{
    const QSize size = model.inputSize();
    vips::VImage small = toRgb8(source.decodeUpright(size.width(), size.height(), VIPS_SIZE_FORCE));
    if (small.has_alpha())
        small = small.flatten(vips::VImage::option()->set("background", std::vector<double>{255, 255, 255}));
    if (small.width() != size.width() || small.height() != size.height())
        small = small.resize(double(size.width()) / small.width(),
                             vips::VImage::option()->set("vscale", double(size.height()) / small.height()));

    VipsCancellation watch(small, isCancelled);
    size_t length = 0;
    unsigned char* pixels = nullptr;
    try {
        pixels = static_cast<unsigned char*>(small.write_to_memory(&length));
    } catch (const vips::VError&) {
        cancelled = watch.stopped();
        throw;
    }
    const int w = size.width();
    const int h = size.height();
    const int dims[] = {1, 3, h, w};
    cv::Mat blob(4, dims, CV_32F);
    const size_t plane = static_cast<size_t>(w) * static_cast<size_t>(h);
    if (length >= plane * 3) {
        float* out = blob.ptr<float>();
        for (size_t c = 0; c < 3; ++c) {
            const float mean = static_cast<float>(model.mean()[c]);
            const float scale = static_cast<float>(1.0 / model.deviation()[c]);
            for (size_t i = 0; i < plane; ++i)
                out[c * plane + i] = (static_cast<float>(pixels[i * 3 + c]) / 255.0f - mean) * scale;
        }
    }
    g_free(pixels);
    return blob;
}

// The first output's first plane, or an empty matrix when the output has no usable shape.
cv::Mat firstPlane(const cv::Mat& output)
{
    if (output.type() != CV_32F || output.total() == 0)
        return {};
    int h = 0, w = 0;
    if (output.dims == 4) {
        h = output.size[2];
        w = output.size[3];
    } else if (output.dims == 3) {
        h = output.size[1];
        w = output.size[2];
    } else if (output.dims == 2) {
        h = output.size[0];
        w = output.size[1];
    } else {
        return {};
    }
    return cv::Mat(h, w, CV_32F, const_cast<float*>(output.ptr<float>())).clone();
}

// The alpha channel at `size` from the raw mask, stretched to full range as U²-Net does; none when the mask
// finds no subject. It is enlarged while the picture is written, a strip at a time: held at full size it
// would take a byte for every pixel of the picture.
std::optional<vips::VImage> alphaFromMask(cv::Mat mask, QSize size)
{
    cv::patchNaNs(mask, 0.0);
    double lo = 0, hi = 0;
    cv::minMaxLoc(mask, &lo, &hi);
    if (hi < subjectThreshold)
        return std::nullopt;
    if (hi - lo > flatMask)
        mask = (mask - lo) / (hi - lo);
    cv::Mat alpha;
    mask.convertTo(alpha, CV_8U, 255.0);
    // A copy: copy_memory() would only refer to the matrix, which ends with this function.
    VipsImage* copy =
        vips_image_new_from_memory_copy(alpha.data, alpha.total(), alpha.cols, alpha.rows, 1, VIPS_FORMAT_UCHAR);
    if (!copy)
        throw vips::VError();
    const vips::VImage small(copy);
    const vips::VImage full = small.resize(
        double(size.width()) / alpha.cols,
        vips::VImage::option()->set("vscale", double(size.height()) / alpha.rows)->set("kernel", VIPS_KERNEL_LINEAR));
    // Rounding may leave the enlarged mask a pixel off the picture's size.
    if (full.width() == size.width() && full.height() == size.height())
        return full;
    return full.embed(0, 0, size.width(), size.height(), vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
}

// Nothing of the source's metadata is carried over; the colour profile describes the pixels and stays.
vips::VImage withoutMetadata(vips::VImage image)
{
    image = image.copy();
    gchar** fields = vips_image_get_fields(image.get_image());
    for (gchar** f = fields; f && *f; ++f) {
        const QByteArray field(*f);
        if (field == "exif-data" || field.startsWith("exif-") || field == "xmp-data" || field == "iptc-data" ||
            field == "jpeg-thumbnail-data" || field.startsWith("png-comment-") || field == "gif-comment")
            image.remove(*f);
    }
    g_strfreev(fields);
    return image;
}
} // namespace

std::optional<ImageIOError> BackgroundCutout::remove(const QString& input, const QString& outputPng,
                                                     const QStringList& modelFolders, const CancelCheck& isCancelled)
{
    const auto cancelled = [&] {
        return isCancelled && isCancelled();
    };
    if (cancelled())
        return imageFailure(ImageIOFailure::cancelled);
    const auto model = SegmentationModel::find(modelFolders);
    if (!model)
        return ImageIOError{ImageIOFailure::cannotWrite, ImageFormat::png, QStringLiteral("no segmentation model")};

    QString detail;
    const auto source = ImageSource::open(input, &detail);
    if (!source)
        return imageFailure(ImageIOFailure::unreadable, detail);
    if (cancelled())
        return imageFailure(ImageIOFailure::cancelled);

    cv::Mat blob;
    try {
        bool stopped = false;
        try {
            blob = modelInput(*source, *model, isCancelled, stopped);
        } catch (const vips::VError& e) {
            vips_error_clear();
            return imageFailure(stopped ? ImageIOFailure::cancelled : ImageIOFailure::unreadable,
                                QString::fromUtf8(e.what()).trimmed());
        }
        if (cancelled())
            return imageFailure(ImageIOFailure::cancelled);

        cv::dnn::Net net = cv::dnn::readNetFromONNX(QFile::encodeName(model->path()).toStdString());
        net.setInput(blob);
        const cv::Mat output = net.forward(net.getUnconnectedOutLayersNames().front());
        blob = firstPlane(output);
    } catch (const cv::Exception& e) {
        return imageFailure(ImageIOFailure::writeFailed, QString::fromUtf8(e.what()).trimmed());
    }
    // Inference cannot be interrupted; a cancellation during it is honoured as soon as it returns.
    if (cancelled())
        return imageFailure(ImageIOFailure::cancelled);
    if (blob.empty())
        return imageFailure(ImageIOFailure::writeFailed, QStringLiteral("the model's output is not a mask"));

    StagedFile file(outputPng);
    if (file.fd() < 0)
        return StagedFile::failureOf(file);
    VipsTargetFile sink(file, isCancelled);
    std::optional<VipsCancellation> watch;
    try {
        const int longest = std::max(source->width(), source->height());
        const vips::VImage full = toRgb8(source->decodeUpright(longest, longest, VIPS_SIZE_DOWN));
        const auto alpha = alphaFromMask(blob, QSize(full.width(), full.height()));
        if (!alpha)
            return imageFailure(ImageIOFailure::writeFailed, QStringLiteral("no subject found"));
        if (cancelled())
            return imageFailure(ImageIOFailure::cancelled);
        const vips::VImage& mask = *alpha;
        vips::VImage cutOut;
        if (full.has_alpha()) {
            // A part already transparent in the source stays transparent.
            const vips::VImage combined = (full[3] * mask / 255.0).cast(VIPS_FORMAT_UCHAR);
            cutOut = full.extract_band(0, vips::VImage::option()->set("n", 3)).bandjoin(combined);
        } else {
            cutOut = full.bandjoin(mask);
        }
        cutOut = withoutMetadata(cutOut.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB)));
        watch.emplace(cutOut, isCancelled);
        cutOut.pngsave_target(sink.target());
    } catch (const vips::VError& e) {
        const QString message = QString::fromUtf8(e.what()).trimmed();
        vips_error_clear();
        if (const auto kind = sink.failureOf(watch && watch->stopped()))
            return *kind == ImageIOFailure::writeFailed ? StagedFile::failureOf(file) : imageFailure(*kind, message);
        const int longest = std::max(source->width(), source->height());
        return imageFailure(source->decodesCleanly(longest) ? ImageIOFailure::writeFailed : ImageIOFailure::unreadable,
                            message);
    }
    if (cancelled())
        return imageFailure(ImageIOFailure::cancelled);
    if (!file.commit())
        return StagedFile::failureOf(file);
    return std::nullopt;
}

bool BackgroundCutout::hasUsableModel(const QStringList& modelFolders)
{
    return SegmentationModel::find(modelFolders).has_value();
}

} // namespace karvo
