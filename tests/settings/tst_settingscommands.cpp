#include "settings/Changeseasonlengthunit.h"
#include "testutil.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
const QByteArray kTacticsOnly = "[MSWLTTacs]\r\nhowmany=1\r\nT1=Normal\r\n[LGMTTacs]\r\nhowmany=1\r\nT1=Normal\r\n";

QString iniText(const Window& w)
{
    return QString::fromLatin1(readBytes(w.iniPath));
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
    void settingsFileThatCannotBeWritten();
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
        QVERIFY(dlg->DirectoryEdit1->isReadOnly());
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

QTEST_MAIN(TestSettingsCommands)
#include "tst_settingscommands.moc"
