// The settings file: an INI-layout text file (beside the executable, or in the user's configuration folder).
// Section and key names match without regard to case. Every read looks at the file as it is now and every
// write goes to the file at once, replacing the key's one line (or adding it, creating its section) and
// leaving every other line as it was. The file is UTF-8; one that is not valid UTF-8 (written by an earlier
// version) reads in the 8-bit code page. A line that cannot be read (over 4,096 bytes, or holding a NUL byte)
// is ignored and written back unchanged. The program never creates the file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class TIniFile {
public:
    explicit TIniFile(QString path);

    const QString& fileName() const { return m_path; }

    // The settings file of an executable: its path with the extension replaced by ".INI".
    static QString pathForExecutable(const QString& executablePath);

    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A value that is not a whole number reads as the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // True when the value is a whole number other than 0; a value that is not a whole number is the default.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;
    // As readInteger, and a stored number outside lowest to highest reads as the default too.
    int readNumber(const QString& section, const QString& key, int defaultValue, int lowest, int highest) const;
    bool keyExists(const QString& section, const QString& key) const;

    // Each write throws FileError when the file cannot be written or is not there; the file is then unchanged.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    // The same rules on lines in memory, so they can be used and tested without a file.
    static std::optional<QString> findValue(const QStringList& lines, const QString& section, const QString& key);
    static QStringList withValue(QStringList lines, const QString& section, const QString& key, const QString& value);

    // The file's lines as the rules above see them; each unreadable line stands as a marker that no rule
    // matches, and its bytes are kept to be written back.
    struct Content {
        QStringList lines;
        QList<QByteArray> unreadable;
    };
    static Content parse(const QByteArray& bytes);
    // The file's bytes for the content: UTF-8, every line ended by CR LF, unreadable lines as they were.
    static QByteArray compose(const Content& content);

private:
    Content content(bool strict) const;
    QStringList lines() const;
    QString m_path;
};
