// Where the settings file and the help file are. A portable folder keeps its settings file beside the
// executable; an installed copy, whose folder its user cannot write, keeps the user's own settings file in
// the user's configuration folder, copied there on the first start from the one the package ships.
#pragma once

#include <QString>
#include <QStringList>

struct SettingsPlace {
    QString path;  // the settings file the program opens
    bool found;    // false when there is none at all: path is then the one beside the executable
    QString error; // why the shipped file could not be copied to the user's folder (the shipped one is used)
};

// The folders an installed copy's own files may lie in: the package's data folder beside the executable's
// (for /usr/games/squadrant, /usr/share/squadrant) and, after it, squadrant/ in each of the dataFolders.
QStringList packageDataFolders(const QString& executablePath, const QStringList& dataFolders);

// The settings file for the executable: beside it, when that file exists and its folder may be written;
// otherwise squadrant.INI in configFolder, copied there first from the shipped one (beside the executable, or
// in a package data folder) when it is not there yet.
SettingsPlace locateSettingsFile(const QString& executablePath, const QString& configFolder,
                                 const QStringList& dataFolders);

// The same for the running program: configFolder is $XDG_CONFIG_HOME/squadrant (by default
// ~/.config/squadrant), dataFolders those of $XDG_DATA_DIRS.
SettingsPlace locateSettingsFile(const QString& executablePath);

// The help file SQDX.HLP: beside the executable, else in the package's data folder. The path beside the
// executable when there is none.
QString locateHelpFile(const QString& executablePath);

// The folder of sample rosters: samples/ beside the executable (a portable folder), else in the package's data
// folder (/usr/share/squadrant/samples). Empty when there is none (a build folder).
QString locateSamplesFolder(const QString& executablePath);
