// The texts of the line-up viewer, built from the lines of a line-up file.
#pragma once

#include <QMap>
#include <QStringList>

struct ViewerTexts {
    QStringList teamInfo;         // the nine team information lines
    QStringList starters;         // one per starter line
    QStringList substitutes;      // "S1: ..." to "S5: ..."
    QMap<QString, QString> pitch; // pitch label name -> player name, for the filled labels only
};

// The names of the 20 pitch labels, "pitchGK" to "pitchFW4".
const QStringList& pitchLabelNames();

// homeBonusShown is what the home bonus list shows once the file's home bonus has been applied.
ViewerTexts buildViewerTexts(const QStringList& lines, const QString& homeBonusShown);
