#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <cstdint>

class QPainter;

// A colour as the layouts give it: red + 256 * green + 65536 * blue. The top
// byte is ignored.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0;
inline constexpr TColor clGray = 8421504;
inline constexpr TColor clWhite = 16777215;
inline constexpr TColor clNavy = 8388608;
inline constexpr TColor clAqua = 16776960;

QColor toQColor(TColor colour);
TColor fromQColor(const QColor& colour);

// Step `i` of `n` from `begin` to `end`, per component begin + i * (end - begin) / n,
// the division truncated toward zero. `n` 0 gives `begin`.
TColor gradientStep(TColor begin, TColor end, std::int64_t i, std::int64_t n);

// The caption as shown: every single "&" removed, "&&" kept as one "&".
QString stripAccelerators(const QString& caption);
// The character after the first single "&", or a null character when there is none.
QChar acceleratorChar(const QString& caption);

enum TGradientStyle : int { gsHorizontal, gsVertical, gsElliptic, gsRectangle, gsVertCenter, gsHorizCenter };
enum TTextStyle : int { tsNormal, tsRaised, tsInset };
enum TShadeType : int { stLight, stHeavy };
enum TJustification : int { jLeft, jCenter, jRight };
// Named colour schemes of the layout editor; they change nothing at run time.
// Scoped because the names carry no prefix of their own.
enum class TPreset : int { None, GoldCoast, LimeBox, Aluminum, SunRise, BrassedOff };

// Every push button of the program: a focusable control that paints its face
// as a gradient between two colours with a 3-D frame and a caption with
// optional highlight and shadow copies. Pressing swaps the two colours and
// moves the caption by one pixel.
//
// A click (the left button released over the control, Enter, or the caption's
// accelerator) is delivered as the signal `clicked`; the pointer entering and
// leaving as `mouseEntered` and `mouseLeft`. The accelerator is the character
// after a single "&"; it works with and without Alt, as long as the control is
// visible and enabled in the active window (text fields keep their plain keys).
class TGradBtn : public QWidget {
    Q_OBJECT
public:
    explicit TGradBtn(QWidget* parent = nullptr);

    QString caption() const { return FCaption; }
    void setCaption(const QString& caption);
    TColor fontColor() const { return FFontColor; }
    void setFontColor(TColor colour);

    TColor disabledColor() const { return FDisabledColor; }
    void setDisabledColor(TColor colour);
    TColor btnHiliteClr() const { return FBtnHiliteClr; }
    void setBtnHiliteClr(TColor colour);
    TColor btnShadowClr() const { return FBtnShadowClr; }
    void setBtnShadowClr(TColor colour);
    int btnFrameSize() const { return FBtnFrameSize; }
    // Refused (the old value stays) unless 0 <= size <= Width / 2 - 5 and <= Height / 2 - 5.
    void setBtnFrameSize(int size);
    TColor txtHiliteClr() const { return FTxtHiliteClr; }
    void setTxtHiliteClr(TColor colour);
    TColor txtShadowClr() const { return FTxtShadowClr; }
    void setTxtShadowClr(TColor colour);
    TColor beginColor() const { return FBeginClr; }
    void setBeginColor(TColor colour);
    TColor endColor() const { return FEndClr; }
    void setEndColor(TColor colour);
    bool swapColors() const { return FSwapClr; }
    void setSwapColors(bool swap) { FSwapClr = swap; }
    bool showFocus() const { return FShowFocus; }
    void setShowFocus(bool show) { FShowFocus = show; }
    TGradientStyle gradientStyle() const { return FGradientStyle; }
    void setGradientStyle(TGradientStyle style);
    TTextStyle textStyle() const { return FTextStyle; }
    void setTextStyle(TTextStyle style);
    TShadeType textShadeType() const { return FShadeType; }
    void setTextShadeType(TShadeType shade);
    TJustification justification() const { return FJustify; }
    void setJustification(TJustification justify);
    TPreset presets() const { return FPreset; }
    void setPresets(TPreset preset) { FPreset = preset; }

    // Whether the face is drawn pressed.
    bool isDrawnPressed() const { return !mUp; }

    // Delivers a click as releasing the left button over the control does.
    void click();

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setColour(TColor& field, TColor colour);
    void MouseDown(Qt::MouseButton button);
    void MouseUp();
    void Click();
    void pointerAt(bool inside);
    void releasePress();
    void swapGradient();
    void grabAccelerator();

    void Paint();
    void drawGradient(QPainter& painter) const;
    void drawFrame(QPainter& painter) const;
    void drawCaption(QPainter& painter) const;
    void drawFocusRect();

    QString FCaption;
    TColor FFontColor = clBlack;
    TColor FDisabledColor;
    TColor FBtnHiliteClr;
    TColor FBtnShadowClr;
    int FBtnFrameSize = 1;
    TColor FTxtHiliteClr;
    TColor FTxtShadowClr;
    TColor FBeginClr = clNavy;
    TColor FEndClr = clAqua;
    bool FSwapClr = true;
    bool FShowFocus = true;
    TGradientStyle FGradientStyle = gsVertCenter;
    TTextStyle FTextStyle = tsRaised;
    TShadeType FShadeType = stLight;
    TJustification FJustify = jCenter;
    TPreset FPreset = TPreset::None;

    bool mUp = true;
    bool Clicking = false;
    QImage bm;
    QString Caption2;

    // The colours are swapped by a press, so only that press swaps them back.
    bool _coloursSwapped = false;
    // The left button went down on this control and is still held.
    bool _leftHeld = false;
    bool _pointerInside = false;
    QList<int> _acceleratorIds;
};

// The program's standard button: Arial 19 px black on the grey-to-white
// ramp from the centre, no focus frame, placed at left, top, width x height.
TGradBtn* makeStandardButton(QWidget* parent, int left, int top, int width, int height, const QString& caption = {});
