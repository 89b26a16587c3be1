#include "orders/Enterbidunit.h"
#include "testutil.h"
#include "ziputil.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
void clickAuction(Window& w, int row, int col)
{
    Window::clickCell(w.form->AuctionStringGrid, row, col);
}

void setLot(Window& w, int row, const QString& lot)
{
    clickAuction(w, row, 0);
    QVERIFY(w.form->LOTPopup->isVisible());
    w.action(lot.isEmpty() ? QString("LOTDeselect") : "LOT" + lot)->trigger();
    w.form->LOTPopup->hide();
}

void setPrice(Window& w, int row, const QString& amount)
{
    whenModal([amount](QWidget* d) {
        auto* f = qobject_cast<TEnterBidForm*>(d);
        f->BidEdit->setText(amount);
        f->OKBtn->click();
    });
    clickAuction(w, row, 1);
}

void setName(Window& w, int row, const QString& name)
{
    whenModal([name](QWidget* d) {
        auto* f = qobject_cast<TBidNameDlg*>(d);
        f->PlayNameEdit->setText(name);
        f->BitBtnWithColor1->click();
    });
    clickAuction(w, row, 2);
}

QString auctionCell(const Window& w, int col, int row)
{
    return w.form->AuctionStringGrid->cellText(col, row);
}

// Types the text key by key, letters beyond ASCII (a no-break space, accented letters) included.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

void ready(Window& w)
{
    w.useWorkDir();
    w.openRoster(sample("RVR.ros"));
    w.form->SessionNoComboBox->setCurrentIndex(6); // session 7
}
} // namespace

class TestOrdersWindow : public QObject {
    Q_OBJECT
private slots:
    void auctionGridDoesNothingWithoutRoster();
    void bidAmount_data();
    void bidAmount();
    void amountDialogStartsWithTheCell();
    void nameDialogProposalClearAndComma();
    void bidsFile_data();
    void bidsFile();
    void nonUniqueNamesWriteNothing();
    void readinessChecks_data();
    void readinessChecks();
    void pressFile();
    void helpBoxes();
    void zipListAddDeleteAndTidy();
    void zipOrders();
    void zipTwiceAddsAndReplaces();
    void zipFailureKeepsListAndArchive();
    void pressTextExactlyAsTyped();
    void sameBareNameIsRefused_data();
    void sameBareNameIsRefused();
    void addFilesSizeLimit_data();
    void addFilesSizeLimit();
};

void TestOrdersWindow::auctionGridDoesNothingWithoutRoster()
{
    Window w;
    clickAuction(w, 1, 0);
    QVERIFY(!w.form->LOTPopup->isVisible());
    w.form->SaveBidsBtn->click();
    QCOMPARE(shownBoxes(), QStringList{"Warning|No Roster File open! File not saved|Cancel"});
    w.openRoster(sample("RVR.ros"));
    clickAuction(w, 0, 0); // header row
    QVERIFY(!w.form->LOTPopup->isVisible());
}

void TestOrdersWindow::bidAmount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enterKey");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("staysOpen");
    const char* rows[][3] = {{"", "Please enter an amount first.", ""},
                             {"12345", "Max Bid is 9999", ""},
                             {"12a", "Enter your bid using ONLY numbers", ""},
                             {"0", "Please enter a POSITIVE Amount", ""},
                             {"-5", "Please enter a POSITIVE Amount", ""},
                             {"9999", "", "9999"},
                             {"0009", "", "0009"},
                             {" 250 ", "", " 250 "}};
    for (const auto& r : rows)
        for (bool enter : {false, true})
            QTest::addRow("%s by %s", r[0], enter ? "Enter" : "Done")
                << r[0] << enter << r[1] << r[2] << (enter && *r[1] != 0);
}

void TestOrdersWindow::bidAmount()
{
    QFETCH(QString, typed);
    QFETCH(bool, enterKey);
    QFETCH(QString, message);
    QFETCH(QString, cell);
    QFETCH(bool, staysOpen);
    Window w;
    w.openRoster(sample("RVR.ros"));
    bool open = false;
    whenModal([&](QWidget* d) {
        auto* f = qobject_cast<TEnterBidForm*>(d);
        QCOMPARE(f->windowTitle(), QString("Enter Bid Amount"));
        QCOMPARE(f->BidAllBtn->text(), QString("Bid ALL"));
        f->BidEdit->setText(typed);
        if (enterKey)
            QTest::keyClick(f->BidEdit, Qt::Key_Return);
        else
            f->OKBtn->click();
        open = f->isVisible();
        if (open)
            f->CancelBtn->click();
    });
    clickAuction(w, 2, 1);
    QCOMPARE(open, staysOpen);
    QCOMPARE(shownBoxes(), message.isEmpty() ? QStringList{} : QStringList{"Squadrant|" + message + "|OK"});
    QCOMPARE(auctionCell(w, 1, 2), cell);
}

void TestOrdersWindow::amountDialogStartsWithTheCell()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    whenModal([](QWidget* d) { qobject_cast<TEnterBidForm*>(d)->BidAllBtn->click(); });
    clickAuction(w, 1, 1);
    QCOMPARE(auctionCell(w, 1, 1), QString("ALL"));
    QString start;
    whenModal([&start](QWidget* d) {
        start = qobject_cast<TEnterBidForm*>(d)->BidEdit->text();
        qobject_cast<TEnterBidForm*>(d)->CancelBtn->click();
    });
    clickAuction(w, 1, 1);
    QCOMPARE(start, QString());
    QCOMPARE(auctionCell(w, 1, 1), QString("ALL"));
    setPrice(w, 1, "250");
    whenModal([&start](QWidget* d) {
        start = qobject_cast<TEnterBidForm*>(d)->BidEdit->text();
        qobject_cast<TEnterBidForm*>(d)->CancelBtn->click();
    });
    clickAuction(w, 1, 1);
    QCOMPARE(start, QString("250"));
}

void TestOrdersWindow::nameDialogProposalClearAndComma()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    setLot(w, 1, "4");
    setName(w, 1, "Smith");
    setLot(w, 4, "4");
    QString proposed;
    whenModal([&proposed](QWidget* d) {
        auto* f = qobject_cast<TBidNameDlg*>(d);
        QCOMPARE(f->windowTitle(), QString("Enter Name"));
        proposed = f->PlayNameEdit->text();
        f->ClearBtn->click();
        QCOMPARE(f->PlayNameEdit->text(), QString());
        f->PlayNameEdit->setText("Smith, J");
        f->BitBtnWithColor1->click();
        QVERIFY(f->isVisible()); // refused: stays open for correction
        f->BitBtnWithColor2->click();
    });
    clickAuction(w, 4, 2);
    QCOMPARE(proposed, QString("Smith"));
    QCOMPARE(auctionCell(w, 2, 4), QString());
    QCOMPARE(shownBoxes().size(), 1);
    QCOMPARE(w.form->BidPlayerName, QString("Smith"));
    whenModal([&proposed](QWidget* d) {
        proposed = qobject_cast<TBidNameDlg*>(d)->PlayNameEdit->text();
        qobject_cast<TBidNameDlg*>(d)->BitBtnWithColor2->click();
    });
    clickAuction(w, 3, 2);
    QCOMPARE(proposed, QString("AuctPlayer3"));
}

void TestOrdersWindow::bidsFile_data()
{
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("auto sort") << true << QByteArray("1,5,Cy\r\n10,ALL,Bob\r\n2,100,Ann\r\n");
    QTest::newRow("grid order") << false << QByteArray("2,100,Ann\r\n10,ALL,Bob\r\n1,5,Cy\r\n");
}

void TestOrdersWindow::bidsFile()
{
    QFETCH(bool, sorted);
    QFETCH(QByteArray, bytes);
    Window w;
    ready(w);
    const QList<QStringList> rows = {{"2", "100", "Ann"}, {"10", "ALL", "Bob"}, {"1", "5", "Cy"}};
    for (int r = 0; r < 3; ++r) {
        setLot(w, r + 1, rows[r][0]);
        if (rows[r][1] == "ALL") {
            whenModal([](QWidget* d) { qobject_cast<TEnterBidForm*>(d)->BidAllBtn->click(); });
            clickAuction(w, r + 1, 1);
        } else {
            setPrice(w, r + 1, rows[r][1]);
        }
        setName(w, r + 1, rows[r][2]);
    }
    setLot(w, 4, "1"); // a lot and nothing else: its line "1,," is skipped
    setLot(w, 5, "1");
    w.form->AutoSortCheckBox->setChecked(sorted);
    w.form->SaveBidsBtn->click();
    QCOMPARE(shownBoxes(), QStringList{"Bids Saved|RVRSession7Bids.txt has been created|OK"});
    QCOMPARE(readBytes(w.path("RVRSession7Bids.txt")), bytes);
    QCOMPARE(Window::items(w.form->ZipListBox), QStringList{w.path("RVRSession7Bids.txt")});
    MessageBox::queueAnswer(MessageBox::No);
    w.form->SaveBidsBtn->click();
    QCOMPARE(shownBoxes(), (QStringList{"Confirm|File exits. Replace it?|Yes,No", "Squadrant|Bids not saved|OK"}));
    MessageBox::queueAnswer(MessageBox::Yes);
    w.form->SaveBidsBtn->click();
    QCOMPARE(shownBoxes().last(), QString("Bids Saved|RVRSession7Bids.txt has been created|OK"));
    QCOMPARE(w.form->ZipListBox->count(), 2);
    QCOMPARE(auctionCell(w, 2, 1), QString("Ann")); // saving keeps the grid
}

void TestOrdersWindow::nonUniqueNamesWriteNothing()
{
    Window w;
    ready(w);
    setLot(w, 1, "2");
    setPrice(w, 1, "100"); // a bid without a name next to empty rows
    w.form->SaveBidsBtn->click();
    QCOMPARE(shownBoxes(), QStringList{"Warning|Non Unique Names?|Retry"});
    QVERIFY(!QFileInfo::exists(w.path("RVRSession7Bids.txt")));
    QCOMPARE(w.form->ZipListBox->count(), 0);
}

void TestOrdersWindow::readinessChecks_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("bids") << "SaveBidsBtn";
    QTest::newRow("press") << "SavePressBtn";
    QTest::newRow("zip") << "ZipBtn";
}

void TestOrdersWindow::readinessChecks()
{
    QFETCH(QString, button);
    Window w;
    w.useWorkDir();
    if (button == "ZipBtn") {
        w.find<QPushButton>(button)->click();
        QCOMPARE(shownBoxes(), QStringList{"Warning|No files to Zip!|Cancel"}); // before the readiness check
        w.form->addToZipList(sample("RVR.ros"));
    }
    w.find<QPushButton>(button)->click();
    QCOMPARE(shownBoxes(), QStringList{"Warning|No Roster File open! File not saved|Cancel"});
    w.openRoster(sample("RVR.ros"));
    w.find<QPushButton>(button)->click();
    QCOMPARE(shownBoxes(), QStringList{"Warning|Session number not specified. File not saved|Cancel"});
    QCOMPARE(QDir(w.dir.path()).entryList(QDir::Files), QStringList{"squadrant.INI"});
    QCOMPARE(w.form->ZipListBox->count(), button == "ZipBtn" ? 1 : 0);
}

void TestOrdersWindow::pressFile()
{
    Window w;
    ready(w);
    w.form->SavePressBtn->click(); // an empty text box
    QCOMPARE(shownBoxes(), QStringList{"Press Saved|RVRSession7Press.txt has been created|OK"});
    QCOMPARE(readBytes(w.path("RVRSession7Press.txt")), QByteArray());
    w.form->PressMemo->setPlainText("Hello\nWorld");
    MessageBox::queueAnswer(MessageBox::Yes);
    w.form->SavePressBtn->click();
    QCOMPARE(shownBoxes(), (QStringList{"Confirm|File exits. Replace it?|Yes,No",
                                        "Press Saved|RVRSession7Press.txt has been saved|OK"}));
    QCOMPARE(readBytes(w.path("RVRSession7Press.txt")), QByteArray("Hello\r\nWorld"));
    w.form->PressMemo->setPlainText("changed");
    MessageBox::queueAnswer(MessageBox::No);
    w.form->SavePressBtn->click();
    QCOMPARE(shownBoxes(), (QStringList{"Confirm|File exits. Replace it?|Yes,No", "Squadrant|Press not saved|OK"}));
    QCOMPARE(readBytes(w.path("RVRSession7Press.txt")), QByteArray("Hello\r\nWorld"));
    w.form->SessionNoComboBox->setCurrentIndex(7);
    w.form->SavePressBtn->click();
    QCOMPARE(
        Window::items(w.form->ZipListBox),
        (QStringList{w.path("RVRSession7Press.txt"), w.path("RVRSession7Press.txt"), w.path("RVRSession8Press.txt")}));
    QCOMPARE(w.form->PressMemo->toPlainText(), QString("changed")); // saving keeps the text
}

void TestOrdersWindow::helpBoxes()
{
    Window w;
    w.form->AuctionBidsHow->click();
    w.form->BMShapedButton1->click();
    QCOMPARE(shownBoxes(),
             (QStringList{"Squadrant|First select the cells by clicking in them with your mouse pointer,\n "
                          "and enter the Lot, amount and player "
                          "name information. When you have finished\n press the Save button to save them.|OK",
                          "How do I enter Press?|First enter your press by typing in the text box and then "
                          "press the Save button to save it.|OK"}));
}

void TestOrdersWindow::zipListAddDeleteAndTidy()
{
    Window w;
    for (const char* p : {"/o/b.txt", "/o/A.txt", "/o/a.txt", "/o/b.txt", "/o/a.txt"})
        w.form->addToZipList(p);
    FileDialog::queueAnswer("/o/A.txt"); // listed already: nothing changes
    w.form->AddZipListBtn->click();
    FileDialog::queueAnswer("/o/B.txt"); // other letter case: a new entry
    w.form->AddZipListBtn->click();
    QCOMPARE(FileDialog::takeAsked().value(0).title, QString("Add File to Orders to be Zipped"));
    QCOMPARE(Window::items(w.form->ZipListBox),
             (QStringList{"/o/A.txt", "/o/a.txt", "/o/a.txt", "/o/b.txt", "/o/b.txt", "/o/B.txt"}));
    w.form->MainPageControl->setCurrentWidget(w.form->SummarySheet);
    QCOMPARE(Window::items(w.form->ZipListBox), (QStringList{"/o/A.txt", "/o/a.txt", "/o/b.txt", "/o/B.txt"}));
    QListWidget* list = w.form->ZipListBox;
    Window::doubleClick(list, list->visualItemRect(list->item(1)).center());
    QCOMPARE(Window::items(list), (QStringList{"/o/A.txt", "/o/b.txt", "/o/B.txt"}));
    FileDialog::queueAnswer(fixture("RVR3_plain.txt"));
    w.action("OpenLineupMenu")->trigger();
    QCOMPARE(FileDialog::takeAsked().value(0).title, QString("Open Lineup")); // its own title back
}

void TestOrdersWindow::zipOrders()
{
    Window w;
    ready(w);
    w.form->PressMemo->setPlainText("Line one\nLine two");
    w.form->SavePressBtn->click();
    writeBytes(w.path("extra.txt"), "extra");
    FileDialog::queueAnswer(w.path("extra.txt"));
    w.form->AddZipListBtn->click();
    shownBoxes();
    w.form->ZipBtn->click();
    QCOMPARE(shownBoxes(), QStringList{"Orders Saved|RVRSession7.zip has been created|OK"});
    QCOMPARE(w.form->ZipListBox->count(), 0);
    const auto entries = readZip(w.path("RVRSession7.zip"));
    QCOMPARE(entries.keys(), (QStringList{"RVRSession7Press.txt", "extra.txt"}));
    QCOMPARE(entries["RVRSession7Press.txt"].content, QByteArray("Line one\r\nLine two"));
    QCOMPARE(entries["extra.txt"].method, int(ZIP_CM_DEFLATE));
    w.action("ExitMenu")->trigger(); // nothing listed: no question
    QVERIFY(shownBoxes().isEmpty());
    QVERIFY(!w.form->isVisible());
}

void TestOrdersWindow::zipTwiceAddsAndReplaces()
{
    Window w;
    ready(w);
    w.form->SavePressBtn->click();
    w.form->ZipBtn->click();
    MessageBox::queueAnswer(MessageBox::Yes);
    w.form->PressMemo->setPlainText("second");
    w.form->SavePressBtn->click();
    w.form->AuctionStringGrid->setCellText(0, 1, "3");
    w.form->AuctionStringGrid->setCellText(2, 1, "Ann");
    w.form->AuctionStringGrid->setCellText(0, 2, "3");
    w.form->AuctionStringGrid->setCellText(2, 2, "Ann");
    w.form->SaveBidsBtn->click();
    w.form->ZipBtn->click();
    const auto entries = readZip(w.path("RVRSession7.zip"));
    QCOMPARE(entries.keys(), (QStringList{"RVRSession7Bids.txt", "RVRSession7Press.txt"}));
    QCOMPARE(entries["RVRSession7Press.txt"].content, QByteArray("second"));
}

void TestOrdersWindow::zipFailureKeepsListAndArchive()
{
    Window w;
    ready(w);
    w.form->SavePressBtn->click();
    w.form->ZipBtn->click();
    const QByteArray archive = readBytes(w.path("RVRSession7.zip"));
    MessageBox::queueAnswer(MessageBox::Yes);
    w.form->SavePressBtn->click();
    writeBytes(w.path("gone.txt"), "x");
    w.form->addToZipList(w.path("gone.txt"));
    QFile::remove(w.path("gone.txt"));
    shownBoxes();
    const QStringList listed = Window::items(w.form->ZipListBox);
    w.form->ZipBtn->click();
    const QStringList boxes = shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.at(0).startsWith("Error|RVRSession7.zip was not created") && boxes.at(0).contains("gone.txt"),
             qPrintable(boxes.at(0)));
    QCOMPARE(Window::items(w.form->ZipListBox), listed);
    QCOMPARE(readBytes(w.path("RVRSession7.zip")), archive);
}

void TestOrdersWindow::pressTextExactlyAsTyped()
{
    Window w;
    ready(w);
    QPlainTextEdit* memo = w.form->PressMemo;
    typeText(memo, QString::fromUtf8("Hello\u00a0World, caf\u00e9"));
    QTest::keyClick(memo, Qt::Key_Return);
    typeText(memo, QString::fromUtf8("\u00a0next\u00a0\u00a0line"));
    w.form->SavePressBtn->click();
    QCOMPARE(shownBoxes(), QStringList{"Press Saved|RVRSession7Press.txt has been created|OK"});
    // the no-break space is 0xA0 in Windows-1252, the plain space 0x20
    QCOMPARE(readBytes(w.path("RVRSession7Press.txt")), QByteArray("Hello\xa0"
                                                                   "World, caf\xe9\r\n\xa0next\xa0\xa0line"));
}

void TestOrdersWindow::sameBareNameIsRefused_data()
{
    QTest::addColumn<QString>("other"); // the name of an older press file in another folder
    QTest::newRow("same name") << "RVRSession7Press.txt";
    QTest::newRow("same name in other letter case") << "rvrsession7press.txt";
}

void TestOrdersWindow::sameBareNameIsRefused()
{
    QFETCH(QString, other);
    Window w;
    ready(w);
    w.form->PressMemo->setPlainText("first");
    w.form->SavePressBtn->click();
    w.form->ZipBtn->click(); // an earlier archive
    QCOMPARE(readZip(w.path("RVRSession7.zip")).value("RVRSession7Press.txt").content, QByteArray("first"));
    const QByteArray archive = readBytes(w.path("RVRSession7.zip"));

    MessageBox::queueAnswer(MessageBox::Yes);
    w.form->PressMemo->setPlainText("this session");
    w.form->SavePressBtn->click();
    QDir(w.dir.path()).mkdir("old");
    writeBytes(w.path("old/" + other), "an older press");
    FileDialog::queueAnswer(w.path("old/" + other));
    w.form->AddZipListBtn->click();
    shownBoxes();
    const QStringList listed = Window::items(w.form->ZipListBox);
    QCOMPARE(listed, (QStringList{w.path("old/" + other), w.path("RVRSession7Press.txt")}));

    w.form->ZipBtn->click();
    QCOMPARE(shownBoxes(),
             QStringList{"Error|RVRSession7.zip was not created: \"" + listed.at(0) + "\" and \"" + listed.at(1) +
                         "\" have the same name, and the archive can hold only one of them. Take one "
                         "of them off the list, or rename it.|OK"});
    QCOMPARE(Window::items(w.form->ZipListBox), listed);
    QCOMPARE(readBytes(w.path("RVRSession7.zip")), archive); // nothing written
    const auto kept = readZip(w.path("RVRSession7.zip"));
    QCOMPARE(kept.keys(), QStringList{"RVRSession7Press.txt"});
    QCOMPARE(kept.value("RVRSession7Press.txt").content, QByteArray("first"));

    QListWidget* list = w.form->ZipListBox;
    Window::doubleClick(list, list->visualItemRect(list->item(0)).center()); // the older file off the list
    w.form->ZipBtn->click();
    QCOMPARE(shownBoxes(), QStringList{"Orders Saved|RVRSession7.zip has been created|OK"});
    const auto entries = readZip(w.path("RVRSession7.zip"));
    QCOMPARE(entries.keys(), QStringList{"RVRSession7Press.txt"});
    QCOMPARE(entries.value("RVRSession7Press.txt").content, QByteArray("this session"));
}

void TestOrdersWindow::addFilesSizeLimit_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("message"); // empty when the file is added
    QTest::newRow("2 MiB") << qint64(2) * 1024 * 1024 << QString();
    QTest::newRow("25 MiB") << qint64(25) * 1024 * 1024 << QString();
    QTest::newRow("30 MiB") << qint64(30) * 1024 * 1024
                            << "Error|report.pdf was not added: it holds 30.0 MB, and an orders archive sent by e-mail "
                               "can carry files of at most 25 MB.|OK";
}

void TestOrdersWindow::addFilesSizeLimit()
{
    QFETCH(qint64, size);
    QFETCH(QString, message);
    Window w;
    ready(w);
    shownBoxes();
    QFile f(w.path("report.pdf"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("%PDF-1.4\n");
    QVERIFY(f.resize(size));
    f.close();
    FileDialog::queueAnswer(w.path("report.pdf"));
    w.form->AddZipListBtn->click();
    QCOMPARE(shownBoxes(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(Window::items(w.form->ZipListBox), message.isEmpty() ? QStringList{w.path("report.pdf")} : QStringList{});
}

QTEST_MAIN(TestOrdersWindow)
#include "tst_orderswindow.moc"
