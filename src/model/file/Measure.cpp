#include "model/file/Measure.h"

#include "model/file/DeclarationSignature.h"
#include "model/file/StorageIO.h"
#include "storage/DocumentStorage.h"

namespace Measure {

qint64 bytes(const std::function<void(RecordIO&)>& pass)
{
    mTDocumentStorage storage = mTDocumentStorage::measuring();
    storage.CreateHeader(DeclarationSignature::current());
    StorageIO io(storage);
    pass(io);
    return storage.position() - mTDocumentStorage::kHeaderSize;
}

} // namespace Measure
