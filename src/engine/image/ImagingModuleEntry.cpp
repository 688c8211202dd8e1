// SPDX-License-Identifier: GPL-3.0-or-later
// The image module's one exported symbol, looked up by ImagingModule.
#include "ImagingEntry.h"

extern "C" __attribute__((visibility("default"))) const karvo::ImagingFunctions* karvo_imaging_functions()
{
    return &karvo::linkedImagingFunctions();
}
