#include "charts/Fuente_kovia.h"

#include <QGuiApplication>

#include "platform/handler_guard.h"

namespace kovia {

namespace {

QPlainTextEdit* titleMemo(QWidget* parent, const QString& name, const QRect& rect) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setGeometry(rect);
  memo->setFrameStyle(QFrame::NoFrame);  // borderless, on the field colour
  memo->setTabChangesFocus(true);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The memos are filled from the active chart when the titles command shows the dialog.
  memo->setEnabled(false);
  return memo;
}

QLabel* memoLabel(QWidget* parent, const QString& name, const QString& text, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(14, top, 200, 16);
  return label;
}

}  // namespace

TForm10::TForm10(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Títulos"));

  GroupBox1 = new QGroupBox(QStringLiteral("Títulos del Gráfico"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(10, 10, 300, 232);
  Label1 = memoLabel(GroupBox1, QStringLiteral("Label1"), QStringLiteral(" Título"), 24);
  Memo1 = titleMemo(GroupBox1, QStringLiteral("Memo1"), QRect(14, 42, 272, 52));
  Label2 = memoLabel(GroupBox1, QStringLiteral("Label2"), QStringLiteral("Eje \"X\""), 102);
  Memo2 = titleMemo(GroupBox1, QStringLiteral("Memo2"), QRect(14, 120, 272, 30));
  Label3 = memoLabel(GroupBox1, QStringLiteral("Label3"), QStringLiteral("Eje \"Y\""), 158);
  Memo3 = titleMemo(GroupBox1, QStringLiteral("Memo3"), QRect(14, 176, 272, 30));

  // The buttons sit beside the group.
  BitBtn3 = new BitBtn(this, QStringLiteral("BitBtn3"), QStringLiteral("Color"));
  BitBtn3->setGeometry(322, 18, 88, 28);
  // The title colour is built with the titles command.
  BitBtn3->setEnabled(false);
  BitBtn1 = new BitBtn(this, QStringLiteral("BitBtn1"), QStringLiteral("Aceptar"));
  BitBtn1->setGeometry(322, 54, 88, 28);
  BitBtn1->setDefault(true);
  connectHandler(BitBtn1, &Button::OnClick, this, &TForm10::BitBtn1Click);
  setFixedSize(420, 252);
}

void TForm10::BitBtn1Click(QObject*) {
  Close();
}

}  // namespace kovia
