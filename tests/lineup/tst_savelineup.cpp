#include "lineuptestutil.h"

#include <QLabel>
#include <QTabWidget>

class TestSaveLineup : public QObject {
    Q_OBJECT
private slots:
    void plainLineupByShortcutMatchesTheFixture();
    void tacticsTraineesAndNoMatchMatchTheFixture();
    void refusals_data();
    void refusals();
    void overwriteQuestion();
    void failedWriteKeepsTheEarlierFile_data();
    void failedWriteKeepsTheEarlierFile();
    void teamAbbreviationThatCannotNameAFile();
    void nameTheCodePageCannotHold();
    void withoutWorkingDirectoryTheBareNameIsUsed();
};

void TestSaveLineup::plainLineupByShortcutMatchesTheFixture()
{
    Window w;
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    setPlainFixtureOptions(w);
    w.form->activateWindow();
    QApplication::setActiveWindow(w.form.get());
    QTest::keyClick(w.form.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(shownBoxes(), QStringList{"Lineup Saved|RVR3.txt has been created|OK"});
    QCOMPARE(readBytes(w.path("RVR3.txt")), readBytes(fixture("RVR3_plain.txt")));
    QCOMPARE(Window::items(w.form->ZipListBox), QStringList{w.path("RVR3.txt")});
    QCOMPARE(w.form->TeamTactic, QString("N"));
}

void TestSaveLineup::tacticsTraineesAndNoMatchMatchTheFixture()
{
    Window w;
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    setFixtureTactics(w);
    w.form->SaveToolbarBtn->click();
    QCOMPARE(shownBoxes(), QStringList{"Lineup Saved|RVR1.txt has been created|OK"});
    QCOMPARE(readBytes(w.path("RVR1.txt")), readBytes(fixture("RVR1_tactics.txt")));
}

void TestSaveLineup::refusals_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");
    QTest::newRow("ten starters") << "drop"
                                  << "You need 11 starting players, Lineup not saved";
    QTest::newRow("twelve starters") << "twelve"
                                     << "You need 11 starting players, Lineup not saved";
    QTest::newRow("four substitutes") << "nosub"
                                      << "You need 5 substitutes, Lineup not saved";
    QTest::newRow("substitute without position") << "subnoplay"
                                                 << "You need 5 substitutes, Lineup not saved";
}

void TestSaveLineup::refusals()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    Window w;
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    w.form->TeamTactic.clear();
    if (change == "drop")
        w.pick(w.rowOf("Ben Ashby"), ColPlay, "deselectPlay");
    if (change == "twelve")
        w.place(w.rowOf("Max Weber"), "MF", "n");
    if (change == "nosub")
        w.pick(w.rowOf("Pat Quinn"), ColSubs, "subDeselect"), w.pick(w.rowOf("Pat Quinn"), ColPlay, "deselectPlay");
    if (change == "subnoplay")
        w.pick(w.rowOf("Pat Quinn"), ColPlay, "deselectPlay");
    const SquadTable before = w.form->squadTable();
    w.action("SaveLineupMenu")->trigger();
    QCOMPARE(shownBoxes(), QStringList{"Invalid Lineup|" + message + "|OK"});
    QVERIFY(QDir(w.dir.path()).entryList({"*.txt"}).isEmpty());
    QCOMPARE(w.form->ZipListBox->count(), 0);
    QCOMPARE(w.form->TeamTactic, QString("N")); // set even when the save is refused
    QCOMPARE(w.form->squadTable(), before);
}

void TestSaveLineup::overwriteQuestion()
{
    Window w;
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    selectText(w.form->MatchNoComboBox, "3");
    w.action("SaveLineupMenu")->trigger();
    MessageBox::queueAnswer(MessageBox::Yes);
    w.action("SaveLineupMenu")->trigger();
    QCOMPARE(shownBoxes(),
             (QStringList{"Lineup Saved|RVR3.txt has been created|OK", "Confirm|File exits. Replace it?|Yes,No",
                          "Lineup Saved|RVR3.txt has been created|OK"}));
    QCOMPARE(Window::items(w.form->ZipListBox), (QStringList{w.path("RVR3.txt"), w.path("RVR3.txt")}));
    const QByteArray saved = readBytes(w.path("RVR3.txt"));
    w.place(w.rowOf("Ben Ashby"), "FW", "a");
    MessageBox::queueAnswer(MessageBox::No);
    w.action("SaveLineupMenu")->trigger();
    QCOMPARE(shownBoxes(), (QStringList{"Confirm|File exits. Replace it?|Yes,No", "Squadrant|Lineup not saved|OK"}));
    QCOMPARE(readBytes(w.path("RVR3.txt")), saved);
    QCOMPARE(w.form->ZipListBox->count(), 2);
}

void TestSaveLineup::failedWriteKeepsTheEarlierFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("folder missing") << "missing";
    QTest::newRow("folder where the file should be") << "folder";
}

void TestSaveLineup::failedWriteKeepsTheEarlierFile()
{
    QFETCH(QString, failure);
    Window w;
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    selectText(w.form->MatchNoComboBox, "3");
    if (failure == "missing")
        w.form->WorkDir = w.path("gone/");
    else {
        w.useWorkDir();
        QDir(w.dir.path()).mkdir("RVR3.txt");
        MessageBox::queueAnswer(MessageBox::Yes); // it exists: the manager agrees to replace it
    }
    w.action("SaveLineupMenu")->trigger();
    const QStringList boxes = shownBoxes();
    QVERIFY2(boxes.last().startsWith("Error|Cannot create file \"" + w.form->WorkDir + "RVR3.txt\"."),
             qPrintable(boxes.join('\n')));
    QVERIFY(!boxes.join('\n').contains("has been created"));
    QCOMPARE(w.form->ZipListBox->count(), 0);
    QVERIFY(!QFileInfo(w.form->WorkDir + "RVR3.txt").isFile());
}

void TestSaveLineup::teamAbbreviationThatCannotNameAFile()
{
    Window w;
    w.useWorkDir();
    QByteArray roster = readBytes(sample("RVR.ros"));
    roster.replace(0, 3, "../evil");
    writeBytes(w.path("evil.ros"), roster);
    w.openRoster(w.path("evil.ros"));
    buildFixtureLineup(w);
    w.action("SaveLineupMenu")->trigger();
    const QStringList boxes = shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.at(0).startsWith("Error|The team abbreviation \"../evil\" cannot be used in a file name"),
             qPrintable(boxes.at(0)));
    QVERIFY(QDir(w.dir.path() + "/..").entryList({"evil*.txt"}).isEmpty());
    QCOMPARE(w.form->ZipListBox->count(), 0);
}

void TestSaveLineup::nameTheCodePageCannotHold()
{
    Window w;
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    selectText(w.form->MatchNoComboBox, "3");
    writeBytes(w.path("RVR3.txt"), "earlier");
    w.form->setCell(ColName, w.rowOf("Šimon Kovar"), "Šimon Kovač");
    w.action("SaveLineupMenu")->trigger();
    const QStringList boxes = shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.at(0).startsWith("Error|Cannot write \"RVR3.txt\": the character 'č'"), qPrintable(boxes.at(0)));
    QCOMPARE(readBytes(w.path("RVR3.txt")), QByteArray("earlier"));
    QCOMPARE(w.form->ZipListBox->count(), 0);
}

void TestSaveLineup::withoutWorkingDirectoryTheBareNameIsUsed()
{
    Window w;
    const QString here = QDir::currentPath();
    QDir::setCurrent(w.dir.path());
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    w.action("SaveLineupMenu")->trigger();
    QDir::setCurrent(here);
    QCOMPARE(Window::items(w.form->ZipListBox), QStringList{"RVR1.txt"});
    QVERIFY(QFileInfo::exists(w.path("RVR1.txt")));
    QCOMPARE(shownBoxes(), QStringList{"Lineup Saved|RVR1.txt has been created|OK"});
}

QTEST_MAIN(TestSaveLineup)
#include "tst_savelineup.moc"
