#pragma once

#include <QString>
#include <initializer_list>

// Names of the streams of a declaration file.
namespace StreamNames {

// A numbered stream name, built without allocating; it converts to the Latin-1 text it holds.
class Numbered
{
public:
    Numbered(const char* base, std::initializer_list<int> numbers);
    operator QLatin1StringView() const { return QLatin1StringView(m_text, m_size); }

private:
    char m_text[64];
    qsizetype m_size = 0;
};

// base + position with at least three digits ("@ThirteenPercent002").
Numbered numbered(const char* base, int position);
// base + position + line, each with at least three digits ("@SourseIncome002000").
Numbered numbered(const char* base, int position, int line);

// True for a text that is the name of a stream of the declaration, possibly numbered: such a
// text, stored as a value, would be taken for the stream when the file is read.
bool isStreamName(const QString& text);

} // namespace StreamNames
