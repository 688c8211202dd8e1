// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-image-bench INPUT OUTPUT EDGE: resizes INPUT to a JPEG whose longest edge is EDGE, as the resize
// operation does (quality 0.92), through the image engine.
#include "ImageIOEngine.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: karvo-image-bench INPUT OUTPUT EDGE\n");
        return 2;
    }
    const karvo::ImageWriteParameters params{karvo::ImageFormat::jpeg, 0.92, std::atoi(argv[3]), 0, false};
    const auto error =
        karvo::ImageIOEngine::write(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), params, {});
    if (error) {
        std::fprintf(stderr, "failed: %s\n", qPrintable(error->detail));
        return 1;
    }
    return 0;
}
