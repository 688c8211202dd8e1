// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// libvips' C++ API by way of GLib, whose structs have a field named `signals`, a word Qt defines as a macro.
#pragma push_macro("signals")
#undef signals
#include <vips/vips8>
#pragma pop_macro("signals")
