// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-image-op INPUT OUTPUT FORMAT [--edge N] [--rotate DEGREES] [--quality Q] [--strip] [--cancel-after SECONDS]
//                [--cut-out MODELFOLDER]
// One image engine write, as an image task runs it; with --cut-out, a background removal (PNG) with the model
// in MODELFOLDER instead. With --cancel-after, the task is cancelled from another
// thread after that many seconds and the time until write() returns is printed as "cancel-latency <s>".
#include "BackgroundRemover.h"
#include "ImageIOEngine.h"

#include <QFileInfo>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;

int usage()
{
    std::fprintf(stderr, "usage: karvo-image-op INPUT OUTPUT jpeg|png|heic [--edge N] [--rotate DEGREES] "
                         "[--quality Q] [--strip] [--cancel-after SECONDS] [--cut-out MODELFOLDER]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return usage();
    karvo::ImageWriteParameters params{karvo::ImageFormat::png, std::nullopt, std::nullopt, 0, false};
    if (std::strcmp(argv[3], "jpeg") == 0)
        params.format = karvo::ImageFormat::jpeg;
    else if (std::strcmp(argv[3], "heic") == 0)
        params.format = karvo::ImageFormat::heic;
    else if (std::strcmp(argv[3], "png") != 0)
        return usage();
    double cancelAfter = -1;
    QString models;
    for (int i = 4; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--edge") == 0 && hasValue)
            params.maxEdge = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--rotate") == 0 && hasValue)
            params.rotationDegrees = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--quality") == 0 && hasValue)
            params.quality = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--strip") == 0)
            params.stripMetadata = true;
        else if (std::strcmp(argv[i], "--cancel-after") == 0 && hasValue)
            cancelAfter = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--cut-out") == 0 && hasValue)
            models = QString::fromLocal8Bit(argv[++i]);
        else
            return usage();
    }

    std::atomic<bool> cancelled{false};
    std::atomic<Clock::rep> cancelledAt{0};
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    std::thread canceller;
    if (cancelAfter >= 0) {
        canceller = std::thread([&] {
            std::unique_lock guard(lock);
            if (finished.wait_for(guard, std::chrono::duration<double>(cancelAfter), [&] { return done; }))
                return;
            cancelledAt.store(Clock::now().time_since_epoch().count());
            cancelled.store(true);
        });
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const karvo::CancelCheck isCancelled = [&] {
        return cancelled.load();
    };
    std::optional<karvo::ImageIOError> error;
    if (!models.isEmpty()) {
        karvo::BackgroundRemover::setModelFoldersForTesting({models});
        error = karvo::BackgroundRemover::removeBackground(input, output, isCancelled);
    } else {
        error = karvo::ImageIOEngine::write(input, output, params, isCancelled);
    }
    const auto returned = Clock::now();
    {
        std::lock_guard guard(lock);
        done = true;
    }
    finished.notify_all();
    if (canceller.joinable())
        canceller.join();

    if (cancelled.load()) {
        const Clock::time_point at{Clock::duration(cancelledAt.load())};
        std::printf("cancel-latency %.3f\n", std::chrono::duration<double>(returned - at).count());
        std::printf("output-left %s\n", QFileInfo::exists(output) ? "yes" : "no");
    }
    if (error) {
        std::printf("result failure=%d errno=%d detail=%s\n", static_cast<int>(error->failure), error->systemError,
                    qPrintable(error->detail));
        return cancelled.load() && error->failure == karvo::ImageIOFailure::cancelled ? 0 : 1;
    }
    std::printf("result ok\n");
    return 0;
}
