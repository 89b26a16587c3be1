#include "orders/bids.h"
#include "orders/ziplist.h"
#include "testfiles.h"

Q_DECLARE_METATYPE(BidRow)

class TestBids : public QObject {
    Q_OBJECT
private slots:
    void amountChecks_data();
    void amountChecks();
    void proposedName_data();
    void proposedName();
    void uniqueNames_data();
    void uniqueNames();
    void fileLines_data();
    void fileLines();
    void zipListOrderAndTidying();
};

void TestBids::amountChecks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "Please enter an amount first.";
    QTest::newRow("blanks only") << "   "
                                 << "Please enter an amount first.";
    QTest::newRow("five digits") << "10000"
                                 << "Max Bid is 9999";
    QTest::newRow("12a") << "12a"
                         << "Enter your bid using ONLY numbers";
    QTest::newRow("0") << "0"
                       << "Please enter a POSITIVE Amount";
    QTest::newRow("-5") << "-5"
                        << "Please enter a POSITIVE Amount";
    QTest::newRow("9999") << "9999"
                          << "";
    QTest::newRow("0009") << "0009"
                          << "";
    QTest::newRow("surrounding blanks") << "  250 "
                                        << "";
}

void TestBids::amountChecks()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QCOMPARE(bidAmountProblem(typed), message);
}

void TestBids::proposedName_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::newRow("own name") << 0 << "Smith";
    QTest::newRow("same lot elsewhere") << 3 << "Smith";
    QTest::newRow("empty lot") << 2 << "AuctPlayer3";
    QTest::newRow("lot nobody named") << 4 << "AuctPlayer5";
}

void TestBids::proposedName()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    const QList<BidRow> rows = {{"4", "100", "Smith"}, {"7", "", ""}, {"", "", ""}, {"4", "", ""}, {"9", "", ""}};
    QCOMPARE(proposeBidName(rows, row), name);
}

void TestBids::uniqueNames_data()
{
    QTest::addColumn<QList<BidRow>>("rows");
    QTest::addColumn<bool>("clash");
    QTest::newRow("same name, other case, other lot")
        << QList<BidRow>{{"4", "100", "Smith"}, {"7", "50", "smith"}} << true;
    QTest::newRow("same name, same lot") << QList<BidRow>{{"4", "100", "Smith"}, {"4", "80", "Smith"}} << false;
    QTest::newRow("empty name next to empty row") << QList<BidRow>{{"2", "100", ""}, {"", "", ""}} << true;
    QTest::newRow("all empty") << QList<BidRow>{{"", "", ""}, {"", "", ""}} << false;
}

void TestBids::uniqueNames()
{
    QFETCH(QList<BidRow>, rows);
    QFETCH(bool, clash);
    QCOMPARE(hasNonUniqueNames(rows), clash);
}

void TestBids::fileLines_data()
{
    QTest::addColumn<QList<BidRow>>("rows");
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QStringList>("lines");
    const QList<BidRow> lots = {
        {"2", "100", "Ann"}, {"10", "ALL", "Bob"}, {"1", "5", "Cy"}, {"", "", ""}, {"", "7", "Dee"}};
    QTest::newRow("auto sort is text order")
        << lots << true << QStringList{",7,Dee", "1,5,Cy", "10,ALL,Bob", "2,100,Ann"};
    QTest::newRow("grid order") << lots << false << QStringList{"2,100,Ann", "10,ALL,Bob", "1,5,Cy", ",7,Dee"};
    QTest::newRow("LOT 1 alone skipped, LOT 10 alone written")
        << QList<BidRow>{{"1", "", ""}, {"10", "", ""}} << false << QStringList{"10,,"};
    QTest::newRow("letters ignore case") << QList<BidRow>{{"3", "1", "b"}, {"3", "1", "A"}} << true
                                         << QStringList{"3,1,A", "3,1,b"};
    QTest::newRow("all empty") << QList<BidRow>{{}, {}, {}, {}, {}} << true << QStringList{};
}

void TestBids::fileLines()
{
    QFETCH(QList<BidRow>, rows);
    QFETCH(bool, sorted);
    QFETCH(QStringList, lines);
    QCOMPARE(buildBidsLines(rows, sorted), lines);
}

void TestBids::zipListOrderAndTidying()
{
    QStringList list;
    for (const char* p : {"b.txt", "A.txt", "a.txt", "C.txt", "a.txt", "b.txt"})
        list.insert(sortedInsertPosition(list, p), p);
    QCOMPARE(list, (QStringList{"A.txt", "a.txt", "a.txt", "b.txt", "b.txt", "C.txt"}));
    QCOMPARE(tidyZipList(list), (QStringList{"A.txt", "a.txt", "b.txt", "C.txt"}));
    QCOMPARE(tidyZipList({"x", "x", "x", "X", "x"}), (QStringList{"x", "X", "x"}));
}

QTEST_GUILESS_MAIN(TestBids)
#include "tst_bids.moc"
