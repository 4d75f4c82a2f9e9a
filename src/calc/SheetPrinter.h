#pragma once

#include <QByteArray>

class kTSvodSum;

// The computed sheets as text: every sheet and field by its name, amounts with four decimals.
namespace SheetPrinter {

// One JSON object (UTF-8) with a member per sheet, fields in record order.
QByteArray toJson(const kTSvodSum& sum);
// One line per field, "List1.TaxBase = 1000.0000", array elements as "List6.Items[0].Kbk".
QByteArray toLines(const kTSvodSum& sum);

} // namespace SheetPrinter
