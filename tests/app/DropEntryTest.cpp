// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropEntry.h"

#include "BackgroundPool.h"
#include "DropAlerts.h"
#include "EventLoop.h"
#include "MediaProbe.h"
#include "TestMedia.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThreadPool>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

using namespace karvo;

namespace {

// Alerts collected instead of shown, with the merge window closed by hand.
class AlertRecorder {
public:
    AlertRecorder()
    {
        DropAlerts::setScheduler([this](int delayMs, std::function<void()> flush) {
            delays << delayMs;
            m_flush = std::move(flush);
        });
        DropAlerts::setDisplay([this](const DropAlerts::Alert& alert) { shown << alert; });
    }
    ~AlertRecorder()
    {
        DropAlerts::setScheduler({});
        DropAlerts::setDisplay({});
    }
    // The merge window has passed.
    void elapse()
    {
        if (auto flush = std::exchange(m_flush, {}))
            flush();
    }
    bool windowOpen() const { return static_cast<bool>(m_flush); }

    QList<int> delays;
    QList<DropAlerts::Alert> shown;

private:
    std::function<void()> m_flush;
};

// A probe that holds video files until released, so images demonstrably need no probe.
class GatedProbe {
public:
    std::optional<MediaInfo> operator()(const QString& path)
    {
        std::unique_lock lock(m_lock);
        m_wake.wait(lock, [this] { return m_open; });
        return MediaProbe::probe(path);
    }
    void open()
    {
        std::lock_guard lock(m_lock);
        m_open = true;
        m_wake.notify_all();
    }

private:
    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_open = false;
};

struct Recorded {
    QStringList enqueued;
    QList<DropEnqueue> enqueues;
    QList<ToolRequest> requests;
    QList<DropError> errors;

    DropEntry::Sink sink()
    {
        return {[this](const DropError& e) { errors << e; },
                [this](const DropEnqueue& e) {
                    enqueued << QFileInfo(e.path).fileName();
                    enqueues << e;
                },
                [this](const ToolRequest& r) {
                    requests << r;
                }};
    }
};

QString image(const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name);
    EXPECT_TRUE(
        test::TestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=64x48:duration=0.1", "-frames:v", "1", path}));
    return path;
}

} // namespace

TEST(DropAlerts, ABurstBecomesOneAlertWithABulletPerFile)
{
    AlertRecorder alerts;
    DropAlerts::present("Cannot convert a.mp4", "No video stream.");
    DropAlerts::present("Cannot convert b.mp4", "Unreadable.");
    EXPECT_TRUE(alerts.windowOpen());
    DropAlerts::present("Cannot convert c.mp4", "Empty file.");
    EXPECT_EQ(alerts.delays, QList<int>{300}); // one window for the three
    EXPECT_TRUE(alerts.shown.isEmpty());
    alerts.elapse();
    ASSERT_EQ(alerts.shown.size(), 1);
    EXPECT_EQ(alerts.shown[0].text, QStringLiteral("3 files couldn't be processed"));
    EXPECT_EQ(alerts.shown[0].informativeText, QStringLiteral("• Cannot convert a.mp4: No video stream.\n"
                                                              "• Cannot convert b.mp4: Unreadable.\n"
                                                              "• Cannot convert c.mp4: Empty file."));

    // After a flush, the next error opens a window of its own and shows as it came.
    DropAlerts::present("Unsupported file", "Karvo handles video, audio, and images.");
    EXPECT_EQ(alerts.delays.size(), 2);
    alerts.elapse();
    ASSERT_EQ(alerts.shown.size(), 2);
    EXPECT_EQ(alerts.shown[1], (DropAlerts::Alert{"Unsupported file", "Karvo handles video, audio, and images."}));
}

TEST(DropAlerts, CallsFromOtherThreadsJoinOnTheMainThread)
{
    AlertRecorder alerts;
    std::thread([] { DropAlerts::present("From a worker", "It arrives."); }).join();
    EXPECT_FALSE(alerts.windowOpen()); // not yet: it travels through the event loop
    test::waitFor([&] { return alerts.windowOpen(); }, 5000);
    alerts.elapse();
    ASSERT_EQ(alerts.shown.size(), 1);
    EXPECT_EQ(alerts.shown[0].text, QStringLiteral("From a worker"));
}

TEST(DropEntry, ImagesComeFirstWhateverTheVideosProbeTakes)
{
    QTemporaryDir dir;
    const QString video = test::TestMedia::clip(1.0);
    const QString first = image(dir.path(), "first.png");
    const QString second = image(dir.path(), "second.png");
    auto gate = std::make_shared<GatedProbe>();
    DropEntry entry([gate](const QString& path) { return (*gate)(path); });
    Recorded recorded;
    entry.setSink(recorded.sink());

    entry.routeDrop({video, first, second}, RadialAction::tool(ToolAction::removeMeta));
    // The video's probe is held; the images are already queued.
    EXPECT_EQ(recorded.enqueued, (QStringList{"first.png", "second.png"}));
    EXPECT_EQ(entry.inFlight(), 1);
    gate->open();
    test::waitFor([&] { return entry.inFlight() == 0; }, 60000);
    EXPECT_EQ(recorded.enqueued, (QStringList{"first.png", "second.png", QFileInfo(video).fileName()}));
    ASSERT_EQ(recorded.enqueues.size(), 3);
    EXPECT_TRUE(recorded.enqueues[2].info.has_value()); // the probe's result travels with the task
    EXPECT_TRUE(recorded.errors.isEmpty());
}

// Qt's raster painting hands parts of large fills to Qt's global thread pool and waits for them: probes must
// run elsewhere, or two slow ones would stop the window's painting until they ended.
TEST(DropEntry, ProbesRunOffQtsGlobalThreadPool)
{
    QThreadPool& qtPool = *QThreadPool::globalInstance();
    {
        auto gate = std::make_shared<GatedProbe>();
        DropEntry entry([gate](const QString& path) { return (*gate)(path); });
        Recorded recorded;
        entry.setSink(recorded.sink());
        entry.routeDrop({test::TestMedia::clip(1.0), test::TestMedia::silentVideo()},
                        RadialAction::format(OutputFormat::mkv));
        ASSERT_TRUE(test::waitFor([&] { return BackgroundPool::shared().activeThreadCount() == 2; }, 10000));
        EXPECT_EQ(qtPool.activeThreadCount(), 0);
        gate->open();
        ASSERT_TRUE(test::waitFor([&] { return entry.inFlight() == 0; }, 60000));
        EXPECT_EQ(recorded.enqueues.size(), 2);
    }
    // And the other way round: with every thread of Qt's pool taken, a drop is still planned.
    GatedProbe held;
    for (int i = 0; i < qtPool.maxThreadCount(); ++i)
        qtPool.start([&held] { held(QString()); });
    DropEntry entry;
    Recorded recorded;
    entry.setSink(recorded.sink());
    entry.routeDrop({test::TestMedia::clip(1.0)}, RadialAction::format(OutputFormat::mkv));
    const bool planned = test::waitFor([&] { return entry.inFlight() == 0; }, 60000);
    held.open();
    qtPool.waitForDone();
    EXPECT_TRUE(planned);
    EXPECT_EQ(recorded.enqueues.size(), 1);
}

TEST(DropEntry, ABatchToolIsPlannedOnceForAllItsFiles)
{
    const QString a = test::TestMedia::clip(1.0);
    const QString b = test::TestMedia::silentVideo();
    DropEntry entry;
    Recorded recorded;
    entry.setSink(recorded.sink());
    entry.routeDrop({a, b}, RadialAction::tool(ToolAction::trim));
    test::waitFor([&] { return entry.inFlight() == 0; }, 60000);
    ASSERT_EQ(recorded.requests.size(), 1);
    EXPECT_EQ(recorded.requests[0].kind, ToolKind::trim);
    ASSERT_EQ(recorded.requests[0].files.size(), 2);
    EXPECT_EQ(recorded.requests[0].files[0].path, a);
    EXPECT_TRUE(recorded.requests[0].files[1].info.has_value());
    EXPECT_TRUE(recorded.enqueues.isEmpty());
}

TEST(DropEntry, OnlyUnsupportedFilesGiveOneAlertAndNoProbe)
{
    QTemporaryDir dir;
    bool probed = false;
    DropEntry entry([&probed](const QString&) {
        probed = true;
        return std::optional<MediaInfo>();
    });
    Recorded recorded;
    entry.setSink(recorded.sink());
    entry.routeDrop({dir.path(), dir.filePath("notes.txt")}, RadialAction::format(OutputFormat::mp4));
    ASSERT_EQ(recorded.errors.size(), 1);
    EXPECT_EQ(recorded.errors[0].title, QStringLiteral("Unsupported file"));
    EXPECT_EQ(recorded.errors[0].message,
              QStringLiteral("Karvo handles video, audio, and images. Other files are skipped."));
    EXPECT_FALSE(probed);
    EXPECT_EQ(entry.inFlight(), 0);
}

TEST(DropEntry, RoutingErrorsOfADropMergeIntoOneAlert)
{
    AlertRecorder alerts;
    QTemporaryDir dir;
    QStringList broken;
    for (const char* name : {"a.mp4", "b.mov", "c.mkv"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is not a video");
        broken << file.fileName();
    }
    DropEntry entry;
    entry.routeDrop(broken, RadialAction::format(OutputFormat::gif));
    test::waitFor([&] { return entry.inFlight() == 0; }, 60000);
    alerts.elapse();
    ASSERT_EQ(alerts.shown.size(), 1);
    EXPECT_EQ(alerts.shown[0].text, QStringLiteral("3 files couldn't be processed"));
    EXPECT_EQ(alerts.shown[0].informativeText.count(QStringLiteral("• ")), 3);
}
