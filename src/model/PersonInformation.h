#pragma once

#include "model/RecordIO.h"

#include <QString>

// The taxpayer: name and INN, identity document, birth, citizenship, address and telephone.
// It is also read from declaration files of earlier tax years, adapting to their signature.
class mTPersonInformation
{
public:
    mTPersonInformation();

    // "@PersonName"
    QString Surname;
    QString FirstName;
    QString Patronymic;
    QString INN;
    QString NameReserved;
    QString NameStatus = QStringLiteral("0");

    // "@PersonDocument"
    quint16 DocKind = 0;
    QString DocKindName;
    QString DocNumber;
    double DocIssueDate;
    double BirthDate;
    QString DocIssuer;
    QString BirthPlace;
    quint8 DocReserved = 0;

    // "@Foreigner"
    QString CitizenshipSign;
    QString CitizenshipName = QStringLiteral("РОССИЯ");
    QString ForeignAddress;
    QString CitizenshipCode = QStringLiteral("643");

    // "@PhoneForeignerHome", "@PhoneForeignerWork": code and number each
    QString ForeignHomePhone[2];
    QString ForeignWorkPhone[2];

    // "@PersonAddress"
    quint8 StayAddress = 0;
    QString PostIndex;
    quint16 RegionCode = 0;
    QString RegionName;
    QString District;
    QString City;
    QString Locality;
    QString Street;
    QString House;
    QString Building;
    QString Flat;
    QString OKTMO;

    // "@HomePhone": the first string is carried along, the second is the contact telephone.
    QString HomePhoneReserved;
    QString Phone;
    // "@WorkPhone"
    QString WorkPhone[2];

    void Transfer(RecordIO& io);
    qint64 Size() const;

    bool operator==(const mTPersonInformation&) const = default;
};
