// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlowLayout.h"

#include <QWidget>

namespace karvo {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent), m_gap(spacing)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
}

int FlowLayout::count() const
{
    return static_cast<int>(m_items.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    return measure(visibleSizes(), m_gap, width - m.left() - m.right()).height() + m.top() + m.bottom();
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

QList<QSize> FlowLayout::visibleSizes() const
{
    QList<QSize> sizes;
    for (const QLayoutItem* item : m_items) {
        if (!item->isEmpty())
            sizes << item->sizeHint();
    }
    return sizes;
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    const QWidget* owner = parentWidget();
    const Qt::LayoutDirection direction = owner ? owner->layoutDirection() : Qt::LeftToRight;
    const QList<QPoint> corners = place(visibleSizes(), m_gap, area, direction);
    qsizetype index = 0;
    for (QLayoutItem* item : std::as_const(m_items)) {
        if (!item->isEmpty()) {
            item->setGeometry(QRect(corners[index], item->sizeHint()));
            ++index;
        }
    }
}

QSize FlowLayout::measure(const QList<QSize>& sizes, int spacing, std::optional<int> maxWidth)
{
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    int widest = 0;
    for (const QSize& size : sizes) {
        if (maxWidth && x > 0 && *maxWidth < x + size.width()) {
            y += rowHeight + spacing;
            rowHeight = 0;
            x = 0;
        }
        x += size.width() + spacing;
        widest = std::max(widest, x);
        rowHeight = std::max(rowHeight, size.height());
    }
    return {widest, y + rowHeight};
}

QList<QPoint> FlowLayout::place(const QList<QSize>& sizes, int spacing, const QRect& bounds,
                                Qt::LayoutDirection direction)
{
    QList<QPoint> corners;
    corners.reserve(sizes.size());
    const int right = bounds.x() + bounds.width();
    int x = bounds.x();
    int y = bounds.y();
    int rowHeight = 0;
    for (const QSize& size : sizes) {
        if (x > bounds.x() && right < x + size.width()) {
            x = bounds.x();
            y += rowHeight + spacing;
            rowHeight = 0;
        }
        // Right to left mirrors each row about the middle of the bounds.
        const int left = direction == Qt::RightToLeft ? bounds.x() + right - (x + size.width()) : x;
        corners << QPoint(left, y);
        rowHeight = std::max(rowHeight, size.height());
        x += size.width() + spacing;
    }
    return corners;
}

} // namespace karvo
