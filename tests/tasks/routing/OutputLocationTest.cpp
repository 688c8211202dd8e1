// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputLocation.h"

#include "Printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karvo;

namespace {

class OutputNaming : public ::testing::Test {
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

TEST_F(OutputNaming, UniqueFileCountsUpFromTwo)
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

TEST_F(OutputNaming, DanglingLinkCountsAsTaken)
{
    ASSERT_TRUE(QFile::link(dir.filePath("gone.mp4"), dir.filePath("a.mp4")));
    EXPECT_EQ(OutputLocation::uniqueFile(dir.path(), "a.mp4"), dir.filePath("a 2.mp4"));
    EXPECT_EQ(OutputLocation::plannedOutput(dir.filePath("a.mov"), ConversionOp::convert(OutputFormat::mp4), {}),
              at("a 2.mp4"));
}

TEST_F(OutputNaming, PlannedOutputBesideTheSource)
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
        EXPECT_EQ(OutputLocation::plannedOutput(dir.filePath(input), op, {}), at(expected))
            << input.toStdString() << " " << op.describe().toStdString();
}

TEST_F(OutputNaming, JpegBesideAnExistingJpeg)
{
    touch({"a.png"});
    const QString input = dir.filePath("a.png");
    EXPECT_EQ(OutputLocation::plannedOutput(input, ConversionOp::convertImage(ImageFormat::jpeg), {}), at("a.jpg"));
    touch({"a.jpg"});
    EXPECT_EQ(OutputLocation::plannedOutput(input, ConversionOp::convertImage(ImageFormat::jpeg), {}), at("a 2.jpg"));
}

TEST_F(OutputNaming, ReservedNamesAreSkippedLikeFilesOnDisk)
{
    QStringList reserved;
    const auto isReserved = [&reserved](const QString& path) {
        return reserved.contains(path);
    };
    const QString input = dir.filePath("clip.mov");
    for (const char* expected : {"clip Trimmed.mp4", "clip Trimmed 2.mp4", "clip Trimmed 3.mp4"}) {
        const QString out = OutputLocation::plannedOutput(input, ConversionOp::trim(0, 1), {}, isReserved);
        EXPECT_EQ(out, at(expected));
        reserved << out;
    }
    touch({"clip Trimmed 4.mp4"});
    EXPECT_EQ(OutputLocation::plannedOutput(input, ConversionOp::trim(0, 1), {}, isReserved), at("clip Trimmed 5.mp4"));
}

TEST_F(OutputNaming, CustomFolderAndSplit)
{
    QTemporaryDir other;
    const QString input = dir.filePath("clip.mov");
    EXPECT_EQ(OutputLocation::plannedOutput(input, ConversionOp::speed(2), other.path()),
              QDir::cleanPath(QDir(other.path()).filePath("clip Speed.mp4")));
    // Split writes a folder of parts: the planned output is the folder itself.
    EXPECT_EQ(OutputLocation::plannedOutput(input, ConversionOp::split(10), {}), QDir::cleanPath(dir.path()));
    EXPECT_EQ(OutputLocation::plannedOutput(input, ConversionOp::split(10), other.path() + "/"),
              QDir::cleanPath(other.path()));
}

} // namespace
