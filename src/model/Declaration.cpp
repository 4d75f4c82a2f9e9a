#include "model/Declaration.h"

#include "model/StreamNames.h"
#include "model/file/DeclarationSignature.h"
#include "model/file/Measure.h"
#include "model/file/StorageIO.h"
#include "storage/DayCount.h"
#include "storage/DocumentStorage.h"
#include "storage/FileLoader.h"
#include "storage/StorageErrors.h"

#include <algorithm>
#include <limits>

namespace {

// Reads or writes a list whose count is a word at the current position, followed by its entries.
template <class Record, class... Args>
void transferList(RecordIO& io, const char* countName, const char* name, RecordList<Record>& list,
                  Args... args)
{
    const int count = io.wordCount({countName}, list.Count());
    if (io.reading())
        list.Clear();
    io.beginList(name);
    for (int position = 0; position < count; ++position) {
        if (io.reading())
            list.Add();
        list.At(position).Transfer(io, position, args...);
    }
    io.endList();
}

} // namespace

mTDeclaration::mTDeclaration()
    : SignDate(DayCount::today()), FarmStartDate(DayCount::fromDate(2000, 1, 1))
{}

void mTDeclaration::SetIncomeKinds(quint8 kinds)
{
    const quint8 cleared = m_incomeKinds & quint8(~kinds);
    if (cleared & IncomeKind::Country) {
        Income13.Clear();
        Income13NR.Clear();
        Income35.Clear();
        Income30.Clear();
    }
    if (cleared & IncomeKind::Abroad)
        CurrencyIncomes.Clear();
    if (cleared & IncomeKind::Business)
        Businesses.Clear();
    if (cleared & IncomeKind::Practice)
        PracticeIncomes.Clear();
    m_incomeKinds = kinds;
}

void mTDeclaration::SetForeignProofSheets(qint32 sheets)
{
    if (AutoCountSheets == 1) {
        // Counts read from a damaged file may be anything; the sum stays within its type.
        const qint64 total = qint64(ProofSheets) + sheets - ForeignProofSheets;
        ProofSheets = qint32(std::clamp<qint64>(total, std::numeric_limits<qint32>::min(),
                                                std::numeric_limits<qint32>::max()));
    }
    ForeignProofSheets = sheets;
}

void mTDeclaration::SetInteractiveDefaults()
{
    InspectionCode.clear();
    SignDate = DayCount::today();
    ConfirmKind = 0;
    SetIncomeKinds(IncomeKind::Country);
    AutoCountSheets = 1;
}

void mTDeclaration::TransferInfo(RecordIO& io)
{
    io.stream(QLatin1StringView("@DeclInfo"));
    io.text({"InspectionCode"}, InspectionCode);
    io.text({"InspectionName"}, InspectionName);
    io.byte({"Pensioner"}, Pensioner);
    io.integer({"CorrectionNumber"}, CorrectionNumber);
    io.date({"SignDate"}, SignDate);
    io.wordAs({"ConfirmKind"}, ConfirmKind);
    io.wordAs({"TaxpayerKind"}, TaxpayerKind);
    io.wordAs({"DeclForm"}, DeclForm);
    quint8 kinds = m_incomeKinds;
    io.wordAs({"IncomeKinds"}, kinds);
    if (io.reading())
        SetIncomeKinds(kinds);
    io.byte({"AutoCountSheets"}, AutoCountSheets);
    io.integer({"ProofSheets"}, ProofSheets);
    io.integer({"ForeignProofSheets"}, ForeignProofSheets);
    io.integer({"ReservedCounts", 0}, ReservedCounts[0]);
    io.integer({"ReservedCounts", 1}, ReservedCounts[1]);
    io.integer({"TaxYear"}, TaxYear);
    for (int i = 2; i < int(ReservedCounts.size()); ++i)
        io.integer({"ReservedCounts", i}, ReservedCounts[size_t(i)]);
    io.text({"RepresentativeDoc"}, RepresentativeDoc);
    io.money({"EstimatedIncome"}, EstimatedIncome);
    io.text({"RepresentativeName"}, RepresentativeName);
    io.text({"RepresentativeOrg"}, RepresentativeOrg);
    io.money({"ForeignFixedPayments"}, ForeignFixedPayments);
}

void mTDeclaration::TransferCountryIncome(RecordIO& io)
{
    io.stream(QLatin1StringView("@DeclInquiry"));
    transferList(io, "Income13Count", "Income13", Income13, false);
    transferList(io, "Income13NRCount", "Income13NR", Income13NR, true);
    transferList(io, "Income35Count", "Income35", Income35, false);
    transferList(io, "Income30Count", "Income30", Income30, false);
}

void mTDeclaration::Transfer(RecordIO& io)
{
    if (io.reading() && io.signature() != DeclarationSignature::current()) {
        TransferEarlierYear(io);
        return;
    }
    TransferInfo(io);
    Person.Transfer(io);
    if (HasIncomeKind(IncomeKind::Country))
        TransferCountryIncome(io);
    if (HasIncomeKind(IncomeKind::Abroad)) {
        io.stream(QLatin1StringView("@DeclForeign"));
        transferList(io, "CurrencyIncomesCount", "CurrencyIncomes", CurrencyIncomes);
    }
    if (HasIncomeKind(IncomeKind::Business)) {
        io.stream(QLatin1StringView("@DeclBusiness"));
        transferList(io, "BusinessesCount", "Businesses", Businesses);
        io.money({"ActualAdvance"}, ActualAdvance);
        io.money({"EstimatedIncome"}, EstimatedIncome);
        io.money({"ReservedAmount"}, ReservedAmount);
        io.money({"AccruedAdvance"}, AccruedAdvance);
        io.text({"RepresentativeDoc"}, RepresentativeDoc);
        io.byte({"IsFarm"}, IsFarm);
        io.date({"FarmStartDate"}, FarmStartDate);
        io.money({"FarmExemptIncome"}, FarmExemptIncome);
    }
    if (HasIncomeKind(IncomeKind::Practice)) {
        io.stream(QLatin1StringView("@DeclRepetit"));
        transferList(io, "PracticeIncomesCount", "PracticeIncomes", PracticeIncomes);
        io.money({"PracticeActualAdvance"}, PracticeActualAdvance);
        io.money({"PracticeAccruedAdvance"}, PracticeAccruedAdvance);
    }
    if (m_incomeKinds != 0) {
        StandardDeduction.Transfer(io);
        SocialDeduction.Transfer(io);
        PropertyDeduction.Transfer(io);
        SecuritiesDeduction.Transfer(io);
    }
    io.stream(QLatin1StringView("@Nalog"));
    transferList(io, "NoticePaymentsCount", "NoticePayments", NoticePayments);
}

void mTDeclaration::TransferEarlierYear(RecordIO& io)
{
    // A declaration of an earlier tax year yields only the taxpayer.
    io.stream(QLatin1StringView("@DeclInfo"));
    Person.Transfer(io);
}

qint64 mTDeclaration::ImageSize() const
{
    return mTDocumentStorage::kHeaderSize + Measure::size(*this);
}

std::optional<QString> mTDeclaration::SaveToFile(const QString& fileName) const
{
    const qint64 size = ImageSize();
    if (size > std::numeric_limits<quint32>::max())
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    mTFileLoader loader(fileName, quint32(size), false);
    mTDocumentStorage storage(&loader);
    storage.setReservedTextRule(&StreamNames::isStreamName);
    storage.CreateHeader(DeclarationSignature::current());
    StorageIO io(storage);
    const_cast<mTDeclaration*>(this)->Transfer(io);
    if (storage.position() != size)
        throw mEMemoryAllocate(StorageMessage::outOfMemory());
    return loader.commit();
}

namespace {

void loadFrom(mTFileLoader& loader, mTDeclaration& target)
{
    mTDocumentStorage storage(&loader);
    try {
        storage.OpenHeader();
    } catch (const mEConvert&) {
        throw mEBadStorage(StorageMessage::badFormat());
    }
    mTDeclaration loaded;
    StorageIO io(storage);
    loaded.Transfer(io);
    target = std::move(loaded);
}

} // namespace

void mTDeclaration::LoadFromFile(const QString& fileName)
{
    mTFileLoader loader(fileName, 0, true);
    loadFrom(loader, *this);
}

void mTDeclaration::LoadFromImage(const QByteArray& image)
{
    mTFileLoader loader(image);
    loadFrom(loader, *this);
}
