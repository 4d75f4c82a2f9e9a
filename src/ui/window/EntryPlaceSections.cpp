#include "ui/window/EntryPlaceSections.h"

#include "check/DeclarationCheck.h"
#include "ui/sections/deductions/FrameDeductData.h"
#include "ui/sections/russian_income/FrameRussianIncome.h"

std::optional<SectionPlace> SectionOfPlace(EntryPlace place)
{
    switch (place) {
    case EntryPlace::Conditions:
        return SectionPlace{Section::InitialData, -1};
    case EntryPlace::Taxpayer:
        return SectionPlace{Section::PersonInfo, 0};
    case EntryPlace::TaxpayerAddress:
        return SectionPlace{Section::PersonInfo, 1};
    case EntryPlace::RussianIncome13:
        return SectionPlace{Section::RussianIncome, TfrRussianIncome::ThirteenPercent};
    case EntryPlace::Dividends:
        return SectionPlace{Section::RussianIncome, TfrRussianIncome::ThirtyPercent};
    case EntryPlace::RussianIncome35:
        return SectionPlace{Section::RussianIncome, TfrRussianIncome::ThirtyFivePercent};
    case EntryPlace::RussianIncome13NR:
        return SectionPlace{Section::RussianIncome, TfrRussianIncome::ThirteenPercentNR};
    case EntryPlace::ForeignIncome:
        return SectionPlace{Section::ForeignIncome, -1};
    case EntryPlace::BusinessIncome:
        return SectionPlace{Section::BusinessIncome, -1};
    case EntryPlace::StandardDeductions:
        return SectionPlace{Section::Deduction, TfrFrameDeductData::Standard};
    case EntryPlace::PropertyDeduction:
        return SectionPlace{Section::Deduction, TfrFrameDeductData::Property};
    case EntryPlace::SocialDeductions:
        return SectionPlace{Section::Deduction, TfrFrameDeductData::Social};
    case EntryPlace::SecuritiesLosses:
        return SectionPlace{Section::Deduction, TfrFrameDeductData::Securities};
    case EntryPlace::Computed:
    case EntryPlace::Several:
    case EntryPlace::PrivatePractice:
    case EntryPlace::TaxNotices:
        break;
    }
    return std::nullopt;
}

std::optional<EntryPlace> PlaceOfCheckGroup(int group)
{
    switch (group) {
    case CheckGroup::Conditions:
        return EntryPlace::Conditions;
    case CheckGroup::Taxpayer:
        return EntryPlace::Taxpayer;
    case CheckGroup::Residence:
        return EntryPlace::TaxpayerAddress;
    case CheckGroup::Income13:
        return EntryPlace::RussianIncome13;
    case CheckGroup::Currency:
        return EntryPlace::ForeignIncome;
    case CheckGroup::Business:
        return EntryPlace::BusinessIncome;
    case CheckGroup::Deductions:
        return EntryPlace::StandardDeductions;
    case CheckGroup::Property:
        return EntryPlace::PropertyDeduction;
    default:
        return std::nullopt;
    }
}
