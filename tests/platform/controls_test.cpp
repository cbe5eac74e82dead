// Events raised by the program itself and by the operator, per control type.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <stdexcept>

#include "platform/choice_controls.h"
#include "platform/edit_controls.h"
#include "platform/handler_guard.h"
#include "platform/misc_controls.h"
#include "platform/scripted_operator.h"

namespace kovia {
namespace {

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() : scope_(op_) {}
  QStringList errors() const { return op_.texts(ScriptedOperator::MessageKind::Error); }
  ScriptedOperator op_;
  OperatorScope scope_;
  QObject context_;
};

TEST_F(ControlsTest, ProgramChangesRunTheHandlersTheWindowsRelyOn) {
  RadioGroup group(nullptr, QStringLiteral("RadioGroup1"), QStringLiteral("Unidades"));
  group.setItems({QStringLiteral("Grados"), QStringLiteral("Tiempo")});
  CheckBox box(nullptr, QStringLiteral("CheckBox1"));
  Edit edit(nullptr, QStringLiteral("Edit1"));
  ComboBox combo(nullptr, QStringLiteral("ComboBox1"));
  combo.setItems({QString(), QStringLiteral("-180 A 180"), QStringLiteral("0 A 360")});
  PageControl pages(nullptr, QStringLiteral("PageControl1"));
  pages.addPage(QStringLiteral("TabSheet1"), QStringLiteral("Datos Originales"));
  pages.addPage(QStringLiteral("TabSheet2"), QStringLiteral("Fase Acumulada"));

  int groupClicks = 0, boxClicks = 0, editChanges = 0, comboChanges = 0, pageChanges = 0;
  int indexSeen = -2;
  connectHandler(&group, &RadioGroup::OnClick, &context_, [&] { ++groupClicks, indexSeen = group.ItemIndex(); });
  connectHandler(&box, &CheckBox::OnClick, &context_, [&] { ++boxClicks; });
  connectHandler(&edit, &Edit::OnChange, &context_, [&] { ++editChanges; });
  connectHandler(&combo, &ComboBox::OnChange, &context_, [&] { ++comboChanges; });
  connectHandler(&pages, &PageControl::OnChange, &context_, [&] { ++pageChanges; });

  struct Case {
    const char* what;
    std::function<void()> action;
    int* counter;
    int expected;  // handler runs caused by the action
  };
  const Case cases[] = {
      {"radio group: new item", [&] { group.setItemIndex(1); }, &groupClicks, 1},
      {"radio group: same item", [&] { group.setItemIndex(1); }, &groupClicks, 0},
      {"radio group: no item", [&] { group.setItemIndex(-1); }, &groupClicks, 0},
      {"radio group: item again", [&] { group.setItemIndex(0); }, &groupClicks, 1},
      {"check box: tick", [&] { box.setChecked(true); }, &boxClicks, 1},
      {"check box: tick again", [&] { box.setChecked(true); }, &boxClicks, 0},
      {"check box: untick", [&] { box.setChecked(false); }, &boxClicks, 1},
      {"edit: new text", [&] { edit.setText("10000000"); }, &editChanges, 1},
      {"edit: same text", [&] { edit.setText("10000000"); }, &editChanges, 0},
      {"combo box: program selection", [&] { combo.setItemIndex(2); }, &comboChanges, 0},
      {"combo box: operator selection", [&] { combo.userSelect(1); }, &comboChanges, 1},
      {"page control: program page", [&] { pages.setActivePageIndex(1); }, &pageChanges, 0},
      {"page control: operator page", [&] { pages.userSelectPage(0); }, &pageChanges, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int before = *c.counter;
    c.action();
    EXPECT_EQ(*c.counter - before, c.expected);
  }
  EXPECT_EQ(indexSeen, 0);  // the handler sees the new index
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(pages.ActivePageIndex(), 0);
  EXPECT_TRUE(errors().isEmpty());
}

TEST_F(ControlsTest, AHandlerFailureReachesTheProgramButIsShownForTheOperator) {
  RadioGroup group;
  group.setItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  connectHandler(&group, &RadioGroup::OnClick, &context_, [] { throw std::runtime_error("sin datos"); });
  EXPECT_THROW(group.setItemIndex(1), std::runtime_error);
  EXPECT_TRUE(errors().isEmpty());
  EXPECT_FALSE(group.userChoose(2));
  EXPECT_EQ(errors(), QStringList{QStringLiteral("sin datos")});
  EXPECT_EQ(group.ItemIndex(), 2);  // the item was checked before the handler ran
}

TEST_F(ControlsTest, DisabledControlsIgnoreTheOperator) {
  RadioGroup group;
  group.setItems({QStringLiteral("a"), QStringLiteral("b")});
  CheckBox box;
  Edit edit;
  ScrollBar bar(Qt::Vertical);
  Button button;
  int runs = 0;
  for (QWidget* w : std::initializer_list<QWidget*>{&group, &box, &edit, &bar, &button}) w->setEnabled(false);
  connectHandler(&group, &RadioGroup::OnClick, &context_, [&] { ++runs; });
  connectHandler(&button, &Button::OnClick, &context_, [&] { ++runs; });
  EXPECT_FALSE(group.userChoose(1));
  EXPECT_FALSE(box.userTick(true));
  EXPECT_FALSE(edit.userType(QStringLiteral("x")));
  EXPECT_FALSE(bar.userScroll(10));
  EXPECT_FALSE(button.userClick());
  button.click();
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(group.ItemIndex(), -1);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(bar.Position(), 0);

  Edit readOnly;
  readOnly.setReadOnly(true);
  EXPECT_FALSE(readOnly.userType(QStringLiteral("x")));
  EXPECT_TRUE(readOnly.text().isEmpty());
}

TEST_F(ControlsTest, EditDeliversEnterToItsKeyHandler) {
  Edit edit;
  std::vector<KeyCode> keys;
  connectHandler(&edit, &Edit::OnKeyDown, &context_, [&](KeyCode& key, ShiftState) { keys.push_back(key); });
  QTest::keyClicks(&edit, QStringLiteral("12"));
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_EQ(keys, (std::vector<KeyCode>{'1', '2', keys::kReturn}));
  EXPECT_EQ(edit.Text(), "12");
  EXPECT_TRUE(edit.userKeyDown(keys::kReturn));
  EXPECT_EQ(keys.back(), keys::kReturn);
}

TEST_F(ControlsTest, ScrollBarReportsTheNewPositionOnEveryOperatorMove) {
  ScrollBar bar(Qt::Horizontal, nullptr, QStringLiteral("ScrollBar1"));
  EXPECT_EQ(bar.Min(), -90);
  EXPECT_EQ(bar.Max(), 90);
  std::vector<std::pair<int, int>> seen;  // (position passed, Position() at that moment)
  int changes = 0;
  connectHandler(&bar, &ScrollBar::OnScroll, &context_, [&](ScrollCode, int& pos) { seen.emplace_back(pos, bar.Position()); });
  connectHandler(&bar, &ScrollBar::OnChange, &context_, [&] { ++changes; });
  EXPECT_TRUE(bar.userScroll(30));
  EXPECT_TRUE(bar.userScroll(500));
  bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{30, 30}, {90, 90}, {89, 89}}));
  bar.setPosition(-10);  // the program: change event only
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(bar.Position(), -10);
}

TEST_F(ControlsTest, UpDownAsksBeforeMovingWrapsAndWritesItsField) {
  Edit field(nullptr, QStringLiteral("Edit8"));
  UpDown updown(nullptr, QStringLiteral("UpDown1"));
  updown.setWrap(true);
  updown.setAssociate(&field);
  EXPECT_EQ(field.Text(), "0");
  struct Seen {
    int newValue, positionBefore;
  };
  std::vector<Seen> seen;
  int fieldChanges = 0;
  connectHandler(&updown, &UpDown::OnChangingEx, &context_,
                 [&](bool&, int newValue, UpDownDirection) { seen.push_back({newValue, updown.Position()}); });
  connectHandler(&field, &Edit::OnChange, &context_, [&] { ++fieldChanges; });

  EXPECT_TRUE(updown.userClick(UpDownDirection::Down));  // 0 wraps to 100
  EXPECT_EQ(updown.Position(), 100);
  EXPECT_EQ(field.Text(), "100");
  EXPECT_TRUE(updown.userClick(UpDownDirection::Up));  // 100 wraps to 0
  EXPECT_EQ(updown.Position(), 0);
  field.userType(QStringLiteral("2"));  // typed: the next step starts from it
  EXPECT_TRUE(updown.userClick(UpDownDirection::Up));
  EXPECT_EQ(field.Text(), "3");
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].newValue, 100);
  EXPECT_EQ(seen[0].positionBefore, 0);
  EXPECT_EQ(seen[2].newValue, 3);
  EXPECT_EQ(fieldChanges, 4);

  // A refused change leaves position and field alone.
  connectHandler(&updown, &UpDown::OnChangingEx, &context_, [](bool& allow, int, UpDownDirection) { allow = false; });
  EXPECT_TRUE(updown.userClick(UpDownDirection::Up));
  EXPECT_EQ(updown.Position(), 3);
  EXPECT_EQ(field.Text(), "3");
}

}  // namespace
}  // namespace kovia
