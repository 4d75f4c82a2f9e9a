// The tax-office import over arbitrary bytes: reading never crashes or runs past the data, and
// whatever it takes is written as a directory file that the program reads back unchanged at its
// next start (a file it could not read would stop the program).

#include "directories/CodeDirectory.h"
#include "directories/SounImport.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const auto offices = SounFile::ReadOffices(buffer);
    if (!offices)
        return 0;
    const QByteArray xml = SounFile::InspectionNumbersXml(*offices, QStringLiteral("01.01.2014"),
                                                          QStringLiteral("00"));
    QString error;
    const auto directory = CodeDirectory::fromXml(xml, &error);
    if (!directory || directory->entries() != *offices)
        std::abort();
    return 0;
}
