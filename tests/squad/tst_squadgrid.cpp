// The squad grid as the manager sees it: its caption row and name column stay in view and cannot be chosen,
// they are drawn in the window colour, and whatever a file holds is shown as the characters it holds.
#include "tactics/Playcondunit.h"
#include "testutil.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

namespace {

const QColor kWindowColour(192, 220, 192);

// A roster of `players` players, all of them placeable.
QString writeRoster(const QTemporaryDir& dir, int players)
{
    QStringList lines = {"BIG,Big Squad,Mo Many"};
    const QStringList positions = {"GK", "SW", "DF", "MF", "FW"};
    for (int p = 1; p <= players; ++p)
        lines.append(QString("Player %1,%2,%3,%4,5").arg(p).arg(20 + p % 10).arg(10 + p).arg(positions.at(p % 5)));
    const QString path = dir.filePath("BIG.ros");
    writeBytes(path, crlf(lines));
    return path;
}

// The same picture, allowing for the smoothing of text edges, which varies with what was painted before.
bool samePicture(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (qAbs(p.red() - q.red()) > 24 || qAbs(p.green() - q.green()) > 24 || qAbs(p.blue() - q.blue()) > 24)
                return false;
        }
    return true;
}

QColor pixelAt(QWidget* w, const QPoint& p)
{
    return w->grab().toImage().pixelColor(p);
}

// The width the label's text takes as drawn; a text read as markup is drawn narrower than its characters.
bool drawnLiterally(const QLabel* label, const QString& text)
{
    return label->text() == text && label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(text);
}

// What a button shows: "&&" is drawn as "&", a lone "&" marks the next letter as the key and is not drawn.
QString shownOn(const QPushButton* button)
{
    QString shown;
    const QString t = button->text();
    for (int i = 0; i < t.size(); ++i) {
        if (t.at(i) == '&' && i + 1 < t.size())
            ++i;
        shown += t.at(i);
    }
    return shown;
}

} // namespace

class TestSquadGrid : public QObject {
    Q_OBJECT
private slots:
    void captionsAndNamesStayInView();
    void captionsCannotBeChosen_data();
    void captionsCannotBeChosen();
    void keysNeverReachTheCaptions();
    void captionsInTheWindowColour_data();
    void captionsInTheWindowColour();
    void fileTextIsShownAsWritten();
};

void TestSquadGrid::captionsAndNamesStayInView()
{
    Window w;
    w.action("size640Menu")->trigger();
    FileDialog::queueAnswer(writeRoster(w.dir, 40));
    w.action("OpenSubMenu")->trigger();
    TStringGrid* grid = w.form->RosterStringGrid;
    QCOMPARE(grid->rowCount(), 41);
    const QRect top = grid->horizontalHeader()->geometry();
    const QRect left = grid->verticalHeader()->geometry();
    const QImage start = grid->grab().toImage();

    // Down to the last player: the caption row does not move.
    grid->setFocus();
    Window::key(Qt::Key_End, Qt::ControlModifier);
    Window::key(Qt::Key_Home);
    QCOMPARE(grid->currentRow(), 40);
    QCOMPARE(grid->horizontalScrollBar()->value(), 0);
    QVERIFY(grid->verticalScrollBar()->value() > 0);
    const QImage down = grid->grab().toImage();
    QVERIFY(samePicture(down.copy(top), start.copy(top)));
    QVERIFY(left.contains(grid->cellRect(ColName, 40)));
    QVERIFY(!samePicture(down.copy(left), start.copy(left))); // the names follow their rows

    // Right to the Conditionals column: the names do not move.
    Window::key(Qt::Key_End);
    QCOMPARE(grid->currentColumn(), int(ColConditionals));
    QVERIFY(grid->horizontalScrollBar()->value() > 0);
    const QImage right = grid->grab().toImage();
    QVERIFY(grid->rect().contains(grid->cellRect(ColConditionals, 0)));
    QCOMPARE(grid->cellRect(ColName, 40).x(), left.x());
}

void TestSquadGrid::captionsCannotBeChosen_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("Play caption") << "RosterStringGrid" << 0 << int(ColPlay);
    QTest::newRow("Conditionals caption") << "RosterStringGrid" << 0 << int(ColConditionals);
    QTest::newRow("Name caption") << "RosterStringGrid" << 0 << int(ColName);
    QTest::newRow("a player's name") << "RosterStringGrid" << 5 << int(ColName);
    QTest::newRow("LOT caption") << "AuctionStringGrid" << 0 << 0;
    QTest::newRow("Name caption of the bids") << "AuctionStringGrid" << 0 << 2;
}

void TestSquadGrid::captionsCannotBeChosen()
{
    QFETCH(QString, grid);
    QFETCH(int, row);
    QFETCH(int, col);
    Window w;
    w.openRoster(sample("RVR.ros"));
    auto* g = w.find<TStringGrid>(grid);
    w.form->MainPageControl->setCurrentWidget(g == w.form->AuctionStringGrid ? w.form->AuctionSheet
                                                                             : w.form->MainSheet);
    Window::clickCell(g, 3, 3 % g->columnCount()); // a cell the manager chose before
    for (QMenu* m : {w.form->PlayPopup, w.form->SubPopup, w.form->LOTPopup})
        m->hide();
    const QModelIndex before = g->currentIndex();
    QCOMPARE(g->selectionModel()->selectedIndexes(), QModelIndexList{before});
    QVERIFY(!QApplication::activeModalWidget());
    Window::clickCell(g, row, col);
    QCOMPARE(g->currentIndex(), before);
    QCOMPARE(g->selectionModel()->selectedIndexes(), QModelIndexList{before});
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(shownBoxes().isEmpty());
}

void TestSquadGrid::keysNeverReachTheCaptions()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    TStringGrid* grid = w.form->RosterStringGrid;
    grid->setFocus();
    Window::key(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(ColAge, 1));
    for (int key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_PageUp, Qt::Key_Home}) {
        Window::key(key);
        QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(ColAge, 1));
    }
    for (const QModelIndex& i : grid->selectionModel()->selectedIndexes())
        QVERIFY(i.row() > 0 && i.column() > 0);
}

void TestSquadGrid::captionsInTheWindowColour_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("windowColour");
    QTest::newRow("Age caption") << "RosterStringGrid" << 0 << int(ColAge) << true;
    QTest::newRow("Name caption") << "RosterStringGrid" << 0 << int(ColName) << true;
    QTest::newRow("a blank Name cell") << "RosterStringGrid" << 6 << int(ColName) << true;
    QTest::newRow("a blank Age cell") << "RosterStringGrid" << 6 << int(ColAge) << false;
    QTest::newRow("Price Bid caption") << "AuctionStringGrid" << 0 << 1 << true;
    QTest::newRow("a bid cell") << "AuctionStringGrid" << 2 << 1 << false;
    QTest::newRow("totals: GK caption") << "LineupTotGrid" << 0 << 1 << true;
    QTest::newRow("totals: Num caption") << "LineupTotGrid" << 1 << 0 << true;
}

void TestSquadGrid::captionsInTheWindowColour()
{
    QFETCH(QString, grid);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(bool, windowColour);
    Window w; // no roster: every Name cell is blank
    auto* g = w.find<TStringGrid>(grid);
    if (g == w.form->AuctionStringGrid)
        w.form->MainPageControl->setCurrentWidget(w.form->AuctionSheet);
    const QRect cell = g->cellRect(col, row);
    // Away from the text and the cell's edges.
    const QPoint spot(cell.right() - 4, cell.center().y());
    QCOMPARE(pixelAt(g, spot) == kWindowColour, windowColour);
}

void TestSquadGrid::fileTextIsShownAsWritten()
{
    Window w;
    w.useWorkDir();
    const QString keeper = "<b>Keeper</b>";
    QStringList lines = {"<b>RT</b>,<i>Rich</i> Team,<font color=red>Mgr</font>", keeper + ",1,10,GK,3"};
    const QStringList positions = {"SW", "DF", "DF", "DF", "MF", "MF", "MF", "FW",
                                   "FW", "FW", "GK", "DF", "MF", "FW", "SW"};
    for (int p = 0; p < positions.size(); ++p)
        lines.append(QString("Man%1 &amp;,%2,10,%3,3").arg(p).arg(p + 2).arg(positions.at(p)));
    writeBytes(w.path("rich.ros"), crlf(lines));
    w.openRoster(w.path("rich.ros"));
    QVERIFY(drawnLiterally(w.form->AbbLabel, "<b>RT</b>"));
    QVERIFY(drawnLiterally(w.form->TeamNameLabel, "<i>Rich</i> Team"));
    QVERIFY(drawnLiterally(w.form->ManageLabel, "Coached by <font color=red>Mgr</font>"));
    QCOMPARE(w.cell(ColName, 1), keeper);
    QCOMPARE(Window::items(w.form->TPBox), QStringList{keeper});

    // The opponent's abbreviation too, "&" included.
    writeBytes(w.path("opp.ros"), crlf({"<b>O&P</b>,Them,Boss", "Al,3,10,GK,3"}));
    FileDialog::queueAnswer(w.path("opp.ros"));
    w.form->ChooseOppButton->click();
    QCOMPARE(shownOn(w.form->ChooseOppButton), QString("<b>O&P</b>"));

    // The conditionals editor names the player as written.
    QString shown;
    whenModal([&shown](QWidget* d) {
        shown = drawnLiterally(qobject_cast<TPlayCondForm*>(d)->playerLabel, "<b>Keeper</b>") ? "literal" : "markup";
        qobject_cast<QDialog*>(d)->reject();
    });
    w.clickGrid(1, ColConditionals);
    QCOMPARE(shown, QString("literal"));

    // And so does the pitch after Save & View (the abbreviation names the file, so it is a plain one here).
    lines[0] = "RT,Rich Team,Mgr";
    writeBytes(w.path("RT.ros"), crlf(lines));
    w.openRoster(w.path("RT.ros"));
    w.place(1, "GK");
    for (int p = 0; p < 10; ++p)
        w.place(p + 2, positions.at(p));
    for (int k = 1; k <= 5; ++k)
        w.makeSub(11 + k, k);
    w.form->MatchNoComboBox->setCurrentIndex(0);
    w.form->HBCombo->setCurrentIndex(0);
    QApplication::setActiveWindow(w.form.get());
    w.action("SaveView1")->trigger();
    shownBoxes();
    QCOMPARE(w.form->MainPageControl->currentWidget(), w.form->LineupSheet);
    QLabel* pitchKeeper = nullptr;
    for (QLabel* l : w.form->pitchLabels)
        if (l->text() == keeper)
            pitchKeeper = l;
    QVERIFY(pitchKeeper);
    QVERIFY(drawnLiterally(pitchKeeper, keeper));
}

QTEST_MAIN(TestSquadGrid)
#include "tst_squadgrid.moc"
