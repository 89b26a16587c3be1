// Where the program finds its settings file and help file: a portable folder, an installed copy on its
// first and later starts, and an install without any settings file.
#include "mount.h"
#include "settings/settingsplace.h"
#include "testfiles.h"

class TestSettingsPlace : public QObject {
    Q_OBJECT
private slots:
    void settingsFile_data();
    void settingsFile();
    void helpFile_data();
    void helpFile();
    void samplesFolder_data();
    void samplesFolder();
};

void TestSettingsPlace::settingsFile_data()
{
    QTest::addColumn<bool>("readOnlyProgramFolder");
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<bool>("shippedInPackage");
    QTest::addColumn<bool>("ownFile");
    QTest::addColumn<QString>("used"); // beside, own, none
    QTest::addColumn<QByteArray>("ownAfter");
    QTest::newRow("portable folder") << false << true << false << false << "beside" << QByteArray();
    QTest::newRow("portable folder, own file elsewhere too")
        << false << true << true << true << "beside" << QByteArray("own");
    QTest::newRow("installed, first start") << true << false << true << false << "own" << QByteArray("shipped");
    QTest::newRow("installed, later start") << true << false << true << true << "own" << QByteArray("own");
    QTest::newRow("unpacked folder the user cannot write")
        << true << true << false << false << "own" << QByteArray("beside");
    QTest::newRow("installed without a settings file") << true << false << false << false << "none" << QByteArray();
    QTest::newRow("portable folder without its file") << false << false << false << false << "none" << QByteArray();
    QTest::newRow("portable folder without its file, own file")
        << false << false << false << true << "own" << QByteArray("own");
}

void TestSettingsPlace::settingsFile()
{
    QFETCH(bool, readOnlyProgramFolder);
    QFETCH(bool, besideProgram);
    QFETCH(bool, shippedInPackage);
    QFETCH(bool, ownFile);
    QFETCH(QString, used);
    QFETCH(QByteArray, ownAfter);
    QTemporaryDir dir;
    // The program's tree: prefix/bin/squadrant, prefix/share/squadrant/squadrant.INI (as under /usr).
    const QString prefix = dir.filePath("prefix");
    QDir().mkpath(prefix);
    Mount mount(prefix);
    if (readOnlyProgramFolder && !mount.mount("size=1m"))
        QSKIP(qPrintable("skipped: " + mount.why()));
    QDir().mkpath(prefix + "/bin");
    QDir().mkpath(prefix + "/share/squadrant");
    const QString exe = prefix + "/bin/squadrant";
    writeBytes(exe, "program");
    if (besideProgram)
        writeBytes(prefix + "/bin/squadrant.INI", "beside");
    if (shippedInPackage)
        writeBytes(prefix + "/share/squadrant/squadrant.INI", "shipped");
    if (readOnlyProgramFolder)
        QVERIFY(mount.remountReadOnly());
    const QString config = dir.filePath("home/.config/squadrant");
    if (ownFile) {
        QDir().mkpath(config);
        writeBytes(config + "/squadrant.INI", "own");
    }

    const SettingsPlace place = locateSettingsFile(exe, config, {dir.filePath("data")});
    QCOMPARE(place.error, QString());
    QCOMPARE(place.found, used != "none");
    QCOMPARE(place.path, used == "own" ? QString(config + "/squadrant.INI") : QString(prefix + "/bin/squadrant.INI"));
    QCOMPARE(readBytes(config + "/squadrant.INI"), ownAfter);
    if (used == "own")
        QVERIFY(QFileInfo(place.path).isWritable());
}

void TestSettingsPlace::helpFile_data()
{
    QTest::addColumn<QString>("where"); // beside, package, data, none
    QTest::newRow("beside the program") << "beside";
    QTest::newRow("in the package's data folder") << "package";
    QTest::newRow("nowhere") << "none";
}

void TestSettingsPlace::helpFile()
{
    QFETCH(QString, where);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("usr/bin"));
    QDir().mkpath(dir.filePath("usr/share/squadrant"));
    const QString exe = dir.filePath("usr/bin/squadrant");
    const QString expected =
        where == "package" ? dir.filePath("usr/share/squadrant/SQDX.HLP") : dir.filePath("usr/bin/SQDX.HLP");
    if (where != "none")
        writeBytes(expected, "<html>help</html>");
    QCOMPARE(locateHelpFile(exe), expected);
}

void TestSettingsPlace::samplesFolder_data()
{
    QTest::addColumn<QString>("bin");   // the executable's folder
    QTest::addColumn<QString>("where"); // the samples folder made, relative to the scratch folder, or none
    QTest::addColumn<QString>("found"); // what is found, relative to the scratch folder, or empty
    QTest::newRow("portable folder") << "Squadrant"
                                     << "Squadrant/samples"
                                     << "Squadrant/samples";
    QTest::newRow("installed, /usr/bin") << "usr/bin"
                                         << "usr/share/squadrant/samples"
                                         << "usr/share/squadrant/samples";
    QTest::newRow("installed, /usr/games") << "usr/games"
                                           << "usr/share/squadrant/samples"
                                           << "usr/share/squadrant/samples";
    QTest::newRow("a file named samples is no folder") << "usr/bin"
                                                       << "file:usr/bin/samples"
                                                       << "";
    QTest::newRow("build folder, none") << "build/bin"
                                        << ""
                                        << "";
}

void TestSettingsPlace::samplesFolder()
{
    QFETCH(QString, bin);
    QFETCH(QString, where);
    QFETCH(QString, found);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(bin));
    if (where.startsWith("file:"))
        writeBytes(dir.filePath(where.mid(5)), "not a folder");
    else if (!where.isEmpty())
        QDir().mkpath(dir.filePath(where));
    QCOMPARE(locateSamplesFolder(dir.filePath(bin + "/squadrant")), found.isEmpty() ? QString() : dir.filePath(found));
}

QTEST_GUILESS_MAIN(TestSettingsPlace)
#include "tst_settingsplace.moc"
