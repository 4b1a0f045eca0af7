#include "TableStatusBar.h"

#include <QLabel>

namespace tolvanis {

TableStatusBar::TableStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        parts_[i] = new QLabel(this);
        // The turn takes the room that is left; the counts keep their width.
        if (i == 0) {
            addWidget(parts_[i], 1);
        } else {
            addPermanentWidget(parts_[i]);
        }
    }
}

void TableStatusBar::Show(const StatusTexts& texts) {
    const QString* words[] = {&texts.Turn, &texts.Cards, &texts.Colour, &texts.Points};
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        if (parts_[i]->text() != *words[i]) parts_[i]->setText(*words[i]);
    }
}

}  // namespace tolvanis
