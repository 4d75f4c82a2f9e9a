// Loads arbitrary bytes as a declaration file. A file either opens, and then its image can be
// measured and dumped, or it is refused with a declaration-file error; nothing else may happen.

#include "model/Declaration.h"
#include "model/file/DocumentDump.h"
#include "storage/StorageErrors.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray image(reinterpret_cast<const char*>(data), qsizetype(size));
    mTDeclaration declaration;
    try {
        declaration.LoadFromImage(image);
    } catch (const mEPrivBase&) {
        return 0;
    }
    (void)declaration.ImageSize();
    (void)DocumentDump::toJson(declaration);
    return 0;
}
