// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QPainter;

namespace karvo {

// A white symbol on a rounded square filled with a gradient of `tint`: the sidebar's and the settings
// rows' icons.
class IconTile : public QWidget {
public:
    IconTile(const QString& symbol, const QColor& tint, int size, QWidget* parent = nullptr);

    static void paint(QPainter& painter, const QRectF& square, const QString& symbol, const QColor& tint);
    static QPixmap pixmap(const QString& symbol, const QColor& tint, int size, qreal devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    QColor m_tint;
};

} // namespace karvo
