// A 100 MB binary file handed to every command that reads a file: a clear message, and the reading stops
// at once instead of loading the file.
#include "testutil.h"

#include <QPushButton>

namespace {
// 100 MB: `head` bytes, then a sparse rest of NUL bytes.
QString bigFile(const QTemporaryDir& dir, const QString& name, const QByteArray& head)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(head);
    f.resize(100 * 1024 * 1024);
    return path;
}
} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT
private slots:
    void hugeBinaryFile_data();
    void hugeBinaryFile();
};

void TestHostileInput::hugeBinaryFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QString>("message");
    const QByteArray nul;
    const QByteArray noBreak(1000, '\x9c');
    QTest::newRow("roster, NUL bytes") << "roster" << nul
                                       << "Error|\"big.bin\" is not a text file (line 1 holds a NUL byte).|OK";
    QTest::newRow("roster, one long line")
        << "roster" << noBreak << "Error|Line 1 of \"big.bin\" is longer than 255 characters.|OK";
    QTest::newRow("line-up") << "lineup" << QByteArray("5,N\r\n") + QByteArray(5000, '\x9c')
                             << "Error|Line 2 of \"big.bin\" is longer than 4096 characters.|OK";
    QTest::newRow("opponent") << "opponent" << nul
                              << "Error|\"big.bin\" is not a text file (line 1 holds a NUL byte).|OK";
    QTest::newRow("order file to add")
        << "add" << noBreak
        << "Error|big.bin was not added: it holds 100.0 MB, and an orders archive sent by e-mail can carry files of at "
           "most 25 MB.|OK";
}

void TestHostileInput::hugeBinaryFile()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, head);
    QFETCH(QString, message);
    Window w;
    w.openRoster(sample("RVR.ros"));
    const SquadTable before = w.form->squadTable();
    const QString path = bigFile(w.dir, "big.bin", head);
    FileDialog::queueAnswer(path);
    if (command == "roster")
        w.action("OpenSubMenu")->trigger();
    else if (command == "lineup")
        w.action("OpenLineupMenu")->trigger();
    else if (command == "opponent")
        w.form->ChooseOppButton->click();
    else
        w.form->AddZipListBtn->click();
    QCOMPARE(shownBoxes(), QStringList{message});
    QCOMPARE(w.form->squadTable(), before);
    QCOMPARE(w.form->ZipListBox->count(), 0);
    QCOMPARE(w.form->AbbLabel->text(), QString("RVR"));
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
