// The focus ring: wherever the keyboard focus is, a ring two pixels wide in the palette's highlight colour shows
// it, around the control that has the focus and, in a grid or list that has it, around the current cell.
//
// One mechanism for the whole program rather than one patch per control: installFocusRing() gives the
// application a style (a proxy over the platform's own) that draws the current cell's ring and no faint focus
// frames of its own, and a ring that follows the focus from control to control in every window.
#pragma once

#include <QProxyStyle>
#include <QRect>

class QWidget;

// The ring's width in pixels.
constexpr int FocusRingWidth = 2;

// Installs the style and the following ring once; later calls do nothing.
void installFocusRing();

// The part of `focus` the ring surrounds, in the coordinates of focus->window(): the control (an editable combo
// box or spin box for its own text field), the current tab of a tab bar, clipped to what the windows around it
// show. An empty rectangle when no ring is drawn (a pop-up menu, a control hidden or scrolled away).
QRect focusRingRect(QWidget* focus);

// The style behind the ring: the current cell of a focused grid or list is drawn with its ring (and, when it is
// also selected, in a lighter highlight so that the ring stands out); the platform's own focus frames (a faint
// dotted or tinted line) are left out, since the following ring shows the focus of every control.
class TFocusStyle : public QProxyStyle {
    Q_OBJECT
public:
    TFocusStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
