// Pavrel: a rectangular bevelled box that looks like a raised button, with a centred caption and
// an optional picture. Pressing the mouse on it shows the pressed look (bevel gone, one flat
// border); releasing restores the raised look; a host may hold it down or up with KeepDown and
// KeepUp. The control owns its parts (the caption label and the six bevel lines), its persistent
// properties and their keys in the host's property store.
//
// Positions and sizes the control computes are in twips (15 to a device-independent pixel);
// colours are stored as numbers where the top bit marks a system colour (see SystemColors.h).
#pragma once

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QVariantMap>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "PropertyBag.h"
#include "RuntimeError.h"
#include "pavrel_export.h"

namespace pavrel {
class PavrelPrivate;
}

class PAVREL_EXPORT Pavrel : public QWidget {
    Q_OBJECT

    Q_CLASSINFO("ForeColor",
                "Returns/sets the foreground color used to display text and graphics in an object.")
    Q_CLASSINFO("Enabled",
                "Returns/sets a value that determines whether an object can respond to "
                "user-generated events.")
    Q_CLASSINFO("Font", "Returns a Font object.")
    Q_CLASSINFO("Refresh", "Forces a complete repaint of a object.")
    Q_CLASSINFO("Caption",
                "Returns/sets the text displayed in an object's title bar or below an object's "
                "icon.")
    Q_CLASSINFO("BorderWidth", "Returns or sets the width of a control's border.")
    Q_CLASSINFO("BorderTop", "Returns/sets the color of an object's border.")
    Q_CLASSINFO("BorderLeft", "Returns/sets the color of an object's border.")
    Q_CLASSINFO("BorderRight", "Returns/sets the color of an object's border.")
    Q_CLASSINFO("BorderBottom", "Returns/sets the color of an object's border.")
    Q_CLASSINFO("MaskColor",
                "Returns/sets the color that specifies transparent areas in the MaskPicture.")
    Q_CLASSINFO("Picture", "Returns/sets a graphic to be displayed in a control.")
    Q_CLASSINFO("ToolTipText",
                "Returns/sets the text displayed when the mouse is paused over the control.")
    Q_CLASSINFO("DrawStyle", "Determines the line style for output from graphics methods.")
    Q_CLASSINFO("FontSize",
                "Specifies the size (in points) of the font that appears in each row for the given "
                "level.")
    Q_CLASSINFO("FontBold", "Returns/sets bold font styles.")
    Q_CLASSINFO("Click",
                "Occurs when the user presses and then releases a mouse button over an object.")
    Q_CLASSINFO("DblClick",
                "Occurs when the user presses and releases a mouse button and then presses and "
                "releases it again over an object.")
    Q_CLASSINFO("KeyDown", "Occurs when the user presses a key while an object has the focus.")
    Q_CLASSINFO("KeyPress", "Occurs when the user presses and releases an ANSI key.")
    Q_CLASSINFO("KeyUp", "Occurs when the user releases a key while an object has the focus.")
    Q_CLASSINFO("MouseDown",
                "Occurs when the user presses the mouse button while an object has the focus.")
    Q_CLASSINFO("MouseUp",
                "Occurs when the user releases the mouse button while an object has the focus.")

    // Exposed as int/double so that form designers can edit them; the C++ API keeps the
    // control's own 16-bit and single-precision types. The typed setters throw
    // pavrel::RuntimeError for a value a part refuses; writes by name only warn and keep the old
    // value, since an exception must not cross the meta-object system. PropertyChanged follows
    // every assignment, as hosts that mark their form as edited expect; the NOTIFY signals
    // follow only real changes, so that bindings do not loop.
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE SetForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont NOTIFY FontChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE WriteBorderWidth NOTIFY BorderWidthChanged)
    Q_PROPERTY(uint BorderTop READ BorderTop WRITE SetBorderTop NOTIFY BorderTopChanged)
    Q_PROPERTY(uint BorderLeft READ BorderLeft WRITE SetBorderLeft NOTIFY BorderLeftChanged)
    Q_PROPERTY(uint BorderRight READ BorderRight WRITE SetBorderRight NOTIFY BorderRightChanged)
    Q_PROPERTY(uint BorderBottom READ BorderBottom WRITE SetBorderBottom NOTIFY BorderBottomChanged)
    Q_PROPERTY(uint MaskColor READ MaskColor WRITE SetMaskColor NOTIFY MaskColorChanged)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE SetPicture NOTIFY PictureChanged)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE SetToolTipText NOTIFY ToolTipTextChanged)
    Q_PROPERTY(int DrawStyle READ DrawStyle WRITE WriteDrawStyle NOTIFY DrawStyleChanged)
    Q_PROPERTY(double FontSize READ FontSize WRITE WriteFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(bool FontBold READ FontBold WRITE SetFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(uint PicBack READ PicBack WRITE SetPicBack NOTIFY PicBackChanged)

  public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kNewWidthTwips = 2655;
    static constexpr int kNewHeightTwips = 1785;

    // Creation: the parts take their initial state, PicBack is set and the box is painted.
    explicit Pavrel(QWidget* parent = nullptr);
    ~Pavrel() override;

    // Properties, in the order of the control's interface.
    uint32_t ForeColor() const;
    void SetForeColor(uint32_t New_ForeColor);
    bool Enabled() const;
    void SetEnabled(bool New_Enabled);
    QFont Font() const;
    void SetFont(const QFont& New_Font);
    QString Caption() const;
    void SetCaption(const QString& New_Caption);
    short BorderWidth() const;
    void SetBorderWidth(short New_BorderWidth);
    uint32_t BorderTop() const;
    void SetBorderTop(uint32_t New_BorderTop);
    uint32_t BorderLeft() const;
    void SetBorderLeft(uint32_t New_BorderLeft);
    uint32_t BorderRight() const;
    void SetBorderRight(uint32_t New_BorderRight);
    uint32_t BorderBottom() const;
    void SetBorderBottom(uint32_t New_BorderBottom);
    uint32_t MaskColor() const;
    void SetMaskColor(uint32_t New_MaskColor);
    QPixmap Picture() const;
    void SetPicture(const QPixmap& New_Picture);
    QString ToolTipText() const;
    void SetToolTipText(const QString& New_ToolTipText);
    short DrawStyle() const;
    void SetDrawStyle(short New_DrawStyle);
    float FontSize() const;
    void SetFontSize(float New_FontSize);
    bool FontBold() const;
    void SetFontBold(bool New_FontBold);
    uint32_t PicBack() const;
    void SetPicBack(uint32_t New_PicBack);

    // State of the surface that is stored but is not a property of the interface.
    short BorderStyle() const;  // 0 none, 1 fixed single (pressed)
    uint32_t BackColor() const;

    // Host steps: a new instance placed in a container, and loading from / saving to the store.
    void InitProperties();
    void ReadProperties(pavrel::PropertyBag& bag);
    void WriteProperties(pavrel::PropertyBag& bag) const;
    void Load(const QVariantMap& store);
    QVariantMap Save() const;

    // Where PaintBox last placed the picture, in twips inside the control.
    QPointF PicturePosition() const;
    // A picture's own size in 0.01 mm, as the placement formula uses it.
    static QSizeF PictureSizeHimetric(const QPixmap& picture);

    QSize sizeHint() const override;

  public slots:
    void Refresh();
    void KeepDown();
    void KeepUp();

  signals:
    void MouseMove(short Button, short Shift, float X, float Y);
    void Click();
    void DblClick();
    void KeyDown(short KeyCode, short Shift);
    void KeyPress(short KeyAscii);
    void KeyUp(short KeyCode, short Shift);
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);

    // A persistent property was assigned; `key` is its property-store key.
    void PropertyChanged(const QString& key);

    void ForeColorChanged();
    void EnabledChanged();
    void FontChanged();
    void CaptionChanged();
    void BorderWidthChanged();
    void BorderTopChanged();
    void BorderLeftChanged();
    void BorderRightChanged();
    void BorderBottomChanged();
    void MaskColorChanged();
    void PictureChanged();
    void ToolTipTextChanged();
    void DrawStyleChanged();
    void FontSizeChanged();
    void FontBoldChanged();
    void PicBackChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class pavrel::PavrelPrivate;

    void WriteBorderWidth(int value);
    void WriteDrawStyle(int value);
    void WriteFontSize(double value);

    std::unique_ptr<pavrel::PavrelPrivate> d;
};
