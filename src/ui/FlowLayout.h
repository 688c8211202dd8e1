// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QList>
#include <optional>

namespace karvo {

// Lays its items out left to right and wraps onto a new line when the width runs out.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 8);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

    // The size items of `sizes` need when rows may be at most `maxWidth` wide (none: one row). Rows
    // advance by item width + spacing, so the width includes the spacing after each row's last item.
    // An item wider than the limit gets a row of its own.
    static QSize measure(const QList<QSize>& sizes, int spacing, std::optional<int> maxWidth);
    // Top-left corners of the items placed in `bounds`, rows filled from the leading edge: left to right,
    // or right to left when `direction` says so.
    static QList<QPoint> place(const QList<QSize>& sizes, int spacing, const QRect& bounds,
                               Qt::LayoutDirection direction = Qt::LeftToRight);

private:
    QList<QSize> visibleSizes() const;

    QList<QLayoutItem*> m_items;
    int m_gap;
};

} // namespace karvo
