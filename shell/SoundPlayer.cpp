#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "DataFiles.h"

namespace tolvanis {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
    hasDevice_ = !QMediaDevices::defaultAudioOutput().isNull();
}

SoundPlayer::~SoundPlayer() {
    // Loading ends through queued signals, so events must flow; user input is left waiting.
    const QDeadlineTimer deadline(3000);
    while (AnyLoading() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

bool SoundPlayer::AnyLoading() const {
    for (const QSoundEffect* effect : effects_)
        if (effect && effect->status() == QSoundEffect::Loading) return true;
    return false;
}

namespace {

QtMessageHandler previousHandler = nullptr;

// The audio back end reports a missing sound server or device without a category, once per
// attempt; the game is silent then by design, so these lines say nothing worth reading.
void DropAudioNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message.startsWith(QLatin1String("PulseAudioService")) ||
                                 message.startsWith(QLatin1String("QSoundEffect")) ||
                                 message.contains(QLatin1String("pa_context")))) {
        return;
    }
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void SoundPlayer::QuietenMultimediaLog() {
    // The environment's QT_LOGGING_RULES still win over these, for whoever needs the messages.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false\nqt.multimedia.*=false"));
    static bool installed = false;
    if (!installed) {
        installed = true;
        previousHandler = qInstallMessageHandler(DropAudioNoise);
    }
}

QSoundEffect* SoundPlayer::EffectFor(const QString& name) {
    const auto found = effects_.constFind(name);
    if (found != effects_.constEnd()) return found.value();
    QSoundEffect* effect = nullptr;
    const QString path = FindDataFile(name + QStringLiteral(".wav"));
    if (!path.isEmpty()) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effects_.insert(name, effect);
    return effect;
}

void SoundPlayer::Preload(const QStringList& names) {
    if (!hasDevice_) return;
    for (const QString& name : names)
        EffectFor(name);
}

bool SoundPlayer::Has(const QString& name) const {
    const auto found = effects_.constFind(name);
    if (found != effects_.constEnd()) return found.value() != nullptr;
    return !FindDataFile(name + QStringLiteral(".wav")).isEmpty();
}

void SoundPlayer::Play(const QString& name) {
    if (Observer) Observer(name);
    if (!hasDevice_) return;
    QSoundEffect* effect = EffectFor(name);
    if (!effect) return;
    // A sound asked for again while it still plays starts over, as a fresh event should.
    effect->stop();
    effect->play();
}

}  // namespace tolvanis
