#pragma once

#include <QByteArray>

class mTDeclaration;

// The whole document as JSON (UTF-8): the file's streams in order, each an object with the
// design names of its fields; lists of entries nest inside the stream that counts them.
namespace DocumentDump {
QByteArray toJson(const mTDeclaration& declaration);
}
