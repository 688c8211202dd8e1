// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputNaming.h"

#include "FileNameLimit.h"
#include "MediaExtensions.h"

#include <QDir>
#include <QFileInfo>

namespace karvo {

QString OutputNaming::plannedOutput(const QString& input, const ConversionOp& op, const QString& folder,
                                    const IsReserved& isReserved)
{
    const QFileInfo in(input);
    const QDir dir(folder.isEmpty() ? in.absolutePath() : folder);
    const QString inputExt = MediaExtensions::of(input);
    const OutputSuffix suffix = op.outputSuffix(inputExt);
    if (suffix.ext.isEmpty())
        return QDir::cleanPath(dir.absolutePath());

    QString tail = suffix.base;
    if ((op.is<ops::Convert>() || op.is<ops::ConvertImage>()) && suffix.ext == inputExt)
        tail += QStringLiteral(" Converted");
    const QString base = in.completeBaseName();
    const auto candidate = [&](int n) {
        const QString number = n > 1 ? u' ' + QString::number(n) : QString();
        return QDir::cleanPath(dir.absoluteFilePath(FileNameLimit::fit(base, tail + number + u'.' + suffix.ext)));
    };
    const auto taken = [&](const QString& path) {
        const QFileInfo info(path);
        return info.exists() || info.isSymLink() || (isReserved && isReserved(path));
    };
    QString name = candidate(1);
    for (int n = 2; taken(name); ++n)
        name = candidate(n);
    return name;
}

QString OutputNaming::nextFree(const QString& input, const ConversionOp& op, const QString& taken,
                               const IsReserved& isReserved)
{
    return plannedOutput(input, op, QFileInfo(taken).absolutePath(), isReserved);
}

} // namespace karvo
