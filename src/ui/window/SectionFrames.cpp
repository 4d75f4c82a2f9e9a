#include "ui/window/SectionFrames.h"

#include "ui/sections/business_income/FrameBusinessNew.h"
#include "ui/sections/conditions/FrameInitialData.h"
#include "ui/sections/deductions/FrameDeductData.h"
#include "ui/sections/foreign_income/FrameCurrency.h"
#include "ui/sections/russian_income/FrameRussianIncome.h"
#include "ui/sections/taxpayer/FramePersonData.h"

namespace SectionFrames {

QString caption(Section section)
{
    switch (section) {
    case Section::InitialData:
        return QStringLiteral("Задание условий");
    case Section::PersonInfo:
        return QStringLiteral("Сведения о декларанте");
    case Section::RussianIncome:
        return QStringLiteral("Доходы, полученные в РФ");
    case Section::ForeignIncome:
        return QStringLiteral("Доходы за пределами РФ");
    case Section::BusinessIncome:
        return QStringLiteral("Предприниматели");
    case Section::Deduction:
        return QStringLiteral("Вычеты");
    }
    return {};
}

QString hint(Section section)
{
    switch (section) {
    case Section::InitialData:
        return QStringLiteral("Выбор режима ввода");
    case Section::PersonInfo:
        return QStringLiteral("Персональные данные налогоплательщика");
    case Section::RussianIncome:
        return QStringLiteral("Доходы, полученные от налоговых агентов или иных источников, в "
                              "т.ч. физлиц");
    case Section::ForeignIncome:
        return QStringLiteral("Доходы, полученные в иностранной валюте");
    case Section::BusinessIncome:
        return QStringLiteral("Доходы, полученные от проедпринимательской деятельности без "
                              "образования юридического лица и частной практики");
    case Section::Deduction:
        return QStringLiteral("Стандартные, социальные и имущественный налоговые вычеты");
    }
    return {};
}

QString buttonName(Section section)
{
    switch (section) {
    case Section::InitialData:
        return QStringLiteral("fbInitialData");
    case Section::PersonInfo:
        return QStringLiteral("fbPrsonInfo");
    case Section::RussianIncome:
        return QStringLiteral("fbRussianIncome");
    case Section::ForeignIncome:
        return QStringLiteral("fbForeignIncome");
    case Section::BusinessIncome:
        return QStringLiteral("fbBusinessIncome");
    case Section::Deduction:
        return QStringLiteral("fbDeduction");
    }
    return {};
}

TThinkingFrame* create(Section section, QWidget* parent, FrameHost& host)
{
    switch (section) {
    case Section::InitialData:
        return new TfrInitialData(parent, host);
    case Section::PersonInfo:
        return new TfrPersonData(parent, host);
    case Section::RussianIncome:
        return new TfrRussianIncome(parent, host);
    case Section::ForeignIncome:
        return new TfrCurrency(parent, host);
    case Section::BusinessIncome:
        return new TfrBusinessNew(parent, host);
    case Section::Deduction:
        return new TfrFrameDeductData(parent, host);
    }
    Q_UNREACHABLE();
    return nullptr;
}

} // namespace SectionFrames
