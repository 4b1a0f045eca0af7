// Example host: loads a form with two Pavrel boxes through QUiLoader, wired in the form so that
// pressing one box holds the other one down. "--check" runs the press once and reports whether
// it worked, without waiting for a user; "--grab <file>" also saves a picture of the form after
// the press.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QUiLoader>
#include <QWidget>
#include <cstdio>

namespace {

QWidget* loadForm(QWidget* parent) {
    QUiLoader loader;
    // Beside an installed copy the plugins sit one level up; in the build tree they have their
    // own folder. Both are looked at after the usual plugin paths.
    loader.addPluginPath(QCoreApplication::applicationDirPath() + "/../plugins/designer");
    loader.addPluginPath(QStringLiteral(PAVREL_BUILD_PLUGIN_ROOT) + "/designer");
    QFile form(QStringLiteral(":/twoboxes.ui"));
    if (!form.open(QIODevice::ReadOnly)) return nullptr;
    QWidget* widget = loader.load(&form, parent);
    if (!widget) std::fprintf(stderr, "%s\n", qPrintable(loader.errorString()));
    return widget;
}

bool isHeldDown(QObject* box) {
    // The pressed look hides the bevel lines; read it from a part, as a host would see it.
    auto* top = box->findChild<QWidget*>(QStringLiteral("Line1"));
    return top && top->isHidden();
}

int check(QWidget* form) {
    QObject* left = form->findChild<QObject*>(QStringLiteral("leftBox"));
    QObject* right = form->findChild<QObject*>(QStringLiteral("rightBox"));
    if (!left || !right || qstrcmp(left->metaObject()->className(), "Pavrel") != 0) {
        std::fprintf(stderr, "the form did not create two Pavrel boxes\n");
        return 1;
    }
    auto* target = qobject_cast<QWidget*>(left);
    const QPointF at(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
    const bool ok = !isHeldDown(left) && isHeldDown(right);
    std::printf("%s\n", ok ? "pressing the left box holds the right one down"
                           : "the right box was not held down");
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget* form = loadForm(nullptr);
    if (!form) return 1;
    if (app.arguments().contains(QStringLiteral("--check"))) {
        form->show();
        const int result = check(form);
        const int grabAt = int(app.arguments().indexOf(QStringLiteral("--grab")));
        if (grabAt > 0 && grabAt + 1 < app.arguments().size())
            form->grab().save(app.arguments().at(grabAt + 1));
        delete form;
        return result;
    }
    form->show();
    const int result = app.exec();
    delete form;
    return result;
}
