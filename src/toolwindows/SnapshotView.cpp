// SPDX-License-Identifier: GPL-3.0-or-later
#include "SnapshotView.h"

#include "Localization.h"
#include "MediaProbe.h"
#include "PlayerView.h"
#include "PreviewWorker.h"
#include "SnapshotOverlay.h"
#include "SymbolGlyph.h"
#include "ToolScaffold.h"
#include "ToolTimeFormat.h"
#include "Typography.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>

namespace karvo {

namespace {
constexpr int glyphSize = 12;

int milliseconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0)
        return 0;
    return static_cast<int>(std::min(std::llround(seconds * 1000.0), static_cast<long long>(INT_MAX)));
}

QLabel* monospacedLabel(const QString& text)
{
    auto* label = new QLabel(text);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(Typography::font(10).pointSizeF());
    label->setFont(font);
    return label;
}
} // namespace

SnapshotView::SnapshotView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent)
    : ToolView(parent), m_parameters(ToolParameters::fromDefaults(files)),
      m_firstPath(files.isEmpty() ? QString() : files.first().path), m_firstDuration(0),
      m_player(previewPanel(previewHeight)), m_overlay(new SnapshotOverlay(m_player)),
      m_worker(std::make_unique<PreviewWorker>(this))
{
    if (!files.isEmpty() && files.first().info) {
        const double d = files.first().info->duration;
        m_firstDuration = std::isfinite(d) && d > 0 ? d : 0;
    }
    m_player->setAccessibleName(L("Video preview"));
    m_overlay->setMode(SnapshotOverlay::Mode::analysing);

    auto* controls = new QWidget;
    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    auto* sliderRow = new QHBoxLayout;
    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setAccessibleName(L("Frame time"));
    m_slider->setEnabled(false);
    connect(m_slider, &QSlider::valueChanged, this, &SnapshotView::sliderMoved);
    // The last live seek may have been dropped: the preview lands exactly where the slider is let go.
    connect(m_slider, &QSlider::sliderReleased, this, [this] { m_player->seek(time()); });
    sliderRow->addWidget(new SymbolGlyph(QStringLiteral("backward.end"), glyphSize));
    sliderRow->addWidget(m_slider, 1);
    sliderRow->addWidget(new SymbolGlyph(QStringLiteral("forward.end"), glyphSize));
    column->addLayout(sliderRow);
    auto* labels = new QHBoxLayout;
    m_timeText = monospacedLabel(ToolTimeFormat::fmtTime(time()));
    // The first file's duration, not its last frame's time.
    m_durationText = monospacedLabel(ToolTimeFormat::fmtTime(std::max(m_firstDuration, 1.0)));
    labels->addWidget(m_timeText);
    labels->addStretch(1);
    labels->addWidget(m_durationText);
    column->addLayout(labels);

    ToolScaffold::Parts parts;
    parts.content = m_player;
    parts.controls = controls;
    parts.applyTitle = KV_TRANSLATE_NOOP("Save PNG");
    parts.onApply = [this](const ToolFile& file) {
        return ToolRules::operation(ToolKind::snapshot, m_parameters, file);
    };
    setScaffold(new ToolScaffold(files, std::move(parts), services));
    scaffold()->setCanApply(false);

    m_slider->setRange(0, milliseconds(sliderEnd()));
    m_player->setSource(m_firstPath);
}

SnapshotView::~SnapshotView()
{
    m_closed->store(true);
}

SnapshotView::Analysis SnapshotView::analysis() const
{
    if (m_probeFailed)
        return Analysis::failed;
    return m_lastFrameTime ? Analysis::ready : Analysis::analysing;
}

double SnapshotView::sliderEnd() const
{
    const double end = m_lastFrameTime ? *m_lastFrameTime : std::max(m_firstDuration, 1.0);
    return std::max(end, 0.000001);
}

void SnapshotView::showEvent(QShowEvent* event)
{
    ToolView::showEvent(event);
    if (!m_analysisStarted) {
        m_analysisStarted = true;
        analyse();
    }
}

void SnapshotView::analyse()
{
    // ffprobe reads up to the whole file: never on the main thread. A closed window stops it.
    m_worker->submit(0, [path = m_firstPath, duration = m_firstDuration, closed = m_closed, view = this] {
        const std::optional<double> last =
            MediaProbe::lastVideoFrameTime(path, duration, [closed] { return closed->load(); });
        return [view, last] {
            view->analysed(last);
        };
    });
}

void SnapshotView::analysed(std::optional<double> lastFrameTime)
{
    if (lastFrameTime && std::isfinite(*lastFrameTime)) {
        m_lastFrameTime = std::max(*lastFrameTime, 0.0);
        m_overlay->setMode(SnapshotOverlay::Mode::none);
        m_slider->setRange(0, milliseconds(sliderEnd()));
        m_slider->setSingleStep(std::max(1, m_slider->maximum() / 100));
        m_slider->setPageStep(std::max(1, m_slider->maximum() / 10));
        m_slider->setEnabled(true);
        scaffold()->setCanApply(true);
    } else {
        m_probeFailed = true;
        m_overlay->setMode(SnapshotOverlay::Mode::failed);
    }
}

void SnapshotView::sliderMoved(int position)
{
    setTime(std::min(position / 1000.0, sliderEnd()));
    // While dragged the preview follows at most every 0.1 s; a key or a click on the groove is one move,
    // shown exactly at once.
    if (m_slider->isSliderDown())
        m_player->liveSeek(time());
    else
        m_player->seek(time());
}

void SnapshotView::setTime(double seconds)
{
    m_parameters.snapshotTime = seconds;
    m_timeText->setText(ToolTimeFormat::fmtTime(seconds));
    scaffold()->refresh();
}

} // namespace karvo
