#pragma once

#include <QString>
#include <exception>

// A failure while building or writing the tax authority's XML file. The message says in Russian
// what went wrong, for the user.
class ExportError : public std::exception
{
public:
    explicit ExportError(QString message) : m_message(std::move(message)) {}

    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return "export failed"; }

private:
    QString m_message;
};
