#pragma once

#include <QString>
#include <optional>

class mTDeclaration;

// Reads a declaration file into target, for the window and the command-line tool alike. On a
// failure target is left as it was and the message the person is shown comes back: the file's own
// message for every failure of the file, or the out-of-memory message.
std::optional<QString> LoadDeclarationFile(mTDeclaration& target, const QString& fileName);
