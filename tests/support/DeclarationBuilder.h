#pragma once

#include "model/Declaration.h"

#include <QMap>
#include <initializer_list>

class kTSvodSum;

// Small helpers that build declarations for the computation tests.
namespace Build {

// An amount from its decimal text, "100000.35".
Money rub(const char* text);

struct Line
{
    qint32 code;
    const char* amount;
    qint32 deductCode = 0;
    const char* deduction = "0";
    quint16 month = 1;
};

// Appends a 13 % source with its lines to list; returns it for further fields.
mTThirteenPercent& source(RecordList<mTThirteenPercent>& list, const QString& oktmo,
                          const char* withheld, std::initializer_list<Line> lines);
mTThirtyFivePercent& income35(mTDeclaration& declaration, qint32 code, const char* amount,
                              qint32 deductCode = 0, const char* deduction = "0",
                              const QString& oktmo = QString());
mTThirtyPercent& dividends(mTDeclaration& declaration, const QString& oktmo, const char* amount,
                           const char* taxable);
// A foreign income at rate; sets the abroad bit of the income kinds.
mTCurrencyIncome& foreign(mTDeclaration& declaration, int rate, qint32 code, const char* income,
                          const char* taxPaid, qint32 deductCode = 0, const char* deduction = "0");

// A flat in Moscow of 3 500 000 (whole, in sole ownership), its right registered in 2013, and
// 120 000 of mortgage interest: a deduction larger than one year's base.
void flatBought2013(mTConstructionDeduct& property);

// A resident declaration with income in the country and the taxpayer's OKTMO "45000000".
mTDeclaration resident();
mTDeclaration nonResident();

// Every field of the computed sheets by its path, "List1.TaxBase" -> "1000.0000".
QMap<QString, QString> fields(const kTSvodSum& sum);

} // namespace Build
