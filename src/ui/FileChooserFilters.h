// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"

#include <QStringList>

namespace karvo {

// The name filters of the file chooser opened for one action, built from routing's extension sets:
// first every admitted file together, then each admitted kind alone.
class FileChooserFilters {
public:
    enum class Kind { video, audio, image };

    static QList<Kind> admitted(const RadialAction& action);
    static QStringList nameFilters(const RadialAction& action);
    // "*.mp4 *.MP4 ..." for the kinds given, sorted; both cases, as the dialog matches case-sensitively.
    static QString patterns(const QList<Kind>& kinds);
};

} // namespace karvo
