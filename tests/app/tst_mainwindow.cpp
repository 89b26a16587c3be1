#include "app/aboutbox.h"
#include "app/helpwindow.h"
#include "testutil.h"
#include "widgets/widgets.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void missingSettingsFileEndsTheProgram();
    void menuItems_data();
    void menuItems();
    void toolButtonsAndControls_data();
    void toolButtonsAndControls();
    void pagesAndGroups();
    void beforeAnyRosterNothingActs();
    void checkerPanelOnlyOnTheCreatorPage();
    void exitAsksWhileOrdersAreListed();
    void aboutShowsAFreshBoxEachTime();
    void helpShowsContentsOrSaysMissing();
    void helpIsOneWindowWithBackForwardAndContents();
    void helpIsWideWithKeyboardAndLampsAndEscapeClosesIt();
    void helpExplainsTheShippedStrategyLetters();
    void titleStripCloseButtonAsksAsExitDoes();
    void escapingErrorIsShownAndProgramGoesOn();
};

void TestMainWindow::missingSettingsFileEndsTheProgram()
{
    MessageBox::enableTestHook();
    MessageBox::takeShown();
    QTemporaryDir dir;
    MessageBox::queueAnswer(MessageBox::Abort);
    TSQMainForm form(dir.filePath("squadrant.INI"));
    QVERIFY(form.startFailed());
    QVERIFY(!form.helpAsked());
    QCOMPARE(shownBoxes(), QStringList{"Error|WARNING INI file not found (see Help)|Abort,Help"});
    QVERIFY(!QFileInfo::exists(dir.filePath("squadrant.INI"))); // never created by the program
    MessageBox::queueAnswer(MessageBox::Help);
    TSQMainForm again(dir.filePath("squadrant.INI"));
    QVERIFY(again.helpAsked());
    MessageBox::takeShown();
    // Escape means Abort: the program ends at once, without the help.
    MessageBox::queueAnswer(MessageBox::Escape);
    TSQMainForm escaped(dir.filePath("squadrant.INI"));
    QVERIFY(escaped.startFailed());
    QVERIFY(!escaped.helpAsked());
    MessageBox::takeShown();
}

void TestMainWindow::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    const char* rows[][3] = {{"OpenSubMenu", "&Open Roster", "Ctrl+O"},
                             {"OpenLineupMenu", "Open &Lineup", ""},
                             {"SaveLineupMenu", "&Save Lineup", "Ctrl+S"},
                             {"SaveView1", "Save && &View", "Ctrl+E"},
                             {"NewLineupMenu", "&New Lineup", "Ctrl+N"},
                             {"ExitMenu", "E&xit", "Ctrl+X"},
                             {"MenuNoWG", "LGM", ""},
                             {"MenuFullMSWL", "MSWL", ""},
                             {"MenuAutoIncr", "Auto Increase", ""},
                             {"SeasonLength1", "Season Length", ""},
                             {"HomeBonus", "Home Bonus", ""},
                             {"Default1", "Default", ""},
                             {"Set15on", "15 mins ON", ""},
                             {"Set15off", "15 mins OFF", ""},
                             {"size640Menu", "640 x 480", "F5"},
                             {"size800Menu", "800 x 600", "F6"},
                             {"size1024Menu", "1024 x 768", "F7"},
                             {"sizeCustMenu", "Custom", ""},
                             {"MenuSelectDirectory", "Directory", ""},
                             {"Help1", "Help", "F1"},
                             {"About1", "About", ""}};
    for (const auto& r : rows)
        QTest::newRow(r[0]) << r[0] << r[1] << r[2];
}

void TestMainWindow::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    Window w;
    QAction* a = w.action(name);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcut().toString(), shortcut);
    QCOMPARE(a->isEnabled(), name != "Default1");
}

void TestMainWindow::toolButtonsAndControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("NewToolbarBtn") << "NewToolbarBtn"
                                   << ""
                                   << "New Lineup - resets for next match";
    QTest::newRow("OpenToolbarBtn") << "OpenToolbarBtn"
                                    << ""
                                    << "Open Roster File";
    QTest::newRow("SaveToolbarBtn") << "SaveToolbarBtn"
                                    << ""
                                    << "Save Current Lineup";
    QTest::newRow("HelpToolbarBtn") << "HelpToolbarBtn"
                                    << ""
                                    << "Help on SQDT";
    QTest::newRow("ChooseOppButton") << "ChooseOppButton"
                                     << "None"
                                     << "Select Opponent for current match";
    QTest::newRow("MatchTacBtnWithColor1") << "MatchTacBtnWithColor1"
                                           << "Team Tactics"
                                           << "Enter Tactics for current match";
    QTest::newRow("SaveBidsBtn") << "SaveBidsBtn"
                                 << "Save Bids"
                                 << "";
    QTest::newRow("SavePressBtn") << "SavePressBtn"
                                  << "Save Press"
                                  << "";
    QTest::newRow("AddZipListBtn") << "AddZipListBtn"
                                   << "Add Files"
                                   << "";
    QTest::newRow("ZipBtn") << "ZipBtn"
                            << "Save to Zip"
                            << "";
    QTest::newRow("AutoSortCheckBox") << "AutoSortCheckBox"
                                      << "Use Auto Sort"
                                      << "State whether entries should be sorted into Lot order (default: YES)";
}

void TestMainWindow::toolButtonsAndControls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    Window w;
    auto* button = w.find<QAbstractButton>(name);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), hint);
}

void TestMainWindow::pagesAndGroups()
{
    Window w;
    QTabWidget* pages = w.find<QTabWidget>("MainPageControl");
    QCOMPARE(pages->tabPosition(), QTabWidget::South);
    const QStringList names = {"MainSheet", "LineupSheet", "AuctionSheet", "PressSheet", "SummarySheet"};
    const QStringList captions = {"Lineup Creator", "Lineup Viewer", "Auction Bids", "Press Statement", "Zip Orders"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), names.at(i));
        QCOMPARE(pages->tabText(i), captions.at(i));
    }
    QCOMPARE(pages->currentWidget()->objectName(), QString("MainSheet"));
    QCOMPARE(w.find<QGroupBox>("LUOptionsGroupBox")->title(), QString("Lineup Options"));
    QCOMPARE(w.find<QGroupBox>("LUTotalsGroupBox")->title(), QString("Lineup Totals"));
    for (const char* label :
         {"SessionLabel", "MatchLabel", "Label2", "OppLabel", "PTakeLabel", "TPLabel", "CPLabel", "Label1"})
        QVERIFY(w.find<QLabel>(label));
    QCOMPARE(w.find<QLabel>("Label1")->text(), QString("Double click on a player in a list to delete them."));
    QCOMPARE(w.form->windowTitle(), QString("Squadrant "));
    QCOMPARE(w.find<TOpenDialog>("OpenRosDialog")->Title, QString("Open Roster File"));
    QCOMPARE(w.find<TOpenDialog>("OpenRosDialog")->Filter, QString("Roster Files|*.ros|All files|*.*"));
    QCOMPARE(w.find<TOpenDialog>("OpenLineupDialog")->Filter, QString("Lineup files|*.txt|All Files (*.*)|*.*"));
    // totals grid: captions and zeros
    TStringGrid* totals = w.find<TStringGrid>("LineupTotGrid");
    QVERIFY(!totals->isEnabled());
    QCOMPARE(totals->cellText(0, 1), QString("Num"));
    QCOMPARE(totals->cellText(0, 2), QString("SL"));
    for (int c = 1; c <= 6; ++c) {
        QCOMPARE(totals->cellText(c, 0), QString("GK SW DF MF WG FW").split(' ').at(c - 1));
        QCOMPARE(totals->cellText(c, 1), QString("0"));
        QCOMPARE(totals->cellText(c, 2), QString("0"));
    }
    for (const char* lamp :
         {"MF21Led", "FW21Led", "subsLed", "valGKLed", "valSWLed", "valDFLed", "valMFLed", "valFWLed", "starting11Led"})
        QVERIFY(!w.find<TLed>(lamp)->isLit());
    TStringGrid* auction = w.find<TStringGrid>("AuctionStringGrid");
    QCOMPARE(auction->columnCount(), 3);
    QCOMPARE(auction->rowCount(), 6);
    QCOMPARE(QStringList({auction->cellText(0, 0), auction->cellText(1, 0), auction->cellText(2, 0)}),
             QStringList({"LOT", "Price Bid", "Name"}));
    QCOMPARE(QList<int>({auction->columnWidth(0), auction->columnWidth(1), auction->columnWidth(2)}),
             QList<int>({50, 100, 320}));
}

void TestMainWindow::beforeAnyRosterNothingActs()
{
    Window w;
    TStringGrid* grid = w.form->RosterStringGrid;
    QCOMPARE(grid->rowCount(), 18);
    QCOMPARE(grid->columnCount(), 9);
    for (int c = 0; c < 9; ++c)
        QCOMPARE(grid->cellText(c, 0), QString("Name Age SL Pos EL Play Style Subs Conditionals").split(' ').at(c));
    QCOMPARE(QList<int>({grid->cellRect(ColName, 1).width(), grid->columnWidth(1), grid->columnWidth(8)}),
             QList<int>({120, 30, 141}));
    w.clickGrid(3, ColPlay);
    QVERIFY(!w.form->PlayPopup->isVisible());
    w.form->MatchTacBtnWithColor1->click();
    QVERIFY(!QApplication::activeModalWidget());
    w.action("NewLineupMenu")->trigger();
    QCOMPARE(w.form->TeamTactic, QString());
    QVERIFY(shownBoxes().isEmpty());
}

void TestMainWindow::checkerPanelOnlyOnTheCreatorPage()
{
    Window w;
    QTabWidget* pages = w.form->MainPageControl;
    QVERIFY(w.form->validPanel->isVisible());
    for (int i = 1; i < 5; ++i) {
        pages->setCurrentIndex(i);
        QVERIFY(!w.form->validPanel->isVisible());
    }
    pages->setCurrentIndex(0);
    QVERIFY(w.form->validPanel->isVisible());
}

void TestMainWindow::exitAsksWhileOrdersAreListed()
{
    Window w;
    w.form->addToZipList(w.path("RVR3.txt"));
    MessageBox::queueAnswer(MessageBox::No);
    w.action("ExitMenu")->trigger();
    QCOMPARE(shownBoxes(), QStringList{"Confirm|Orders not Zipped. Exit Anyway?|Yes,No"});
    QVERIFY(w.form->isVisible());
    QCOMPARE(w.form->ZipListBox->count(), 1);
    MessageBox::queueAnswer(MessageBox::Yes);
    w.action("ExitMenu")->trigger();
    QVERIFY(!w.form->isVisible());

    Window empty;
    empty.action("ExitMenu")->trigger();
    QVERIFY(shownBoxes().isEmpty());
    QVERIFY(!empty.form->isVisible());
}

void TestMainWindow::aboutShowsAFreshBoxEachTime()
{
    Window w;
    QList<QPointer<QWidget>> boxes;
    for (int i = 0; i < 2; ++i) {
        whenModal([&boxes](QWidget* box) {
            boxes.append(box);
            QCOMPARE(box->windowTitle(), QString("About"));
            QCOMPARE(box->size(), QSize(372, 232));
            QCOMPARE(box->findChild<QLabel*>("Version")->text(), QString("Version 3.1.0"));
            QCOMPARE(box->findChild<QLabel*>("ProductName")->text(), QString("Squadrant"));
            QVERIFY(box->findChild<QLabel*>("ContactLabel")->text().contains("mailto:" + TAboutBox::contactAddress()));
            QVERIFY(box->findChild<QLabel*>("ContactLabel")->openExternalLinks());
            QCOMPARE(box->findChild<QLabel*>("LicenceLabel")->text(),
                     QString("Free software: GNU General Public License v3 or later"));
            box->findChild<QPushButton*>("OKButton")->click();
        });
        w.action("About1")->trigger();
    }
    QCOMPARE(boxes.size(), 2);
    QVERIFY(boxes[0].isNull() && boxes[1].isNull()); // each box is gone once closed
}

void TestMainWindow::helpShowsContentsOrSaysMissing()
{
    Window w;
    w.action("Help1")->trigger();
    THelpWindow* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<THelpWindow*>(top))
            help = h;
    QVERIFY2(help, "the help window did not open");
    QVERIFY(help->findChild<QTextBrowser*>("HelpBrowser")->toPlainText().contains("Squadrant"));
    help->close();
    QVERIFY(shownBoxes().isEmpty());

    THelpWindow::showContents(w.form.get(), w.path("SQDX.HLP"));
    const QStringList boxes = shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.at(0).startsWith("Error|The help file \"SQDX.HLP\" cannot be opened"));
}

void TestMainWindow::escapingErrorIsShownAndProgramGoesOn()
{
    Window w;
    w.openRoster(w.path("missing.ros"));
    const QStringList boxes = shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.at(0).startsWith("Error|Cannot open file \"" + w.path("missing.ros") + "\"."),
             qPrintable(boxes.at(0)));
    w.openRoster(sample("RVR.ros"));
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
}

void TestMainWindow::helpIsOneWindowWithBackForwardAndContents()
{
    Window w;
    // Every Help command: the menu item, F1 and the tool button.
    w.action("Help1")->trigger();
    QTest::keyClick(w.form.get(), Qt::Key_F1);
    w.find<QToolButton>("HelpToolbarBtn")->click();
    const QList<THelpWindow*> helps = shownHelpWindows();
    QCOMPARE(helps.size(), 1);
    THelpWindow* help = helps.first();
    // A normal window of its own: not owned by the main window, not a tool window, not kept on top.
    QVERIFY(!help->parentWidget());
    QCOMPARE(help->windowType(), Qt::Window);
    QVERIFY(!(help->windowFlags() & Qt::WindowStaysOnTopHint));

    auto* browser = help->findChild<QTextBrowser*>("HelpBrowser");
    auto* back = help->findChild<QToolButton*>("HelpBackButton");
    auto* forward = help->findChild<QToolButton*>("HelpForwardButton");
    auto* contents = help->findChild<QToolButton*>("HelpContentsButton");
    QCOMPARE(browser->source().fragment(), QString("contents"));
    QVERIFY(!back->isEnabled());
    // The first link of the contents, followed with the keyboard.
    QApplication::setActiveWindow(help);
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    QCOMPARE(browser->source().fragment(), QString("start"));
    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(browser->source().fragment(), QString("contents"));
    QVERIFY(forward->isEnabled());
    forward->click();
    QCOMPARE(browser->source().fragment(), QString("start"));
    contents->click();
    QCOMPARE(browser->source().fragment(), QString("contents"));
    // Contents is a step of its own: Back returns to the page before it.
    back->click();
    QCOMPARE(browser->source().fragment(), QString("start"));
    // A further Help command raises the same window at its contents.
    w.action("Help1")->trigger();
    QCOMPARE(THelpWindow::instance(), help);
    QCOMPARE(browser->source().fragment(), QString("contents"));
    QVERIFY(help->isVisible());
    QVERIFY(shownBoxes().isEmpty());
}

void TestMainWindow::helpIsWideWithKeyboardAndLampsAndEscapeClosesIt()
{
    Window w;
    QTest::keyClick(w.form.get(), Qt::Key_F1);
    THelpWindow* help = shownHelpWindows().value(0);
    QVERIFY(help);
    // Wide enough for the code tables: each row on one line.
    QVERIFY2(help->width() >= 640, qPrintable(QString::number(help->width())));
    auto* browser = help->findChild<QTextBrowser*>("HelpBrowser");
    const QString text = browser->toPlainText();
    for (const char* section : {"Using the keyboard", "The lamps"})
        QVERIFY2(text.count(section) >= 2, section); // in the contents, and as a section of its own
    QVERIFY(text.contains("1 to 9, 0"));
    QVERIFY(text.contains("Green (the FW 2:1 lamp only)"));
    QApplication::setActiveWindow(help);
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QVERIFY(w.form->isVisible());
}

void TestMainWindow::helpExplainsTheShippedStrategyLetters()
{
    const QString help =
        QString::fromUtf8(readBytes(QFileInfo(QStringLiteral(SHIPPED_INI)).dir().filePath("SQDX.HLP")));
    QString section;
    QStringList presets;
    for (const QString& line : QString::fromLatin1(readBytes(SHIPPED_INI)).split(QRegularExpression("\\r?\\n"))) {
        if (line.startsWith('['))
            section = line;
        else if (section.endsWith("TTacs]") && QRegularExpression("^T\\d+=").match(line).hasMatch())
            presets << line.section('=', 1);
    }
    QVERIFY(!presets.isEmpty());
    // Every strategy the shipped settings offer, in both leagues, is in the help's table with its letter.
    for (const QString& name : presets)
        QVERIFY2(help.contains("<tr><td>" + name.left(1) + "</td><td>" + name), qPrintable(name));
}

void TestMainWindow::titleStripCloseButtonAsksAsExitDoes()
{
    Window w;
    w.form->ZipListBox->addItem(w.path("RVR3.txt"));
    QCOMPARE(w.find<QLabel>("CaptionLabel")->text(), QString("Squadrant "));
    QVERIFY(w.form->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w.find<QToolButton>("MinimiseButton")->isVisible());
    // Files still listed for the archive: the close button asks as File > Exit does.
    MessageBox::queueAnswer(MessageBox::No);
    w.find<QToolButton>("CloseButton")->click();
    QCOMPARE(shownBoxes(), QStringList{"Confirm|Orders not Zipped. Exit Anyway?|Yes,No"});
    QVERIFY(w.form->isVisible());
    MessageBox::queueAnswer(MessageBox::Yes);
    w.find<QToolButton>("CloseButton")->click();
    QCOMPARE(shownBoxes(), QStringList{"Confirm|Orders not Zipped. Exit Anyway?|Yes,No"});
    QVERIFY(!w.form->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
