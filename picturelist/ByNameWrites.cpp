#include <QtGlobal>

#include "UserControl1.h"

using namespace picturelist;

namespace {

// Runs a typed setter for a write by name, turning its numbered error into a warning.
template <typename Set>
void writeByName(const char* name, Set&& set) {
    try {
        set();
    } catch (const PictureListError& error) {
        qWarning("UserControl1.%s: error %d, %s", name, error.number(), qPrintable(error.text()));
    }
}

}  // namespace

void UserControl1::writeEnabled(bool value) {
    writeByName("Enabled", [&] { setEnabledFlag(value); });
}

void UserControl1::writePictureList(QObject* value) {
    writeByName("PictureList", [&] { setPictureList(value); });
}

void UserControl1::writeListCount(int value) {
    writeByName("ListCount", [&] { setListCount(value); });
}

void UserControl1::writeFontname(const QString& value) {
    writeByName("Fontname", [&] { setFontname(value); });
}

void UserControl1::writeFontSize(float value) {
    writeByName("FontSize", [&] { setFontSize(value); });
}

void UserControl1::writeForeColor(qint32 value) {
    writeByName("ForeColor", [&] { setForeColor(value); });
}

void UserControl1::writeGridLines(bool value) {
    writeByName("GridLines", [&] { setGridLines(value); });
}

void UserControl1::writeBorderStyle(int value) {
    writeByName("BorderStyle", [&] { setBorderStyle(value); });
}

void UserControl1::writeDropDownHeight(int value) {
    writeByName("DropDownHeight", [&] { setDropDownHeight(value); });
}

void UserControl1::writeMode(int value) {
    writeByName("Mode", [&] { setMode(value); });
}

void UserControl1::writeRowHeight(const QVariant& value) {
    writeByName("RowHeight", [&] { setRowHeight(value); });
}

void UserControl1::writeText(const QVariant& value) {
    writeByName("text", [&] { setText(value); });
}

void UserControl1::writeListindex(double value) {
    writeByName("Listindex", [&] { setListindex(value); });
}

void UserControl1::writeDrawStyle(int value) {
    writeByName("DrawStyle", [&] { setDrawStyle(value); });
}

void UserControl1::writeBackColor(qint32 value) {
    writeByName("BackColor", [&] { setBackColor(value); });
}

void UserControl1::writeGridColor(qint32 value) {
    writeByName("GridColor", [&] { setGridColor(value); });
}

void UserControl1::writeToolTip(bool value) {
    writeByName("ToolTip", [&] { setToolTipFlag(value); });
}

void UserControl1::writeTopIndex(const QVariant& value) {
    writeByName("TopIndex", [&] { setTopIndex(value); });
}
