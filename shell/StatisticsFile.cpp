#include "StatisticsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace tolvanis {

StatisticsFile::StatisticsFile(QString path) : path_(std::move(path)) {}

QString StatisticsFile::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1String("/Tolvanis/statistics.json");
}

Statistics StatisticsFile::Load() {
    QFile file(path_);
    if (!file.exists()) return {};
    // A statistics file is a few hundred bytes; anything huge is not one.
    constexpr qint64 MaxSize = 1 << 20;
    std::optional<Statistics> read;
    if (QFileInfo(path_).isFile() && file.size() <= MaxSize && file.open(QIODevice::ReadOnly))
        read = Statistics::FromJson(file.readAll());
    if (!read) {
        WarnOnce(QStringLiteral("the statistics file %1 is damaged or unreadable; starting them "
                                "afresh")
                     .arg(path_));
        return {};
    }
    return *read;
}

bool StatisticsFile::Save(const Statistics& statistics) {
    const QByteArray text = statistics.ToJson();
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    bool ok = file.open(QIODevice::WriteOnly);
    const qint64 half = text.size() / 2;
    ok = ok && file.write(text.constData(), half) == half;
    if (ok && MidWrite) MidWrite();
    ok = ok && file.write(text.constData() + half, text.size() - half) == text.size() - half;
    ok = ok && file.commit();
    if (!ok) {
        file.cancelWriting();
        WarnOnce(QStringLiteral("cannot write the statistics file %1; they will not be kept")
                     .arg(path_));
    }
    return ok;
}

}  // namespace tolvanis
