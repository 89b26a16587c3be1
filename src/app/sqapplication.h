// The program's application object. Its event delivery is the application's general handler: an error that a
// handler lets escape (every command runs under the main window's guard; this catches whatever lies outside
// it) is shown in an error box with the error's text, and the program goes on.
#pragma once

#include <QApplication>

class TSquadrantApplication : public QApplication {
    Q_OBJECT
public:
    TSquadrantApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
