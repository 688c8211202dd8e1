// SPDX-License-Identifier: GPL-3.0-or-later
#include "CropView.h"

#include "CropGeometry.h"
#include "CropOverlay.h"
#include "Localization.h"
#include "ParameterRow.h"
#include "PlayerView.h"
#include "SymbolGlyph.h"
#include "SymbolIcons.h"
#include "ToolScaffold.h"
#include "ToolText.h"
#include "ToolTimeFormat.h"
#include "Typography.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>

namespace karvo {

namespace {
constexpr int glyphSize = 12;
constexpr int permille = 1000; // the width and height sliders move in tenths of a percent

int milliseconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0)
        return 0;
    return static_cast<int>(std::min(std::llround(seconds * 1000.0), static_cast<long long>(INT_MAX)));
}

int sliderFraction(double fraction)
{
    return std::clamp(static_cast<int>(std::lround(fraction * permille)),
                      static_cast<int>(std::lround(CropGeometry::minSize * permille)), permille);
}

QFont monospaced(double size)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(Typography::font(size).pointSizeF());
    return font;
}

QLabel* timeLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setFont(monospaced(10));
    return label;
}

double knownDuration(const QList<ToolFile>& files)
{
    if (files.isEmpty() || !files.first().info)
        return 0;
    const double d = files.first().info->duration;
    return std::isfinite(d) && d > 0 ? d : 0;
}
} // namespace

CropView::CropView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent)
    : ToolView(parent), m_parameters(ToolParameters::fromDefaults(files)),
      m_picture(CropGeometry::pictureSize(files.isEmpty() ? std::nullopt : files.first().info)),
      m_scrubEnd(std::max(knownDuration(files), 1.0)), m_player(new PlayerView), m_overlay(new CropOverlay(m_player))
{
    m_parameters.cropRect = CropGeometry::full();
    m_player->setFixedHeight(stageHeight);
    m_player->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_player->setControlsVisible(false);
    m_player->setAccessibleName(L("Video preview"));
    m_overlay->setVideoAspect(CropGeometry::aspectOf(m_picture));
    m_overlay->setOnDrag([this](const QRectF& rect) { setCropRect(rect); });

    // The player's position follows into the transport unless the user holds its slider.
    connect(m_player, &PlayerView::positionChanged, this, [this](double seconds) {
        if (!m_isScrubbing && std::isfinite(seconds))
            setScrub(std::clamp(seconds, 0.0, m_scrubEnd));
        setPlaying(m_player->isPlaying());
    });
    connect(m_player, &PlayerView::playingChanged, this, &CropView::setPlaying);
    connect(m_player, &PlayerView::playbackEnded, this, [this] {
        setPlaying(false);
        setScrub(m_scrubEnd);
    });

    ToolScaffold::Parts parts;
    parts.content = m_player;
    parts.controls = buildControls();
    parts.onApply = [this](const ToolFile& file) {
        return ToolRules::operation(ToolKind::crop, m_parameters, file);
    };
    setScaffold(new ToolScaffold(files, std::move(parts), services));
    rectChanged();
    setPlaying(false);
    m_player->setSource(files.isEmpty() ? QString() : files.first().path);
}

CropView::~CropView() = default;

QWidget* CropView::buildControls()
{
    auto* controls = new QWidget;
    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);

    auto* aspectRow = new QHBoxLayout;
    auto* aspectLabel = new QLabel(L("Aspect ratio"));
    aspectLabel->setFont(Typography::font(13));
    QPalette secondary = aspectLabel->palette();
    secondary.setColor(QPalette::WindowText, Typography::secondaryText(secondary));
    aspectLabel->setPalette(secondary);
    m_aspectPicker = new QComboBox;
    for (const CropAspect& aspect : CropGeometry::aspects())
        m_aspectPicker->addItem(aspect.localized ? L(aspect.name) : QString::fromUtf8(aspect.name));
    // 130 px, or wider for a translation that needs it ("Freeform" runs long in some languages).
    m_aspectPicker->setMinimumWidth(130);
    m_aspectPicker->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_aspectPicker->setAccessibleName(L("Aspect ratio"));
    aspectLabel->setBuddy(m_aspectPicker);
    connect(m_aspectPicker, &QComboBox::currentIndexChanged, this, &CropView::setAspectIndex);
    m_readout = new QLabel;
    m_readout->setFont(monospaced(12));
    aspectRow->addWidget(aspectLabel);
    aspectRow->addWidget(m_aspectPicker);
    aspectRow->addStretch(1);
    aspectRow->addWidget(m_readout);
    column->addLayout(aspectRow);

    auto* resetRow = new QHBoxLayout;
    m_reset = new QPushButton(L("Reset"));
    m_reset->setFont(Typography::font(11));
    m_reset->setAccessibleName(L("Reset"));
    connect(m_reset, &QPushButton::clicked, this, &CropView::reset);
    resetRow->addWidget(m_reset);
    resetRow->addStretch(1);
    column->addLayout(resetRow);

    m_widthRow = new ParameterRow(L("Width"), L("Crop width"), 50);
    m_heightRow = new ParameterRow(L("Height"), L("Crop height"), 50);
    ParameterRow::alignLabels({m_widthRow, m_heightRow});
    for (ParameterRow* row : {m_widthRow, m_heightRow}) {
        QSlider* slider = row->slider();
        slider->setRange(sliderFraction(CropGeometry::minSize), permille);
        slider->setSingleStep(10);
        slider->setPageStep(100);
        column->addWidget(row);
    }
    connect(m_widthRow->slider(), &QSlider::valueChanged, this,
            [this](int value) { setCropWidth(double(value) / permille); });
    connect(m_heightRow->slider(), &QSlider::valueChanged, this,
            [this](int value) { setCropHeight(double(value) / permille); });

    auto* transport = new QHBoxLayout;
    m_play = new QToolButton;
    m_play->setAutoRaise(true);
    m_play->setIconSize(QSize(14, 14));
    connect(m_play, &QToolButton::clicked, this, &CropView::togglePlayback);
    m_position = new QSlider(Qt::Horizontal);
    m_position->setRange(0, milliseconds(m_scrubEnd));
    m_position->setSingleStep(std::max(1, m_position->maximum() / 100));
    m_position->setPageStep(std::max(1, m_position->maximum() / 10));
    m_position->setAccessibleName(L("Preview position"));
    connect(m_position, &QSlider::sliderPressed, this, [this] { m_isScrubbing = true; });
    connect(m_position, &QSlider::sliderReleased, this, [this] {
        m_isScrubbing = false;
        m_player->seek(m_scrub);
    });
    connect(m_position, &QSlider::valueChanged, this, &CropView::scrubMoved);
    transport->addWidget(m_play);
    transport->addWidget(new SymbolGlyph(QStringLiteral("backward.end"), glyphSize));
    transport->addWidget(m_position, 1);
    transport->addWidget(new SymbolGlyph(QStringLiteral("forward.end"), glyphSize));
    column->addLayout(transport);

    auto* times = new QHBoxLayout;
    m_positionText = timeLabel(ToolTimeFormat::fmtTime(0));
    m_endText = timeLabel(ToolTimeFormat::fmtTime(m_scrubEnd));
    times->addWidget(m_positionText);
    times->addStretch(1);
    times->addWidget(m_endText);
    column->addLayout(times);
    return controls;
}

QString CropView::readoutText(const QSize& pixels)
{
    return L("%d × %d px", pixels.width(), pixels.height());
}

QString CropView::percentText(double fraction)
{
    // A hair above the value, so 0.29 stays 29% rather than 28.999…%.
    return L("%d%%", static_cast<int>(std::trunc(fraction * 100 + 1e-9)));
}

std::optional<double> CropView::lockedAspect() const
{
    return CropGeometry::aspects().value(m_aspectIndex, CropGeometry::aspects().first()).ratio;
}

void CropView::setCropRect(const QRectF& rect, int animationMs)
{
    m_parameters.cropRect = rect;
    m_overlay->setCropRect(rect, animationMs);
    rectChanged();
}

void CropView::rectChanged()
{
    const QRectF& r = m_parameters.cropRect;
    {
        const QSignalBlocker width(m_widthRow->slider());
        const QSignalBlocker height(m_heightRow->slider());
        m_widthRow->slider()->setValue(sliderFraction(r.width()));
        m_heightRow->slider()->setValue(sliderFraction(r.height()));
    }
    m_widthRow->setValueText(percentText(r.width()));
    m_heightRow->setValueText(percentText(r.height()));
    m_readout->setText(readoutText(CropGeometry::readout(r, m_picture)));
    m_readout->setAccessibleName(m_readout->text());
    scaffold()->refresh();
}

void CropView::setAspectIndex(int index)
{
    const QList<CropAspect> aspects = CropGeometry::aspects();
    index = std::clamp(index, 0, static_cast<int>(aspects.size()) - 1);
    m_aspectIndex = index;
    {
        const QSignalBlocker blocker(m_aspectPicker);
        m_aspectPicker->setCurrentIndex(index);
    }
    const std::optional<double> ratio = aspects.at(index).ratio;
    m_overlay->setAspect(ratio);
    m_heightRow->slider()->setEnabled(!ratio);
    if (ratio)
        setCropRect(CropGeometry::withAspect(m_parameters.cropRect, *ratio, m_picture), aspectAnimationMs);
}

void CropView::setCropWidth(double width)
{
    setCropRect(CropGeometry::withWidth(m_parameters.cropRect, width, lockedAspect(), m_picture));
}

void CropView::setCropHeight(double height)
{
    // A locked ratio decides the height.
    if (lockedAspect())
        return;
    setCropRect(CropGeometry::withHeight(m_parameters.cropRect, height));
}

void CropView::reset()
{
    setAspectIndex(0);
    setCropRect(CropGeometry::full(), resetAnimationMs);
}

void CropView::togglePlayback()
{
    if (m_player->isPlaying()) {
        m_player->pause();
    } else {
        if (m_scrub >= m_scrubEnd)
            m_player->seek(0);
        m_player->play();
    }
    setPlaying(m_player->isPlaying());
}

void CropView::setPlaying(bool playing)
{
    m_isPlaying = playing;
    const QString symbol = playing ? QStringLiteral("pause.fill") : QStringLiteral("play.fill");
    m_play->setIcon(SymbolIcons::icon(symbol, palette().color(QPalette::WindowText)));
    const QString name = playing ? L("Pause preview") : L("Play preview");
    m_play->setAccessibleName(name);
    m_play->setToolTip(name);
}

void CropView::setScrub(double seconds)
{
    m_scrub = seconds;
    m_following = true;
    m_position->setValue(milliseconds(seconds));
    m_following = false;
    m_positionText->setText(ToolTimeFormat::fmtTime(seconds));
}

void CropView::scrubMoved(int position)
{
    if (m_following)
        return;
    m_scrub = std::min(position / 1000.0, m_scrubEnd);
    m_positionText->setText(ToolTimeFormat::fmtTime(m_scrub));
    // While held the preview follows at most every 0.1 s and lands exactly on release; a key or a click
    // on the groove moves it once, so that move is exact at once.
    if (m_isScrubbing)
        m_player->liveSeek(m_scrub);
    else
        m_player->seek(m_scrub);
}

void CropView::hideEvent(QHideEvent* event)
{
    m_player->pause();
    ToolView::hideEvent(event);
}

} // namespace karvo
