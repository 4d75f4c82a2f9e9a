#pragma once

#include "model/Money.h"
#include "model/Pens.h"
#include "model/RecordIO.h"

#include <vector>

// Social deductions with the children's education payments and the pension contracts.
class mTSocialDeduct
{
public:
    quint8 SocialEnabled = 0;
    Money CharitySum;
    Money SelfEducationSum;
    Money MedicalSum;
    Money ExpensiveMedicalSum;
    Money InsuranceSum;
    Money PensionContribSum;

    // Payments for the education of children, one per payment.
    Money GetChildEducation(int position) const;
    int AddChildEducation(Money amount);
    void ReplaceChildEducation(int position, Money amount);
    void DeleteChildEducation(int position);
    int ChildEducationCount() const { return int(m_childEducationSums.size()); }
    const std::vector<Money>& ChildEducationSums() const { return m_childEducationSums; }

    // Pension and insurance contracts.
    int AddPens();
    mTPens& GetPens(int position);
    const mTPens& GetPens(int position) const;
    void ReplacePens(int position, const mTPens& contract);
    void DeletePens(int position);
    int PensCount() const { return int(m_pensionContracts.size()); }
    const std::vector<mTPens>& PensionContracts() const { return m_pensionContracts; }

    void Transfer(RecordIO& io);
    qint64 Size() const;

    bool operator==(const mTSocialDeduct&) const = default;

private:
    void checkChildEducation(int position) const;

    std::vector<Money> m_childEducationSums;
    std::vector<mTPens> m_pensionContracts;
};
