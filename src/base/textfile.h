// Reading and writing the program's text files: 8-bit text, read as lines (CR LF, lone CR or lone LF end a
// line; a final break starts no further line), written through QSaveFile so a failed write never damages the
// file that was there (written in place where only the file, not its folder, may be written). Every failure throws
// FileError with a text that names the file and the reason.
#pragma once

#include <QString>
#include <QStringList>

// Reads the file as lines. Stops with FileError at the first line longer than maxLineLength characters or
// at a NUL byte, without reading the rest of the file.
QStringList readTextLines(const QString& path, int maxLineLength = 255);

// The same reading, of bytes already in memory; name stands for the file in the messages.
QStringList splitLineBytes(const QByteArray& bytes, int maxLineLength, const QString& name);

// Writes each line followed by CR LF.
void writeTextLines(const QString& path, const QStringList& lines);

// Writes the bytes as the file's whole content. Where the folder allows it the file is replaced whole (a
// temporary file, then a rename); where only the file itself may be written, it is written in place. With
// mayCreate false a file that is not there is an error and nothing is created.
void writeFileBytes(const QString& path, const QByteArray& bytes, bool mayCreate);

// Writes the text exactly, with its line breaks written as CR LF and nothing added at the end.
void writeTextExactly(const QString& path, const QString& text);

// Throws FileError naming the first character of the lines that the 8-bit code page cannot hold.
void check8BitText(const QStringList& lines, const QString& path);

// The name of path without its folder.
QString bareFileName(const QString& path);
