// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QVideoFrameFormat>

class QVideoFrame;

namespace karvo {

// Turns decoded video frames into upright pictures no larger than they are shown. The YUV layouts the
// decoders deliver are converted here, reading only as many samples as the result needs: a 4K frame
// shown 560 points wide is averaged down while it is converted instead of being converted whole (Qt's
// own conversion takes 130 ms and more per 4K frame). Other layouts go through QVideoFrame::toImage.
// Safe to call on any thread.
class FrameConverter {
public:
    // `rotation`: clockwise degrees, a multiple of 90. `box`: the largest picture wanted, upright, in
    // pixels; an empty box keeps the frame's size. Never scales up. Null for a frame that cannot be read.
    static QImage toImage(const QVideoFrame& frame, int rotation, const QSize& box);

    // Whether toImage converts `format` itself.
    static bool convertsNatively(QVideoFrameFormat::PixelFormat format);
};

} // namespace karvo
