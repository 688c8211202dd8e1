// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionOp.h"
#include "ConversionTask.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <optional>

namespace karvo {

// A task's state as a card shows it, read once per update so the card draws one consistent picture.
struct TaskSnapshot {
    QUuid id;
    QString input;
    ConversionOp op = ConversionOp::mute();
    ConversionTask::Status status = ConversionTask::Status::queued;
    double progress = 0;
    std::optional<QString> error;
    QStringList outputs;
    std::optional<QDateTime> finishedAt;

    static TaskSnapshot of(const ConversionTask& task);
};

// The symbols a card's badge can show (named as in the icon vocabulary the program uses).
enum class BadgeSymbol { none, clock, checkmarkCircleFill, exclamationTriangleFill, xmarkCircle };

// The colours a card uses, resolved against the palette by the view.
enum class CardTint { secondary, accent, green, red, orange };

// Everything a card displays for one snapshot: texts, tints and which rows and buttons show.
struct CardContent {
    QString title;
    QString subtitle;
    CardTint subtitleTint = CardTint::secondary;
    double subtitleAlpha = 1;
    BadgeSymbol symbol = BadgeSymbol::none; // none: the progress ring shows instead
    CardTint badgeTint = CardTint::secondary;
    QString progressText;
    QString toolTip;
    bool showsBar = false;
    bool showsOpen = false;
    bool showsReveal = false;
    bool showsRetry = false;
    bool showsActions = false;
    QString openTitle;
    QString revealTitle;
    QString retryTitle;
    QString closeName; // the close button's accessible name

    static CardContent of(const TaskSnapshot& task, const QDateTime& now);
};

} // namespace karvo
