// The program's file and folder choosers. TOpenDialog keeps a dialog's title, filter (in the "Text|*.ext|..."
// form) and starting folder between uses. Tests switch on the test hook and queue the chosen names; an empty
// name is a cancel.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

class TOpenDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString title MEMBER Title)
    Q_PROPERTY(QString filter MEMBER Filter)
    Q_PROPERTY(QString initialDir MEMBER InitialDir)
public:
    TOpenDialog(const QString& name, QString title, QString filter, QObject* parent);
    QString Title;
    QString Filter;
    QString InitialDir;

    // The chosen file's path, or an empty text when the user cancels.
    QString execute(QWidget* parent);
};

namespace FileDialog {
// The folder chosen, or an empty text on cancel.
QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder);

// The name to save a file under, starting from `suggested` (a path); an empty text on cancel. The dialog asks
// before an existing file is replaced.
QString saveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& suggested);

// "Roster Files|*.ros|All files|*.*" as Qt writes it: "Roster Files (*.ros);;All files (*.*)".
QString qtFilter(const QString& filter);

// A folder the open dialogs list in their side bar under the given name (the sample rosters as "Samples").
// Qt's own dialog has the side bar; a desktop's native dialog keeps its own.
void addPlace(const QString& name, const QString& folder);

void enableTestHook();
void disableTestHook();
void queueAnswer(const QString& path);
struct Asked {
    QString title, filter, folder; // folder: the starting folder, or for a save the suggested path
};
QList<Asked> takeAsked();
} // namespace FileDialog
