// The help window: the player's help document shown in a text browser. The document is looked
// for in the data folders each time Help is chosen; when it is missing nothing opens and nothing
// is said.
#pragma once

#include <QTextBrowser>

namespace tolvanis {

class HelpViewer : public QTextBrowser {
    Q_OBJECT

  public:
    static constexpr const char* DocumentName = "tolvanis.html";

    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the document; false (and no window) when it cannot be found.
    bool Open();
};

}  // namespace tolvanis
