// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time helper: writes the desktop entry with the MIME types of every extension Karvo routes,
// and renders the application icon to PNG.
#include "MediaExtensions.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>
#include <QSaveFile>
#include <QSet>
#include <QSvgRenderer>
#include <QTextStream>
#include <algorithm>

using namespace karvo;

namespace {

bool isMediaName(const QString& name)
{
    return name.startsWith(QLatin1String("video/")) || name.startsWith(QLatin1String("audio/")) ||
           name.startsWith(QLatin1String("image/"));
}

bool isMediaType(const QMimeType& type)
{
    if (isMediaName(type.name()))
        return true;
    // application/vnd.rn-realmedia, application/vnd.ms-asf and the like are media by an alias or their
    // generic icon; a clash such as .ts (also Qt Linguist's text) is left out this way.
    const QStringList aliases = type.aliases();
    if (std::any_of(aliases.cbegin(), aliases.cend(), isMediaName))
        return true;
    const QString icon = type.genericIconName();
    return icon == QLatin1String("video-x-generic") || icon == QLatin1String("audio-x-generic") ||
           icon == QLatin1String("image-x-generic");
}

QStringList mimeTypes(QTextStream& err)
{
    QMimeDatabase db;
    QSet<QString> types;
    QSet<QString> extensions;
    for (const auto* set : {&MediaExtensions::video(), &MediaExtensions::audio(), &MediaExtensions::image()})
        extensions.unite(*set);
    QStringList sorted(extensions.cbegin(), extensions.cend());
    std::sort(sorted.begin(), sorted.end());
    for (const QString& extension : sorted) {
        int found = 0;
        for (const QMimeType& type : db.mimeTypesForFileName(QStringLiteral("file.") + extension)) {
            if (isMediaType(type)) {
                types.insert(type.name());
                ++found;
            }
        }
        if (found == 0)
            err << "karvo-resource-tool: no MIME type known for ." << extension << '\n';
    }
    QStringList list(types.cbegin(), types.cend());
    std::sort(list.begin(), list.end());
    return list;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int desktopEntry(const QString& templatePath, const QString& outPath, QTextStream& err)
{
    QFile in(templatePath);
    if (!in.open(QIODevice::ReadOnly)) {
        err << "karvo-resource-tool: cannot read " << templatePath << '\n';
        return 1;
    }
    QString text = QString::fromUtf8(in.readAll());
    text.replace(QStringLiteral("@KARVO_MIME_TYPES@"), mimeTypes(err).join(u';') + u';');
    return write(outPath, text.toUtf8()) ? 0 : 1;
}

int png(const QString& svgPath, int size, const QString& outPath, QTextStream& err)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid() || size <= 0) {
        err << "karvo-resource-tool: cannot render " << svgPath << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QFile::remove(outPath);
    return image.save(outPath, "PNG") ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 1 && args[0] == QLatin1String("mime-types")) {
        out << mimeTypes(err).join(u'\n') << '\n';
        return 0;
    }
    if (args.size() == 3 && args[0] == QLatin1String("desktop"))
        return desktopEntry(args[1], args[2], err);
    if (args.size() == 4 && args[0] == QLatin1String("png"))
        return png(args[1], args[2].toInt(), args[3], err);
    err << "usage: karvo-resource-tool mime-types | desktop TEMPLATE OUT | png SVG SIZE OUT\n";
    return 2;
}
