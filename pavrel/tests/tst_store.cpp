// The control's persistent side: property-store keys, defaults and orders, change notifications,
// the by-name interface through the meta-object system, and system colours kept as numbers.
#include <QMetaClassInfo>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QtNumeric>

#include "PropertyBag.h"
#include "Runtime.h"
#include "TestSupport.h"

using namespace pavrel;

namespace {

const QStringList kLoadOrder = {
    "ForeColor",   "Enabled",     "Font",         "Caption",     "BorderWidth", "BorderTop",
    "BorderLeft",  "BorderRight", "BorderBottom", "ToolTipText", "MaskColor",   "Picture",
    "BorderStyle", "ToolTipText", "DrawStyle",    "FontSize",    "FontBold",    "PicBack"};

const QStringList kSaveOrder = {
    "ForeColor",   "Enabled",     "Font",      "Caption",    "BorderWidth", "BorderWidth",
    "BorderWidth", "BorderWidth", "BorderTop", "BorderLeft", "BorderRight", "BorderBottom",
    "ToolTipText", "MaskColor",   "BackColor", "Picture",    "BorderStyle", "ToolTipText",
    "DrawStyle",   "FontSize",    "FontBold",  "PicBack"};

}  // namespace

class StoreTest : public QObject {
    Q_OBJECT

  private slots:
    void loadReadsEveryKeyInOrderWithItsDefault() {
        Pavrel w;
        PropertyBag empty;
        w.ReadProperties(empty);
        QCOMPARE(empty.readOrder(), kLoadOrder);

        QCOMPARE(w.ForeColor(), 0x80000012u);
        QVERIFY(w.Enabled());
        QCOMPARE(w.Caption(), QStringLiteral("Label1"));
        QCOMPARE(w.BorderWidth(), short(1));
        for (uint32_t edge : {w.BorderTop(), w.BorderLeft(), w.BorderRight(), w.BorderBottom()})
            QCOMPARE(edge, 0x80000008u);
        QCOMPARE(w.ToolTipText(), QString());
        QCOMPARE(w.MaskColor(), 0u);
        QVERIFY(w.Picture().isNull());
        QCOMPARE(w.BorderStyle(), short(0));
        QCOMPARE(w.DrawStyle(), short(5));
        QCOMPARE(w.FontSize(), 8.0f);
        QVERIFY(!w.FontBold());
        QCOMPARE(w.PicBack(), 0x8000000Fu);
    }

    void saveWritesInOrderLeavingOutDefaults() {
        Pavrel w;
        PropertyBag bag;
        w.WriteProperties(bag);
        QCOMPARE(bag.writeOrder(), kSaveOrder);
        // A new instance differs from the load defaults only in its caption and edge colours;
        // the back colour and the font size are always there.
        QStringList keys = bag.values().keys();
        keys.sort();
        QCOMPARE(keys, QStringList({"BackColor", "BorderBottom", "BorderLeft", "BorderRight",
                                    "BorderTop", "Caption", "FontSize"}));
        QCOMPARE(bag.values().value("BackColor").toUInt(), 0x8000000Fu);
        QCOMPARE(bag.values().value("BorderTop").toUInt(), 0x80000014u);
    }

    void fontSizeIsSavedEvenAtItsDefault() {
        Pavrel w;
        w.SetFontSize(8.0f);
        const QVariantMap saved = w.Save();
        QVERIFY(saved.contains("FontSize"));
        QCOMPARE(saved.value("FontSize").toFloat(), 8.0f);
    }

    void picBackAtItsDefaultIsLeftOutAndReadBack() {
        Pavrel w;
        w.SetPicBack(0x8000000Fu);
        QVariantMap saved = w.Save();
        QVERIFY(!saved.contains("PicBack"));
        Pavrel other;
        other.SetPicBack(0x000000FFu);
        other.Load(saved);
        QCOMPARE(other.PicBack(), 0x8000000Fu);

        w.SetPicBack(0x00FF0000u);  // blue, as &H00BBGGRR
        saved = w.Save();
        QCOMPARE(saved.value("PicBack").toUInt(), 0x00FF0000u);
        QCOMPARE(saved.value("BackColor").toUInt(), 0x00FF0000u);
        Pavrel third;
        third.Load(saved);
        QCOMPARE(third.PicBack(), 0x00FF0000u);
        third.SetCaption(QString());
        third.show();
        QVERIFY(QTest::qWaitForWindowExposed(&third));
        QCOMPARE(pixel(shot(third), 40, 40), QColor(0, 0, 255));
    }

    void everyPropertySurvivesARoundTrip() {
        Pavrel w;
        QPixmap picture(8, 6);
        picture.fill(Qt::green);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setItalic(true);
        w.SetForeColor(0x00123456u);
        w.SetEnabled(false);
        w.SetFont(font);
        w.SetCaption(QStringLiteral("Saved"));
        w.SetBorderWidth(3);
        w.SetBorderTop(1u);
        w.SetBorderLeft(2u);
        w.SetBorderRight(3u);
        w.SetBorderBottom(4u);
        w.SetMaskColor(0x00FFFFFFu);
        w.SetPicture(picture);
        w.SetToolTipText(QStringLiteral("tip"));
        w.SetDrawStyle(0);
        w.SetFontSize(11.5f);
        w.SetFontBold(true);
        w.SetPicBack(0x80000005u);
        w.KeepDown();
        const QVariantMap saved = w.Save();
        QCOMPARE(saved.value("BorderStyle").toInt(), 1);

        Pavrel r;
        QSignalSpy changes(&r, &Pavrel::PropertyChanged);
        r.Load(saved);
        QCOMPARE(changes.count(), 0);  // loading is not a change the host must hear about
        QCOMPARE(r.ForeColor(), 0x00123456u);
        QVERIFY(!r.Enabled());
        QVERIFY(r.Font().italic());
        QCOMPARE(r.Font().family(), font.family());
        QCOMPARE(r.Caption(), QStringLiteral("Saved"));
        QCOMPARE(r.BorderWidth(), short(3));
        QCOMPARE(r.BorderTop(), 1u);
        QCOMPARE(r.BorderLeft(), 2u);
        QCOMPARE(r.BorderRight(), 3u);
        QCOMPARE(r.BorderBottom(), 4u);
        QCOMPARE(r.MaskColor(), 0x00FFFFFFu);
        QCOMPARE(r.Picture().size(), QSize(8, 6));
        QCOMPARE(r.ToolTipText(), QStringLiteral("tip"));
        QCOMPARE(r.DrawStyle(), short(0));
        QCOMPARE(r.FontSize(), 11.5f);
        QVERIFY(r.FontBold());
        QCOMPARE(r.PicBack(), 0x80000005u);
        QCOMPARE(r.BorderStyle(), short(1));
        const QVariantMap again = r.Save();
        QCOMPARE(again.keys(), saved.keys());
        for (const QString& key : saved.keys())
            if (key != "Picture") QVERIFY2(again.value(key) == saved.value(key), qPrintable(key));
        // Pixmaps have no value comparison of their own; compare what they hold.
        QCOMPARE(again.value("Picture").value<QPixmap>().toImage(), picture.toImage());
    }

    // A store is outside data: what the setters refuse, loading refuses too, and the default
    // takes its place.
    void storedValuesKeepTheSettersRanges() {
        const QRegularExpression outOfRange(QStringLiteral("Pavrel: stored .* is out of range"));
        const QList<QVariantMap> stores = {
            {{"BorderWidth", 2147483647}, {"DrawStyle", 70000}, {"FontSize", qQNaN()}},
            {{"BorderWidth", 0}, {"DrawStyle", -1}, {"FontSize", 1e6}},
            {{"BorderWidth", 2.5}, {"DrawStyle", "abc"}, {"FontSize", 32766}},
            {{"BorderWidth", -1e300}, {"DrawStyle", 6.5}, {"FontSize", -8}}};
        for (const QVariantMap& store : stores) {
            Pavrel w;
            for (int i = 0; i < 3; ++i)
                QTest::ignoreMessage(QtWarningMsg, outOfRange);
            w.Load(store);
            QCOMPARE(w.BorderWidth(), short(1));
            QCOMPARE(w.DrawStyle(), short(5));
            QCOMPARE(w.FontSize(), 8.0f);
            const QVariantMap saved = w.Save();
            QVERIFY(!saved.contains("BorderWidth"));
            QVERIFY(!saved.contains("DrawStyle"));
        }
        Pavrel edges;
        edges.Load({{"BorderWidth", 8192}, {"DrawStyle", 0}, {"FontSize", 2160}});
        QCOMPARE(edges.BorderWidth(), short(8192));
        QCOMPARE(edges.DrawStyle(), short(0));
        QCOMPARE(edges.FontSize(), 2160.0f);
    }

    void fontSizeNotExactInSinglePrecisionSurvives() {
        Pavrel w;
        w.SetFontSize(8.3f);
        const QVariantMap saved = w.Save();
        Pavrel r;
        r.Load(saved);
        QCOMPARE(r.FontSize(), 8.3f);
        QCOMPARE(r.Save().value("FontSize"), saved.value("FontSize"));
        // A store written in double precision or as text reads the same size.
        for (const QVariant& stored : {QVariant(8.3), QVariant(QStringLiteral("8.3"))}) {
            Pavrel t;
            t.Load({{"FontSize", stored}});
            QCOMPARE(t.FontSize(), 8.3f);
        }
    }

    void notifySignalsOnlyOnRealChange() {
        Pavrel w;
        QSignalSpy width(&w, &Pavrel::BorderWidthChanged);
        QSignalSpy caption(&w, &Pavrel::CaptionChanged);
        QSignalSpy back(&w, &Pavrel::PicBackChanged);
        QSignalSpy font(&w, &Pavrel::FontChanged);
        QSignalSpy keys(&w, &Pavrel::PropertyChanged);
        w.SetBorderWidth(w.BorderWidth());
        w.SetCaption(w.Caption());
        w.SetPicBack(w.PicBack());
        w.SetFontSize(w.FontSize());
        QCOMPARE(width.count() + caption.count() + back.count() + font.count(), 0);
        QCOMPARE(keys.count(), 4);  // every assignment still names its key
        w.SetBorderWidth(2);
        w.SetCaption(QStringLiteral("Other"));
        w.SetPicBack(0x00FFFFFFu);
        w.SetFontSize(w.FontSize() + 1);
        QCOMPARE(width.count(), 1);
        QCOMPARE(caption.count(), 1);
        QCOMPARE(back.count(), 1);
        QCOMPARE(font.count(), 1);
        // A refused write by name changes nothing, so it says nothing.
        QTest::ignoreMessage(QtWarningMsg, "Pavrel.FontSize: error 380, Invalid property value");
        QVERIFY(w.setProperty("FontSize", 1e300));
        QCOMPARE(font.count(), 1);
        const QMetaObject* mo = w.metaObject();
        for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
            QVERIFY2(mo->property(i).hasNotifySignal(), mo->property(i).name());
    }

    void coloursStoredAsSignedNumbersStillLoad() {
        // A store that went through a signed 32-bit field hands back negative numbers.
        Pavrel w;
        w.Load({{"PicBack", int(0x80000014u - 0x100000000ll)}, {"BorderTop", qlonglong(255)}});
        QCOMPARE(w.PicBack(), 0x80000014u);
        QCOMPARE(w.BorderTop(), 255u);
    }

    void everyAssignmentNamesItsKey() {
        Pavrel w;
        QSignalSpy changes(&w, &Pavrel::PropertyChanged);
        const QMetaObject* mo = &Pavrel::staticMetaObject;
        QStringList written;
        for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
            QMetaProperty p = mo->property(i);
            written << QString::fromLatin1(p.name());
            QVERIFY2(p.write(&w, p.read(&w)), p.name());
        }
        QCOMPARE(written,
                 QStringList({"ForeColor", "Enabled", "Font", "Caption", "BorderWidth", "BorderTop",
                              "BorderLeft", "BorderRight", "BorderBottom", "MaskColor", "Picture",
                              "ToolTipText", "DrawStyle", "FontSize", "FontBold", "PicBack"}));
        QStringList keys;
        for (const QList<QVariant>& args : changes)
            keys << args.at(0).toString();
        QCOMPARE(keys, written);
    }

    void interfaceReachableByName() {
        Pavrel w;
        QVERIFY(w.setProperty("Caption", QStringLiteral("By name")));
        QCOMPARE(w.Caption(), QStringLiteral("By name"));
        QVERIFY(w.setProperty("BorderWidth", 2));
        QCOMPARE(w.property("BorderWidth").toInt(), 2);
        QVERIFY(w.setProperty("FontSize", 12.0));
        QCOMPARE(w.FontSize(), 12.0f);

        QVERIFY(QMetaObject::invokeMethod(&w, "KeepDown"));
        QCOMPARE(w.BorderStyle(), short(1));
        QVERIFY(QMetaObject::invokeMethod(&w, "KeepUp"));
        QCOMPARE(w.BorderStyle(), short(0));
        QVERIFY(QMetaObject::invokeMethod(&w, "Refresh"));

        // The events, in their declaration order, with their arguments.
        const QMetaObject* mo = w.metaObject();
        const char* events[] = {"MouseMove(short,short,float,float)",
                                "Click()",
                                "DblClick()",
                                "KeyDown(short,short)",
                                "KeyPress(short)",
                                "KeyUp(short,short)",
                                "MouseDown(short,short,float,float)",
                                "MouseUp(short,short,float,float)"};
        int previous = -1;
        for (const char* signature : events) {
            const int index = mo->indexOfSignal(signature);
            QVERIFY2(index > previous, signature);
            previous = index;
        }
    }

    void refusedValuesReachTheCaller() {
        Pavrel w;
        QSignalSpy changes(&w, &Pavrel::PropertyChanged);
        auto number = [](auto&& assign) {
            try {
                assign();
            } catch (const RuntimeError& error) {
                return error.number();
            }
            return 0;
        };
        QCOMPARE(number([&] { w.SetBorderWidth(0); }), 380);
        QCOMPARE(number([&] { w.SetDrawStyle(7); }), 380);
        QCOMPARE(number([&] { w.SetFontSize(0.0f); }), 380);
        QCOMPARE(w.BorderWidth(), short(1));
        QCOMPARE(w.DrawStyle(), short(5));
        QCOMPARE(changes.count(), 0);

        // By name the error becomes a warning and the value stays.
        QTest::ignoreMessage(QtWarningMsg, "Pavrel.BorderWidth: error 6, Overflow");
        w.setProperty("BorderWidth", 40000);
        QTest::ignoreMessage(QtWarningMsg, "Pavrel.DrawStyle: error 380, Invalid property value");
        w.setProperty("DrawStyle", -1);
        QCOMPARE(w.BorderWidth(), short(1));
        QCOMPARE(w.DrawStyle(), short(5));
    }

    void descriptionsCarriedAsClassInfo() {
        const QMetaObject* mo = &Pavrel::staticMetaObject;
        auto info = [mo](const char* name) {
            const int i = mo->indexOfClassInfo(name);
            return i < 0 ? QString() : QString::fromLatin1(mo->classInfo(i).value());
        };
        QCOMPARE(info("Refresh"), QStringLiteral("Forces a complete repaint of a object."));
        QCOMPARE(info("BorderBottom"),
                 QStringLiteral("Returns/sets the color of an object's border."));
        QCOMPARE(info("MouseUp"), QStringLiteral("Occurs when the user releases the mouse button "
                                                 "while an object has the focus."));
        for (const char* member :
             {"ForeColor", "Enabled", "Font", "Caption", "BorderWidth", "MaskColor", "Picture",
              "ToolTipText", "DrawStyle", "FontSize", "FontBold", "Click", "DblClick", "KeyDown",
              "KeyPress", "KeyUp", "MouseDown"})
            QVERIFY2(!info(member).isEmpty(), member);
    }

    void systemColoursFollowThePaletteButStayNumbers() {
        QPalette pal;
        pal.setColor(QPalette::Light, QColor(1, 2, 3));
        pal.setColor(QPalette::Dark, QColor(4, 5, 6));
        pal.setColor(QPalette::Button, QColor(7, 8, 9));
        pal.setColor(QPalette::WindowText, QColor(10, 11, 12));
        pal.setColor(QPalette::ButtonText, QColor(13, 14, 15));
        pal.setColor(QPalette::Window, QColor(16, 17, 18));
        QCOMPARE(resolveColor(0x80000014u, pal), QColor(1, 2, 3));
        QCOMPARE(resolveColor(0x80000010u, pal), QColor(4, 5, 6));
        QCOMPARE(resolveColor(0x8000000Fu, pal), QColor(7, 8, 9));
        QCOMPARE(resolveColor(0x80000008u, pal), QColor(10, 11, 12));
        QCOMPARE(resolveColor(0x80000012u, pal), QColor(13, 14, 15));
        pal.setColor(QPalette::HighlightedText, QColor(19, 20, 21));
        QCOMPARE(resolveColor(0x80000009u, pal), QColor(19, 20, 21));  // caption text
        QCOMPARE(resolveColor(0x00332211u, pal), QColor(0x11, 0x22, 0x33));
        QCOMPARE(colorCode(QColor(0x11, 0x22, 0x33)), 0x00332211u);

        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.setPalette(pal);
        QCOMPARE(pixel(shot(w), 20, 0), QColor(1, 2, 3));
        QCOMPARE(pixel(shot(w), 20, 20), QColor(7, 8, 9));
        QCOMPARE(w.BorderTop(), 0x80000014u);
        QCOMPARE(w.Save().value("BorderTop").toUInt(), 0x80000014u);
    }

    void liveInstancesAreCounted() {
        const int before = liveInstances();
        {
            Pavrel a, b;
            QCOMPARE(liveInstances(), before + 2);
            QVERIFY(!canUnloadNow());
            QCOMPARE(PavrelCanUnloadNow(), 0);
        }
        QCOMPARE(liveInstances(), before);
        QCOMPARE(canUnloadNow(), before == 0);
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
