#include "storage/DecodedTexts.h"

QString DecodedTexts::decodeOnce(QByteArrayView bytes)
{
    QString text = m_decoder.decode(bytes);
    m_decoder.resetState();
    return text;
}

QString DecodedTexts::decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (bytes.size() > kMaxSharedLength)
        return decodeOnce(bytes);
    const std::string_view key(bytes.data(), size_t(bytes.size()));
    if (const auto found = m_shared.find(key); found != m_shared.end())
        return found->second;
    QString text = decodeOnce(bytes);
    if (m_shared.size() < kMaxShared)
        m_shared.emplace(std::string(key), text);
    return text;
}
