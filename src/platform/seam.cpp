#include "platform/seam.h"

#include <QtGlobal>

#include "core/text_file.h"
#include "platform/qt_operator.h"

namespace kovia {

namespace {

Operator* installed = nullptr;

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    int extra = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1, minimum = 0x80, code = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, minimum = 0x800, code = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, minimum = 0x10000, code = c & 0x07u;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(extra) >= bytes.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

}  // namespace

std::string_view dialogKindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::Modal:
      return "modal";
    case DialogKind::Open:
      return "open";
    case DialogKind::Save:
      return "save";
    case DialogKind::ChooseColor:
      return "color";
    case DialogKind::PrinterSetup:
      return "printer";
  }
  return "?";
}

UnexpectedDialog::UnexpectedDialog(DialogKind kind, const std::string& detail)
    : std::runtime_error("Diálogo no esperado (" + std::string(dialogKindName(kind)) +
                         (detail.empty() ? std::string() : ": " + detail) + ")"),
      kind_(kind),
      detail_(detail) {}

void Operator::scriptFailed(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& e) {
    qCritical("%s", e.what());
  } catch (...) {
    qCritical("unexpected operator failure");
  }
}

Operator& currentOperator() {
  if (installed != nullptr) return *installed;
  static QtOperator desktop;
  return desktop;
}

Operator* setCurrentOperator(Operator* op) {
  Operator* previous = installed;
  installed = op;
  return previous;
}

void showMessage(const QString& text) { currentOperator().message(text); }

QString messageText(std::string_view bytes) {
  if (isValidUtf8(bytes)) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const std::string utf8 = fromWindows1252(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace kovia
