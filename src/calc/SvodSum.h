#pragma once

#include "calc/DeductionSheets.h"
#include "calc/ExemptSheets.h"
#include "calc/IncomeSheets.h"
#include "calc/SaleSheets.h"
#include "calc/SectionSheets.h"

#include <QString>

class mTDeclaration;
class SheetVisitor;

// The tax computation of one declaration: every computed sheet and section of the 3-NDFL form.
// Created for one export, print or preview, computed once, read, and dropped; nothing of it is
// stored in the declaration file.
class kTSvodSum
{
public:
    kTSvodSumList1 List1;       // Section 2, income at 13 %
    kTSvodSumList2 List2;       // Section 3, income at 30 %
    kTSvodSumList3 List3;       // Section 5, income at 35 %
    kTSvodSumList4 List4;       // Section 4, dividends at 9 %
    kTSvodSumList5 List5;       // Section 6, dividends at 15 %
    kTSvodSumList6 List6;       // Section 1, amounts to pay or refund
    kTSvodSumPrilA6 PrilA6;     // dividends at 9 %, sources in the country
    kTSvodSumPrilA13 PrilA13;   // income at 13 %, sources in the country
    kTSvodSumPrilA15 PrilA15;   // dividends at 15 %
    kTSvodSumPrilA30 PrilA30;   // income at 30 %
    kTSvodSumPrilA35 PrilA35;   // income at 35 %
    kTSvodSumPrilB PrilB13;     // foreign income at 13 %
    kTSvodSumPrilB PrilB9;      // foreign income at 9 %
    kTSvodSumPrilB PrilB35;     // foreign income at 35 %
    kTSvodSumPrilV1 PrilV1;     // business income
    kTSvodSumPrilV2 PrilV2;     // private-practice income
    kTSvodSumPrilM PrilM;       // non-taxable income
    kTSvodSumPrilM2 PrilM2;     // non-taxable part of prizes
    kTSvodSumPrilM3 PrilM3;     // material-benefit entries at 35 %
    kTSvodSumPrilG PrilG;       // professional deductions, sources in the country
    kTSvodSumPrilG_In PrilG_In; // professional deductions, foreign sources
    kTSvodSumPrilE1 PrilE1;     // standard deductions
    kTSvodSumPrilE2 PrilE2;     // social deductions
    kTSvodSumPrilE3 PrilE3;     // pension and insurance contracts
    kTSvodSumPrilH1 PrilH1;     // property-sale deductions
    kTSvodSumPrilZ PrilZ;       // property-purchase deduction
    kTSvodSumPrilJ PrilJ;       // securities and derivatives operations
    // OKTMO of the refund lines of Sections 4, 2 or 3, 5 and 6.
    QString Oktmo9;
    QString Oktmo13;
    QString Oktmo35;
    QString Oktmo15;

    // Computes every sheet from the declaration in the fixed order and returns true. An
    // arithmetic fault raises kECalcFault and leaves the sheets as they were at that moment. The
    // social sheet caps each child's education amount in the declaration itself.
    bool Calculate(mTDeclaration& declaration);
    // Zeroes every sheet.
    void Clear();
    // Every sheet by its name, in member order, then the four OKTMO texts.
    void Visit(SheetVisitor& visitor) const;
};
