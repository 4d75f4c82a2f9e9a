#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

class mTDeclaration;

// Exit codes of the command-line tool.
namespace CliExit {
inline constexpr int Ok = 0;
inline constexpr int Finding = 1;
inline constexpr int Usage = 2;
inline constexpr int FileError = 3;
} // namespace CliExit

// Where a command writes: standard output and standard error, or buffers in a test.
struct CliStreams
{
    QIODevice& out;
    QIODevice& err;

    // A line of text, UTF-8.
    void print(const QString& line) const;
    void error(const QString& line) const;
};

// One verb of the command-line tool.
class CliCommand
{
public:
    virtual ~CliCommand() = default;

    virtual QString name() const = 0;
    // The arguments after the verb, as the usage line shows them.
    virtual QString arguments() const = 0;
    virtual int execute(const QStringList& args, const CliStreams& io) const = 0;

    QString usage() const;

protected:
    // Loads a declaration file; on failure prints the file error and returns false.
    static bool load(const QString& fileName, mTDeclaration& declaration, const CliStreams& io);
    int usageError(const CliStreams& io) const;
};
