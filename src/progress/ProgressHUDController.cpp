// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressHUDController.h"

#include "Clock.h"
#include "FileRevealer.h"
#include "Localization.h"
#include "PanelGeometry.h"
#include "PanelWindowSystem.h"
#include "ProgressPanel.h"
#include "TaskManager.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLayout>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSet>
#include <QToolButton>
#include <QVariantAnimation>
#include <algorithm>

namespace karvo {

using Status = ConversionTask::Status;

namespace {
constexpr int kCardFadeInMs = 220;
constexpr int kCardFadeOutMs = 180;
constexpr int kPanelFadeInMs = 200;
constexpr int kPanelFadeOutMs = 150;
constexpr int kFrameMs = 200;
} // namespace

ProgressHUDController::ProgressHUDController(TaskManager& manager, Options options, QObject* parent)
    : QObject(parent), m_manager(manager), m_options(std::move(options)), m_services(std::make_shared<CardServices>())
{
    if (!m_options.revealer)
        m_options.revealer = FileRevealer::system();
    if (!m_options.clock)
        m_options.clock = Clock::system();
    m_services->manager = &m_manager;
    m_services->revealer = m_options.revealer;
    m_services->clock = m_options.clock;
    QPointer<ProgressHUDController> self(this);
    m_services->taskCancelled = [self] {
        if (self)
            self->reload();
    };
    m_manager.setOnChange([self] {
        if (self)
            self->reload();
    });
    // Installing a translation sends the application a LanguageChange event.
    qApp->installEventFilter(this);
}

ProgressHUDController::~ProgressHUDController()
{
    delete m_panel;
}

ProgressHUDController& ProgressHUDController::shared()
{
    // Lives as long as the program, like the task manager it listens to.
    static ProgressHUDController* instance = new ProgressHUDController(TaskManager::shared());
    return *instance;
}

bool ProgressHUDController::eventFilter(QObject* watched, QEvent* event)
{
    // Queued: while the event is being sent, the new translation is not yet visible to lookups.
    if (watched == qApp && event->type() == QEvent::LanguageChange && !m_languageReloadPending) {
        m_languageReloadPending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_languageReloadPending = false;
                reload();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

QList<TaskCardView*> ProgressHUDController::cards() const
{
    QList<TaskCardView*> ordered;
    if (!m_panel)
        return ordered;
    const QLayout* layout = m_panel->stack()->layout();
    for (int i = 0; i < layout->count(); ++i) {
        auto* card = qobject_cast<TaskCardView*>(layout->itemAt(i)->widget());
        if (card && m_cardViews.value(card->taskId()) == card)
            ordered << card;
    }
    return ordered;
}

void ProgressHUDController::setRevealer(std::shared_ptr<FileRevealer> revealer)
{
    if (!revealer)
        return;
    m_options.revealer = revealer;
    m_services->revealer = std::move(revealer);
}

void ProgressHUDController::refreshChrome()
{
    if (!m_panel)
        return;
    m_panel->headerLabel()->setText(L("Conversions"));
    m_panel->clearButton()->setText(L("Clear Finished"));
    m_panel->clearButton()->setAccessibleName(L("Clear finished tasks"));
    m_panel->setAccessibleName(L("Conversions"));
}

void ProgressHUDController::reload()
{
    const QList<TaskPtr> tasks = m_manager.tasks();
    if (!tasks.isEmpty() && !m_panel)
        createPanel();
    refreshChrome();
    if (!m_panel)
        return;

    QSet<QUuid> listed;
    for (const TaskPtr& t : tasks)
        listed.insert(t->id());
    for (auto it = m_cardViews.begin(); it != m_cardViews.end();) {
        if (listed.contains(it.key())) {
            ++it;
            continue;
        }
        fadeOut(it.value());
        it = m_cardViews.erase(it);
    }

    QList<TaskCardView*> added;
    for (const TaskPtr& t : tasks) {
        if (TaskCardView* existing = m_cardViews.value(t->id())) {
            existing->update(t);
            continue;
        }
        auto* card = new TaskCardView(t, m_services);
        auto* opacity = new QGraphicsOpacityEffect(card);
        opacity->setOpacity(0);
        card->setGraphicsEffect(opacity);
        m_cardViews.insert(t->id(), card);
        m_panel->appendCard(card);
        // Shown now (with the panel, when that is hidden), so the stack measures it in this reload.
        card->show();
        added << card;
    }
    if (!added.isEmpty()) {
        m_panel->stack()->layout()->activate();
        for (TaskCardView* card : added)
            fadeIn(card);
    }

    const bool anyFinished = std::any_of(tasks.cbegin(), tasks.cend(), [](const TaskPtr& t) {
        const Status s = t->status();
        return s == Status::done || s == Status::failed || s == Status::cancelled;
    });
    m_panel->clearButton()->setVisible(anyFinished);

    if (tasks.isEmpty())
        hidePanel();
    else
        fitPanel(false);
}

void ProgressHUDController::createPanel()
{
    const bool translucent = m_options.translucent.value_or(PanelWindowSystem::compositorRunning());
    m_panel = new ProgressPanel(translucent);
    connect(m_panel, &ProgressPanel::clearClicked, this, [this] { m_manager.purgeFinished(); });
}

std::optional<QRect> ProgressHUDController::availableArea(bool ofPanelScreen) const
{
    QScreen* screen = ofPanelScreen && m_panel ? m_panel->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return screen->availableGeometry();
}

void ProgressHUDController::fitPanel(bool justCreated)
{
    const bool shown = m_panel->isVisible() && !justCreated;
    const int maxHeight = PanelGeometry::maxHeight(availableArea(shown));
    const int desired = PanelGeometry::desiredHeight(m_panel->headerHeight(), m_panel->stackHeight(), maxHeight);
    if (!shown) {
        showPanel(desired);
        return;
    }
    // A fade-out under way would hide the panel with its new cards: turn it back.
    if (m_windowFade && m_windowFade->state() == QAbstractAnimation::Running &&
        m_windowFade->endValue().toDouble() == 0) {
        m_windowFade->stop();
        m_panel->setWindowOpacity(1);
    }
    const QRect current = m_frameAnimation && m_frameAnimation->state() == QAbstractAnimation::Running
                              ? m_frameAnimation->endValue().toRect()
                              : m_panel->panelRect();
    if (const auto frame = PanelGeometry::resizedFrame(current, desired, availableArea(true)))
        animateFrame(*frame);
}

void ProgressHUDController::showPanel(int height)
{
    if (m_frameAnimation)
        m_frameAnimation->stop();
    QRect frame(m_panel->panelRect().topLeft(), QSize(PanelGeometry::kWidth, height));
    if (QScreen* main = QGuiApplication::primaryScreen())
        frame = PanelGeometry::cornerFrame(main->availableGeometry(), height);
    m_panel->setPanelRect(frame);
    const bool fade = m_panel->isTranslucent();
    m_panel->setWindowOpacity(fade ? 0 : 1);
    m_panel->winId(); // the native window, so it can be marked before it is mapped
    PanelWindowSystem::prepareForAllWorkspaces(m_panel->windowHandle());
    m_panel->show();
    PanelWindowSystem::showOnAllWorkspaces(m_panel->windowHandle());
    if (!fade)
        return;
    if (!m_windowFade)
        m_windowFade = new QVariantAnimation(this);
    m_windowFade->stop();
    m_windowFade->disconnect(this);
    m_windowFade->setStartValue(0.0);
    m_windowFade->setEndValue(1.0);
    m_windowFade->setDuration(kPanelFadeInMs);
    m_windowFade->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_windowFade, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        if (m_panel)
            m_panel->setWindowOpacity(v.toDouble());
    });
    m_windowFade->start();
}

void ProgressHUDController::hidePanel()
{
    if (!m_panel || !m_panel->isVisible())
        return;
    if (!m_panel->isTranslucent()) {
        // Window opacity needs a compositor: without one the fade is a plain hide.
        m_panel->hide();
        return;
    }
    if (!m_windowFade)
        m_windowFade = new QVariantAnimation(this);
    m_windowFade->stop();
    m_windowFade->disconnect(this);
    m_windowFade->setStartValue(m_panel->windowOpacity());
    m_windowFade->setEndValue(0.0);
    m_windowFade->setDuration(kPanelFadeOutMs);
    m_windowFade->setEasingCurve(QEasingCurve::InCubic);
    connect(m_windowFade, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        if (m_panel)
            m_panel->setWindowOpacity(v.toDouble());
    });
    connect(m_windowFade, &QVariantAnimation::finished, this, [this] {
        if (!m_panel)
            return;
        m_panel->hide();
        m_panel->setWindowOpacity(1);
    });
    m_windowFade->start();
}

void ProgressHUDController::animateFrame(const QRect& target)
{
    if (!m_frameAnimation) {
        m_frameAnimation = new QVariantAnimation(this);
        m_frameAnimation->setDuration(kFrameMs);
        m_frameAnimation->setEasingCurve(QEasingCurve::InOutCubic);
        connect(m_frameAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
            if (m_panel)
                m_panel->setPanelRect(v.toRect());
        });
    }
    m_frameAnimation->stop();
    m_frameAnimation->setStartValue(m_panel->panelRect());
    m_frameAnimation->setEndValue(target);
    m_frameAnimation->start();
}

void ProgressHUDController::fadeIn(TaskCardView* card)
{
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(card->graphicsEffect());
    if (!effect)
        return;
    auto* fade = new QPropertyAnimation(effect, "opacity", card);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->setDuration(kCardFadeInMs);
    fade->setEasingCurve(QEasingCurve::OutCubic);
    // The effect renders the card off screen on every paint: drop it once the card is fully shown.
    connect(fade, &QPropertyAnimation::finished, card, [card] { card->setGraphicsEffect(nullptr); });
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void ProgressHUDController::fadeOut(TaskCardView* card)
{
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(card->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsOpacityEffect(card);
        effect->setOpacity(1);
        card->setGraphicsEffect(effect);
    }
    // A fade-in still under way would otherwise drop the effect this fade works on.
    for (QPropertyAnimation* running : card->findChildren<QPropertyAnimation*>())
        running->stop();
    ++m_leaving;
    card->setEnabled(false);
    auto* fade = new QPropertyAnimation(effect, "opacity", card);
    fade->setStartValue(effect->opacity());
    fade->setEndValue(0.0);
    fade->setDuration(kCardFadeOutMs);
    fade->setEasingCurve(QEasingCurve::InCubic);
    QPointer<ProgressHUDController> self(this);
    connect(fade, &QPropertyAnimation::finished, card, [self, card] {
        if (self) {
            --self->m_leaving;
            if (self->m_panel) {
                self->m_panel->removeCard(card);
                // The panel shrinks from the bottom once the card is gone.
                if (self->m_panel->isVisible() && !self->m_cardViews.isEmpty())
                    self->fitPanel(false);
            }
        }
        card->hide();
        card->deleteLater();
    });
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace karvo
