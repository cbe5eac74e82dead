#include "phase/Frecnomf_kovia.h"

#include <QGuiApplication>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/number_text.h"
#include "phase/phase_window_state.h"
#include "platform/handler_guard.h"
#include "platform/regional_settings.h"
#include "platform/resources.h"
#include "platform/seam.h"

namespace kovia {

namespace {

// The digit check looks at the first 19 characters of an entry.
constexpr int kCheckedCharacters = 19;

QFont pixelFont(int pixels, bool bold = false, bool italic = false) {
  QFont font = QGuiApplication::font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
              const QFont& font = QGuiApplication::font()) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(rect);
  l->setFont(font);
  return l;
}

// A borderless entry field on the highlight colour, as the nominal-frequency dialogs show them.
Edit* entry(QWidget* parent, const QString& name, const QRect& rect) {
  auto* e = new Edit(parent, name);
  e->setGeometry(rect);
  e->setFrame(false);
  e->setFont(pixelFont(16));
  QPalette palette = e->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Highlight));
  palette.setColor(QPalette::Text, palette.color(QPalette::HighlightedText));
  e->setPalette(palette);
  return e;
}

// Common part of both fields: true when the entry passed the digit check; otherwise the
// refusal message has been shown and the entry is selected again for retyping.
bool digitsOnly(Edit& edit) {
  edit.selectAll();
  const QString refusal = nominalEntryRefusal(edit.text());
  if (refusal.isEmpty()) return true;
  showMessage(refusal);
  edit.selectAll();
  return false;
}

}  // namespace

QString nominalEntryRefusal(const QString& entry) {
  const QString checked = entry.left(kCheckedCharacters);
  for (const QChar c : checked) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
      return QStringLiteral("Usted digitó un caracter no válido en '") + checked + QStringLiteral("'. ") +
             QLatin1Char('\n') +
             QStringLiteral("Inténtelo nuevamente introduciendo sólo caracteres numéricos.");
    }
  }
  return QString();
}

TForm5::TForm5(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Frecuencia Nominal"));
  setWindowIcon(koviaWindowIcon());
  setFixedSize(227, 161);

  Label1 =
      label(this, QStringLiteral("Label1"), QStringLiteral("Frecuencia Nominal:"), QRect(16, 12, 150, 16));
  Edit1 = entry(this, QStringLiteral("Edit1"), QRect(16, 32, 145, 24));
  Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Hz"), QRect(168, 36, 40, 16));
  Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Tau:"), QRect(16, 70, 100, 16));
  Edit2 = entry(this, QStringLiteral("Edit2"), QRect(16, 90, 145, 24));
  Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("segundos"), QRect(168, 94, 56, 16));
  Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("Fase"), QRect(170, 132, 50, 20),
                 pixelFont(14, true, true));

  connectHandler(Edit1, &Edit::OnKeyDown, this, &TForm5::Edit1OnKeyDown);
  connectHandler(Edit2, &Edit::OnKeyDown, this, &TForm5::Edit2OnKeyDown);
  Edit1->setFocus();
}

void TForm5::Edit1OnKeyDown(QObject*, KeyCode& Key, ShiftState) {
  if (Key != keys::kReturn) return;
  if (!digitsOnly(*Edit1)) return;
  Edit1->setReadOnly(true);
  phaseWindowState().nominalFrequencyHz =
      static_cast<double>(textToFloat(Edit1->text().toStdString(), decimalSeparator()));
  Edit2->setEnabled(true);
  Edit2->setFocus();
}

void TForm5::Edit2OnKeyDown(QObject*, KeyCode& Key, ShiftState) {
  if (Key != keys::kReturn) return;
  if (!digitsOnly(*Edit2)) return;
  Edit2->setReadOnly(true);
  const long double tau = std::trunc(textToFloat(Edit2->text().toStdString(), decimalSeparator()));
  // Tau is held in 32 bits: a larger count of seconds would be stored wrapped, as another
  // value, so it is refused and the entry can be typed again.
  if (tau > static_cast<long double>(std::numeric_limits<std::int32_t>::max())) {
    Edit2->setReadOnly(false);
    showMessage(QStringLiteral("Tau fuera de intervalo: '") + Edit2->text() + QStringLiteral("'. ") +
                QLatin1Char('\n') +
                QStringLiteral("Inténtelo nuevamente con un valor de hasta 2147483647 segundos."));
    Edit2->selectAll();
    return;
  }
  phaseWindowState().tauSeconds = static_cast<std::int32_t>(tau);
  setModalResult(mrOk);
  Close();
}

}  // namespace kovia
