// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

// Pointer and keyboard through XTest, as a person uses them. Motion is relative: an absolute warp
// produces no device events, and a drag source's drag loop would not see the pointer move.
class FakeX11Input {
public:
    FakeX11Input();
    ~FakeX11Input();
    bool ok() const { return m_display != nullptr; }

    QPoint pointer() const;
    // Jumps there (only for placing the pointer before anything starts).
    void warp(QPoint to);
    // Moves in small relative steps, running the event loop between them so both programs see each.
    void moveTo(QPoint target);
    void button(bool down);
    void shift(bool down);

private:
    void* m_display;
};
