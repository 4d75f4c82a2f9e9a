#pragma once

// Builds container images item by item, the way any program following the file layout would, and
// splits saved images back into their items.

#include <QByteArray>
#include <QList>
#include <QStringEncoder>

class ImageBuilder
{
public:
    explicit ImageBuilder(const QByteArray& signature = "Tarv2013",
                          const QByteArray& version = "0102")
        : m_bytes("DLSG" + signature.rightJustified(20, ' ') + version + QByteArray(32, 'F'))
    {}

    ImageBuilder& operator<<(const QByteArray& text)
    {
        m_bytes += QByteArray::number(text.size()).rightJustified(4, '0') + text;
        return *this;
    }
    // Text given in UTF-8 is stored in Windows-1251, as the file holds it.
    ImageBuilder& operator<<(const char* text)
    {
        QStringEncoder encoder("windows-1251");
        return *this << QByteArray(encoder.encode(QString::fromUtf8(text)));
    }
    ImageBuilder& operator<<(int number) { return *this << QByteArray::number(number); }
    ImageBuilder& repeat(const QByteArray& text, int times)
    {
        for (int i = 0; i < times; ++i)
            *this << text;
        return *this;
    }

    const QByteArray& bytes() const { return m_bytes; }

    // The texts of the items after the header of a well-formed image.
    static QList<QByteArray> items(const QByteArray& image)
    {
        QList<QByteArray> texts;
        qsizetype at = 60;
        while (at + 4 <= image.size()) {
            const qsizetype length = image.mid(at, 4).toLongLong();
            texts << image.mid(at + 4, length);
            at += 4 + length;
        }
        return texts;
    }

private:
    QByteArray m_bytes;
};
