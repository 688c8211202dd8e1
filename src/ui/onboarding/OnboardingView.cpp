// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnboardingView.h"

#include "AppIcon.h"
#include "Localization.h"
#include "Preferences.h"
#include "QuickDragController.h"
#include "QuickDragControls.h"
#include "SettingsDefaults.h"
#include "SymbolIcons.h"
#include "Typography.h"
#include "VirtualFinderDemoView.h"

#include <QGraphicsDropShadowEffect>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace karvo {

namespace {

// The ease-in-out timing curve used for the page and dot animations.
QEasingCurve easeInOut()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(static_cast<float>(alpha * color.alphaF()));
    return color;
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette colors = widget->palette();
    colors.setColor(QPalette::WindowText, color);
    widget->setPalette(colors);
}

// Holds `widget` in the middle of the row, as wide as the row allows up to the widget's maximum width.
QHBoxLayout* centred(QWidget* widget)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addStretch(1);
    row->addWidget(widget, 1000);
    row->addStretch(1);
    return row;
}

QLabel* pageTitle(const QString& text, QWidget* parent)
{
    auto* title = new QLabel(text, parent);
    title->setFont(Typography::font(17, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    return title;
}

// The application icon with rounded corners and a soft shadow.
class AppIconView : public QWidget {
public:
    explicit AppIconView(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(84, 84);
        auto* shadow = new QGraphicsDropShadowEffect(this);
        shadow->setColor(QColor::fromRgbF(0, 0, 0, 0.15f));
        shadow->setBlurRadius(16);
        shadow->setOffset(0, 0);
        setGraphicsEffect(shadow);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 19, 19);
        painter.setClipPath(shape);
        const QIcon icon = AppIcon::current();
        if (!icon.isNull()) {
            painter.drawPixmap(rect(), icon.pixmap(size(), devicePixelRatioF()));
            return;
        }
        // No icon installed (a build run from its folder): the accent tile with the drop symbol.
        painter.fillPath(shape, Typography::accent(palette()));
        const QPixmap glyph = SymbolIcons::pixmap(QStringLiteral("arrow.down.doc"), 44,
                                                  palette().color(QPalette::HighlightedText), devicePixelRatioF());
        painter.drawPixmap(QRectF(20, 20, 44, 44), glyph, QRectF(glyph.rect()));
    }
};

// One key of a shortcut, as on a keyboard.
class KeyCap : public QWidget {
public:
    KeyCap(const QString& key, QWidget* parent) : QWidget(parent), m_key(key)
    {
        setFont(Typography::font(13, QFont::Medium));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QSize sizeHint() const override
    {
        const QFontMetrics metrics(font());
        return {std::max(26, metrics.horizontalAdvance(m_key) + 12), std::max(24, metrics.height() + 6)};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF cap = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -1.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgbF(0, 0, 0, 0.08f));
        painter.drawRoundedRect(cap.translated(0, 1), 6, 6);
        painter.setPen(QPen(withAlpha(palette().color(QPalette::WindowText), 0.18), 0.75));
        painter.setBrush(withAlpha(palette().color(QPalette::Window).lighter(104), 0.92));
        painter.drawRoundedRect(cap, 6, 6);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(cap, Qt::AlignCenter, m_key);
    }

private:
    QString m_key;
};

// A shortcut shown as its key caps followed by what it does, on a faint capsule.
class ShortcutCapsule : public QWidget {
public:
    ShortcutCapsule(const QStringList& keys, const QString& label, QWidget* parent) : QWidget(parent)
    {
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(8, 6, 12, 6);
        row->setSpacing(4);
        for (const QString& key : keys)
            row->addWidget(new KeyCap(key, this));
        row->addSpacing(4);
        auto* text = new QLabel(label, this);
        text->setFont(Typography::font(10));
        row->addWidget(text);
        setAccessibleName(keys.join(QLatin1Char('+')) + QStringLiteral(": ") + label);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(withAlpha(palette().color(QPalette::WindowText), 0.08), 1));
        painter.setBrush(withAlpha(palette().color(QPalette::WindowText), 0.045));
        painter.drawRoundedRect(shape, shape.height() / 2, shape.height() / 2);
    }
};

// The tinted frame around the Quick Drag switch row.
class AccentBox : public QWidget {
public:
    explicit AccentBox(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor accent = Typography::accent(palette());
        painter.setPen(QPen(withAlpha(accent, 0.3), 1));
        painter.setBrush(withAlpha(accent, 0.08));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    }
};

// The accent colour behind the title, for the one button that moves the introduction on.
void makeProminent(QPushButton* button)
{
    QPalette colors = button->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colors.setColor(group, QPalette::Button, colors.color(group, QPalette::Highlight));
        colors.setColor(group, QPalette::ButtonText, colors.color(group, QPalette::HighlightedText));
    }
    button->setPalette(colors);
    button->setFont(Typography::font(13, QFont::Medium));
    // The large control size.
    button->setMinimumHeight(button->fontMetrics().height() + 16);
    button->setMinimumWidth(120);
}

void makeLink(QPushButton* button)
{
    const QColor accent = Typography::accent(button->palette());
    button->setFlat(true);
    button->setFont(Typography::font(12));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; color: %1;"
                                         " padding: 4px 8px; } QPushButton:hover { text-decoration: underline; }")
                              .arg(accent.name(QColor::HexArgb)));
}

} // namespace

// The pages, of which one is shown; a change slides the new page in from the trailing edge while the old
// one leaves towards the leading edge, both fading.
class OnboardingPageStage : public QWidget {
public:
    explicit OnboardingPageStage(QWidget* parent) : QWidget(parent), m_slide(new QVariantAnimation(this))
    {
        m_slide->setDuration(OnboardingView::pageTransitionMs);
        m_slide->setEasingCurve(easeInOut());
        m_slide->setStartValue(0.0);
        m_slide->setEndValue(1.0);
        QObject::connect(m_slide, &QVariantAnimation::valueChanged, this,
                         [this](const QVariant& value) { place(value.toDouble()); });
        QObject::connect(m_slide, &QVariantAnimation::finished, this, [this] { settle(); });
    }

    void addPage(QWidget* page)
    {
        page->setParent(this);
        page->setVisible(m_pages.isEmpty());
        m_pages.append(page);
        place(1);
    }
    QWidget* page(int index) const { return m_pages.value(index); }
    bool isSliding() const { return m_outgoing != nullptr; }

    void slideTo(int index)
    {
        settle();
        if (index == m_current || !m_pages.value(index))
            return;
        m_outgoing = m_pages[m_current];
        m_current = index;
        QWidget* incoming = m_pages[m_current];
        m_outgoing->setGraphicsEffect(new QGraphicsOpacityEffect(m_outgoing));
        incoming->setGraphicsEffect(new QGraphicsOpacityEffect(incoming));
        place(0);
        incoming->show();
        m_slide->start();
    }

    void settle()
    {
        if (!m_outgoing)
            return;
        m_slide->stop();
        m_outgoing->hide();
        m_outgoing->setGraphicsEffect(nullptr);
        m_outgoing = nullptr;
        if (QWidget* current = m_pages.value(m_current))
            current->setGraphicsEffect(nullptr);
        place(1);
    }

    QSize sizeHint() const override
    {
        QSize size;
        for (const QWidget* page : m_pages)
            size = size.expandedTo(page->sizeHint());
        return size;
    }
    QSize minimumSizeHint() const override
    {
        QSize size;
        for (const QWidget* page : m_pages)
            size = size.expandedTo(page->minimumSizeHint());
        return size;
    }

protected:
    void resizeEvent(QResizeEvent*) override { place(isSliding() ? m_slide->currentValue().toDouble() : 1); }

private:
    void place(double progress)
    {
        const int travel = width();
        const int direction = layoutDirection() == Qt::RightToLeft ? -1 : 1;
        if (QWidget* current = m_pages.value(m_current)) {
            current->setGeometry(
                rect().translated(static_cast<int>(std::lround(direction * travel * (1 - progress))), 0));
            if (auto* fade = qobject_cast<QGraphicsOpacityEffect*>(current->graphicsEffect()))
                fade->setOpacity(progress);
        }
        if (m_outgoing) {
            m_outgoing->setGeometry(
                rect().translated(static_cast<int>(std::lround(-direction * travel * progress)), 0));
            if (auto* fade = qobject_cast<QGraphicsOpacityEffect*>(m_outgoing->graphicsEffect()))
                fade->setOpacity(1 - progress);
        }
    }

    QList<QWidget*> m_pages;
    int m_current = 0;
    QWidget* m_outgoing = nullptr;
    QVariantAnimation* m_slide;
};

// One dot per page; the current one is larger and in the accent colour.
class OnboardingPageDots : public QWidget {
public:
    explicit OnboardingPageDots(QWidget* parent) : QWidget(parent), m_move(new QVariantAnimation(this))
    {
        m_move->setDuration(OnboardingView::dotsMs);
        m_move->setEasingCurve(easeInOut());
        QObject::connect(m_move, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
            m_position = value.toDouble();
            update();
        });
        setFixedSize(sizeHint());
        setFocusPolicy(Qt::NoFocus);
        describe(0);
    }

    void setPage(int page)
    {
        m_move->stop();
        m_move->setStartValue(m_position);
        m_move->setEndValue(static_cast<double>(page));
        m_move->start();
        describe(page);
    }

    QSize sizeHint() const override
    {
        return {
            static_cast<int>(std::ceil(OnboardingView::pageCount * dot * 1.2 + (OnboardingView::pageCount - 1) * gap)),
            12};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor accent = Typography::accent(palette());
        const QColor rest = withAlpha(Typography::secondaryText(palette()), 0.3);
        const double step = dot + gap;
        const double start = (width() - (OnboardingView::pageCount * dot + (OnboardingView::pageCount - 1) * gap)) / 2;
        for (int i = 0; i < OnboardingView::pageCount; ++i) {
            // 1 on the current page, fading to 0 one page away, so the highlight travels between dots.
            const double current = std::max(0.0, 1 - std::abs(m_position - i));
            const int slot = layoutDirection() == Qt::RightToLeft ? OnboardingView::pageCount - 1 - i : i;
            const QPointF centre(start + slot * step + dot / 2, height() / 2.0);
            const double radius = dot / 2 * (1 + 0.2 * current);
            const QColor fill =
                QColor::fromRgbF(rest.redF() + (accent.redF() - rest.redF()) * static_cast<float>(current),
                                 rest.greenF() + (accent.greenF() - rest.greenF()) * static_cast<float>(current),
                                 rest.blueF() + (accent.blueF() - rest.blueF()) * static_cast<float>(current),
                                 rest.alphaF() + (accent.alphaF() - rest.alphaF()) * static_cast<float>(current));
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawEllipse(centre, radius, radius);
        }
    }

private:
    static constexpr double dot = 7;
    static constexpr double gap = 6;

    void describe(int page) { setAccessibleName(L("Page %d of %d", page + 1, OnboardingView::pageCount)); }

    double m_position = 0;
    QVariantAnimation* m_move;
};

OnboardingView::OnboardingView(QuickDragController& quickDrag, Finish onFinish, QWidget* parent)
    : QWidget(parent), m_quickDrag(quickDrag), m_onFinish(std::move(onFinish))
{
    setAccessibleName(L("Welcome to Karvo"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(16, 10, 16, 0);
    top->addStretch(1);
    m_skip = new QPushButton(L("Skip"), this);
    m_skip->setAccessibleName(L("Skip"));
    m_skip->setAutoDefault(false);
    makeLink(m_skip);
    connect(m_skip, &QPushButton::clicked, this, [this] { complete(); });
    top->addWidget(m_skip);
    layout->addLayout(top);

    m_stage = new OnboardingPageStage(this);
    m_stage->addPage(buildWelcomePage());
    m_stage->addPage(buildWatchPage());
    m_stage->addPage(buildEnablePage());
    layout->addWidget(m_stage, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(24, 18, 24, 18);
    m_dots = new OnboardingPageDots(this);
    bottom->addWidget(m_dots, 0, Qt::AlignVCenter);
    bottom->addStretch(1);
    m_primary = new QPushButton(L("Continue"), this);
    m_primary->setAccessibleName(L("Continue"));
    m_primary->setDefault(true);
    makeProminent(m_primary);
    connect(m_primary, &QPushButton::clicked, this, [this] { advance(); });
    bottom->addWidget(m_primary);
    layout->addLayout(bottom);

    connect(&m_quickDrag, &QuickDragController::stateChanged, this, [this] { followQuickDrag(true); });
    followQuickDrag(false);
    setFocusProxy(m_primary);
}

QWidget* OnboardingView::buildWelcomePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 0, 24, 0);
    layout->setSpacing(0);
    layout->addStretch(1);
    layout->addWidget(new AppIconView(page), 0, Qt::AlignHCenter);
    layout->addSpacing(18);

    auto* title = new QLabel(L("Welcome to Karvo"), page);
    title->setFont(Typography::font(26, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    layout->addWidget(title);
    layout->addSpacing(10);

    auto* subtitle = new QLabel(
        L("Convert video, audio, and images right from a file manager drag — or straight from this window."), page);
    subtitle->setFont(Typography::font(12));
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setWordWrap(true);
    subtitle->setMaximumWidth(460);
    setTextColor(subtitle, Typography::secondaryText(page->palette()));
    layout->addLayout(centred(subtitle));
    layout->addSpacing(22);

    auto* shortcuts = new QHBoxLayout;
    shortcuts->setSpacing(12);
    shortcuts->addStretch(1);
    shortcuts->addWidget(new ShortcutCapsule({QStringLiteral("⇧")}, L("Convert format"), page));
    shortcuts->addWidget(new ShortcutCapsule({QStringLiteral("⇧"), QStringLiteral("Alt")}, L("Edit tools"), page));
    shortcuts->addStretch(1);
    layout->addLayout(shortcuts);
    layout->addStretch(1);
    return page;
}

QWidget* OnboardingView::buildWatchPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 0, 24, 0);
    layout->setSpacing(0);
    layout->addStretch(1);
    layout->addSpacing(4);
    layout->addWidget(pageTitle(L("Watch it in action"), page));
    layout->addSpacing(14);
    m_watchDemo = new VirtualFinderDemoView(DemoScene::quickDrag, page);
    m_watchDemo->setMaximumSize(640, 380);
    m_watchDemo->setMinimumSize(300, 180);
    layout->addLayout(centred(m_watchDemo), 12);
    layout->addStretch(1);
    return page;
}

QWidget* OnboardingView::buildEnablePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 0, 24, 0);
    layout->setSpacing(0);
    layout->addStretch(1);
    layout->addWidget(pageTitle(L("Enable Quick Drag"), page));
    layout->addSpacing(14);

    auto* box = new AccentBox(page);
    box->setMaximumWidth(560);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(12, 12, 12, 12);
    m_controls = new QuickDragControls(m_quickDrag, box);
    boxLayout->addWidget(m_controls);
    layout->addLayout(centred(box));
    layout->addSpacing(14);

    m_enableDemo = new VirtualFinderDemoView(DemoScene::manualDrop, page);
    m_enableDemo->setFixedHeight(250);
    m_enableDemo->setMaximumWidth(560);
    layout->addLayout(centred(m_enableDemo));
    layout->addStretch(1);
    return page;
}

QWidget* OnboardingView::pageWidget(int index) const
{
    return m_stage->page(index);
}

bool OnboardingView::isTransitioning() const
{
    return m_stage->isSliding();
}

void OnboardingView::settleTransition()
{
    m_stage->settle();
}

void OnboardingView::advance()
{
    if (m_page < pageCount - 1)
        showPage(m_page + 1);
    else
        complete();
}

void OnboardingView::complete()
{
    if (m_completed)
        return;
    m_completed = true;
    Preferences::setValue(QString::fromLatin1(SettingsDefaults::onboardingDoneKey), true);
    if (m_onFinish)
        m_onFinish();
}

void OnboardingView::showPage(int index)
{
    m_page = index;
    m_stage->slideTo(index);
    m_dots->setPage(index);
    const QString title = index < pageCount - 1 ? L("Continue") : L("Get Started");
    m_primary->setText(title);
    m_primary->setAccessibleName(title);
    // Focus left on a page that slid away would swallow Return.
    if (!m_primary->hasFocus())
        m_primary->setFocus(Qt::OtherFocusReason);
}

void OnboardingView::followQuickDrag(bool animated)
{
    // Once Quick Drag runs, the last page shows it in action; until then, the drop on the window.
    const DemoScene scene = m_quickDrag.state() == QuickDragState::ready ? DemoScene::quickDrag : DemoScene::manualDrop;
    m_enableDemo->setScene(scene, animated);
}

void OnboardingView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_primary->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void OnboardingView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_primary->setFocus(Qt::OtherFocusReason);
}

} // namespace karvo
