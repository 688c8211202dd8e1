// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace karvo {

// The kept stretch of the trim window, without any widget: the two times, the rule that keeps them in order,
// and how they map onto the integer positions of a slider.
class TrimRange {
public:
    // `duration` is the first file's length in seconds; anything not positive and finite counts as unknown.
    // The range opens on the whole clip (0 to 0 when the length is unknown).
    explicit TrimRange(double duration);

    // The first file's length, 0 when unknown.
    double duration() const { return m_duration; }
    // The top of both sliders: the length, but never a range of nothing.
    double upperBound() const { return m_upper; }

    double start() const { return m_start; }
    double end() const { return m_end; }
    // Moving one time past the other pushes the other along, so the two never cross.
    void setStart(double seconds);
    void setEnd(double seconds);

    // What is kept, never negative.
    double length() const;
    bool isValid() const { return m_start < m_end; }

    // Slider positions: milliseconds, coarser only for clips too long for an int of them.
    int sliderMaximum() const { return m_maximum; }
    int sliderPosition(double seconds) const;
    double secondsAt(int position) const;

private:
    double clamped(double seconds) const;

    double m_duration;
    double m_upper;
    double m_ticksPerSecond;
    int m_maximum;
    double m_start = 0;
    double m_end;
};

} // namespace karvo
