// The About box: the product's name and version, the program icon and an OK button. It is
// modal for the whole program but shown without a nested event loop, so that nothing waits on
// it; OK or a press anywhere on its text closes it.
#pragma once

#include <QDialog>
#include <QIcon>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tolvanis {

class AboutForm : public QDialog {
    Q_OBJECT

  public:
    explicit AboutForm(QWidget* parent = nullptr);

    // Shows the box modally and returns at once.
    void ShowModal();

    QPlainTextEdit* AboutText() const { return aboutText_; }
    QPushButton* AboutOk() const { return aboutOk_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Picture1() const { return picture1_; }

    // The program icon at the sizes a window uses.
    static QIcon ProgramIcon();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* aboutText_ = nullptr;
    QPushButton* aboutOk_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* picture1_ = nullptr;
};

}  // namespace tolvanis
