#include "PavrelDesignerPlugin.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "Pavrel.h"
#include "Runtime.h"
#include "SystemColors.h"

namespace {

// Any address inside this module, to tell the library which module to keep loaded.
const char kModuleAnchor = 0;

// The toolbox picture: a small raised box with a caption bar, drawn rather than shipped.
QPixmap toolboxPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QRect box(1, 4, size - 2, size - 8);
    p.fillRect(box, QColor(0xd4, 0xd0, 0xc8));
    p.setPen(Qt::white);
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(box.bottomLeft() + QPoint(1, -1), box.bottomRight() + QPoint(-1, -1));
    p.drawLine(box.topRight() + QPoint(-1, 1), box.bottomRight() + QPoint(-1, -1));
    p.setPen(Qt::black);
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
    p.fillRect(QRect(box.left() + size / 4, box.center().y() - 1, size / 2, 3), Qt::black);
    return pixmap;
}

}  // namespace

PavrelDesignerPlugin::PavrelDesignerPlugin(QObject* parent) : QObject(parent) {}

QString PavrelDesignerPlugin::name() const {
    return QStringLiteral("Pavrel");
}

QString PavrelDesignerPlugin::group() const {
    return QStringLiteral("Tolvanis Controls");
}

QString PavrelDesignerPlugin::toolTip() const {
    return QStringLiteral("Bevelled box with a caption and a picture");
}

QString PavrelDesignerPlugin::whatsThis() const {
    return QStringLiteral(
        "A raised, bevelled box with a centred caption and an optional picture. It looks "
        "pressed while the mouse is down on it; KeepDown and KeepUp hold either look.");
}

QString PavrelDesignerPlugin::includeFile() const {
    return QStringLiteral("Pavrel.h");
}

QIcon PavrelDesignerPlugin::icon() const {
    QIcon icon;
    icon.addPixmap(toolboxPixmap(16));
    icon.addPixmap(toolboxPixmap(32));
    return icon;
}

bool PavrelDesignerPlugin::isContainer() const {
    return false;
}

QWidget* PavrelDesignerPlugin::createWidget(QWidget* parent) {
    auto* control = new Pavrel(parent);
    control->InitProperties();
    pavrel::holdModuleWhileInstancesLive(&kModuleAnchor);
    return control;
}

void PavrelDesignerPlugin::initialize(QDesignerFormEditorInterface*) {
    initialized_ = true;
}

QString PavrelDesignerPlugin::domXml() const {
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"Pavrel\" name=\"pavrel\">\n"
               "  <property name=\"geometry\">\n"
               "   <rect><x>0</x><y>0</y><width>%1</width><height>%2</height></rect>\n"
               "  </property>\n"
               " </widget>\n"
               "</ui>\n")
        .arg(Pavrel::kNewWidthTwips / Pavrel::kTwipsPerPixel)
        .arg(Pavrel::kNewHeightTwips / Pavrel::kTwipsPerPixel);
}

bool PavrelDesignerPlugin::canUnloadNow() const {
    return pavrel::canUnloadNow();
}
