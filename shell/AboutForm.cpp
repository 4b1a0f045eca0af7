#include "AboutForm.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>

#include "TolvanisVersion.h"

namespace tolvanis {

namespace {

QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size * 0.42, h = size * 0.62;
    const QColor colours[4] = {QColor(200, 30, 30), QColor(30, 150, 40), QColor(30, 60, 200),
                               QColor(230, 190, 20)};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(size * 0.5, size * 0.88);
        p.rotate(-33 + 22 * i);
        const QRectF card(-w / 2, -h - size * 0.08, w, h);
        QPainterPath path;
        path.addRoundedRect(card, size * 0.05, size * 0.05);
        p.fillPath(path, Qt::white);
        p.setPen(QPen(Qt::black, std::max(1.0, size / 32.0)));
        p.drawPath(path);
        p.fillRect(card.adjusted(w * 0.15, h * 0.12, -w * 0.15, -h * 0.12), colours[i]);
        p.restore();
    }
    return pixmap;
}

}  // namespace

QIcon AboutForm::ProgramIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 64})
            i.addPixmap(DrawIcon(size));
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
