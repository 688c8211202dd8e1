// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

class QPushButton;

namespace karvo {

class OnboardingPageDots;
class OnboardingPageStage;
class QuickDragController;
class QuickDragControls;
class VirtualFinderDemoView;

// The first-run introduction: a welcome page, a page showing Quick Drag at work and a page to switch it
// on. Skip (on any page) and Get Started (on the last) both mark the introduction as done and hand back to
// the owner. A new view always starts on the first page; to show it in another language or appearance,
// the owner builds a new one.
class OnboardingView : public QWidget {
    Q_OBJECT

public:
    using Finish = std::function<void()>;

    static constexpr int pageCount = 3;
    static constexpr int pageTransitionMs = 300;
    static constexpr int dotsMs = 200;

    OnboardingView(QuickDragController& quickDrag, Finish onFinish, QWidget* parent = nullptr);

    int page() const { return m_page; }
    // The primary button: the next page, or completion on the last page.
    void advance();
    // Stores that the introduction was seen, then calls the owner's finish action, once.
    void complete();
    bool isCompleted() const { return m_completed; }

    bool isTransitioning() const;
    // Ends a running page transition at once.
    void settleTransition();

    QPushButton* skipButton() const { return m_skip; }
    QPushButton* primaryButton() const { return m_primary; }
    QWidget* pageWidget(int index) const;
    QuickDragControls* quickDragControls() const { return m_controls; }
    // The demonstration of the second page and the one below the switch on the last page.
    VirtualFinderDemoView* watchDemo() const { return m_watchDemo; }
    VirtualFinderDemoView* enableDemo() const { return m_enableDemo; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildWelcomePage();
    QWidget* buildWatchPage();
    QWidget* buildEnablePage();
    void showPage(int index);
    void followQuickDrag(bool animated);

    QuickDragController& m_quickDrag;
    Finish m_onFinish;
    int m_page = 0;
    bool m_completed = false;

    OnboardingPageStage* m_stage = nullptr;
    OnboardingPageDots* m_dots = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_primary = nullptr;
    QuickDragControls* m_controls = nullptr;
    VirtualFinderDemoView* m_watchDemo = nullptr;
    VirtualFinderDemoView* m_enableDemo = nullptr;
};

} // namespace karvo
