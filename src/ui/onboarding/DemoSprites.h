// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;

namespace karvo {

// Pictures of the parts of a demonstration, each drawn once and then copied while the part keeps its
// look. Qt's raster engine hands every larger anti-aliased fill to a pool of threads and waits for them,
// which for the small shapes of the demonstrations costs far more than the fill; copying a picture onto
// whole device pixels costs neither.
class DemoSprites {
public:
    // Paints the part with its anchor at the given point, in the painter's units.
    using Draw = std::function<void(QPainter&, const QPointF&)>;

    // `mostPictures`: how many pictures are kept; a full cache starts over.
    explicit DemoSprites(qsizetype mostPictures = 400) : m_mostPictures(mostPictures) {}

    // Draws the part whose look `key` names with its anchor at `anchor`, at the painter's opacity:
    // `extent` (around the anchor, in the painter's units) holds all that `paint` draws. A moving part
    // (`snap`) is placed to the nearest eighth of a device pixel, so that it takes one of a few pictures;
    // a still one is drawn exactly where it is. Under a rotation the part is simply drawn.
    void draw(QPainter& painter, QString key, const QPointF& anchor, const QRectF& extent, bool snap,
              const Draw& paint);

    void clear() { m_pictures.clear(); }
    qsizetype size() const { return m_pictures.size(); }

private:
    qsizetype m_mostPictures;
    QHash<QString, QImage> m_pictures;
};

} // namespace karvo
