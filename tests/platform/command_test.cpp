// Commands (tool button + menu item), the main menu's item addressing, and the form bases.
#include "platform/command.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolButton>
#include <functional>

#include "platform/form.h"
#include "platform/handler_guard.h"
#include "platform/messages.h"
#include "platform/popup_menu.h"
#include "platform/string_grid.h"
#include "platform/scripted_operator.h"

namespace kovia {
namespace {

class CommandTest : public ::testing::Test {
 protected:
  CommandTest() : scope_(op_) {
    QMenu* archivo = form_.mainMenu()->addTop(QStringLiteral("Archivo1"), QStringLiteral("&Archivo"));
    open_ = form_.mainMenu()->addItem(archivo, QStringLiteral("Salir1"), QStringLiteral("&Abrir"));
    form_.mainMenu()->addSeparatorTo(archivo);
    print_ = form_.mainMenu()->addItem(archivo, QStringLiteral("Imprimir1"), QStringLiteral("&Imprimir"));
    load_ = form_.addCommand(QStringLiteral("SpeedButton3"), QStringLiteral("Cargar Archivo de Datos|"), QIcon(), open_);
    printCmd_ = form_.addCommand(QStringLiteral("SpeedButton6"), QStringLiteral("Imprimir|Imprime el gráfico"), QIcon(), print_);
    connectHandler(load_, &Command::OnClick, &form_, [this] { ++loads_; });
  }
  ScriptedOperator op_;
  OperatorScope scope_;
  Form form_;
  QAction* open_;
  QAction* print_;
  Command* load_;
  Command* printCmd_;
  int loads_ = 0;
};

TEST_F(CommandTest, EnablesBothHalvesOrOne) {
  struct Case {
    const char* what;
    std::function<void()> change;
    bool button, menu;
  };
  const Case cases[] = {
      {"both off", [&] { printCmd_->setEnabled(false); }, false, false},
      {"button only", [&] { printCmd_->setButtonEnabled(true); }, true, false},
      {"menu only", [&] { printCmd_->setButtonEnabled(false), printCmd_->setMenuEnabled(true); }, false, true},
      {"both on", [&] { printCmd_->setEnabled(true); }, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.change();
    EXPECT_EQ(printCmd_->buttonEnabled(), c.button);
    EXPECT_EQ(printCmd_->menuEnabled(), c.menu);
    EXPECT_EQ(form_.findChild<QToolButton*>(QStringLiteral("SpeedButton6"))->isEnabled(), c.button);
    EXPECT_EQ(form_.findChild<QAction*>(QStringLiteral("Imprimir1"))->isEnabled(), c.menu);
  }
}

TEST_F(CommandTest, ButtonAndMenuItemRunOneHandlerOnlyWhileEnabled) {
  form_.findChild<QToolButton*>(QStringLiteral("SpeedButton3"))->click();
  open_->trigger();
  EXPECT_EQ(loads_, 2);
  load_->setButtonEnabled(false);
  form_.findChild<QToolButton*>(QStringLiteral("SpeedButton3"))->click();
  EXPECT_FALSE(load_->pressButton());
  EXPECT_TRUE(load_->chooseMenuItem());
  load_->setMenuEnabled(false);
  open_->trigger();
  EXPECT_FALSE(load_->chooseMenuItem());
  EXPECT_EQ(loads_, 3);
}

TEST_F(CommandTest, ToolButtonShowsItsHintWithoutTheBar) {
  auto* button = form_.findChild<QToolButton*>(QStringLiteral("SpeedButton3"));
  EXPECT_EQ(button->toolTip(), QStringLiteral("Cargar Archivo de Datos"));
  auto* printButton = form_.findChild<QToolButton*>(QStringLiteral("SpeedButton6"));
  EXPECT_EQ(printButton->toolTip(), QStringLiteral("Imprimir"));
  EXPECT_EQ(printButton->statusTip(), QStringLiteral("Imprime el gráfico"));
}

TEST_F(CommandTest, MenuItemsAreAddressedWithSeparatorsCounted) {
  EXPECT_EQ(form_.mainMenu()->objectName(), QStringLiteral("MainMenu1"));
  EXPECT_EQ(form_.mainMenu()->Items(0, 0), open_);
  EXPECT_TRUE(form_.mainMenu()->Items(0, 1)->isSeparator());
  EXPECT_EQ(form_.mainMenu()->Items(0, 2), print_);
  try {
    (void)form_.mainMenu()->Items(0, 3);
    ADD_FAILURE() << "no exception";
  } catch (const ListIndexError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (3)");
  }
  EXPECT_THROW((void)form_.mainMenu()->Items(1, 0), ListIndexError);
}

TEST_F(CommandTest, ClosingAFormHidesIt) {
  form_.setCaption(QStringLiteral("Análisis de Mediciones de Frecuencia"));
  form_.show();
  EXPECT_TRUE(form_.Close());
  EXPECT_FALSE(form_.isVisible());
  EXPECT_EQ(form_.windowTitle(), QStringLiteral("Análisis de Mediciones de Frecuencia"));
  EXPECT_EQ(form_.property("caption").toString(), form_.Caption());
}

TEST_F(CommandTest, PopupMenuItemsAreNamedAndTheirShortcutsBelongToTheirWidget) {
  StringGrid grid(&form_, QStringLiteral("StringGrid1"));
  PopupMenu menu(&form_);
  QMenu* modifica = menu.addSubmenu(QStringLiteral("Modifica1"), QStringLiteral("Modifica"));
  QMenu* extrapola = menu.addSubmenu(QStringLiteral("Extrapola1"), QStringLiteral("Extrapola"));
  PopupMenu::addItemTo(modifica, QStringLiteral("Manualmente1"), QStringLiteral("Manualmente"));
  QAction* atras = PopupMenu::addItemTo(extrapola, QStringLiteral("haciaatras1"), QStringLiteral("hacia atras"),
                                        QKeySequence(QStringLiteral("Ctrl+A")));
  QAction* agregar = menu.addItem(QStringLiteral("Agregar1"), QStringLiteral("Agregar"));
  menu.attachTo(&grid);
  int added = 0;
  connectHandler(agregar, &QAction::triggered, &form_, [&](bool) { ++added; });
  form_.findChild<QAction*>(QStringLiteral("Agregar1"))->trigger();
  EXPECT_EQ(added, 1);
  EXPECT_EQ(menu.Items(2), agregar);
  EXPECT_THROW((void)menu.Items(3), ListIndexError);
  EXPECT_EQ(grid.contextMenuPolicy(), Qt::CustomContextMenu);
  EXPECT_TRUE(grid.actions().contains(atras));
  EXPECT_EQ(atras->shortcutContext(), Qt::WidgetWithChildrenShortcut);
}

}  // namespace
}  // namespace kovia
