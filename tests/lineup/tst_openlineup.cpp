#include "lineuptestutil.h"

#include <QTabWidget>

class TestOpenLineup : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenBeforeAnyRosterGivesTheLineupBack();
    void openingMergesOntoTheLineupBeingBuilt();
    void lineCountIsChecked_data();
    void lineCountIsChecked();
    void matchAndHomeBonusSelection_data();
    void matchAndHomeBonusSelection();
    void missingRosterLeavesNoTeam();
    void wrongRosterLeavesNoTeam_data();
    void wrongRosterLeavesNoTeam();
    void tacticsListAfterOpening();
    void longestWritableLineupSavedViewedAndOpened();
    void saveAndViewShowsTheSavedFile();
    void refusedSaveAndViewKeepsTheGrid();
};

void TestOpenLineup::saveThenOpenBeforeAnyRosterGivesTheLineupBack()
{
    QTemporaryDir orders;
    QFile::copy(sample("RVR.ros"), orders.filePath("RVR.ros"));
    SquadTable built;
    {
        Window w;
        w.form->WorkDir = orders.path() + '/';
        w.openRoster(sample("RVR.ros"));
        buildFixtureLineup(w);
        setFixtureTactics(w);
        selectText(w.form->HBCombo, "7");
        selectText(w.form->MatchNoComboBox, "12");
        w.action("SaveLineupMenu")->trigger();
        built = w.form->squadTable();
    }
    Window w;
    w.form->WorkDir = orders.path() + '/';
    FileDialog::queueAnswer(orders.filePath("RVR12.txt"));
    w.action("OpenLineupMenu")->trigger();
    QCOMPARE(FileDialog::takeAsked().value(0).title, QString("Open Lineup"));
    QCOMPARE(shownBoxes(), QStringList{});
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
    QCOMPARE(w.form->TeamNameLabel->text(), QString("Riverside Rovers"));
    QCOMPARE(w.form->squadTable(), built);
    QCOMPARE(w.form->MatchNoComboBox->currentText(), QString("12"));
    QCOMPARE(w.form->HBCombo->currentText(), QString("7"));
    QCOMPARE(w.form->TeamTactic, QString("O"));
    QCOMPARE(w.form->TacticChanges, (QStringList{"G,<,0,T,>=,60,S", "G,>,1,,,,L"}));
    QCOMPARE(Window::items(w.form->CPListBox), (QStringList{"OTF", "Dan Price"}));
    QCOMPARE(Window::items(w.form->TPListBox), (QStringList{"Joe Blake", "Max Weber"}));
    QCOMPARE(w.form->PTakeBox->currentText(), QString("Chris Doyle"));
    QCOMPARE(Window::items(w.form->TTListBox), w.form->TacticChanges);   // the tactics it loaded are shown
    QVERIFY(w.form->starting11Led->isLit() && w.form->subsLed->isLit()); // the checker ran
    QCOMPARE(w.form->StartersListBox->count(), 11);
    QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->MainSheet); // opening does not switch pages
}

void TestOpenLineup::openingMergesOntoTheLineupBeingBuilt()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.place(w.rowOf("Max Weber"), "FW", "a");
    QFile::copy(fixture("RVR3_plain.txt"), w.path("RVR3.txt"));
    FileDialog::queueAnswer(w.path("RVR3.txt"));
    w.action("OpenLineupMenu")->trigger();
    QCOMPARE(w.cell(ColPlay, w.rowOf("Max Weber")), QString("FW")); // not in the file: kept
    QCOMPARE(w.form->MatchNoComboBox->currentText(), QString("3"));
    w.action("SaveLineupMenu")->trigger(); // twelve starters now
    QCOMPARE(shownBoxes(), QStringList{"Invalid Lineup|You need 11 starting players, Lineup not saved|OK"});
}

void TestOpenLineup::lineCountIsChecked_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("18 lines") << -1;
    QTest::newRow("20 lines") << 1;
    QTest::newRow("empty line added at the end") << 2;
}

void TestOpenLineup::lineCountIsChecked()
{
    QFETCH(int, change);
    Window w;
    w.openRoster(sample("RVR.ros"));
    const SquadTable before = w.form->squadTable();
    QByteArray bytes = readBytes(fixture("RVR3_plain.txt"));
    if (change == -1)
        bytes.chop(3); // the closing line and its break
    else if (change == 1)
        bytes += ",\r\n";
    else
        bytes += "\r\n";
    writeBytes(w.path("RVR3.txt"), bytes);
    FileDialog::queueAnswer(w.path("RVR3.txt"));
    w.action("OpenLineupMenu")->trigger();
    QCOMPARE(shownBoxes(), QStringList{"Lineup Error|Not a valid Lineup file|OK"});
    QCOMPARE(w.form->squadTable(), before);
    QCOMPARE(w.form->MatchNoComboBox->currentIndex(), -1);
}

void TestOpenLineup::matchAndHomeBonusSelection_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("homeBonus");
    QTest::addColumn<QString>("match");
    QTest::addColumn<QString>("hb");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("match 1") << "RVR1.txt"
                             << "4"
                             << "1"
                             << "4" << QStringList{};
    QTest::newRow("match beyond the list") << "RVR31.txt"
                                           << "4"
                                           << ""
                                           << "4" << QStringList{};
    QTest::newRow("bonus 9 of 3..13 read, list 3..8") << "RVR2.txt"
                                                      << "9"
                                                      << "2"
                                                      << "" << QStringList{};
    QTest::newRow("bonus not a number") << "RVR2.txt"
                                        << "x"
                                        << "2"
                                        << "6" << QStringList{"Error|OpenLineup error EConvertError|OK"};
    QTest::newRow("match not a number") << "RVRx.txt"
                                        << "4"
                                        << "1"
                                        << "4"
                                        << QStringList{"Error|OpenLineup error (reading Match No) EConvertError|OK"};
}

void TestOpenLineup::matchAndHomeBonusSelection()
{
    QFETCH(QString, file);
    QFETCH(QString, homeBonus);
    QFETCH(QString, match);
    QFETCH(QString, hb);
    QFETCH(QStringList, boxes);
    Window w; // the shipped settings have no home bonus keys
    w.openRoster(sample("RVR.ros"));
    selectText(w.form->HBCombo, "6");
    QStringList lines = QString::fromLatin1(readBytes(fixture("RVR3_plain.txt"))).split("\r\n");
    lines[0] = homeBonus + lines[0].mid(1);
    writeBytes(w.path(file), lines.join("\r\n").toLatin1());
    FileDialog::queueAnswer(w.path(file));
    w.action("OpenLineupMenu")->trigger();
    QCOMPARE(shownBoxes(), boxes);
    QCOMPARE(w.form->MatchNoComboBox->currentText(), match);
    QCOMPARE(w.form->HBCombo->currentText(), hb);
}

void TestOpenLineup::missingRosterLeavesNoTeam()
{
    Window w;
    w.useWorkDir();
    QFile::copy(fixture("RVR3_plain.txt"), w.path("RVR3.txt"));
    FileDialog::queueAnswer(w.path("RVR3.txt"));
    w.action("OpenLineupMenu")->trigger();
    const QStringList boxes = shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.at(0).startsWith("Error|Cannot open file \"" + w.path("RVR.ros") + "\"."), qPrintable(boxes.at(0)));
    QCOMPARE(w.form->AbbLabel->text(), QString());
    QFile::copy(sample("RVR.ros"), w.path("RVR.ros"));
    FileDialog::queueAnswer(w.path("RVR3.txt"));
    w.action("OpenLineupMenu")->trigger(); // tries the roster again
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
    QCOMPARE(w.cell(ColPlay, 1), QString("GK"));
}

void TestOpenLineup::wrongRosterLeavesNoTeam_data()
{
    QTest::addColumn<QByteArray>("roster");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray()
                           << "Error|\"RVR.ros\" is not a roster file: it holds no line, so it has no team line.|OK";
    QTest::newRow("a line-up file") << readBytes(fixture("RVR3_plain.txt"))
                                    << "Error|\"RVR.ros\" is not a roster file: line 2 (\",,,,,,,,Tom Adams\") is "
                                       "not a player line, its Age \"\" is not a whole number.|OK";
}

void TestOpenLineup::wrongRosterLeavesNoTeam()
{
    QFETCH(QByteArray, roster);
    QFETCH(QString, message);
    Window w;
    w.useWorkDir();
    const SquadTable before = w.form->squadTable();
    QFile::copy(fixture("RVR3_plain.txt"), w.path("RVR3.txt"));
    writeBytes(w.path("RVR.ros"), roster);
    FileDialog::queueAnswer(w.path("RVR3.txt"));
    w.action("OpenLineupMenu")->trigger();
    QCOMPARE(shownBoxes(), QStringList{message});
    QCOMPARE(w.form->AbbLabel->text(), QString()); // no abbreviation over a blank grid
    QCOMPARE(w.form->TeamNameLabel->text(), QString());
    QCOMPARE(w.form->squadTable(), before);
    QCOMPARE(w.form->PTakeBox->count(), 0);
    QCOMPARE(w.form->MatchNoComboBox->currentIndex(), -1);
    QCOMPARE(w.form->TeamTactic, QString());
    QCOMPARE(w.form->StartersListBox->count(), 0);
    QFile::copy(sample("RVR.ros"), w.path("RVR.ros.right"));
    QFile::remove(w.path("RVR.ros"));
    QFile::rename(w.path("RVR.ros.right"), w.path("RVR.ros"));
    FileDialog::queueAnswer(w.path("RVR3.txt"));
    w.action("OpenLineupMenu")->trigger(); // the right roster is read next time
    QCOMPARE(shownBoxes(), QStringList{});
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
    QCOMPARE(w.cell(ColPlay, 1), QString("GK"));
}

void TestOpenLineup::tacticsListAfterOpening()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.form->TTListBox->addItem("G,>,3,,,,N"); // shown before: replaced by the file's tactics
    QFile::copy(fixture("RVR1_tactics.txt"), w.path("RVR1.txt"));
    FileDialog::queueAnswer(w.path("RVR1.txt"));
    w.action("OpenLineupMenu")->trigger();
    QCOMPARE(shownBoxes(), QStringList{});
    QCOMPARE(w.form->TacticChanges, (QStringList{"G,<,0,T,>=,60,S", "G,>,1,,,,L"}));
    QCOMPARE(Window::items(w.form->TTListBox), (QStringList{"G,<,0,T,>=,60,S", "G,>,1,,,,L"}));
    QCOMPARE(w.form->TTListBox->currentRow(), -1);
    FileDialog::queueAnswer(fixture("RVR3_plain.txt")); // a file without tactics empties the list
    w.action("OpenLineupMenu")->trigger();
    QCOMPARE(w.form->TTListBox->count(), 0);
}

void TestOpenLineup::longestWritableLineupSavedViewedAndOpened()
{
    // Names as long as a roster line allows (255 characters with ",1,9,," after the name), four coaches, four
    // trainees, a penalty taker, and a Conditionals cell marking two opponents of the longest names.
    QTemporaryDir orders;
    QStringList roster = {"LNG,Longest Names,Lee"};
    QStringList names;
    for (int i = 0; i < 20; ++i) {
        names.append(QString("%1").arg(i, 2, 10, QChar('0')) + QString(247, QChar(u'é')));
        roster.append(names.last() + (i < 4 ? ",1,9,," : ",5,9,,"));
        QCOMPARE(roster.last().size(), 255);
    }
    {
        QFile f(orders.filePath("LNG.ros"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (const QString& line : roster)
            f.write(line.toLatin1() + "\r\n");
    }
    const QString mark(255, QChar('m'));
    const QString cell = mark + ',' + mark + ",G,>=,-90,T,<=,-90,S1,FW,G,>=,-90,T,<=,-90,C,a,G,>=,-90,T,<=,-90,S5,p";
    SquadTable built;
    QStringList saved;
    {
        Window w;
        w.form->WorkDir = orders.path() + '/';
        w.openRoster(orders.filePath("LNG.ros"));
        QCOMPARE(shownBoxes(), QStringList{});
        const char* plays[] = {"GK", "SW", "DF", "DF", "DF", "MF", "MF", "MF", "MF", "FW", "FW"};
        for (int r = 1; r <= 11; ++r)
            w.place(r, plays[r - 1]);
        for (int k = 1; k <= 5; ++k) {
            w.place(11 + k, "DF");
            w.makeSub(11 + k, k);
        }
        w.form->setCell(ColConditionals, 12, cell);
        for (int i = 0; i < 4; ++i) {
            selectText(w.form->TPBox, names.at(i));
            selectText(w.form->CPBox, names.at(4 + i));
        }
        selectText(w.form->PTakeBox, names.at(10));
        selectText(w.form->MatchNoComboBox, "3");
        built = w.form->squadTable();
        w.action("SaveView1")->trigger();
        QCOMPARE(shownBoxes(), QStringList{"Lineup Saved|LNG3.txt has been created|OK"});
        saved = QString::fromLatin1(readBytes(orders.filePath("LNG3.txt"))).split("\r\n");
        QCOMPARE(saved.size(), 20);                // 19 lines and the final break
        QCOMPARE(saved.at(1).size(), 9 * 249 + 8); // the training line: nine names and eight commas
        QCOMPARE(saved.at(13).size(), 2 + 249 + 1 + 3 + cell.size());
        QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->LineupSheet); // viewed
        QCOMPARE(w.form->StartersListBox->count(), 11);
        QCOMPARE(w.form->SubsListBox->count(), 5);
        QVERIFY(w.form->SubsListBox->item(0)->text().contains(names.at(11)));
        QCOMPARE(w.find<QLabel>("pitchGK")->text(), names.at(0));
        QCOMPARE(w.form->squadTable(), built);
    }
    Window w;
    w.form->WorkDir = orders.path() + '/';
    FileDialog::queueAnswer(orders.filePath("LNG3.txt"));
    w.action("OpenLineupMenu")->trigger();
    QCOMPARE(shownBoxes(), QStringList{});
    QCOMPARE(w.form->AbbLabel->text(), QString("LNG"));
    QCOMPARE(w.form->squadTable(), built);
    QCOMPARE(Window::items(w.form->TPListBox), names.mid(0, 4));
    QCOMPARE(Window::items(w.form->CPListBox), names.mid(4, 4));
    QCOMPARE(w.form->PTakeBox->currentText(), names.at(10));
    QVERIFY(w.form->starting11Led->isLit() && w.form->subsLed->isLit());
}

void TestOpenLineup::saveAndViewShowsTheSavedFile()
{
    Window w;
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    setPlainFixtureOptions(w);
    w.action("SaveView1")->trigger();
    QCOMPARE(shownBoxes(), QStringList{"Lineup Saved|RVR3.txt has been created|OK"});
    QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->LineupSheet);
    QVERIFY(!w.form->validPanel->isVisible());
    QCOMPARE(w.form->TeamInfListBox->item(0)->text(), QString("HomeBonus: 5            Starting Tactic: N"));
    QCOMPARE(w.form->TeamInfListBox->count(), 9);
    QCOMPARE(w.form->SubsListBox->item(0)->text().left(18), QString("S1: GK José Muñoz "));
    QCOMPARE(w.find<QLabel>("pitchGK")->text(), QString("Tom Adams"));
    QCOMPARE(w.find<QLabel>("pitchDF4")->text(), QString("Jack Turner"));
    QCOMPARE(w.find<QLabel>("pitchFW2")->text(), QString("Ben Ashby"));
    QCOMPARE(w.find<QLabel>("pitchMF4")->text(), QString());
    QCOMPARE(w.find<QLabel>("pitchWG1")->text(), QString());
}

void TestOpenLineup::refusedSaveAndViewKeepsTheGrid()
{
    Window w;
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    selectText(w.form->MatchNoComboBox, "3");
    w.action("SaveLineupMenu")->trigger();
    shownBoxes();
    w.place(w.rowOf("Max Weber"), "MF", "a"); // twelve starters: refused
    const SquadTable building = w.form->squadTable();
    w.action("SaveView1")->trigger();
    QCOMPARE(shownBoxes(), QStringList{"Invalid Lineup|You need 11 starting players, Lineup not saved|OK"});
    QCOMPARE(w.form->squadTable(), building);
    QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->MainSheet);
    MessageBox::queueAnswer(MessageBox::No);
    w.pick(w.rowOf("Max Weber"), ColPlay, "deselectPlay");
    w.place(w.rowOf("Ben Ashby"), "FW", "a");
    const SquadTable changed = w.form->squadTable();
    w.action("SaveView1")->trigger(); // declined overwrite
    QCOMPARE(w.form->squadTable(), changed);
    QCOMPARE(w.form->StartersListBox->count(), 0);
}

QTEST_MAIN(TestOpenLineup)
#include "tst_openlineup.moc"
