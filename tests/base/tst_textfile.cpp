#include "base/errors.h"
#include "base/textcodec.h"
#include "base/textfile.h"
#include "base/wholenumber.h"
#include "testfiles.h"

#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void readsLinesByEveryBreak_data();
    void readsLinesByEveryBreak();
    void everyByteComesBackUnchanged();
    void writesCrLfAfterEveryLine();
    void refusesCharacterTheCodePageCannotHold();
    void stopsAtLongLineOrNulByte_data();
    void stopsAtLongLineOrNulByte();
    void failedWriteKeepsTheEarlierFile_data();
    void failedWriteKeepsTheEarlierFile();
    void wholeNumbers_data();
    void wholeNumbers();
};

void TestTextFile::readsLinesByEveryBreak_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb") << QStringList{"a", "b"};
    QTest::newRow("mixed, empty line kept") << QByteArray("a\r\n\nb\rc") << QStringList{"a", "", "b", "c"};
    QTest::newRow("two breaks at the end") << QByteArray("a\r\n\r\n") << QStringList{"a", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestTextFile::readsLinesByEveryBreak()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    writeBytes(dir.filePath("f.txt"), bytes);
    QCOMPARE(readTextLines(dir.filePath("f.txt")), lines);
    QCOMPARE(splitLineBytes(bytes, 255, "f.txt"), lines);
}

void TestTextFile::everyByteComesBackUnchanged()
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all.append(char(b));
    const QString text = decode8Bit(all);
    QCOMPARE(text.at(0x80 - 3), QChar(0x20AC)); // 0x80 is the euro sign
    QCOMPARE(encode8Bit(text).value(), all);

    QTemporaryDir dir;
    writeTextLines(dir.filePath("all.txt"), {text});
    QCOMPARE(readBytes(dir.filePath("all.txt")), all + "\r\n");
}

void TestTextFile::writesCrLfAfterEveryLine()
{
    QTemporaryDir dir;
    writeTextLines(dir.filePath("l.txt"), {"one", "", "Müller"});
    QCOMPARE(readBytes(dir.filePath("l.txt")), QByteArray("one\r\n\r\nM\xfcller\r\n"));
    writeTextExactly(dir.filePath("p.txt"), "first\nsecond");
    QCOMPARE(readBytes(dir.filePath("p.txt")), QByteArray("first\r\nsecond"));
}

void TestTextFile::refusesCharacterTheCodePageCannotHold()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ABC3.txt");
    writeBytes(path, "earlier\r\n");
    try {
        writeTextLines(path, {"Kovač"});
        QFAIL("the write was not refused");
    } catch (const FileError& e) {
        QVERIFY2(e.message().contains("'č'"), qPrintable(e.message()));
        QVERIFY(e.message().contains("ABC3.txt"));
    }
    QCOMPARE(readBytes(path), QByteArray("earlier\r\n"));
}

void TestTextFile::stopsAtLongLineOrNulByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("256 characters") << QByteArray("ok\r\n") + QByteArray(256, 'x')
                                    << "Line 2 of \"f.ros\" is longer than 255 characters.";
    QTest::newRow("NUL byte") << QByteArray("ok\r\nab\0c", 8)
                              << "\"f.ros\" is not a text file (line 2 holds a NUL byte).";
}

void TestTextFile::stopsAtLongLineOrNulByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    writeBytes(dir.filePath("f.ros"), bytes);
    try {
        readTextLines(dir.filePath("f.ros"));
        QFAIL("the file was read");
    } catch (const FileError& e) {
        QCOMPARE(e.message(), message);
    }
    writeBytes(dir.filePath("f.ros"), QByteArray(255, 'x'));
    QCOMPARE(readTextLines(dir.filePath("f.ros")).value(0).size(), 255);
}

void TestTextFile::failedWriteKeepsTheEarlierFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("folder missing") << "missing/ABC3.txt";
    QTest::newRow("folder in the way") << "folder";
}

void TestTextFile::failedWriteKeepsTheEarlierFile()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("folder");
    const QString path = dir.filePath(target);
    QVERIFY_THROWS_EXCEPTION(FileError, writeTextLines(path, {"x"}));
    QVERIFY(!QFileInfo(path).isFile());
}

void TestTextFile::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -999 for not a number
    QTest::newRow("plain") << "12" << 12;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("leading blanks") << "  7" << 7;
    QTest::newRow("trailing blank") << "7 " << -999;
    QTest::newRow("empty") << "" << -999;
    QTest::newRow("sign only") << "-" << -999;
    QTest::newRow("letters") << "12a" << -999;
    QTest::newRow("too big") << "99999999999" << -999;
}

void TestTextFile::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(parseWholeNumber(text).value_or(-999), value);
    if (value == -999) {
        try {
            toWholeNumber(text);
            QFAIL("no error");
        } catch (const ConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
