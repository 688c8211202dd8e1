// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

namespace karvo {

// The lower-case file extensions (without the dot) Karvo recognises. "gif" counts as video.
namespace MediaExtensions {
const QSet<QString>& video();
const QSet<QString>& audio();
const QSet<QString>& image();

// The lower-cased suffix after the last dot of the file name, empty when there is none.
QString of(const QString& path);
bool isImage(const QString& path);
bool isSupported(const QString& path);
} // namespace MediaExtensions

} // namespace karvo
