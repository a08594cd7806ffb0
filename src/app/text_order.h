// The order in which account IDs and other short keys are listed.
#pragma once

#include <QString>

// Shorter first; equal lengths by text order.  Numeric order for decimal
// numbers without leading zeros.
inline bool lessByLengthThenText(const QString &a, const QString &b)
{
    if (a.length() != b.length())
        return a.length() < b.length();
    return a < b;
}
