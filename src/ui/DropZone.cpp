// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropZone.h"

#include "Localization.h"
#include "Typography.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace karvo {

namespace {
// A document with a downward arrow, drawn so it needs no icon theme.
class DropGlyph : public QWidget {
public:
    explicit DropGlyph(QWidget* parent) : QWidget(parent) { setFixedSize(34, 38); }
    int offset = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(0, offset);
        const QColor accent = Typography::accent(palette());
        p.setPen(QPen(accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath page;
        page.moveTo(7, 3);
        page.lineTo(20, 3);
        page.lineTo(27, 10);
        page.lineTo(27, 32);
        page.lineTo(7, 32);
        page.closeSubpath();
        p.drawPath(page);
        p.drawLine(QPointF(17, 12), QPointF(17, 25));
        p.drawLine(QPointF(12, 20), QPointF(17, 25));
        p.drawLine(QPointF(22, 20), QPointF(17, 25));
    }
};
} // namespace

DropZone::DropZone(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 22, 16, 22);
    layout->setSpacing(10);

    auto* glyph = new DropGlyph(this);
    m_glyph = glyph;
    layout->addWidget(glyph, 0, Qt::AlignHCenter);

    auto* prompt = new QLabel(L("Drop files, then pick an action"), this);
    prompt->setFont(Typography::font(12));
    prompt->setAlignment(Qt::AlignCenter);
    layout->addWidget(prompt);

    m_choose = new QPushButton(L("Choose a file…"), this);
    m_choose->setDefault(true);
    m_choose->setAccessibleName(L("Choose a file…"));
    m_choose->setToolTip(L("Choose files to convert (Ctrl+O)"));
    connect(m_choose, &QPushButton::clicked, this, [this] {
        if (m_onChooseFile)
            m_onChooseFile();
    });
    layout->addWidget(m_choose, 0, Qt::AlignHCenter);

    setAccessibleName(L("Drop files, then pick an action"));
    setVerticalPadding(22);
}

void DropZone::setTargeted(bool targeted)
{
    if (m_targeted == targeted)
        return;
    m_targeted = targeted;
    static_cast<DropGlyph*>(m_glyph)->offset = targeted ? 3 : 0;
    m_glyph->update();
    update();
}

void DropZone::setVerticalPadding(int padding)
{
    QMargins margins = layout()->contentsMargins();
    margins.setTop(padding);
    margins.setBottom(padding);
    layout()->setContentsMargins(margins);
    setMinimumHeight(126 + 2 * padding);
}

void DropZone::setQuickDragReady(bool ready)
{
    m_quickDragReady = ready;
    update();
}

void DropZone::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = Typography::accent(palette());
    double width = 2;
    QColor stroke = accent;
    if (!m_targeted) {
        width = m_quickDragReady ? 1.5 : 2;
        if (m_quickDragReady) {
            stroke = Typography::secondaryText(palette());
            stroke.setAlphaF(stroke.alphaF() * 0.5f);
        } else {
            stroke.setAlphaF(0.6f);
        }
    }
    const QRectF area = QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    if (m_targeted) {
        QColor fill = accent;
        fill.setAlphaF(0.1f);
        QPainterPath path;
        path.addRoundedRect(area, 12, 12);
        p.fillPath(path, fill);
    }
    QPen pen(stroke, width);
    pen.setDashPattern({6 / width, 6 / width});
    p.setPen(pen);
    p.drawRoundedRect(area, 12, 12);
}

} // namespace karvo
