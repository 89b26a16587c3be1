#include "mount.h"
#include "settings/Changeseasonlengthunit.h"
#include "testutil.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
const QByteArray kTacticsOnly = "[MSWLTTacs]\r\nhowmany=1\r\nT1=Normal\r\n[LGMTTacs]\r\nhowmany=1\r\nT1=Normal\r\n";

QString iniText(const Window& w)
{
    return QString::fromUtf8(readBytes(w.iniPath));
}
} // namespace

class TestSettingsCommands : public QObject {
    Q_OBJECT
private slots:
    void onlyStrategySectionsGivesTheDefaults();
    void storedLeague_data();
    void storedLeague();
    void leagueAutoIncreaseAndTimeStepsAreStored();
    void seasonLengthRefusesBadNumbers_data();
    void seasonLengthRefusesBadNumbers();
    void seasonLengthFillsTheLists();
    void cancelledSeasonLengthKeepsTheChoices();
    void homeBonusRange();
    void directoryIsStoredWithOneSeparator_data();
    void directoryIsStoredWithOneSeparator();
    void directoryShowsHomeWhenNoneIsStored();
    void directoryTakesATypedFolder_data();
    void directoryTakesATypedFolder();
    void settingsFileThatCannotBeWritten();
    void failedWriteLeavesTheFileAndGoesOn_data();
    void failedWriteLeavesTheFileAndGoesOn();
    void storedNumbersOutOfBounds_data();
    void storedNumbersOutOfBounds();
    void linesThatCannotBeReadAreKept();
    void workingFolderInEitherEncoding_data();
    void workingFolderInEitherEncoding();
};

void TestSettingsCommands::onlyStrategySectionsGivesTheDefaults()
{
    Window w(kTacticsOnly);
    QVERIFY(w.action("MenuNoWG")->isChecked());
    QVERIFY(!w.action("MenuFullMSWL")->isChecked());
    QVERIFY(!w.action("popWG")->isEnabled());
    QVERIFY(!w.action("MenuAutoIncr")->isChecked());
    QVERIFY(w.action("Set15off")->isChecked());
    QVERIFY(!w.form->TimeStepsOn);
    QCOMPARE(w.form->MatchNoComboBox->count(), 30);
    QCOMPARE(w.form->SessionNoComboBox->count(), 10);
    QCOMPARE(Window::items(w.form->HBCombo), QString("3 4 5 6 7 8").split(' '));
    for (QComboBox* box : {w.form->MatchNoComboBox, w.form->SessionNoComboBox, w.form->HBCombo})
        QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(w.form->WorkDir, QString());
    QCOMPARE(w.form->outerSize(), QSize(799, 600));
    for (const char* size : {"size640Menu", "size800Menu", "size1024Menu", "sizeCustMenu"})
        QVERIFY(!w.action(size)->isChecked());
    QCOMPARE(readBytes(w.iniPath), kTacticsOnly); // reading writes nothing
}

void TestSettingsCommands::storedLeague_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("mswl");
    QTest::newRow("FULL") << "FULL" << true;
    QTest::newRow("full") << "full" << false;
    QTest::newRow("MSWL") << "MSWL" << false;
    QTest::newRow("LGM") << "LGM" << false;
}

void TestSettingsCommands::storedLeague()
{
    QFETCH(QString, value);
    QFETCH(bool, mswl);
    Window w("[Options]\r\nLeague=" + value.toLatin1() + "\r\nTimeSteps=2\r\nAutoIncr=yes\r\n");
    QCOMPARE(w.action("MenuFullMSWL")->isChecked(), mswl);
    QCOMPARE(w.action("MenuNoWG")->isChecked(), !mswl);
    QCOMPARE(w.action("popWG")->isEnabled(), mswl);
    QVERIFY(w.form->TimeStepsOn); // 2 counts as true
    QVERIFY(w.action("Set15on")->isChecked());
    QVERIFY(!w.action("MenuAutoIncr")->isChecked()); // yes counts as false
}

void TestSettingsCommands::leagueAutoIncreaseAndTimeStepsAreStored()
{
    Window w(kTacticsOnly);
    w.action("MenuFullMSWL")->trigger();
    QVERIFY(iniText(w).contains("[Options]\r\nLeague=FULL\r\n"));
    QVERIFY(w.action("popWG")->isEnabled());
    QVERIFY(!w.action("MenuNoWG")->isChecked());
    w.action("MenuNoWG")->trigger();
    QVERIFY(iniText(w).contains("League=LGM\r\n"));
    QVERIFY(!w.action("popWG")->isEnabled());

    w.action("MenuAutoIncr")->trigger();
    QVERIFY(w.action("MenuAutoIncr")->isChecked());
    QVERIFY(iniText(w).contains("AutoIncr=1\r\n"));
    w.action("MenuAutoIncr")->trigger();
    QVERIFY(iniText(w).contains("AutoIncr=0\r\n"));

    w.action("Set15on")->trigger();
    QVERIFY(w.form->TimeStepsOn && w.action("Set15on")->isChecked() && !w.action("Set15off")->isChecked());
    QVERIFY(iniText(w).contains("TimeSteps=1\r\n"));
    w.action("Set15off")->trigger();
    QVERIFY(!w.form->TimeStepsOn);
    QVERIFY(iniText(w).contains("TimeSteps=0\r\n"));
    QVERIFY(iniText(w).startsWith(QString::fromLatin1(kTacticsOnly)));
}

void TestSettingsCommands::seasonLengthRefusesBadNumbers_data()
{
    QTest::addColumn<QString>("matches");
    QTest::addColumn<QString>("sessions");
    QTest::newRow("0") << "0"
                       << "10";
    QTest::newRow("-5") << "-5"
                        << "10";
    QTest::newRow("empty") << ""
                           << "10";
    QTest::newRow("letters") << "ab"
                             << "10";
    QTest::newRow("sessions letters") << "12"
                                      << "x";
}

void TestSettingsCommands::seasonLengthRefusesBadNumbers()
{
    QFETCH(QString, matches);
    QFETCH(QString, sessions);
    Window w(kTacticsOnly);
    whenModal([&](QWidget* dialog) {
        auto* form = qobject_cast<TSeasonLengthForm*>(dialog);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QString("Change Season Length"));
        QCOMPARE(form->MatchNumEdit->text(), QString("30"));
        QCOMPARE(form->SessNumEdit->text(), QString("10"));
        form->MatchNumEdit->setText(matches);
        form->SessNumEdit->setText(sessions);
        form->DoneBtn->click();
        QVERIFY(form->isVisible()); // left open for correction
        form->BitBtnWithColor1->click();
    });
    w.action("SeasonLength1")->trigger();
    QCOMPARE(shownBoxes(), QStringList{"Invalid Number|Choose numbers between 1 - 99|OK"});
    QCOMPARE(readBytes(w.iniPath), kTacticsOnly);
}

void TestSettingsCommands::seasonLengthFillsTheLists()
{
    Window w(kTacticsOnly);
    whenModal([](QWidget* dialog) {
        auto* form = qobject_cast<TSeasonLengthForm*>(dialog);
        form->MatchNumEdit->setText("12");
        form->SessNumEdit->setText("34");
        form->DoneBtn->click();
    });
    w.action("SeasonLength1")->trigger();
    QVERIFY(iniText(w).endsWith("[SeasonLength]\r\nSessions=34\r\nMatches=12\r\n"));
    QCOMPARE(w.form->MatchNoComboBox->count(), 12);
    QCOMPARE(w.form->SessionNoComboBox->count(), 34);
    QCOMPARE(w.form->SessionNoComboBox->itemText(33), QString("34"));
}

void TestSettingsCommands::cancelledSeasonLengthKeepsTheChoices()
{
    Window w(kTacticsOnly);
    w.form->MatchNoComboBox->setCurrentIndex(4);
    w.form->SessionNoComboBox->setCurrentIndex(2);
    whenModal([](QWidget* dialog) { qobject_cast<TSeasonLengthForm*>(dialog)->BitBtnWithColor1->click(); });
    w.action("SeasonLength1")->trigger();
    QCOMPARE(w.form->MatchNoComboBox->currentText(), QString("5"));
    QCOMPARE(w.form->SessionNoComboBox->currentText(), QString("3"));
}

void TestSettingsCommands::homeBonusRange()
{
    Window w(kTacticsOnly);
    auto setRange = [&w](int min, int max) {
        whenModal([min, max](QWidget* dialog) {
            auto* dlg = qobject_cast<THBRangeDlg*>(dialog);
            QCOMPARE(dlg->windowTitle(), QString("Configure  Home Bonus Range"));
            dlg->HBminEdit->setValue(min);
            dlg->HBmaxEdit->setValue(max);
            dlg->BitBtnWithColor1->click();
        });
        w.action("HomeBonus")->trigger();
    };
    w.form->HBCombo->setCurrentIndex(2);
    setRange(3, 8); // unchanged range keeps the choice
    QCOMPARE(w.form->HBCombo->currentText(), QString("5"));
    setRange(5, 5);
    QCOMPARE(Window::items(w.form->HBCombo), QStringList{"5"});
    QVERIFY(iniText(w).contains("[HomeBonus]\r\nMin=5\r\nMax=5\r\n"));
    setRange(9, 4);
    QCOMPARE(w.form->HBCombo->count(), 0);
    QVERIFY(shownBoxes().isEmpty());
    setRange(9, 4);
    QCOMPARE(shownBoxes(), QStringList{"Error|Setting HB range error EStringListError|OK"});
    QCOMPARE(w.form->HBCombo->count(), 0);
}

void TestSettingsCommands::directoryIsStoredWithOneSeparator_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("stored");
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("folder") << "/home/games"
                            << "/home/games/";
    QTest::newRow("folder with separator") << "/home/games/"
                                           << "/home/games/";
    QTest::newRow("folder named with a Cyrillic letter")
        << QString::fromUtf8("/home/\u0414ata") << QString::fromUtf8("/home/\u0414ata/");
}

void TestSettingsCommands::directoryIsStoredWithOneSeparator()
{
    QFETCH(QString, chosen);
    QFETCH(QString, stored);
    Window w(kTacticsOnly);
    FileDialog::queueAnswer(chosen);
    whenModal([](QWidget* dialog) {
        auto* dlg = qobject_cast<TWorkDirDlg*>(dialog);
        QCOMPARE(dlg->windowTitle(), QString("Change Working Directoy"));
        QVERIFY(!dlg->DirectoryEdit1->isReadOnly()); // a path may be typed as well as chosen
        dlg->BrowseBtn->click();
        dlg->OKBtn->click();
    });
    w.action("MenuSelectDirectory")->trigger();
    QVERIFY(iniText(w).contains("WorkingDir=" + stored + "\r\n"));
    QCOMPARE(w.form->WorkDir, stored);
    QCOMPARE(w.form->OpenLineupDialog->InitialDir, stored);
    // OK again without browsing stores the same value
    whenModal([](QWidget* dialog) { qobject_cast<TWorkDirDlg*>(dialog)->OKBtn->click(); });
    w.action("MenuSelectDirectory")->trigger();
    QVERIFY(iniText(w).contains("WorkingDir=" + stored + "\r\n"));
    QVERIFY(!iniText(w).contains("WorkingDir=" + stored + "/"));
}

void TestSettingsCommands::directoryTakesATypedFolder_data()
{
    QTest::addColumn<QString>("typed");   // "<dir>" stands for the scratch folder
    QTest::addColumn<QString>("message"); // empty: the folder is taken
    QTest::newRow("existing folder") << "<dir>/orders" << QString();
    QTest::newRow("existing folder with separator") << "<dir>/orders/" << QString();
    QTest::newRow("missing folder") << "<dir>/nowhere"
                                    << "\"<dir>/nowhere\" is not a folder. Type the path of an existing folder, or "
                                       "choose one with the \"...\" button.";
    QTest::newRow("a file") << "<dir>/squadrant.INI"
                            << "\"<dir>/squadrant.INI\" is not a folder. Type the path of an existing folder, or "
                               "choose one with the \"...\" button.";
    QTest::newRow("nothing") << ""
                             << "No folder is given. Type the path of an existing folder, or choose one with the "
                                "\"...\" button.";
}

void TestSettingsCommands::directoryTakesATypedFolder()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Window w(kTacticsOnly);
    QVERIFY(QDir(w.dir.path()).mkdir("orders"));
    typed.replace("<dir>", w.dir.path());
    message.replace("<dir>", w.dir.path());
    bool stayedOpen = false;
    whenModal([&](QWidget* dialog) {
        auto* dlg = qobject_cast<TWorkDirDlg*>(dialog);
        QVERIFY(dlg);
        // Typed as the manager types it, then Enter (OK is the default button).
        dlg->DirectoryEdit1->setFocus();
        dlg->DirectoryEdit1->selectAll();
        QTest::keyClick(dlg->DirectoryEdit1, Qt::Key_Backspace);
        QTest::keyClicks(dlg->DirectoryEdit1, typed);
        QTest::keyClick(dlg->DirectoryEdit1, Qt::Key_Return);
        stayedOpen = dlg->isVisible();
        if (stayedOpen)
            dlg->CancelBtn->click();
    });
    w.action("MenuSelectDirectory")->trigger();
    if (message.isEmpty()) {
        QVERIFY(shownBoxes().isEmpty());
        QVERIFY(!stayedOpen);
        const QString stored = w.dir.path() + "/orders/";
        QCOMPARE(w.form->WorkDir, stored);
        QVERIFY(iniText(w).contains("WorkingDir=" + stored + "\r\n"));
    } else {
        QCOMPARE(shownBoxes(), QStringList{"Change Working Directoy|" + message + "|OK"});
        QVERIFY(stayedOpen);
        QCOMPARE(w.form->WorkDir, QString());
        QCOMPARE(readBytes(w.iniPath), kTacticsOnly);
    }
}

void TestSettingsCommands::directoryShowsHomeWhenNoneIsStored()
{
    Window w(kTacticsOnly);
    QString shown;
    whenModal([&shown](QWidget* dialog) {
        auto* dlg = qobject_cast<TWorkDirDlg*>(dialog);
        shown = dlg->DirectoryEdit1->text();
        dlg->CancelBtn->click();
    });
    w.action("MenuSelectDirectory")->trigger();
    QCOMPARE(shown, QDir::homePath());
    QCOMPARE(readBytes(w.iniPath), kTacticsOnly);
    QCOMPARE(w.form->WorkDir, QString());
}

void TestSettingsCommands::settingsFileThatCannotBeWritten()
{
    Window w;
    QFile::remove(w.iniPath);
    QDir().mkdir(w.iniPath); // a folder where the settings file should be written
    w.action("Set15on")->trigger();
    const QStringList boxes = shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.at(0).startsWith("Error|Cannot ") && boxes.at(0).contains(w.iniPath), qPrintable(boxes.at(0)));
    w.action("About1")->isEnabled(); // the program goes on
    QVERIFY(w.form->isVisible());
}

void TestSettingsCommands::failedWriteLeavesTheFileAndGoesOn_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("failure");
    for (const char* command : {"Season Length", "Home Bonus", "Auto Increase"})
        for (const char* failure : {"read-only file", "file removed while running"})
            QTest::addRow("%s, %s", command, failure) << command << failure;
}

// A settings file that cannot be written (one the manager does not own, shown here on a read-only file
// system, as root may write any file) or that was removed while the program runs: the command shows the
// error, the file stays as it was (or absent: the program does not make it anew) and the program goes on.
void TestSettingsCommands::failedWriteLeavesTheFileAndGoesOn()
{
    QFETCH(QString, command);
    QFETCH(QString, failure);
    Window w(kTacticsOnly);
    const QString folder = w.path("settings");
    QDir().mkpath(folder);
    Mount mount(folder);
    const QString file = folder + "/squadrant.INI";
    if (failure == "read-only file") {
        if (!mount.mount("size=1m"))
            QSKIP(qPrintable("skipped: " + mount.why()));
        writeBytes(file, kTacticsOnly);
        QVERIFY(mount.remountReadOnly());
    } else {
        writeBytes(file, kTacticsOnly);
    }
    w.form->IniFile = std::make_unique<TIniFile>(file);
    if (failure == "file removed while running")
        QVERIFY(QFile::remove(file));
    const QByteArray before = readBytes(file);

    bool stayedOpen = false;
    if (command == "Season Length") {
        whenModal([&stayedOpen](QWidget* dialog) {
            auto* form = qobject_cast<TSeasonLengthForm*>(dialog);
            form->MatchNumEdit->setText("12");
            form->SessNumEdit->setText("34");
            form->DoneBtn->click();
            stayedOpen = form->isVisible();
            form->BitBtnWithColor1->click();
        });
        w.action("SeasonLength1")->trigger();
    } else if (command == "Home Bonus") {
        whenModal([&stayedOpen](QWidget* dialog) {
            auto* dlg = qobject_cast<THBRangeDlg*>(dialog);
            dlg->HBminEdit->setValue(5);
            dlg->HBmaxEdit->setValue(6);
            dlg->BitBtnWithColor1->click();
            stayedOpen = dlg->isVisible();
            dlg->CancelBitBtn->click();
        });
        w.action("HomeBonus")->trigger();
    } else {
        w.action("MenuAutoIncr")->trigger();
        stayedOpen = true;
    }

    const QStringList boxes = shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.at(0).startsWith("Error|Cannot ") && boxes.at(0).contains(file), qPrintable(boxes.at(0)));
    QVERIFY(stayedOpen); // the dialog stays open for another try or Cancel
    QCOMPARE(readBytes(file), before);
    QCOMPARE(QFileInfo::exists(file), failure != "file removed while running");
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(),
             failure == "file removed while running" ? 0 : 1);
    // The program goes on, and its lists follow the settings as they stand.
    QVERIFY(w.form->isVisible());
    QCOMPARE(w.form->MatchNoComboBox->count(), 30);
    QCOMPARE(Window::items(w.form->HBCombo), (QStringList{"3", "4", "5", "6", "7", "8"}));
    w.action("MenuNoWG")->trigger();
    QCOMPARE(shownBoxes().size(), 1);
}

void TestSettingsCommands::storedNumbersOutOfBounds_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("matches");
    QTest::addColumn<int>("sessions");
    QTest::addColumn<QStringList>("homeBonus");
    const QStringList usual = {"3", "4", "5", "6", "7", "8"};
    QTest::newRow("largest matches") << QByteArray("[SeasonLength]\r\nMatches=2147483647") << 30 << 10 << usual;
    QTest::newRow("100 sessions") << QByteArray("[SeasonLength]\r\nSessions=100") << 30 << 10 << usual;
    QTest::newRow("0 matches, -4 sessions")
        << QByteArray("[SeasonLength]\r\nMatches=0\r\nSessions=-4") << 30 << 10 << usual;
    QTest::newRow("99 and 1 are kept") << QByteArray("[SeasonLength]\r\nMatches=99\r\nSessions=1") << 99 << 1 << usual;
    QTest::newRow("largest home bonus") << QByteArray("[HomeBonus]\r\nMin=4\r\nMax=2147483647") << 30 << 10
                                        << QStringList{"4", "5", "6", "7", "8"};
    QTest::newRow("negative home bonus") << QByteArray("[HomeBonus]\r\nMin=-2147483648\r\nMax=5") << 30 << 10
                                         << QStringList{"3", "4", "5"};
    QTest::newRow("home bonus 0 to 99 is kept")
        << QByteArray("[HomeBonus]\r\nMin=98\r\nMax=99") << 30 << 10 << QStringList{"98", "99"};
    QTest::newRow("home bonus 100") << QByteArray("[HomeBonus]\r\nMin=100\r\nMax=100") << 30 << 10 << usual;
}

void TestSettingsCommands::storedNumbersOutOfBounds()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, matches);
    QFETCH(int, sessions);
    QFETCH(QStringList, homeBonus);
    Window w(kTacticsOnly + stored + "\r\n");
    QCOMPARE(w.form->MatchNoComboBox->count(), matches);
    QCOMPARE(w.form->SessionNoComboBox->count(), sessions);
    QCOMPARE(Window::items(w.form->HBCombo), homeBonus);
    // The dialogs open with the same numbers.
    QString shownMatches, shownSessions;
    whenModal([&](QWidget* dialog) {
        auto* form = qobject_cast<TSeasonLengthForm*>(dialog);
        shownMatches = form->MatchNumEdit->text();
        shownSessions = form->SessNumEdit->text();
        form->BitBtnWithColor1->click();
    });
    w.action("SeasonLength1")->trigger();
    QCOMPARE(shownMatches, QString::number(matches));
    QCOMPARE(shownSessions, QString::number(sessions));
    int shownMin = -1, shownMax = -1;
    whenModal([&](QWidget* dialog) {
        auto* dlg = qobject_cast<THBRangeDlg*>(dialog);
        shownMin = dlg->HBminEdit->value();
        shownMax = dlg->HBmaxEdit->value();
        dlg->CancelBitBtn->click();
    });
    w.action("HomeBonus")->trigger();
    QCOMPARE(shownMin, homeBonus.first().toInt());
    QCOMPARE(shownMax, homeBonus.last().toInt());
    QCOMPARE(Window::items(w.form->HBCombo), homeBonus);
    QCOMPARE(readBytes(w.iniPath), kTacticsOnly + stored + "\r\n");
}

// One line too long to read and one with a NUL byte: every other key still reads at start-up, and a dialog's
// Done writes its keys and keeps both lines byte for byte.
void TestSettingsCommands::linesThatCannotBeReadAreKept()
{
    const QByteArray longLine = "; " + QByteArray(5000, '=');
    const QByteArray nulLine("League=LGM\0\xff", 13);
    const QByteArray before = "[Options]\r\nLeague=FULL\r\n" + longLine + "\r\nAutoIncr=1\r\n" + nulLine +
                              "\r\n[SeasonLength]\r\nMatches=12\r\n" + kTacticsOnly;
    Window w(before);
    QVERIFY(w.action("MenuFullMSWL")->isChecked());
    QVERIFY(w.action("MenuAutoIncr")->isChecked());
    QCOMPARE(w.form->MatchNoComboBox->count(), 12);
    whenModal([](QWidget* dialog) {
        auto* form = qobject_cast<TSeasonLengthForm*>(dialog);
        QCOMPARE(form->MatchNumEdit->text(), QString("12"));
        form->MatchNumEdit->setText("14");
        form->SessNumEdit->setText("5");
        form->DoneBtn->click();
    });
    w.action("SeasonLength1")->trigger();
    QCOMPARE(shownBoxes(), QStringList());
    QCOMPARE(readBytes(w.iniPath), "[Options]\r\nLeague=FULL\r\n" + longLine + "\r\nAutoIncr=1\r\n" + nulLine +
                                       "\r\n[SeasonLength]\r\nMatches=14\r\nSessions=5\r\n" + kTacticsOnly);
    QCOMPARE(w.form->MatchNoComboBox->count(), 14);
    QCOMPARE(w.form->SessionNoComboBox->count(), 5);
}

void TestSettingsCommands::workingFolderInEitherEncoding_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("UTF-8") << QByteArray("/home/caf\xc3\xa9/");
    QTest::newRow("Windows-1252") << QByteArray("/home/caf\xe9/");
}

void TestSettingsCommands::workingFolderInEitherEncoding()
{
    QFETCH(QByteArray, stored);
    Window w("[Options]\r\nWorkingDir=" + stored + "\r\n" + kTacticsOnly);
    const QString cafe = QString::fromUtf8("/home/caf\u00e9/");
    QCOMPARE(w.form->WorkDir, cafe);
    QCOMPARE(w.form->OpenRosDialog->InitialDir, cafe);
    w.action("Set15on")->trigger(); // any write stores the whole file as UTF-8
    QVERIFY(readBytes(w.iniPath).startsWith("[Options]\r\nWorkingDir=/home/caf\xc3\xa9/\r\nTimeSteps=1\r\n"));
    QCOMPARE(w.form->WorkDir, cafe);
}

QTEST_MAIN(TestSettingsCommands)
#include "tst_settingscommands.moc"
