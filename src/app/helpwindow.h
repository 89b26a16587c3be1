// The help window: shows the contents page of the help file, an HTML page beside the executable.
#pragma once

#include <QDialog>

class QTextBrowser;

class THelpWindow : public QDialog {
    Q_OBJECT
public:
    THelpWindow(const QString& html, const QString& folder, QWidget* parent);

    // Shows the help file's contents page, or says clearly that the file is missing.
    static void showContents(QWidget* parent, const QString& helpFile);

private:
    QTextBrowser* m_browser;
};
