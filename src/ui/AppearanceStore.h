// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QObject>
#include <QPalette>
#include <QString>
#include <optional>

namespace karvo {

// The user's appearance choice. Raw values are what "kv.appearance" holds.
enum class AppAppearance { system, light, dark };

// The appearance preference: stored under "kv.appearance" and applied to the whole application.
// system keeps the desktop's own style and palette; light and dark install the Fusion style with
// palettes of Karvo's own. Views that paint with fixed colours observe appearanceChanged().
class AppearanceStore : public QObject {
    Q_OBJECT
public:
    // The program's store, created on first use (before the first window, so nothing shows in the wrong
    // appearance); lives on the main thread.
    static AppearanceStore& shared();

    // A store of its own that reads the preference and applies it (tests; the program uses shared()).
    explicit AppearanceStore(QObject* parent = nullptr);

    static QString rawValue(AppAppearance appearance);
    static std::optional<AppAppearance> fromRawValue(const QString& raw);
    static QPalette lightPalette();
    static QPalette darkPalette();
    // Whether the palette now in force is dark.
    static bool isDark();

    AppAppearance stored() const;
    // Puts the stored appearance in force: at once on the main thread, otherwise soon after on it.
    void applyCurrent();
    // Stores and applies a new choice, then announces it with appearanceChanged() on the main thread.
    // Choosing the current value again does nothing.
    void set(AppAppearance appearance);

signals:
    void appearanceChanged();

private:
    static AppAppearance readStored();
    void applyOnMainThread();

    mutable QMutex m_lock;
    AppAppearance m_stored = AppAppearance::system;
};

} // namespace karvo
