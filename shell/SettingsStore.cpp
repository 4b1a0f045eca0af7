#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace tolvanis {

namespace {

// Every remembered value, once: reading and writing both walk this list.
template <class Visitor>
void RememberedFields(Visitor& v, RememberedSettings& r) {
    v.Int("Game/Players", r.Game.NumPlayers, 2, 4);
    // By the choice's number (-1 random, 1 first seat); a number between them names no choice
    // and fails the settings' check.
    int startMode = static_cast<int>(r.Game.StartMode);
    v.Int("Game/StartMode", startMode, -1, 1);
    r.Game.StartMode = static_cast<StartChoice>(startMode);
    v.Bool("Game/Sound", r.Game.SoundOn);
    // By name, so that the file reads as the menu does.
    int strength = static_cast<int>(r.Game.ComputerStrength);
    v.Choice("Game/ComputerStrength", strength,
             {QStringLiteral("Standard"), QStringLiteral("Strong")});
    r.Game.ComputerStrength = static_cast<Strength>(strength);
    for (int seat = 1; seat <= 4; ++seat) {
        StartSettings::Seat& x = r.Game.Seats[static_cast<std::size_t>(seat)];
        const QString group = QStringLiteral("Seat%1/").arg(seat);
        v.Bool(group + QLatin1String("Auto"), x.Auto);
        v.Bool(group + QLatin1String("Pause"), x.Pause);
        v.Bool(group + QLatin1String("HideCards"), x.Hidden);
    }
    v.Int("Moves/Speed", r.Speed, 100, 5000);
    v.Bool("Table/StatusBar", r.StatusBarShown);
    v.Bytes("Table/Geometry", r.TableGeometry);
    v.Bytes("Moves/Geometry", r.MovesGeometry);
    v.Bool("Moves/Shown", r.MovesShown);
    v.Bytes("Statistics/Geometry", r.StatisticsGeometry);
}

// Reads what is there; a missing key keeps its default, a value of the wrong kind marks the file
// as damaged.
class Reader {
  public:
    explicit Reader(QSettings& s) : s_(s) {}
    bool Damaged = false;
    int Found = 0;

    void Int(const QString& key, int& out, int min, int max) {
        if (!s_.contains(key)) return;
        ++Found;
        bool ok = false;
        const int v = s_.value(key).toString().trimmed().toInt(&ok);
        if (!ok || v < min || v > max) {
            Damaged = true;
            return;
        }
        out = v;
    }
    void Int(const char* key, int& out, int min, int max) {
        Int(QLatin1String(key), out, min, max);
    }
    void Bool(const QString& key, bool& out) {
        if (!s_.contains(key)) return;
        ++Found;
        const QString v = s_.value(key).toString().trimmed();
        if (v == QLatin1String("true")) {
            out = true;
        } else if (v == QLatin1String("false")) {
            out = false;
        } else {
            Damaged = true;
        }
    }
    void Bool(const char* key, bool& out) { Bool(QLatin1String(key), out); }
    void Choice(const char* key, int& out, const QStringList& names) {
        const QString k = QLatin1String(key);
        if (!s_.contains(k)) return;
        ++Found;
        const qsizetype i = names.indexOf(s_.value(k).toString().trimmed());
        if (i < 0) {
            Damaged = true;
            return;
        }
        out = static_cast<int>(i);
    }
    void Bytes(const char* key, QByteArray& out) {
        const QString k = QLatin1String(key);
        if (!s_.contains(k)) return;
        ++Found;
        const QVariant v = s_.value(k);
        if (v.typeId() != QMetaType::QByteArray) {
            Damaged = true;
            return;
        }
        out = v.toByteArray();
    }

  private:
    QSettings& s_;
};

class Writer {
  public:
    explicit Writer(QSettings& s) : s_(s) {}
    void Int(const QString& key, int& v, int, int) { s_.setValue(key, v); }
    void Int(const char* key, int& v, int min, int max) { Int(QLatin1String(key), v, min, max); }
    void Bool(const QString& key, bool& v) { s_.setValue(key, v); }
    void Bool(const char* key, bool& v) { Bool(QLatin1String(key), v); }
    void Choice(const char* key, int& v, const QStringList& names) {
        s_.setValue(QLatin1String(key), names.value(v));
    }
    void Bytes(const char* key, QByteArray& v) { s_.setValue(QLatin1String(key), v); }

  private:
    QSettings& s_;
};

// Whether a file at `path` could be written: it is, or its folder can be made and written to.
bool CanWrite(const QString& path) {
    const QFileInfo file(path);
    if (file.exists()) return file.isFile() && file.isWritable();
    const QString dir = file.absolutePath();
    if (!QDir().mkpath(dir)) return false;
    return QFileInfo(dir).isWritable();
}

}  // namespace

SettingsStore::SettingsStore(QString path) : path_(std::move(path)) {}

QString SettingsStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/Tolvanis/tolvanis.ini");
}

RememberedSettings SettingsStore::Load() {
    RememberedSettings defaults;
    const QFileInfo file(path_);
    if (!file.exists()) {
        if (!CanWrite(path_))
            WarnOnce(QStringLiteral("cannot write the settings file %1; settings will not be kept")
                         .arg(path_));
        return defaults;
    }
    const QString damaged =
        QStringLiteral("the settings file %1 is damaged or unreadable; starting with the defaults")
            .arg(path_);
    if (!file.isFile() || !file.isReadable()) {
        WarnOnce(damaged);
        return defaults;
    }
    QSettings s(path_, QSettings::IniFormat);
    RememberedSettings read;
    Reader reader(s);
    RememberedFields(reader, read);
    // Text that holds none of the game's keys is not a settings file of this game.
    const bool foreign = reader.Found == 0 && file.size() > 0;
    if (s.status() != QSettings::NoError || reader.Damaged || foreign || !read.Game.Valid()) {
        WarnOnce(damaged);
        return defaults;
    }
    if (!CanWrite(path_))
        WarnOnce(QStringLiteral("cannot write the settings file %1; changes will not be kept")
                     .arg(path_));
    return read;
}

bool SettingsStore::Save(const RememberedSettings& settings) {
    if (!CanWrite(path_)) {
        WarnOnce(QStringLiteral("cannot write the settings file %1; settings will not be kept")
                     .arg(path_));
        return false;
    }
    QSettings s(path_, QSettings::IniFormat);
    // A damaged file is replaced as a whole, not merged with what could be read of it.
    s.clear();
    RememberedSettings copy = settings;
    Writer writer(s);
    RememberedFields(writer, copy);
    s.sync();
    // A format error is the old file's, read before it was replaced; only access fails a write.
    if (s.status() == QSettings::AccessError) {
        WarnOnce(QStringLiteral("cannot write the settings file %1; settings will not be kept")
                     .arg(path_));
        return false;
    }
    return true;
}

}  // namespace tolvanis
