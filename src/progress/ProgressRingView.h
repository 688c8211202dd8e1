// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace karvo {

// The small circular progress indicator in a running card's badge.
class ProgressRingView : public QWidget {
    Q_OBJECT

public:
    explicit ProgressRingView(QWidget* parent = nullptr);

    double progress() const { return m_progress; }
    // Redraws only when the value changes.
    void setProgress(double progress);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_progress = 0;
};

} // namespace karvo
