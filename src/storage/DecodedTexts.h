#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <string>
#include <string_view>
#include <unordered_map>

// Decodes the Windows-1251 texts of a file. Equal short texts share one QString, so a declaration
// with thousands of income lines of the same name holds the name once in memory and decodes it
// once. The shared set is bounded: past its limit texts are decoded one by one.
class DecodedTexts
{
public:
    static constexpr qsizetype kMaxSharedLength = 64;
    static constexpr size_t kMaxShared = 4096;

    QString decode(QByteArrayView bytes);

private:
    struct Hash
    {
        using is_transparent = void;
        size_t operator()(std::string_view text) const noexcept
        {
            return std::hash<std::string_view>{}(text);
        }
    };

    QString decodeOnce(QByteArrayView bytes);

    QStringDecoder m_decoder{"windows-1251"};
    std::unordered_map<std::string, QString, Hash, std::equal_to<>> m_shared;
};
