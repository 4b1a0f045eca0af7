// Where the statistics live between runs: a JSON file in the user's data folder, written with
// QSaveFile, so that a crash or a power loss in the middle of a write leaves the last good file
// in place. A missing file is a first run; a damaged one gives empty statistics and one line on
// stderr, and is replaced by the next save.
#pragma once

#include <QString>

#include <functional>

#include "FileWarning.h"

#include "Statistics.h"

namespace tolvanis {

class StatisticsFile {
  public:
    explicit StatisticsFile(QString path);

    // ~/.local/share/Tolvanis/statistics.json on Linux.
    static QString DefaultPath();

    const QString& Path() const { return path_; }

    Statistics Load();
    // False when the file could not be written (said once per store); the old file then stays.
    bool Save(const Statistics& statistics);

    // Where the one line about a damaged or unwritable file goes; stderr unless replaced.
    std::function<void(const QString&)> Warn;
    // Runs after the first half of the text is written, before the rest and the commit: the tests
    // end the program there to see that a half-written file never replaces the old one.
    std::function<void()> MidWrite;

  private:
    void WarnOnce(const QString& text) { WarnOncePerStore(warned_, Warn, text); }

    QString path_;
    bool warned_ = false;
};

}  // namespace tolvanis
