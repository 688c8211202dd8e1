// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImagingModule.h"

namespace karvo {

// The image module's functions, for the module's entry point and for programs that link the image code.
const ImagingFunctions& linkedImagingFunctions();

} // namespace karvo
