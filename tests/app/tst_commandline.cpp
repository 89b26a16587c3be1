// The command line: --help and --version answer on standard output without a display, a wrong argument gets
// the usage on standard error and status 2, Qt's own options pass through, and a roster named on the command
// line is read exactly as Open Roster reads the chosen file. The Open Roster dialog lists the sample rosters.
#include "app/commandline.h"
#include "testutil.h"

#include <QFileDialog>
#include <QListView>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
    void rosterArgumentReadsAsOpenRoster_data();
    void rosterArgumentReadsAsOpenRoster();
    void openDialogListsSamples();
};

void TestCommandLine::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // the file dialog's own settings stay out of the user's
}

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("roster");
    QTest::addColumn<QString>("problem");
    const int start = CommandLine::Start, help = CommandLine::ShowHelp, version = CommandLine::ShowVersion,
              wrong = CommandLine::Wrong;
    QTest::newRow("nothing") << QStringList() << start << ""
                             << "";
    QTest::newRow("a roster") << QStringList{"RVR.ros"} << start << "RVR.ros"
                              << "";
    QTest::newRow("a roster with blanks") << QStringList{"/home/a b/My Team.ros"} << start << "/home/a b/My Team.ros"
                                          << "";
    QTest::newRow("--help") << QStringList{"--help"} << help << ""
                            << "";
    QTest::newRow("-h") << QStringList{"-h"} << help << ""
                        << "";
    QTest::newRow("--version") << QStringList{"--version"} << version << ""
                               << "";
    QTest::newRow("the first of help and version decides") << QStringList{"--version", "--help"} << version << ""
                                                           << "";
    QTest::newRow("help after a roster") << QStringList{"RVR.ros", "--help"} << help << ""
                                         << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << wrong << ""
                                    << "unknown option '--frobnicate'";
    QTest::newRow("unknown short option") << QStringList{"-x", "--help"} << wrong << ""
                                          << "unknown option '-x'";
    QTest::newRow("unknown option after help") << QStringList{"--help", "-x"} << help << ""
                                               << "";
    QTest::newRow("--version=1") << QStringList{"--version=1"} << wrong << ""
                                 << "unknown option '--version=1'";
    QTest::newRow("two rosters") << QStringList{"A.ros", "B.ros"} << wrong << "A.ros"
                                 << "only one roster file can be opened: 'B.ros'";
    QTest::newRow("empty name") << QStringList{""} << wrong << ""
                                << "an empty file name";
    QTest::newRow("a file named like an option, after --") << QStringList{"--", "-odd.ros"} << start << "-odd.ros"
                                                           << "";
    QTest::newRow("Qt's options pass") << QStringList{"-platform", "offscreen", "--style=fusion", "-reverse", "A.ros"}
                                       << start << "A.ros"
                                       << "";
    QTest::newRow("Qt's option with two dashes") << QStringList{"--platform", "xcb", "A.ros"} << start << "A.ros"
                                                 << "";
    QTest::newRow("Qt's option without its value") << QStringList{"-style"} << wrong << ""
                                                   << "option '-style' needs a value";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, args);
    QFETCH(int, action);
    QFETCH(QString, roster);
    QFETCH(QString, problem);
    const CommandLine line = parseCommandLine(args);
    QCOMPARE(int(line.action), action);
    if (action == CommandLine::Start)
        QCOMPARE(line.rosterFile, roster);
    QCOMPARE(line.problem, problem);
}

void TestCommandLine::answersWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // what standard output starts with
    QTest::addColumn<QString>("err"); // what standard error starts with
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: squadrant [OPTION]... [FILE.ros]\n"
                            << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "squadrant 3.1.0\n"
                               << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate", "RVR.ros"} << 2 << ""
                                    << "squadrant: unknown option '--frobnicate'\nUsage: squadrant [OPTION]...";
}

// The real program, with no display of any kind: had it made its window, it would have failed to start.
void TestCommandLine::answersWithoutDisplay()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(SQUADRANT_BIN), args);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
    if (args.first() == "--help")
        QVERIFY(stdOut.contains("--version"));
    if (args.first() == "--version")
        QVERIFY(stdOut.contains("GNU GPL version 3 or later"));
}

void TestCommandLine::rosterArgumentReadsAsOpenRoster_data()
{
    QTest::addColumn<QByteArray>("bytes"); // the roster file's bytes; empty: no file at all
    QTest::addColumn<QString>("abbreviation");
    QTest::newRow("sample roster") << readBytes(SAMPLES_DIR "/RVR.ros") << "RVR";
    QTest::newRow("no such file") << QByteArray() << "";
    QTest::newRow("no line at all") << QByteArray("\r\n\r\n") << "";
    QTest::newRow("a line-up, not a roster") << readBytes(SAMPLES_DIR "/RVR3.txt") << "";
    QTest::newRow("an age that is no number") << QByteArray("ABC,Alpha,Ann\r\nSmith,x,10,DF,3\r\n") << "";
    QTest::newRow("a roster of one player") << QByteArray("ABC,Alpha,Ann\r\nSmith,1,10,DF,3\r\n") << "ABC";
}

void TestCommandLine::rosterArgumentReadsAsOpenRoster()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, abbreviation);
    QTemporaryDir dir;
    const QString path = dir.filePath("team file.ros");
    if (!bytes.isEmpty())
        writeBytes(path, bytes);

    Window byMenu;
    byMenu.openRoster(path);
    const QStringList menuBoxes = shownBoxes();
    const SquadTable menuGrid = byMenu.form->squadTable();

    Window byArgument;
    // What the program does with the roster on its command line once its window stands.
    byArgument.form->guard([&] { byArgument.form->openRosterFile(path); });
    QCOMPARE(shownBoxes(), menuBoxes);
    QCOMPARE(byArgument.form->AbbLabel->text(), abbreviation);
    QCOMPARE(byArgument.form->AbbLabel->text(), byMenu.form->AbbLabel->text());
    QCOMPARE(byArgument.form->TeamNameLabel->text(), byMenu.form->TeamNameLabel->text());
    QCOMPARE(byArgument.form->squadTable(), menuGrid);
    QCOMPARE(byArgument.form->TeamTactic, byMenu.form->TeamTactic);
    if (abbreviation.isEmpty())
        QCOMPARE(menuBoxes.size(), 1); // refused with one error box
    QCOMPARE(byArgument.action("UndoMenu")->isEnabled(), byMenu.action("UndoMenu")->isEnabled());
}

// Qt's own dialog, as the program shows it: the sample rosters stand in the side bar as "Samples", also once the
// dialog has read that folder, and only there; the dialog does not keep the place among the user's own, so the
// next dialog shows it once again, and once only.
void TestCommandLine::openDialogListsSamples()
{
    FileDialog::disableTestHook();
    const QString samples = QFileInfo(SAMPLES_DIR).canonicalFilePath();
    FileDialog::addPlace("Samples", samples);
    TOpenDialog dialog("OpenRosDialog", "Open Roster File", "Roster Files|*.ros|All files|*.*", nullptr);
    dialog.InitialDir = samples;
    for (int round = 0; round < 2; ++round) {
        QStringList names;
        bool sawDialog = false;
        whenModal([&](QWidget* modal) {
            auto* fileDialog = qobject_cast<QFileDialog*>(modal);
            sawDialog = fileDialog != nullptr;
            if (!fileDialog) {
                modal->close();
                return;
            }
            QTest::qWait(300); // the dialog reads the folders
            auto* sidebar = fileDialog->findChild<QListView*>("sidebar");
            if (sidebar)
                for (int row = 0; row < sidebar->model()->rowCount(); ++row) {
                    const QModelIndex index = sidebar->model()->index(row, 0);
                    names.append(index.data().toString() + "=" + index.data(Qt::UserRole + 1).toUrl().toLocalFile());
                }
            fileDialog->reject();
        });
        QCOMPARE(dialog.execute(nullptr), QString());
        QVERIFY(sawDialog);
        QCOMPARE(names.filter("=" + samples).size(), 1);
        QVERIFY2(names.contains("Samples=" + samples), qPrintable(names.join(", ")));
        const QSettings qtSettings(QSettings::UserScope, "QtProject");
        const QStringList kept = qtSettings.value("FileDialog/shortcuts").toStringList();
        QVERIFY2(!kept.contains(QUrl::fromLocalFile(samples).toString()), qPrintable(kept.join(", ")));
    }
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
