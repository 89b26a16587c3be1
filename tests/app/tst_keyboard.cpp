// The whole program by keyboard alone: the grids as one Tab stop whose keys act as a click does, the pop-up
// menus' letters and digits, Delete in the lists, the page keys, and Enter and Escape in every dialog.
#include "app/aboutbox.h"
#include "lineup/lineuptestutil.h"
#include "orders/Enterbidunit.h"
#include "settings/Changeseasonlengthunit.h"
#include "tactics/Playcondunit.h"
#include "tactics/teamtacticform.h"
#include "widgets/widgets.h"

#include "tactics/editortestutil.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Counts every mouse button event the application sees while it lives.
class MouseWatch : public QObject {
public:
    MouseWatch() { qApp->installEventFilter(this); }
    ~MouseWatch() override { qApp->removeEventFilter(this); }
    int events = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease ||
            e->type() == QEvent::MouseButtonDblClick)
            ++events;
        return false;
    }
};

// Makes a cell of the focused grid current with the arrow keys only.
void goTo(TStringGrid* grid, int row, int col)
{
    QCOMPARE(QApplication::focusWidget(), grid);
    Window::key(Qt::Key_Home, Qt::ControlModifier);
    for (int r = 1; r < row; ++r)
        Window::key(Qt::Key_Down);
    for (int c = 1; c < col; ++c)
        Window::key(Qt::Key_Right);
    QCOMPARE(grid->currentRow(), row);
    QCOMPARE(grid->currentColumn(), col);
}

int letterKey(const QString& letter)
{
    return Qt::Key_A + (letter.at(0).toUpper().unicode() - 'A');
}

// Chooses a position and style for the current row by keyboard: Enter, the position's letter, the style's.
void placeByKeys(const QString& pos, const QString& style)
{
    Window::key(Qt::Key_Return);
    Window::key(letterKey(pos.left(1)));
    Window::key(letterKey(style));
}

// The first text field of a dialog the manager can type into, or the dialog itself.
QWidget* inputOf(QWidget* dialog)
{
    for (QLineEdit* e : dialog->findChildren<QLineEdit*>())
        if (e->isVisible() && e->isEnabled())
            return e;
    for (QSpinBox* s : dialog->findChildren<QSpinBox*>())
        if (s->isVisible())
            return s;
    return dialog;
}

// Runs `act` on the list named `list` holding `lines`: a list of the main window on its page, with the focus on
// the page tabs; the team tactics' list in its editor, opened on those tactic lines.
void withListHolding(Window& w, const QString& list, const QStringList& lines,
                     const std::function<void(QListWidget*)>& act)
{
    if (list == "TeamTacListBox1") {
        w.form->TacticChanges = lines;
        whenModal([&](QWidget* d) {
            auto* form = qobject_cast<TTeamTacticForm*>(d);
            QApplication::setActiveWindow(form);
            act(form->TeamTacListBox1);
            form->reject();
        });
        w.form->MatchTacBtnWithColor1->click();
    } else {
        auto* l = w.find<QListWidget>(list);
        w.form->MainPageControl->setCurrentWidget(list == "ZipListBox" ? w.form->SummarySheet : w.form->MainSheet);
        l->addItems(lines);
        w.form->MainPageControl->tabBar()->setFocus();
        act(l);
    }
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void wholeLineupWithoutTheMouse();
    void gridIsOneTabStop_data();
    void gridIsOneTabStop();
    void keysActAsAClickOnTheCurrentCell_data();
    void keysActAsAClickOnTheCurrentCell();
    void conditionalsEditorByKeyboard();
    void auctionGridByKeyboard_data();
    void auctionGridByKeyboard();
    void popupLettersAndDigits_data();
    void popupLettersAndDigits();
    void deleteLeavesNothingChosen_data();
    void deleteLeavesNothingChosen();
    void deleteRemovesTheFramedLine_data();
    void deleteRemovesTheFramedLine();
    void pressTextTakesTabAsAMove();
    void valueFieldsStepWithUpAndDown_data();
    void valueFieldsStepWithUpAndDown();
    void tacticLinesMoveWithCtrlArrows();
    void dropDownListsStartAtTheirFirstItem_data();
    void dropDownListsStartAtTheirFirstItem();
    void digitsChooseTheLot_data();
    void digitsChooseTheLot();
    void pageKeysWhereverTheFocusIs_data();
    void pageKeysWhereverTheFocusIs();
    void enterAndEscapeInEveryDialog_data();
    void enterAndEscapeInEveryDialog();
    void bidNameProposalIsReplacedByTyping();
    void messageBoxKeys_data();
    void messageBoxKeys();
    void ctrlQExitsWithItsQuestion();
};

void TestKeyboard::wholeLineupWithoutTheMouse()
{
    Window w;
    w.useWorkDir();
    MouseWatch watch;
    TStringGrid* grid = w.form->RosterStringGrid;
    FileDialog::queueAnswer(sample("RVR.ros"));
    Window::key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
    QVERIFY(Window::tabTo(grid));

    const QStringList starters = fixtureStarters();
    for (const QString& s : starters) {
        const QStringList f = s.split(' ');
        const int row = w.rowOf(f.mid(0, f.size() - 2).join(' '));
        goTo(grid, row, ColPlay);
        placeByKeys(f.at(f.size() - 2), f.last());
        QCOMPARE(w.cell(ColPlay, row) + w.cell(ColStyle, row), f.at(f.size() - 2) + f.last());
        QCOMPARE(QApplication::focusWidget(), grid);
    }
    const QStringList subs = {"José Muñoz", "Liam Carter", "Jürgen Klöse", "Pat Quinn", "Joe Blake"};
    const int subKeys[] = {Qt::Key_Menu, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F10};
    for (int k = 0; k < 5; ++k) {
        const int row = w.rowOf(subs.at(k));
        goTo(grid, row, ColSubs);
        Window::key(subKeys[k], subKeys[k] == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        QVERIFY(w.form->SubPopup->isVisible());
        Window::key(Qt::Key_1 + k);
        QCOMPARE(w.cell(ColSubs, row), QString("S%1").arg(k + 1));
    }
    QVERIFY(w.form->starting11Led->isLit());
    QVERIFY(w.form->subsLed->isLit());

    QVERIFY(Window::tabTo(w.form->HBCombo));
    Window::key(Qt::Key_5);
    QVERIFY(Window::tabTo(w.form->PTakeBox));
    Window::key(Qt::Key_T);
    QVERIFY(Window::tabTo(w.form->MatchNoComboBox));
    Window::key(Qt::Key_3);
    Window::key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(shownBoxes(), QStringList{"Lineup Saved|RVR3.txt has been created|OK"});
    QCOMPARE(readBytes(w.path("RVR3.txt")), readBytes(fixture("RVR3_plain.txt")));
    QCOMPARE(watch.events, 0);
}

void TestKeyboard::gridIsOneTabStop_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("page");
    QTest::newRow("squad grid") << "RosterStringGrid" << 0;
    QTest::newRow("auction grid") << "AuctionStringGrid" << 2;
}

void TestKeyboard::gridIsOneTabStop()
{
    QFETCH(QString, grid);
    QFETCH(int, page);
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.form->MainPageControl->setCurrentIndex(page);
    auto* g = w.find<TStringGrid>(grid);
    QVERIFY(Window::tabTo(g));
    Window::key(Qt::Key_Right);
    Window::key(Qt::Key_Down);
    const QModelIndex current = g->currentIndex();
    QVERIFY(current.isValid());
    Window::key(Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != g);
    Window::key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), g);
    Window::key(Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget() != g);
    Window::key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), g);
    QCOMPARE(g->currentIndex(), current); // Tab and Shift+Tab never moved the current cell
}

void TestKeyboard::keysActAsAClickOnTheCurrentCell_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<bool>("roster");
    const struct {
        const char* name;
        int key;
        int mods;
    } keys[] = {{"Enter", Qt::Key_Return, 0},
                {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
                {"Space", Qt::Key_Space, 0},
                {"Menu", Qt::Key_Menu, 0},
                {"Shift+F10", Qt::Key_F10, Qt::ShiftModifier}};
    const struct {
        const char* name;
        int col;
        const char* opens;
    } cols[] = {{"Play", ColPlay, "PlayPopup"},
                {"Style", ColStyle, "PlayPopup"},
                {"Subs", ColSubs, "SubPopup"},
                {"Age", ColAge, ""},
                {"EL", ColEL, ""}};
    for (const auto& k : keys)
        for (const auto& c : cols)
            QTest::addRow("%s on %s", k.name, c.name) << k.key << k.mods << c.col << QString(c.opens) << true;
    QTest::newRow("Enter on Play, no roster") << int(Qt::Key_Return) << 0 << int(ColPlay) << "" << false;
    QTest::newRow("Menu on Subs, no roster") << int(Qt::Key_Menu) << 0 << int(ColSubs) << "" << false;
}

void TestKeyboard::keysActAsAClickOnTheCurrentCell()
{
    QFETCH(int, keyCode);
    QFETCH(int, modifiers);
    QFETCH(int, col);
    QFETCH(QString, opens);
    QFETCH(bool, roster);
    Window w;
    if (roster)
        w.openRoster(sample("RVR.ros"));
    TStringGrid* grid = w.form->RosterStringGrid;
    QVERIFY(Window::tabTo(grid));
    goTo(grid, 4, col);
    QSignalSpy done(w.form.get(), &TSQMainForm::commandDone);
    Window::key(keyCode, Qt::KeyboardModifiers(modifiers));
    QVERIFY(!done.isEmpty());
    QMenu* shown = w.form->PlayPopup->isVisible()  ? w.form->PlayPopup
                   : w.form->SubPopup->isVisible() ? w.form->SubPopup
                                                   : nullptr;
    QCOMPARE(shown ? shown->objectName() : QString(), opens);
    if (shown) {
        // The menu opens at the cell, not wherever the mouse pointer happens to be.
        const QRect cell = grid->cellRect(col, 4);
        QCOMPARE(shown->pos(), grid->mapToGlobal(cell.bottomLeft()));
        Window::key(Qt::Key_Escape);
        QVERIFY(!shown->isVisible());
    }
    QCOMPARE(w.cell(ColPlay, 4) + w.cell(ColSubs, 4), QString());
}

void TestKeyboard::conditionalsEditorByKeyboard()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    TStringGrid* grid = w.form->RosterStringGrid;
    QVERIFY(Window::tabTo(grid));
    goTo(grid, 5, ColConditionals);
    QString opened;
    whenModal([&opened](QWidget* d) {
        opened = d->objectName() + ":" + qobject_cast<TPlayCondForm*>(d)->playerLabel->text();
        QTest::keyClick(inputOf(d), Qt::Key_Return);
    });
    Window::key(Qt::Key_Return);
    QCOMPARE(opened, "PlayCondForm:" + w.cell(ColName, 5));
    QCOMPARE(w.cell(ColConditionals, 5), QString(25, ','));
}

void TestKeyboard::auctionGridByKeyboard_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    QTest::newRow("LOT: the menu, down to 7") << 0 << ""
                                              << "7";
    QTest::newRow("Price: the bid dialog") << 1 << "250"
                                           << "250";
    QTest::newRow("Name: the name dialog") << 2 << "Smith"
                                           << "Smith";
}

void TestKeyboard::auctionGridByKeyboard()
{
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.form->MainPageControl->setCurrentWidget(w.form->AuctionSheet);
    TStringGrid* grid = w.form->AuctionStringGrid;
    QVERIFY(Window::tabTo(grid));
    Window::key(Qt::Key_Home, Qt::ControlModifier);
    Window::key(Qt::Key_Down);
    for (int c = 0; c < col; ++c)
        Window::key(Qt::Key_Right);
    QCOMPARE(grid->currentRow(), 2);
    if (col == 0) {
        Window::key(Qt::Key_Space);
        QVERIFY(w.form->LOTPopup->isVisible());
        QCOMPARE(w.form->LOTPopup->pos(), grid->mapToGlobal(grid->cellRect(0, 2).bottomLeft()));
        for (int i = 0; i < 12 && w.form->LOTPopup->activeAction() != w.action("LOT7"); ++i)
            Window::key(Qt::Key_Down);
        Window::key(Qt::Key_Return);
        QVERIFY(!w.form->LOTPopup->isVisible());
    } else {
        whenModal([typed](QWidget* d) {
            QWidget* input = inputOf(d);
            QTest::keyClicks(input, typed);
            QTest::keyClick(input, Qt::Key_Return);
        });
        Window::key(Qt::Key_Return);
    }
    QCOMPARE(grid->cellText(col, 2), cell);
}

void TestKeyboard::popupLettersAndDigits_data()
{
    QTest::addColumn<QStringList>("keys"); // letters typed after Enter on the cell
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("cells"); // Play + Style + Subs afterwards
    QTest::newRow("G p") << QStringList{"G", "P"} << int(ColPlay) << "GKp";
    QTest::newRow("S n") << QStringList{"S", "N"} << int(ColPlay) << "SWn";
    QTest::newRow("D a") << QStringList{"D", "A"} << int(ColStyle) << "DFa";
    QTest::newRow("M p") << QStringList{"M", "P"} << int(ColPlay) << "MFp";
    QTest::newRow("W n (MSWL)") << QStringList{"W", "N"} << int(ColPlay) << "WGn";
    QTest::newRow("F a") << QStringList{"F", "A"} << int(ColStyle) << "FWa";
    for (int k = 1; k <= 5; ++k)
        QTest::addRow("%d", k) << QStringList{QString::number(k)} << int(ColSubs) << QString("DFnS%1").arg(k);
}

void TestKeyboard::popupLettersAndDigits()
{
    QFETCH(QStringList, keys);
    QFETCH(int, col);
    QFETCH(QString, cells);
    Window w;
    w.action("MenuFullMSWL")->trigger();
    w.openRoster(sample("RVR.ros"));
    TStringGrid* grid = w.form->RosterStringGrid;
    QVERIFY(Window::tabTo(grid));
    const int row = w.rowOf("Dan Price"); // a DM: as a substitute he plays DF
    goTo(grid, row, col);
    Window::key(Qt::Key_Return);
    for (const QString& k : keys)
        Window::key(k.at(0).isDigit() ? Qt::Key_0 + k.toInt() : letterKey(k));
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(w.cell(ColPlay, row) + w.cell(ColStyle, row) + w.cell(ColSubs, row), cells);
    // Each key is underlined in its caption, and the captions read as before.
    const QString item = col == ColSubs ? QString("popSub%1").arg(keys.first()) : QString("pop") + cells.left(2);
    QVERIFY(w.action(item)->text().contains('&' + keys.first()));
}

void TestKeyboard::deleteLeavesNothingChosen_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("byKey");
    for (const char* list : {"TPListBox", "CPListBox", "ZipListBox", "TeamTacListBox1"}) {
        QTest::addRow("%s, Delete", list) << QString(list) << true;
        QTest::addRow("%s, double click", list) << QString(list) << false;
    }
}

void TestKeyboard::deleteLeavesNothingChosen()
{
    QFETCH(QString, list);
    QFETCH(bool, byKey);
    Window w;
    w.openRoster(sample("RVR.ros"));
    const QStringList lines = {"G,>,1,,,,L", "G,<,0,,,,A", "T,>=,60,,,,S"};
    QStringList after;
    auto act = [&](QListWidget* l) {
        QSignalSpy done(w.form.get(), &TSQMainForm::commandDone);
        l->setFocus();
        QTest::keyClick(l, Qt::Key_Home);
        QTest::keyClick(l, Qt::Key_Down); // the second line, picked by the manager
        QCOMPARE(l->currentRow(), 1);
        if (byKey)
            QTest::keyClick(l, Qt::Key_Delete);
        else
            Window::doubleClick(l, l->visualItemRect(l->item(1)).center());
        QCOMPARE(Window::items(l), (QStringList{lines.at(0), lines.at(2)}));
        QVERIFY(l->selectedItems().isEmpty());
        QCOMPARE(l->currentRow(), -1);
        if (list != "TeamTacListBox1")
            QVERIFY(!done.isEmpty());
        // Nothing picked: a second Delete deletes nothing.
        QTest::keyClick(l, Qt::Key_Delete);
        QCOMPARE(l->count(), 2);
        if (auto* form = qobject_cast<TTeamTacticForm*>(l->window())) {
            // The arrows beside the list move only a line the manager picked.
            form->TTUpDown->press(true);
            form->TTUpDown->press(false);
            QCOMPARE(Window::items(l), (QStringList{lines.at(0), lines.at(2)}));
        }
        // An arrow press now picks a line, which Delete then removes.
        QTest::keyClick(l, Qt::Key_Down);
        QCOMPARE(l->currentRow(), 0);
        QTest::keyClick(l, Qt::Key_Delete);
        after = Window::items(l);
    };
    withListHolding(w, list, lines, act);
    QCOMPARE(after, QStringList{lines.at(2)});
}

void TestKeyboard::deleteRemovesTheFramedLine_data()
{
    QTest::addColumn<QString>("list");
    for (const char* list : {"TPListBox", "CPListBox", "ZipListBox", "TeamTacListBox1"})
        QTest::newRow(list) << QString(list);
}

void TestKeyboard::deleteRemovesTheFramedLine()
{
    QFETCH(QString, list);
    Window w;
    w.openRoster(sample("RVR.ros"));
    const QStringList lines = {"G,>,1,,,,L", "G,<,0,,,,A", "T,>=,60,,,,S"};
    QStringList after, afterSecond;
    int framed = -2, chosen = -2, current = -2;
    auto act = [&](QListWidget* l) {
        // Tab into the list: its first line shows the focus frame, though no arrow key picked it.
        QVERIFY(Window::tabTo(l));
        framed = l->currentRow();
        Window::key(Qt::Key_Delete);
        after = Window::items(l);
        chosen = l->selectedItems().size();
        current = l->currentRow();
        Window::key(Qt::Key_Delete); // nothing is framed now: nothing goes
        afterSecond = Window::items(l);
    };
    withListHolding(w, list, lines, act);
    QCOMPARE(framed, 0);
    QCOMPARE(after, lines.mid(1));
    QCOMPARE(chosen, 0);
    QCOMPARE(current, -1);
    QCOMPARE(afterSecond, lines.mid(1));
}

void TestKeyboard::pressTextTakesTabAsAMove()
{
    Window w;
    w.form->MainPageControl->setCurrentWidget(w.form->PressSheet);
    QVERIFY(Window::tabTo(w.form->PressMemo));
    QTest::keyClicks(w.form->PressMemo, "We will win");
    Window::key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.form->SavePressBtn);
    Window::key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.form->PressMemo);
    QCOMPARE(w.form->PressMemo->toPlainText(), QString("We will win"));
}

void TestKeyboard::valueFieldsStepWithUpAndDown_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("quarters");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("value");
    for (const char* editor : {"team tactics", "player conditionals"}) {
        QTest::addRow("%s: G, Up twice", editor)
            << editor << "G" << false << "0" << QList<int>{Qt::Key_Up, Qt::Key_Up} << "2";
        QTest::addRow("%s: G, Down", editor) << editor << "G" << true << "0" << QList<int>{Qt::Key_Down} << "-1";
        QTest::addRow("%s: T in quarters, Up", editor)
            << editor << "T" << true << "30" << QList<int>{Qt::Key_Up} << "45";
        QTest::addRow("%s: T in minutes, Down", editor)
            << editor << "T" << false << "30" << QList<int>{Qt::Key_Down} << "29";
        QTest::addRow("%s: T at the end, Up", editor)
            << editor << "T" << true << "90" << QList<int>{Qt::Key_Up} << "90";
    }
}

void TestKeyboard::valueFieldsStepWithUpAndDown()
{
    QFETCH(QString, editor);
    QFETCH(QString, event);
    QFETCH(bool, quarters);
    QFETCH(QString, start);
    QFETCH(QList<int>, keys);
    QFETCH(QString, value);
    Window w;
    w.openRoster(sample("RVR.ros"));
    QString shown, expected;
    bool stayed = false;
    auto steps = [&](QDialog* d, QComboBox* eventBox, QLineEdit* field, QCheckBox* timeCheck) {
        QApplication::setActiveWindow(d);
        eventBox->setCurrentIndex(eventBox->findText(event));
        timeCheck->setChecked(quarters);
        field->setText(start);
        QVERIFY(Window::tabTo(field));
        expected = start;
        for (int k : keys) {
            expected = stepConditionValue(expected, event, quarters,
                                          k == Qt::Key_Up ? StepDirection::Up : StepDirection::Down);
            Window::key(k);
        }
        shown = field->text();
        stayed = QApplication::focusWidget() == field;
    };
    if (editor == "team tactics")
        withTeamTactics(w, [&](TTeamTacticForm* f) { steps(f, f->CEventBox, f->CTacVal1, f->TimeCheck); });
    else
        withConditionals(w, 4, [&](TPlayCondForm* f) { steps(f, f->rows[0].event1, f->rows[0].value1, f->TimeCheck); });
    QCOMPARE(shown, value);
    QCOMPARE(shown, expected); // the arrows' own rule
    QVERIFY(stayed);
}

void TestKeyboard::tacticLinesMoveWithCtrlArrows()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    const QStringList lines = {"G,>,1,,,,L", "G,<,0,,,,A", "T,>=,60,,,,S"};
    w.form->TacticChanges = lines;
    QStringList moved, back;
    withTeamTactics(w, [&](TTeamTacticForm* f) {
        QApplication::setActiveWindow(f);
        QVERIFY(Window::tabTo(f->TeamTacListBox1));
        Window::key(Qt::Key_Down); // the second line, picked
        Window::key(Qt::Key_Up, Qt::ControlModifier);
        moved = Window::items(f->TeamTacListBox1);
        QCOMPARE(f->TeamTacListBox1->currentRow(), 0);
        Window::key(Qt::Key_Down, Qt::ControlModifier);
        Window::key(Qt::Key_Down, Qt::ControlModifier);
        back = Window::items(f->TeamTacListBox1);
        QCOMPARE(f->TeamTacListBox1->currentRow(), 2);
    });
    QCOMPARE(moved, (QStringList{lines.at(1), lines.at(0), lines.at(2)}));
    QCOMPARE(back, (QStringList{lines.at(0), lines.at(2), lines.at(1)}));
}

void TestKeyboard::dropDownListsStartAtTheirFirstItem_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("opener");
    QTest::addColumn<int>("openerModifiers");
    for (const char* box : {"TPBox", "CPBox", "PTakeBox", "HBCombo"}) {
        QTest::addRow("%s, Down", box) << QString(box) << 0 << 0;
        QTest::addRow("%s, Alt+Down", box) << QString(box) << int(Qt::Key_Down) << int(Qt::AltModifier);
        QTest::addRow("%s, F4", box) << QString(box) << int(Qt::Key_F4) << 0;
        QTest::addRow("%s, Space", box) << QString(box) << int(Qt::Key_Space) << 0;
    }
}

void TestKeyboard::dropDownListsStartAtTheirFirstItem()
{
    QFETCH(QString, box);
    QFETCH(int, opener);
    QFETCH(int, openerModifiers);
    Window w;
    w.openRoster(sample("RVR.ros"));
    auto* combo = w.find<QComboBox>(box);
    QCOMPARE(combo->currentIndex(), -1);
    const QString first = combo->itemText(0), second = combo->itemText(1);
    QListWidget* list = box == "TPBox" ? w.form->TPListBox : box == "CPBox" ? w.form->CPListBox : nullptr;
    QVERIFY(Window::tabTo(combo));
    if (!opener) {
        // Closed, the first Down chooses the first name.
        Window::key(Qt::Key_Down);
        QCOMPARE(list ? Window::items(list) : QStringList{combo->currentText()}, QStringList{first});
        return;
    }
    // Twice: on a fresh list, and once more after a choice has left the list with nothing chosen again (the
    // training and coaching lists do that themselves; New Lineup does it for the others).
    for (int round = 1; round <= 2; ++round) {
        Window::key(opener, Qt::KeyboardModifiers(openerModifiers));
        QVERIFY(QApplication::activePopupWidget());
        // The open list stands on its first name, marked ...
        QCOMPARE(combo->view()->currentIndex().row(), 0);
        QVERIFY(combo->view()->selectionModel()->isSelected(combo->view()->currentIndex()));
        // ... so that the first Down goes to the second (the keys go to the open list, as on the screen).
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QCOMPARE(combo->view()->currentIndex().row(), 1);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QVERIFY(!QApplication::activePopupWidget());
        if (list) {
            QCOMPARE(Window::items(list), QStringList(round, second));
        } else {
            QCOMPARE(combo->currentText(), second);
            Window::key(Qt::Key_N, Qt::ControlModifier);
        }
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(QApplication::focusWidget(), combo);
    }
}

void TestKeyboard::digitsChooseTheLot_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QString>("lot");
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("%d", k) << int(Qt::Key_0 + k) << QString::number(k);
    QTest::newRow("0 is 10") << int(Qt::Key_0) << "10";
}

void TestKeyboard::digitsChooseTheLot()
{
    QFETCH(int, keyCode);
    QFETCH(QString, lot);
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.form->MainPageControl->setCurrentWidget(w.form->AuctionSheet);
    TStringGrid* grid = w.form->AuctionStringGrid;
    QVERIFY(Window::tabTo(grid));
    Window::key(Qt::Key_Home, Qt::ControlModifier);
    Window::key(Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(grid->currentColumn(), 0);
    Window::key(Qt::Key_Return);
    QVERIFY(w.form->LOTPopup->isVisible());
    Window::key(keyCode);
    QVERIFY(!w.form->LOTPopup->isVisible());
    QCOMPARE(grid->cellText(0, 2), lot);
    QCOMPARE(QApplication::focusWidget(), grid);
}

void TestKeyboard::pageKeysWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expected");
    const struct {
        const char* name;
        int page;
    } places[] = {{"RosterStringGrid", 0},  {"TPListBox", 0}, {"PTakeBox", 0},  {"StartersListBox", 1},
                  {"AuctionStringGrid", 2}, {"PressMemo", 3}, {"ZipListBox", 4}};
    const struct {
        const char* name;
        int key;
        int mods;
        int step;
    } keys[] = {{"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, 1},
                {"Ctrl+PgDn", Qt::Key_PageDown, Qt::ControlModifier, 1},
                {"Ctrl+Shift+Tab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1},
                {"Ctrl+Shift+Tab as Tab", Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, -1},
                {"Ctrl+PgUp", Qt::Key_PageUp, Qt::ControlModifier, -1}};
    for (const auto& p : places)
        for (const auto& k : keys)
            QTest::addRow("%s in %s", k.name, p.name)
                << QString(p.name) << p.page << k.key << k.mods << (p.page + k.step + 5) % 5;
}

void TestKeyboard::pageKeysWhereverTheFocusIs()
{
    QFETCH(QString, focus);
    QFETCH(int, page);
    QFETCH(int, keyCode);
    QFETCH(int, modifiers);
    QFETCH(int, expected);
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.form->MainPageControl->setCurrentIndex(page);
    QWidget* target = w.find<QWidget>(focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    const QString press = w.form->PressMemo->toPlainText();
    QSignalSpy done(w.form.get(), &TSQMainForm::commandDone);
    Window::key(keyCode, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.form->MainPageControl->currentIndex(), expected);
    QVERIFY(!done.isEmpty());
    QCOMPARE(w.form->PressMemo->toPlainText(), press); // the key typed nothing
}

void TestKeyboard::enterAndEscapeInEveryDialog_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("keyCode");
    for (const char* d : {"SeasonLengthForm", "HBRangeDlg", "WorkDirDlg", "TeamTacticForm", "PlayCondForm",
                          "EnterBidForm", "BidNameDlg", "AboutBox"}) {
        QTest::addRow("%s, Enter", d) << QString(d) << int(Qt::Key_Return);
        QTest::addRow("%s, Escape", d) << QString(d) << int(Qt::Key_Escape);
    }
}

void TestKeyboard::enterAndEscapeInEveryDialog()
{
    QFETCH(QString, dialog);
    QFETCH(int, keyCode);
    const bool enter = keyCode == Qt::Key_Return;
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.form->TacticChanges = QStringList{"G,>,1,,,,L"};
    w.form->setCell(ColConditionals, 3, "kept");
    QString seen;
    bool stayedOpen = false;
    whenModal([&](QWidget* d) {
        seen = d->objectName();
        QWidget* input = inputOf(d);
        if (dialog == "SeasonLengthForm") {
            auto* edit = qobject_cast<TSeasonLengthForm*>(d)->MatchNumEdit;
            edit->selectAll();
            QTest::keyClicks(edit, "20");
        } else if (dialog == "HBRangeDlg") {
            QTest::keyClick(input, Qt::Key_Down); // minimum 3 becomes 2
        } else if (dialog == "EnterBidForm" || dialog == "BidNameDlg") {
            QTest::keyClicks(input, "250");
        }
        QTest::keyClick(input, Qt::Key(keyCode));
        stayedOpen = d->isVisible();
        if (stayedOpen)
            qobject_cast<QDialog*>(d)->reject();
    });
    const QString workDir = w.form->WorkDir;
    TStringGrid* auction = w.form->AuctionStringGrid;
    if (dialog == "SeasonLengthForm")
        w.action("SeasonLength1")->trigger();
    else if (dialog == "HBRangeDlg")
        w.action("HomeBonus")->trigger();
    else if (dialog == "WorkDirDlg")
        w.action("MenuSelectDirectory")->trigger();
    else if (dialog == "TeamTacticForm")
        w.form->MatchTacBtnWithColor1->click();
    else if (dialog == "AboutBox")
        w.action("About1")->trigger();
    else if (dialog == "PlayCondForm") {
        w.form->RosterStringGrid->setFocus();
        w.form->RosterStringGrid->setCurrentCell(3, ColConditionals);
        Window::key(Qt::Key_Return);
    } else {
        w.form->MainPageControl->setCurrentWidget(w.form->AuctionSheet);
        auction->setFocus();
        auction->setCurrentCell(1, dialog == "EnterBidForm" ? 1 : 2);
        Window::key(Qt::Key_Return);
    }
    QCOMPARE(seen, dialog);
    QVERIFY2(!stayedOpen, "the key did not close the dialog");
    const QStringList matches = Window::items(w.form->MatchNoComboBox);
    if (dialog == "SeasonLengthForm")
        QCOMPARE(matches.size(), enter ? 20 : 30);
    else if (dialog == "HBRangeDlg")
        QCOMPARE(w.form->HBCombo->itemText(0), QString(enter ? "2" : "3"));
    else if (dialog == "WorkDirDlg")
        QCOMPARE(w.form->WorkDir != workDir, enter);
    else if (dialog == "TeamTacticForm")
        QCOMPARE(Window::items(w.form->TTListBox), enter ? QStringList{"G,>,1,,,,L"} : QStringList{});
    else if (dialog == "PlayCondForm")
        QCOMPARE(w.cell(ColConditionals, 3), QString(enter ? QString(25, ',') : QString("kept")));
    else if (dialog == "EnterBidForm")
        QCOMPARE(auction->cellText(1, 1), QString(enter ? "250" : ""));
    else if (dialog == "BidNameDlg")
        QCOMPARE(auction->cellText(2, 1), QString(enter ? "250" : ""));
    QVERIFY(shownBoxes().isEmpty());
}

void TestKeyboard::bidNameProposalIsReplacedByTyping()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.form->MainPageControl->setCurrentWidget(w.form->AuctionSheet);
    TStringGrid* auction = w.form->AuctionStringGrid;
    auction->setFocus();
    auction->setCurrentCell(3, 2);
    QString proposed, chosen;
    whenModal([&](QWidget* d) {
        auto* edit = qobject_cast<TBidNameDlg*>(d)->PlayNameEdit;
        proposed = edit->text();
        chosen = edit->selectedText();
        QTest::keyClicks(edit, "Ann Lee");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    Window::key(Qt::Key_Space);
    QCOMPARE(proposed, QString("AuctPlayer3"));
    QCOMPARE(chosen, QString("AuctPlayer3"));
    QCOMPARE(auction->cellText(2, 3), QString("Ann Lee"));
}

void TestKeyboard::ctrlQExitsWithItsQuestion()
{
    Window w;
    w.form->ZipListBox->addItem("RVR3.txt");
    QSignalSpy done(w.form.get(), &TSQMainForm::commandDone);
    MessageBox::queueAnswer(MessageBox::No);
    Window::key(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(shownBoxes(), QStringList{"Confirm|Orders not Zipped. Exit Anyway?|Yes,No"});
    QVERIFY(w.form->isVisible());
    QVERIFY(!done.isEmpty());
    MessageBox::queueAnswer(MessageBox::Yes);
    Window::key(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(shownBoxes(), QStringList{"Confirm|Orders not Zipped. Exit Anyway?|Yes,No"});
    QVERIFY(!w.form->isVisible());
}

void TestKeyboard::messageBoxKeys_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QString>("answer");
    QTest::newRow("confirmation, Enter") << "confirm" << int(Qt::Key_Return) << "Yes";
    QTest::newRow("confirmation, Escape") << "confirm" << int(Qt::Key_Escape) << "No";
    QTest::newRow("plain, Enter") << "plain" << int(Qt::Key_Return) << "OK";
    QTest::newRow("plain, Escape") << "plain" << int(Qt::Key_Escape) << "OK";
    QTest::newRow("warning with Cancel, Enter") << "warning" << int(Qt::Key_Return) << "Cancel";
    QTest::newRow("warning with Cancel, Escape") << "warning" << int(Qt::Key_Escape) << "Cancel";
    QTest::newRow("error, Enter") << "error" << int(Qt::Key_Return) << "OK";
}

void TestKeyboard::messageBoxKeys()
{
    QFETCH(QString, kind);
    QFETCH(int, keyCode);
    QFETCH(QString, answer);
    Window w;
    const QString text = "<b>RT</b>Session7Bids.txt has been created";
    QString shownText;
    bool stayedOpen = false;
    whenModal([&](QWidget* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        QVERIFY(box);
        // What the box shows is the text's characters, never markup.
        shownText = box->textFormat() == Qt::PlainText ? box->text() : QString("markup");
        QTest::keyClick(box, Qt::Key(keyCode));
        stayedOpen = box->isVisible();
        if (stayedOpen)
            box->reject();
    });
    MessageBox::disableTestHook();
    MessageBox::Button got = MessageBox::Ok;
    if (kind == "confirm")
        got = MessageBox::confirm(w.form.get(), text) ? MessageBox::Yes : MessageBox::No;
    else if (kind == "plain")
        MessageBox::plain(w.form.get(), text);
    else if (kind == "warning")
        got = MessageBox::warning(w.form.get(), text, {MessageBox::Cancel});
    else
        got = MessageBox::error(w.form.get(), text);
    MessageBox::enableTestHook();
    QVERIFY(!stayedOpen);
    QCOMPARE(shownText, text);
    QCOMPARE(MessageBox::buttonName(got), answer);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
