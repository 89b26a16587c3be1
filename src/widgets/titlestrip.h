// The title strip of a window that draws its own frame (Qt::FramelessWindowHint): the caption, an optional menu
// bar, minimise and close buttons. A press on its free area asks the platform to move the window, so the window
// manager moves it as it moves any other; the close button closes the window as a frame's close box does.
#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QMenuBar;
class QToolButton;

class TTitleStrip : public QWidget {
    Q_OBJECT
public:
    enum Buttons { CloseOnly, MinimiseAndClose };
    // Becomes the title strip of `window`, showing its title; `inset` keeps the contents clear of the rounded
    // corners of the window's outline.
    TTitleStrip(QWidget* window, Buttons buttons, int inset);

    // Puts the window's menu bar beside the caption.
    void setMenuBar(QMenuBar* bar);

    QLabel* caption() const { return m_caption; }
    QToolButton* minimiseButton() const { return m_minimise; }
    QToolButton* closeButton() const { return m_close; }

    static constexpr int Height = 22;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_window;
    QHBoxLayout* m_layout;
    QLabel* m_caption;
    QToolButton* m_minimise = nullptr;
    QToolButton* m_close;
    bool m_dragging = false; // moving the window by hand where the platform cannot
    QPoint m_grab;
};

// A thin strip along an edge of a window without the platform's frame: a press asks the platform to resize the
// window from that edge, as a frame's border does (by hand where there is no window manager).
class TEdgeGrip : public QWidget {
    Q_OBJECT
public:
    TEdgeGrip(Qt::Edges edges, QWidget* window);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::Edges m_edges;
    QWidget* m_window;
    bool m_dragging = false;
    QPoint m_start;
    QRect m_startGeometry;
};

// A top-level window's outer geometry (frame included), as the window manager has framed it.
QRect outerGeometry(const QWidget* window);

// Centres a top-level window on its screen by its outer size (frame included), now and again once the window
// manager has framed it, unless the manager has moved it in between.
void centreOnScreen(QWidget* window);

// A thin line along a window's outline, drawn above its contents as a frame would be; it takes no mouse events.
class TOutlineBorder : public QWidget {
    Q_OBJECT
public:
    TOutlineBorder(const QPainterPath& outline, QWidget* window);
    void setOutline(const QPainterPath& outline);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainterPath m_outline;
};
