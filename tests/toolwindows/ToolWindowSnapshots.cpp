// SPDX-License-Identifier: GPL-3.0-or-later
// Opens every tool window that exists and saves a picture of each as <folder>/tool-<name>.png, for looking at
// them: `QT_QPA_PLATFORM=offscreen toolwindows_snapshots /tmp`.
#include "CropView.h"
#include "EventLoop.h"
#include "ImageFixtures.h"
#include "ImagePreview.h"
#include "LanguageStore.h"
#include "MediaBackend.h"
#include "MediaProbe.h"
#include "PlayerView.h"
#include "SnapshotView.h"
#include "TestMedia.h"
#include "ToolWindow.h"
#include "ToolWindowPresenter.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

using namespace karvo;

namespace {
MediaInfo clip(double duration)
{
    return {duration, 1920, 1080, true, true, QStringLiteral("mov,mp4")};
}
} // namespace

int main(int argc, char** argv)
{
    MediaBackend::selectDefault(); // before the trim and speed windows make their players
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    if (argc > 2)
        LanguageStore::shared().set(
            LanguageStore::fromRawValue(QString::fromLocal8Bit(argv[2])).value_or(AppLanguage::en));

    ToolServices quiet{[](const DropEnqueue&) {}, [](const DropError&) {},
                       [] {
                       }};
    ToolWindowPresenter presenter(quiet);
    const QString photo = test::ImageFixtures::heic();
    const QString wide = test::ImageFixtures::quadrants();
    const QString video = test::TestMedia::clip1080();
    const QString shortVideo = test::TestMedia::clip(1.5, 640, 360);
    struct Shot {
        const char* name;
        ToolRequest request;
    };
    const QList<Shot> shots{
        {"split", {ToolKind::split, {{"/home/me/Videos/Holiday at the lake, part one.mp4", clip(95)}}}},
        {"split-three",
         {ToolKind::split,
          {{"/v/a-very-long-file-name-that-will-not-fit-in-the-header-at-all-because-it-goes-on-and-on-2024-07-01.mp4",
            clip(3725)},
           {"/v/b.mp4", clip(10)},
           {"/v/c.mp4", clip(10)}}}},
        {"compress-video", {ToolKind::compressVideo, {{"/v/clip.mov", clip(20)}}}},
        {"compress-image", {ToolKind::compressImage, {{wide, std::nullopt}, {photo, std::nullopt}}}},
        {"resize-image", {ToolKind::resizeImage, {{photo, std::nullopt}}}},
        {"resize-unreadable", {ToolKind::resizeImage, {{"/nowhere/missing.png", std::nullopt}}}},
        {"trim", {ToolKind::trim, {{video, MediaProbe::probe(video)}}}},
        {"trim-two",
         {ToolKind::trim, {{video, MediaProbe::probe(video)}, {shortVideo, MediaProbe::probe(shortVideo)}}}},
        {"trim-unknown", {ToolKind::trim, {{video, std::nullopt}}}},
        {"speed", {ToolKind::speed, {{video, MediaProbe::probe(video)}}}},
        {"speed-two",
         {ToolKind::speed, {{video, MediaProbe::probe(video)}, {shortVideo, MediaProbe::probe(shortVideo)}}}},
        {"snapshot", {ToolKind::snapshot, {{video, MediaProbe::probe(video)}}}},
        {"snapshot-unreadable", {ToolKind::snapshot, {{test::TestMedia::truncated(), clip(3)}}}},
        {"crop", {ToolKind::crop, {{video, MediaProbe::probe(video)}, {shortVideo, MediaProbe::probe(shortVideo)}}}},
    };
    int failures = 0;
    for (const Shot& shot : shots) {
        presenter.present(shot.request);
        ToolWindow* window = nullptr;
        for (const QUuid& id : presenter.registry().ids())
            if (presenter.registry().window(id)->isVisible())
                window = presenter.registry().window(id);
        if (!window)
            return 1;
        for (ImagePreview* preview : window->findChildren<ImagePreview*>())
            test::waitFor([&] { return preview->state() != ImagePreview::State::loading; }, 30000);
        for (PlayerView* player : window->findChildren<PlayerView*>())
            test::waitFor(
                [&] { return player->state() != PlayerView::State::loading && !player->currentFrame().isNull(); },
                30000);
        for (SnapshotView* snapshot : window->findChildren<SnapshotView*>()) {
            test::waitFor([&] { return snapshot->analysis() != SnapshotView::Analysis::analysing; }, 30000);
            test::spin(300); // the overlay's fade
        }
        // A crop that shows every layer: dimming, border, grid and handles.
        for (CropView* crop : window->findChildren<CropView*>())
            crop->setCropRect({0.12, 0.18, 0.6, 0.64});
        test::spin(50);
        const QString path = folder + QStringLiteral("/tool-%1.png").arg(QString::fromLatin1(shot.name));
        if (!window->grab().save(path))
            ++failures;
        std::printf("%s %dx%d\n", qPrintable(path), window->width(), window->height());
        window->close();
        test::spin(20);
    }
    return failures == 0 ? 0 : 1;
}
