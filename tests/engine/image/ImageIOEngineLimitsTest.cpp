// SPDX-License-Identifier: GPL-3.0-or-later
// Large pictures, cancelling the HEIF encoder, and the reasons a file cannot be written.
#include "FFmpegLocator.h"
#include "ImageFixtures.h"
#include "ImageIOEngine.h"
#include "JpegMetadataFilter.h"
#include "StagedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace karvo {
inline void PrintTo(const ImageIOError& e, std::ostream* os)
{
    *os << "{failure " << static_cast<int>(e.failure) << ", errno " << e.systemError << ", pixel limit " << e.pixelLimit
        << ", \"" << e.detail.toStdString() << "\"}";
}
} // namespace karvo

using namespace karvo;
using namespace karvo::test;

namespace {

std::optional<ImageIOFailure> failureOf(const std::optional<ImageIOError>& error)
{
    return error ? std::optional(error->failure) : std::nullopt;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The processes named `name` that this process started and has not reaped.
int childrenNamed(const QByteArray& name)
{
    int count = 0;
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(QStringLiteral("/proc/self/task/%1/children").arg(task));
        if (!children.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& pid : children.readAll().split(' ')) {
            QFile comm(QStringLiteral("/proc/%1/comm").arg(QString::fromLatin1(pid.trimmed())));
            if (!pid.trimmed().isEmpty() && comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == name)
                ++count;
        }
    }
    return count;
}

// A small file system: a real tmpfs where this user may mount one (as root), which then fills up for real.
// Elsewhere a full disk cannot be had, and staged writes go to /dev/full instead, which refuses every byte
// with ENOSPC.
class SmallFileSystem {
public:
    SmallFileSystem()
    {
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=1m") == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
        StagedFile::setWriteDeviceForTesting({});
    }
    bool mounted() const { return m_mounted; }
    // Every write into the folder runs out of space.
    void fill() const
    {
        if (!m_mounted)
            StagedFile::setWriteDeviceForTesting(QStringLiteral("/dev/full"));
    }
    QString path(const QString& name) const { return m_dir.path() + u'/' + name; }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

class ImageIOEngineLimits : public ::testing::Test {
protected:
    QString out(const QString& name) const { return m_dir.path() + u'/' + name; }
    QTemporaryDir m_dir;
};

TEST_F(ImageIOEngineLimits, HeicOverThePixelLimitIsRefusedBeforeAnyWork)
{
    ASSERT_TRUE(ImageIOEngine::canWrite(ImageFormat::heic));
    const auto error = ImageIOEngine::write(ImageFixtures::overHeicLimit(), out("big.heic"),
                                            {ImageFormat::heic, 0.9, std::nullopt, 0, false}, {});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->failure, ImageIOFailure::writeFailed);
    EXPECT_EQ(error->format, ImageFormat::heic);
    EXPECT_EQ(error->pixelLimit, ImageIOEngine::heicMaxPixels);
    EXPECT_EQ(error->systemError, 0);
    EXPECT_EQ(entries(m_dir.path()), QStringList{});
    // Other formats take the same picture.
    EXPECT_EQ(ImageIOEngine::write(ImageFixtures::overHeicLimit(), out("big.jpg"),
                                   {ImageFormat::jpeg, 0.5, std::nullopt, 0, false}, {}),
              std::nullopt);
}

TEST_F(ImageIOEngineLimits, CancellingAHeicEncodeKillsTheEncoder)
{
    ASSERT_EQ(childrenNamed("vips"), 0);
    // Cancelled as soon as the encoder process is seen running: only killing it can stop it in time.
    std::atomic<bool> seen{false};
    const CancelCheck cancel = [&] {
        if (childrenNamed("vips") > 0)
            seen = true;
        return seen.load();
    };
    const auto error = ImageIOEngine::write(ImageFixtures::photo4000(), out("c.heic"),
                                            {ImageFormat::heic, 0.9, std::nullopt, 0, false}, cancel);
    EXPECT_TRUE(seen.load()) << "the encoder never ran in a process of its own";
    EXPECT_EQ(failureOf(error), ImageIOFailure::cancelled);
    EXPECT_EQ(childrenNamed("vips"), 0) << "the encoder outlived the cancellation";
    EXPECT_EQ(entries(m_dir.path()), QStringList{});
}

TEST_F(ImageIOEngineLimits, HeicNeedsTheEncoderTool)
{
    QTemporaryDir empty;
    FFmpegLocator::setTestFolders({empty.path()}, true);
    const bool canWrite = ImageIOEngine::canWrite(ImageFormat::heic);
    const auto error = ImageIOEngine::write(ImageFixtures::quadrants(), out("q.heic"),
                                            {ImageFormat::heic, 0.9, std::nullopt, 0, false}, {});
    FFmpegLocator::setTestFolders({});
    EXPECT_FALSE(canWrite);
    EXPECT_EQ(failureOf(error), ImageIOFailure::cannotWrite);
    EXPECT_TRUE(ImageIOEngine::canWrite(ImageFormat::heic));
}

TEST_F(ImageIOEngineLimits, LargePicturesTurnThroughAScratchFile)
{
    const QString input = ImageFixtures::largeQuadrants();
    // +90 is a quarter turn counter-clockwise: the top-right corner (green) comes to the top-left.
    ASSERT_EQ(ImageIOEngine::write(input, out("t.jpg"), {ImageFormat::jpeg, 0.8, std::nullopt, 90, false}, {}),
              std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("t.jpg")), QSize(6000, 8000));
    EXPECT_TRUE(ImageFixtures::isGreen(ImageFixtures::pixel(out("t.jpg"), 100, 100)));
    EXPECT_TRUE(ImageFixtures::isRed(ImageFixtures::pixel(out("t.jpg"), 100, 7900)));
    EXPECT_EQ(entries(m_dir.path()), QStringList{"t.jpg"}) << "the scratch file stayed";

    // Cancelled while the scratch file is written, and while it is read back.
    for (int allowed : {3, 60}) {
        std::atomic<int> asked{0};
        const CancelCheck cancel = [&] {
            return asked.fetch_add(1) >= allowed;
        };
        const auto error =
            ImageIOEngine::write(input, out("c.jpg"), {ImageFormat::jpeg, 0.8, std::nullopt, 270, false}, cancel);
        EXPECT_EQ(failureOf(error), ImageIOFailure::cancelled) << "after " << allowed << " checks";
        EXPECT_EQ(entries(m_dir.path()), QStringList{"t.jpg"}) << "after " << allowed << " checks";
    }
}

// The data segment (RLIMIT_DATA) is limited rather than the address space: glibc reserves address space for
// every thread's arena, which depends on the machine's cores, while the data limit counts what is used.
TEST(ImageIOEngineMemoryDeathTest, TurningALargePictureStaysWithinAMemoryLimit)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QString input = ImageFixtures::largeQuadrants();
    const QString small = ImageFixtures::quadrants();
    QTemporaryDir dir;
    const auto dataBytes = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return qint64(0);
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmData:"))
                return line.mid(7).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
        return qint64(0);
    };
    const auto turnWithinLimit = [&] {
        // libvips' threads and buffers come first, so that the limit counts only the large picture's work.
        const ImageWriteParameters turn{ImageFormat::jpeg, 0.8, std::nullopt, 90, false};
        const bool warm = !ImageIOEngine::write(small, dir.filePath("warm.jpg"), turn, {});
        // The 144 MB picture turned in memory would not fit in the 100 MB granted on top.
        const rlim_t limit = static_cast<rlim_t>(dataBytes() + 100LL * 1024 * 1024);
        const rlimit data{limit, limit};
        const bool limited = ::setrlimit(RLIMIT_DATA, &data) == 0;
        const bool turned = !ImageIOEngine::write(input, dir.filePath("t.jpg"), turn, {});
        std::_Exit(warm && limited && turned ? 0 : 1);
    };
    EXPECT_EXIT(turnWithinLimit(), ::testing::ExitedWithCode(0), "");
}

TEST(ImageIOEngineFileSystem, AFullDiskSaysNoSpace)
{
    SmallFileSystem disk;
    disk.fill();
    if (disk.mounted())
        std::cout << "on a 1 MB tmpfs\n";
    else
        std::cout << "tmpfs not permitted: writes go to /dev/full\n";
    // More than 1 MB in every format; without the tmpfs any output fills the disk, and a small one is quick.
    const QString input = disk.mounted() ? ImageFixtures::photo4000() : ImageFixtures::quadrants();
    const ImageWriteParameters cases[] = {
        {ImageFormat::png, std::nullopt, std::nullopt, 0, false},
        {ImageFormat::jpeg, 0.95, std::nullopt, 0, false},
        {ImageFormat::jpeg, 0.95, std::nullopt, 0, true}, // through the metadata filter
        {ImageFormat::heic, 0.9, std::nullopt, 0, false}, // a scratch file, then the encoder's output
    };
    for (const ImageWriteParameters& params : cases) {
        SCOPED_TRACE(rawValue(params.format).toStdString() + (params.stripMetadata ? " stripped" : ""));
        const auto error = ImageIOEngine::write(input, disk.path("full"), params, {});
        ASSERT_TRUE(error);
        EXPECT_EQ(error->failure, ImageIOFailure::writeFailed);
        EXPECT_EQ(error->systemError, ENOSPC) << error->detail.toStdString();
        EXPECT_EQ(entries(disk.folder()), QStringList{});
    }
}

TEST_F(ImageIOEngineLimits, DestinationProblemsCarryTheirReason)
{
    const ImageWriteParameters png{ImageFormat::png, std::nullopt, std::nullopt, 0, false};
    // A name as long as the file system takes is written, whatever private name it is staged under.
    const QString longest = QString(251, u'a') + QStringLiteral(".png");
    EXPECT_EQ(ImageIOEngine::write(ImageFixtures::quadrants(), out(longest), png, {}), std::nullopt);
    EXPECT_TRUE(QFileInfo::exists(out(longest)));

    const auto tooLong = ImageIOEngine::write(ImageFixtures::quadrants(), out(u'b' + longest), png, {});
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(tooLong->failure, ImageIOFailure::writeFailed);
    EXPECT_EQ(tooLong->systemError, ENAMETOOLONG);

    const auto missing = ImageIOEngine::write(ImageFixtures::quadrants(), out("no/such/folder/x.png"), png, {});
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->systemError, ENOENT);

    // An existing file is never replaced, and says so.
    const auto taken = ImageIOEngine::write(ImageFixtures::quadrants(), out(longest), png, {});
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->failure, ImageIOFailure::writeFailed);
    EXPECT_EQ(taken->systemError, EEXIST);
    EXPECT_EQ(entries(m_dir.path()), QStringList{longest});
}

TEST(JpegMetadataFilterStream, PiecesGiveTheSameFileAsTheWhole)
{
    QFile file(ImageFixtures::taggedWithProfile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray jpeg = file.readAll();
    const auto whole = JpegMetadataFilter::withoutMetadata(jpeg);
    ASSERT_TRUE(whole);
    EXPECT_LT(whole->size(), jpeg.size() - 2000) << "EXIF, XMP and IPTC are gone";
    for (qsizetype piece : {qsizetype(1), qsizetype(7), qsizetype(4096), jpeg.size()}) {
        JpegMetadataFilter filter;
        QByteArray streamed;
        for (qsizetype at = 0; at < jpeg.size(); at += piece) {
            const auto out = filter.feed(jpeg.constData() + at, std::min(piece, jpeg.size() - at));
            ASSERT_TRUE(out) << "piece " << piece << " at " << at;
            streamed += *out;
        }
        EXPECT_TRUE(filter.passing());
        EXPECT_TRUE(streamed == *whole) << "pieces of " << piece;
    }
    // Anything but a JPEG is refused at once; a header that never reaches its scan is held back, never written.
    JpegMetadataFilter png;
    EXPECT_EQ(png.feed("\x89PNG\r\n", 6), std::nullopt);
    JpegMetadataFilter cut;
    const auto head = cut.feed(jpeg.constData(), 200);
    ASSERT_TRUE(head);
    EXPECT_TRUE(head->isEmpty());
    EXPECT_FALSE(cut.passing());
}

} // namespace
