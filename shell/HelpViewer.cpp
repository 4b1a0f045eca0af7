#include "HelpViewer.h"

#include <QAction>
#include <QKeySequence>
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
    // Closed from the keyboard as any document window is.
    auto* close = new QAction(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("HelpClose"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
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
