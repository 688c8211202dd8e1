// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// The folder of the running executable (its links resolved): where Karvo finds what it installs beside itself
// (helpers, modules). Works before an application object exists.
QString programFolder();

} // namespace karvo
