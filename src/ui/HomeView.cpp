// SPDX-License-Identifier: GPL-3.0-or-later
#include "HomeView.h"

#include "ActionPicker.h"
#include "AppIcon.h"
#include "CardBackground.h"
#include "DropZone.h"
#include "HoverRowButton.h"
#include "InstallHint.h"
#include "Localization.h"
#include "Preferences.h"
#include "QuickDragController.h"
#include "QuickDragControls.h"
#include "SettingsDefaults.h"
#include "ShortcutDemoCard.h"
#include "SymbolIcons.h"
#include "SystemColors.h"
#include "Typography.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariantAnimation>

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

// The Quick Drag card's tinted, outlined background.
class AccentCard : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        paintCardBackground(*this, 12, Typography::accent(palette()), 0.08, 0.35);
    }
};

// The shortcut tips' chevron: points up while the demos are shown, down while hidden.
class Chevron : public QWidget {
public:
    explicit Chevron(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(12, 12);
        m_turn = new QVariantAnimation(this);
        m_turn->setDuration(250);
        m_turn->setEasingCurve(QEasingCurve::InOutCubic);
        connect(m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
            m_angle = value.toReal();
            update();
        });
    }
    void setUp(bool up, bool animated)
    {
        const qreal target = up ? 180 : 0;
        m_turn->stop();
        if (!animated) {
            m_angle = target;
            update();
            return;
        }
        m_turn->setStartValue(m_angle);
        m_turn->setEndValue(target);
        m_turn->start();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(rect().center() + QPointF(0.5, 0.5));
        p.rotate(m_angle);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(-4, -2), QPointF(0, 2), QPointF(4, -2)}));
    }

private:
    QVariantAnimation* m_turn = nullptr;
    qreal m_angle = 0;
};

void setTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QString preferenceKey(const char* key)
{
    return QString::fromLatin1(key);
}

} // namespace

HomeView::HomeView(QuickDragController& quickDrag, QWidget* parent) : QWidget(parent), m_quickDrag(quickDrag)
{
    const QVariant hidden = Preferences::value(preferenceKey(SettingsDefaults::homeShortcutsHiddenKey));
    m_shortcutsHidden = hidden.typeId() == QMetaType::Bool && hidden.toBool();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(18);
    layout->addWidget(buildHeader());
    layout->addWidget(buildQuickDragCard());
    layout->addWidget(buildShortcutSection());

    // One of the two shows at a time; each takes its own height (a stack would give both the taller one's).
    m_dropZone = new DropZone(this);
    m_picker = new ActionPicker(this);
    m_picker->hide();
    layout->addWidget(m_dropZone);
    layout->addWidget(m_picker);
    layout->addStretch(1);

    auto* footer = new QLabel(L("Results are saved next to the source file — never overwriting the original."), this);
    footer->setFont(Typography::font(10));
    footer->setAlignment(Qt::AlignCenter);
    footer->setWordWrap(true);
    setTextColor(footer, Typography::secondaryText(palette()));
    layout->addWidget(footer);

    setToolsFound(true);
    applyShortcutsHidden();
    connect(&m_quickDrag, &QuickDragController::stateChanged, this, [this] { followQuickDrag(true); });
    followQuickDrag(false);
}

QWidget* HomeView::buildHeader()
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    auto* icon = new QLabel(header);
    icon->setPixmap(AppIcon::current().pixmap(56, 56));
    icon->setFixedSize(56, 56);
    row->addWidget(icon);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(3);
    auto* title = new QLabel(L("Karvo"), header);
    title->setFont(Typography::font(22, QFont::Bold));
    titles->addWidget(title);
    auto* subtitle = new QLabel(L("Drag & drop converter for video, audio, and images"), header);
    subtitle->setFont(Typography::font(12));
    subtitle->setWordWrap(true);
    setTextColor(subtitle, Typography::secondaryText(palette()));
    titles->addWidget(subtitle);
    row->addLayout(titles, 1);

    m_status = new QWidget(header);
    auto* status = new QHBoxLayout(m_status);
    status->setContentsMargins(0, 0, 0, 0);
    status->setSpacing(6);
    m_statusDot = new StatusDot(m_status);
    status->addWidget(m_statusDot);
    m_statusText = new QLabel(m_status);
    m_statusText->setFont(Typography::font(10));
    status->addWidget(m_statusText);
    row->addWidget(m_status, 0, Qt::AlignVCenter);
    return header;
}

QWidget* HomeView::buildQuickDragCard()
{
    auto* card = new AccentCard(this);
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(8);
    m_quickDragControls = new QuickDragControls(m_quickDrag, card);
    layout->addWidget(m_quickDragControls);
    m_replayDemo = new QPushButton(L("Replay demo"), card);
    m_replayDemo->setFlat(true);
    m_replayDemo->setCursor(Qt::PointingHandCursor);
    m_replayDemo->setFont(Typography::font(12));
    m_replayDemo->setAccessibleName(L("Replay demo"));
    QPalette link = m_replayDemo->palette();
    link.setColor(QPalette::ButtonText, Typography::accent(palette()));
    m_replayDemo->setPalette(link);
    m_replayDemo->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; text-align: left; }"));
    connect(m_replayDemo, &QPushButton::clicked, this, [this] {
        if (m_onReplayDemo)
            m_onReplayDemo();
    });
    layout->addWidget(m_replayDemo, 0, Qt::AlignLeading);
    return card;
}

QWidget* HomeView::buildShortcutSection()
{
    auto* section = new QWidget(this);
    auto* layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    m_tipsButton = new HoverRowButton(section);
    m_tipsButton->row()->setContentsMargins(10, 7, 10, 7);
    auto* keys = new QHBoxLayout;
    keys->setSpacing(4);
    keys->addWidget(new KeyCap(QStringLiteral("⇧"), m_tipsButton));
    keys->addWidget(new KeyCap(QStringLiteral("⇧ Alt"), m_tipsButton));
    m_tipsButton->row()->addLayout(keys);
    auto* label = new QLabel(L("Shortcut tips"), m_tipsButton);
    label->setFont(Typography::font(10, QFont::Medium));
    m_tipsButton->row()->addWidget(label);
    m_tipsButton->row()->addStretch(1);
    auto* chevron = new Chevron(m_tipsButton);
    m_chevron = chevron;
    m_tipsButton->row()->addWidget(chevron);
    m_tipsButton->setAccessibleName(L("Shortcut tips"));
    connect(m_tipsButton, &QAbstractButton::clicked, this, &HomeView::toggleShortcuts);
    layout->addWidget(m_tipsButton);

    m_cardRow = new QWidget(section);
    auto* cards = new QHBoxLayout(m_cardRow);
    cards->setContentsMargins(0, 0, 0, 0);
    cards->setSpacing(14);
    // An invalid colour: the cards follow the palette's accent, also after an appearance change.
    const QColor accent;
    m_cards << new ShortcutDemoCard({QStringLiteral("⇧")}, L("Shift + Drag"), L("Convert format"),
                                    {QStringLiteral("MP4"), QStringLiteral("MKV"), QStringLiteral("GIF"),
                                     QStringLiteral("MP3"), QStringLiteral("M4A"), QStringLiteral("MOV"),
                                     QStringLiteral("JPEG"), QStringLiteral("PNG"), QStringLiteral("HEIC")},
                                    accent, m_cardRow);
    m_cards << new ShortcutDemoCard({QStringLiteral("⇧"), QStringLiteral("Alt")}, L("Shift + Alt + Drag"),
                                    L("Edit tools"),
                                    {L("Crop"), L("Trim"), L("Compress"), L("Resize"), L("Rotate"), L("Mute"),
                                     L("Speed"), L("Snapshot"), L("Split"), L("Remove Meta")},
                                    accent, m_cardRow);
    for (ShortcutDemoCard* card : std::as_const(m_cards))
        cards->addWidget(card, 1);
    layout->addWidget(m_cardRow);

    // The section is dimmed piece by piece: an opacity effect over it all would draw the whole section off
    // screen again for every frame of the demos. The tips button, which stays still, keeps an effect; the
    // cards draw themselves faded.
    m_tipsOpacity = new QGraphicsOpacityEffect(m_tipsButton);
    m_tipsOpacity->setEnabled(false);
    m_tipsButton->setGraphicsEffect(m_tipsOpacity);
    m_sectionFade = new QVariantAnimation(this);
    m_sectionFade->setDuration(250);
    m_sectionFade->setEasingCurve(QEasingCurve::InOutCubic);
    connect(m_sectionFade, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setShortcutSectionOpacity(value.toReal()); });
    return section;
}

void HomeView::showPicker(bool picker)
{
    m_dropZone->setVisible(!picker);
    m_picker->setVisible(picker);
}

bool HomeView::isShowingPicker() const
{
    return !m_picker->isHidden();
}

void HomeView::setToolsFound(bool found)
{
    const QColor orange = SystemColors::color(SystemColor::orange, palette());
    static_cast<StatusDot*>(m_statusDot)->color = found ? SystemColors::color(SystemColor::green, palette()) : orange;
    m_statusDot->update();
    m_statusText->setText(found ? L("Ready") : L("Images only"));
    setTextColor(m_statusText, found ? Typography::secondaryText(palette()) : orange);
    m_status->setToolTip(found ? L("Media conversion and inspection are available.")
                               : L("Images work now. Video and audio need: %@", InstallHint::ffmpegInstallCommand()));
    m_status->setAccessibleName(m_statusText->text());
    m_status->setAccessibleDescription(m_status->toolTip());
}

void HomeView::toggleShortcuts()
{
    m_shortcutsHidden = !m_shortcutsHidden;
    Preferences::setValue(preferenceKey(SettingsDefaults::homeShortcutsHiddenKey), m_shortcutsHidden);
    applyShortcutsHidden();
    static_cast<Chevron*>(m_chevron)->setUp(!m_shortcutsHidden, true);
}

void HomeView::applyShortcutsHidden()
{
    // Hidden cards stop their animation: nothing runs for what cannot be seen. Shown ones that were never hidden
    // simply appear with the window: showing them now would lay them out before the window has its size.
    if (m_shortcutsHidden || m_cardRow->testAttribute(Qt::WA_WState_ExplicitShowHide))
        m_cardRow->setVisible(!m_shortcutsHidden);
    static_cast<Chevron*>(m_chevron)->setUp(!m_shortcutsHidden, false);
    m_tipsButton->setAccessibleDescription(m_shortcutsHidden ? L("Shows the shortcut demos")
                                                             : L("Hides the shortcut demos"));
    m_dropZone->setVerticalPadding(m_shortcutsHidden ? 44 : 22);
}

void HomeView::followQuickDrag(bool animated)
{
    const bool ready = m_quickDrag.state() == QuickDragState::ready;
    m_dropZone->setQuickDragReady(ready);
    const qreal target = ready ? 1.0 : 0.45;
    m_sectionFade->stop();
    if (!animated) {
        setShortcutSectionOpacity(target);
        return;
    }
    m_sectionFade->setStartValue(m_sectionOpacity);
    m_sectionFade->setEndValue(target);
    m_sectionFade->start();
}

void HomeView::setShortcutSectionOpacity(qreal opacity)
{
    m_sectionOpacity = opacity;
    m_tipsOpacity->setOpacity(opacity);
    // Fully opaque needs no off-screen pass.
    m_tipsOpacity->setEnabled(opacity < 0.999);
    for (ShortcutDemoCard* card : std::as_const(m_cards))
        card->setContentOpacity(opacity);
}

} // namespace karvo
