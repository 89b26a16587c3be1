// Closing the program, by every way out: one question when work would be lost (a line-up changed since it was
// saved or opened, files still listed for the archive), No as its default, and no question when nothing is.
#include "testutil.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>
#include <QWindow>

namespace {
const QString kLineup = QStringLiteral("The line-up has changed since it was saved. Exit anyway?");
const QString kArchive = QStringLiteral("Orders not Zipped. Exit Anyway?");
const QString kBoth = QStringLiteral("The line-up has changed since it was saved.\nOrders not Zipped. Exit Anyway?");

// Closes the main window the way `way` names; returns once the close has been handled.
void closeBy(Window& w, const QString& way)
{
    QApplication::setActiveWindow(w.form.get());
    w.form->RosterStringGrid->setFocus();
    if (way == "File > Exit")
        w.action("ExitMenu")->trigger();
    else if (way == "Ctrl+X")
        Window::key(Qt::Key_X, Qt::ControlModifier);
    else if (way == "Ctrl+Q")
        Window::key(Qt::Key_Q, Qt::ControlModifier);
    else if (way == "title strip")
        w.find<QToolButton>("CloseButton")->click();
    else if (way == "window manager") // the platform's close of the window, as a frame's close box sends it
        w.form->windowHandle()->close();
    else if (way == "session end")
        w.form->endOfSession();
    else
        QFAIL(qPrintable("no such way: " + way));
}
} // namespace

class TestClosing : public QObject {
    Q_OBJECT
private slots:
    void everyWayOutAsksWhatWouldBeLost_data();
    void everyWayOutAsksWhatWouldBeLost();
    void enterAndEscapeKeepTheProgramOpen_data();
    void enterAndEscapeKeepTheProgramOpen();
    void savedOrUnchangedLineupIsNoLoss();
    void theRealBoxHasNoAsItsDefault();
    void sideWindowsGoWithTheMainWindow();
};

void TestClosing::everyWayOutAsksWhatWouldBeLost_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("lineupChanged");
    QTest::addColumn<bool>("archiveListed");
    QTest::addColumn<QString>("question"); // empty: none
    const QStringList ways = {"File > Exit", "Ctrl+X", "Ctrl+Q", "title strip", "window manager", "session end"};
    for (const QString& way : ways) {
        QTest::addRow("%s, nothing pending", qPrintable(way)) << way << false << false << QString();
        QTest::addRow("%s, archive listed", qPrintable(way)) << way << false << true << kArchive;
        QTest::addRow("%s, line-up changed", qPrintable(way)) << way << true << false << kLineup;
        QTest::addRow("%s, both", qPrintable(way)) << way << true << true << kBoth;
    }
}

void TestClosing::everyWayOutAsksWhatWouldBeLost()
{
    QFETCH(QString, way);
    QFETCH(bool, lineupChanged);
    QFETCH(bool, archiveListed);
    QFETCH(QString, question);
    Window w;
    w.openSampleLineup();
    if (lineupChanged)
        w.place(w.rowOf("Tom Adams"), "GK", "a");
    if (archiveListed)
        w.form->addToZipList(w.path("RVR3.txt"));
    shownBoxes();

    if (!question.isEmpty()) {
        // No: the program stays, with everything as it was.
        const LineupState before = w.form->lineupState();
        MessageBox::queueAnswer(MessageBox::No);
        closeBy(w, way);
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(describe(shown.first()), "Confirm|" + question + "|Yes,No");
        QCOMPARE(shown.first().defaultButton, MessageBox::No);
        QVERIFY(w.form->isVisible());
        QVERIFY(w.form->lineupState() == before);
        QCOMPARE(w.form->ZipListBox->count(), archiveListed ? 1 : 0);
        MessageBox::queueAnswer(MessageBox::Yes);
    }
    closeBy(w, way);
    QCOMPARE(shownBoxes(), question.isEmpty() ? QStringList() : QStringList{"Confirm|" + question + "|Yes,No"});
    QVERIFY(!w.form->isVisible());
}

void TestClosing::enterAndEscapeKeepTheProgramOpen_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter") << int(MessageBox::Enter);
    QTest::newRow("Escape") << int(MessageBox::Escape);
}

void TestClosing::enterAndEscapeKeepTheProgramOpen()
{
    QFETCH(int, answer);
    Window w;
    w.form->addToZipList(w.path("RVR3.txt"));
    MessageBox::queueAnswer(MessageBox::Button(answer));
    closeBy(w, "window manager");
    QCOMPARE(shownBoxes(), QStringList{"Confirm|" + kArchive + "|Yes,No"});
    QVERIFY(w.form->isVisible());
}

void TestClosing::savedOrUnchangedLineupIsNoLoss()
{
    Window w;
    w.openSampleLineup();
    // A change taken back is no change.
    w.place(w.rowOf("Tom Adams"), "GK", "a");
    QVERIFY(w.form->lineupChangedSinceSaved());
    w.action("UndoMenu")->trigger();
    QVERIFY(!w.form->lineupChangedSinceSaved());
    // A change saved is no loss either (the archive list, emptied here, is a question of its own).
    w.place(w.rowOf("Tom Adams"), "GK", "a");
    MessageBox::queueAnswer(MessageBox::Yes); // replace the file
    w.action("SaveLineupMenu")->trigger();
    QVERIFY(!w.form->lineupChangedSinceSaved());
    w.form->ZipListBox->clear();
    shownBoxes();
    closeBy(w, "File > Exit");
    QCOMPARE(shownBoxes(), QStringList());
    QVERIFY(!w.form->isVisible());
}

void TestClosing::theRealBoxHasNoAsItsDefault()
{
    // The box itself, not its record: Enter and Escape both press No.
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        Window w;
        w.form->addToZipList(w.path("RVR3.txt"));
        MessageBox::disableTestHook();
        const auto hookBack = qScopeGuard([] { MessageBox::enableTestHook(); });
        QString text, defaultButton;
        whenModal([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            QVERIFY(message);
            text = message->text();
            defaultButton = message->defaultButton() ? message->defaultButton()->text() : QString();
            QTest::keyClick(message, Qt::Key(key));
        });
        closeBy(w, "File > Exit");
        QCOMPARE(text, kArchive);
        QCOMPARE(defaultButton.remove('&'), QString("No"));
        QVERIFY(w.form->isVisible());
    }
}

void TestClosing::sideWindowsGoWithTheMainWindow()
{
    Window w;
    w.action("CheckOrdersMenu")->trigger();
    QWidget* check = w.find<QWidget>("OrdersCheckForm");
    QVERIFY(check->isVisible());
    closeBy(w, "Ctrl+Q");
    QVERIFY(!w.form->isVisible());
    QVERIFY(!check->isVisible());
}

QTEST_MAIN(TestClosing)
#include "tst_closing.moc"
