// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace karvo {

// The first file of an image tool, shown whole at most 160 px high across the window's width, with
// rounded corners. The picture is decoded once, off the main thread; until it arrives the place stays
// empty, and when it cannot be read the preview takes no room at all.
class ImagePreview : public QWidget {
    Q_OBJECT

public:
    static constexpr int maxHeight = 160;
    static constexpr qreal cornerRadius = 8;
    // Decoded at up to twice the shown size, so the picture stays sharp on a high-density screen and when
    // the window is widened, without decoding again.
    static constexpr QSize decodeBox{2 * 420, 2 * maxHeight};

    explicit ImagePreview(const QString& path, QWidget* parent = nullptr);

    enum class State { loading, shown, failed };
    State state() const { return m_state; }
    const QImage& image() const { return m_image; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void stateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setImage(const QImage& image);

    State m_state = State::loading;
    QImage m_image;
};

} // namespace karvo
