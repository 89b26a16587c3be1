// The program's command line: --help and --version answer without opening a window (they need no display), a
// roster file named on it is read at start as Open Roster reads a chosen one. Qt's own options (-platform,
// -style, -display, ...) pass through to the application object, which takes them off the command line.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    enum Action { Start, ShowHelp, ShowVersion, Wrong };
    Action action = Start;
    QString rosterFile; // the roster to read at start; empty when none was named
    QString problem;    // for Wrong: what is wrong, in one line
};

// Reads the arguments after the program's name, from left to right: the first --help or --version decides, as
// does the first wrong argument before either of them.
CommandLine parseCommandLine(const QStringList& arguments);

// The text of --help. samplesFolder is the folder of the sample rosters (empty when there is none).
QString usageText(const QString& samplesFolder);

// The text of --version: the version and the licence.
QString versionText();
