// The names of the files the program writes for a team, and the reading of a line-up file's name.
#pragma once

#include <QString>

// Why the team abbreviation cannot name a file (a path separator, "..", or a character no file name may
// hold), or an empty text when it can.
QString teamFileNameProblem(const QString& abbreviation);

// The line-up file of a match: abbreviation + match + ".txt"; match "1" when none is chosen.
QString lineupFileName(const QString& abbreviation, const QString& matchText);

// A session's order file: abbreviation + "Session" + session + suffix.
QString orderFileName(const QString& abbreviation, const QString& sessionText, const QString& suffix);

// A file name joined to the working directory, which carries its own trailing separator.
inline QString inWorkDir(const QString& workDir, const QString& name)
{
    return workDir + name;
}

struct LineupNameParts {
    QString matchText;
    QString abbreviation;
    bool matchIsNumber = false;
    int match = 0; // 0 when the match text is not a number
};

// The match and team of a line-up file's path. With a roster loaded, a name made of the loaded abbreviation
// and a number gives that number; otherwise the match is the name's last two characters when they are
// digits, else its last character, and the abbreviation is what stands before it.
LineupNameParts parseLineupFileName(const QString& path, const QString& loadedAbbreviation);
