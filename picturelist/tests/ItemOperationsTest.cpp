// Adding, removing, finding, sorting and the item data of the picture list, with the errors its
// callers rely on.
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <random>

#include "ImageList.h"
#include "ItemStore.h"
#include "UserControl1.h"

using picturelist::PictureListError;
using picturelist::UserControl1;

namespace {
QStringList texts(const UserControl1& c) {
    QStringList out;
    for (int i = 0; i < c.ListCount(); ++i)
        out << c.List(i);
    return out;
}

int errorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const PictureListError& e) {
        return e.number();
    }
    return 0;
}
}  // namespace

class ItemOperationsTest : public QObject {
    Q_OBJECT
  private slots:
    void addingPlacesItems() {
        UserControl1 c;
        c.AddItem("a");
        c.AddItem("b");  // default position: the top
        QCOMPARE(texts(c), QStringList({"b", "a"}));
        c.AddItem("end", 0);
        QCOMPARE(texts(c), QStringList({"b", "a", "end"}));
        c.AddItem("mid", 1);  // before public index 1
        QCOMPARE(texts(c), QStringList({"b", "mid", "a", "end"}));
        c.AddItem("below -1 appends", -5);
        QCOMPARE(c.List(4), QString("below -1 appends"));

        UserControl1 two;
        two.AddItem("x");
        two.AddItem("y", 0);
        two.AddItem("beyond", 5);
        QCOMPARE(texts(two), QStringList({"x", "y"}));
        QCOMPARE(two.List(2), QString());
        QCOMPARE(two.List(-1), QString());
    }

    void addingInheritsPictureAndColourOfLastItem() {
        UserControl1 c;
        c.AddItem("first");
        QCOMPARE(c.items().at(1).picture, 1);
        QCOMPARE(c.items().at(1).colour, c.ForeColor());
        QCOMPARE(c.items().at(1).data, QString("0"));
        QCOMPARE(c.items().at(1).font, c.Fontname());

        c.AddItem("second", 0, 3, "Liberation Serif", picturelist::oleRgb(1, 2, 3));
        c.AddItem("top");  // inherits from "second", which is last
        QCOMPARE(c.items().at(1).picture, 3);
        QCOMPARE(c.items().at(1).colour, picturelist::oleRgb(1, 2, 3));
        QCOMPARE(c.items().at(1).font, QString("Liberation Serif"));  // the current font sticks

        // A system colour may be given in its unsigned spelling.
        c.AddItem("sys", 0, 1, "", 0x80000008LL);
        QCOMPARE(c.items().at(4).colour, picturelist::SysWindowText);
    }

    void gameColoursConvert() {
        QCOMPARE(picturelist::fromRgb(0x00800000), 128);          // dark red
        QCOMPARE(picturelist::fromRgb(0x00000080), 128 * 65536);  // dark blue
        QCOMPARE(picturelist::fromRgb(0x00123456), 0x12 + 256 * 0x34 + 65536 * 0x56);
    }

    void itemData() {
        UserControl1 c;
        c.AddItem("a");
        c.AddItem("b", 0);
        QCOMPARE(c.GetItemData(0).toDouble(), 0.0);
        c.SetItemData(-1, 7);  // the item added last is "b" at index 1
        QCOMPARE(c.GetItemData(1).toDouble(), 7.0);
        QCOMPARE(c.GetItemData(0).toDouble(), 0.0);
        c.SetItemData(0, 2.5);
        QCOMPARE(c.GetItemData(0).toDouble(), 2.5);
        c.UpdateItemData(0, QString("12abc"));
        QCOMPARE(c.GetItemData(0).toDouble(), 12.0);
        QVERIFY(!c.GetItemData(2).isValid());
        QVERIFY(!c.GetItemData(-1).isValid());
        c.SetItemData(9, 1);  // out of range: nothing
        QCOMPARE(c.GetItemData(1).toDouble(), 7.0);
    }

    void updatesReplaceOneField() {
        UserControl1 c;
        c.AddItem("a", 0, 2, "F", 5);
        c.UpdateText(0, "t");
        c.UpdateIcon(0, 4);
        c.UpdateFont(0, "G");
        c.UpdateForeColor(0, 9);
        const auto& r = c.items().at(1);
        QCOMPARE(r.text, QString("t"));
        QCOMPARE(r.picture, 4);
        QCOMPARE(r.font, QString("G"));
        QCOMPARE(r.colour, 9);
        c.UpdateText(1, "nothing");
        QCOMPARE(c.ListCount(), 1);
    }

    void tabInsideFieldsStaysPut() {
        UserControl1 c;
        c.AddItem("left\tright", 0, 2, "Font\tName", 77);
        c.SetItemData(0, 5);
        const auto& r = c.items().at(1);
        QCOMPARE(r.text, QString("left\tright"));
        QCOMPARE(r.font, QString("Font\tName"));
        QCOMPARE(r.picture, 2);
        QCOMPARE(r.colour, 77);
        QCOMPARE(c.GetItemData(0).toDouble(), 5.0);
        QCOMPARE(c.Find(0, 0, "*right").toInt(), 1);
    }

    void find() {
        UserControl1 c;
        for (const char* t : {"apple", "Bob", "avocado"})
            c.AddItem(t, 0);
        QCOMPARE(c.Find(0, 0, "A*"), QVariant(1));
        QCOMPARE(c.Find(0, 0, "A*", 1), QVariant(0));
        QCOMPARE(c.Find(1, 0, "A*"), QVariant(3));
        QCOMPARE(c.Find(0, 1, "A*"), QVariant(3));  // continue after the first find
        QCOMPARE(c.Find(0, 0, "b?b"), QVariant(2));
        QCOMPARE(c.Find(0, 0, "[!a]*"), QVariant(2));
        QVERIFY(!c.Find(0, c.ListCount(), "*").isValid());
        QVERIFY(!c.Find(0, -1, "*").isValid());
        UserControl1 empty;
        QVERIFY(!empty.Find(0, 0, "*").isValid());
    }

    void sortOrders() {
        UserControl1 c;
        for (const char* t : {"b", "a", "ab"})
            c.AddItem(t, 0);
        c.SortAscending();
        QCOMPARE(texts(c), QStringList({"a", "ab", "b"}));
        c.SortDescending();
        QCOMPARE(texts(c), QStringList({"b", "ab", "a"}));

        // Equal texts are ordered by the rest of the record, item value first, as text.
        UserControl1 d;
        d.setRandomSource([] { return 0.5; });
        for (int v : {10, 9, 2}) {
            d.AddItem("same", 0);
            d.SetItemData(-1, v);
        }
        d.AddItem("samf", 0);
        d.AddItem("sam", 0);
        d.SortAscending();
        QCOMPARE(texts(d), QStringList({"sam", "same", "same", "same", "samf"}));
        QCOMPARE(d.GetItemData(1).toInt(), 10);  // "10" < "2" < "9" by character code
        QCOMPARE(d.GetItemData(2).toInt(), 2);
        QCOMPARE(d.GetItemData(3).toInt(), 9);
    }

    void sortAgreesWithJoinedRecordOrder() {
        // A larger random list, checked against the comparison of TAB-joined records.
        UserControl1 c;
        std::mt19937 gen(7);
        for (int i = 0; i < 300; ++i) {
            QString s;
            for (int k = 0, n = int(gen() % 4); k < n; ++k)
                s += QChar(char16_t(u'a' + gen() % 3));
            c.AddItem(s, 0, int(1 + gen() % 3));
        }
        c.SortAscending();
        auto joined = [&](int p) {
            QStringList f;
            for (int i = 0; i < 6; ++i)
                f << c.items().at(p).field(i);
            return f.join(u'\t');
        };
        for (int p = 2; p <= c.ListCount(); ++p)
            QVERIFY(joined(p - 1) <= joined(p));
    }

    void removeItems() {
        UserControl1 c;
        c.setMode(0);
        c.AddItem("a", 0);
        c.AddItem("b", 0);
        c.AddItem("c", 0);
        c.RemoveItem(1);
        QCOMPARE(texts(c), QStringList({"a", "c"}));
        c.RemoveItem(5);
        c.RemoveItem(-1);
        QCOMPARE(c.ListCount(), 2);
        c.RemoveItem(0);
        c.ShowItem(1);
        QCOMPARE(c.editBox()->text(), QString("c"));
        QCOMPARE(c.Listindex(), 0.0);
        QVERIFY(c.listSurface()->isVisibleTo(&c));
        c.RemoveItem(0);  // the only item
        QCOMPARE(c.ListCount(), 0);
        QCOMPARE(c.Listindex(), 0.0);
        QVERIFY(c.editBox()->text().isEmpty());
        QVERIFY(!c.listSurface()->isVisibleTo(&c));
        QVERIFY(!c.scrollBar()->isVisibleTo(&c));
    }

    void clearEmptiesTheStore() {
        UserControl1 c;
        c.AddItem("a");
        c.AddItem("b");
        c.Clear();
        QCOMPARE(c.ListCount(), 0);
        c.AddItem("after");
        QCOMPARE(texts(c), QStringList({"after"}));
    }

    void listindexReadsZeroWithAndWithoutChoice() {
        UserControl1 c;
        QCOMPARE(c.Listindex(), 0.0);
        c.AddItem("a", 0);
        c.AddItem("b", 0);
        c.ShowItem(1);
        QCOMPARE(c.Listindex(), 0.0);
        c.ShowItem(2);
        QCOMPARE(c.Listindex(), 1.0);
        c.setListindex(0);  // only kept
        QCOMPARE(c.Listindex(), 1.0);
        c.setDesignMode(true);
        QCOMPARE(errorNumber([&] { c.setListindex(0); }), 387);
    }

    void listCountCannotBeSet() {
        UserControl1 c;
        QCOMPARE(errorNumber([&] { c.setListCount(3); }), 382);
        c.setDesignMode(true);
        QCOMPARE(errorNumber([&] { c.setListCount(3); }), 387);
        QSignalSpy changed(&c, &UserControl1::PropertyChanged);
        // By name the refusal is a warning: no exception may cross the meta-object system.
        QTest::ignoreMessage(
            QtWarningMsg, "UserControl1.ListCount: error 387, 'ListCount' property cannot be set");
        QCOMPARE(errorNumber([&] { c.setProperty("ListCount", 3); }), 0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(c.ListCount(), 0);
    }

    void refusedWritesByNameWarnAndKeepTheValue() {
        UserControl1 c;
        c.setDrawStyle(1);
        const QVariant rowHeight = c.RowHeight();
        QTest::ignoreMessage(QtWarningMsg, "UserControl1.RowHeight: error 11, Division by zero");
        QTest::ignoreMessage(QtWarningMsg, "UserControl1.DrawStyle: error 6, Overflow");
        try {
            QVERIFY(c.setProperty("RowHeight", 0));
            QVERIFY(c.setProperty("DrawStyle", 40000));
        } catch (const picturelist::PictureListError& error) {
            QFAIL(error.what());
        }
        QCOMPARE(c.RowHeight(), rowHeight);
        QCOMPARE(c.DrawStyle(), 1);
        // The typed calls still raise the numbered error.
        QCOMPARE(errorNumber([&] { c.setRowHeight(0); }), 11);
        QCOMPARE(errorNumber([&] { c.setDrawStyle(40000); }), 6);
    }

    void positionsOverflowBeyond16Bits() {
        UserControl1 c;
        c.AddItem("a");
        QCOMPARE(errorNumber([&] { c.AddItem("x", 32768); }), 6);
        QCOMPARE(errorNumber([&] { c.AddItem("x", 0, 32768); }), 6);
        QCOMPARE(errorNumber([&] { c.RemoveItem(32767); }), 6);  // position 32768
        QCOMPARE(errorNumber([&] { c.GetItemData(40000); }), 6);
        QCOMPARE(errorNumber([&] { c.ShowItem(32768); }), 6);
        QCOMPARE(errorNumber([&] { c.RemoveItem(32766); }), 0);
        QCOMPARE(c.ListCount(), 1);

        // The list holds at most 32767 items (appended while the list is hidden, so no drawing).
        UserControl1 full;
        for (int i = 0; i < 32767; ++i)
            full.AddItem("i", 0);
        QCOMPARE(full.ListCount(), 32767);
        QCOMPARE(errorNumber([&] { full.AddItem("one too many", 0); }), 6);
        QCOMPARE(full.ListCount(), 32767);
    }

    void missingPictureFailsAppendBeforeStoring() {
        picturelist::ImageList images;
        images.add(picturelist::defaultPicture());
        UserControl1 c;
        c.setPictureList(&images);
        c.setDrawStyle(1);
        c.AddItem("ok", 0, 1);
        QCOMPARE(errorNumber([&] { c.AddItem("bad", 0, 2); }), 35600);
        QCOMPARE(c.ListCount(), 1);
    }

    void invokableByName() {
        UserControl1 c;
        QVERIFY(QMetaObject::invokeMethod(&c, "AddItem", Q_ARG(QString, "one")));
        QVERIFY(QMetaObject::invokeMethod(&c, "AddItem", Q_ARG(QString, "two"), Q_ARG(int, -1),
                                          Q_ARG(int, -1), Q_ARG(QString, ""), Q_ARG(qint64, 255)));
        QCOMPARE(c.property("ListCount").toInt(), 2);
        QCOMPARE(c.List(0), QString("two"));
        QCOMPARE(c.items().at(1).colour, 255);
        QVariant found;
        QVERIFY(QMetaObject::invokeMethod(&c, "Find", Q_RETURN_ARG(QVariant, found), Q_ARG(int, 0),
                                          Q_ARG(int, 0), Q_ARG(QString, "ONE")));
        QCOMPARE(found.toInt(), 2);
        QVERIFY(QMetaObject::invokeMethod(&c, "Clear"));
        QCOMPARE(c.ListCount(), 0);
    }
};

QTEST_MAIN(ItemOperationsTest)
#include "ItemOperationsTest.moc"
