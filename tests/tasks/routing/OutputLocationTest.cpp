// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputLocation.h"

#include "OutputNaming.h"
#include "Printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karvo;

namespace {

class OutputNames : public ::testing::Test {
protected:
    void touch(const QStringList& names)
    {
        for (const QString& name : names) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
        }
    }
    QString at(const QString& name) const { return QDir::cleanPath(dir.filePath(name)); }

    QTemporaryDir dir;
};

TEST_F(OutputNames, UniqueFileCountsUpFromTwo)
{
    struct Row {
        QStringList existing;
        QString name;
        QString expected;
    };
    const Row rows[] = {
        {{}, "a.mp4", "a.mp4"},
        {{"a.mp4", "a 2.mp4"}, "a.mp4", "a 3.mp4"},
        {{"a.mp4", "a 3.mp4"}, "a.mp4", "a 2.mp4"},
        {{"README"}, "README", "README 2"},
        {{"a.tar.gz"}, "a.tar.gz", "a.tar 2.gz"},
        {{".hidden"}, ".hidden", ".hidden 2"},
        {{"Čaj.mov"}, "Čaj.mov", "Čaj 2.mov"},
    };
    for (const Row& r : rows) {
        QTemporaryDir folder;
        for (const QString& name : r.existing) {
            QFile f(QDir(folder.path()).filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(OutputLocation::uniqueFile(folder.path(), r.name), QDir(folder.path()).filePath(r.expected))
            << r.name.toStdString();
    }
}

TEST_F(OutputNames, DanglingLinkCountsAsTaken)
{
    ASSERT_TRUE(QFile::link(dir.filePath("gone.mp4"), dir.filePath("a.mp4")));
    EXPECT_EQ(OutputLocation::uniqueFile(dir.path(), "a.mp4"), dir.filePath("a 2.mp4"));
    EXPECT_EQ(karvo::OutputNaming::plannedOutput(dir.filePath("a.mov"), ConversionOp::convert(OutputFormat::mp4), {}),
              at("a 2.mp4"));
}

TEST_F(OutputNames, PlannedOutputBesideTheSource)
{
    touch({"taken.jpg", "taken 2.jpg", "clip Trimmed.mp4"});
    const std::tuple<QString, ConversionOp, QString> rows[] = {
        {"clip.mp4", ConversionOp::convert(OutputFormat::mp4), "clip Converted.mp4"},
        {"clip.MP4", ConversionOp::convert(OutputFormat::mp4), "clip Converted.mp4"},
        {"clip.mov", ConversionOp::convert(OutputFormat::mp4), "clip.mp4"},
        {"clip.mov", ConversionOp::convert(OutputFormat::mov), "clip Converted.mov"},
        {"song.wav", ConversionOp::convert(OutputFormat::mp3), "song.mp3"},
        {"a.png", ConversionOp::convertImage(ImageFormat::png), "a Converted.png"},
        {"a.png", ConversionOp::convertImage(ImageFormat::jpeg), "a.jpg"},
        {"a.jpg", ConversionOp::convertImage(ImageFormat::jpeg), "a Converted.jpg"},
        {"taken.png", ConversionOp::convertImage(ImageFormat::jpeg), "taken 3.jpg"},
        {"clip.mov", ConversionOp::trim(1, 2), "clip Trimmed 2.mp4"},
        {"clip.mp4", ConversionOp::compress(23), "clip Compressed.mp4"},
        {"my.holiday.clip.mov", ConversionOp::crop(0, 0, 2, 2), "my.holiday.clip Cropped.mp4"},
        {"a.png", ConversionOp::removeMetadata(), "a NoMeta.png"},
        {"song.mp3", ConversionOp::removeMetadata(), "song NoMeta.mp3"},
        {"a.png", ConversionOp::compressImage(0.7), "a Compressed.jpg"},
        {"clip.mov", ConversionOp::snapshot(1), "clip Snapshot.png"},
        {"clip.mkv", ConversionOp::mute(), "clip Muted.mkv"},
        {"photo.heic", ConversionOp::removeBackground(), "photo NoBg.png"},
    };
    for (const auto& [input, op, expected] : rows)
        EXPECT_EQ(karvo::OutputNaming::plannedOutput(dir.filePath(input), op, {}), at(expected))
            << input.toStdString() << " " << op.describe().toStdString();
}

TEST_F(OutputNames, JpegBesideAnExistingJpeg)
{
    touch({"a.png"});
    const QString input = dir.filePath("a.png");
    EXPECT_EQ(karvo::OutputNaming::plannedOutput(input, ConversionOp::convertImage(ImageFormat::jpeg), {}),
              at("a.jpg"));
    touch({"a.jpg"});
    EXPECT_EQ(karvo::OutputNaming::plannedOutput(input, ConversionOp::convertImage(ImageFormat::jpeg), {}),
              at("a 2.jpg"));
}

TEST_F(OutputNames, ReservedNamesAreSkippedLikeFilesOnDisk)
{
    QStringList reserved;
    const auto isReserved = [&reserved](const QString& path) {
        return reserved.contains(path);
    };
    const QString input = dir.filePath("clip.mov");
    for (const char* expected : {"clip Trimmed.mp4", "clip Trimmed 2.mp4", "clip Trimmed 3.mp4"}) {
        const QString out = karvo::OutputNaming::plannedOutput(input, ConversionOp::trim(0, 1), {}, isReserved);
        EXPECT_EQ(out, at(expected));
        reserved << out;
    }
    touch({"clip Trimmed 4.mp4"});
    EXPECT_EQ(karvo::OutputNaming::plannedOutput(input, ConversionOp::trim(0, 1), {}, isReserved),
              at("clip Trimmed 5.mp4"));
}

TEST_F(OutputNames, CustomFolderAndSplit)
{
    QTemporaryDir other;
    const QString input = dir.filePath("clip.mov");
    EXPECT_EQ(karvo::OutputNaming::plannedOutput(input, ConversionOp::speed(2), other.path()),
              QDir::cleanPath(QDir(other.path()).filePath("clip Speed.mp4")));
    // Split writes a folder of parts: the planned output is the folder itself.
    EXPECT_EQ(karvo::OutputNaming::plannedOutput(input, ConversionOp::split(10), {}), QDir::cleanPath(dir.path()));
    EXPECT_EQ(karvo::OutputNaming::plannedOutput(input, ConversionOp::split(10), other.path() + "/"),
              QDir::cleanPath(other.path()));
}

TEST_F(OutputNames, NameTakenAtPublishCountsOnFromTheRuleNotFromTheSourceName)
{
    QStringList reserved;
    const auto isReserved = [&reserved](const QString& path) {
        return reserved.contains(path);
    };
    struct Case {
        const char* input;
        ConversionOp op;
        QStringList onDisk;
        const char* expected;
    };
    const QList<Case> cases{
        // A number that belongs to the source's name is not a counter.
        {"Track 01.wav", ConversionOp::convert(OutputFormat::mp3), {"Track 01.mp3"}, "Track 01 2.mp3"},
        {"Holiday 2024.wav", ConversionOp::convert(OutputFormat::mp3), {"Holiday 2024.mp3"}, "Holiday 2024 2.mp3"},
        {"clip.mov", ConversionOp::trim(0, 1), {"clip Trimmed.mp4", "clip Trimmed 2.mp4"}, "clip Trimmed 3.mp4"},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        for (const QString& name : c.onDisk) {
            QFile f(QDir(folder.path()).filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        const QString input = QDir(folder.path()).filePath(c.input);
        const QString taken = QDir(folder.path()).filePath(c.onDisk.first());
        EXPECT_EQ(karvo::OutputNaming::nextFree(input, c.op, taken),
                  QDir::cleanPath(QDir(folder.path()).filePath(c.expected)))
            << c.input;
    }
    // A name a queued task holds is skipped too.
    touch({"Track 01.mp3"});
    reserved << at("Track 01 2.mp3");
    EXPECT_EQ(karvo::OutputNaming::nextFree(dir.filePath("Track 01.wav"), ConversionOp::convert(OutputFormat::mp3),
                                            at("Track 01.mp3"), isReserved),
              at("Track 01 3.mp3"));
}

TEST_F(OutputNames, LongNamesAreShortenedToFitTheFileSystem)
{
    const auto bytes = [](const QString& path) {
        return QFileInfo(path).fileName().toUtf8().size();
    };
    // 246 bytes of ASCII, and a name of multi-byte characters with a combining accent at the cut.
    const QString ascii = QString(246, u'a') + ".mov";
    QString accented;
    while (accented.toUtf8().size() < 250)
        accented += QStringLiteral("e\u0301\u732b");
    for (const QString& name : {ascii, accented + ".mov"}) {
        const QString input = dir.filePath(name);
        const QString first = karvo::OutputNaming::plannedOutput(input, ConversionOp::trim(0, 1), {});
        EXPECT_LE(bytes(first), 255);
        EXPECT_TRUE(first.endsWith(" Trimmed.mp4"));
        // The shortened name round-trips: no half character, no dangling combining mark.
        const QString stem = QFileInfo(first).fileName().chopped(QStringLiteral(" Trimmed.mp4").size());
        EXPECT_TRUE(QFileInfo(input).completeBaseName().startsWith(stem));
        EXPECT_FALSE(stem.endsWith(u'e')) << "cut between a letter and its accent";
        QFile f(first);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << first.toStdString();
        f.close();
        const QString second = karvo::OutputNaming::plannedOutput(input, ConversionOp::trim(0, 1), {});
        EXPECT_LE(bytes(second), 255);
        EXPECT_TRUE(second.endsWith(" Trimmed 2.mp4")) << second.toStdString();
        QFile g(second);
        ASSERT_TRUE(g.open(QIODevice::WriteOnly)) << second.toStdString();
        // The shifting on of uniqueFile for relocated outputs keeps within the limit too.
        EXPECT_LE(bytes(OutputLocation::uniqueFile(dir.path(), QFileInfo(second).fileName())), 255);
    }
    // Short names are left exactly as they are.
    EXPECT_EQ(karvo::OutputNaming::plannedOutput(dir.filePath("b.mov"), ConversionOp::trim(0, 1), {}),
              at("b Trimmed.mp4"));
}

} // namespace
