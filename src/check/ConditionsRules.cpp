#include "check/ConditionsRules.h"

#include "model/Declaration.h"

RuleFailures ConditionsFailures(const mTDeclaration& d)
{
    const bool representative = d.ConfirmKind != 0;
    RuleCollector rules;
    rules.fail(d.InspectionCode.isEmpty(), QStringLiteral("Не введен номер инспекции"),
               ConditionsField::Inspection);
    rules.fail(representative && d.RepresentativeName.trimmed().isEmpty(),
               QStringLiteral("Не указаны ФИО подписанта-представителя"),
               ConditionsField::RepresentativeName);
    rules.fail(representative && d.RepresentativeDoc.trimmed().isEmpty(),
               QStringLiteral("Не указан документ, подтверждающий полномочия представителя"),
               ConditionsField::RepresentativeDocument);
    rules.fail(d.ConfirmKind == 2 && d.RepresentativeOrg.trimmed().isEmpty(),
               QStringLiteral("Не указано наименование Юр.лица-представителя"),
               ConditionsField::RepresentativeOrganisation);
    return rules.take();
}
