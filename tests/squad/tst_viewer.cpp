#include "base/textfile.h"
#include "squad/viewer.h"
#include "testfiles.h"

class TestViewer : public QObject {
    Q_OBJECT
private slots:
    void teamInformationLines();
    void playerLinesAndPitch442();
    void sixDefendersShowFiveOnThePitch();
};

void TestViewer::teamInformationLines()
{
    const ViewerTexts v = buildViewerTexts(readTextLines(fixture("RVR1_tactics.txt")), "6");
    const QStringList expected = {
        "HomeBonus: 6            Starting Tactic: O",
        "Conditional Tactic #1      G  <  0  T  >=  60  S",
        "Conditional Tactic #2      G  >  1        L",
        "Conditional Tactic #3" + QString(18, ' '),
        "Conditional Tactic #4" + QString(18, ' '),
        "Conditional Tactic #5" + QString(18, ' '),
        "CP:  OTF  Dan Price    ",
        "TP:  Joe Blake  Max Weber    ",
        "PK: Chris Doyle",
    };
    QCOMPARE(v.teamInfo, expected);
}

void TestViewer::playerLinesAndPitch442()
{
    QStringList lines = readTextLines(fixture("RVR3_plain.txt"));
    // make it a 4-4-2: the sweeper plays MF
    lines[3] = "MF,Björn Ødegård,n," + QString(25, ',');
    const ViewerTexts v = buildViewerTexts(lines, "5");
    QCOMPARE(v.starters.size(), 11);
    QCOMPARE(v.starters.at(0), "GK Tom Adams n       " + QString(26, ' '));
    QCOMPARE(v.substitutes.at(0), "S1: GK José Muñoz n       " + QString(26, ' '));
    QCOMPARE(v.substitutes.at(4).left(8), QString("S5: FW J"));
    const QMap<QString, QString> expected = {
        {"pitchGK", "Tom Adams"},    {"pitchMF1", "Björn Ødegård"},     {"pitchDF1", "Šimon Kovar"},
        {"pitchDF2", "Owen Hughes"}, {"pitchDF3", "François Lemaître"}, {"pitchDF4", "Jack Turner"},
        {"pitchMF2", "Sam Whitley"}, {"pitchMF3", "Rory Byrne"},        {"pitchMF4", "Ali Demir"},
        {"pitchFW1", "Chris Doyle"}, {"pitchFW2", "Ben Ashby"}};
    QCOMPARE(v.pitch, expected);
}

void TestViewer::sixDefendersShowFiveOnThePitch()
{
    QStringList lines = readTextLines(fixture("RVR3_plain.txt"));
    lines[8] = "DF,Sam Whitley,n," + QString(25, ','); // fifth DF
    lines[9] = "DF,Rory Byrne,n," + QString(25, ',');  // sixth DF
    const ViewerTexts v = buildViewerTexts(lines, "");
    QCOMPARE(v.pitch.value("pitchDF5"), QString("Sam Whitley"));
    QVERIFY(!v.pitch.values().contains("Rory Byrne"));
    QVERIFY(v.starters.at(7).startsWith("DF Rory Byrne n "));
    QVERIFY(v.teamInfo.at(0).startsWith("HomeBonus:             Starting"));
}

QTEST_GUILESS_MAIN(TestViewer)
#include "tst_viewer.moc"
