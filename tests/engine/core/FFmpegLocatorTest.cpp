// SPDX-License-Identifier: GPL-3.0-or-later
#include "FFmpegLocator.h"

#include "Printers.h"
#include "TestMedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karvo;
using karvo::test::writeScript;

namespace {

class FFmpegLocatorTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        FFmpegLocator::setTestFolders({});
        qputenv("PATH", m_path);
    }

    QTemporaryDir first;
    QTemporaryDir second;

private:
    QByteArray m_path = qgetenv("PATH");
};

TEST_F(FFmpegLocatorTest, ExclusiveEmptyFolderMeansNoTools)
{
    FFmpegLocator::setTestFolders({first.path()}, true);
    EXPECT_EQ(FFmpegLocator::path("ffmpeg"), QString());
    EXPECT_EQ(FFmpegLocator::path("ffprobe"), QString());
    EXPECT_EQ(FFmpegLocator::searchOrder("ffmpeg"), QStringList{first.path() + "/ffmpeg"});
}

TEST_F(FFmpegLocatorTest, TestFoldersComeFirstAndTheRealSearchFollows)
{
    const QString fake = writeScript(first.path(), "ffprobe", "exit 0");
    FFmpegLocator::setTestFolders({first.path()});
    EXPECT_EQ(FFmpegLocator::path("ffprobe"), fake);
    // Not in the test folder: found where the system keeps it.
    const QString real = FFmpegLocator::path("ffmpeg");
    EXPECT_FALSE(real.isEmpty());
    EXPECT_NE(real, first.path() + "/ffmpeg");

    FFmpegLocator::setTestFolders({});
    EXPECT_NE(FFmpegLocator::path("ffprobe"), fake);
    EXPECT_FALSE(FFmpegLocator::path("ffprobe").isEmpty());
}

TEST_F(FFmpegLocatorTest, FirstHitWinsAndNonExecutablesAreSkipped)
{
    QTemporaryDir third;
    // A plain file and a folder of the right name do not count.
    QFile plain(first.filePath("ffmpeg"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("#!/bin/sh\nexit 0\n");
    plain.close();
    ASSERT_TRUE(QDir(second.path()).mkdir("ffmpeg"));
    const QString third1 = writeScript(third.path(), "ffmpeg", "exit 0");
    QTemporaryDir fourth;
    writeScript(fourth.path(), "ffmpeg", "exit 0");

    FFmpegLocator::setTestFolders({first.path(), second.path(), third.path(), fourth.path()}, true);
    EXPECT_EQ(FFmpegLocator::path("ffmpeg"), third1);
}

TEST_F(FFmpegLocatorTest, SearchOrderIsHelpersThenSystemFoldersThenPath)
{
    qputenv("PATH", "/opt/one::/opt/two:");
    const QString helpers = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../libexec/karvo");
    EXPECT_EQ(FFmpegLocator::helpersFolder(), helpers);
    EXPECT_EQ(FFmpegLocator::candidates(), (QStringList{"/usr/local/bin", "/usr/bin"}));
    EXPECT_EQ(FFmpegLocator::searchOrder("ffprobe"),
              (QStringList{helpers + "/ffprobe", "/usr/local/bin/ffprobe", "/usr/bin/ffprobe", "/opt/one/ffprobe",
                           "/opt/two/ffprobe"}));

    FFmpegLocator::setTestFolders({first.path()});
    EXPECT_EQ(FFmpegLocator::searchOrder("ffmpeg").first(), first.path() + "/ffmpeg");
    EXPECT_EQ(FFmpegLocator::searchOrder("ffmpeg").size(), 6);
}

TEST_F(FFmpegLocatorTest, NothingIsCached)
{
    FFmpegLocator::setTestFolders({first.path()}, true);
    EXPECT_EQ(FFmpegLocator::path("ffmpeg"), QString());
    const QString installed = writeScript(first.path(), "ffmpeg", "exit 0");
    EXPECT_EQ(FFmpegLocator::path("ffmpeg"), installed);
    QFile::remove(installed);
    EXPECT_EQ(FFmpegLocator::path("ffmpeg"), QString());
}

} // namespace
