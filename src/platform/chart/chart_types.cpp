#include "platform/chart/chart_types.h"

namespace kovia {

const char* pointerStyleName(PointerStyle style) {
  switch (style) {
    case PointerStyle::Rectangle:
      return "rectangle";
    case PointerStyle::Circle:
      return "circle";
    case PointerStyle::Triangle:
      return "triangle";
    case PointerStyle::DownTriangle:
      return "downTriangle";
    case PointerStyle::Cross:
      return "cross";
    case PointerStyle::DiagonalCross:
      return "diagonalCross";
    case PointerStyle::Star:
      return "star";
    case PointerStyle::Diamond:
      return "diamond";
    case PointerStyle::SmallDot:
      return "smallDot";
    case PointerStyle::Dash:
      return "dash";
  }
  return "rectangle";
}

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
