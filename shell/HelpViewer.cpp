#include "HelpViewer.h"

#include <QUrl>

#include "DataFiles.h"

namespace tolvanis {

HelpViewer::HelpViewer(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Tolvanis Help"));
    // Help open on its own must not keep the program alive after the table is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setOpenExternalLinks(true);
    resize(640, 560);
}

bool HelpViewer::Open() {
    const QString path = FindDataFile(QLatin1String(DocumentName));
    if (path.isEmpty()) return false;
    setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace tolvanis
