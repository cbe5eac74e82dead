// The user's regional settings as the windows use them: the decimal separator of value cells,
// edit fields and data files. Taken once from QLocale::system() (which follows LANG, LC_ALL and
// LC_NUMERIC) and passed down to the core's conversions explicitly.
#pragma once

namespace kovia {

// '.' or ',' (any other separator the locale reports is used as it is when it is one byte).
char decimalSeparator();

// Replaces the separator for the rest of the run (tests and scenarios that need the other one).
void setDecimalSeparator(char separator);

}  // namespace kovia
