#include "check/matchplanform.h"
#include "check/matchplanview.h"
#include "tactics/editortestutil.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

namespace {

// The RVR line-up of the fixture with match 3 chosen.
void buildOrders(Window& w)
{
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    setPlainFixtureOptions(w);
}

TMatchPlanForm* planWindow(Window& w)
{
    return w.form->findChild<TMatchPlanForm*>(QStringLiteral("MatchPlanForm"));
}

TMatchPlanForm* openPlan(Window& w)
{
    w.form->MatchPlanMenu->trigger();
    TMatchPlanForm* plan = planWindow(w);
    if (!plan)
        qFatal("the Match Plan did not open");
    return plan;
}

QStringList shownLines(TMatchPlanForm* plan)
{
    return Window::items(plan->findChild<QListWidget*>(QStringLiteral("PlanEventsList")));
}

void chooseScore(TMatchPlanForm* plan, const QString& score)
{
    selectText(plan->findChild<QComboBox*>(QStringLiteral("ScoreBox")), score);
}

// The 1st conditional of a player made in the conditionals editor: "T", ">=", "60", action, position.
void timeConditional(Window& w, const QString& player, const QString& op, const QString& value, const QString& action,
                     const QString& position)
{
    withConditionals(w, w.rowOf(player), [&](TPlayCondForm* f) {
        selectText(f->rows[0].event1, "T");
        selectText(f->rows[0].op1, op);
        f->rows[0].value1->setText(value);
        selectText(f->rows[0].action, action);
        if (!position.isEmpty())
            selectText(f->rows[0].position, position);
        f->DoneBtn->click();
    });
}

} // namespace

class TestMatchPlanWindow : public QObject {
    Q_OBJECT
private slots:
    void commandShowsOneWindowBesideTheMainWindow();
    void listFollowsEveryChange();
    void scoreBoxChangesTheList();
    void markerClickGoesToTheConditionalsCell();
    void enterOnALineGoesToItsPlace();
    void segmentClickOpensTeamTactics();
    void tooltipsSayTheOrderInWords();
    void savePictureWritesThePngOfTheChart();
    void savePictureThatCannotBeWrittenSaysSo();
    void worksByKeyboard();
};

void TestMatchPlanWindow::commandShowsOneWindowBesideTheMainWindow()
{
    Window w;
    QAction* command = w.action("MatchPlanMenu");
    QCOMPARE(command->text(), QString("Match &Plan"));
    QCOMPARE(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    const QList<QAction*> file = w.find<QMenu>("File1")->actions();
    QCOMPARE(file.indexOf(command), file.indexOf(w.action("CheckOrdersMenu")) + 1);
    auto* button = w.find<QToolButton>("PlanToolbarBtn");
    QCOMPARE(button->toolTip(), QString("Show what the orders do over the match"));
    QVERIFY(button->isVisible());

    // Without a roster the command does nothing.
    QTest::keyClick(w.form.get(), Qt::Key_M, Qt::ControlModifier);
    button->click();
    QVERIFY(!planWindow(w));
    QVERIFY(shownBoxes().isEmpty());

    w.openRoster(sample("RVR.ros"));
    QApplication::setActiveWindow(w.form.get());
    QTest::keyClick(w.form.get(), Qt::Key_M, Qt::ControlModifier);
    TMatchPlanForm* plan = planWindow(w);
    QVERIFY(plan);
    QVERIFY(plan->isVisible());
    QVERIFY(plan->isWindow());
    QCOMPARE(plan->windowTitle(), QString("Match Plan"));
    QCOMPARE(plan->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(plan->y(), w.form->frameGeometry().top());
    QVERIFY(w.form->screen()->availableGeometry().contains(plan->geometry()));
    QCOMPARE(plan->findChild<QComboBox*>("ScoreBox")->currentText(), QString("level"));

    plan->close();
    button->click();
    QCOMPARE(w.form->findChildren<TMatchPlanForm*>().size(), 1);
    QCOMPARE(planWindow(w), plan);
    QVERIFY(plan->isVisible());
    QVERIFY(shownBoxes().isEmpty());
}

void TestMatchPlanWindow::listFollowsEveryChange()
{
    Window w;
    buildOrders(w);
    TMatchPlanForm* plan = openPlan(w);
    QCOMPARE(shownLines(plan), QStringList{"0'-90'  Normal"});

    timeConditional(w, "Chris Doyle", ">=", "60", "S1", "FW");
    QCOMPARE(shownLines(plan), QStringList({"60'  S1 José Muñoz on for Chris Doyle, as FW", "0'-90'  Normal"}));

    // A second substitution of José Muñoz a minute later cannot happen.
    timeConditional(w, "Ben Ashby", ">", "60", "S1", "");
    QCOMPARE(shownLines(plan),
             QStringList({"60'  S1 José Muñoz on for Chris Doyle, as FW",
                          "61'  (does not happen: S1 is already on) S1 for Ben Ashby", "0'-90'  Normal"}));

    // Team tactics saved in their editor.
    withTeamTactics(w, [](TTeamTacticForm* f) {
        selectText(f->CEventBox, "T");
        selectText(f->ConditBox1, ">=");
        f->CTacVal1->setText("75");
        selectText(f->TeamStratBox1, "Stalling");
        f->AddTacButton1->click();
        f->TeamTacSaveBtn->click();
    });
    QCOMPARE(shownLines(plan).mid(2), QStringList({"0'-74'  Normal", "75'-90'  Stalling (line 1)"}));

    // Undo takes the tactic back, and the plan follows.
    w.form->UndoMenu->trigger();
    QCOMPARE(shownLines(plan).mid(2), QStringList{"0'-90'  Normal"});

    // Ben Ashby out of the line-up: his conditional is written nowhere.
    w.pick(w.rowOf("Ben Ashby"), ColPlay, "deselectPlay");
    QCOMPARE(shownLines(plan).last(),
             QString("Unread: Ben Ashby, 1st conditional \"T,>,60,,,,S1,\": Ben Ashby is not in the line-up: his "
                     "conditionals are written nowhere"));
    QVERIFY(shownBoxes().isEmpty());
}

void TestMatchPlanWindow::scoreBoxChangesTheList()
{
    Window w;
    buildOrders(w);
    setFixtureTactics(w); // Chris Doyle: T >= 60 and G < 0, S1 as FW; start O; G < 0 and T >= 60 S; G > 1 L
    TMatchPlanForm* plan = openPlan(w);
    auto* box = plan->findChild<QComboBox*>("ScoreBox");
    QCOMPARE(Window::items(box), QStringList({"3 down", "2 down", "1 down", "level", "1 up", "2 up", "3 up"}));
    QCOMPARE(shownLines(plan), QStringList{"0'-90'  Opportunistic"});

    chooseScore(plan, "1 down");
    QCOMPARE(plan->chosenScore(), -1);
    QCOMPARE(shownLines(plan), QStringList({"60'  S1 José Muñoz on for Chris Doyle, as FW", "0'-59'  Opportunistic",
                                            "60'-90'  Stalling (line 1)"}));
    chooseScore(plan, "2 up");
    QCOMPARE(shownLines(plan), QStringList{"0'-90'  Longball (line 2)"});

    // The chosen score stays chosen when the plan is read again.
    selectText(w.form->HBCombo, "3");
    QCOMPARE(box->currentText(), QString("2 up"));
    QCOMPARE(shownLines(plan), QStringList{"0'-90'  Longball (line 2)"});
}

void TestMatchPlanWindow::markerClickGoesToTheConditionalsCell()
{
    Window w;
    buildOrders(w);
    setFixtureTactics(w);
    TMatchPlanForm* plan = openPlan(w);
    chooseScore(plan, "2 down");
    w.form->MainPageControl->setCurrentWidget(w.form->PressSheet);
    w.form->RosterStringGrid->setCurrentCell(1, 0);
    MatchPlanView* view = plan->findChild<MatchPlanView*>("MatchPlanView");
    // No marker at a score where the conditional does not come true.
    QVERIFY(view->markerRect(0, 0).isEmpty());
    const QRect marker = view->markerRect(-2, 0);
    QVERIFY(!marker.isEmpty());
    QVERIFY(view->rect().contains(marker));
    QTest::mouseClick(view, Qt::LeftButton, {}, marker.center());
    QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->MainSheet);
    QCOMPARE(w.form->RosterStringGrid->currentRow(), w.rowOf("Chris Doyle"));
    QCOMPARE(w.form->RosterStringGrid->currentColumn(), int(ColConditionals));
    QCOMPARE(w.form->focusWidget(), w.form->RosterStringGrid);
    QVERIFY(plan->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMatchPlanWindow::enterOnALineGoesToItsPlace()
{
    Window w;
    buildOrders(w);
    setFixtureTactics(w);
    w.form->setCell(ColConditionals, w.rowOf("Ben Ashby"), ",,,,,,,,S2,DF" + QString(16, ','));
    TMatchPlanForm* plan = openPlan(w);
    chooseScore(plan, "1 down");
    auto* list = plan->findChild<QListWidget*>("PlanEventsList");
    list->setFocus();
    list->setCurrentRow(0); // the substitution of Chris Doyle
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(w.form->RosterStringGrid->currentRow(), w.rowOf("Chris Doyle"));
    QCOMPARE(w.form->RosterStringGrid->currentColumn(), int(ColConditionals));

    // The unread conditional of Ben Ashby, the last line: to his cell too.
    QVERIFY(list->item(list->count() - 1)->text().startsWith("Unread: Ben Ashby, 1st conditional"));
    list->setCurrentRow(list->count() - 1);
    Window::doubleClick(list, list->visualItemRect(list->currentItem()).center());
    QCOMPARE(w.form->RosterStringGrid->currentRow(), w.rowOf("Ben Ashby"));
    QCOMPARE(w.form->RosterStringGrid->currentColumn(), int(ColConditionals));

    // A strategy line opens Team Tactics.
    list->setCurrentRow(1);
    QCOMPARE(list->currentItem()->text(), QString("0'-59'  Opportunistic"));
    QString start;
    withEditor<TTeamTacticForm>([&] { QTest::keyClick(list, Qt::Key_Return); },
                                [&](TTeamTacticForm* f) {
                                    start = f->StartStratBox->currentText();
                                    f->TeamCancelBtn->click();
                                });
    QCOMPARE(start, QString("Opportunistic"));
}

void TestMatchPlanWindow::segmentClickOpensTeamTactics()
{
    Window w;
    buildOrders(w);
    setFixtureTactics(w);
    TMatchPlanForm* plan = openPlan(w);
    MatchPlanView* view = plan->findChild<MatchPlanView*>("MatchPlanView");
    const QRect segment = view->segmentRect(-1, 1); // 60'-90' Stalling
    QVERIFY(!segment.isEmpty());
    QStringList lines;
    withEditor<TTeamTacticForm>([&] { QTest::mouseClick(view, Qt::LeftButton, {}, segment.center()); },
                                [&](TTeamTacticForm* f) {
                                    lines = Window::items(f->TeamTacListBox1);
                                    f->TeamCancelBtn->click();
                                });
    QCOMPARE(lines, QStringList({"G,<,0,T,>=,60,S", "G,>,1,,,,L"}));
    QVERIFY(plan->isVisible());
}

void TestMatchPlanWindow::tooltipsSayTheOrderInWords()
{
    Window w;
    buildOrders(w);
    setFixtureTactics(w);
    w.form->setCell(ColConditionals, w.rowOf("Ben Ashby"), ",,T,>,70,,,,S1," + QString(16, ','));
    TMatchPlanForm* plan = openPlan(w);
    MatchPlanView* view = plan->findChild<MatchPlanView*>("MatchPlanView");
    QCOMPARE(view->toolTipAt(view->markerRect(-1, 0).center()),
             QString("Chris Doyle\n1st: when Game Time is more than or equal to 60 Minutes and Goal Difference is "
                     "less than 0: on comes S1 (José Muñoz) as FW"));
    QCOMPARE(view->toolTipAt(view->markerRect(-1, 1).center()),
             QString("Ben Ashby\n1st: when Game Time is greater than 70 Minutes: on comes S1 (José Muñoz)\nThis does "
                     "not happen: S1 is already on."));
    QCOMPARE(view->toolTipAt(view->segmentRect(-1, 1).center()),
             QString("Tactic line 1: G,<,0,T,>=,60,S\nwhen Goal Difference is less than 0 and Game Time is more than "
                     "or equal to 60 Minutes\nStalling, minutes 60 to 90, 1 down\nClick to open Team Tactics."));
    QCOMPARE(view->toolTipAt(view->segmentRect(0, 0).center()),
             QString("Starting strategy: Opportunistic, minutes 0 to 90, level (no tactic line holds)\nClick to open "
                     "Team Tactics."));
    QCOMPARE(view->toolTipAt(QPoint(1, 1)), QString());
}

void TestMatchPlanWindow::savePictureWritesThePngOfTheChart()
{
    Window w;
    buildOrders(w);
    setFixtureTactics(w);
    TMatchPlanForm* plan = openPlan(w);
    MatchPlanView* view = plan->findChild<MatchPlanView*>("MatchPlanView");
    const QStringList archive = Window::items(w.form->ZipListBox);
    FileDialog::takeAsked();
    const QString path = w.path("picture.png");
    FileDialog::queueAnswer(path);
    plan->findChild<QPushButton*>("SavePlanBtn")->click();
    const QList<FileDialog::Asked> asked = FileDialog::takeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().title, QString("Save Picture"));
    QCOMPARE(asked.first().folder, w.path("RVR3Plan.png"));
    QVERIFY(shownBoxes().isEmpty());
    QImage picture(path, "PNG");
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), view->size());
    // The picture is the chart: the same pixels the window shows.
    QImage shown(view->size(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&shown);
        view->paintChart(p, shown.size());
    }
    QCOMPARE(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied), shown);
    QCOMPARE(Window::items(w.form->ZipListBox), archive); // not an order file

    // Cancel writes nothing.
    FileDialog::queueAnswer(QString());
    QFile::remove(path);
    plan->SavePlanBtn->click();
    QVERIFY(!QFile::exists(path));
    QVERIFY(shownBoxes().isEmpty());
}

void TestMatchPlanWindow::savePictureThatCannotBeWrittenSaysSo()
{
    Window w;
    buildOrders(w);
    TMatchPlanForm* plan = openPlan(w);
    // A file of that name stays whole when the picture cannot take its place: here its name is a folder's.
    const QString folder = w.path("taken.png");
    QVERIFY(QDir().mkdir(folder));
    writeBytes(folder + "/inside.txt", "kept");
    FileDialog::queueAnswer(folder);
    plan->SavePlanBtn->click();
    const QStringList boxes = shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().startsWith("Error|The picture could not be saved as " + folder + " ("),
             qPrintable(boxes.first()));
    QVERIFY(boxes.first().endsWith("). Choose a folder you can write to, or another name.|OK"));
    QCOMPARE(readBytes(folder + "/inside.txt"), QByteArray("kept"));

    const QString missing = w.path("no such folder/plan.png");
    FileDialog::queueAnswer(missing);
    plan->SavePlanBtn->click();
    QCOMPARE(shownBoxes().size(), 1);
    QVERIFY(!QFile::exists(missing));
    QVERIFY(plan->isVisible());
}

void TestMatchPlanWindow::worksByKeyboard()
{
    Window w;
    buildOrders(w);
    setFixtureTactics(w);
    TMatchPlanForm* plan = openPlan(w);
    QApplication::setActiveWindow(plan);
    plan->ScoreBox->setFocus();
    QCOMPARE(QApplication::focusWidget(), plan->ScoreBox);
    // Down in the score box chooses the next score.
    QTest::keyClick(plan->ScoreBox, Qt::Key_Down);
    QCOMPARE(plan->ScoreBox->currentText(), QString("1 up"));
    QTest::keyClick(plan->ScoreBox, Qt::Key_Up);
    QTest::keyClick(plan->ScoreBox, Qt::Key_Up);
    QCOMPARE(plan->ScoreBox->currentText(), QString("1 down"));
    QCOMPARE(shownLines(plan).first(), QString("60'  S1 José Muñoz on for Chris Doyle, as FW"));
    // Tab goes round the list, Save Picture and Close, and back to the scores.
    QVERIFY(Window::tabTo(plan->PlanEventsList, 10));
    QVERIFY(Window::tabTo(plan->SavePlanBtn, 10));
    QVERIFY(Window::tabTo(plan->CloseBtn, 10));
    QVERIFY(Window::tabTo(plan->ScoreBox, 10));
    // Space on Save Picture asks for the file; Escape closes the window.
    plan->SavePlanBtn->setFocus();
    FileDialog::queueAnswer(w.path("keys.png"));
    QTest::keyClick(plan->SavePlanBtn, Qt::Key_Space);
    QVERIFY(QFile::exists(w.path("keys.png")));
    QTest::keyClick(plan, Qt::Key_Escape);
    QVERIFY(!plan->isVisible());
    QVERIFY(shownBoxes().isEmpty());
}

QTEST_MAIN(TestMatchPlanWindow)
#include "tst_matchplanwindow.moc"
