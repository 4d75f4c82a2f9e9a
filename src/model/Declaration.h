#pragma once

#include "model/BusinessNew.h"
#include "model/CBDeduct.h"
#include "model/ConstructionDeduct.h"
#include "model/CurrencyIncome.h"
#include "model/Money.h"
#include "model/Nalog.h"
#include "model/PersonInformation.h"
#include "model/RecordIO.h"
#include "model/RecordList.h"
#include "model/RepetitNew.h"
#include "model/SocialDeduct.h"
#include "model/StandartDeduct.h"
#include "model/ThirteenPercent.h"
#include "model/ThirtyFivePercent.h"
#include "model/ThirtyPercent.h"

#include <QString>
#include <array>
#include <optional>

// Categories of the taxpayer, the values of TaxpayerKind. Unused is offered by no screen; the
// file reads it and writes it back unchanged.
namespace TaxpayerCategory {
enum Value : quint8
{
    Entrepreneur = 0,
    FarmHead = 1,
    Notary = 2,
    Lawyer = 3,
    Unused = 4,
    OtherPerson = 5,
};
} // namespace TaxpayerCategory

// Kinds of income of a declaration, the bits of IncomeKinds.
namespace IncomeKind {
inline constexpr quint8 Country = 1;
inline constexpr quint8 Abroad = 2;
inline constexpr quint8 Business = 4;
inline constexpr quint8 Practice = 8;
} // namespace IncomeKind

// Forms of the declaration, the values of DeclForm.
namespace DeclarationForm {
inline constexpr quint8 Resident = 0;
inline constexpr quint8 NonResident = 1;
inline constexpr quint8 EstimatedIncome = 2;
} // namespace DeclarationForm

// The declaration: its conditions, the taxpayer, the income lists by kind, the deductions and the
// payments made on tax notices. The document owns every record in it.
class mTDeclaration
{
public:
    // A new document with the defaults of a declaration read from a file: no income kinds.
    mTDeclaration();

    // Conditions ("@DeclInfo", in file order).
    QString InspectionCode;
    QString InspectionName;
    quint8 Pensioner = 0;
    qint32 CorrectionNumber = 0;
    double SignDate;
    quint8 ConfirmKind = 0;
    quint8 TaxpayerKind = TaxpayerCategory::OtherPerson;
    quint8 DeclForm = DeclarationForm::Resident;
    quint8 AutoCountSheets = 0;
    qint32 ProofSheets = 0;
    qint32 ForeignProofSheets = 0;
    std::array<qint32, 7> ReservedCounts{};
    qint32 TaxYear = 2013;
    QString RepresentativeDoc;
    Money EstimatedIncome;
    QString RepresentativeName;
    QString RepresentativeOrg;
    Money ForeignFixedPayments;

    // Business ("@DeclBusiness") and private practice ("@DeclRepetit").
    Money ActualAdvance;
    Money AccruedAdvance;
    Money ReservedAmount;
    quint8 IsFarm = 0;
    double FarmStartDate;
    Money FarmExemptIncome;
    Money PracticeActualAdvance;
    Money PracticeAccruedAdvance;

    mTPersonInformation Person;
    RecordList<mTThirteenPercent> Income13;
    RecordList<mTThirteenPercent> Income13NR;
    RecordList<mTThirtyFivePercent> Income35;
    RecordList<mTThirtyPercent> Income30;
    RecordList<mTCurrencyIncome> CurrencyIncomes;
    RecordList<mTBusinessNew> Businesses;
    RecordList<mTRepetitNew> PracticeIncomes;
    RecordList<mTNalog> NoticePayments;
    mTStandartDeduct StandardDeduction;
    mTSocialDeduct SocialDeduction;
    mTConstructionDeduct PropertyDeduction;
    mTCBDeduct SecuritiesDeduction;

    quint8 IncomeKinds() const { return m_incomeKinds; }
    bool HasIncomeKind(quint8 kind) const { return (m_incomeKinds & kind) != 0; }
    // A bit that goes from clear to set starts its lists empty; a bit that goes from set to clear
    // drops every entry of its lists.
    void SetIncomeKinds(quint8 kinds);
    // With automatic counting, the change of the foreign sheets is added to ProofSheets too.
    void SetForeignProofSheets(qint32 sheets);
    // The defaults of a declaration the user creates in the window.
    void SetInteractiveDefaults();

    // The exact size of the saved file in bytes.
    qint64 ImageSize() const;
    // Writes the whole document, replacing a file of that name only once the new image is
    // complete. Failures are mEPrivBase errors; the old file is then unchanged. A warning comes
    // back when the new file is in place but the system did not confirm that it reached the disk:
    // the save has succeeded all the same.
    std::optional<QString> SaveToFile(const QString& fileName) const;
    // Reads the named file. On failure the document is left as it was and the error is raised.
    void LoadFromFile(const QString& fileName);
    // The same over bytes in memory (fileName only names the file in messages).
    void LoadFromImage(const QByteArray& image);

    // One pass over every item of the document in file order.
    void Transfer(RecordIO& io);

    bool operator==(const mTDeclaration&) const = default;

private:
    void TransferEarlierYear(RecordIO& io);
    void TransferInfo(RecordIO& io);
    void TransferCountryIncome(RecordIO& io);

    quint8 m_incomeKinds = 0;
};
