#include "ui/widgets/MonthNames.h"

QString MonthName(int index)
{
    static const char16_t* const names[12] = {u"Январь",   u"Февраль", u"Март",   u"Апрель",
                                              u"Май",      u"Июнь",    u"Июль",   u"Август",
                                              u"Сентябрь", u"Октябрь", u"Ноябрь", u"Декабрь"};
    return QString::fromUtf16(names[index]);
}
