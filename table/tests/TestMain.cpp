// Runs the table's test classes in one process on one QApplication.
#include <QApplication>

int RunPictureSetTests(int argc, char** argv);
int RunWindowTests(int argc, char** argv);
int RunScaleTests(int argc, char** argv);
int RunKeyboardTests(int argc, char** argv);
int RunAccessibleTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = RunPictureSetTests(argc, argv);
    failed += RunWindowTests(argc, argv);
    failed += RunScaleTests(argc, argv);
    failed += RunKeyboardTests(argc, argv);
    failed += RunAccessibleTests(argc, argv);
    return failed;
}
