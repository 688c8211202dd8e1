// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageSource.h"

#include "VipsRuntime.h"

#include <QFileInfo>

namespace karvo {

std::optional<ImageSource> ImageSource::open(const QString& path, QString* detail)
{
    auto fail = [&](const QString& text) -> std::optional<ImageSource> {
        if (detail)
            *detail = text;
        return std::nullopt;
    };
    if (!VipsRuntime::ensureStarted())
        return fail(QStringLiteral("libvips is not available"));
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("not a file"));

    ImageSource source;
    source.m_fileName = VipsRuntime::fileName(path);
    try {
        vips::VImage header;
        // libvips reads a trailing "[...]" of a file name as load options; such names are opened as a byte
        // source, which takes the name literally.
        if (source.m_fileName.endsWith(']')) {
            source.m_source = vips::VSource::new_from_file(source.m_fileName.constData());
            header = vips::VImage::new_from_source(*source.m_source, "",
                                                   vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        } else {
            if (!vips_foreign_find_load(source.m_fileName.constData()))
                return fail(VipsRuntime::takeError());
            header = vips::VImage::new_from_file(source.m_fileName.constData(),
                                                 vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        }
        source.m_width = header.width();
        source.m_height = header.height();
    } catch (const vips::VError& e) {
        vips_error_clear();
        return fail(QString::fromUtf8(e.what()).trimmed());
    }
    if (source.m_width < 1 || source.m_height < 1)
        return fail(QStringLiteral("the image has no pixels"));
    return source;
}

vips::VImage ImageSource::decodeUpright(int width, int height, VipsSize size) const
{
    // A truncated file fails instead of coming out partly grey; lesser damage is tolerated as everywhere.
    vips::VOption* options =
        vips::VImage::option()->set("height", height)->set("size", size)->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
    if (m_source)
        return vips::VImage::thumbnail_source(*m_source, width, options);
    return vips::VImage::thumbnail(m_fileName.constData(), width, options);
}

bool ImageSource::decodesCleanly(int edge) const
{
    try {
        (void)decodeUpright(edge, edge, VIPS_SIZE_DOWN).avg();
        return true;
    } catch (const vips::VError&) {
        vips_error_clear();
        return false;
    }
}

} // namespace karvo
