// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewSource.h"

#include "BackgroundPool.h"
#include "EventLoop.h"
#include "PreviewWorker.h"
#include "TestMedia.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <future>
#include <gtest/gtest.h>

using namespace karvo;
namespace TestMedia = karvo::test::TestMedia;

namespace {

PreviewSource parse(const char* json)
{
    return PreviewSource::parse(QJsonDocument::fromJson(json).object());
}

} // namespace

TEST(PreviewSource, DisplayMatrixRotationBecomesAClockwiseQuarterTurn)
{
    // ffprobe prints the matrix's angle counter-clockwise: -90 is a phone held upright, turned clockwise.
    EXPECT_EQ(PreviewSource::clockwiseFromDisplayMatrix(-90), 90);
    EXPECT_EQ(PreviewSource::clockwiseFromDisplayMatrix(90), 270);
    EXPECT_EQ(PreviewSource::clockwiseFromDisplayMatrix(180), 180);
    EXPECT_EQ(PreviewSource::clockwiseFromDisplayMatrix(-180), 180);
    EXPECT_EQ(PreviewSource::clockwiseFromDisplayMatrix(270), 90);
    EXPECT_EQ(PreviewSource::clockwiseFromDisplayMatrix(0), 0);
    EXPECT_EQ(PreviewSource::clockwiseFromDisplayMatrix(89.9), 270);
}

TEST(PreviewSource, ReadsTheFirstRealVideoStream)
{
    const PreviewSource source = parse(R"({
        "streams": [
            {"codec_type": "video", "width": 300, "height": 300, "disposition": {"attached_pic": 1}},
            {"codec_type": "audio", "duration": "9.5"},
            {"codec_type": "video", "width": 1920, "height": 1080, "duration": "8.0",
             "side_data_list": [{"side_data_type": "Display Matrix", "rotation": -90}]},
            {"codec_type": "video", "width": 640, "height": 480,
             "side_data_list": [{"rotation": 180}]}
        ],
        "format": {"duration": "8.25", "start_time": "1.400000"}})");
    EXPECT_TRUE(source.hasVideo);
    EXPECT_EQ(source.storedSize, QSize(1920, 1080));
    EXPECT_EQ(source.rotation, 90);
    EXPECT_EQ(source.displaySize(), QSize(1080, 1920));
    EXPECT_DOUBLE_EQ(source.duration, 8.25);
    EXPECT_DOUBLE_EQ(source.startTime, 1.4);
}

TEST(PreviewSource, FallsBackToTheRotateTagAndToNothing)
{
    EXPECT_EQ(
        parse(R"({"streams": [{"codec_type": "video", "width": 4, "height": 2, "tags": {"rotate": "90"}}]})").rotation,
        90);
    const PreviewSource plain = parse(R"({"streams": [{"codec_type": "video", "width": 4, "height": 2}]})");
    EXPECT_EQ(plain.rotation, 0);
    EXPECT_EQ(plain.displaySize(), QSize(4, 2));
    EXPECT_DOUBLE_EQ(plain.startTime, 0.0);
    const PreviewSource audio = parse(R"({"streams": [{"codec_type": "audio"}], "format": {"duration": "2"}})");
    EXPECT_FALSE(audio.hasVideo);
    EXPECT_DOUBLE_EQ(audio.duration, 2.0);
}

TEST(PreviewSource, ProbesRealFiles)
{
    const auto rotated = PreviewSource::probe(TestMedia::rotatedClip());
    ASSERT_TRUE(rotated.has_value());
    EXPECT_EQ(rotated->storedSize, QSize(1920, 1080));
    EXPECT_EQ(rotated->rotation, 90);
    EXPECT_EQ(rotated->displaySize(), QSize(1080, 1920));

    const QString ts = TestMedia::cached("preview-source.ts", [](const QString& out) {
        return TestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=1", "-c:v", "libx264",
                                  "-preset", "ultrafast", "-f", "mpegts", out});
    });
    const auto transport = PreviewSource::probe(ts);
    ASSERT_TRUE(transport.has_value());
    EXPECT_GT(transport->startTime, 0.5);
    EXPECT_NEAR(transport->duration, 1.0, 0.05);

    QTemporaryDir dir;
    QFile noise(dir.filePath("noise.mp4"));
    ASSERT_TRUE(noise.open(QIODevice::WriteOnly));
    noise.write(QByteArray(4096, '\x5a'));
    noise.close();
    EXPECT_FALSE(PreviewSource::probe(noise.fileName()).has_value());
    EXPECT_FALSE(PreviewSource::probe(dir.filePath("missing.mp4")).has_value());
}

// Preview decoding runs on Karvo's own threads, never on Qt's global pool, which the painter needs.
TEST(PreviewWorker, WorksOffQtsGlobalThreadPoolAndAnswersOnTheReceiversThread)
{
    QObject receiver;
    PreviewWorker worker(&receiver);
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    QThread* answeredOn = nullptr;
    int lastAnswer = 0;
    std::atomic<bool> started{false};
    worker.submit(0, [&, released]() -> PreviewWorker::Continuation {
        started = true;
        released.wait();
        return [&] {
            answeredOn = QThread::currentThread();
            lastAnswer = 1;
        };
    });
    ASSERT_TRUE(test::waitFor([&] { return started.load(); }, 10000));
    EXPECT_EQ(QThreadPool::globalInstance()->activeThreadCount(), 0);
    EXPECT_EQ(BackgroundPool::shared().activeThreadCount(), 1);
    release.set_value();
    ASSERT_TRUE(test::waitFor([&] { return lastAnswer == 1; }, 10000));
    EXPECT_EQ(answeredOn, receiver.thread());
}
