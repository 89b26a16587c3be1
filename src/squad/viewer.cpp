#include "viewer.h"

#include "lineup/lineupfile.h"

const QStringList& pitchLabelNames()
{
    static const QStringList names = [] {
        QStringList n = {QStringLiteral("pitchGK"), QStringLiteral("pitchSW")};
        for (int i = 1; i <= 5; ++i)
            n.append(QStringLiteral("pitchDF%1").arg(i));
        for (int i = 1; i <= 5; ++i)
            n.append(QStringLiteral("pitchMF%1").arg(i));
        for (int i = 1; i <= 4; ++i)
            n.append(QStringLiteral("pitchWG%1").arg(i));
        for (int i = 1; i <= 4; ++i)
            n.append(QStringLiteral("pitchFW%1").arg(i));
        return n;
    }();
    return names;
}

ViewerTexts buildViewerTexts(const QStringList& lines, const QString& homeBonusShown)
{
    ViewerTexts v;
    const QStringList team = lineFields(lines.value(0), 37);
    v.teamInfo.append(QStringLiteral("HomeBonus: ") + homeBonusShown + QStringLiteral("            Starting Tactic: ") +
                      team.at(1));
    for (int g = 0; g < 5; ++g) {
        QString line = QStringLiteral("Conditional Tactic #%1      ").arg(g + 1);
        for (int i = 0; i < 7; ++i)
            line += team.at(2 + 7 * g + i) + (i < 6 ? QStringLiteral("  ") : QString());
        v.teamInfo.append(line);
    }
    const QStringList training = lineFields(lines.value(1), 9);
    QString cp = QStringLiteral("CP:");
    QString tp = QStringLiteral("TP:");
    for (int i = 0; i < 4; ++i) {
        cp += QStringLiteral("  ") + training.at(i);
        tp += QStringLiteral("  ") + training.at(4 + i);
    }
    v.teamInfo << cp << tp << QStringLiteral("PK: ") + training.at(8);

    int df = 0, mf = 0, wg = 0, fw = 0;
    for (int l = 2; l < 18 && l < lines.size(); ++l) {
        const QStringList f = lineFields(lines.at(l), 29);
        QString text = f.at(0) + QLatin1Char(' ') + f.at(1) + QLatin1Char(' ') + f.at(2) + QLatin1Char(' ') +
                       QStringLiteral("      ");
        for (int i = 3; i < 29; ++i)
            text += f.at(i) + QLatin1Char(' ');
        if (l >= 13) {
            v.substitutes.append(QStringLiteral("S%1: ").arg(l - 12) + text);
            continue;
        }
        v.starters.append(text);
        const QString& pos = f.at(0);
        const QString& name = f.at(1);
        if (pos == QLatin1String("GK"))
            v.pitch[QStringLiteral("pitchGK")] = name;
        else if (pos == QLatin1String("SW"))
            v.pitch[QStringLiteral("pitchSW")] = name;
        else if (pos == QLatin1String("DF") && ++df <= 5)
            v.pitch[QStringLiteral("pitchDF%1").arg(df)] = name;
        else if (pos == QLatin1String("MF") && ++mf <= 5)
            v.pitch[QStringLiteral("pitchMF%1").arg(mf)] = name;
        else if (pos == QLatin1String("WG") && ++wg <= 4)
            v.pitch[QStringLiteral("pitchWG%1").arg(wg)] = name;
        else if (pos == QLatin1String("FW") && ++fw <= 4)
            v.pitch[QStringLiteral("pitchFW%1").arg(fw)] = name;
    }
    return v;
}
