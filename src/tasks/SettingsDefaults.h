// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// Typed, range-checked access to the conversion defaults. Values are clamped when read, so a
// hand-edited or outdated value never reaches an operation. Nothing is cached.
class SettingsDefaults {
public:
    enum class OutputLocationMode { besideSource, custom };

    static constexpr const char* outputLocationKey = "kv.outputLocation";
    static constexpr const char* videoCompressPresetKey = "kv.videoCompressPreset";
    static constexpr const char* imageCompressQualityKey = "kv.imageCompressQuality";
    static constexpr const char* imageResizeMaxEdgeKey = "kv.imageResizeMaxEdge";
    static constexpr const char* imageRotateAngleKey = "kv.imageRotateAngle";
    static constexpr const char* speedMultiplierKey = "kv.speedMultiplier";
    static constexpr const char* splitDurationKey = "kv.splitDuration";
    static constexpr const char* appearanceKey = "kv.appearance";
    static constexpr const char* languageKey = "kv.language";
    static constexpr const char* dragHotkeyEnabledKey = "kv.dragHotkeyEnabled";
    static constexpr const char* onboardingDoneKey = "kv.onboardingV2Done";
    static constexpr const char* homeShortcutsHiddenKey = "kv.homeShortcutsHidden";

    static QString rawValue(OutputLocationMode mode);

    static OutputLocationMode outputLocationMode();
    static int videoCompressPreset();
    static double imageCompressQuality();
    static int imageResizeMaxEdge();
    static void setImageResizeMaxEdge(int edge);
    static int imageRotateAngle();
    static void setImageRotateAngle(int angle);
    static double speedMultiplier();
    static int splitDuration();

    // Normalisation used by the accessors, exposed for callers that take values from elsewhere.
    static int normalizedResizeEdge(int edge);
    static int normalizedRotateAngle(int angle);
};

} // namespace karvo
