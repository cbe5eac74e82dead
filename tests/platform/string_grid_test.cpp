// The string grid: cell bytes, out-of-range reads, column clearing and filling, the
// cell-selection path, keys from the cell editor, and coalesced view notifications.
#include "platform/string_grid.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/handler_guard.h"
#include "platform/messages.h"
#include "platform/scripted_operator.h"

namespace kovia {
namespace {

class StringGridTest : public ::testing::Test {
 protected:
  StringGridTest() : scope_(op_) {
    grid_.setColCount(2);
    grid_.setRowCount(4);
  }
  ScriptedOperator op_;
  OperatorScope scope_;
  StringGrid grid_{nullptr, QStringLiteral("StringGrid1")};
};

TEST_F(StringGridTest, KeepsCellBytesAndDecodesThemForDisplay) {
  grid_.setCell(1, 2, "caf\xE9 1,5");
  EXPECT_EQ(grid_.Cells(1, 2), "caf\xE9 1,5");
  EXPECT_EQ(grid_.displayText(1, 2), QStringLiteral("café 1,5"));
  EXPECT_EQ(grid_.model()->data(grid_.model()->index(2, 1)).toString(), QStringLiteral("café 1,5"));
  // A program text goes in as Windows-1252 bytes.
  grid_.setCellText(0, 0, QStringLiteral("Desviación"));
  EXPECT_EQ(grid_.Cells(0, 0), "Desviaci\xF3n");
  // Overwriting with a longer and a shorter text keeps the neighbours intact.
  grid_.setCell(1, 1, "x");
  grid_.setCell(1, 1, "a much longer text than before");
  grid_.setCell(1, 1, "ab");
  EXPECT_EQ(grid_.Cells(1, 1), "ab");
  EXPECT_EQ(grid_.Cells(1, 2), "caf\xE9 1,5");
  EXPECT_EQ(grid_.objectName(), QStringLiteral("StringGrid1"));
}

TEST_F(StringGridTest, ReadsOutsideTheGrid) {
  grid_.setCell(1, 3, "7");
  struct Case {
    int col, row;
    const char* error;  // nullptr: reads as empty text
  };
  const Case cases[] = {
      {1, -1, "List index out of bounds (-1)"},
      {0, -5, "List index out of bounds (-5)"},
      {-1, 0, "List index out of bounds (-1)"},
      {1, 4, nullptr},
      {1, 1000000, nullptr},
      {2, 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "col " << c.col << " row " << c.row);
    if (c.error == nullptr) {
      EXPECT_EQ(grid_.Cells(c.col, c.row), "");
      continue;
    }
    try {
      (void)grid_.Cells(c.col, c.row);
      ADD_FAILURE() << "no exception";
    } catch (const std::out_of_range& e) {
      EXPECT_STREQ(e.what(), c.error);
    }
  }
}

TEST_F(StringGridTest, WritesOutsideTheGridAreRefusedNotDropped) {
  EXPECT_THROW(grid_.setCell(0, 4, "x"), std::out_of_range);
  EXPECT_THROW(grid_.setCell(2, 0, "x"), std::out_of_range);
  EXPECT_THROW(grid_.setCell(0, -1, "x"), ListIndexError);
  EXPECT_EQ(grid_.RowCount(), 4);
}

TEST_F(StringGridTest, ShrinkingDropsRowsSoAReloadLeavesNoOldRow) {
  for (int r = 0; r < 4; ++r) grid_.setCell(1, r, std::string("old").append(std::to_string(r)));
  grid_.setRowCount(2);
  grid_.setCell(1, 0, "new0");
  grid_.setRowCount(4);
  EXPECT_EQ(grid_.Cells(1, 0), "new0");
  EXPECT_EQ(grid_.Cells(1, 1), "old1");
  EXPECT_EQ(grid_.Cells(1, 2), "");
  EXPECT_EQ(grid_.Cells(1, 3), "");
}

TEST_F(StringGridTest, ClearColumnEmptiesOneColumnAndKeepsTheRowCount) {
  for (int r = 0; r < 4; ++r) {
    grid_.setCell(0, r, std::to_string(r + 1));
    grid_.setCell(1, r, std::string("v").append(std::to_string(r)));
  }
  grid_.clearColumn(1);
  EXPECT_EQ(grid_.RowCount(), 4);
  EXPECT_EQ(grid_.columnTexts(1), std::vector<std::string>(4));
  EXPECT_EQ(grid_.columnTexts(0), (std::vector<std::string>{"1", "2", "3", "4"}));
  grid_.setCell(1, 2, "again");
  EXPECT_EQ(grid_.Cells(1, 2), "again");
  grid_.clearColumn(7);  // a column past the end has nothing to clear
}

TEST_F(StringGridTest, SetColumnFillsWholeOrPartColumns) {
  GridColumn whole;
  for (const char* t : {"a", "", "ccc", "d"}) whole.append(t);
  grid_.setColumn(1, std::move(whole));
  EXPECT_EQ(grid_.columnTexts(1), (std::vector<std::string>{"a", "", "ccc", "d"}));

  GridColumn part;
  part.append("x");
  part.append("y");
  grid_.setColumn(1, std::move(part), 2);
  EXPECT_EQ(grid_.columnTexts(1), (std::vector<std::string>{"a", "", "x", "y"}));

  GridColumn tooLong;
  for (int i = 0; i < 3; ++i) tooLong.append("z");
  EXPECT_THROW(grid_.setColumn(1, std::move(tooLong), 2), std::out_of_range);
  EXPECT_EQ(grid_.Cells(1, 3), "y");
}

TEST_F(StringGridTest, ManyOverwritesKeepEveryCell) {
  // Overwrites grow the column's byte arena until it is compacted; no cell may suffer.
  grid_.setRowCount(300);
  for (int round = 0; round < 40; ++round) {
    for (int r = 0; r < 300; ++r) grid_.setCell(1, r, std::string(static_cast<std::size_t>(10 + round), static_cast<char>('a' + r % 26)));
  }
  for (int r = 0; r < 300; ++r) EXPECT_EQ(grid_.Cells(1, r), std::string(49, static_cast<char>('a' + r % 26))) << r;
}

TEST_F(StringGridTest, FixedRowIsTheFrozenHeaderAndNeverCurrent) {
  grid_.setFixedRows(1);
  grid_.setCellText(1, 0, QStringLiteral("       Valor   "));
  EXPECT_EQ(grid_.model()->rowCount(), 3);
  EXPECT_EQ(grid_.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("       Valor   "));
  EXPECT_EQ(grid_.Row(), 1);
  EXPECT_THROW(grid_.setRow(0), std::out_of_range);
  EXPECT_EQ(grid_.Cells(1, 0), "       Valor   ");
}

TEST_F(StringGridTest, SelectCellHandlerRunsBeforeTheCurrentRowMoves) {
  std::vector<std::pair<int, int>> seen;  // (row asked for, current row at that moment)
  QObject::connect(&grid_, &StringGrid::OnSelectCell, [&](int, int row, bool&) { seen.emplace_back(row, grid_.Row()); });
  grid_.setRow(2);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], std::make_pair(2, 0));
  EXPECT_EQ(grid_.Row(), 2);
  EXPECT_EQ(grid_.currentIndex().row(), 2);

  EXPECT_TRUE(grid_.userSelectCell(0, 3));
  EXPECT_EQ(seen.back(), std::make_pair(3, 2));
  EXPECT_EQ(grid_.Row(), 3);
  EXPECT_EQ(grid_.Col(), 0);
}

TEST_F(StringGridTest, ClicksAndCursorKeysGoThroughTheSelectionPath) {
  grid_.resize(300, 200);
  grid_.show();
  std::vector<std::pair<int, int>> seen;  // (row asked for, current row at that moment)
  bool allow = true;
  QObject::connect(&grid_, &StringGrid::OnSelectCell, [&](int, int row, bool& canSelect) {
    seen.emplace_back(row, grid_.Row());
    canSelect = allow;
  });
  const QRect cell = grid_.visualRect(grid_.model()->index(2, 1));
  QTest::mouseClick(grid_.viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(seen.back(), std::make_pair(2, 0));
  EXPECT_EQ(grid_.Row(), 2);
  EXPECT_EQ(grid_.Col(), 1);
  QTest::keyClick(&grid_, Qt::Key_Down);
  EXPECT_EQ(seen.back(), std::make_pair(3, 2));
  EXPECT_EQ(grid_.Row(), 3);
  allow = false;
  QTest::keyClick(&grid_, Qt::Key_Up);
  QTest::mouseClick(grid_.viewport(), Qt::LeftButton, {}, grid_.visualRect(grid_.model()->index(0, 0)).center());
  EXPECT_EQ(seen.size(), 4u);
  EXPECT_EQ(grid_.Row(), 3);
  EXPECT_EQ(grid_.Col(), 1);
}

TEST_F(StringGridTest, SelectCellHandlerCanRefuseOrFailAndTheRowStays) {
  bool refuse = true;
  QObject::connect(&grid_, &StringGrid::OnSelectCell, [&](int, int row, bool& canSelect) {
    if (row == 3) throw std::runtime_error("falla");
    canSelect = !refuse;
  });
  grid_.setRow(1);
  EXPECT_EQ(grid_.Row(), 0);
  refuse = false;
  grid_.setRow(1);
  EXPECT_EQ(grid_.Row(), 1);
  // Raised by the program, the failure reaches the caller; raised by the operator, the
  // error box shows it. The row stays either way.
  EXPECT_THROW(grid_.setRow(3), std::runtime_error);
  EXPECT_FALSE(grid_.userSelectCell(1, 3));
  EXPECT_EQ(grid_.Row(), 1);
  EXPECT_EQ(op_.texts(ScriptedOperator::MessageKind::Error), QStringList{QStringLiteral("falla")});
}

TEST_F(StringGridTest, EnterInTheCellEditorReachesTheKeyHandlerWithTheTypedText) {
  grid_.setEditing(true);
  grid_.resize(300, 200);
  grid_.show();
  grid_.setRow(1);
  grid_.setCol(1);
  std::vector<KeyCode> keys;
  std::string cellAtEnter;
  QObject::connect(&grid_, &StringGrid::OnKeyDown, [&](KeyCode& key, ShiftState) {
    keys.push_back(key);
    if (key == keys::kReturn) cellAtEnter = grid_.Cells(1, 1);
  });
  QSignalSpy edited(&grid_, &StringGrid::OnSetEditText);
  grid_.edit(grid_.currentIndex());
  auto* editor = grid_.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("25é"));
  QTest::keyClick(editor, Qt::Key_Return);
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys.back(), keys::kReturn);
  EXPECT_EQ(cellAtEnter, "25\xE9");
  EXPECT_EQ(edited.count(), 1);
  EXPECT_EQ(grid_.Cells(1, 1), "25\xE9");

  // Enter on the grid itself (no editor open) reaches the same handler.
  keys.clear();
  QTest::keyClick(&grid_, Qt::Key_Return);
  EXPECT_EQ(keys, std::vector<KeyCode>{keys::kReturn});
}

TEST_F(StringGridTest, OperatorTypingNeedsEditingAndAWritableCell) {
  EXPECT_FALSE(grid_.userTypeCell(1, 1, QStringLiteral("9")));
  grid_.setEditing(true);
  grid_.setFixedRows(1);
  EXPECT_FALSE(grid_.userTypeCell(1, 0, QStringLiteral("9")));  // fixed header row
  EXPECT_TRUE(grid_.userTypeCell(1, 1, QStringLiteral("9")));
  EXPECT_EQ(grid_.Cells(1, 1), "9");
  grid_.setEnabled(false);
  EXPECT_FALSE(grid_.userTypeCell(1, 1, QStringLiteral("8")));
}

TEST_F(StringGridTest, WritesReachTheViewOncePerEventLoopTurn) {
  grid_.setRowCount(1000);
  QSignalSpy changed(grid_.model(), &QAbstractItemModel::dataChanged);
  for (int r = 0; r < 1000; ++r) grid_.setCell(1, r, std::to_string(r));
  EXPECT_EQ(changed.count(), 0);
  QApplication::processEvents();
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex().row(), 0);
  EXPECT_EQ(changed[0][1].toModelIndex().row(), 999);

  QSignalSpy reset(grid_.model(), &QAbstractItemModel::modelReset);
  grid_.beginUpdate();
  grid_.setRowCount(5000);
  for (int r = 0; r < 5000; ++r) grid_.setCell(0, r, "n");
  grid_.endUpdate();
  QApplication::processEvents();
  EXPECT_EQ(reset.count(), 1);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(grid_.model()->rowCount(), 5000);
}

TEST_F(StringGridTest, ShrinkingBelowTheCurrentRowClampsIt) {
  grid_.setRowCount(10);
  grid_.setRow(8);
  grid_.setRowCount(3);
  EXPECT_EQ(grid_.Row(), 2);
  grid_.setRowCount(0);
  EXPECT_EQ(grid_.Row(), 0);
  EXPECT_EQ(grid_.Cells(1, 0), "");
}

}  // namespace
}  // namespace kovia
