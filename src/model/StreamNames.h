#pragma once

#include <QString>

// Names of the streams of a declaration file.
namespace StreamNames {

// base + position with at least three digits ("@ThirteenPercent002").
QString numbered(const char* base, int position);
// base + position + line, each with at least three digits ("@SourseIncome002000").
QString numbered(const char* base, int position, int line);

// True for a text that is the name of a stream of the declaration, possibly numbered: such a
// text, stored as a value, would be taken for the stream when the file is read.
bool isStreamName(const QString& text);

} // namespace StreamNames
