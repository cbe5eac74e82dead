// The desktop operator's set-up: Qt's own dialogs in Spanish and the filter notation.
#include "platform/qt_operator.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include "platform/file_dialogs.h"

namespace kovia {
namespace {

TEST(QtOperator, QtsOwnTextsAreSpanishOnceTheTranslationIsInstalled) {
  ASSERT_TRUE(installSpanishTranslations(*qApp));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
}

TEST(QtOperator, WithoutAScreenADialogFailsLoudlyInsteadOfWaiting) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
  QtOperator op;
  OperatorScope scope(op);
  OpenDialog open;
  try {
    open.Execute();
    ADD_FAILURE() << "no exception";
  } catch (const UnexpectedDialog& e) {
    EXPECT_EQ(e.kind(), DialogKind::Open);
  }
  SaveDialog save;
  EXPECT_THROW(save.Execute(), UnexpectedDialog);
  EXPECT_THROW(op.chooseColor(0), UnexpectedDialog);
  op.message(QStringLiteral("No se puede abrir archivo"));  // returns at once
}

TEST(QtOperator, FilterNotationBecomesQtNameFilters) {
  EXPECT_EQ(qtNameFilters(QStringLiteral("Texto|*.txt|Datos|*.dat|Todos|*.*")),
            (QStringList{QStringLiteral("Texto (*.txt)"), QStringLiteral("Datos (*.dat)"), QStringLiteral("Todos (*.*)")}));
  EXPECT_EQ(qtNameFilters(QStringLiteral("Texto|*.txt;*.dat|hora|*.0;*.1;*.10s")),
            (QStringList{QStringLiteral("Texto (*.txt *.dat)"), QStringLiteral("hora (*.0 *.1 *.10s)")}));
  EXPECT_TRUE(qtNameFilters(QString()).isEmpty());
}

}  // namespace
}  // namespace kovia
