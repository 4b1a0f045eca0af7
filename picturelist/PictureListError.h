// The run-time errors the picture list raises to its host: a numbered error with its text, as the
// control's callers expect (6 for a position or count beyond 16 bits, 382 and 387 for properties
// that may not be set, 35600 for a picture the image list does not hold).
#pragma once

#include <QString>
#include <QtGlobal>

#include <stdexcept>

namespace picturelist {

enum ErrorNumber : int {
    ErrOverflow = 6,
    ErrObjectNotSet = 91,
    ErrInvalidPattern = 93,
    ErrSetNotAtRunTime = 382,
    ErrSetNotPermitted = 387,
    ErrIndexOutOfBounds = 35600,
};

class PictureListError : public std::runtime_error {
  public:
    PictureListError(int number, const QString& text)
        : std::runtime_error(text.toStdString()), number_(number), text_(text) {}

    int number() const { return number_; }
    const QString& text() const { return text_; }

    static PictureListError overflow() { return {ErrOverflow, QStringLiteral("Overflow")}; }
    static PictureListError notAtRunTime(const QString& property) {
        return {ErrSetNotAtRunTime,
                QStringLiteral("'%1' property cannot be set at run time").arg(property)};
    }
    static PictureListError notPermitted(const QString& property) {
        return {ErrSetNotPermitted, QStringLiteral("'%1' property cannot be set").arg(property)};
    }

  private:
    int number_;
    QString text_;
};

// Positions and counts travel as 16-bit signed values; anything wider overflows.
inline int checkedInt16(long long value) {
    if (value < -32768 || value > 32767) throw PictureListError::overflow();
    return static_cast<int>(value);
}

// Runs the work of an event handler, a timer or a paint. Nothing up Qt's event dispatch can catch
// an error, and one that escapes ends the program; so it is reported as a warning, as a by-name
// write is, and the control carries on with whatever the work left done.
template <typename Work>
void reportErrors(const char* where, Work&& work) noexcept {
    try {
        work();
    } catch (const PictureListError& e) {
        qWarning("UserControl1.%s: error %d, %s", where, e.number(), qUtf8Printable(e.text()));
    } catch (const std::exception& e) {
        qWarning("UserControl1.%s: %s", where, e.what());
    }
}

}  // namespace picturelist
