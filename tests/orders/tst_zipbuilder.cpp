#include "orders/zipbuilder.h"
#include "testfiles.h"
#include "ziputil.h"

class TestZipBuilder : public QObject {
    Q_OBJECT
private slots:
    void storesBareNamesDeflated();
    void addsToAnExistingArchiveReplacingSameNames();
    void failureLeavesTheArchiveUnchanged_data();
    void failureLeavesTheArchiveUnchanged();
};

void TestZipBuilder::storesBareNamesDeflated()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("sub");
    writeBytes(dir.filePath("RVR3.txt"), QByteArray(2000, 'a'));
    writeBytes(dir.filePath("sub/RVRSession2Press.txt"), "press\r\ntext");
    TZipBuilder zip;
    QVERIFY(zip.Load_Zip_Dll());
    zip.ZipFileName = dir.filePath("RVRSession2.zip");
    zip.FSpecArgs = {dir.filePath("RVR3.txt"), dir.filePath("sub/RVRSession2Press.txt")};
    const auto r = zip.Add();
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.added, 2);
    QVERIFY(zip.FSpecArgs.isEmpty());
    const auto entries = readZip(zip.ZipFileName);
    QCOMPARE(entries.keys(), (QStringList{"RVR3.txt", "RVRSession2Press.txt"}));
    QCOMPARE(entries["RVR3.txt"].content, QByteArray(2000, 'a'));
    QCOMPARE(entries["RVR3.txt"].method, int(ZIP_CM_DEFLATE));
    QCOMPARE(entries["RVRSession2Press.txt"].content, QByteArray("press\r\ntext"));
}

void TestZipBuilder::addsToAnExistingArchiveReplacingSameNames()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("A.txt"), "first");
    writeBytes(dir.filePath("B.txt"), "bids");
    TZipBuilder zip;
    zip.ZipFileName = dir.filePath("X.zip");
    zip.FSpecArgs = {dir.filePath("A.txt"), dir.filePath("B.txt")};
    QVERIFY(zip.Add().ok);
    writeBytes(dir.filePath("A.txt"), "second");
    writeBytes(dir.filePath("C.txt"), "new");
    zip.FSpecArgs = {dir.filePath("A.txt"), dir.filePath("C.txt")};
    QVERIFY(zip.Add().ok);
    const auto entries = readZip(zip.ZipFileName);
    QCOMPARE(entries.keys(), (QStringList{"A.txt", "B.txt", "C.txt"}));
    QCOMPARE(entries["A.txt"].content, QByteArray("second"));
    QCOMPARE(entries["B.txt"].content, QByteArray("bids"));
}

void TestZipBuilder::failureLeavesTheArchiveUnchanged_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("listed file missing") << "missing";
    QTest::newRow("listed file is a folder") << "folder";
    QTest::newRow("archive is not a zip") << "notzip";
    QTest::newRow("archive folder missing") << "nofolder";
}

void TestZipBuilder::failureLeavesTheArchiveUnchanged()
{
    QFETCH(QString, failure);
    QTemporaryDir dir;
    writeBytes(dir.filePath("A.txt"), "orders");
    QDir(dir.path()).mkdir("folder");
    TZipBuilder zip;
    zip.ZipFileName = dir.filePath("X.zip");
    zip.FSpecArgs = {dir.filePath("A.txt")};
    QVERIFY(zip.Add().ok);
    const QByteArray before = readBytes(zip.ZipFileName);

    zip.FSpecArgs = {dir.filePath("A.txt")};
    if (failure == "missing")
        zip.FSpecArgs.append(dir.filePath("gone.txt"));
    if (failure == "folder")
        zip.FSpecArgs.append(dir.filePath("folder"));
    if (failure == "notzip")
        writeBytes(zip.ZipFileName, "not an archive");
    if (failure == "nofolder")
        zip.ZipFileName = dir.filePath("nowhere/X.zip");
    const QByteArray archiveBefore = readBytes(zip.ZipFileName);
    const auto r = zip.Add();
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("X.zip was not created"), qPrintable(r.error));
    if (failure == "missing")
        QVERIFY(r.error.contains("gone.txt"));
    QCOMPARE(readBytes(zip.ZipFileName), archiveBefore);
    if (failure != "notzip" && failure != "nofolder")
        QCOMPARE(readBytes(dir.filePath("X.zip")), before);
}

QTEST_GUILESS_MAIN(TestZipBuilder)
#include "tst_zipbuilder.moc"
