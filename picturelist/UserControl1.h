// UserControl1: an owner-drawn list whose rows show a small picture from the host's image list and
// a line of text in the row's own font and colour, with an item value per row. It works as a plain
// scrolling list (Mode 0) or as a drop-down with an edit box and a button (Mode 1).
//
// Everything public is reachable twice: as typed C++ members, and by name through the meta-object
// system (properties, invokable methods, signals for the events), because hosts bind to the control
// at run time. A typed setter raises PictureListError for a value it refuses; a write by name
// warns and keeps the old value instead. Lengths are in twips; colours are &H00BBGGRR values (see
// OleColour.h).
//
// The rows are drawn onto a persistent image that keeps whatever was drawn until it is cleared;
// painting the widget only shows that image. Changing the items only records what is to be drawn
// and asks for a repaint: the image is brought up to date at most once a frame, when the control is
// painted or someone reads the image, so a log fed thousands of lines while its window is closed
// draws nothing. The drawing routines are public for hosts and tests that need to redraw or inspect
// a page directly; they draw at once.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <unordered_map>
#include <vector>

#include "ItemStore.h"
#include "OleColour.h"
#include "PictureListError.h"

class QLineEdit;
class QScrollBar;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace picturelist {

class ListSurface;
class DropButton;
class PropertyBag;

class UserControl1 : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("Enabled",
                "Returns/sets a value that determines whether an object can respond to "
                "user-generated events.")
    Q_CLASSINFO("PictureList", "Returns/sets a graphic to be displayed in a control.")
    Q_CLASSINFO("Fontname",
                "Specifies the name of the font that appears in each row for the given level.")
    Q_CLASSINFO("FontSize",
                "Specifies the size (in points) of the font that appears in each row for the "
                "given level.")
    Q_CLASSINFO("ForeColor",
                "Returns/sets the foreground color used to display text and graphics in an "
                "object.")
    Q_CLASSINFO("BorderStyle", "Returns/sets the border style for an object.")
    Q_CLASSINFO("DrawStyle", "Determines the line style for output from graphics methods.")
    Q_CLASSINFO("BackColor",
                "Returns/sets the background color used to display text and graphics in an "
                "object.")

    Q_PROPERTY(bool Enabled READ Enabled WRITE writeEnabled)
    Q_PROPERTY(QObject* PictureList READ PictureList WRITE writePictureList)
    Q_PROPERTY(int ListCount READ ListCount WRITE writeListCount)
    Q_PROPERTY(QString Fontname READ Fontname WRITE writeFontname)
    Q_PROPERTY(float FontSize READ FontSize WRITE writeFontSize)
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE writeForeColor)
    Q_PROPERTY(bool GridLines READ GridLines WRITE writeGridLines)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE writeBorderStyle)
    Q_PROPERTY(int DropDownHeight READ DropDownHeight WRITE writeDropDownHeight)
    Q_PROPERTY(int Mode READ Mode WRITE writeMode)
    Q_PROPERTY(QVariant RowHeight READ RowHeight WRITE writeRowHeight)
    Q_PROPERTY(QVariant text READ text WRITE writeText)
    Q_PROPERTY(double Listindex READ Listindex WRITE writeListindex)
    Q_PROPERTY(int DrawStyle READ DrawStyle WRITE writeDrawStyle)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE writeBackColor)
    Q_PROPERTY(qint32 GridColor READ GridColor WRITE writeGridColor)
    Q_PROPERTY(bool ToolTip READ ToolTip WRITE writeToolTip)
    Q_PROPERTY(QVariant TopIndex READ TopIndex WRITE writeTopIndex)
    Q_PROPERTY(bool designMode READ designMode WRITE setDesignMode)

  public:
    using OleColor = picturelist::OleColor;

    explicit UserControl1(QWidget* parent = nullptr);
    ~UserControl1() override;

    // --- properties -------------------------------------------------------------------------
    bool Enabled() const { return enabled_; }
    void setEnabledFlag(bool on);
    QObject* PictureList() const { return pictureList_; }
    void setPictureList(QObject* list);
    int ListCount() const { return store_.count(); }
    void setListCount(int value);  // always throws: 387 at design time, 382 at run time
    QString Fontname() const;
    void setFontname(const QString& name);
    float FontSize() const;
    void setFontSize(float points);  // sizes outside (0, MaxFontSize] are ignored
    static constexpr float MaxFontSize = 2160.0f;
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor colour);
    bool GridLines() const { return gridLines_; }
    void setGridLines(bool on);
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    int DropDownHeight() const { return dropDownHeight_; }
    void setDropDownHeight(int twips);
    int Mode() const { return mode_; }
    void setMode(int mode);
    QVariant RowHeight() const { return rowHeightValue_; }
    void setRowHeight(const QVariant& twips);
    Q_INVOKABLE QString List(int it) const;
    Q_INVOKABLE void setList(int it, const QVariant& value);
    QVariant text() const;
    void setText(const QVariant& value);
    double Listindex() const;
    void setListindex(double value);
    int DrawStyle() const;
    void setDrawStyle(int style);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor colour);
    OleColor GridColor() const { return gridColor_; }
    void setGridColor(OleColor colour);
    bool ToolTip() const { return toolTip_; }
    void setToolTipFlag(bool on);
    QVariant TopIndex() const { return topIndexValue_; }
    void setTopIndex(const QVariant& position);

    // Design environment (a form designer) versus a running program.
    bool designMode() const { return designMode_; }
    void setDesignMode(bool on) { designMode_ = on; }

    // --- methods ----------------------------------------------------------------------------
    // itemx: -1 puts the item at the top, 0 (or below -1) appends, k >= 1 inserts before public
    // index k. ipic <= 0 and ItemColor -1 take the picture and colour of the current last item.
    // ItemColor also accepts the unsigned spelling of a system colour (0x80000008).
    Q_INVOKABLE void AddItem(const QString& s, int itemx = -1, int ipic = 0,
                             const QString& ItemFont = QString(), qint64 ItemColor = -1);
    Q_INVOKABLE void RemoveItem(int it);
    Q_INVOKABLE void Clear();
    Q_INVOKABLE void SortAscending();
    Q_INVOKABLE void SortDescending();
    // The 1-based position of the first match, 0 for none, an empty value when `it` is out of
    // range.
    Q_INVOKABLE QVariant Find(int sdir, int it, const QString& ftext, int casen = 0);
    Q_INVOKABLE void ShowItem(int i);
    Q_INVOKABLE void UpdateIcon(int it, int ipic);
    Q_INVOKABLE void UpdateText(int it, const QString& s);
    Q_INVOKABLE void UpdateFont(int it, const QString& font);
    Q_INVOKABLE void UpdateForeColor(int it, qint64 fc);
    Q_INVOKABLE void UpdateItemData(int it, const QVariant& itd);
    Q_INVOKABLE QVariant GetItemData(int i) const;
    Q_INVOKABLE void SetItemData(int it, const QVariant& valuex);

    // --- property store ---------------------------------------------------------------------
    void InitProperties();
    void ReadProperties(picturelist::PropertyBag& bag);
    void WriteProperties(picturelist::PropertyBag& bag) const;
    void loadProperties(const QVariantMap& store);
    QVariantMap saveProperties() const;

    // --- drawing, layout and drop-down ------------------------------------------------------
    void LayoutForMode();
    void SizeForFirstItem();
    void DrawRowRange(int top, int bottom);
    void DrawOneItem(int p);
    int DrawRow(int r, const QString& text, const QString& font, OleColor colour, double y);
    int RenderRowText(int x, int y, const QString& text, OleColor colour, const QString& font);
    void ToggleRowHighlight(int r);
    void OpenDropDown();
    void CloseDropDown();

    struct RowLayout {
        int rowHeight;
        int visibleRows;
        int listHeight;
    };
    // Row height, whole rows and list height for a list font whose "M" is mHeight twips high.
    static RowLayout rowLayoutFor(int mHeight, int listHeight, int twipsPerPixel, int borderStyle);

    // --- state, for hosts and tests ---------------------------------------------------------
    // The items with the widths they were last drawn at; reading them brings the drawing up to
    // date.
    const picturelist::ItemStore& items() const;
    int topItem() const { return topItem_; }
    int bottomItem() const { return bottomItem_; }
    int visibleRows() const { return visibleRows_; }
    int listHeight() const { return listHeight_; }
    int rowHeightTwips() const { return rowHeight_; }
    int textRowHeight() const { return textRowHeight_; }
    int highlightRow() const { return highlightRow_; }
    QString chosenIndexText() const { return chosenIndexText_; }
    int twipsPerPixelX() const;
    int twipsPerPixelY() const;
    const QImage& surfaceImage() const;  // brought up to date first, even while hidden
    QWidget* listSurface() const;
    QScrollBar* scrollBar() const;  // its range brought up to date first
    QLineEdit* editBox() const { return edit_; }
    QWidget* dropButton() const;
    QRectF surfaceRectTwips() const { return surfaceTw_; }
    QSize textBandSize() const { return textBuffer_.size(); }

    // The pivot source of the sorts; any uniform generator in [0, 1) will do.
    void setRandomSource(std::function<double()> uniform) { random_ = std::move(uniform); }

    static QImage dropButtonIcon();

    // Draws what has been recorded since the last time; with onlyIfVisible, not while the list
    // cannot be seen (its window closed, hidden or not yet shown).
    void bringUpToDate(bool onlyIfVisible = false);

  signals:
    void MouseMove(int Button, int Shift, float X, float Y);
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void Click();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void PropertyChanged(const QString& key);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class picturelist::ListSurface;

    // Writes by name (setProperty, form loaders, designers): a refused value is a warning and
    // the old value stays, since an exception must not cross the meta-object system. The typed
    // setters above keep raising the numbered error.
    void writeEnabled(bool value);
    void writePictureList(QObject* value);
    void writeListCount(int value);
    void writeFontname(const QString& value);
    void writeFontSize(float value);
    void writeForeColor(qint32 value);
    void writeGridLines(bool value);
    void writeBorderStyle(int value);
    void writeDropDownHeight(int value);
    void writeMode(int value);
    void writeRowHeight(const QVariant& value);
    void writeText(const QVariant& value);
    void writeListindex(double value);
    void writeDrawStyle(int value);
    void writeBackColor(qint32 value);
    void writeGridColor(qint32 value);
    void writeToolTip(bool value);
    void writeTopIndex(const QVariant& value);

    friend class picturelist::DropButton;

    // input handlers of the parts
    void surfaceKeyDown(QKeyEvent* e);
    void surfaceKeyUp(QKeyEvent* e);
    void surfaceMouseMove(QMouseEvent* e);
    void surfaceMouseUp(QMouseEvent* e);
    void surfaceFocusLost();
    void buttonMouseUp(QMouseEvent* e);
    void buttonMouseMove(QMouseEvent* e);
    void scrollChanged(int value);
    void wheelScroll(QWheelEvent* e);
    void resizeHandler();

    // helpers
    void changed(const QString& key) { emit PropertyChanged(key); }
    void applyBackColor(OleColor colour);
    void setScrollMaximum();
    void setScrollValue(int value);
    void setControlHeightTwips(double twips);
    void placeParts();
    void showList(bool on);
    bool listShown() const;
    void clearSurface();
    void requestRows(int top, int bottom);
    void requestOneItem(int p);
    void queueDraw(int top, int bottom, bool clearFirst);
    void paintRows(int top, int bottom, bool clearFirst);
    void syncScrollRange();
    void loadIcon(int picture);
    void redrawWindowIfShowing(int p);
    // A row font with its metrics, made once per font name and kept until the list's font
    // changes.
    struct RowFont {
        QFont font;
        QFontMetrics metrics;
    };
    const RowFont& rowFont(const QString& name);
    int textWidthOf(picturelist::ItemRecord& rec, const RowFont& f);
    int renderText(int x, int y, const QString& text, OleColor colour, const RowFont& f,
                   int advance);
    int drawRow(int r, const QString& text, const RowFont& f, OleColor colour, double y,
                int advance);
    int screenTwipsPerPixelX() const;
    int screenTwipsPerPixelY() const;
    int insetPixels() const { return borderStyle_ != 0 ? 2 : 0; }
    double editHeightTwips() const;
    double controlWidthTwips() const;
    QColor qcolor(OleColor c) const;
    void drawItemAtRow(int p, int r);

    // properties
    bool enabled_ = false;
    QPointer<QObject> pictureList_;
    QVariant ownPicture_;
    bool gridLines_ = false;
    OleColor gridColor_ = 0;
    int drawStyle_ = 0;
    int dropDownHeight_ = 0;
    int mode_ = 0;
    bool toolTip_ = false;
    int borderStyle_ = 1;
    OleColor backColor_ = picturelist::SysButtonFace;
    OleColor foreColor_ = picturelist::SysWindowText;
    QFont surfaceFont_;
    QVariant rowHeightValue_ = 0, topIndexValue_ = 0, listCountValue_ = 0, listValue_ = 0,
             textValue_ = 0, listIndexValue_ = 0;
    bool designMode_ = false;

    // item store and state
    picturelist::ItemStore store_;
    QString currentFont_;
    int topItem_ = -1;
    int bottomItem_ = 0;
    int visibleRows_ = 0;
    int listHeight_ = 0;
    int rowHeight_ = 0;
    int textRowHeight_ = 0;
    int highlightRow_ = -1;
    int activeMode_ = 0;
    int gridGap_ = 0;
    mutable int drawStyleInUse_ = 0;
    QString chosenIndexText_;
    QString lastAddedIndex_;
    int controlWidth_ = 0;
    int twipsPerPixelX_ = 0, twipsPerPixelY_ = 0;

    // parts and their places (twips, inside the border)
    picturelist::ListSurface* surface_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QLineEdit* edit_ = nullptr;
    picturelist::DropButton* button_ = nullptr;
    QRectF surfaceTw_, scrollTw_, editTw_, buttonTw_;
    double textBufferWidthTw_ = 0;
    QImage textBuffer_;
    QImage iconHolder_;
    // Node-based, so a row font stays where it is while others are added during a page.
    std::unordered_map<QString, RowFont> fontCache_;
    int fontGeneration_ = 0;  // counts the list font's changes; a measured text width keeps its own

    // The painters of the surface and the text band, held open while a page of rows is drawn:
    // opening a painter costs more than drawing a row.
    struct OpenPainters;
    class PagePainters;
    OpenPainters* painters_ = nullptr;
    std::function<double()> random_;
    bool inResize_ = false;
    int wheelRemainder_ = 0;  // eighths of a degree not yet turned into rows

    // Drawing recorded but not yet done, in order; a step that clears the surface drops the steps
    // before it, so the list stays short however many changes a frame brings.
    struct PendingDraw {
        int top;
        int bottom;
        bool clearFirst;
    };
    std::vector<PendingDraw> pendingDraws_;
    bool scrollRangeStale_ = false;
};

}  // namespace picturelist

namespace tolvanis {
using picturelist::UserControl1;
}
