// The help window: the help file (an HTML page beside the executable) in a normal window of its own that stands
// beside the main window, with Back, Forward and Contents; Escape closes it. There is only ever one; every Help command
// raises it.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(const QString& helpFile);
    // Its narrowest, in pixels.
    static constexpr int MinimumWidth = 640;

    // Shows the help file's contents page in the one help window, placed beside `beside` when it first opens,
    // or says clearly that the file is missing. Returns the window, or nothing when the file is missing.
    static THelpWindow* showContents(QWidget* beside, const QString& helpFile);
    // The help window when one is open.
    static THelpWindow* instance();

    void showContentsPage();

    QTextBrowser* browser() const { return m_browser; }

private:
    void placeBeside(QWidget* window);

    QUrl m_source;
    QTextBrowser* m_browser;
    QToolButton *m_back, *m_forward, *m_contents;
};
