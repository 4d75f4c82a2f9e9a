#pragma once

class FormGrid;
class QLineEdit;
class QWidget;

// The lines of a Russian address as the taxpayer's and the property's frames take them: district
// ("meDistrict"), city ("meCity"), settlement ("meArea"), street ("meStreet"), and the house
// ("meHouse"), building ("meBuilding") and flat ("meFlat").
struct AddressFields
{
    explicit AddressFields(QWidget* parent);

    // "Район", "Город", "Населенный пункт" and "Улица", each a row across the form, then "Дом",
    // "Корпус" and "Квартира" on one row.
    void addRows(FormGrid& grid) const;

    QLineEdit* district;
    QLineEdit* city;
    QLineEdit* locality;
    QLineEdit* street;
    QLineEdit* house;
    QLineEdit* building;
    QLineEdit* flat;
};
