// The control as a form-based host meets it: found through the plugin path, created by class
// name by the plugin's factory or by QUiLoader, driven by name, and the plugin held loaded while
// any control lives. Nothing of the library is linked here.
#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QTest>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

namespace {

const QString kPluginFile = QStringLiteral(PAVREL_PLUGIN_FILE);

int canUnloadNow() {
    using Fn = int (*)();
    auto fn = reinterpret_cast<Fn>(
        QLibrary::resolve(QStringLiteral(PAVREL_LIBRARY_FILE), "PavrelCanUnloadNow"));
    return fn ? fn() : -1;
}

QDesignerCustomWidgetInterface* factory(QPluginLoader& loader) {
    return qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
}

// The library lets go of a plugin from the event loop once the last control is gone.
void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

}  // namespace

class PluginTest : public QObject {
    Q_OBJECT

  private slots:
    void foundThroughThePluginPath() {
        QVERIFY(QCoreApplication::libraryPaths().contains(QStringLiteral(PAVREL_PLUGIN_ROOT)));
        QPluginLoader byName(QStringLiteral("designer/pavrel_designer"));
        QVERIFY2(byName.load(), qPrintable(byName.errorString()));
        QCOMPARE(QFileInfo(byName.fileName()).canonicalFilePath(),
                 QFileInfo(kPluginFile).canonicalFilePath());
        QVERIFY(byName.unload());
    }

    void metadataCarriesVersionAndInterfaceIds() {
        QPluginLoader loader(kPluginFile);
        const QJsonObject meta = loader.metaData();
        QCOMPARE(meta.value("IID").toString(), QStringLiteral(QDesignerCustomWidgetInterface_iid));
        const QJsonObject own = meta.value("MetaData").toObject();
        QCOMPARE(own.value("Keys").toArray().first().toString(), QStringLiteral("Pavrel"));
        QCOMPARE(own.value("Version").toObject().value("FileVersion").toString(),
                 QStringLiteral(PAVREL_FILE_VERSION));
        const QJsonObject ids = own.value("Interfaces").toObject();
        QVERIFY(ids.value("_IID_PAVREL").toString().startsWith('{'));
        QVERIFY(ids.value("_SRCIID_PAVREL").toString().startsWith('{'));
        QVERIFY(ids.value("_IID_PAVREL") != ids.value("_SRCIID_PAVREL"));
    }

    void factoryCreatesAWorkingControl() {
        QPluginLoader loader(kPluginFile);
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        QDesignerCustomWidgetInterface* f = factory(loader);
        QVERIFY(f);
        QCOMPARE(f->name(), QStringLiteral("Pavrel"));
        QVERIFY(!f->isContainer());
        QVERIFY(!f->icon().isNull());
        QVERIFY(!f->icon().pixmap(16, 16).isNull());
        QVERIFY(f->domXml().contains(QStringLiteral("class=\"Pavrel\"")));
        QCOMPARE(f->includeFile(), QStringLiteral("Pavrel.h"));

        std::unique_ptr<QWidget> w(f->createWidget(nullptr));
        QCOMPARE(w->metaObject()->className(), "Pavrel");
        QCOMPARE(w->property("Caption").toString(), QStringLiteral("Button"));
        QCOMPARE(w->size(), QSize(177, 119));
        QVERIFY(QMetaObject::invokeMethod(w.get(), "KeepDown"));
        QVERIFY(w->findChild<QWidget*>(QStringLiteral("Line1"))->isHidden());
        w.reset();
        settle();
        QVERIFY(loader.unload());
    }

    void unloadRefusedWhileAControlLives() {
        QPluginLoader loader(kPluginFile);
        QVERIFY(loader.load());
        QObject* root = loader.instance();
        std::unique_ptr<QWidget> w(factory(loader)->createWidget(nullptr));
        QCOMPARE(canUnloadNow(), 0);
        bool pluginSays = true;
        QVERIFY(QMetaObject::invokeMethod(root, "canUnloadNow", Q_RETURN_ARG(bool, pluginSays)));
        QVERIFY(!pluginSays);

        QVERIFY(!loader.unload());
        QVERIFY(loader.isLoaded());
        w->setProperty("Caption", QStringLiteral("still here"));  // its code is still mapped
        QCOMPARE(w->property("Caption").toString(), QStringLiteral("still here"));

        w.reset();
        QCOMPARE(canUnloadNow(), 1);
        settle();
        QVERIFY(!loader.isLoaded());  // the deferred unload went through

        QVERIFY(loader.load());
        QVERIFY(loader.unload());  // and with nothing alive it is not refused
    }

    // Last: QUiLoader keeps the plugins it loads for the rest of the process.
    void uiLoaderPlacesControlsByName() {
        QUiLoader ui;
        QVERIFY(ui.availableWidgets().contains(QStringLiteral("Pavrel")));
        std::unique_ptr<QWidget> single(
            ui.createWidget(QStringLiteral("Pavrel"), nullptr, QStringLiteral("box")));
        QVERIFY(single);
        QCOMPARE(single->property("Caption").toString(), QStringLiteral("Button"));

        QByteArray form = R"(<ui version="4.0"><class>F</class>
 <widget class="QWidget" name="F">
  <widget class="Pavrel" name="a"><property name="Caption"><string>A</string></property>
   <property name="BorderWidth"><number>2</number></property></widget>
  <widget class="Pavrel" name="b"><property name="PicBack"><number>255</number></property></widget>
 </widget>
 <connections><connection><sender>a</sender><signal>MouseDown(short,short,float,float)</signal>
  <receiver>b</receiver><slot>KeepDown()</slot></connection></connections>
</ui>)";
        QBuffer buffer(&form);
        buffer.open(QIODevice::ReadOnly);
        std::unique_ptr<QWidget> top(ui.load(&buffer));
        QVERIFY2(top, qPrintable(ui.errorString()));
        QWidget* a = top->findChild<QWidget*>(QStringLiteral("a"));
        QWidget* b = top->findChild<QWidget*>(QStringLiteral("b"));
        QVERIFY(a && b);
        QCOMPARE(a->property("Caption").toString(), QStringLiteral("A"));
        QCOMPARE(a->property("BorderWidth").toInt(), 2);
        QCOMPARE(b->property("PicBack").toUInt(), 255u);

        QTest::mousePress(a, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!a->findChild<QWidget*>(QStringLiteral("Line1"))->isHidden());
        QVERIFY(b->findChild<QWidget*>(QStringLiteral("Line1"))->isHidden());
    }
};

int main(int argc, char** argv) {
    // Before the application exists, so that its library paths include the build's plugins.
    qputenv("QT_PLUGIN_PATH", PAVREL_PLUGIN_ROOT);
    QApplication app(argc, argv);
    PluginTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_plugin.moc"
