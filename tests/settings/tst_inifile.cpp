#include "base/errors.h"
#include "settings/inifile.h"
#include "testfiles.h"

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void pathBesideTheExecutable_data();
    void pathBesideTheExecutable();
    void readsWithoutRegardToCase();
    void numbersAndTruthValues_data();
    void numbersAndTruthValues();
    void writeReplacesOneLineAndKeepsTheRest();
    void writeAddsKeyAndSection();
    void unwritableFileIsAnErrorAndUnchanged();
    void unreadableLineIsKeptAndIgnored_data();
    void unreadableLineIsKeptAndIgnored();
    void utf8AndOlderEightBitFiles_data();
    void utf8AndOlderEightBitFiles();
    void longLineOfAnOlderFileStaysReadable();
    void fileIsNeverCreated();
    void valueThatWouldCutTheLines_data();
    void valueThatWouldCutTheLines();
};

void TestIniFile::pathBesideTheExecutable_data()
{
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("ini");
    QTest::newRow("no extension") << "/opt/sq/squadrant"
                                  << "/opt/sq/squadrant.INI";
    QTest::newRow("extension") << "/opt/sq/P.exe"
                               << "/opt/sq/P.INI";
}

void TestIniFile::pathBesideTheExecutable()
{
    QFETCH(QString, exe);
    QFETCH(QString, ini);
    QCOMPARE(TIniFile::pathForExecutable(exe), ini);
}

void TestIniFile::readsWithoutRegardToCase()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("s.INI"), "[options]\r\nleague = FULL\r\n[SEASONLENGTH]\r\nMATCHES=12\r\n");
    TIniFile ini(dir.filePath("s.INI"));
    QCOMPARE(ini.readString("Options", "League", "LGM"), QString("FULL"));
    QCOMPARE(ini.readInteger("SeasonLength", "Matches", 30), 12);
    QCOMPARE(ini.readInteger("SeasonLength", "Sessions", 10), 10);
    QCOMPARE(ini.readString("Missing", "League", "LGM"), QString("LGM"));
}

void TestIniFile::numbersAndTruthValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("number"); // read with default 30
    QTest::addColumn<bool>("truth"); // read with default false
    QTest::newRow("1") << "1" << 1 << true;
    QTest::newRow("0") << "0" << 0 << false;
    QTest::newRow("2 is true") << "2" << 2 << true;
    QTest::newRow("-1 is true") << "-1" << -1 << true;
    QTest::newRow("yes is the default") << "yes" << 30 << false;
    QTest::newRow("empty is the default") << "" << 30 << false;
    QTest::newRow("12x is the default") << "12x" << 30 << false;
}

void TestIniFile::numbersAndTruthValues()
{
    QFETCH(QString, value);
    QFETCH(int, number);
    QFETCH(bool, truth);
    QTemporaryDir dir;
    writeBytes(dir.filePath("s.INI"), "[Options]\r\nKey=" + value.toLatin1() + "\r\n");
    TIniFile ini(dir.filePath("s.INI"));
    QCOMPARE(ini.readInteger("Options", "Key", 30), number);
    QCOMPARE(ini.readBool("Options", "Key", false), truth);
}

void TestIniFile::writeReplacesOneLineAndKeepsTheRest()
{
    QTemporaryDir dir;
    const QByteArray before = "; my settings\r\n[Options]\r\nLeague=LGM\r\n  AutoIncr = "
                              "0\r\n\r\n[LGMTTacs]\r\nhowmany=2\r\nT1=Normal\r\n";
    writeBytes(dir.filePath("s.INI"), before);
    TIniFile ini(dir.filePath("s.INI"));
    ini.writeBool("OPTIONS", "autoincr", true);
    QCOMPARE(readBytes(dir.filePath("s.INI")),
             QByteArray("; my "
                        "settings\r\n[Options]\r\nLeague=LGM\r\nautoincr=1\r\n\r\n[LGMTTacs]\r\nhowmany="
                        "2\r\nT1=Normal\r\n"));
    QCOMPARE(ini.readBool("Options", "AutoIncr", false), true);
}

void TestIniFile::writeAddsKeyAndSection()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("s.INI"), "[Options]\r\nLeague=LGM\r\n\r\n[LGMTTacs]\r\nT1=Normal\r\n");
    TIniFile ini(dir.filePath("s.INI"));
    ini.writeInteger("Options", "ScreenRes", 800);
    ini.writeInteger("HomeBonus", "Min", 4);
    QCOMPARE(readBytes(dir.filePath("s.INI")),
             QByteArray("[Options]\r\nLeague=LGM\r\nScreenRes=800\r\n\r\n[LGMTTacs]\r\nT1=Normal\r\n\r\n["
                        "HomeBonus]\r\nMin=4\r\n"));
    QCOMPARE(ini.readInteger("options", "screenres", 0), 800);
}

void TestIniFile::unwritableFileIsAnErrorAndUnchanged()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("s.INI"); // a folder where the file should be
    TIniFile ini(dir.filePath("s.INI"));
    QVERIFY_THROWS_EXCEPTION(FileError, ini.writeString("Options", "League", "FULL"));
    QCOMPARE(ini.readString("Options", "League", "LGM"), QString("LGM"));
}

void TestIniFile::unreadableLineIsKeptAndIgnored_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::newRow("line over 4096 bytes") << "Note=" + QByteArray(5000, 'x');
    QTest::newRow("NUL byte") << QByteArray("League=MSWL\0junk", 17);
    QTest::newRow("section over 4096 bytes") << "[" + QByteArray(5000, 'S') + "]";
}

void TestIniFile::unreadableLineIsKeptAndIgnored()
{
    QFETCH(QByteArray, bad);
    QTemporaryDir dir;
    const QString path = dir.filePath("s.INI");
    writeBytes(path, "[Options]\r\nLeague=FULL\r\n" + bad + "\r\nScreenRes=800\r\n[SeasonLength]\r\nMatches=12\r\n");
    TIniFile ini(path);
    QCOMPARE(ini.readString("Options", "League", "LGM"), QString("FULL"));
    QCOMPARE(ini.readInteger("Options", "ScreenRes", 0), 800);
    QCOMPARE(ini.readInteger("SeasonLength", "Matches", 30), 12);
    ini.writeBool("Options", "AutoIncr", true);
    ini.writeInteger("SeasonLength", "Matches", 14);
    QCOMPARE(readBytes(path), "[Options]\r\nLeague=FULL\r\n" + bad +
                                  "\r\nScreenRes=800\r\nAutoIncr=1\r\n[SeasonLength]\r\nMatches=14\r\n");
    QCOMPARE(ini.readBool("Options", "AutoIncr", false), true);
}

void TestIniFile::utf8AndOlderEightBitFiles_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("UTF-8") << QByteArray("WorkingDir=/home/caf\xc3\xa9/");
    QTest::newRow("Windows-1252") << QByteArray("WorkingDir=/home/caf\xe9/");
}

// The settings file is read as UTF-8, an older 8-bit one in the code page, and written as UTF-8.
void TestIniFile::utf8AndOlderEightBitFiles()
{
    QFETCH(QByteArray, stored);
    QTemporaryDir dir;
    const QString path = dir.filePath("s.INI");
    writeBytes(path, "[Options]\r\n" + stored + "\r\n");
    TIniFile ini(path);
    const QString cafe = QString::fromUtf8("/home/caf\u00e9/");
    QCOMPARE(ini.readString("Options", "WorkingDir", ""), cafe);
    const QString cyrillic = QString::fromUtf8("/home/\u0414ata/");
    ini.writeString("Options", "Archive", cyrillic);
    QCOMPARE(readBytes(path), QByteArray("[Options]\r\nWorkingDir=/home/caf\xc3\xa9/\r\nArchive=/home/\xd0\x94"
                                         "ata/\r\n"));
    QCOMPARE(ini.readString("Options", "WorkingDir", ""), cafe);
    QCOMPARE(ini.readString("Options", "Archive", ""), cyrillic);
}

// 3,000 accented letters: 3,000 bytes in the 8-bit code page, 6,000 in UTF-8; the line is read before and after
// the file is written back as UTF-8.
void TestIniFile::longLineOfAnOlderFileStaysReadable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("s.INI");
    writeBytes(path, "[Options]\r\nNote=" + QByteArray(3000, '\xe9') + "\r\n");
    TIniFile ini(path);
    const QString note(3000, QChar(0xe9));
    QCOMPARE(ini.readString("Options", "Note", ""), note);
    ini.writeBool("Options", "AutoIncr", true);
    QCOMPARE(readBytes(path), "[Options]\r\nNote=" + note.toUtf8() + "\r\nAutoIncr=1\r\n");
    QCOMPARE(ini.readString("Options", "Note", ""), note);
}

void TestIniFile::fileIsNeverCreated()
{
    QTemporaryDir dir;
    TIniFile ini(dir.filePath("s.INI"));
    QVERIFY_THROWS_EXCEPTION(FileError, ini.writeString("Options", "League", "FULL"));
    QVERIFY(!QFileInfo::exists(dir.filePath("s.INI")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

void TestIniFile::valueThatWouldCutTheLines_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("line feed") << "/home/a\nb/";
    QTest::newRow("carriage return") << "/home/a\rb/";
    QTest::newRow("NUL") << QString("/home/a") + QChar(u'\0') + "b/";
}

// A folder whose name holds a line break would add lines to the file: refused, and the file is unchanged.
void TestIniFile::valueThatWouldCutTheLines()
{
    QFETCH(QString, value);
    QTemporaryDir dir;
    const QByteArray before = "[Options]\r\nLeague=FULL\r\n";
    writeBytes(dir.filePath("s.INI"), before);
    TIniFile ini(dir.filePath("s.INI"));
    QVERIFY_THROWS_EXCEPTION(FileError, ini.writeString("Options", "WorkingDir", value));
    QCOMPARE(readBytes(dir.filePath("s.INI")), before);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
