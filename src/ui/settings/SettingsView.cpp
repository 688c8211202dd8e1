// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsView.h"

#include "CardBackground.h"
#include "HoverRowButton.h"
#include "IconTile.h"
#include "Localization.h"
#include "SettingsDetail.h"
#include "SettingsSection.h"
#include "SymbolIcons.h"
#include "Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

namespace karvo {

namespace {

// The search field's magnifying glass, drawn: no shipped glyph carries it.
class Magnifier : public QWidget {
public:
    explicit Magnifier(QWidget* parent) : QWidget(parent) { setFixedSize(12, 12); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Typography::secondaryText(palette()), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawEllipse(QRectF(1, 1, 7.2, 7.2));
        p.drawLine(QPointF(7.4, 7.4), QPointF(11, 11));
    }
};

// The rounded, faintly filled and outlined frame around the search field.
class SearchFrame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        paintCardBackground(*this, 7, palette().color(QPalette::WindowText), 0.06, 0.08);
    }
};

// The sidebar column, a shade apart from the page beside it.
class SidebarPane : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {195, QWidget::sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QColor shade = palette().color(QPalette::WindowText);
        shade.setAlphaF(0.03f);
        QPainter(this).fillRect(rect(), shade);
    }
};

} // namespace

SettingsView::SettingsView(SettingsContext context, QWidget* parent) : QWidget(parent), m_context(std::move(context))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setChildrenCollapsible(false);
    split->setHandleWidth(1);
    split->addWidget(buildSidebar());

    m_detailScroll = new QScrollArea(split);
    m_detailScroll->setWidgetResizable(true);
    m_detailScroll->setFrameShape(QFrame::NoFrame);
    m_detailScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_detailScroll->setMinimumSize(470, 480);
    split->addWidget(m_detailScroll);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({195, 600});
    layout->addWidget(split);

    fillList();
    showDetail();
    // The list, not Back, has the keyboard when the screen opens.
    m_list->setFocus();
}

QWidget* SettingsView::buildSidebar()
{
    auto* sidebar = new SidebarPane(this);
    sidebar->setMinimumWidth(175);
    sidebar->setMaximumWidth(220);
    auto* column = new QVBoxLayout(sidebar);
    column->setContentsMargins(0, 8, 0, 8);
    column->setSpacing(0);

    auto* back = new HoverRowButton(sidebar);
    back->setAccessibleName(L("Back"));
    back->row()->setContentsMargins(10, 8, 10, 8);
    back->row()->setSpacing(5);
    auto* chevron = new QLabel(back);
    QPixmap arrow = SymbolIcons::pixmap(QStringLiteral("chevron.left"), 12, palette().color(QPalette::WindowText),
                                        devicePixelRatioF());
    // Back points the way the reading goes back: to the right in a right-to-left language.
    if (layoutDirection() == Qt::RightToLeft) {
        const qreal ratio = arrow.devicePixelRatio();
        arrow = QPixmap::fromImage(arrow.toImage().mirrored(true, false));
        arrow.setDevicePixelRatio(ratio);
    }
    chevron->setPixmap(arrow);
    back->row()->addWidget(chevron);
    auto* backText = new QLabel(L("Back"), back);
    backText->setFont(Typography::font(13));
    back->row()->addWidget(backText);
    back->row()->addStretch(1);
    // Called once Back has finished handling its click: the owner may delete this view in answer.
    connect(back, &QAbstractButton::clicked, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [onBack = m_context.onBack] {
                if (onBack)
                    onBack();
            },
            Qt::QueuedConnection);
    });
    m_back = back;
    auto* backRow = new QHBoxLayout;
    backRow->setContentsMargins(8, 0, 8, 0);
    backRow->addWidget(back);
    column->addLayout(backRow);

    auto* frame = new SearchFrame(sidebar);
    auto* field = new QHBoxLayout(frame);
    field->setContentsMargins(8, 5, 8, 5);
    field->setSpacing(6);
    field->addWidget(new Magnifier(frame), 0, Qt::AlignVCenter);
    m_search = new QLineEdit(frame);
    m_search->setFrame(false);
    m_search->setFont(Typography::font(13));
    m_search->setPlaceholderText(L("Search"));
    m_search->setAccessibleName(L("Search"));
    m_search->setClearButtonEnabled(true);
    QPalette clear = m_search->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    m_search->setPalette(clear);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) { setQuery(text); });
    field->addWidget(m_search, 1);
    auto* searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(10, 6, 10, 6);
    searchRow->addWidget(frame);
    column->addLayout(searchRow);

    m_list = new QListWidget(sidebar);
    m_list->setAccessibleName(L("Settings"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setIconSize(QSize(22, 22));
    m_list->setFont(Typography::font(13));
    m_list->setSpacing(1);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette listPalette = m_list->palette();
    listPalette.setColor(QPalette::Base, Qt::transparent);
    m_list->setPalette(listPalette);
    auto* listRow = new QHBoxLayout;
    listRow->setContentsMargins(8, 4, 8, 0);
    listRow->addWidget(m_list);
    column->addLayout(listRow, 1);

    auto* overlay = new QVBoxLayout(m_list->viewport());
    m_noResults = new QLabel(L("No Results"), m_list->viewport());
    m_noResults->setFont(Typography::font(13));
    m_noResults->setAlignment(Qt::AlignCenter);
    SettingsSection::setTextColor(m_noResults, Typography::secondaryText(palette()));
    overlay->addWidget(m_noResults, 0, Qt::AlignHCenter | Qt::AlignTop);
    overlay->addStretch(1);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_listed.size())
            selectPage(m_listed.at(row));
    });
    return sidebar;
}

void SettingsView::setQuery(const QString& query)
{
    m_query = query;
    if (m_search->text() != query)
        m_search->setText(query); // comes back here through textChanged
    else
        fillList();
}

void SettingsView::selectPage(SettingsPage page)
{
    m_page = page;
    const int row = int(m_listed.indexOf(page));
    if (m_list->currentRow() != row) {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentRow(row);
    }
    showDetail();
}

void SettingsView::fillList()
{
    m_listed = filteredPages(m_query);
    // Refilling the list only changes what is listed: the page shown stays, highlighted where listed.
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    const qreal ratio = devicePixelRatioF();
    for (SettingsPage page : m_listed) {
        const QColor tint = SystemColors::color(SettingsPages::tint(page), palette());
        auto* item = new QListWidgetItem(QIcon(IconTile::pixmap(SettingsPages::symbol(page), tint, 22, ratio)),
                                         SettingsPages::title(page), m_list);
        item->setData(Qt::UserRole, SettingsPages::rawValue(page));
        item->setSizeHint(QSize(0, 32));
    }
    m_list->setCurrentRow(int(m_listed.indexOf(m_page)));
    m_noResults->setVisible(m_listed.isEmpty());
}

void SettingsView::showDetail()
{
    m_detail = new SettingsDetail(m_page, m_context);
    m_detailScroll->setWidget(m_detail); // deletes the page shown before
}

} // namespace karvo
