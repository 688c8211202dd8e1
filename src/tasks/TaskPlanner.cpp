// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaskPlanner.h"

#include "ConversionEngine.h"
#include "Localization.h"
#include "MediaExtensions.h"
#include "OutputLocation.h"
#include "SettingsDefaults.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace karvo {

namespace {
// Far beyond any sensible split, and far below what would exhaust memory listing the parts.
constexpr int kMaxSplitParts = 10000;
} // namespace

TaskPlanner::TaskPlanner(QString outputOverride)
    : m_outputOverride(outputOverride.isEmpty() ? QString() : QFileInfo(outputOverride).absoluteFilePath())
{
}

std::optional<QString> TaskPlanner::preferredOutputDirectory() const
{
    if (!m_outputOverride.isEmpty())
        return m_outputOverride;
    if (SettingsDefaults::outputLocationMode() == SettingsDefaults::OutputLocationMode::custom)
        return OutputLocation::bookmarkedDirectory();
    return std::nullopt;
}

QString TaskPlanner::plannedOutput(const QString& input, const ConversionOp& op,
                                   const OutputNaming::IsReserved& isReserved) const
{
    const QString absoluteInput = QFileInfo(input).absoluteFilePath();
    const QString folder = preferredOutputDirectory().value_or(QFileInfo(absoluteInput).absolutePath());
    return OutputNaming::plannedOutput(absoluteInput, op, folder, isReserved);
}

bool TaskPlanner::runsInImageEngine(const ConversionOp& op, const QString& input)
{
    return op.runsInImageEngine(MediaExtensions::of(input));
}

double TaskPlanner::expectedDuration(const ConversionOp& op, const MediaInfo& info)
{
    if (const auto* s = op.as<ops::Speed>())
        return s->factor > 0 ? info.duration / s->factor : 0;
    if (op.is<ops::Snapshot>())
        return 0;
    if (const auto* t = op.as<ops::Trim>())
        return std::max(std::min(info.duration, t->end) - t->start, 0.0);
    return info.duration;
}

bool TaskPlanner::Steps::needsWorkFolder() const
{
    return std::any_of(steps.cbegin(), steps.cend(), [](const FFmpegStep& s) { return !s.publishes; });
}

TaskPlanner::Steps TaskPlanner::ffmpegSteps(const ConversionOp& op, const QString& input, const QString& output,
                                            const MediaInfo& info, const QString& workFolder)
{
    Steps result;
    if (const auto* split = op.as<ops::Split>()) {
        const double duration = info.duration;
        const double every = split->segmentSeconds;
        if (!(duration > 0 && every > 0)) {
            result.error = L("Cannot determine media duration");
            return result;
        }
        const double count = std::ceil(duration / every);
        if (count > kMaxSplitParts) {
            result.error = L("Splitting every %@ s would make more than %d parts. Choose a longer part length.",
                             ConversionEngine::trimZeros(every), kMaxSplitParts);
            return result;
        }
        const int parts = static_cast<int>(count);
        const int last = parts >= 2 ? parts - 1 : 0;
        for (int i = 0; i <= last; ++i) {
            const double start = every * i;
            const double end = std::min(start + every, duration);
            const QString part = ConversionEngine::splitOutputPath(input, i, output);
            result.steps.append({ConversionEngine::splitSegmentArguments(input, part, start, end, info), end - start,
                                 i == last, true, 1.0 / (last + 1)});
        }
        return result;
    }
    const double expected = expectedDuration(op, info);
    for (const FFmpegPass& pass : ConversionEngine::passes(op, input, output, info, workFolder))
        result.steps.append({pass.arguments, expected, pass.producesResult, pass.producesResult, pass.progressShare});
    return result;
}

} // namespace karvo
