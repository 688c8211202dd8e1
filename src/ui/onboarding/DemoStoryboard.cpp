// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoStoryboard.h"

#include "Localization.h"
#include "SymbolIcons.h"
#include "SystemColors.h"
#include "Typography.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace karvo {

namespace {

// A step's symbol in its tint inside a rounded outline.
class StepTile : public QWidget {
public:
    StepTile(const QString& symbol, const QColor& tint, QWidget* parent)
        : QWidget(parent), m_symbol(symbol), m_tint(tint)
    {
        setFixedSize(64, 64);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
        QColor fill = m_tint;
        fill.setAlphaF(0.10f);
        QColor edge = m_tint;
        edge.setAlphaF(0.45f);
        painter.setPen(QPen(edge, 1.2));
        painter.setBrush(fill);
        painter.drawRoundedRect(frame, 14, 14);
        const QPixmap glyph = SymbolIcons::pixmap(m_symbol, 30, m_tint, devicePixelRatioF());
        painter.drawPixmap(QRectF(frame.center().x() - 15, frame.center().y() - 15, 30, 30), glyph,
                           QRectF(glyph.rect()));
    }

private:
    QString m_symbol;
    QColor m_tint;
};

} // namespace

DemoStoryboard::DemoStoryboard(DemoScene scene, QWidget* parent) : QWidget(parent), m_scene(scene)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->addStretch(1);
    m_row = new QHBoxLayout;
    m_row->setSpacing(10);
    outer->addLayout(m_row);
    outer->addStretch(1);
    rebuild();
}

QList<DemoStoryboard::Step> DemoStoryboard::steps(DemoScene scene, const QPalette& palette)
{
    const QColor blue = SystemColors::color(SystemColor::blue, palette);
    const QColor green = SystemColors::color(SystemColor::green, palette);
    const QColor accent = Typography::accent(palette);
    if (scene == DemoScene::quickDrag)
        return {{QStringLiteral("film.fill"), blue, L("Drag a file in the file manager")},
                {QStringLiteral("shift"), accent, L("Hold ⇧ Shift")},
                {QStringLiteral("checkmark.circle.fill"), green, L("Release — done!")}};
    return {{QStringLiteral("film.fill"), blue, L("Drag the file into the Karvo window")},
            {QStringLiteral("arrow.down.doc"), accent, L("Drop files here")},
            {QStringLiteral("checkmark.circle.fill"), green, L("Release, then pick an action")}};
}

void DemoStoryboard::setScene(DemoScene scene)
{
    if (scene == m_scene)
        return;
    m_scene = scene;
    rebuild();
}

QStringList DemoStoryboard::labels() const
{
    QStringList texts;
    for (const Step& step : steps(m_scene, palette()))
        texts << step.label;
    return texts;
}

void DemoStoryboard::paintEvent(QPaintEvent*)
{
    // The same plate as the moving stage, so switching between the two keeps the page's shape.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor window = palette().color(QPalette::Window);
    const QColor accent = Typography::accent(palette());
    QColor plate = QColor::fromRgbF(window.redF() + (accent.redF() - window.redF()) * 0.08f,
                                    window.greenF() + (accent.greenF() - window.greenF()) * 0.08f,
                                    window.blueF() + (accent.blueF() - window.blueF()) * 0.08f);
    QColor edge = palette().color(QPalette::WindowText);
    edge.setAlphaF(0.13f);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(plate);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 16, 16);
}

void DemoStoryboard::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::LayoutDirectionChange)
        rebuild();
}

void DemoStoryboard::rebuild()
{
    while (QLayoutItem* item = m_row->takeAt(0)) {
        if (QWidget* widget = item->widget())
            widget->deleteLater();
        delete item;
    }
    const QList<Step> all = steps(m_scene, palette());
    QStringList spoken;
    m_row->addStretch(1);
    for (qsizetype i = 0; i < all.size(); ++i) {
        const Step& step = all[i];
        if (i > 0) {
            auto* arrow = new QLabel(this);
            QPixmap glyph = SymbolIcons::pixmap(QStringLiteral("arrow.right"), 18, Typography::secondaryText(palette()),
                                                devicePixelRatioF());
            // The steps read in the layout's direction, and so do the arrows between them.
            if (layoutDirection() == Qt::RightToLeft)
                glyph = QPixmap::fromImage(glyph.toImage().mirrored(true, false));
            arrow->setPixmap(glyph);
            m_row->addWidget(arrow, 0, Qt::AlignTop);
            arrow->setContentsMargins(0, 23, 0, 0);
        }
        auto* column = new QWidget(this);
        auto* stack = new QVBoxLayout(column);
        stack->setContentsMargins(0, 0, 0, 0);
        stack->setSpacing(8);
        stack->addWidget(new StepTile(step.symbol, step.tint, column), 0, Qt::AlignHCenter);
        auto* label = new QLabel(step.label, column);
        label->setFont(Typography::font(10));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        label->setFixedWidth(140);
        stack->addWidget(label, 0, Qt::AlignHCenter);
        stack->addStretch(1);
        column->setAccessibleName(step.label);
        m_row->addWidget(column, 0, Qt::AlignTop);
        spoken << step.label;
    }
    m_row->addStretch(1);
    setAccessibleName(L("Demonstration"));
    setAccessibleDescription(spoken.join(QStringLiteral(" → ")));
}

} // namespace karvo
