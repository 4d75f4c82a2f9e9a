#include "export/ExportAddress.h"

void ExportAddress::write(const ExportElement& address) const
{
    address.setIfFilled("Индекс", postIndex);
    address.set("КодРегион", regionCode);
    address.setIfFilled("Район", district);
    address.setIfFilled("Город", city);
    address.setIfFilled("НаселПункт", locality);
    address.setIfFilled("Улица", street);
    address.setIfFilled("Дом", house);
    address.setIfFilled("Корпус", building);
    address.setIfFilled("Кварт", flat);
}
