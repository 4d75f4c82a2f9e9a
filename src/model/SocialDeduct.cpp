#include "model/SocialDeduct.h"

#include "model/StreamNames.h"
#include "model/file/Measure.h"
#include "storage/StorageErrors.h"

void mTSocialDeduct::checkChildEducation(int position) const
{
    if (position < 0 || position >= ChildEducationCount())
        throw mEMemoryAllocate(StorageMessage::noMemoryBound());
}

Money mTSocialDeduct::GetChildEducation(int position) const
{
    checkChildEducation(position);
    return m_childEducationSums[size_t(position)];
}

int mTSocialDeduct::AddChildEducation(Money amount)
{
    m_childEducationSums.push_back(amount);
    return ChildEducationCount() - 1;
}

void mTSocialDeduct::ReplaceChildEducation(int position, Money amount)
{
    checkChildEducation(position);
    m_childEducationSums[size_t(position)] = amount;
}

void mTSocialDeduct::DeleteChildEducation(int position)
{
    checkChildEducation(position);
    m_childEducationSums.erase(m_childEducationSums.begin() + position);
}

int mTSocialDeduct::AddPens()
{
    m_pensionContracts.emplace_back();
    return PensCount() - 1;
}

mTPens& mTSocialDeduct::GetPens(int position)
{
    return m_pensionContracts.at(size_t(position));
}

const mTPens& mTSocialDeduct::GetPens(int position) const
{
    return m_pensionContracts.at(size_t(position));
}

void mTSocialDeduct::ReplacePens(int position, const mTPens& contract)
{
    m_pensionContracts.at(size_t(position)) = contract;
}

void mTSocialDeduct::DeletePens(int position)
{
    (void)m_pensionContracts.at(size_t(position));
    m_pensionContracts.erase(m_pensionContracts.begin() + position);
}

void mTSocialDeduct::Transfer(RecordIO& io)
{
    io.stream(QLatin1StringView("@SocialDeduct"));
    io.byte({"SocialEnabled"}, SocialEnabled);
    if (SocialEnabled != 1)
        return;
    io.money({"CharitySum"}, CharitySum);
    io.money({"SelfEducationSum"}, SelfEducationSum);
    const int count = io.integerCount({"ChildEducationCount"}, ChildEducationCount());
    if (io.reading())
        m_childEducationSums.clear();
    for (int i = 0; i < count; ++i) {
        Money amount = io.reading() ? Money() : m_childEducationSums[size_t(i)];
        io.money({"ChildEducationSums", i}, amount);
        if (io.reading())
            m_childEducationSums.push_back(amount);
    }
    io.money({"MedicalSum"}, MedicalSum);
    io.money({"ExpensiveMedicalSum"}, ExpensiveMedicalSum);
    io.money({"InsuranceSum"}, InsuranceSum);
    io.money({"PensionContribSum"}, PensionContribSum);

    io.stream(QLatin1StringView("@Pens"));
    const int contracts = io.wordCount({"PensCount"}, PensCount());
    if (io.reading())
        m_pensionContracts.clear();
    io.beginList("PensionContracts");
    for (int i = 0; i < contracts; ++i) {
        if (io.reading())
            AddPens();
        m_pensionContracts[size_t(i)].Transfer(io, i);
    }
    io.endList();
}

qint64 mTSocialDeduct::Size() const
{
    return Measure::size(*this);
}
