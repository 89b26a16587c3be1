#include "commandline.h"

namespace {
// Qt's own command-line options (QGuiApplication, QApplication and the xcb platform), which the application
// object takes off the command line; each may be written with one dash or two.
const QStringList kQtOptionsWithValue = {QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
                                         QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
                                         QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
                                         QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
                                         QStringLiteral("style"),           QStringLiteral("stylesheet"),
                                         QStringLiteral("display"),         QStringLiteral("geometry"),
                                         QStringLiteral("title"),           QStringLiteral("name"),
                                         QStringLiteral("visual")};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                              QStringLiteral("dograb"), QStringLiteral("sync")};

CommandLine wrong(const QString& problem)
{
    CommandLine line;
    line.action = CommandLine::Wrong;
    line.problem = problem;
    return line;
}
} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        const bool isOption = !optionsEnded && arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
        if (!isOption) {
            if (!line.rosterFile.isEmpty())
                return wrong(QStringLiteral("only one roster file can be opened: '%1'").arg(arg));
            if (arg.isEmpty())
                return wrong(QStringLiteral("an empty file name"));
            line.rosterFile = arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.action = CommandLine::ShowHelp;
            return line;
        }
        if (arg == QLatin1String("--version")) {
            line.action = CommandLine::ShowVersion;
            return line;
        }
        const QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString bare = name.section(QLatin1Char('='), 0, 0);
        if (kQtFlags.contains(name) || (kQtOptionsWithValue.contains(bare) && name.contains(QLatin1Char('='))))
            continue;
        if (kQtOptionsWithValue.contains(name)) {
            if (i + 1 >= arguments.size())
                return wrong(QStringLiteral("option '%1' needs a value").arg(arg));
            ++i;
            continue;
        }
        return wrong(QStringLiteral("unknown option '%1'").arg(arg));
    }
    return line;
}

QString usageText(const QString& samplesFolder)
{
    QString text = QStringLiteral(
        "Usage: squadrant [OPTION]... [FILE.ros]\n"
        "Writes a team's orders for a play-by-e-mail football league: line-up, tactics, bids and press.\n"
        "\n"
        "  FILE.ros       start with this roster file read, as File > Open Roster reads it\n"
        "  -h, --help     show this help and exit\n"
        "  --version      show the version and the licence and exit\n"
        "\n"
        "The settings are kept in squadrant.INI: beside the program in a portable folder, otherwise in\n"
        "$XDG_CONFIG_HOME/squadrant/ (by default ~/.config/squadrant/).\n");
    if (!samplesFolder.isEmpty())
        text += QStringLiteral("Sample rosters to try the program with are in %1/.\n").arg(samplesFolder);
    text += QStringLiteral("Press F1 in the program for its help; the manual page is squadrant(6).\n");
    return text;
}

QString versionText()
{
    return QStringLiteral("squadrant " SQUADRANT_VERSION "\n"
                          "Copyright (C) 2026 the Squadrant developers\n"
                          "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n");
}
