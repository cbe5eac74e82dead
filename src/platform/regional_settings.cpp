#include "platform/regional_settings.h"

#include <QLocale>

namespace kovia {
namespace {

char systemSeparator() {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() < 0x80) return static_cast<char>(point.at(0).unicode());
  return '.';
}

char& separatorInForce() {
  static char separator = systemSeparator();
  return separator;
}

}  // namespace

char decimalSeparator() { return separatorInForce(); }

void setDecimalSeparator(char separator) { separatorInForce() = separator; }

}  // namespace kovia
