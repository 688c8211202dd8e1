// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"

#include <QList>
#include <QString>

namespace karvo {

// One action offered for a pending drop: what pressing it routes, its title and its symbol name.
struct ActionChip {
    RadialAction action;
    QString title;
    QString symbol;
};

// The actions offered for each kind of drop, in display order.
class ActionChips {
public:
    static QList<ActionChip> formats(DropKind kind);
    // `backgroundRemoval`: whether a segmentation model is installed; the chip is offered only then.
    static QList<ActionChip> tools(DropKind kind, bool backgroundRemoval);

    static ActionChip chip(const RadialAction& action);
    // "film", "waveform", "photo", "doc.on.doc".
    static QString kindSymbol(DropKind kind);
};

} // namespace karvo
