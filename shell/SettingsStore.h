// What the game remembers from one run to the next: the start settings of the game (computer
// strength included), the play speed, whether the status bar shows, and where the windows stood.
// Kept in an INI file in the user's configuration folder through QSettings.
//
// A missing file is a first start and gives the defaults silently. A file that cannot be read or
// holds a value the game cannot use gives the defaults and one line on stderr; a file that
// cannot be written is used as read and also says so once. The game never stops over its settings.
//
// To remember one more setting: add a member with its default to RememberedSettings and one
// line to RememberedFields() in SettingsStore.cpp; reading, writing and the damage check follow.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#include "FileWarning.h"

#include "StartSettings.h"

namespace tolvanis {

struct RememberedSettings {
    StartSettings Game;
    // The play-speed slider, 100 (slow) to 5000 (fast).
    int Speed = 4500;
    // Off until asked for: the table window starts as designed.
    bool StatusBarShown = false;
    // Each window's QWidget::saveGeometry(): size, place and maximised state. The table is
    // always shown while the game runs; the Moves window only when it was left open.
    QByteArray TableGeometry;
    QByteArray MovesGeometry;
    bool MovesShown = false;
    // Only once the Statistics window has been opened; it always starts closed.
    QByteArray StatisticsGeometry;

    bool operator==(const RememberedSettings&) const = default;
};

class SettingsStore {
  public:
    // The settings live in `path`, an INI file.
    explicit SettingsStore(QString path);

    // ~/.config/Tolvanis/tolvanis.ini on Linux (the user's configuration folder).
    static QString DefaultPath();

    const QString& Path() const { return path_; }

    // The settings of the last run, or the defaults (see the header).
    RememberedSettings Load();
    // Writes the settings; false when they could not be written (said once per store).
    bool Save(const RememberedSettings& settings);

    // Where the one line about a damaged or unwritable file goes; stderr unless replaced.
    std::function<void(const QString&)> Warn;

  private:
    void WarnOnce(const QString& text) { WarnOncePerStore(warned_, Warn, text); }

    QString path_;
    bool warned_ = false;
};

}  // namespace tolvanis
