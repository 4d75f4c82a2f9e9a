#pragma once

#include <QByteArray>
#include <QString>

class mTDeclaration;

// Whole files for the tests.

// The bytes of a file; a file that cannot be read gives "<unreadable>", which equals nothing a
// test expects.
QByteArray readFile(const QString& path);

// Writes bytes as the whole file, making its folder first; false when anything fails.
bool writeFile(const QString& path, const QByteArray& bytes);

// The bytes of a declaration as it is saved, written through a temporary file.
QByteArray savedImage(const mTDeclaration& declaration);
