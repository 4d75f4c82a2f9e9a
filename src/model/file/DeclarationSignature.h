#pragma once

#include <QString>

namespace DeclarationSignature {
// The signature written into every saved declaration.
inline QString current()
{
    return QStringLiteral("Tarv2013");
}
} // namespace DeclarationSignature
