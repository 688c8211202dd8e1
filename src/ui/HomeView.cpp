// SPDX-License-Identifier: GPL-3.0-or-later
#include "HomeView.h"

#include "ActionPicker.h"
#include "DropZone.h"
#include "InstallHint.h"
#include "Localization.h"
#include "Typography.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace karvo {

namespace {
class StatusDot : public QWidget {
public:
    explicit StatusDot(QWidget* parent) : QWidget(parent) { setFixedSize(8, 8); }
    QColor color;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(rect());
    }
};

void setTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

const QColor kGreen(52, 199, 89);
const QColor kOrange(255, 149, 0);
} // namespace

HomeView::HomeView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(18);

    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(56, 56));
    icon->setFixedSize(56, 56);
    header->addWidget(icon);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(3);
    auto* title = new QLabel(L("Karvo"), this);
    title->setFont(Typography::font(22, QFont::Bold));
    titles->addWidget(title);
    auto* subtitle = new QLabel(L("Drag & drop converter for video, audio, and images"), this);
    subtitle->setFont(Typography::font(12));
    setTextColor(subtitle, Typography::secondaryText(palette()));
    titles->addWidget(subtitle);
    header->addLayout(titles);
    header->addStretch(1);

    m_status = new QWidget(this);
    auto* status = new QHBoxLayout(m_status);
    status->setContentsMargins(0, 0, 0, 0);
    status->setSpacing(6);
    m_statusDot = new StatusDot(m_status);
    status->addWidget(m_statusDot);
    m_statusText = new QLabel(m_status);
    m_statusText->setFont(Typography::font(10));
    status->addWidget(m_statusText);
    header->addWidget(m_status, 0, Qt::AlignVCenter);
    layout->addLayout(header);

    m_dropArea = new QStackedWidget(this);
    m_dropZone = new DropZone(m_dropArea);
    m_picker = new ActionPicker(m_dropArea);
    m_dropArea->addWidget(m_dropZone);
    m_dropArea->addWidget(m_picker);
    layout->addWidget(m_dropArea);
    layout->addStretch(1);

    auto* footer = new QLabel(L("Results are saved next to the source file — never overwriting the original."), this);
    footer->setFont(Typography::font(10));
    footer->setAlignment(Qt::AlignCenter);
    footer->setWordWrap(true);
    setTextColor(footer, Typography::secondaryText(palette()));
    layout->addWidget(footer);

    setToolsFound(true);
}

void HomeView::showPicker(bool picker)
{
    m_dropArea->setCurrentWidget(picker ? static_cast<QWidget*>(m_picker) : m_dropZone);
}

bool HomeView::isShowingPicker() const
{
    return m_dropArea->currentWidget() == m_picker;
}

void HomeView::setToolsFound(bool found)
{
    static_cast<StatusDot*>(m_statusDot)->color = found ? kGreen : kOrange;
    m_statusDot->update();
    m_statusText->setText(found ? L("Ready") : L("Images only"));
    setTextColor(m_statusText, found ? Typography::secondaryText(palette()) : kOrange);
    m_status->setToolTip(found ? L("Media conversion and inspection are available.")
                               : L("Images work now. Video and audio need: %@", InstallHint::ffmpegInstallCommand()));
    m_status->setAccessibleName(m_statusText->text());
    m_status->setAccessibleDescription(m_status->toolTip());
}

} // namespace karvo
