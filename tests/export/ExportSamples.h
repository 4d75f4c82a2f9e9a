#pragma once

// Declarations for the export tests.

#include "ValidDeclaration.h"
#include "export/ExportIdentifier.h"

inline ExportStamp fixedStamp()
{
    return {QDate(2014, 3, 5), QUuid::fromString(u"{0f8fad5b-d9cb-469f-a165-70867728950e}")};
}

// A 4-NDFL declaration of an entrepreneur-to-be.
inline mTDeclaration estimatedIncomeDeclaration()
{
    mTDeclaration d = ValidDeclaration();
    d.DeclForm = DeclarationForm::EstimatedIncome;
    d.TaxpayerKind = TaxpayerCategory::Entrepreneur;
    d.SetIncomeKinds(IncomeKind::Business);
    d.EstimatedIncome = Money::fromRoubles(150000);
    return d;
}
