#pragma once

#include <QString>

// Numbers read by a person (ratios, percentages, counts) in the user's locale: its decimal sign and its digits, but
// no thousands grouping, so an English locale shows them as the program always has. Numbers in entry fields and in
// copied or written texts are data and never pass through here.
QString ShownNumber(int value);
// A decimal number already written the C way ("6.64:1", "4.5"), with the locale's decimal sign and digits.
QString ShownDecimal(const QString& cText);
