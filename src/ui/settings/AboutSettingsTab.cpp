// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutSettingsTab.h"

#include "AppIcon.h"
#include "Localization.h"
#include "SettingsSection.h"
#include "Typography.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace karvo {

namespace {

// The application icon on a rounded square.
class AppIconView : public QWidget {
public:
    explicit AppIconView(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(96, 96);
        setAccessibleName(L("Karvo"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QIcon icon = karvo::AppIcon::current();
        if (icon.isNull())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        QPainterPath clip;
        clip.addRoundedRect(QRectF(rect()), 22, 22);
        p.setClipPath(clip);
        icon.paint(&p, rect());
    }
};

} // namespace

QString AboutSettingsTab::credits()
{
    return QStringLiteral("FFmpeg (LGPL 2.1+)\nLAME (LGPL)\ndav1d (BSD 2-Clause)\n"
                          "Qt (LGPL 3)\nlibvips (LGPL 2.1+)\nOpenCV (Apache 2.0)");
}

AboutSettingsTab::AboutSettingsTab(const QString& version, const QString& buildId, QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 36, 20, 24);
    column->setSpacing(14);
    column->addStretch(1);
    column->addWidget(new AppIconView(this), 0, Qt::AlignHCenter);

    auto* name = new QLabel(L("Karvo"), this);
    name->setFont(Typography::font(22, QFont::Bold));
    column->addWidget(name, 0, Qt::AlignHCenter);

    m_version = new QLabel(L("Version %@ (%@)", version.isEmpty() ? QStringLiteral("0") : version,
                             buildId.isEmpty() ? QStringLiteral("-") : buildId),
                           this);
    m_version->setFont(Typography::font(12));
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SettingsSection::setTextColor(m_version, Typography::secondaryText(palette()));
    column->addWidget(m_version, 0, Qt::AlignHCenter);

    m_credits = SettingsSection::caption(credits(), this);
    m_credits->setAlignment(Qt::AlignHCenter);
    m_credits->setWordWrap(false);
    column->addWidget(m_credits, 0, Qt::AlignHCenter);
    column->addStretch(2);
}

} // namespace karvo
