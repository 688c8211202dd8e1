// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaskCardContent.h"

#include "FriendlyError.h"
#include "Localization.h"
#include "TimeAgo.h"

#include <QFileInfo>
#include <cmath>

namespace karvo {

using Status = ConversionTask::Status;

namespace {
QString nameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}
} // namespace

TaskSnapshot TaskSnapshot::of(const ConversionTask& task)
{
    TaskSnapshot s;
    s.id = task.id();
    s.input = task.input();
    s.op = task.op();
    s.status = task.status();
    s.progress = task.progress();
    s.error = task.error();
    s.outputs = task.outputs();
    s.finishedAt = task.finishedAt();
    return s;
}

CardContent CardContent::of(const TaskSnapshot& task, const QDateTime& now)
{
    CardContent c;
    c.openTitle = L("Open");
    c.revealTitle = L("Show in Folder");
    c.retryTitle = L("Retry");
    const QString inputName = nameOf(task.input);

    switch (task.status) {
    case Status::queued:
        c.title = task.op.localizedTitle();
        c.subtitle = L("Queued") + QStringLiteral(" · ") + inputName;
        c.symbol = BadgeSymbol::clock;
        c.badgeTint = CardTint::secondary;
        break;
    case Status::running:
        c.title = task.op.localizedTitle();
        c.subtitle = inputName;
        c.symbol = BadgeSymbol::none;
        c.badgeTint = CardTint::accent;
        break;
    case Status::done: {
        c.title = task.outputs.isEmpty() ? inputName : nameOf(task.outputs.first());
        c.subtitle = task.outputs.size() < 2 ? L("Completed") : Ln("Completed · %d file(s)", task.outputs.size());
        const QString ago = timeAgo(task.finishedAt, now);
        if (!ago.isEmpty())
            c.subtitle += QStringLiteral(" · ") + ago;
        c.symbol = BadgeSymbol::checkmarkCircleFill;
        c.badgeTint = CardTint::green;
        break;
    }
    case Status::failed:
        c.title = L("Failed · %@", inputName);
        c.subtitle = task.error ? friendlyError(*task.error) : QString();
        c.subtitleTint = CardTint::red;
        c.subtitleAlpha = 0.85;
        c.symbol = BadgeSymbol::exclamationTriangleFill;
        c.badgeTint = CardTint::red;
        break;
    case Status::cancelled:
        c.title = inputName;
        c.subtitle = Ln("Cancelled · %d file(s) saved", task.outputs.size());
        c.symbol = BadgeSymbol::xmarkCircle;
        c.badgeTint = CardTint::orange;
        break;
    }

    const bool running = task.status == Status::running;
    if (running)
        c.progressText = L("%d%%", std::lround(task.progress * 100));
    if (!task.outputs.isEmpty())
        c.toolTip = task.outputs.join(QLatin1Char('\n'));
    else if (task.error)
        c.toolTip = *task.error;
    else
        c.toolTip = task.input;

    c.showsBar = running;
    c.showsOpen = task.status == Status::done && !task.outputs.isEmpty();
    c.showsReveal = !task.outputs.isEmpty();
    c.showsRetry = task.status == Status::failed;
    c.showsActions = c.showsOpen || c.showsReveal || c.showsRetry;
    c.closeName = c.showsBar ? L("Cancel task") : L("Dismiss result");
    return c;
}

} // namespace karvo
