// Loads arbitrary bytes as a declaration file from disk, through the reader that moves a window
// of mTFileLoader::kWindowSize bytes over the file. Every input becomes a file larger than the
// window: its first 60 bytes (the header), then blank items that fill the first window up to the
// middle of the rest of the input, then the rest. So every stream the input holds lies in reach
// of a window boundary, and the reader must move its window to read it. A file either opens or
// is refused with a declaration-file error; nothing else may happen.

#include "model/Declaration.h"
#include "model/file/DocumentDump.h"
#include "storage/FileLoader.h"
#include "storage/StorageErrors.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace {

constexpr qsizetype kHeader = 60;
constexpr qsizetype kItem = 4 + 9999;

// Items of blanks, count bytes in all (at least 4).
QByteArray blankItems(qsizetype count)
{
    QByteArray items;
    items.reserve(count);
    while (count - kItem >= 4) {
        items += "9999";
        items += QByteArray(9999, ' ');
        count -= kItem;
    }
    items += QByteArray::number(count - 4).rightJustified(4, '0');
    items += QByteArray(count - 4, ' ');
    return items;
}

QString scratchFile()
{
    const QString folder =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("fuzz_declaration_file.%1.tv3").arg(::getpid()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = scratchFile();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype header = std::min(kHeader, input.size());
    const qsizetype rest = input.size() - header;
    const QByteArray image = input.first(header) +
                             blankItems(mTFileLoader::kWindowSize - kHeader - rest / 2) +
                             input.sliced(header);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
            return 0;
    }
    mTDeclaration declaration;
    try {
        declaration.LoadFromFile(path);
    } catch (const mEPrivBase&) {
        return 0;
    }
    (void)declaration.ImageSize();
    (void)DocumentDump::toJson(declaration);
    return 0;
}
