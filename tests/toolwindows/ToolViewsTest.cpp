// SPDX-License-Identifier: GPL-3.0-or-later
// The split, compress, image compress and resize tools: their starting values, their texts, and that what
// they enqueue is what the shared tool rules (karvo-cli's path) give for the same parameters.
#include "CompressView.h"
#include "EventLoop.h"
#include "ImageCompressView.h"
#include "ImageFixtures.h"
#include "ImagePreview.h"
#include "ImageResizeView.h"
#include "MediaProbe.h"
#include "ParameterRow.h"
#include "Preferences.h"
#include "RadioChoices.h"
#include "SettingsDefaults.h"
#include "SplitView.h"
#include "TestMedia.h"
#include "ToolScaffold.h"
#include "ToolTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karvo;
using karvo::test::ServiceRecorder;
using karvo::test::videoFile;
namespace ImageFixtures = karvo::test::ImageFixtures;

namespace {
ToolFile imageFile(const QString& path)
{
    return {path, std::nullopt};
}

// Every control a person can reach carries a name a screen reader can say.
void expectNamedControls(const QWidget& view)
{
    for (const QAbstractSlider* slider : view.findChildren<QAbstractSlider*>())
        EXPECT_FALSE(slider->accessibleName().isEmpty()) << slider->metaObject()->className();
    for (const QAbstractButton* button : view.findChildren<QAbstractButton*>())
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->text().toStdString();
}

bool waitForPreview(const ImagePreview& preview)
{
    return test::waitFor([&] { return preview.state() != ImagePreview::State::loading; }, 30000);
}
} // namespace

TEST(SplitView, SummaryCountsTheFirstFilesSegmentsAsTheLengthMoves)
{
    ServiceRecorder recorder;
    SplitView view({videoFile("/v/a.mp4", 95)}, recorder.services());
    EXPECT_EQ(view.segmentSeconds(), 10.0);
    EXPECT_EQ(view.summaryLabel()->text(), QStringLiteral("Total duration 1:35 → 10 segments"));
    EXPECT_EQ(view.lengthRow()->valueText(), QStringLiteral("0:10"));
    EXPECT_EQ(view.lengthRow()->slider()->minimum(), 1);
    EXPECT_EQ(view.lengthRow()->slider()->maximum(), 95);
    EXPECT_EQ(view.lengthRow()->slider()->accessibleName(), QStringLiteral("Segment length"));
    EXPECT_EQ(view.scaffold()->descriptionLabel()->text(), QStringLiteral("MP4 files · Saved beside the original"));
    expectNamedControls(view);

    view.lengthRow()->slider()->setValue(30);
    EXPECT_EQ(view.segmentSeconds(), 30.0);
    EXPECT_EQ(view.summaryLabel()->text(), QStringLiteral("Total duration 1:35 → 4 segments"));
    EXPECT_EQ(view.lengthRow()->valueText(), QStringLiteral("0:30"));
}

TEST(SplitView, TheLengthNeverStartsBeyondTheFirstFile)
{
    ServiceRecorder recorder;
    SplitView shortClip({videoFile("/v/a.mp4", 5)}, recorder.services());
    EXPECT_EQ(shortClip.segmentSeconds(), 5.0);
    EXPECT_EQ(shortClip.summaryLabel()->text(), QStringLiteral("Total duration 0:05 → 1 segments"));

    // A fractional length stays whole: its last slider step is the clip itself.
    SplitView fractional({videoFile("/v/a.mp4", 5.5)}, recorder.services());
    EXPECT_EQ(fractional.segmentSeconds(), 5.5);
    EXPECT_EQ(fractional.lengthRow()->slider()->maximum(), 6);
    fractional.lengthRow()->slider()->setValue(5);
    EXPECT_EQ(SplitView::segmentCount(5.5, fractional.segmentSeconds()), 2);
    fractional.lengthRow()->slider()->setValue(6);
    EXPECT_EQ(fractional.segmentSeconds(), 5.5);

    SplitView unknown({{"/v/a.mp4", std::nullopt}}, recorder.services());
    EXPECT_EQ(unknown.lengthRow()->slider()->minimum(), 1);
    EXPECT_EQ(unknown.lengthRow()->slider()->maximum(), 1);
    EXPECT_EQ(unknown.segmentSeconds(), 1.0);
    EXPECT_EQ(unknown.summaryLabel()->text(), QStringLiteral("Total duration 0:01 → 1 segments"));
}

TEST(SplitView, StartsFromTheStoredDefault)
{
    Preferences::setValue(QString::fromLatin1(SettingsDefaults::splitDurationKey), 20);
    ServiceRecorder recorder;
    SplitView view({videoFile("/v/a.mp4", 95)}, recorder.services());
    EXPECT_EQ(view.segmentSeconds(), 20.0);
    EXPECT_EQ(view.summaryLabel()->text(), QStringLiteral("Total duration 1:35 → 5 segments"));
    Preferences::remove(QString::fromLatin1(SettingsDefaults::splitDurationKey));
}

TEST(SplitView, EveryFileGetsTheSameLengthAsTheToolRulesGiveIt)
{
    // A real clip as routing would hand it over, with a second, longer one.
    const QString clip = test::TestMedia::silentVideo();
    const std::optional<MediaInfo> info = MediaProbe::probe(clip);
    ASSERT_TRUE(info.has_value());
    const QList<ToolFile> files{{clip, info}, videoFile("/v/long.mp4", 600)};
    ServiceRecorder recorder;
    SplitView view(files, recorder.services());
    // The first file is 2 s long: the longest segment the slider offers is the whole of it, also too long for
    // nothing; the second file is cut by the same length.
    view.lengthRow()->slider()->setValue(view.lengthRow()->slider()->maximum());
    view.scaffold()->apply();

    ToolParameters parameters;
    parameters.splitSeconds = view.segmentSeconds();
    ASSERT_EQ(recorder.enqueued.size(), 2);
    for (qsizetype i = 0; i < files.size(); ++i) {
        EXPECT_EQ(recorder.enqueued[i].path, files[i].path);
        EXPECT_EQ(recorder.enqueued[i].info, files[i].info);
        EXPECT_EQ(recorder.enqueued[i].op, ToolRules::operation(ToolKind::split, parameters, files[i]));
    }
    EXPECT_EQ(recorder.enqueued[1].op, ConversionOp::split(view.segmentSeconds()));
    EXPECT_TRUE(recorder.alerts.isEmpty());
    EXPECT_EQ(recorder.reloads, 1);
}

TEST(CompressView, OpensOnTheStoredPresetAndEnqueuesItsCrf)
{
    ServiceRecorder recorder;
    const QList<ToolFile> files{videoFile("/v/a.mov", 3), videoFile("/v/b.mp4", 4)};
    CompressView view(files, recorder.services());
    EXPECT_EQ(view.preset(), 1);
    EXPECT_TRUE(view.presets()->button(1)->isChecked());
    EXPECT_EQ(view.presets()->button(1)->text(), QStringLiteral("Balanced"));
    EXPECT_EQ(view.descriptionLabel()->text(), QStringLiteral("Balances visual quality and file size."));
    EXPECT_EQ(view.scaffold()->descriptionLabel()->text(), QStringLiteral("MP4 · Saved beside the original"));
    EXPECT_EQ(view.scaffold()->applyButton()->text(), QStringLiteral("Apply to 2 files"));
    expectNamedControls(view);

    view.presets()->button(2)->click();
    EXPECT_EQ(view.preset(), 2);
    EXPECT_EQ(view.descriptionLabel()->text(), QStringLiteral("Stronger compression; fine detail may be lost."));
    view.scaffold()->apply();

    ToolParameters parameters;
    parameters.compressPreset = 2;
    ASSERT_EQ(recorder.enqueued.size(), 2);
    for (const DropEnqueue& e : recorder.enqueued) {
        EXPECT_EQ(e.op, ConversionOp::compress(33));
        EXPECT_EQ(e.op, ToolRules::operation(ToolKind::compressVideo, parameters, files[0]));
    }

    Preferences::setValue(QString::fromLatin1(SettingsDefaults::videoCompressPresetKey), 0);
    CompressView stored(files, recorder.services());
    EXPECT_TRUE(stored.presets()->button(0)->isChecked());
    Preferences::remove(QString::fromLatin1(SettingsDefaults::videoCompressPresetKey));
}

TEST(ImageCompressView, QualityStartsAtTheDefaultAndShowsWholePercent)
{
    EXPECT_EQ(ImageCompressView::percentText(0.4), QStringLiteral("40%"));
    EXPECT_EQ(ImageCompressView::percentText(0.625), QStringLiteral("63%")); // halves away from zero
    EXPECT_EQ(ImageCompressView::percentText(0.95), QStringLiteral("95%"));

    ServiceRecorder recorder;
    const QList<ToolFile> files{imageFile(ImageFixtures::quadrants()), imageFile(ImageFixtures::heic())};
    ImageCompressView view(files, recorder.services());
    EXPECT_EQ(view.quality(), 0.75);
    EXPECT_EQ(view.percentLabel()->text(), QStringLiteral("75%"));
    EXPECT_EQ(view.slider()->accessibleName(), QStringLiteral("Quality"));
    // A PNG is compressed into a JPEG.
    EXPECT_EQ(view.scaffold()->descriptionLabel()->text(), QStringLiteral("JPG · Saved beside the original"));
    expectNamedControls(view);

    view.slider()->setValue(view.slider()->minimum());
    EXPECT_EQ(view.percentLabel()->text(), QStringLiteral("40%"));
    view.scaffold()->apply();

    ToolParameters parameters;
    parameters.imageQuality = 0.4;
    ASSERT_EQ(recorder.enqueued.size(), 2);
    for (qsizetype i = 0; i < files.size(); ++i) {
        EXPECT_EQ(recorder.enqueued[i].op, ConversionOp::compressImage(0.4));
        EXPECT_EQ(recorder.enqueued[i].op, ToolRules::operation(ToolKind::compressImage, parameters, files[i]));
    }
}

TEST(ImageCompressView, ThePreviewIsDecodedOnceAndSmall)
{
    ServiceRecorder recorder;
    ImageCompressView view({imageFile(ImageFixtures::largeQuadrants())}, recorder.services());
    ASSERT_TRUE(waitForPreview(*view.preview()));
    ASSERT_EQ(view.preview()->state(), ImagePreview::State::shown);
    const QImage shown = view.preview()->image();
    // 8000x6000 shrunk while loading into the preview's box.
    EXPECT_LE(shown.width(), ImagePreview::decodeBox.width());
    EXPECT_LE(shown.height(), ImagePreview::decodeBox.height());
    EXPECT_EQ(shown.height(), ImagePreview::decodeBox.height());

    view.slider()->setValue(500);
    view.slider()->setValue(900);
    test::spin(50);
    EXPECT_EQ(view.preview()->image().cacheKey(), shown.cacheKey());
    EXPECT_EQ(view.preview()->state(), ImagePreview::State::shown);
}

TEST(ImageResizeView, OpensOnTheStoredEdgeOr1920)
{
    ServiceRecorder recorder;
    const QList<ToolFile> files{imageFile(ImageFixtures::heic())};
    ImageResizeView view(files, recorder.services());
    EXPECT_EQ(view.maxEdge(), 1920);
    EXPECT_TRUE(view.edges()->button(1)->isChecked());
    EXPECT_EQ(view.edges()->button(0)->text(), QStringLiteral("3840 px"));
    EXPECT_EQ(view.edges()->button(3)->text(), QStringLiteral("800 px"));
    // A resized HEIC stays a HEIC.
    EXPECT_EQ(view.scaffold()->descriptionLabel()->text(), QStringLiteral("HEIC · Saved beside the original"));
    expectNamedControls(view);

    for (int stored : {800, 1000}) {
        Preferences::setValue(QString::fromLatin1(SettingsDefaults::imageResizeMaxEdgeKey), stored);
        ImageResizeView storedView(files, recorder.services());
        EXPECT_EQ(storedView.maxEdge(), stored == 800 ? 800 : 1920) << stored;
    }
    Preferences::remove(QString::fromLatin1(SettingsDefaults::imageResizeMaxEdgeKey));
    EXPECT_EQ(ImageResizeView::presetIndex(1000), 1);
    EXPECT_EQ(ImageResizeView::presetIndex(1280), 2);
}

TEST(ImageResizeView, ShowsAHeicPreviewAndEnqueuesTheChosenEdge)
{
    ServiceRecorder recorder;
    const QList<ToolFile> files{imageFile(ImageFixtures::heic()), imageFile(ImageFixtures::quadrants())};
    ImageResizeView view(files, recorder.services());
    ASSERT_TRUE(waitForPreview(*view.preview()));
    EXPECT_EQ(view.preview()->state(), ImagePreview::State::shown);
    // 640x480 decoded upright into the preview's box, its shape kept.
    EXPECT_EQ(view.preview()->image().size(), QSize(427, 320));
    EXPECT_EQ(view.preview()->heightForWidth(388), 160);

    view.edges()->button(3)->click();
    EXPECT_EQ(view.maxEdge(), 800);
    view.scaffold()->apply();
    ToolParameters parameters;
    parameters.resizeEdge = 800;
    ASSERT_EQ(recorder.enqueued.size(), 2);
    for (qsizetype i = 0; i < files.size(); ++i)
        EXPECT_EQ(recorder.enqueued[i].op, ToolRules::operation(ToolKind::resizeImage, parameters, files[i]));
    EXPECT_EQ(recorder.enqueued[0].op, ConversionOp::resizeImage(800));
}

TEST(ImageResizeView, AnUnreadablePictureShowsNoPreviewButIsStillApplied)
{
    ServiceRecorder recorder;
    ImageResizeView view({imageFile(ImageFixtures::corruptJpeg())}, recorder.services());
    ASSERT_TRUE(waitForPreview(*view.preview()));
    EXPECT_EQ(view.preview()->state(), ImagePreview::State::failed);
    EXPECT_TRUE(view.preview()->isHidden());
    view.scaffold()->apply();
    ASSERT_EQ(recorder.enqueued.size(), 1);
    EXPECT_EQ(recorder.enqueued[0].op, ConversionOp::resizeImage(1920));
    EXPECT_TRUE(recorder.alerts.isEmpty());
}
