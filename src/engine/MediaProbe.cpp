// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaProbe.h"

#include "ChildProcess.h"
#include "FFmpegLocator.h"
#include "MediaFileCheck.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace karvo {

namespace {
using Clock = std::chrono::steady_clock;

// Enforces the probe's time limit from its own thread.
class Watchdog {
public:
    Watchdog(ChildProcess& process, double timeout, const CancelCheck& isCancelled)
        : m_process(process), m_timeout(timeout), m_isCancelled(isCancelled), m_start(Clock::now()),
          m_thread([this] { run(); })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    // True once the limit was reached or the caller cancelled; whatever the tool printed is then discarded.
    bool stopped()
    {
        std::lock_guard lock(m_mutex);
        return m_terminated;
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        while (!m_stop) {
            tick();
            m_wake.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_stop; });
        }
    }

    void tick()
    {
        if (!m_process.isRunning())
            return;
        const auto now = Clock::now();
        if (!m_terminated) {
            const double elapsed = std::chrono::duration<double>(now - m_start).count();
            if ((m_isCancelled && m_isCancelled()) || elapsed >= m_timeout) {
                m_terminated = true;
                m_terminatedAt = now;
                m_process.terminate();
            }
        } else if (now - m_terminatedAt >= std::chrono::seconds(2)) {
            m_process.kill();
        }
    }

    ChildProcess& m_process;
    double m_timeout;
    CancelCheck m_isCancelled;
    Clock::time_point m_start;
    bool m_terminated = false;
    Clock::time_point m_terminatedAt;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread; // last: starts once everything above is set up
};

std::optional<double> parseNumber(const QJsonValue& value)
{
    if (value.isDouble())
        return value.toDouble();
    if (value.isString()) {
        bool ok = false;
        const double x = value.toString().toDouble(&ok);
        if (ok && std::isfinite(x))
            return x;
    }
    return std::nullopt;
}
} // namespace

std::optional<QJsonObject> MediaProbe::json(const QStringList& arguments, double timeout,
                                            const CancelCheck& isCancelled, const std::optional<QString>& program)
{
    const QString ffprobe = program.value_or(FFmpegLocator::path(QStringLiteral("ffprobe")));
    if (ffprobe.isEmpty())
        return std::nullopt;
    ChildProcess process;
    const QStringList args = QStringList{"-v", "quiet", "-print_format", "json"} + arguments;
    if (!process.start(ffprobe, args, ChildProcess::Output::pipe, ChildProcess::Output::discard).isEmpty())
        return std::nullopt;
    QByteArray data;
    ChildProcess::Exit exit;
    bool stopped = false;
    {
        Watchdog watchdog(process, timeout, isCancelled);
        data = ChildProcess::readAll(process.stdoutFd());
        exit = process.waitForExit();
        stopped = watchdog.stopped();
    }
    if (stopped || !exit.success())
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

MediaInfo MediaProbe::parse(const QJsonObject& root)
{
    MediaInfo info;
    double duration = 0;
    const auto candidate = [&duration](const QJsonValue& v) {
        if (const auto d = parseNumber(v); d && *d > duration)
            duration = *d;
    };
    for (const QJsonValue& value : root.value(u"streams").toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(u"codec_type").toString();
        const bool attachedPic = stream.value(u"disposition").toObject().value(u"attached_pic").toInt() == 1;
        if (type == u"audio") {
            info.hasAudio = true;
        } else if (type == u"video" && !attachedPic && !info.hasVideo) {
            info.hasVideo = true;
            info.width = stream.value(u"width").toInt();
            info.height = stream.value(u"height").toInt();
            for (const QJsonValue& sd : stream.value(u"side_data_list").toArray()) {
                const auto rotation = parseNumber(sd.toObject().value(u"rotation"));
                if (!rotation)
                    continue;
                const double quarters = *rotation / 90.0;
                const double whole = std::round(quarters);
                if (std::abs(quarters - whole) < 0.001 && std::fmod(std::abs(whole), 2.0) == 1.0)
                    std::swap(info.width, info.height);
                break;
            }
            candidate(stream.value(u"duration"));
        }
    }
    const QJsonObject format = root.value(u"format").toObject();
    info.formatName = format.value(u"format_name").toString();
    candidate(format.value(u"duration"));
    info.duration = duration;
    return info;
}

std::optional<MediaInfo> MediaProbe::probe(const QString& path, double timeout, const CancelCheck& isCancelled,
                                           const std::optional<QString>& ffprobe)
{
    // ffprobe on a FIFO or a device would wait or read until the time limit; an empty file is no media either.
    if (MediaFileCheck::check(path))
        return std::nullopt;
    // An absolute path keeps names such as "-x.mp4" or "concat:a.mp4" from being read as options or protocols.
    const auto root =
        json({"-show_format", "-show_streams", QFileInfo(path).absoluteFilePath()}, timeout, isCancelled, ffprobe);
    if (!root)
        return std::nullopt;
    return parse(*root);
}

QString MediaProbe::intervalStart(double seconds)
{
    // Shortest round-trip form, then make sure a fractional part is present.
    QString s = QString::number(seconds, 'f', QLocale::FloatingPointShortest);
    if (!s.contains(u'.'))
        s += QStringLiteral(".0");
    return s;
}

std::optional<double> MediaProbe::lastVideoFrameTime(const QString& path, double duration,
                                                     const CancelCheck& isCancelled,
                                                     const std::optional<QString>& ffprobe)
{
    if (MediaFileCheck::check(path))
        return std::nullopt;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const double starts[2] = {std::max(duration - 10.0, 0.0), 0.0};
    for (int attempt = 0; attempt < 2; ++attempt) {
        const double s = starts[attempt];
        const auto root =
            json({"-select_streams", "V:0", "-read_intervals", intervalStart(s) + u'%', "-show_frames", "-show_format",
                  "-show_entries", "frame=best_effort_timestamp_time:format=start_time", absolute},
                 defaultTimeout, isCancelled, ffprobe);
        if (!root)
            return std::nullopt;
        std::optional<double> latest;
        for (const QJsonValue& frame : root->value(u"frames").toArray()) {
            if (const auto t = parseNumber(frame.toObject().value(u"best_effort_timestamp_time")))
                latest = latest ? std::max(*latest, *t) : *t;
        }
        const double base = parseNumber(root->value(u"format").toObject().value(u"start_time")).value_or(0.0);
        if (latest)
            return std::max(*latest - base, 0.0);
        if (s == 0.0 || attempt == 1)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace karvo
