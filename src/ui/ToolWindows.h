// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"

#include <memory>

namespace karvo {

// Where tool requests go: one parameter window per request. The windows themselves are a presenter
// registered here; the program installs one at launch.
class ToolWindows {
public:
    class Presenter {
    public:
        virtual ~Presenter() = default;
        virtual void present(const ToolRequest& request) = 0;
    };

    static ToolWindows& shared();

    void setPresenter(std::shared_ptr<Presenter> presenter);
    std::shared_ptr<Presenter> presenter() const { return m_presenter; }

    // A request without files opens nothing. Main thread only.
    void present(const ToolRequest& request);

private:
    std::shared_ptr<Presenter> m_presenter;
};

} // namespace karvo
