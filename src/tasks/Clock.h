// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <memory>

namespace karvo {

// The time tasks are stamped with when they finish; a test can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    static std::shared_ptr<Clock> system();
};

} // namespace karvo
