// The shared numbers: the virtual-key numbers at the edges of their ranges, the masks, and the
// system colours, where caption text (9) is the text drawn on the active caption.
#include <QtTest>

#include "InputCodes.h"
#include "SystemColours.h"

using namespace runtimecodes;

class RuntimeCodesTest : public QObject {
    Q_OBJECT

  private slots:
    void keysHaveTheirVirtualKeyNumbers() {
        QCOMPARE(KeyCode(Qt::Key_A), 65);
        QCOMPARE(KeyCode(Qt::Key_Z), 90);
        QCOMPARE(KeyCode(Qt::Key_0), 48);
        QCOMPARE(KeyCode(Qt::Key_0, Qt::KeypadModifier), 96);
        QCOMPARE(KeyCode(Qt::Key_F1), 112);
        QCOMPARE(KeyCode(Qt::Key_F16), 127);
        QCOMPARE(KeyCode(Qt::Key_F24), 135);
        QCOMPARE(KeyCode(Qt::Key_Return), 13);
        QCOMPARE(KeyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
        QCOMPARE(KeyCode(Qt::Key_Escape), 27);
        QCOMPARE(KeyCode(Qt::Key_Down), 40);
        QCOMPARE(KeyCode(Qt::Key_Backtab), 9);
        QCOMPARE(KeyCode(Qt::Key_Plus, Qt::KeypadModifier), 107);
        QCOMPARE(KeyCode(Qt::Key_Comma), 188);
        // Keys the old keyboard had no number for give 0, never a folded Qt code.
        QCOMPARE(KeyCode(Qt::Key_VolumeUp), 0);
        QCOMPARE(KeyCode(Qt::Key_F25), 0);
    }

    void buttonsAndModifiers() {
        QCOMPARE(ButtonCode(Qt::LeftButton), 1);
        QCOMPARE(ButtonCode(Qt::RightButton), 2);
        QCOMPARE(ButtonCode(Qt::MiddleButton), 4);
        QCOMPARE(ButtonCode(Qt::BackButton), 0);
        QCOMPARE(ButtonMask(Qt::LeftButton | Qt::MiddleButton | Qt::BackButton), 5);
        QCOMPARE(ShiftState(Qt::ShiftModifier), 1);
        QCOMPARE(ShiftState(Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier), 6);
    }

    void systemColoursFollowThePalette() {
        QPalette pal;
        const QPalette::ColorRole roles[] = {
            QPalette::WindowText, QPalette::Window, QPalette::Button,    QPalette::Dark,
            QPalette::ButtonText, QPalette::Light,  QPalette::Highlight, QPalette::HighlightedText};
        int shade = 10;
        for (QPalette::ColorRole role : roles) {
            pal.setColor(QPalette::Active, role, QColor(shade, shade + 1, shade + 2));
            shade += 10;
        }
        auto sys = [&pal](uint32_t n) { return ResolveColour(0x80000000u + n, pal); };
        QCOMPARE(sys(8), pal.color(QPalette::Active, QPalette::WindowText));
        QCOMPARE(sys(15), pal.color(QPalette::Active, QPalette::Button));
        QCOMPARE(sys(16), pal.color(QPalette::Active, QPalette::Dark));
        QCOMPARE(sys(18), pal.color(QPalette::Active, QPalette::ButtonText));
        QCOMPARE(sys(20), pal.color(QPalette::Active, QPalette::Light));
        // Caption text is a text colour that must read on the active caption (2), not the
        // window's background.
        QCOMPARE(sys(2), pal.color(QPalette::Active, QPalette::Highlight));
        QCOMPARE(sys(9), pal.color(QPalette::Active, QPalette::HighlightedText));
        QVERIFY(sys(9) != pal.color(QPalette::Active, QPalette::Window));
        QCOMPARE(ResolveColour(0x00332211u, pal), QColor(0x11, 0x22, 0x33));
    }
};

QTEST_MAIN(RuntimeCodesTest)
#include "RuntimeCodesTest.moc"
