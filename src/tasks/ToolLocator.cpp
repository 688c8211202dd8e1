// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolLocator.h"

#include "FFmpegLocator.h"

namespace karvo {

namespace {
class SystemToolLocator final : public ToolLocator {
public:
    QString path(const QString& name) const override { return FFmpegLocator::path(name); }
};
} // namespace

std::shared_ptr<ToolLocator> ToolLocator::system()
{
    static const auto instance = std::make_shared<SystemToolLocator>();
    return instance;
}

} // namespace karvo
