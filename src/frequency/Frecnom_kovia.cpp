#include "frequency/Frecnom_kovia.h"

#include <QFont>
#include <QPalette>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/number_text.h"
#include "frequency/frequency_window_state.h"
#include "platform/handler_guard.h"
#include "platform/regional_settings.h"
#include "platform/resources.h"
#include "platform/seam.h"

namespace kovia {

namespace {

// The digit check looks at no more than this many characters of a field.
constexpr int kCheckedCharacters = 19;

QLabel* label(QWidget* parent, const QString& name, const QString& text, int x, int y) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->move(x, y);
  l->adjustSize();
  return l;
}

Edit* field(QWidget* parent, const QString& name, int x, int y) {
  auto* edit = new Edit(parent, name);
  edit->setGeometry(x, y, 145, 22);
  edit->setFrame(false);
  QFont font = edit->font();
  font.setPixelSize(16);
  edit->setFont(font);
  // The fields are drawn in the highlight colour.
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Text, palette.color(QPalette::Active, QPalette::HighlightedText));
  edit->setPalette(palette);
  return edit;
}

// A value that passed the digit check but does not fit: the field stays editable.
void refuseValue(Edit* edit, const QString& message) {
  edit->setReadOnly(false);
  showMessage(message);
  edit->selectAll();
}

}  // namespace

QString digitCheckedPart(const QString& text) {
  return text.left(kCheckedCharacters);
}

bool onlyDecimalDigits(const QString& text) {
  for (const QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  }
  return true;
}

QString invalidCharacterMessage(const QString& checkedCharacters) {
  return QStringLiteral("Usted digitó un caracter no válido en '") + checkedCharacters +
         QStringLiteral("'. ") + QLatin1Char('\n') +
         QStringLiteral("Inténtelo nuevamente introduciendo sólo caracteres numéricos.");
}

TForm4::TForm4(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Frecuencia Nominal"));
  setWindowIcon(koviaWindowIcon());
  setFixedSize(227, 161);

  Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Frecuencia Nominal:"), 16, 10);
  Edit1 = field(this, QStringLiteral("Edit1"), 16, 30);
  Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Hz"), 168, 33);
  Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Tau:"), 16, 64);
  Edit2 = field(this, QStringLiteral("Edit2"), 16, 84);
  Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("segundos"), 168, 87);
  Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("Frecuencia"), 0, 0);
  QFont corner = Label5->font();
  corner.setItalic(true);
  Label5->setFont(corner);
  Label5->setForegroundRole(QPalette::PlaceholderText);
  Label5->adjustSize();
  Label5->move(width() - Label5->width() - 10, height() - Label5->height() - 8);

  Edit2->setEnabled(false);
  setTabOrder(Edit1, Edit2);

  connectHandler(Edit1, &Edit::OnKeyDown, this, &TForm4::Edit1OnKeyDown);
  connectHandler(Edit2, &Edit::OnKeyDown, this, &TForm4::Edit2OnKeyDown);
}

void TForm4::Edit1OnKeyDown(QObject* /*Sender*/, KeyCode& Key, ShiftState /*Shift*/) {
  if (Key != keys::kReturn) return;
  Edit1->selectAll();
  const QString checked = digitCheckedPart(Edit1->text());
  if (!onlyDecimalDigits(checked)) {
    showMessage(invalidCharacterMessage(checked));
    Edit1->selectAll();
    return;
  }
  // Read-only before the conversion: an empty field fails here and stays read-only, so the
  // dialog can then only be closed with its close box, keeping the previous values.
  Edit1->setReadOnly(true);
  const double nominal = static_cast<double>(textToFloat(Edit1->Text(), decimalSeparator()));
  if (!std::isfinite(nominal)) {
    refuseValue(Edit1, QStringLiteral("La frecuencia nominal digitada es demasiado grande.") +
                           QLatin1Char('\n') + QStringLiteral("Inténtelo nuevamente con un valor menor."));
    return;
  }
  frequencyWindowState().nominalFrequencyHz = nominal;
  Edit2->setEnabled(true);
  Edit2->setFocus();
}

void TForm4::Edit2OnKeyDown(QObject* /*Sender*/, KeyCode& Key, ShiftState /*Shift*/) {
  if (Key != keys::kReturn) return;
  Edit2->selectAll();
  const QString checked = digitCheckedPart(Edit2->text());
  if (!onlyDecimalDigits(checked)) {
    showMessage(invalidCharacterMessage(checked));
    Edit2->selectAll();
    return;
  }
  Edit2->setReadOnly(true);
  const long double tau = std::trunc(textToFloat(Edit2->Text(), decimalSeparator()));
  // tauSeconds is a 32-bit integer: a larger tau would wrap into a meaningless one.
  if (tau > static_cast<long double>(std::numeric_limits<std::int32_t>::max())) {
    refuseValue(Edit2, QStringLiteral("Tau no puede ser mayor que 2147483647 segundos.") + QLatin1Char('\n') +
                           QStringLiteral("Inténtelo nuevamente con un valor menor."));
    return;
  }
  frequencyWindowState().tauSeconds = static_cast<std::int32_t>(tau);
  setModalResult(mrOk);  // closes the dialog
}

}  // namespace kovia
