#include "export/ExportIdentifier.h"

#include "export/ExportFormat.h"
#include "model/Declaration.h"

ExportStamp ExportStamp::now()
{
    return {QDate::currentDate(), QUuid::createUuid()};
}

namespace ExportIdentifier {

namespace {

QString identifier(const char* prefix, const QString& code, const QString& inn,
                   const ExportStamp& stamp)
{
    const QDate& d = stamp.date;
    const QString day = ExportFormat::zeroPadded(d.year(), 4) +
                        ExportFormat::zeroPadded(d.month(), 2) +
                        ExportFormat::zeroPadded(d.day(), 2);
    const QChar sep = QLatin1Char('_');
    return QLatin1String(prefix) + code + sep + code + sep + inn + sep + day + sep +
           stamp.guid.toString(QUuid::WithoutBraces).toUpper();
}

} // namespace

QString ndfl3(const mTDeclaration& declaration, const ExportStamp& stamp)
{
    const QString& inn = declaration.Person.INN;
    return identifier("NO_NDFL3_", declaration.InspectionCode,
                      inn.isEmpty() ? QStringLiteral("000000000000") : inn, stamp);
}

QString ndfl4(const mTDeclaration& declaration, const ExportStamp& stamp)
{
    return identifier("NO_NDFL4_", declaration.InspectionCode, declaration.Person.INN, stamp);
}

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == u'/' || u == u'\\' || u == u':')
            return false;
    }
    return true;
}

} // namespace ExportIdentifier
