// Every write of the program made to fail in the ways a manager meets them: the clear message, the earlier
// file byte for byte as it was, and the list of order files and the squad grid as they were.
#include "lineup/lineuptestutil.h"
#include "mount.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// Fills the folder's file system to the last byte.
void fill(const QString& folder)
{
    QFile filler(folder + "/filler");
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("f", 1) == 1) {
    }
}

QString fileOf(const QString& kind)
{
    if (kind == "lineup")
        return "RVR3.txt";
    if (kind == "bids")
        return "RVRSession7Bids.txt";
    if (kind == "press")
        return "RVRSession7Press.txt";
    return "RVRSession7.zip";
}

// A whole session's orders ready to write: a valid line-up for match 3, session 7, a press text and a bid.
void fillOrders(Window& w)
{
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    selectText(w.form->MatchNoComboBox, "3");
    w.form->SessionNoComboBox->setCurrentIndex(6);
    w.form->PressMemo->setPlainText("Our statement");
    w.form->AuctionStringGrid->setCellText(0, 1, "4");
    w.form->AuctionStringGrid->setCellText(1, 1, "100");
    w.form->AuctionStringGrid->setCellText(2, 1, "Smith");
}
} // namespace

class TestFailures : public QObject {
    Q_OBJECT
private slots:
    void writesThatFail_data();
    void writesThatFail();
    void writableFileInAReadOnlyFolder_data();
    void writableFileInAReadOnlyFolder();
};

void TestFailures::writesThatFail_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("failure");
    for (const char* kind : {"lineup", "bids", "press", "zip"})
        for (const char* failure : {"folder missing", "folder read-only", "folder in the way", "disk full"})
            QTest::addRow("%s, %s", kind, failure) << kind << failure;
}

void TestFailures::writesThatFail()
{
    QFETCH(QString, kind);
    QFETCH(QString, failure);
    Window w;
    fillOrders(w);
    writeBytes(w.path("listed.txt"), "an order file");
    w.form->addToZipList(w.path("listed.txt"));

    const QString folder = w.path("orders");
    QDir().mkpath(folder);
    Mount mount(folder);
    const QString target = folder + "/" + fileOf(kind);
    const QByteArray earlier =
        kind == "zip" ? readBytes(fixture("../fixtures/RVR3_plain.txt")) : QByteArray("earlier orders\r\n");
    w.form->WorkDir = folder + "/";
    if (failure == "folder missing") {
        w.form->WorkDir = w.path("missing/");
    } else if (failure == "folder in the way") {
        QDir().mkpath(target);
    } else {
        if (!mount.mount(failure == "disk full" ? "size=16k" : "size=1m"))
            QSKIP(qPrintable("skipped: " + mount.why()));
        writeBytes(target, earlier);
        if (failure == "disk full")
            fill(folder);
        else
            QVERIFY(mount.remountReadOnly());
    }
    const QByteArray before = readBytes(target);
    const QStringList listed = Window::items(w.form->ZipListBox);
    const SquadTable grid = w.form->squadTable();

    if (QFileInfo::exists(target) && kind != "zip")
        MessageBox::queueAnswer(MessageBox::Yes); // the manager agrees to replace the earlier file
    if (kind == "lineup")
        w.action("SaveLineupMenu")->trigger();
    else if (kind == "bids")
        w.form->SaveBidsBtn->click();
    else if (kind == "press")
        w.form->SavePressBtn->click();
    else
        w.form->ZipBtn->click();

    const QStringList boxes = shownBoxes();
    QVERIFY2(!boxes.isEmpty() && boxes.last().startsWith("Error|") && boxes.last().contains(fileOf(kind)),
             qPrintable(boxes.join('\n')));
    QVERIFY(!boxes.join('\n').contains("has been"));
    QCOMPARE(readBytes(target), before);
    QCOMPARE(QFileInfo(target).isDir(), failure == "folder in the way");
    QCOMPARE(Window::items(w.form->ZipListBox), listed);
    QCOMPARE(w.form->squadTable(), grid);
    if (failure == "disk full" || failure == "folder read-only")
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(".tmp").size(), 0); // no temporary file left
}

void TestFailures::writableFileInAReadOnlyFolder_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"settings", "lineup", "bids", "press"})
        QTest::newRow(kind) << kind;
}

// The file may be written though its folder takes no new file (no temporary file beside it): the file is
// written in place, and no box but the question before replacing it appears.
void TestFailures::writableFileInAReadOnlyFolder()
{
    QFETCH(QString, kind);
    Window w;
    fillOrders(w);

    const QString folder = w.path("orders");
    QDir().mkpath(folder);
    Mount mount(folder);
    if (!mount.mount("size=1m"))
        QSKIP(qPrintable("skipped: " + mount.why()));
    const QString name = kind == "settings" ? QString("squadrant.INI") : fileOf(kind);
    const QString target = folder + "/" + name;
    const QString source = w.path("writable-" + name);
    writeBytes(target, QByteArray());
    writeBytes(source, kind == "settings" ? readBytes(w.iniPath)
                                          : QByteArray("earlier orders, a longer text than the new\r\n"));
    if (!mount.bindFile(source, target))
        QSKIP(qPrintable("skipped: " + mount.why()));
    QVERIFY(mount.remountReadOnly());
    QVERIFY(!QFile(folder + "/probe").open(QIODevice::WriteOnly)); // the folder takes no new file
    w.form->WorkDir = folder + "/";

    if (kind == "settings") {
        w.form->IniFile = std::make_unique<TIniFile>(target);
        w.action("MenuAutoIncr")->trigger();
        QCOMPARE(shownBoxes(), QStringList());
        QVERIFY(readBytes(target).contains("AutoIncr=1\r\n"));
        QCOMPARE(TIniFile(target).readBool("Options", "AutoIncr", false), true);
        return;
    }
    MessageBox::queueAnswer(MessageBox::Yes); // the manager agrees to replace the earlier file
    if (kind == "lineup")
        w.action("SaveLineupMenu")->trigger();
    else if (kind == "bids")
        w.form->SaveBidsBtn->click();
    else
        w.form->SavePressBtn->click();
    const QStringList boxes = shownBoxes();
    QVERIFY2(!boxes.join('\n').contains("Error|"), qPrintable(boxes.join('\n')));
    const QByteArray written = readBytes(target);
    QVERIFY(!written.contains("earlier orders"));
    if (kind == "press")
        QCOMPARE(written, QByteArray("Our statement"));
    else if (kind == "bids")
        QVERIFY2(written.contains("Smith"), written.constData());
    else
        QVERIFY2(written.endsWith("\r\n") && written.contains("Adams"), written.constData());
    QCOMPARE(Window::items(w.form->ZipListBox).last(), target);
}

QTEST_MAIN(TestFailures)
#include "tst_failures.moc"
