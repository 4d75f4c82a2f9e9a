#include "model/file/FieldLabels.h"

#include <QHash>

namespace FieldLabels {

namespace {

const QHash<QByteArrayView, QString>& labels()
{
    static const QHash<QByteArrayView, QString> table = {
        {"InspectionCode", QStringLiteral("Код налогового органа")},
        {"InspectionName", QStringLiteral("Наименование налогового органа")},
        {"RepresentativeDoc", QStringLiteral("Документ, подтверждающий полномочия представителя")},
        {"RepresentativeName", QStringLiteral("Ф.И.О. представителя")},
        {"RepresentativeOrg", QStringLiteral("Наименование организации-представителя")},
        {"Surname", QStringLiteral("Фамилия")},
        {"FirstName", QStringLiteral("Имя")},
        {"Patronymic", QStringLiteral("Отчество")},
        {"INN", QStringLiteral("ИНН")},
        {"NameReserved", QStringLiteral("Сведения о декларанте")},
        {"NameStatus", QStringLiteral("Сведения о декларанте")},
        {"DocKindName", QStringLiteral("Вид документа")},
        {"DocNumber", QStringLiteral("Серия и номер документа")},
        {"DocIssuer", QStringLiteral("Кем выдан документ")},
        {"BirthPlace", QStringLiteral("Место рождения")},
        {"CitizenshipSign", QStringLiteral("Гражданство")},
        {"CitizenshipName", QStringLiteral("Страна гражданства")},
        {"ForeignAddress", QStringLiteral("Адрес за пределами РФ")},
        {"CitizenshipCode", QStringLiteral("Код страны гражданства")},
        {"ForeignHomePhone", QStringLiteral("Домашний телефон за пределами РФ")},
        {"ForeignWorkPhone", QStringLiteral("Рабочий телефон за пределами РФ")},
        {"PostIndex", QStringLiteral("Почтовый индекс")},
        {"RegionName", QStringLiteral("Регион")},
        {"District", QStringLiteral("Район")},
        {"City", QStringLiteral("Город")},
        {"Locality", QStringLiteral("Населенный пункт")},
        {"Street", QStringLiteral("Улица")},
        {"House", QStringLiteral("Дом")},
        {"Building", QStringLiteral("Корпус")},
        {"Flat", QStringLiteral("Квартира")},
        {"OKTMO", QStringLiteral("Код ОКТМО")},
        {"HomePhoneReserved", QStringLiteral("Телефон")},
        {"Phone", QStringLiteral("Контактный телефон")},
        {"WorkPhone", QStringLiteral("Рабочий телефон")},
        {"SourceINN", QStringLiteral("ИНН источника выплаты")},
        {"SourceKPP", QStringLiteral("КПП источника выплаты")},
        {"SourceOKTMO", QStringLiteral("Код ОКТМО источника выплаты")},
        {"SourceName", QStringLiteral("Наименование источника выплаты")},
        {"IncomeCodeName", QStringLiteral("Наименование кода дохода")},
        {"MonthAmounts", QStringLiteral("Сумма дохода за месяц")},
        {"CurIncomeCodeName", QStringLiteral("Наименование кода дохода")},
        {"CurSourceName", QStringLiteral("Наименование источника дохода")},
        {"SourceCountryCode", QStringLiteral("Код страны источника дохода")},
        {"CurrencyCode", QStringLiteral("Код валюты")},
        {"CurrencyName", QStringLiteral("Наименование валюты")},
        {"ActivityKind", QStringLiteral("Вид деятельности")},
        {"ActivityName", QStringLiteral("Вид экономической деятельности")},
        {"PracticeName", QStringLiteral("Вид частной практики")},
        {"NoticeText", QStringLiteral("Уведомление")},
        {"NoticeKBK", QStringLiteral("КБК")},
        {"PensOrgName", QStringLiteral("Наименование организации (фонда)")},
        {"PensINN", QStringLiteral("ИНН организации (фонда)")},
        {"PensKPP", QStringLiteral("КПП организации (фонда)")},
        {"ContractNumber", QStringLiteral("Номер договора")},
        {"ObjPostIndex", QStringLiteral("Почтовый индекс объекта")},
        {"ObjRegionCode", QStringLiteral("Код региона объекта")},
        {"ObjRegionName", QStringLiteral("Регион объекта")},
        {"ObjDistrict", QStringLiteral("Район объекта")},
        {"ObjCity", QStringLiteral("Город объекта")},
        {"ObjLocality", QStringLiteral("Населенный пункт объекта")},
        {"ObjStreet", QStringLiteral("Улица объекта")},
        {"ObjHouse", QStringLiteral("Дом объекта")},
        {"ObjBuilding", QStringLiteral("Корпус объекта")},
        {"ObjFlat", QStringLiteral("Квартира объекта")},
    };
    return table;
}

} // namespace

QString label(FieldName field)
{
    const auto found = labels().constFind(QByteArrayView(field.name));
    return found != labels().constEnd() ? *found : QString::fromLatin1(field.name);
}

} // namespace FieldLabels
