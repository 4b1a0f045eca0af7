// The game's sound effects: one QSoundEffect per sound name, loaded the first time the name is
// played and kept for the run. Playing never waits: the effect starts and the game goes on.
// Without an audio device, or when a file is missing, a name plays nothing (Qt may keep saying
// an effect is playing when there is no device, so nothing here ever asks).
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QSoundEffect;

namespace tolvanis {

class SoundPlayer : public QObject {
    Q_OBJECT

  public:
    explicit SoundPlayer(QObject* parent = nullptr);
    // Waits, a short while at most, for effects still reading their files: the multimedia
    // library's shared sample cache deadlocks at program exit when a read is under way.
    ~SoundPlayer() override;

    // Loads these names now, so that the first time each plays it does not wait for its file.
    void Preload(const QStringList& names);

    // Starts the sound `name` (file name + ".wav" in the data folders).
    void Play(const QString& name);

    // False when the machine has no audio output: every Play is silent then.
    bool HasDevice() const { return hasDevice_; }
    // Whether a file was found for the name; never starts loading it.
    bool Has(const QString& name) const;

    // Told of every name asked for, played or not (tests listen here).
    std::function<void(const QString&)> Observer;

    // Keeps the multimedia back end from flooding the console about missing devices.
    static void QuietenMultimediaLog();

  private:
    QSoundEffect* EffectFor(const QString& name);
    bool AnyLoading() const;

    bool hasDevice_ = false;
    // nullptr for a name whose file is missing, so it is looked up once only.
    QHash<QString, QSoundEffect*> effects_;
};

}  // namespace tolvanis
