// Every write of the program made to fail in the ways a manager meets them: the clear message, the earlier
// file byte for byte as it was, and the list of order files and the squad grid as they were.
#include "lineup/lineuptestutil.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <unistd.h>

namespace {
// A small tmpfs of our own, to make a folder read-only or full. Needs root.
class Mount {
public:
    explicit Mount(const QString& folder)
        : m_folder(folder)
    {
    }
    ~Mount()
    {
        if (m_mounted)
            QProcess::execute("umount", {m_folder});
    }
    bool mount(const QString& options)
    {
        if (geteuid() != 0) {
            m_why = "the tests do not run as root, so they cannot mount a small file system";
            return false;
        }
        m_mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", m_folder}) == 0;
        if (!m_mounted)
            m_why = "mount of a tmpfs was refused on this machine";
        return m_mounted;
    }
    bool remountReadOnly() { return QProcess::execute("mount", {"-o", "remount,ro", m_folder}) == 0; }
    QString why() const { return m_why; }

private:
    QString m_folder;
    QString m_why;
    bool m_mounted = false;
};

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
} // namespace

class TestFailures : public QObject {
    Q_OBJECT
private slots:
    void writesThatFail_data();
    void writesThatFail();
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
    w.openRoster(sample("RVR.ros"));
    buildFixtureLineup(w);
    selectText(w.form->MatchNoComboBox, "3");
    w.form->SessionNoComboBox->setCurrentIndex(6);
    w.form->PressMemo->setPlainText("Our statement");
    w.form->AuctionStringGrid->setCellText(0, 1, "4");
    w.form->AuctionStringGrid->setCellText(1, 1, "100");
    w.form->AuctionStringGrid->setCellText(2, 1, "Smith");
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

QTEST_MAIN(TestFailures)
#include "tst_failures.moc"
