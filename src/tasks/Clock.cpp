// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"

namespace karvo {

namespace {
class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
} // namespace

std::shared_ptr<Clock> Clock::system()
{
    static const auto instance = std::make_shared<SystemClock>();
    return instance;
}

} // namespace karvo
