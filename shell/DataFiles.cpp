#include "DataFiles.h"

#include <QDir>
#include <QFileInfo>

#include "PictureSet.h"

namespace tolvanis {

QString FindDataFile(const QString& name) {
    for (const QString& dir : PictureSet::DefaultSearchDirs()) {
        const QFileInfo file(QDir(dir), name);
        if (file.isFile() && file.isReadable()) return file.absoluteFilePath();
    }
    return {};
}

}  // namespace tolvanis
