// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImagePreview.h"

#include "BackgroundPool.h"
#include "ImagePreviewLoader.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QThreadPool>
#include <algorithm>
#include <cmath>

namespace karvo {

ImagePreview::ImagePreview(const QString& path, QWidget* parent) : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    QPointer<ImagePreview> self(this);
    BackgroundPool::shared().start([self, path] {
        const QImage image = ImagePreviewLoader::load(path, decodeBox);
        // The window may have closed meanwhile; the pointer is only read back on the main thread.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, image] {
                if (self)
                    self->setImage(image);
            },
            Qt::QueuedConnection);
    });
}

int ImagePreview::heightForWidth(int width) const
{
    switch (m_state) {
    case State::loading:
        return maxHeight;
    case State::failed:
        return 0;
    case State::shown:
        break;
    }
    const double fitted = double(width) * m_image.height() / std::max(1, m_image.width());
    return std::clamp(static_cast<int>(std::lround(fitted)), 1, maxHeight);
}

QSize ImagePreview::sizeHint() const
{
    return {decodeBox.width() / 2, heightForWidth(decodeBox.width() / 2)};
}

QSize ImagePreview::minimumSizeHint() const
{
    return {0, m_state == State::failed ? 0 : 1};
}

void ImagePreview::setImage(const QImage& image)
{
    m_image = image;
    m_state = image.isNull() ? State::failed : State::shown;
    if (m_state == State::failed)
        hide();
    updateGeometry();
    update();
    emit stateChanged();
}

void ImagePreview::paintEvent(QPaintEvent*)
{
    if (m_state != State::shown)
        return;
    // Scaled to fit, centred across the full width.
    const QSizeF fitted = QSizeF(m_image.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - fitted.width()) / 2.0, (height() - fitted.height()) / 2.0), fitted);
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(target, cornerRadius, cornerRadius);
    p.setClipPath(clip);
    p.drawImage(target, m_image);
}

} // namespace karvo
