#include "ui/widgets/AddressFields.h"

#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QLineEdit>

AddressFields::AddressFields(QWidget* parent)
    : district(EntryFields::text(parent, QStringLiteral("meDistrict"), TextLength::AddressLine)),
      city(EntryFields::text(parent, QStringLiteral("meCity"), TextLength::AddressLine)),
      locality(EntryFields::text(parent, QStringLiteral("meArea"), TextLength::AddressLine)),
      street(EntryFields::text(parent, QStringLiteral("meStreet"), TextLength::AddressLine)),
      house(EntryFields::text(parent, QStringLiteral("meHouse"), TextLength::HouseNumber)),
      building(EntryFields::text(parent, QStringLiteral("meBuilding"), TextLength::HouseNumber)),
      flat(EntryFields::text(parent, QStringLiteral("meFlat"), TextLength::HouseNumber))
{}

void AddressFields::addRows(FormGrid& grid) const
{
    using Span = FormGrid::Span;
    grid.row({{QStringLiteral("Район"), district, Span::ToRightEdge}});
    grid.row({{QStringLiteral("Город"), city, Span::ToRightEdge}});
    grid.row({{QStringLiteral("Населенный пункт"), locality, Span::ToRightEdge}});
    grid.row({{QStringLiteral("Улица"), street, Span::ToRightEdge}});
    grid.row({{QStringLiteral("Дом"), house},
              {QStringLiteral("Корпус"), building},
              {QStringLiteral("Квартира"), flat}});
}
