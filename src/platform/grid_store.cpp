#include "platform/grid_store.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace kovia {

namespace {

constexpr std::size_t kArenaLimit = std::numeric_limits<std::uint32_t>::max();
// Bytes reserved per new row for a column's texts ("10000000.0012345" and the like).
constexpr std::size_t kTypicalCellBytes = 16;

void checkArena(std::size_t size) {
  if (size > kArenaLimit) throw std::length_error("grid column larger than 4 GiB");
}

}  // namespace

void GridColumn::reserve(std::size_t cells, std::size_t bytes) {
  spans_.reserve(cells);
  arena_.reserve(bytes);
}

void GridColumn::append(std::string_view text) {
  checkArena(arena_.size() + text.size());
  spans_.push_back({static_cast<std::uint32_t>(arena_.size()), static_cast<std::uint32_t>(text.size())});
  arena_.append(text);
}

void GridStore::resize(int cols, int rows) {
  if (cols < 0 || rows < 0) throw std::invalid_argument("negative grid size");
  const std::size_t newRows = static_cast<std::size_t>(rows);
  columns_.resize(static_cast<std::size_t>(cols));
  for (Column& column : columns_) {
    if (column.spans.size() > newRows) {
      for (std::size_t r = newRows; r < column.spans.size(); ++r) column.live -= column.spans[r].length;
      column.spans.resize(newRows);
      if (column.live == 0) column.arena.clear();
    } else if (newRows > column.spans.capacity()) {
      // Room for a fill in row order: reserved address space costs no memory until
      // written, and spares the copies of a growing buffer.
      column.spans.reserve(newRows);
      if (column.arena.empty()) column.arena.reserve(std::min<std::size_t>(newRows * kTypicalCellBytes, kArenaLimit));
    }
  }
  rows_ = rows;
}

std::string_view GridStore::cell(int col, int row) const {
  const Column& column = columns_[static_cast<std::size_t>(col)];
  if (static_cast<std::size_t>(row) >= column.spans.size()) return {};  // never written
  const GridColumn::Span span = column.spans[static_cast<std::size_t>(row)];
  if (span.length == 0) return {};
  return std::string_view(column.arena).substr(span.offset, span.length);
}

void GridStore::set(int col, int row, std::string_view bytes) {
  Column& column = columns_[static_cast<std::size_t>(col)];
  const std::size_t index = static_cast<std::size_t>(row);
  if (index >= column.spans.size()) {
    if (bytes.empty()) return;  // an empty cell stays unstored
    column.spans.resize(index + 1);
  }
  GridColumn::Span& span = column.spans[index];
  column.live -= span.length;
  if (bytes.size() <= span.length) {
    // Fits where the old text was: overwrite in place.
    column.arena.replace(span.offset, bytes.size(), bytes);
    span.length = static_cast<std::uint32_t>(bytes.size());
  } else {
    span = GridColumn::Span{};
    if (column.arena.size() > 2 * column.live + 65536) compact(column);
    checkArena(column.arena.size() + bytes.size());
    span.offset = static_cast<std::uint32_t>(column.arena.size());
    span.length = static_cast<std::uint32_t>(bytes.size());
    column.arena.append(bytes);
  }
  column.live += bytes.size();
  if (column.live == 0) column.arena.clear();
}

void GridStore::clearColumn(int col) {
  Column& column = columns_[static_cast<std::size_t>(col)];
  column.spans.clear();
  column.arena.clear();
  column.live = 0;
}

void GridStore::setColumn(int col, GridColumn&& source, int first) {
  Column& column = columns_[static_cast<std::size_t>(col)];
  if (first == 0 && source.spans_.size() == static_cast<std::size_t>(rows_)) {
    // The whole column: take the built arena as it is.
    column.arena = std::move(source.arena_);
    column.spans = std::move(source.spans_);
    column.live = column.arena.size();
    return;
  }
  for (std::size_t i = 0; i < source.spans_.size(); ++i) {
    const GridColumn::Span span = source.spans_[i];
    set(col, first + static_cast<int>(i), std::string_view(source.arena_).substr(span.offset, span.length));
  }
}

std::vector<std::string> GridStore::columnTexts(int col) const {
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(rows_));
  for (int r = 0; r < rows_; ++r) texts.emplace_back(cell(col, r));
  return texts;
}

void GridStore::compact(Column& column) {
  LargeBytes arena;
  arena.reserve(column.live + column.live / 2);
  for (GridColumn::Span& span : column.spans) {
    const std::uint32_t offset = static_cast<std::uint32_t>(arena.size());
    arena.append(column.arena, span.offset, span.length);
    span.offset = span.length == 0 ? 0 : offset;
  }
  column.arena = std::move(arena);
}

}  // namespace kovia
