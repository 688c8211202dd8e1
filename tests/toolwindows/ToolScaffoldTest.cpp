// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every tool is drawn in: its texts, its keys, and what applying hands on.
#include "ToolScaffold.h"

#include "ElidedLabel.h"
#include "EventLoop.h"
#include "ToolTestSupport.h"
#include "ToolWindow.h"
#include "ToolWindowRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

using namespace karvo;
using karvo::test::ServiceRecorder;
using karvo::test::videoFile;

namespace {
const QList<ToolFile> kThree{videoFile("/clips/First take.mp4", 10), videoFile("/clips/b.mp4", 20),
                             videoFile("/clips/c.mp4", 30)};

// A window holding a bare scaffold whose files named "bad" get no operation.
struct ScaffoldWindow {
    ServiceRecorder recorder;
    ToolWindowRegistry registry;
    ToolScaffold* scaffold = nullptr;
    ToolWindow* window = nullptr;
    QSlider* slider = nullptr;

    explicit ScaffoldWindow(const QList<ToolFile>& files, bool canApply = true)
    {
        window = registry.host(QStringLiteral("Test Tool"), {400, 300}, QUuid::createUuid(), [&] {
            ToolScaffold::Parts parts;
            slider = new QSlider(Qt::Horizontal);
            parts.controls = slider;
            parts.onApply = [](const ToolFile& file) -> std::optional<ConversionOp> {
                if (file.path.contains(QLatin1String("bad")))
                    return std::nullopt;
                return ConversionOp::compress(28);
            };
            scaffold = new ToolScaffold(files, std::move(parts), recorder.services());
            scaffold->setCanApply(canApply);
            return scaffold;
        });
    }

    void press(Qt::Key key)
    {
        // Sent to a control inside the window, as the focused widget would get it.
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(slider, &event);
    }
};
} // namespace

TEST(ToolScaffold, CaptionsAndApplyLabelsFollowTheFileCount)
{
    EXPECT_EQ(ToolScaffold::fileCaption({kThree.first()}), QStringLiteral("First take.mp4"));
    EXPECT_EQ(ToolScaffold::fileCaption(kThree), QStringLiteral("First take.mp4 + 2 more"));
    EXPECT_EQ(ToolScaffold::fileCaption(kThree.mid(0, 2)), QStringLiteral("First take.mp4 + 1 more"));

    EXPECT_EQ(ToolScaffold::applyLabel("Apply", 1), QStringLiteral("Apply"));
    EXPECT_EQ(ToolScaffold::applyLabel("Save PNG", 1), QStringLiteral("Save PNG"));
    EXPECT_EQ(ToolScaffold::applyLabel("Save PNG", 3), QStringLiteral("Apply to 3 files"));
    EXPECT_EQ(ToolScaffold::applyLabel("Apply", 2), QStringLiteral("Apply to 2 files"));

    ScaffoldWindow w(kThree);
    EXPECT_EQ(w.scaffold->captionLabel()->text(), QStringLiteral("First take.mp4 + 2 more"));
    EXPECT_EQ(w.scaffold->applyButton()->text(), QStringLiteral("Apply to 3 files"));
    EXPECT_EQ(w.scaffold->applyButton()->accessibleName(), QStringLiteral("Apply to 3 files"));
    EXPECT_TRUE(w.scaffold->applyButton()->isDefault());
}

TEST(ToolScaffold, FooterNamesTheFirstFilesOutputKind)
{
    struct Row {
        std::optional<ConversionOp> op;
        const char* path;
        const char* expected;
    };
    const Row rows[] = {
        {ConversionOp::compress(28), "/v/clip.MOV", "MP4 · Saved beside the original"},
        {ConversionOp::trim(0, 1), "/v/clip.mkv", "MP4 · Saved beside the original"},
        {ConversionOp::crop(0, 0, 2, 2), "/v/clip.webm", "MP4 · Saved beside the original"},
        {ConversionOp::speed(2), "/v/clip.mov", "MP4 · Saved beside the original"},
        {ConversionOp::snapshot(1), "/v/clip.mp4", "PNG · Saved beside the original"},
        {ConversionOp::compressImage(0.75), "/p/shot.png", "JPG · Saved beside the original"},
        {ConversionOp::compressImage(0.75), "/p/shot.JPEG", "JPG · Saved beside the original"},
        {ConversionOp::compressImage(0.75), "/p/shot.heic", "HEIC · Saved beside the original"},
        {ConversionOp::resizeImage(1920), "/p/shot.HEIC", "HEIC · Saved beside the original"},
        {ConversionOp::resizeImage(1920), "/p/shot.png", "PNG · Saved beside the original"},
        {ConversionOp::resizeImage(1920), "/p/shot.webp", "PNG · Saved beside the original"},
        {ConversionOp::split(10), "/v/clip.mov", "MP4 files · Saved beside the original"},
        // The first file does not fit: no extension, so the text begins with the separator.
        {std::nullopt, "/v/clip.mov", " · Saved beside the original"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ToolScaffold::outputDescription(r.op, QString::fromUtf8(r.path)), QString::fromUtf8(r.expected))
            << r.path;

    ScaffoldWindow refusedFirst({videoFile("/v/bad.mp4", 1), videoFile("/v/good.mp4", 1)});
    EXPECT_EQ(refusedFirst.scaffold->descriptionLabel()->text(), QStringLiteral(" · Saved beside the original"));
}

TEST(ToolScaffold, ApplyEnqueuesWhatFitsAlertsOnceForTheRestReloadsOnceAndCloses)
{
    ScaffoldWindow w({videoFile("/v/good.mp4", 5), videoFile("/v/bad.mp4", 5)});
    const QUuid id = w.registry.ids().value(0);
    QPointer<ToolWindow> window = w.window;
    w.scaffold->applyButton()->click();

    ASSERT_EQ(w.recorder.enqueued.size(), 1);
    EXPECT_EQ(w.recorder.enqueued[0], (DropEnqueue{"/v/good.mp4", ConversionOp::compress(28), videoFile("", 5).info}));
    ASSERT_EQ(w.recorder.alerts.size(), 1);
    EXPECT_EQ(w.recorder.alerts[0].title, QStringLiteral("Cannot process bad.mp4"));
    EXPECT_EQ(w.recorder.alerts[0].message, QStringLiteral("This file doesn't fit the chosen settings."));
    EXPECT_EQ(w.recorder.reloads, 1);
    EXPECT_FALSE(window->isVisible());
    // Let go on the next turn, not inside its own close.
    EXPECT_EQ(w.registry.window(id), window.data());
    test::waitFor([&] { return window.isNull(); }, 5000);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(w.registry.count(), 0);
}

TEST(ToolScaffold, AWindowWhoseEveryFileIsRefusedStillCloses)
{
    ScaffoldWindow w({videoFile("/v/bad1.mp4", 5), videoFile("/v/bad2.mp4", 5)});
    w.scaffold->apply();
    EXPECT_TRUE(w.recorder.enqueued.isEmpty());
    EXPECT_EQ(w.recorder.alerts.size(), 2);
    EXPECT_EQ(w.recorder.reloads, 1);
    EXPECT_FALSE(w.window->isVisible());
}

TEST(ToolScaffold, EscapeClosesWithoutApplyingAndReturnApplies)
{
    ScaffoldWindow escaped({videoFile("/v/good.mp4", 5)});
    escaped.press(Qt::Key_Escape);
    EXPECT_FALSE(escaped.window->isVisible());
    EXPECT_TRUE(escaped.recorder.enqueued.isEmpty());
    EXPECT_EQ(escaped.recorder.reloads, 0);

    ScaffoldWindow returned({videoFile("/v/good.mp4", 5)});
    returned.press(Qt::Key_Return);
    EXPECT_EQ(returned.recorder.enqueued.size(), 1);
    EXPECT_FALSE(returned.window->isVisible());

    ScaffoldWindow entered({videoFile("/v/good.mp4", 5)});
    entered.press(Qt::Key_Enter);
    EXPECT_EQ(entered.recorder.enqueued.size(), 1);
}

TEST(ToolScaffold, ReturnDoesNothingWhileApplyIsDisabled)
{
    ScaffoldWindow w({videoFile("/v/good.mp4", 5)}, false);
    EXPECT_FALSE(w.scaffold->applyButton()->isEnabled());
    w.press(Qt::Key_Return);
    EXPECT_TRUE(w.recorder.enqueued.isEmpty());
    EXPECT_EQ(w.recorder.reloads, 0);
    EXPECT_TRUE(w.window->isVisible());
}
