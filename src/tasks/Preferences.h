// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

namespace karvo {

// The user's preferences: typed values under "kv." keys in a JSON file under the XDG config folder
// (~/.config/Karvo/settings.json). JSON keeps a value's type: an integer stays an integer and the
// string "2" stays a string. Safe to use from any thread.
class Preferences {
public:
    static QString filePath();
    // Points the store at another file (tests, a second profile). An empty path restores the default.
    static void setFilePath(const QString& path);

    static QVariant value(const QString& key);
    static void setValue(const QString& key, const QVariant& value);
    static void remove(const QString& key);
};

} // namespace karvo
