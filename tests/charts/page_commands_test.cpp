#include "charts/page_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QToolButton>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/number_text.h"
#include "platform/chart/chart.h"
#include "platform/command.h"
#include "platform/regional_settings.h"
#include "platform/string_grid.h"

namespace kovia {
namespace {

// Compact notation of a command state, in menu order: open, point colour, Avar colour,
// line, move left, up, down, right, zoom in, out, reset, minor grid. 'E' = enabled.
ChartCommandStates states(std::string_view e) {
  auto on = [&](std::size_t i) { return e.at(i) == 'E'; };
  return ChartCommandStates{on(0), on(1), on(2), on(3), on(4),  on(5),
                            on(6), on(7), on(8), on(9), on(10), on(11)};
}

constexpr std::string_view kOnlyOpen = "E-----------";
constexpr std::string_view kNothing = "------------";
constexpr std::string_view kDataPage = "EE-EEEEEEEE-";
constexpr std::string_view kResultPage = "-E-EEEEEEEE-";
constexpr std::string_view kResidualsPage = "-E--EEEEEEE-";
constexpr std::string_view kAllanPage = "--E--EE----E";

TEST(PageCommandsTest, FrequencyWindowRules) {
  struct Case {
    int page;
    bool data, deviation, allan;  // pending flags
    std::string_view expected;
  };
  const Case cases[] = {
      // Before any load.
      {0, true, true, true, kOnlyOpen},
      {1, true, true, true, kNothing},
      {2, true, true, true, kNothing},
      // Loaded, deviation not computed yet.
      {0, false, true, true, kDataPage},
      {1, false, true, true, kNothing},
      {2, false, true, true, kNothing},
      // Deviation computed.
      {1, false, false, true, kResultPage},
      {2, false, false, true, kNothing},
      // Allan deviation computed.
      {0, false, false, false, kDataPage},
      {1, false, false, false, kResultPage},
      {2, false, false, false, kAllanPage},
      // The Allan page asks only for its own stage.
      {2, true, true, false, kAllanPage},
      // The deviation flag alone does not enable page 1.
      {1, true, false, false, kNothing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("page " + std::to_string(c.page) + " pending " + std::to_string(c.data) +
                 std::to_string(c.deviation) + std::to_string(c.allan));
    EXPECT_EQ(frequencyPageCommands(c.page, c.data, c.deviation, c.allan), states(c.expected));
  }
}

TEST(PageCommandsTest, PhaseWindowRules) {
  struct Case {
    int page;
    bool data, accumulation, residuals, allan;  // pending flags
    std::string_view expected;
  };
  const Case cases[] = {
      // Before any load.
      {0, true, true, true, true, kOnlyOpen},
      {1, true, true, true, true, kNothing},
      {2, true, true, true, true, kNothing},
      {3, true, true, true, true, kNothing},
      // Loaded only.
      {0, false, true, true, true, kDataPage},
      {1, false, true, true, true, kNothing},
      {2, false, true, true, true, kNothing},
      // Every stage done: the residuals page leaves line on/off disabled.
      {0, false, false, false, false, kDataPage},
      {1, false, false, false, false, kResultPage},
      {2, false, false, false, false, kResidualsPage},
      {3, false, false, false, false, kAllanPage},
      // Each result page asks for the data as well as its own stage, except the Allan page.
      {1, true, false, false, false, kNothing},
      {2, true, false, false, false, kNothing},
      {2, false, true, false, true, kResidualsPage},
      {3, true, true, true, false, kAllanPage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("page " + std::to_string(c.page) + " pending " + std::to_string(c.data) +
                 std::to_string(c.accumulation) + std::to_string(c.residuals) + std::to_string(c.allan));
    EXPECT_EQ(phasePageCommands(c.page, c.data, c.accumulation, c.residuals, c.allan), states(c.expected));
  }
}

// Twelve commands, each a tool button with its menu item.
class CommandSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 12; ++i) {
      buttons_.push_back(std::make_unique<QToolButton>());
      items_.push_back(std::make_unique<QAction>());
      commands_.push_back(std::make_unique<Command>(buttons_.back().get(), items_.back().get()));
    }
    auto c = [&](std::size_t i) { return commands_[i].get(); };
    set_ = ChartCommandSet{c(0), c(1), c(2), c(3), c(4), c(5), c(6), c(7), c(8), c(9), c(10), c(11)};
  }
  // The state each command shows, as "E-…": 'E' when button and item are both enabled,
  // '-' when both are disabled, '?' when they disagree.
  std::string shown() const {
    std::string out;
    for (const auto& command : commands_) {
      const bool b = command->buttonEnabled();
      const bool m = command->menuEnabled();
      out += b != m ? '?' : (b ? 'E' : '-');
    }
    return out;
  }
  std::vector<std::unique_ptr<QToolButton>> buttons_;
  std::vector<std::unique_ptr<QAction>> items_;
  std::vector<std::unique_ptr<Command>> commands_;
  ChartCommandSet set_;
};

TEST_F(CommandSetTest, ApplySetsButtonAndMenuItemOfEachCommandInMenuOrder) {
  // A loaded phase window on its residuals page, after the residuals computation enabled
  // line on/off: changing page disables it again.
  for (auto& command : commands_) command->setEnabled(true);
  commands_[0]->setButtonEnabled(false);  // halves that disagree are set together
  applyPageCommands(set_, phasePageCommands(2, false, false, false, true));
  EXPECT_EQ(shown(), kResidualsPage);

  applyPageCommands(set_, frequencyPageCommands(2, false, false, false));
  EXPECT_EQ(shown(), kAllanPage);
  applyPageCommands(set_, frequencyPageCommands(0, true, true, true));
  EXPECT_EQ(shown(), kOnlyOpen);
}

TEST_F(CommandSetTest, AMissingCommandChangesNothing) {
  ChartCommandSet incomplete = set_;
  incomplete.minorGrid = nullptr;
  EXPECT_THROW(applyPageCommands(incomplete, frequencyPageCommands(0, false, false, false)),
               std::invalid_argument);
  EXPECT_EQ(shown(), std::string(12, 'E'));
}

// A data chart with its points series and its line series, 20 points each, and a third
// series elsewhere; the grid has a header row, like the phase window's grids.
class PointClickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    points_ = chart_.addSeries(QStringLiteral("Series1"), SeriesKind::Point);
    line_ = chart_.addSeries(QStringLiteral("Series7"), SeriesKind::Line);
    other_ = chart_.addSeries(QStringLiteral("Series9"), SeriesKind::Point);
    for (int i = 0; i < 20; ++i) {
      points_->addY(i * i);
      line_->addY(i * i);
    }
    other_->addXY(2.0, 300.0);
    chart_.resize(500, 360);

    grid_.setRowCount(21);
    grid_.setColCount(3);
    grid_.setFixedRows(1);
    grid_.moveCurrent(2, 1);
    QObject::connect(&grid_, &StringGrid::OnSelectCell, [this](int col, int row, bool&) {
      selected_.push_back({col, row, grid_.Row()});
    });
  }
  struct Selection {
    int col, row, rowBefore;
  };
  Chart chart_;
  Series* points_ = nullptr;
  Series* line_ = nullptr;
  Series* other_ = nullptr;
  StringGrid grid_;
  std::vector<Selection> selected_;
};

TEST_F(PointClickTest, SelectsTheRowOfThePointOfTheSeriesOnShow) {
  EXPECT_EQ(seriesOnShow(points_, line_, true, true), points_);
  EXPECT_EQ(seriesOnShow(points_, line_, false, true), line_);
  EXPECT_EQ(seriesOnShow(points_, line_, false, false), nullptr);

  Series* shown = seriesOnShow(points_, line_, false, true);
  const QPoint pixel = shown->pointPixel(13);
  EXPECT_EQ(clickedPointRow(shown, pixel, 0), 13);  // grids without a header row
  ASSERT_TRUE(selectClickedPoint(grid_, shown, pixel, 1));
  EXPECT_EQ(grid_.Row(), 14);
  EXPECT_EQ(grid_.Col(), 2);
  // The grid's select handler ran first, for the current column and the new row.
  ASSERT_EQ(selected_.size(), 1u);
  EXPECT_EQ(selected_[0].col, 2);
  EXPECT_EQ(selected_[0].row, 14);
  EXPECT_EQ(selected_[0].rowBefore, 1);
}

TEST_F(PointClickTest, APixelWithoutAPointOfTheSeriesOnShowLeavesTheGrid) {
  const QPoint pixels[] = {other_->pointPixel(0), QPoint(2, 2)};
  for (const QPoint& pixel : pixels) {
    ASSERT_EQ(line_->pointAt(pixel), -1);
    EXPECT_EQ(clickedPointRow(line_, pixel, 1), std::nullopt);
    EXPECT_FALSE(selectClickedPoint(grid_, line_, pixel, 1));
  }
  EXPECT_FALSE(selectClickedPoint(grid_, nullptr, points_->pointPixel(3), 1));
  EXPECT_EQ(grid_.Row(), 1);
  EXPECT_TRUE(selected_.empty());
}

// The user's separator is ',' while a re-plot test runs.
class ReplotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = decimalSeparator();
    setDecimalSeparator(',');
    series_ = chart_.addSeries(QStringLiteral("Series5"), SeriesKind::Point);
    series_->addY(99.0, QString(), colors::kLime);  // left from an earlier plot
  }
  void TearDown() override { setDecimalSeparator(saved_); }
  void fill(std::vector<std::string> column1, int firstRow) {
    grid_.setRowCount(firstRow + static_cast<int>(column1.size()));
    for (std::size_t i = 0; i < column1.size(); ++i)
      grid_.setCell(1, firstRow + static_cast<int>(i), column1[i]);
  }
  std::vector<double> ys() const { return series_->ys(); }
  char saved_ = '.';
  Chart chart_;
  Series* series_ = nullptr;
  StringGrid grid_;
};

TEST_F(ReplotTest, DeviationsFromRowsZeroToLineCountMinusTwoInThePointColour) {
  // Five readings, five grid rows; the last row is not plotted, as in the computation.
  fill({"2,5", " -0,125 ", "3E-2", "1", "7"}, 0);
  const Color pointColor = 0x00123456;
  replotDeviations(*series_, grid_, 5, pointColor);
  ASSERT_EQ(series_->count(), 4);
  EXPECT_EQ(ys(), (std::vector<double>{2.5, -0.125, 0.03, 1.0}));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(series_->xValue(i), i);
    EXPECT_EQ(series_->color(i), pointColor);
    EXPECT_TRUE(series_->label(i).isEmpty());
  }

  // An edited cell moves its point.
  grid_.setCell(1, 1, "4,75");
  replotDeviations(*series_, grid_, 5, pointColor);
  EXPECT_EQ(series_->yValue(1), 4.75);

  // Fewer than two readings plot nothing.
  replotDeviations(*series_, grid_, 1, pointColor);
  EXPECT_EQ(series_->count(), 0);
}

TEST_F(ReplotTest, AccumulatedPhaseFromRowOneInPureBlueWithMarksHidden) {
  fill({"Fase", "0", "0,5", "1,5"}, 0);  // row 0 is the header
  series_->setMarksVisible(true);
  replotAccumulatedPhase(*series_, grid_);
  EXPECT_EQ(ys(), (std::vector<double>{0.0, 0.5, 1.5}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(series_->color(i), 0x00FF0000u);
  EXPECT_FALSE(series_->marksVisible());
}

TEST_F(ReplotTest, ACellThatDoesNotConvertStopsTheReplotKeepingThePointsBeforeIt) {
  struct Case {
    const char* name;
    std::vector<std::string> cells;  // column 1 from row 0
    bool phase;
    std::string message;
    std::vector<double> kept;
  };
  const Case cases[] = {
      {"deviation, dot separator",
       {"1,5", "2,5", "3.5", "4"},
       false,
       "'3.5' is not a valid floating point value",
       {1.5, 2.5}},
      {"deviation, emptied cell", {"", "1"}, false, "'' is not a valid floating point value", {}},
      {"phase, thousands separator",
       {"h", "1", "1.000,5", "2"},
       true,
       "'1.000,5' is not a valid floating point value",
       {1.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    series_->clear();
    series_->addY(99.0);
    fill(c.cells, 0);
    try {
      if (c.phase) {
        replotAccumulatedPhase(*series_, grid_);
      } else {
        replotDeviations(*series_, grid_, static_cast<int>(c.cells.size()) + 1, colors::kRed);
      }
      ADD_FAILURE() << "no conversion error";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(ys(), c.kept);
  }
}

}  // namespace
}  // namespace kovia
