// The picture list as a host and a person reach it: methods and properties by name, keys on the
// list, and the mouse on the list, the drop button and the scroll bar, anywhere in and around
// them. After every step the count read by name matches the store, every item reads back by
// name as the store holds it, and the store holds exactly the texts that were added and not
// removed or replaced.
//
// Input: a list of steps, each an operation byte followed by the bytes it reads.
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "FuzzSupport.h"
#include "ImageList.h"
#include "UserControl1.h"

using picturelist::PictureListError;
using picturelist::UserControl1;

namespace {

class Reader {
  public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // Small numbers around the list's positions, now and then one far outside them.
    int Index() {
        const std::uint8_t b = Byte();
        if (b < 240) return int(b % 24) - 2;
        const int far[] = {-32769, -32768, -1000, 32766, 32767, 32768, 65536, 1 << 30};
        return far[(b - 240) % 8];
    }
    QString Text() {
        static const char16_t alphabet[] = u"aAbB z9*?#[]!-\tÄ";
        const int length = Byte() % 8;
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(alphabet[Byte() % (sizeof(alphabet) / sizeof(alphabet[0]) - 1)]);
        return text;
    }
    QVariant Value() {
        switch (Byte() % 7) {
            case 0:
                return Index();
            case 1: {
                const double odd[] = {0.5,
                                      2.5,
                                      -1.5,
                                      1e300,
                                      -1e300,
                                      std::numeric_limits<double>::infinity(),
                                      std::numeric_limits<double>::quiet_NaN(),
                                      300.0,
                                      1e7,
                                      1e9};
                return odd[Byte() % 10];
            }
            case 2:
                return qint64(std::numeric_limits<qint64>::min());
            case 3:
                return Text();
            case 4:
                return bool(Byte() & 1);
            case 5:
                return int(Byte()) * 15;
            default:
                return QVariant();
        }
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

const char* const Properties[] = {
    "Enabled",     "ListCount",      "Fontname",  "FontSize",  "ForeColor", "GridLines",
    "BorderStyle", "DropDownHeight", "Mode",      "RowHeight", "text",      "Listindex",
    "DrawStyle",   "BackColor",      "GridColor", "ToolTip",   "TopIndex"};

const Qt::Key Keys[] = {Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Home,   Qt::Key_End,
                        Qt::Key_Return, Qt::Key_Escape, Qt::Key_PageUp, Qt::Key_PageDown,
                        Qt::Key_A,      Qt::Key_Z,      Qt::Key_Space,  Qt::Key_F4};

picturelist::ImageList* images = nullptr;

// Runs a call by name; a refused call raises the numbered error, which is the host's to catch.
template <typename... Args>
void Call(UserControl1& list, const char* method, Args&&... args) {
    try {
        QMetaObject::invokeMethod(&list, method, Qt::DirectConnection, std::forward<Args>(args)...);
    } catch (const PictureListError&) {
    }
}

QStringList StoreTexts(const UserControl1& list) {
    QStringList texts;
    for (int p = 1; p <= list.items().count(); ++p)
        texts << list.items().at(p).text;
    return texts;
}

void Mouse(QWidget* target, Reader& in) {
    const QSize size = target->size().expandedTo(QSize(1, 1));
    auto point = [&] {
        return QPoint(int(in.Byte()) * 3 * size.width() / 256 - size.width(),
                      int(in.Byte()) * 3 * size.height() / 256 - size.height());
    };
    const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove,
                                  QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick};
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const QEvent::Type type = types[in.Byte() % 4];
    const Qt::MouseButton button = buttons[in.Byte() % 3];
    const QPoint at = point();
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::KeyboardModifiers(Qt::ShiftModifier * (in.Byte() & 1)));
    QCoreApplication::sendEvent(target, &event);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::StartQt();
    images = new picturelist::ImageList;
    for (int n = 0; n < 3; ++n) {
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(qRgb(80 * n, 120, 200));
        images->add(picture);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1500) return 0;
    Reader in(data, size);
    UserControl1 list;
    // The pivot source may also give the 1.0 that a uniform generator should never give.
    list.setRandomSource([&in] {
        const std::uint8_t b = in.Byte();
        return b == 255 ? 1.0 : b / 256.0;
    });
    list.setPictureList(images);
    list.resize(200, 150);
    list.show();
    QStringList expected;  // the texts in the store, in any order

    for (int steps = 0; !in.AtEnd() && steps < 60; ++steps) {
        const int count = list.items().count();
        const std::uint8_t op = in.Byte() % 16;
        if (op == 0 || op == 1) {
            const QString text = in.Text();
            const int itemx = in.Index(), ipic = in.Index() % 5;
            Call(list, "AddItem", Q_ARG(QString, text), Q_ARG(int, itemx), Q_ARG(int, ipic),
                 Q_ARG(QString, QString()), Q_ARG(qint64, qint64(-1)));
            if (list.items().count() == count + 1) expected << text;
        } else if (op == 2) {
            const int it = in.Index();
            const QString before =
                list.items().contains(it + 1) ? list.items().at(it + 1).text : QString();
            Call(list, "RemoveItem", Q_ARG(int, it));
            if (list.items().count() == count - 1) expected.removeOne(before);
        } else if (op == 3) {
            Call(list, "Clear");
            expected.clear();
        } else if (op == 4) {
            Call(list, in.Byte() & 1 ? "SortAscending" : "SortDescending");
        } else if (op == 5) {
            QVariant found;
            Call(list, "Find", Q_RETURN_ARG(QVariant, found), Q_ARG(int, in.Byte() % 3),
                 Q_ARG(int, in.Index()), Q_ARG(QString, in.Text()), Q_ARG(int, in.Byte() & 1));
        } else if (op == 6) {
            Call(list, "ShowItem", Q_ARG(int, in.Index()));
        } else if (op == 7) {
            const int it = in.Index();
            const QString text = in.Text();
            const QString before =
                list.items().contains(it + 1) ? list.items().at(it + 1).text : QString();
            Call(list, "UpdateText", Q_ARG(int, it), Q_ARG(QString, text));
            if (list.items().contains(it + 1) && list.items().at(it + 1).text == text &&
                expected.removeOne(before))
                expected << text;
        } else if (op == 8) {
            Call(list, "UpdateIcon", Q_ARG(int, in.Index()), Q_ARG(int, in.Index()));
        } else if (op == 9) {
            Call(list, "SetItemData", Q_ARG(int, in.Index()), Q_ARG(QVariant, in.Value()));
        } else if (op == 10 || op == 11) {
            const char* name = Properties[in.Byte() % (sizeof(Properties) / sizeof(Properties[0]))];
            list.setProperty(name, in.Value());  // by name: refusals only warn
        } else if (op == 12) {
            const Qt::Key key = Keys[in.Byte() % (sizeof(Keys) / sizeof(Keys[0]))];
            const Qt::KeyboardModifiers mods(Qt::ShiftModifier * (in.Byte() & 1));
            QKeyEvent press(QEvent::KeyPress, key, mods, key == Qt::Key_A ? "a" : "");
            QCoreApplication::sendEvent(list.listSurface(), &press);
            QKeyEvent release(QEvent::KeyRelease, key, mods);
            QCoreApplication::sendEvent(list.listSurface(), &release);
        } else if (op == 13) {
            Mouse(list.listSurface(), in);
        } else if (op == 14) {
            Mouse(in.Byte() & 1 ? list.dropButton() : static_cast<QWidget*>(list.scrollBar()), in);
        } else {
            list.resize(1 + in.Byte() * 2, 1 + in.Byte() * 2);
            QCoreApplication::processEvents();
        }

        const int now = list.items().count();
        FUZZ_CHECK(list.property("ListCount").toInt() == now);
        for (int i = 0; i < now; ++i) {
            QString byName;
            QMetaObject::invokeMethod(&list, "List", Qt::DirectConnection,
                                      Q_RETURN_ARG(QString, byName), Q_ARG(int, i));
            FUZZ_CHECK(byName == list.items().at(i + 1).text);
        }
        QStringList held = StoreTexts(list);
        QStringList wanted = expected;
        held.sort();
        wanted.sort();
        FUZZ_CHECK(held == wanted);
    }
    return 0;
}
