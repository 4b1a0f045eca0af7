// The property store: defaults, load and save order, round trips, change notifications and the
// meta-object view of the interface.
#include <QMetaClassInfo>
#include <QSignalSpy>
#include <QTest>

#include "ImageList.h"
#include "PropertyStore.h"
#include "UserControl1.h"

using namespace picturelist;

class PropertyStoreTest : public QObject {
    Q_OBJECT
  private slots:
    void newInstanceSavesOnlyWhatDiffersFromDefaults() {
        UserControl1 c;
        const QVariantMap saved = c.saveProperties();
        // Only the list font differs from its nominal defaults ("0" and 0).
        QCOMPARE(QSet<QString>(saved.keyBegin(), saved.keyEnd()),
                 QSet<QString>({keys::Fontname, keys::FontSize}));
        QCOMPARE(c.Enabled(), false);
        QCOMPARE(c.ForeColor(), SysWindowText);
        QCOMPARE(c.BackColor(), SysButtonFace);
        QCOMPARE(c.BorderStyle(), 1);
    }

    void saveWritesInItsOrder() {
        UserControl1 c;
        PropertyBag bag;
        c.WriteProperties(bag);
        QCOMPARE(bag.accessLog(), saveOrder());
        QCOMPARE(saveOrder().count(keys::PictureList), 2);
        for (const QString& k : {keys::List, keys::Text, keys::ListIndex}) {
            QVERIFY(!saveOrder().contains(k));
        }
    }

    void loadReadsInItsOrder() {
        UserControl1 c;
        PropertyBag bag;
        c.ReadProperties(bag);
        QCOMPARE(bag.accessLog(), loadOrder());
        for (const QString& k : {keys::Fontname, keys::FontSize})
            QVERIFY(!loadOrder().contains(k));
    }

    void roundTrip() {
        ImageList images;
        UserControl1 a;
        a.setEnabledFlag(true);
        a.setPictureList(&images);
        a.setGridLines(true);
        a.setBorderStyle(0);
        a.setDropDownHeight(5000);
        a.setMode(1);
        a.setDrawStyle(1);
        a.setForeColor(oleRgb(1, 2, 3));
        a.setBackColor(oleRgb(250, 250, 250));
        a.setGridColor(oleRgb(9, 9, 9));
        a.setToolTipFlag(true);
        a.setTopIndex(4);
        const QVariantMap saved = a.saveProperties();
        QCOMPARE(saved.value(keys::Mode).toInt(), 1);
        QCOMPARE(saved.value(keys::PictureList).value<QObject*>(), &images);
        QVERIFY(!saved.contains(keys::RowHeight));  // equal to its default

        UserControl1 b;
        b.loadProperties(saved);
        QCOMPARE(b.Enabled(), true);
        QVERIFY(b.listSurface()->isEnabled());
        QCOMPARE(b.PictureList(), &images);
        QCOMPARE(b.GridLines(), true);
        QCOMPARE(b.BorderStyle(), 0);
        QCOMPARE(b.DropDownHeight(), 5000);
        QCOMPARE(b.Mode(), 1);
        QCOMPARE(b.DrawStyle(), 1);
        QCOMPARE(b.ForeColor(), oleRgb(1, 2, 3));
        QCOMPARE(b.BackColor(), oleRgb(250, 250, 250));
        QCOMPARE(b.GridColor(), oleRgb(9, 9, 9));
        QCOMPARE(b.ToolTip(), true);
        QCOMPARE(b.TopIndex().toInt(), 4);
        // Loading only stores Mode and DropDownHeight: the list stays hidden and unsized.
        QVERIFY(!b.listSurface()->isVisibleTo(&b));
        QCOMPARE(b.listHeight(), 0);
        QCOMPARE(b.saveProperties(), saved);
    }

    void loadedButNotSavedKeys() {
        UserControl1 c;
        c.loadProperties({{keys::List, "x"}, {keys::Text, "y"}, {keys::ListIndex, 3}});
        const QVariantMap saved = c.saveProperties();
        QVERIFY(!saved.contains(keys::List));
        QVERIFY(!saved.contains(keys::Text));
        QVERIFY(!saved.contains(keys::ListIndex));
    }

    void writeLeavesDefaultsOut() {
        PropertyBag bag({{"Mode", 3}});
        bag.WriteProperty("Mode", 0, 0);
        QVERIFY(!bag.values().contains("Mode"));
        bag.WriteProperty("FontSize", 8.0, 0);
        QCOMPARE(bag.values().value("FontSize").toDouble(), 8.0);
        QCOMPARE(bag.ReadProperty("Missing", 42).toInt(), 42);
    }

    void assignmentsNameTheirKey() {
        UserControl1 c;
        QSignalSpy spy(&c, &UserControl1::PropertyChanged);
        c.setGridLines(true);
        c.setDropDownHeight(5000);
        c.setMode(0);
        c.setProperty("ToolTip", true);
        c.setProperty("Listindex", 2.0);
        QStringList names;
        for (const auto& args : spy)
            names << args.at(0).toString();
        QCOMPARE(names,
                 QStringList({"GridLines", "DropDownHeight", "Mode", "ToolTip", "ListIndex"}));
    }

    void metaObjectDescribesTheInterface() {
        const QMetaObject& mo = UserControl1::staticMetaObject;
        for (const char* p :
             {"Enabled", "PictureList", "ListCount", "Fontname", "FontSize", "ForeColor",
              "GridLines", "BorderStyle", "DropDownHeight", "Mode", "RowHeight", "text",
              "Listindex", "DrawStyle", "BackColor", "GridColor", "ToolTip", "TopIndex"}) {
            QVERIFY2(mo.indexOfProperty(p) >= 0, p);
        }
        for (const char* s : {"MouseMove(int,int,float,float)", "KeyDown(int,int)", "KeyPress(int)",
                              "KeyUp(int,int)", "Click()", "MouseDown(int,int,float,float)",
                              "MouseUp(int,int,float,float)"}) {
            QVERIFY2(mo.indexOfSignal(s) >= 0, s);
        }
        const int info = mo.indexOfClassInfo("BackColor");
        QVERIFY(info >= 0);
        QCOMPARE(QString(mo.classInfo(info).value()),
                 QString("Returns/sets the background color used to display text and graphics "
                         "in an object."));
    }
};

QTEST_MAIN(PropertyStoreTest)
#include "PropertyStoreTest.moc"
