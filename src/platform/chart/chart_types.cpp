#include "platform/chart/chart_types.h"

namespace kovia {

QFont chartFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QString symbolFontText(const QString& text) {
  // Greek letters on the keys a..z and A..Z of a symbol font.
  static const char16_t kLower[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
  static const char16_t kUpper[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
  QString out = text;
  for (QChar& c : out) {
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z') {
      c = QChar(kLower[u - u'a']);
    } else if (u >= u'A' && u <= u'Z') {
      c = QChar(kUpper[u - u'A']);
    }
  }
  return out;
}

}  // namespace kovia
