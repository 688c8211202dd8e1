// SPDX-License-Identifier: GPL-3.0-or-later
// The trim and speed windows on real clips: their starting values, how the sliders keep the two times in
// order and move the preview, what applying enqueues (the shared tool rules' operation for each file, the
// files it does not fit refused), and their keys.
#include "ElidedLabel.h"
#include "EventLoop.h"
#include "MediaBackend.h"
#include "MediaProbe.h"
#include "ParameterRow.h"
#include "PlayerView.h"
#include "Preferences.h"
#include "SettingsDefaults.h"
#include "SpeedPresetChip.h"
#include "SpeedView.h"
#include "TestMedia.h"
#include "ToolScaffold.h"
#include "ToolTestSupport.h"
#include "ToolTimeFormat.h"
#include "ToolWindow.h"
#include "ToolWindowPresenter.h"
#include "TrimRange.h"
#include "TrimView.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace karvo;
using karvo::test::ServiceRecorder;
namespace TestMedia = karvo::test::TestMedia;

namespace {

constexpr int timeoutMs = 30000;

ToolFile probed(const QString& path)
{
    const std::optional<MediaInfo> info = MediaProbe::probe(path);
    EXPECT_TRUE(info.has_value()) << path.toStdString();
    return {path, info};
}

QString nameOf(const ToolFile& file)
{
    return QFileInfo(file.path).fileName();
}

void expectNamedControls(const QWidget& view)
{
    for (const QAbstractSlider* slider : view.findChildren<QAbstractSlider*>())
        EXPECT_FALSE(slider->accessibleName().isEmpty()) << slider->metaObject()->className();
    for (const QAbstractButton* button : view.findChildren<QAbstractButton*>())
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->text().toStdString();
}

bool showsPicture(const PlayerView& preview)
{
    return preview.state() == PlayerView::State::ready && !preview.currentFrame().isNull();
}

void press(QWidget* target, Qt::Key key)
{
    // Sent to the focused control; what it does not take goes on to its window.
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class TrimSpeedTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { MediaBackend::selectDefault(); }
};

using TrimRangeTest = TrimSpeedTest;
using TrimViewTest = TrimSpeedTest;
using SpeedViewTest = TrimSpeedTest;

} // namespace

TEST_F(TrimRangeTest, TimesStayInsideTheClipAndPushEachOtherAlong)
{
    TrimRange range(30);
    EXPECT_EQ(range.start(), 0.0);
    EXPECT_EQ(range.end(), 30.0);
    range.setStart(10);
    range.setEnd(20);
    EXPECT_EQ(range.length(), 10.0);

    range.setStart(25); // past the end: the end comes along
    EXPECT_EQ(range.start(), 25.0);
    EXPECT_EQ(range.end(), 25.0);
    EXPECT_FALSE(range.isValid());
    EXPECT_EQ(range.length(), 0.0);
    range.setEnd(5); // before the start: the start goes back with it
    EXPECT_EQ(range.start(), 5.0);
    EXPECT_EQ(range.end(), 5.0);

    range.setEnd(99);
    EXPECT_EQ(range.end(), 30.0);
    range.setStart(-4);
    EXPECT_EQ(range.start(), 0.0);
    range.setStart(std::nan(""));
    EXPECT_EQ(range.start(), 0.0);
    EXPECT_TRUE(range.isValid());
}

TEST_F(TrimRangeTest, SliderPositionsAreMillisecondsAndReachTheExactEnd)
{
    TrimRange range(2.0345);
    EXPECT_EQ(range.sliderMaximum(), 2035);
    EXPECT_EQ(range.sliderPosition(range.end()), 2035);
    EXPECT_EQ(range.secondsAt(2035), 2.0345); // the clip's own end, not 2.035
    EXPECT_EQ(range.secondsAt(1500), 1.5);
    EXPECT_EQ(range.sliderPosition(1.5), 1500);

    // Unknown, infinite or negative lengths span 0 to 0.001 and start empty.
    for (const double unknown : {0.0, -3.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        TrimRange none(unknown);
        EXPECT_EQ(none.duration(), 0.0);
        EXPECT_EQ(none.upperBound(), 0.001);
        EXPECT_EQ(none.sliderMaximum(), 1);
        EXPECT_EQ(none.end(), 0.0);
        EXPECT_FALSE(none.isValid());
        EXPECT_EQ(none.secondsAt(1), 0.001);
    }

    // A clip too long for an int of milliseconds still fits the slider, in coarser steps.
    TrimRange huge(5e6);
    EXPECT_GT(huge.sliderMaximum(), 0);
    EXPECT_EQ(huge.secondsAt(huge.sliderMaximum()), 5e6);
    EXPECT_EQ(huge.sliderPosition(5e6), huge.sliderMaximum());
    EXPECT_NEAR(huge.secondsAt(huge.sliderPosition(1e6)), 1e6, 0.01);
}

TEST_F(TrimViewTest, OneClipOpensOnItsWholeLength)
{
    const ToolFile file = probed(TestMedia::clip(4.0));
    ASSERT_TRUE(file.info);
    const double d = file.info->duration;
    ServiceRecorder recorder;
    TrimView view({file}, recorder.services());

    EXPECT_EQ(view.start(), 0.0);
    EXPECT_EQ(view.end(), d);
    QSlider* start = view.startRow()->slider();
    QSlider* end = view.endRow()->slider();
    EXPECT_EQ(start->minimum(), 0);
    EXPECT_EQ(start->maximum(), int(std::ceil(d * 1000)));
    EXPECT_EQ(end->maximum(), start->maximum());
    EXPECT_EQ(start->value(), 0);
    EXPECT_EQ(end->value(), end->maximum());
    EXPECT_EQ(view.startRow()->valueText(), QStringLiteral("0:00.00"));
    EXPECT_EQ(view.endRow()->valueText(), ToolTimeFormat::fmtTime(d));
    EXPECT_EQ(view.durationLabel()->text(), QStringLiteral("Duration: ") + ToolTimeFormat::fmtTime(d));
    EXPECT_TRUE(view.hintLabel()->isHidden());
    EXPECT_EQ(start->accessibleName(), QStringLiteral("Start time"));
    EXPECT_EQ(end->accessibleName(), QStringLiteral("End time"));
    EXPECT_EQ(view.startRow()->label()->text(), QStringLiteral("Start"));
    EXPECT_EQ(view.endRow()->label()->text(), QStringLiteral("End"));
    expectNamedControls(view);

    ToolScaffold* scaffold = view.scaffold();
    EXPECT_TRUE(scaffold->applyButton()->isEnabled());
    EXPECT_EQ(scaffold->applyButton()->text(), QStringLiteral("Apply"));
    EXPECT_EQ(scaffold->captionLabel()->text(), nameOf(file));
    EXPECT_EQ(scaffold->descriptionLabel()->text(), QStringLiteral("MP4 · Saved beside the original"));
    EXPECT_EQ(view.preview()->minimumHeight(), TrimView::previewHeight);
    EXPECT_EQ(view.preview()->maximumHeight(), TrimView::previewHeight);
    EXPECT_EQ(view.preview()->source(), file.path);
    EXPECT_FALSE(view.preview()->isPlaying());
}

TEST_F(TrimViewTest, ThreeClipsOpenOnTheFirstOnesLength)
{
    // The first is the shortest: the end comes from it, not from the longest.
    const QList<ToolFile> files{probed(TestMedia::clip(1.0)), probed(TestMedia::clip(4.0)),
                                probed(TestMedia::clip(2.5))};
    ASSERT_TRUE(files[0].info && files[1].info && files[2].info);
    ServiceRecorder recorder;
    TrimView view(files, recorder.services());
    EXPECT_EQ(view.end(), files[0].info->duration);
    EXPECT_LT(view.end(), files[2].info->duration);
    EXPECT_EQ(view.endRow()->slider()->maximum(), int(std::ceil(files[0].info->duration * 1000)));
    EXPECT_EQ(view.scaffold()->captionLabel()->text(), nameOf(files[0]) + QStringLiteral(" + 2 more"));
    EXPECT_EQ(view.scaffold()->applyButton()->text(), QStringLiteral("Apply to 3 files"));
    EXPECT_EQ(view.preview()->source(), files[0].path);
}

TEST_F(TrimViewTest, AFirstClipOfUnknownLengthLeavesNothingToApply)
{
    ServiceRecorder recorder;
    TrimView view({{TestMedia::clip(1.0), std::nullopt}}, recorder.services());
    EXPECT_EQ(view.startRow()->slider()->maximum(), 1);
    EXPECT_EQ(view.endRow()->slider()->maximum(), 1);
    EXPECT_EQ(view.range().upperBound(), 0.001);
    EXPECT_EQ(view.end(), 0.0);
    EXPECT_EQ(view.durationLabel()->text(), QStringLiteral("Duration: 0:00.00"));
    EXPECT_FALSE(view.hintLabel()->isHidden());
    EXPECT_EQ(view.hintLabel()->text(), QStringLiteral("Choose an end time after the start."));
    EXPECT_FALSE(view.scaffold()->applyButton()->isEnabled());
    // The first file gets no operation, so the footer names no kind.
    EXPECT_EQ(view.scaffold()->descriptionLabel()->text(), QStringLiteral(" · Saved beside the original"));
}

TEST_F(TrimViewTest, MovingOneTimePastTheOtherPushesItAndDisablesApply)
{
    const ToolFile file = probed(TestMedia::clip(4.0));
    ServiceRecorder recorder;
    TrimView view({file}, recorder.services());
    QSlider* start = view.startRow()->slider();
    QSlider* end = view.endRow()->slider();

    end->setValue(2000);
    start->setValue(3000);
    EXPECT_EQ(view.start(), 3.0);
    EXPECT_EQ(view.end(), 3.0);
    EXPECT_EQ(end->value(), 3000);
    EXPECT_EQ(view.endRow()->valueText(), QStringLiteral("0:03.00"));
    EXPECT_EQ(view.durationLabel()->text(), QStringLiteral("Duration: 0:00.00"));
    EXPECT_FALSE(view.hintLabel()->isHidden());
    EXPECT_FALSE(view.scaffold()->applyButton()->isEnabled());

    end->setValue(3500);
    EXPECT_EQ(view.start(), 3.0);
    EXPECT_EQ(view.durationLabel()->text(), QStringLiteral("Duration: 0:00.50"));
    EXPECT_TRUE(view.hintLabel()->isHidden());
    EXPECT_TRUE(view.scaffold()->applyButton()->isEnabled());

    end->setValue(1000); // back before the start: the start goes with it
    EXPECT_EQ(view.start(), 1.0);
    EXPECT_EQ(start->value(), 1000);
    EXPECT_FALSE(view.scaffold()->applyButton()->isEnabled());
}

TEST_F(TrimViewTest, DraggingSeeksThePreviewLiveAndLettingGoSeeksExactly)
{
    const ToolFile file = probed(TestMedia::clip(4.0));
    ServiceRecorder recorder;
    TrimView view({file}, recorder.services());
    view.resize(560, 520);
    view.show();
    PlayerView* preview = view.preview();
    ASSERT_TRUE(test::waitFor([&] { return showsPicture(*preview); }, timeoutMs));
    std::chrono::steady_clock::time_point now{};
    preview->setLiveSeekClock([&now] { return now; });

    QSlider* start = view.startRow()->slider();
    start->setSliderDown(true);
    start->setValue(1000);
    EXPECT_DOUBLE_EQ(preview->position(), 1.0); // the first live seek always runs
    now += std::chrono::milliseconds(50);
    start->setValue(1500);
    EXPECT_DOUBLE_EQ(preview->position(), 1.0); // too soon: dropped, not deferred
    now += std::chrono::milliseconds(60);
    start->setValue(2000);
    EXPECT_DOUBLE_EQ(preview->position(), 2.0);
    start->setValue(2240);
    EXPECT_DOUBLE_EQ(preview->position(), 2.0);
    EXPECT_EQ(view.start(), 2.24); // the value itself follows every move
    start->setSliderDown(false);
    EXPECT_DOUBLE_EQ(preview->position(), 2.24);
    ASSERT_TRUE(test::waitFor([&] { return preview->frameTime() >= 2.24 - 1e-6; }, timeoutMs));
    EXPECT_LT(preview->frameTime(), 2.24 + 0.04 + 1e-6); // the frame at or right after it (25 fps)

    // The end slider the same way; pushing the start along does not seek for the start.
    QSlider* end = view.endRow()->slider();
    now += std::chrono::seconds(1);
    end->setSliderDown(true);
    end->setValue(1200);
    EXPECT_EQ(view.start(), 1.2);
    EXPECT_DOUBLE_EQ(preview->position(), 1.2);
    now += std::chrono::milliseconds(10);
    end->setValue(3100);
    EXPECT_DOUBLE_EQ(preview->position(), 1.2);
    end->setSliderDown(false);
    EXPECT_DOUBLE_EQ(preview->position(), 3.1);
    ASSERT_TRUE(test::waitFor([&] { return preview->frameTime() >= 3.1 - 1e-6; }, timeoutMs));
    EXPECT_LT(preview->frameTime(), 3.1 + 0.04 + 1e-6);

    // A key press is a whole edit of its own: it seeks exactly, also right after a live seek.
    start->setFocus();
    press(start, Qt::Key_PageUp);
    const double expected = view.start();
    EXPECT_GT(expected, 1.2);
    EXPECT_DOUBLE_EQ(preview->position(), expected);
}

TEST_F(TrimViewTest, EachClipIsCutToTheSameStartAsTheToolRulesCutIt)
{
    const QList<ToolFile> files{probed(TestMedia::clip(4.0)), probed(TestMedia::clip(2.5)),
                                probed(TestMedia::clip(1.0))};
    ASSERT_TRUE(files[0].info && files[1].info && files[2].info);
    ServiceRecorder recorder;
    TrimView view(files, recorder.services());
    view.startRow()->slider()->setValue(1500);
    view.endRow()->slider()->setValue(3000);
    EXPECT_EQ(view.durationLabel()->text(), QStringLiteral("Duration: 0:01.50"));
    view.scaffold()->apply();

    // The 1 s clip ends before the chosen start: refused, the others enqueued all the same.
    ASSERT_EQ(recorder.enqueued.size(), 2);
    EXPECT_EQ(recorder.enqueued[0].op, ConversionOp::trim(1.5, 3.0));
    EXPECT_EQ(recorder.enqueued[1].op, ConversionOp::trim(1.5, files[1].info->duration)); // its own end
    ToolParameters parameters;
    parameters.trimStart = 1.5;
    parameters.trimEnd = 3.0;
    for (qsizetype i = 0; i < 2; ++i) {
        EXPECT_EQ(recorder.enqueued[i].path, files[i].path);
        EXPECT_EQ(recorder.enqueued[i].info, files[i].info);
        EXPECT_EQ(recorder.enqueued[i].op, ToolRules::operation(ToolKind::trim, parameters, files[i]));
    }
    EXPECT_FALSE(ToolRules::operation(ToolKind::trim, parameters, files[2]).has_value());
    ASSERT_EQ(recorder.alerts.size(), 1);
    EXPECT_EQ(recorder.alerts[0].title, QStringLiteral("Cannot process ") + nameOf(files[2]));
    EXPECT_EQ(recorder.alerts[0].message, QStringLiteral("This file doesn't fit the chosen settings."));
    EXPECT_EQ(recorder.reloads, 1);
}

TEST_F(TrimViewTest, EscapeClosesWithoutApplyingAndReturnApplies)
{
    const ToolFile file = probed(TestMedia::clip(2.5));
    {
        ServiceRecorder recorder;
        ToolWindow window(new TrimView({file}, recorder.services()));
        window.show();
        QSlider* start = window.findChild<TrimView*>()->startRow()->slider();
        press(start, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(recorder.enqueued.isEmpty());
        EXPECT_EQ(recorder.reloads, 0);
    }
    {
        ServiceRecorder recorder;
        ToolWindow window(new TrimView({file}, recorder.services()));
        window.show();
        auto* view = window.findChild<TrimView*>();
        // Nothing to keep: Return does nothing.
        view->startRow()->slider()->setValue(view->startRow()->slider()->maximum());
        press(view->endRow()->slider(), Qt::Key_Return);
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(recorder.enqueued.isEmpty());

        view->startRow()->slider()->setValue(500);
        press(view->endRow()->slider(), Qt::Key_Return);
        EXPECT_FALSE(window.isVisible());
        ASSERT_EQ(recorder.enqueued.size(), 1);
        EXPECT_EQ(recorder.enqueued[0].op, ConversionOp::trim(0.5, file.info->duration));
    }
}

TEST_F(SpeedViewTest, OpensOnTheStoredFactorWithItsChipHighlighted)
{
    const ToolFile file = probed(TestMedia::clip(2.5));
    ServiceRecorder recorder;
    SpeedView view({file}, recorder.services());
    EXPECT_EQ(view.factor(), 2.0);
    QSlider* slider = view.speedRow()->slider();
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 16);
    EXPECT_EQ(slider->value(), 8);
    EXPECT_EQ(slider->accessibleName(), QStringLiteral("Speed factor"));
    EXPECT_EQ(view.speedRow()->label()->text(), QStringLiteral("Speed"));
    EXPECT_EQ(view.speedRow()->valueText(), QString::fromUtf8("2.00×"));
    QStringList titles;
    for (SpeedPresetChip* chip : view.chips()) {
        titles << chip->text();
        EXPECT_EQ(chip->isSelected(), chip->value() == 2.0) << chip->text().toStdString();
        EXPECT_EQ(chip->isChecked(), chip->isSelected()); // what a screen reader hears
        EXPECT_EQ(chip->accessibleName(), chip->text());
    }
    EXPECT_EQ(titles, QString::fromUtf8("0.5× 1× 1.5× 2× 4×").split(u' '));
    expectNamedControls(view);
    EXPECT_EQ(view.scaffold()->applyButton()->text(), QStringLiteral("Apply"));
    EXPECT_TRUE(view.scaffold()->applyButton()->isEnabled());
    EXPECT_EQ(view.scaffold()->descriptionLabel()->text(), QStringLiteral("MP4 · Saved beside the original"));
    EXPECT_EQ(view.preview()->minimumHeight(), SpeedView::previewHeight);
    EXPECT_EQ(view.preview()->maximumHeight(), SpeedView::previewHeight);
    EXPECT_EQ(view.preview()->source(), file.path);

    const QString key = QString::fromLatin1(SettingsDefaults::speedMultiplierKey);
    Preferences::setValue(key, 0.5);
    SpeedView slow({file}, recorder.services());
    EXPECT_EQ(slow.factor(), 0.5);
    EXPECT_TRUE(slow.chips()[0]->isSelected());
    EXPECT_EQ(slow.speedRow()->valueText(), QString::fromUtf8("0.50×"));
    EXPECT_EQ(slow.speedRow()->slider()->value(), 2);

    // A stored factor between two steps is kept as it is until the slider moves.
    Preferences::setValue(key, 1.3);
    SpeedView between({file}, recorder.services());
    EXPECT_EQ(between.factor(), 1.3);
    EXPECT_EQ(between.speedRow()->valueText(), QString::fromUtf8("1.30×"));
    for (SpeedPresetChip* chip : between.chips())
        EXPECT_FALSE(chip->isSelected()) << chip->text().toStdString();
    Preferences::remove(key);
}

TEST_F(SpeedViewTest, SliderAndChipsSetOneFactor)
{
    ServiceRecorder recorder;
    SpeedView view({probed(TestMedia::clip(2.5))}, recorder.services());
    QSlider* slider = view.speedRow()->slider();
    slider->setValue(5);
    EXPECT_EQ(view.factor(), 1.25);
    EXPECT_EQ(view.speedRow()->valueText(), QString::fromUtf8("1.25×"));
    for (SpeedPresetChip* chip : view.chips())
        EXPECT_FALSE(chip->isSelected()) << chip->text().toStdString();

    SpeedPresetChip* fastest = view.chips().last();
    fastest->click();
    EXPECT_EQ(view.factor(), 4.0);
    EXPECT_EQ(slider->value(), slider->maximum());
    EXPECT_EQ(view.speedRow()->valueText(), QString::fromUtf8("4.00×"));
    EXPECT_TRUE(fastest->isSelected());
    fastest->click(); // a second click leaves it chosen
    EXPECT_TRUE(fastest->isSelected());
    EXPECT_EQ(view.factor(), 4.0);

    slider->setValue(1);
    EXPECT_EQ(view.speedRow()->valueText(), QString::fromUtf8("0.25×"));
    EXPECT_FALSE(fastest->isSelected());
    // Changing the factor here does not change the stored default.
    EXPECT_EQ(SettingsDefaults::speedMultiplier(), 2.0);
}

TEST_F(SpeedViewTest, EveryClipGetsTheSameSpeedAsTheToolRulesGiveIt)
{
    const QList<ToolFile> files{probed(TestMedia::clip(4.0)), probed(TestMedia::clip(1.0))};
    ServiceRecorder recorder;
    ToolWindow window(new SpeedView(files, recorder.services()));
    window.show();
    auto* view = window.findChild<SpeedView*>();
    EXPECT_EQ(view->scaffold()->applyButton()->text(), QStringLiteral("Apply to 2 files"));
    view->chips()[2]->click();
    press(view->speedRow()->slider(), Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());

    ToolParameters parameters;
    parameters.speedFactor = 1.5;
    ASSERT_EQ(recorder.enqueued.size(), 2);
    for (qsizetype i = 0; i < files.size(); ++i) {
        EXPECT_EQ(recorder.enqueued[i].path, files[i].path);
        EXPECT_EQ(recorder.enqueued[i].op, ConversionOp::speed(1.5));
        EXPECT_EQ(recorder.enqueued[i].op, ToolRules::operation(ToolKind::speed, parameters, files[i]));
    }
    EXPECT_TRUE(recorder.alerts.isEmpty());
    EXPECT_EQ(recorder.reloads, 1);
}

TEST_F(TrimSpeedTest, WindowsOpenWithTheirPreviewAtFullWidthAndEverythingInside)
{
    const ToolFile file = probed(TestMedia::clip(2.5));
    ServiceRecorder recorder;
    ToolWindowPresenter presenter(recorder.services());
    struct Row {
        ToolKind kind;
        const char* title;
        QSize size;
        int previewHeight;
    };
    for (const Row& r : {Row{ToolKind::trim, "Trim Video", {560, 520}, TrimView::previewHeight},
                         Row{ToolKind::speed, "Change Speed", {560, 480}, SpeedView::previewHeight}}) {
        presenter.present({r.kind, {file}});
        ToolWindow* window = nullptr;
        for (const QUuid& id : presenter.registry().ids())
            if (presenter.registry().window(id)->windowTitle() == QLatin1String(r.title))
                window = presenter.registry().window(id);
        ASSERT_NE(window, nullptr) << r.title;
        EXPECT_EQ(window->size(), r.size);
        auto* preview = window->findChild<PlayerView*>();
        ASSERT_NE(preview, nullptr);
        ASSERT_TRUE(test::waitFor([&] { return showsPicture(*preview); }, timeoutMs)) << r.title;
        const QRect area(preview->mapTo(window, QPoint(0, 0)), preview->size());
        EXPECT_EQ(area.height(), r.previewHeight) << r.title;
        EXPECT_EQ(area.width(), r.size.width() - 32) << r.title;
        // The window's fixed size holds every part, the apply button inside the 16 px margin.
        QPushButton* apply = window->findChild<ToolScaffold*>()->applyButton();
        const QRect button(apply->mapTo(window, QPoint(0, 0)), apply->size());
        EXPECT_LE(button.bottom(), r.size.height() - 16) << r.title;
        EXPECT_GE(area.top(), 16) << r.title;
        window->close();
    }
}
