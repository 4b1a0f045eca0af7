#include "AboutForm.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ProgramIcon.h"
#include "TolvanisVersion.h"

namespace tolvanis {

QIcon AboutForm::ProgramIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 64})
            i.addPixmap(QPixmap::fromImage(DrawProgramIcon(size)));
        return i;
    }();
    return icon;
}

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About TOLVANIS"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(360, 200);

    picture1_ = new QLabel(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setPixmap(ProgramIcon().pixmap(48, 48));
    picture1_->setGeometry(16, 16, 52, 52);

    aboutText_ = new QPlainTextEdit(this);
    aboutText_->setObjectName(QStringLiteral("AboutText"));
    aboutText_->setReadOnly(true);
    aboutText_->setPlainText(QStringLiteral("TOLVANIS\nVersion " TOLVANIS_VERSION
                                            "\n\nA card game for two to four seats,\n"
                                            "people and computer around one table."));
    aboutText_->setGeometry(80, 16, 264, 104);
    aboutText_->viewport()->installEventFilter(this);
    aboutText_->viewport()->setCursor(Qt::ArrowCursor);

    aboutOk_ = new QPushButton(QStringLiteral("OK"), this);
    aboutOk_->setObjectName(QStringLiteral("AboutOk"));
    aboutOk_->setGeometry(264, 128, 80, 28);
    aboutOk_->setDefault(true);
    connect(aboutOk_, &QPushButton::clicked, this, &QDialog::accept);

    label1_ = new QLabel(QStringLiteral("Version " TOLVANIS_VERSION), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setAutoFillBackground(true);
    QPalette palette = label1_->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    label1_->setPalette(palette);
    label1_->setGeometry(0, 170, 360, 30);
}

void AboutForm::ShowModal() {
    show();
    raise();
    activateWindow();
}

bool AboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == aboutText_->viewport() && event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tolvanis
