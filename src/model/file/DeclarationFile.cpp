#include "model/file/DeclarationFile.h"

#include "model/Declaration.h"
#include "storage/StorageErrors.h"

#include <new>

std::optional<QString> LoadDeclarationFile(mTDeclaration& target, const QString& fileName)
{
    try {
        target.LoadFromFile(fileName);
    } catch (const mEPrivBase& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return StorageMessage::outOfMemory();
    }
    return std::nullopt;
}
