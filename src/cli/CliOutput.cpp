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

QString terminalSafe(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n') {
            out += QStringLiteral("\\n");
        } else if (u == u'\r') {
            out += QStringLiteral("\\r");
        } else if (u == u'\t') {
            out += QStringLiteral("\\t");
        } else if (u < 0x20 || (u >= 0x7f && u <= 0x9f)) {
            out += QStringLiteral("\\x%1").arg(static_cast<uint>(u), 2, 16, QLatin1Char('0'));
        } else if (u == 0x061c || u == 0x200e || u == 0x200f || (u >= 0x202a && u <= 0x202e) ||
                   (u >= 0x2066 && u <= 0x2069)) {
            out += QStringLiteral("\\u%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
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
