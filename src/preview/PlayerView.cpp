// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerView.h"

#include "FFmpegLocator.h"
#include "FrameConverter.h"
#include "Localization.h"
#include "MediaFileCheck.h"
#include "PlayerControls.h"
#include "PreviewSource.h"
#include "PreviewWorker.h"
#include "StillFrame.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QEvent>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <cmath>
#include <mutex>

namespace karvo {

namespace {

constexpr qreal cornerRadius = 8;
constexpr int controlsHeight = 28;
constexpr int controlsMargin = 8;
// A file whose frames never decode would otherwise say "Loading preview…" for ever.
constexpr int loadingLimitMs = 15000;

enum Lane { frames, stills, probing };

QFont scaledFont(double size, QFont::Weight weight = QFont::Normal)
{
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * size / 13.0);
    font.setWeight(weight);
    return font;
}

} // namespace

// What the player's video thread needs from the view, behind one lock: the sink's frames arrive on that
// thread and are handed to the worker from there, so a frame never waits for the main thread.
struct PlayerView::FrameGate {
    std::mutex mutex;
    std::shared_ptr<PreviewWorker> worker; // none once the view is going away
    PlayerView* view = nullptr;            // only touched by continuations, which run on the main thread
    quint64 generation = 0;
    bool open = false; // the rotation is known
    int rotation = 0;
    double offset = 0;
    QSize box;
    QVideoFrame last;

    // Converts `frame` on the worker. Called with the mutex held.
    void submit(const QVideoFrame& frame)
    {
        if (!worker || !open)
            return;
        const int turn = frame.rotationAngle() != QVideoFrame::Rotation0 ? int(frame.rotationAngle()) : rotation;
        worker->submit(frames, [frame, turn, size = box, gen = generation, shift = offset, target = view] {
            const QImage image = FrameConverter::toImage(frame, turn, size);
            const double time = double(frame.startTime()) / 1e6 - shift;
            return [image, time, gen, target] {
                if (gen == target->m_generation && !target->m_stillShown && !image.isNull())
                    target->showFrame(image, time);
            };
        });
    }
};

PlayerView::PlayerView(QWidget* parent) : QWidget(parent)
{
    m_player = new QMediaPlayer(this);
    m_ownsPlayer = true;
    // Without an output device Qt 6.4's player waits for audio that never plays, and the picture stalls.
    if (!QMediaDevices::defaultAudioOutput().isNull()) {
        m_audio = new QAudioOutput(this);
        m_player->setAudioOutput(m_audio);
    }
    setUp();
}

PlayerView::PlayerView(QMediaPlayer* player, QWidget* parent) : QWidget(parent), m_player(player)
{
    setUp();
}

PlayerView::~PlayerView()
{
    m_player->disconnect(this);
    {
        std::lock_guard lock(m_gate->mutex);
        m_gate->worker.reset();
        m_gate->last = {};
    }
    // The player's threads stop delivering before the sink goes.
    if (m_ownsPlayer)
        delete m_player;
    else if (m_player && m_player->videoSink() == m_sink)
        m_player->setVideoSink(nullptr);
    m_worker.reset();
}

void PlayerView::setUp()
{
    setAttribute(Qt::WA_TranslucentBackground); // the rounded corners show what lies behind
    setMinimumSize(80, 60);
    m_worker = std::make_shared<PreviewWorker>(this);
    m_gate = std::make_shared<FrameGate>();
    m_gate->worker = m_worker;
    m_gate->view = this;

    m_sink = new QVideoSink(this);
    // Direct: runs on the player's video thread, which only hands the frame on.
    connect(
        m_sink, &QVideoSink::videoFrameChanged, m_sink,
        [gate = m_gate](const QVideoFrame& frame) {
            if (!frame.isValid())
                return;
            std::lock_guard lock(gate->mutex);
            gate->last = frame;
            gate->submit(frame);
        },
        Qt::DirectConnection);
    m_player->setVideoSink(m_sink);

    m_controls = new PlayerControls(this);
    m_controls->hide();
    connect(m_controls, &PlayerControls::playToggled, this, [this] { isPlaying() ? pause() : play(); });
    connect(m_controls, &PlayerControls::scrubbed, this, &PlayerView::liveSeek);
    connect(m_controls, &PlayerControls::settled, this, &PlayerView::seek);

    m_watchdog = new QTimer(this);
    m_watchdog->setSingleShot(true);
    m_watchdog->setInterval(loadingLimitMs);
    connect(m_watchdog, &QTimer::timeout, this, [this] {
        if (m_state == State::loading)
            fail(L("No picture could be decoded from this file."));
    });

    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (m_switching || m_state == State::empty || m_state == State::failed)
            return;
        if (status == QMediaPlayer::LoadedMedia && !m_loaded) {
            m_loaded = true;
            startIfReady();
        } else if (status == QMediaPlayer::InvalidMedia) {
            fail(L("The file's format or codec is not supported."));
        } else if (status == QMediaPlayer::EndOfMedia) {
            // Not from inside the player's own end-of-stream call: rearming replaces its decoder.
            m_rearmPending = true;
            QMetaObject::invokeMethod(this, &PlayerView::rearmIfPending, Qt::QueuedConnection);
            // A seek past the last frame while paused also ends the stream; only playing reaches the end.
            if (m_wasPlaying) {
                m_wasPlaying = false;
                m_position = duration();
                m_controls->setPosition(m_position);
                emit positionChanged(m_position);
                emit playbackEnded();
            }
        }
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString& detail) {
        if (m_state == State::empty || error == QMediaPlayer::NoError)
            return;
        qWarning("Preview of %s: %s", qUtf8Printable(m_path), qUtf8Printable(detail));
        switch (error) {
        case QMediaPlayer::FormatError:
            fail(L("The file's format or codec is not supported."));
            break;
        case QMediaPlayer::AccessDeniedError:
            fail(L("Karvo is not allowed to read this file."));
            break;
        default:
            fail(L("The file could not be opened."));
            break;
        }
    });
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState playback) {
        if (m_switching)
            return;
        const bool playing = playback == QMediaPlayer::PlayingState;
        if (playing) {
            m_wasPlaying = true;
        } else if (playback == QMediaPlayer::PausedState && m_wasPlaying) {
            m_wasPlaying = false;
            m_position = playerPosition();
            m_controls->setPosition(m_position);
            emit positionChanged(m_position);
        }
        m_controls->setPlaying(playing);
        emit playingChanged(playing);
    });
    // The player's clock while it plays; while paused the position is the last seek's target, exactly.
    connect(m_player, &QMediaPlayer::positionChanged, this, [this] {
        if (m_stillShown || m_state != State::ready || !isPlaying())
            return;
        m_position = playerPosition();
        m_controls->setPosition(m_position);
        emit positionChanged(m_position);
    });
    connect(m_player, &QMediaPlayer::durationChanged, this, [this] {
        if (m_switching)
            return;
        m_controls->setDuration(duration());
        emit durationChanged(duration());
    });
}

double PlayerView::playerPosition() const
{
    const double offset = m_info ? m_info->startTime : 0.0;
    const double end = duration();
    const double t = std::max(double(m_player->position()) / 1000.0 - offset, 0.0);
    return end > 0 ? std::min(t, end) : t;
}

void PlayerView::rearmIfPending()
{
    if (m_rearmPending)
        rearm();
}

void PlayerView::rearm()
{
    // Qt 6.4's FFmpeg player neither seeks nor plays again once it has reached the end of the file: it is
    // opened afresh and paused on the picture on show.
    m_rearmPending = false;
    if (m_state != State::ready)
        return;
    const QUrl url = m_player->source();
    m_switching = true;
    m_player->setSource(QUrl());
    m_player->setSource(url);
    m_switching = false;
    m_player->pause();
    if (!m_stillShown)
        m_player->setPosition(std::llround((m_frameTime + (m_info ? m_info->startTime : 0.0)) * 1000.0));
}

void PlayerView::setSource(const QString& path)
{
    ++m_generation;
    m_path = path;
    m_info.reset();
    m_probed = m_loaded = m_started = m_stillShown = m_wasPlaying = m_firstPaintReported = m_rearmPending = false;
    m_pendingSeek.reset();
    m_position = 0;
    m_frame = {};
    m_frameTime = 0;
    m_reason.clear();
    m_liveSeek.reset();
    {
        std::lock_guard lock(m_gate->mutex);
        m_gate->generation = m_generation;
        m_gate->open = false;
        m_gate->rotation = 0;
        m_gate->offset = 0;
        m_gate->last = {};
    }
    m_controls->setPlaying(false);
    m_controls->setDuration(0);
    m_controls->setPosition(0);

    if (path.isEmpty()) {
        m_watchdog->stop();
        m_switching = true;
        m_player->setSource(QUrl());
        m_switching = false;
        setState(State::empty);
        return;
    }
    setState(State::loading);
    // The player opens files on the calling thread: a FIFO or a device would hang the window.
    if (const auto problem = MediaFileCheck::problem(path)) {
        m_switching = true;
        m_player->setSource(QUrl());
        m_switching = false;
        fail(*problem);
        return;
    }
    m_watchdog->start();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QUrl url = QUrl::fromLocalFile(absolute);
    m_switching = true;
    // The player ignores its current source given again, so nothing would load.
    if (m_player->source() == url)
        m_player->setSource(QUrl());
    m_worker->submit(probing, [absolute, gen = m_generation, view = this] {
        const auto source = PreviewSource::probe(absolute);
        return [source, gen, view] {
            if (gen == view->m_generation)
                view->sourceProbed(source);
        };
    });
    m_player->setSource(url);
    m_switching = false;
}

void PlayerView::sourceProbed(const std::optional<PreviewSource>& source)
{
    m_probed = true;
    if (source)
        m_info = std::make_unique<PreviewSource>(*source);
    if (m_state == State::failed) {
        // Neither the player nor ffprobe could read it: say so about the file rather than the player.
        if (!source && !FFmpegLocator::path(QStringLiteral("ffprobe")).isEmpty()) {
            m_reason = MediaFileCheck::notMedia(m_path);
            update();
        }
        return;
    }
    if (source && !source->hasVideo) {
        fail(L("The file has no video track."));
        return;
    }
    m_controls->setDuration(duration());
    emit durationChanged(duration());
    {
        std::lock_guard lock(m_gate->mutex);
        m_gate->rotation = source ? source->rotation : 0;
        m_gate->offset = source ? source->startTime : 0.0;
        m_gate->open = true;
        if (m_gate->last.isValid())
            m_gate->submit(m_gate->last);
    }
    updateBox();
    startIfReady();
}

void PlayerView::startIfReady()
{
    if (m_state == State::failed)
        return;
    if (m_loaded && !m_started) {
        m_started = true;
        // Pausing a loaded player decodes its first frame without playing; it is shown once the probe has
        // told which way up it goes.
        m_player->pause();
    }
    if (m_started && m_probed && m_pendingSeek) {
        const double t = *m_pendingSeek;
        m_pendingSeek.reset();
        seek(t);
    }
}

void PlayerView::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    if (state != State::loading)
        m_watchdog->stop();
    m_controls->setVisible(state == State::ready && m_controlsWanted);
    layoutControls();
    update();
    emit stateChanged(state);
}

void PlayerView::fail(const QString& reason)
{
    m_reason = reason;
    m_stillShown = false;
    if (m_state != State::failed) {
        setState(State::failed);
    } else {
        update();
    }
}

QString PlayerView::errorTitle() const
{
    return L("This video can't be previewed.");
}

QString PlayerView::overlayText() const
{
    switch (m_state) {
    case State::loading:
        return L("Loading preview…");
    case State::failed:
        return errorTitle() + u'\n' + m_reason;
    default:
        return {};
    }
}

double PlayerView::duration() const
{
    if (m_info && m_info->duration > 0)
        return m_info->duration;
    return std::max<qint64>(m_player->duration(), 0) / 1000.0;
}

int PlayerView::rotation() const
{
    return m_info ? m_info->rotation : 0;
}

bool PlayerView::seeksWithStills() const
{
    // Qt 6.4's FFmpeg player seeks in the container's raw timestamps and clamps every target to the longest
    // stream duration: with a start time other than 0 it lands on the wrong frame, and without stream
    // durations every seek lands at 0.
    return m_info && (std::abs(m_info->startTime) > 0.0005 || m_player->duration() <= 0);
}

bool PlayerView::isPlaying() const
{
    return m_player->playbackState() == QMediaPlayer::PlayingState;
}

void PlayerView::seek(double seconds)
{
    seekTo(seconds, false);
}

void PlayerView::seekTo(double seconds, bool live)
{
    if (!std::isfinite(seconds))
        return;
    const double end = duration();
    double t = std::max(seconds, 0.0);
    if (end > 0)
        t = std::min(t, end);
    if (m_state == State::empty || m_state == State::failed)
        return;
    m_position = t;
    m_controls->setPosition(t);
    emit positionChanged(t);
    if (!m_started || !m_probed) {
        m_pendingSeek = t;
        return;
    }
    rearmIfPending();
    // While a slider moves, pictures come from stills decoded off the main thread: Qt 6.4's FFmpeg player
    // holds the main thread in setPosition while its decoder works, which stalls the window on every
    // step. Letting go seeks the player itself, precisely.
    if (live || seeksWithStills()) {
        if (isPlaying())
            m_player->pause();
        m_stillShown = true;
        requestStill(t, live ? StillFrame::Precision::nearestKeyframe : StillFrame::Precision::exact);
        return;
    }
    m_stillShown = false;
    // A stopped player (at the end of the file) decodes nothing for a seek; a paused one shows the frame.
    if (m_player->playbackState() == QMediaPlayer::StoppedState)
        m_player->pause();
    m_player->setPosition(std::llround(t * 1000.0));
}

void PlayerView::liveSeek(double seconds)
{
    if (m_liveSeek.admit())
        seekTo(seconds, true);
}

void PlayerView::play()
{
    if (m_state != State::ready)
        return;
    rearmIfPending();
    // At the end, play starts over.
    if (duration() > 0 && m_position >= duration() - 0.001)
        seek(0);
    if (m_stillShown) {
        m_stillShown = false;
        // The player cannot land exactly here; it starts near the shown frame where it can.
        const qint64 target = std::llround((m_position + (m_info ? m_info->startTime : 0.0)) * 1000.0);
        if (m_player->duration() > 0 && target < m_player->duration())
            m_player->setPosition(target);
    }
    m_player->play();
}

void PlayerView::pause()
{
    if (isPlaying())
        m_player->pause();
}

void PlayerView::requestStill(double seconds, StillFrame::Precision precision)
{
    QSize size = m_info ? m_info->displaySize() : QSize();
    if (size.isEmpty())
        return;
    const QSize box = (QSizeF(this->size()) * devicePixelRatioF()).toSize();
    if (!box.isEmpty() && (size.width() > box.width() || size.height() > box.height()))
        size = size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(2, 2));
    const double margin = std::abs(m_info->startTime) > 0.0005 ? StillFrame::transportStreamMargin : 0.0;
    m_worker->submit(stills, [path = m_path, seconds, size, margin, precision, gen = m_generation, view = this] {
        const QImage image = StillFrame::grab(path, seconds, size, margin, precision);
        return [image, seconds, gen, view] {
            if (gen == view->m_generation && view->m_stillShown && !image.isNull())
                view->showFrame(image, seconds);
        };
    });
}

void PlayerView::showFrame(const QImage& image, double time)
{
    m_frame = image;
    m_frameTime = time;
    if (m_state == State::loading)
        setState(State::ready);
    emit frameChanged();
    update();
}

QRectF PlayerView::frameRect() const
{
    QSizeF picture = m_frame.isNull() ? QSizeF() : QSizeF(m_frame.size());
    if (picture.isEmpty() && m_info)
        picture = QSizeF(m_info->displaySize());
    if (picture.isEmpty())
        picture = QSizeF(16, 9);
    const QSizeF fitted = picture.scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - fitted.width()) / 2.0, (height() - fitted.height()) / 2.0), fitted);
}

void PlayerView::setOverlayPainter(OverlayPainter painter)
{
    m_overlay = std::move(painter);
    update();
}

void PlayerView::setControlsVisible(bool visible)
{
    m_controlsWanted = visible;
    m_controls->setVisible(visible && m_state == State::ready);
}

void PlayerView::updateBox()
{
    const QSize box = (QSizeF(size()) * devicePixelRatioF()).toSize();
    std::lock_guard lock(m_gate->mutex);
    if (m_gate->box == box)
        return;
    m_gate->box = box;
    // A paused picture is converted again for the new size; a playing one is replaced by the next frame.
    if (!m_stillShown && !isPlaying() && m_gate->last.isValid())
        m_gate->submit(m_gate->last);
}

void PlayerView::layoutControls()
{
    m_controls->setGeometry(controlsMargin, height() - controlsMargin - controlsHeight, width() - 2 * controlsMargin,
                            controlsHeight);
}

void PlayerView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
    updateBox();
    if (m_stillShown && m_started)
        requestStill(m_position);
}

void PlayerView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        update();
    QWidget::changeEvent(event);
}

void PlayerView::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (pixels.isEmpty())
        return;
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    if (m_mask.size() != pixels || m_mask.devicePixelRatio() != ratio) {
        m_mask = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_mask.setDevicePixelRatio(ratio);
        m_mask.fill(Qt::transparent);
        QPainter mask(&m_mask);
        mask.setRenderHint(QPainter::Antialiasing);
        mask.fillPath(shape, Qt::black);
        m_layer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_layer.setDevicePixelRatio(ratio);
    }
    {
        // Everything is drawn square into a layer, which the mask then trims to smooth rounded corners
        // (a clip path alone would leave them jagged).
        QPainter painter(&m_layer);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.fillRect(QRectF(rect()), Qt::black);
        const QRectF frame = frameRect();
        if (m_state == State::ready && !m_frame.isNull()) {
            painter.drawImage(frame, m_frame);
            if (m_overlay) {
                painter.save();
                m_overlay(painter, frame);
                painter.restore();
            }
        }
        paintMessage(painter);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(QPointF(0, 0), m_mask);
    }
    QPainter(this).drawImage(QPointF(0, 0), m_layer);
    if (m_state == State::ready && !m_frame.isNull() && !m_firstPaintReported) {
        m_firstPaintReported = true;
        emit firstFramePainted();
    }
}

void PlayerView::paintMessage(QPainter& painter) const
{
    const QRectF area = QRectF(rect()).adjusted(16, 12, -16, -12);
    if (m_state == State::loading) {
        painter.setFont(scaledFont(10));
        painter.setPen(QColor(255, 255, 255, 140));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, L("Loading preview…"));
        return;
    }
    if (m_state != State::failed)
        return;
    const QFont titleFont = scaledFont(12, QFont::DemiBold);
    const QFont reasonFont = scaledFont(10);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF title = QFontMetricsF(titleFont).boundingRect(area, flags, errorTitle());
    const QRectF reason = QFontMetricsF(reasonFont).boundingRect(area, flags, m_reason);
    const qreal glyph = 22;
    const qreal total = glyph + 8 + title.height() + 4 + reason.height();
    qreal y = area.center().y() - total / 2;

    // A warning triangle with an exclamation mark.
    const QPointF c(area.center().x(), y);
    QPainterPath triangle;
    triangle.moveTo(c.x(), c.y());
    triangle.lineTo(c.x() + glyph * 0.58, c.y() + glyph);
    triangle.lineTo(c.x() - glyph * 0.58, c.y() + glyph);
    triangle.closeSubpath();
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(triangle);
    painter.drawLine(QPointF(c.x(), c.y() + glyph * 0.36), QPointF(c.x(), c.y() + glyph * 0.66));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(c.x(), c.y() + glyph * 0.82), 1.1, 1.1);
    y += glyph + 8;

    painter.setFont(titleFont);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(area.left(), y, area.width(), title.height()), flags, errorTitle());
    y += title.height() + 4;
    painter.setFont(reasonFont);
    painter.setPen(QColor(255, 255, 255, 170));
    painter.drawText(QRectF(area.left(), y, area.width(), reason.height()), flags, m_reason);
}

} // namespace karvo
