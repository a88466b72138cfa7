#pragma once
// A whole number as captions and messages write it: a space where a minus
// sign would stand, then the digits (3 becomes " 3", -2 stays "-2").
#include <QString>

inline QString numberWithSignPlace(int number)
{
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}
