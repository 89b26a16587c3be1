// Errors the program shows to the manager with a fixed text. Commands throw them; the command guard of the
// main window catches them and shows the text in an error box.
#pragma once

#include <QString>
#include <exception>

class SquadError : public std::exception {
public:
    explicit SquadError(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    {
    }
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }
    // The short name of the kind of error, shown after some fixed texts ("OpenLineup error ...").
    virtual QString kindName() const { return QStringLiteral("Error"); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that should have been a whole number.
class ConvertError : public SquadError {
public:
    explicit ConvertError(const QString& text)
        : SquadError(QStringLiteral("'%1' is not a valid integer value").arg(text))
    {
    }
    QString kindName() const override { return QStringLiteral("EConvertError"); }
};

// A list was asked for an entry it does not have.
class ListIndexError : public SquadError {
public:
    explicit ListIndexError(int index)
        : SquadError(QStringLiteral("List index out of bounds (%1)").arg(index))
    {
    }
    QString kindName() const override { return QStringLiteral("EStringListError"); }
};

// A file could not be read or written; the text names the file and the reason.
class FileError : public SquadError {
public:
    using SquadError::SquadError;
    QString kindName() const override { return QStringLiteral("EFileError"); }
};
