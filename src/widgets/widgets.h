// The decorated controls of the windows: round lamps, a label set vertically, a label whose colour fades,
// and the drawn pitch of the line-up viewer.
#pragma once

#include <QColor>
#include <QIcon>
#include <QLabel>
#include <QWidget>

class QAction;
class QMenu;
class QTimer;
class QValidator;

// Takes up to maxLength characters but never a comma, which would shift every later field of a file line.
QValidator* noCommaValidator(int maxLength, QObject* parent);

// In the open menu, the digits 1 to 9 choose items[0] to items[8] and 0 chooses items[9], as Enter on the
// item would.
void chooseWithDigits(QMenu* menu, const QList<QAction*>& items);

// The glyphs of the tool buttons, drawn rather than looked up in an icon theme (which is slow at start-up).
enum class Glyph { New, Open, Save, Suggest, Help, Check, Plan };
QIcon glyphIcon(Glyph glyph);

// A small round indicator lamp: lit in its on-colour, or unlit grey.
class TLed : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool lit READ isLit)
    Q_PROPERTY(QColor color READ color)
public:
    TLed(const QString& name, QColor onColor, QWidget* parent);
    void setLit(bool lit) { setLit(lit, m_onColor); }
    void setLit(bool lit, QColor color);
    bool isLit() const { return m_lit; }
    QColor color() const { return m_lit ? m_color : unlitColor(); }
    static QColor unlitColor() { return QColor(160, 160, 160); }
    QSize sizeHint() const override { return {14, 14}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_onColor;
    QColor m_color;
    bool m_lit = false;
};

// A caption drawn turned by 270 degrees, reading from the bottom up.
class TRotatedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override;
};

// A caption whose colour fades continuously between its colour and white.
class TFadingLabel : public QLabel {
    Q_OBJECT
public:
    TFadingLabel(const QString& text, QColor color, QWidget* parent);

private:
    QTimer* m_timer;
    QColor m_color;
    int m_phase = 0;
};

// A top view of a football pitch, own goal at the bottom, stretched to the widget.
class TPitchView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override;
};

// A pair of small arrow buttons beside a value or a list: up and down. The arrows are for the mouse and no Tab
// stop: the keyboard presses them from the field they stand beside (stepWithKeys).
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(const QString& name, QWidget* parent);
    // What a click on the upper (true) or lower (false) arrow does.
    void press(bool up) { emit clicked(up); }
    // Up and Down pressed in `field` with exactly `modifiers` press the upper and lower arrow.
    void stepWithKeys(QWidget* field, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

signals:
    void clicked(bool up);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_field = nullptr;
    Qt::KeyboardModifiers m_modifiers;
};
