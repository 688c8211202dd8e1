// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliOutput.h"

#include <QRegularExpression>

namespace karvo::CliOutput {

QJsonObject toJson(const MediaInfo& info)
{
    return QJsonObject{{"duration", info.duration}, {"width", info.width},       {"height", info.height},
                       {"hasVideo", info.hasVideo}, {"hasAudio", info.hasAudio}, {"formatName", info.formatName}};
}

QString toolKindName(ToolKind kind)
{
    switch (kind) {
    case ToolKind::compressVideo:
        return QStringLiteral("compressVideo");
    case ToolKind::compressImage:
        return QStringLiteral("compressImage");
    case ToolKind::resizeImage:
        return QStringLiteral("resizeImage");
    case ToolKind::trim:
        return QStringLiteral("trim");
    case ToolKind::crop:
        return QStringLiteral("crop");
    case ToolKind::speed:
        return QStringLiteral("speed");
    case ToolKind::snapshot:
        return QStringLiteral("snapshot");
    case ToolKind::split:
        return QStringLiteral("split");
    }
    return {};
}

QString shellQuote(const QString& argument)
{
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (safe.match(argument).hasMatch())
        return argument;
    QString quoted = argument;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

QString shellJoin(const QStringList& arguments)
{
    QStringList quoted;
    for (const QString& a : arguments)
        quoted << shellQuote(a);
    return quoted.join(u' ');
}

} // namespace karvo::CliOutput
