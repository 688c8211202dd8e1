// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefaultsSettingsTab.h"

#include "Localization.h"
#include "Preferences.h"
#include "SettingsDefaults.h"
#include "SettingsSection.h"
#include "Typography.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

namespace karvo {

namespace {

constexpr int kResizeEdges[] = {3840, 1920, 1280, 800};
constexpr int kRotateAngles[] = {90, 180, 270};

void store(const char* key, const QVariant& value)
{
    Preferences::setValue(QString::fromLatin1(key), value);
}

QLabel* rowLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(Typography::font(13));
    label->setBuddy(buddy);
    return label;
}

QLabel* valueLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(Typography::font(10).pointSizeF());
    label->setFont(font);
    SettingsSection::setTextColor(label, Typography::secondaryText(label->palette()));
    return label;
}

// The segment length: whole seconds shown as "10 s" in the interface language, typed as a number.
class SecondsStepper : public QSpinBox {
public:
    explicit SecondsStepper(QWidget* parent) : QSpinBox(parent) {}

protected:
    QString textFromValue(int value) const override { return L("%lld s", qint64(value)); }
    int valueFromText(const QString& text) const override { return digits(text).value_or(value()); }
    QValidator::State validate(QString& text, int&) const override
    {
        const std::optional<int> n = digits(text);
        return n && *n >= minimum() && *n <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    }

private:
    // The number in the text, whatever script its digits are written in.
    static std::optional<int> digits(const QString& text)
    {
        qint64 n = 0;
        bool any = false;
        for (const QChar c : text) {
            if (c.digitValue() < 0)
                continue;
            n = std::min<qint64>(n * 10 + c.digitValue(), 1'000'000);
            any = true;
        }
        return any ? std::optional<int>(int(n)) : std::nullopt;
    }
};

} // namespace

QString DefaultsSettingsTab::qualityText(double quality)
{
    return L("%lld%%", qint64(std::lround(quality * 100)));
}

QString DefaultsSettingsTab::speedText(double speed)
{
    return L("%.2f×", speed);
}

DefaultsSettingsTab::DefaultsSettingsTab(QWidget* parent) : QWidget(parent)
{
    QVBoxLayout* column = SettingsSection::formColumn(this);
    auto* section = new SettingsSection({}, this);

    m_videoPreset = new QComboBox(this);
    m_videoPreset->setAccessibleName(L("Video compression"));
    m_videoPreset->addItem(L("High quality"), 0);
    m_videoPreset->addItem(L("Balanced"), 1);
    m_videoPreset->addItem(L("Smallest size"), 2);
    m_videoPreset->setCurrentIndex(SettingsDefaults::videoCompressPreset());
    connect(m_videoPreset, &QComboBox::currentIndexChanged, this, [](int index) {
        if (index >= 0)
            store(SettingsDefaults::videoCompressPresetKey, std::clamp(index, 0, 2));
    });
    auto* presetRow = new QHBoxLayout;
    presetRow->addWidget(rowLabel(L("Video compression"), m_videoPreset, this));
    presetRow->addStretch(1);
    presetRow->addWidget(m_videoPreset);
    section->addRow(presetRow);

    m_quality = new QSlider(Qt::Horizontal, this);
    m_quality->setAccessibleName(L("Image compression"));
    m_quality->setRange(qRound(0.4 * qualityScale), qRound(0.95 * qualityScale));
    m_quality->setSingleStep(qualityScale / 100);
    m_quality->setPageStep(qualityScale / 20);
    const double quality = SettingsDefaults::imageCompressQuality();
    m_quality->setValue(int(std::lround(quality * qualityScale)));
    m_qualityValue = valueLabel(this);
    showQuality(quality);
    connect(m_quality, &QSlider::valueChanged, this, [this](int position) {
        const double value = std::clamp(double(position) / qualityScale, 0.4, 0.95);
        showQuality(value);
        store(SettingsDefaults::imageCompressQualityKey, value);
    });
    auto* qualityStack = new QVBoxLayout;
    qualityStack->setSpacing(4);
    auto* qualityHead = new QHBoxLayout;
    qualityHead->addWidget(rowLabel(L("Image compression"), m_quality, this));
    qualityHead->addStretch(1);
    qualityHead->addWidget(m_qualityValue);
    qualityStack->addLayout(qualityHead);
    qualityStack->addWidget(m_quality);
    section->addRow(qualityStack);

    m_resizeEdge = new QComboBox(this);
    m_resizeEdge->setAccessibleName(L("Longest edge"));
    for (int edge : kResizeEdges)
        m_resizeEdge->addItem(L("%lld px", qint64(edge)), edge);
    m_resizeEdge->setCurrentIndex(m_resizeEdge->findData(SettingsDefaults::imageResizeMaxEdge()));
    connect(m_resizeEdge, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            SettingsDefaults::setImageResizeMaxEdge(m_resizeEdge->itemData(index).toInt());
    });
    auto* edgeRow = new QHBoxLayout;
    edgeRow->addWidget(rowLabel(L("Longest edge"), m_resizeEdge, this));
    edgeRow->addStretch(1);
    edgeRow->addWidget(m_resizeEdge);
    section->addRow(edgeRow);

    m_rotateAngle = new QComboBox(this);
    m_rotateAngle->setAccessibleName(L("Rotation angle"));
    for (int angle : kRotateAngles)
        m_rotateAngle->addItem(L("%lld°", qint64(angle)), angle);
    m_rotateAngle->setCurrentIndex(m_rotateAngle->findData(SettingsDefaults::imageRotateAngle()));
    connect(m_rotateAngle, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            SettingsDefaults::setImageRotateAngle(m_rotateAngle->itemData(index).toInt());
    });
    auto* angleRow = new QHBoxLayout;
    angleRow->addWidget(rowLabel(L("Rotation angle"), m_rotateAngle, this));
    angleRow->addStretch(1);
    angleRow->addWidget(m_rotateAngle);
    section->addRow(angleRow);

    m_speed = new QSlider(Qt::Horizontal, this);
    m_speed->setAccessibleName(L("Default speed"));
    m_speed->setRange(1, 4 * speedScale); // 0.25× to 4×, a quarter per step
    m_speed->setSingleStep(1);
    m_speed->setPageStep(speedScale);
    m_speed->setTickPosition(QSlider::NoTicks);
    const double speed = SettingsDefaults::speedMultiplier();
    m_speed->setValue(int(std::lround(speed * speedScale)));
    m_speedValue = valueLabel(this);
    showSpeed(speed);
    connect(m_speed, &QSlider::valueChanged, this, [this](int position) {
        const double value = std::clamp(double(position) / speedScale, 0.25, 4.0);
        showSpeed(value);
        store(SettingsDefaults::speedMultiplierKey, value);
    });
    auto* speedStack = new QVBoxLayout;
    speedStack->setSpacing(4);
    auto* speedHead = new QHBoxLayout;
    speedHead->addWidget(rowLabel(L("Default speed"), m_speed, this));
    speedHead->addStretch(1);
    speedHead->addWidget(m_speedValue);
    speedStack->addLayout(speedHead);
    speedStack->addWidget(m_speed);
    section->addRow(speedStack);

    m_split = new SecondsStepper(this);
    m_split->setAccessibleName(L("Segment length"));
    m_split->setRange(1, 3600);
    m_split->setSingleStep(1);
    m_split->setValue(SettingsDefaults::splitDuration());
    m_split->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    connect(m_split, &QSpinBox::valueChanged, this,
            [](int seconds) { store(SettingsDefaults::splitDurationKey, std::clamp(seconds, 1, 3600)); });
    auto* splitRow = new QHBoxLayout;
    splitRow->addWidget(rowLabel(L("Segment length"), m_split, this));
    splitRow->addStretch(1);
    splitRow->addWidget(m_split);
    section->addRow(splitRow);

    column->addWidget(section);
    column->addWidget(SettingsSection::caption(
        L("Defaults apply when a tool window opens; each tool can still adjust per run."), this));
    column->addStretch(1);
}

void DefaultsSettingsTab::showQuality(double quality)
{
    m_qualityValue->setText(qualityText(quality));
    m_quality->setAccessibleDescription(m_qualityValue->text());
}

void DefaultsSettingsTab::showSpeed(double speed)
{
    m_speedValue->setText(speedText(speed));
    m_speed->setAccessibleDescription(m_speedValue->text());
}

} // namespace karvo
