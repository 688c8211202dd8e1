// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"

#include <QList>
#include <QScrollArea>
#include <functional>

namespace karvo {

class ChipButton;

// "All Features": everything Quick Drag's ring can do, grouped by the kind of source file. Pressing a
// chip hands its action to `onPick`, which asks for files to run it on.
class FeaturesView : public QScrollArea {
    Q_OBJECT

public:
    using Pick = std::function<void(const RadialAction& action)>;

    // `backgroundRemoval`: whether a segmentation model is installed; its chip is offered only then.
    FeaturesView(Pick onPick, bool backgroundRemoval, QWidget* parent = nullptr);

    // Every chip in display order: video, audio, image; convert before tools.
    const QList<ChipButton*>& chips() const { return m_chips; }
    QList<ChipButton*> chips(DropKind kind) const;

private:
    QWidget* group(DropKind kind, bool backgroundRemoval);
    QWidget* chipGrid(const QList<RadialAction>& actions, DropKind kind, QWidget* parent);

    Pick m_onPick;
    QList<ChipButton*> m_chips;
    QHash<ChipButton*, DropKind> m_kinds;
};

} // namespace karvo
