// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaExtensions.h"

#include <QFileInfo>

namespace karvo::MediaExtensions {

const QSet<QString>& video()
{
    static const QSet<QString> set{"mp4", "mov", "mkv",  "m4v", "avi",  "webm", "wmv", "flv",
                                   "ts",  "mts", "m2ts", "3gp", "mpg",  "mpeg", "m2v", "ogv",
                                   "vob", "f4v", "asf",  "rm",  "rmvb", "divx", "gif"};
    return set;
}

const QSet<QString>& audio()
{
    static const QSet<QString> set{"mp3",  "m4a", "aac",  "wav", "flac", "ogg", "wma",
                                   "aiff", "aif", "opus", "caf", "ac3",  "amr", "alac"};
    return set;
}

const QSet<QString>& image()
{
    static const QSet<QString> set{"jpg",  "jpeg", "png", "webp", "heic", "heif", "tif",
                                   "tiff", "bmp",  "raw", "dng",  "svg",  "ico",  "jfif"};
    return set;
}

QString of(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

bool isImage(const QString& path)
{
    return image().contains(of(path));
}

bool isSupported(const QString& path)
{
    const QString ext = of(path);
    return video().contains(ext) || audio().contains(ext) || image().contains(ext);
}

} // namespace karvo::MediaExtensions
