#include "tactics/encodings.h"
#include "testfiles.h"

class TestEncodings : public QObject {
    Q_OBJECT
private slots:
    void tacticConditions_data();
    void tacticConditions();
    void strategyCodes();
    void conditionalsCellRoundTrip();
    void decodeFieldCounts_data();
    void decodeFieldCounts();
    void stepValue_data();
    void stepValue();
};

void TestEncodings::tacticConditions_data()
{
    QTest::addColumn<QStringList>("c1"); // event, operator, value
    QTest::addColumn<QStringList>("c2");
    QTest::addColumn<QString>("coded");
    QTest::addColumn<QStringList>("readable");
    QTest::newRow("both complete") << QStringList{"G", "<", "0"} << QStringList{"T", ">=", "60"} << "G,<,0,T,>=,60"
                                   << QStringList{"Goal Difference is less than 0",
                                                  "and Game Time is more than or equal to 60 Minutes"};
    QTest::newRow("only first") << QStringList{"G", ">", "1"} << QStringList{"", "", "0"} << "G,>,1,,,"
                                << QStringList{"Goal Difference is greater than 1"};
    QTest::newRow("event without operator")
        << QStringList{"T", "", "5"} << QStringList{"", "", "0"} << "T,,,,," << QStringList{};
    QTest::newRow("nothing chosen") << QStringList{"", "", "0"} << QStringList{"", "", "0"} << ",,,,," << QStringList{};
    QTest::newRow("second only, no and") << QStringList{"G", "", "3"} << QStringList{"T", "=", "45"} << "G,,,T,=,45"
                                         << QStringList{"Game Time is equal to 45 Minutes"};
    QTest::newRow("second without operator")
        << QStringList{"G", "<=", "-1"} << QStringList{"T", "", "9"} << "G,<=,-1,T,,"
        << QStringList{"Goal Difference is less than or equal to -1"};
}

void TestEncodings::tacticConditions()
{
    QFETCH(QStringList, c1);
    QFETCH(QStringList, c2);
    QFETCH(QString, coded);
    QFETCH(QStringList, readable);
    const Condition a{c1[0], c1[1], c1[2]}, b{c2[0], c2[1], c2[2]};
    QCOMPARE(encodeTacticConditions(a, b), coded);
    QCOMPARE(describeTacticConditions(a, b), readable);
    QCOMPARE(coded.count(','), 5);
}

void TestEncodings::strategyCodes()
{
    QCOMPARE(strategyCode("Stalling"), QString("S"));
    QCOMPARE(strategyCode("Super"), strategyCode("Stalling"));
    QCOMPARE(strategyCode(""), QString());
}

void TestEncodings::conditionalsCellRoundTrip()
{
    const Conditional a{{"T", ">=", "60"}, {"G", "<", "0"}, "S1", "FW"};
    const QString cell = encodeConditionalsCell("", "", a, {}, {});
    QCOMPARE(cell, QString(",,T,>=,60,G,<,0,S1,FW") + QString(16, ','));
    QCOMPARE(decodeConditionalsCell(cell).size(), 26);
    QCOMPARE(encodeConditionalsCell("", "", {}, {}, {}), QString(25, ','));
    const QStringList fields = decodeConditionalsCell(encodeConditionalsCell("Smith", "Jones", {}, {}, a));
    QCOMPARE(fields.mid(0, 2), (QStringList{"Smith", "Jones"}));
    QCOMPARE(fields.mid(18, 8), (QStringList{"T", ">=", "60", "G", "<", "0", "S1", "FW"}));
    QCOMPARE(conditionalPositions(false), (QStringList{"GK", "SW", "DF", "MF", "FW"}));
    QCOMPARE(conditionalPositions(true).size(), 9);
}

void TestEncodings::decodeFieldCounts_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("fields");
    QTest::newRow("25 commas") << QString(25, ',') << 26;
    QTest::newRow("27 fields") << QString(26, ',') << 26;
    QTest::newRow("10 fields") << QString(9, ',') << 10;
    QTest::newRow("trailing comma") << "a," << 2;
}

void TestEncodings::decodeFieldCounts()
{
    QFETCH(QString, cell);
    QFETCH(int, fields);
    QCOMPARE(decodeConditionalsCell(cell).size(), fields);
}

void TestEncodings::stepValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("fifteen");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("result");
    QTest::newRow("letters up") << "abc"
                                << "G" << false << true << "1";
    QTest::newRow("letters up T fifteen") << "abc"
                                          << "T" << true << true << "15";
    QTest::newRow("letters down") << "abc"
                                  << "G" << false << false << "-1";
    QTest::newRow("-85 down by 15") << "-85"
                                    << "T" << true << false << "-90";
    QTest::newRow("90 up") << "90"
                           << "G" << false << true << "90";
    QTest::newRow("7 up by 15, no snapping") << "7"
                                             << "T" << true << true << "22";
    QTest::newRow("80 up clamps") << "80"
                                  << "T" << true << true << "90";
    QTest::newRow("G steps by 1 with fifteen on") << "5"
                                                  << "G" << true << true << "6";
    QTest::newRow("T steps by 1 with fifteen off") << "5"
                                                   << "T" << false << true << "6";
}

void TestEncodings::stepValue()
{
    QFETCH(QString, value);
    QFETCH(QString, event);
    QFETCH(bool, fifteen);
    QFETCH(bool, up);
    QFETCH(QString, result);
    QCOMPARE(stepConditionValue(value, event, fifteen, up ? StepDirection::Up : StepDirection::Down), result);
}

QTEST_GUILESS_MAIN(TestEncodings)
#include "tst_encodings.moc"
