#include "platform/string_grid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "core/text_file.h"
#include "platform/handler_guard.h"
#include "platform/messages.h"

namespace kovia {

namespace {

QString decode(std::string_view bytes) {
  if (bytes.empty()) return {};
  return QString::fromStdString(fromWindows1252(bytes));
}

}  // namespace

// The body of the grid (rows and columns after the fixed ones) as a table model; the
// fixed row and column are its header data.
class GridModel : public QAbstractTableModel {
 public:
  explicit GridModel(StringGrid* grid) : QAbstractTableModel(grid), grid_(grid) {}

  GridStore store;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : std::max(0, store.rowCount() - grid_->fixedRows_);
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : std::max(0, store.colCount() - grid_->fixedCols_);
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return decode(store.cell(index.column() + grid_->fixedCols_, index.row() + grid_->fixedRows_));
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
      const int col = section + grid_->fixedCols_;
      if (grid_->fixedRows_ == 0 || col >= store.colCount() || store.rowCount() == 0) return {};
      return decode(store.cell(col, 0));
    }
    const int row = section + grid_->fixedRows_;
    if (grid_->fixedCols_ == 0 || row >= store.rowCount() || store.colCount() == 0) return {};
    return decode(store.cell(0, row));
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_->editing_) f |= Qt::ItemIsEditable;
    return f;
  }

  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (!index.isValid() || role != Qt::EditRole || !grid_->editing_) return false;
    grid_->typedIntoCell(index.column() + grid_->fixedCols_, index.row() + grid_->fixedRows_,
                         value.toString());
    return true;
  }

  // Resizes the store, telling the view which body rows and columns come and go.
  void resize(int cols, int rows) {
    if (resetting_) {
      store.resize(cols, rows);
      return;
    }
    const int oldRows = rowCount();
    const int newRows = std::max(0, rows - grid_->fixedRows_);
    const int oldCols = columnCount();
    const int newCols = std::max(0, cols - grid_->fixedCols_);
    if (newCols < oldCols) beginRemoveColumns({}, newCols, oldCols - 1);
    if (newCols > oldCols) beginInsertColumns({}, oldCols, newCols - 1);
    store.resize(cols, store.rowCount());
    if (newCols < oldCols) endRemoveColumns();
    if (newCols > oldCols) endInsertColumns();
    if (newRows < oldRows) beginRemoveRows({}, newRows, oldRows - 1);
    if (newRows > oldRows) beginInsertRows({}, oldRows, newRows - 1);
    store.resize(cols, rows);
    if (newRows < oldRows) endRemoveRows();
    if (newRows > oldRows) endInsertRows();
    headersChanged();
  }

  void beginBatch() {
    if (resetting_) return;
    resetting_ = true;
    pending_ = false;
    beginResetModel();
  }
  void endBatch() {
    if (!resetting_) return;
    resetting_ = false;
    endResetModel();
  }
  void relayout() {
    beginResetModel();
    endResetModel();
  }

  // Records a written cell; the view hears of all writes of one event-loop turn at once.
  void written(int col, int row) {
    if (resetting_) return;
    if (!pending_) {
      pending_ = true;
      minCol_ = maxCol_ = col;
      minRow_ = maxRow_ = row;
      QTimer::singleShot(0, this, [this] { flush(); });
      return;
    }
    minCol_ = std::min(minCol_, col);
    maxCol_ = std::max(maxCol_, col);
    minRow_ = std::min(minRow_, row);
    maxRow_ = std::max(maxRow_, row);
  }

  void flush() {
    if (!pending_) return;
    pending_ = false;
    const int fr = grid_->fixedRows_;
    const int fc = grid_->fixedCols_;
    const int rows = rowCount();
    const int cols = columnCount();
    if (minRow_ < fr || minCol_ < fc) headersChanged();
    const int r0 = std::max(minRow_ - fr, 0);
    const int r1 = std::min(maxRow_ - fr, rows - 1);
    const int c0 = std::max(minCol_ - fc, 0);
    const int c1 = std::min(maxCol_ - fc, cols - 1);
    if (r0 <= r1 && c0 <= c1) emit dataChanged(index(r0, c0), index(r1, c1), {Qt::DisplayRole, Qt::EditRole});
  }

  void headersChanged() {
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
  }

 private:
  StringGrid* grid_;
  bool resetting_ = false;
  bool pending_ = false;
  int minCol_ = 0, maxCol_ = 0, minRow_ = 0, maxRow_ = 0;
};

// The cell editor: a frameless line edit whose keys also reach the grid's OnKeyDown event.
class GridDelegate : public QStyledItemDelegate {
 public:
  explicit GridDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setFrame(false);
    return editor;
  }

 protected:
  // The view installs the delegate as the editor's event filter, ahead of the editor.
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* editor = qobject_cast<QWidget*>(object);
      const auto* keyEvent = static_cast<QKeyEvent*>(event);
      const KeyCode key = keyCodeOf(*keyEvent);
      if (editor != nullptr && key != 0 && grid_->editorKey(editor, key, shiftStateOf(*keyEvent))) {
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  friend class StringGrid;
  StringGrid* grid_;
};

StringGrid::StringGrid(QWidget* parent, const QString& name) : QTableView(parent), model_(new GridModel(this)) {
  if (!name.isEmpty()) setObjectName(name);
  setModel(model_);
  setItemDelegate(new GridDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(4);
  }
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  model_->resize(5, 5);
  colWidths_.assign(5, defaultColWidth_);
  applyLayout();
  clampCurrent();
}

StringGrid::~StringGrid() = default;

// ---- cells ----

void StringGrid::checkRead(int col, int row) const {
  if (row < 0) throw ListIndexError(row);
  if (col < 0) throw ListIndexError(col);
}

void StringGrid::checkWrite(int col, int row) const {
  checkRead(col, row);
  if (row >= RowCount() || col >= ColCount()) throw std::out_of_range(kGridIndexOutOfRange);
}

std::string StringGrid::Cells(int col, int row) const { return std::string(cellView(col, row)); }

std::string_view StringGrid::cellView(int col, int row) const {
  checkRead(col, row);
  if (row >= RowCount() || col >= ColCount()) return {};
  return model_->store.cell(col, row);
}

void StringGrid::setCell(int col, int row, std::string_view bytes) {
  checkWrite(col, row);
  model_->store.set(col, row, bytes);
  model_->written(col, row);
}

void StringGrid::setCellText(int col, int row, const QString& text) {
  setCell(col, row, toWindows1252(text.toStdString()));
}

QString StringGrid::displayText(int col, int row) const { return decode(cellView(col, row)); }

int StringGrid::RowCount() const { return model_->store.rowCount(); }
int StringGrid::ColCount() const { return model_->store.colCount(); }

void StringGrid::setRowCount(int rows) {
  if (rows < 0) throw std::out_of_range(kGridIndexOutOfRange);
  if (rows == RowCount()) return;
  model_->resize(ColCount(), rows);
  clampCurrent();
}

void StringGrid::setColCount(int cols) {
  if (cols < 0) throw std::out_of_range(kGridIndexOutOfRange);
  if (cols == ColCount()) return;
  model_->resize(cols, RowCount());
  colWidths_.resize(static_cast<std::size_t>(cols), defaultColWidth_);
  applyLayout();
  clampCurrent();
}

void StringGrid::clearColumn(int col) {
  checkRead(col, 0);
  if (col >= ColCount()) return;
  model_->store.clearColumn(col);
  if (RowCount() > 0) {
    model_->written(col, 0);
    model_->written(col, RowCount() - 1);
  }
}

void StringGrid::setColumn(int col, GridColumn&& column, int first) {
  if (column.size() == 0) return;
  checkWrite(col, first);
  checkWrite(col, first + static_cast<int>(column.size()) - 1);
  const int last = first + static_cast<int>(column.size()) - 1;
  model_->store.setColumn(col, std::move(column), first);
  model_->written(col, first);
  model_->written(col, last);
}

std::vector<std::string> StringGrid::columnTexts(int col) const {
  checkRead(col, 0);
  if (col >= ColCount()) return std::vector<std::string>(static_cast<std::size_t>(RowCount()));
  return model_->store.columnTexts(col);
}

void StringGrid::beginUpdate() {
  if (updateDepth_++ == 0) model_->beginBatch();
}

void StringGrid::endUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0) {
    model_->endBatch();
    applyLayout();
    clampCurrent();
  }
}

// ---- layout ----

void StringGrid::setFixedRows(int rows) {
  if (rows < 0 || rows > 1) throw std::invalid_argument("a grid has 0 or 1 fixed rows");
  if (rows == fixedRows_) return;
  fixedRows_ = rows;
  model_->relayout();
  applyLayout();
  clampCurrent();
}

void StringGrid::setFixedCols(int cols) {
  if (cols < 0 || cols > 1) throw std::invalid_argument("a grid has 0 or 1 fixed columns");
  if (cols == fixedCols_) return;
  fixedCols_ = cols;
  model_->relayout();
  applyLayout();
  clampCurrent();
}

int StringGrid::ColWidths(int col) const {
  if (col < 0 || col >= ColCount()) throw ListIndexError(col);
  return colWidths_[static_cast<std::size_t>(col)];
}

void StringGrid::setColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) throw ListIndexError(col);
  colWidths_[static_cast<std::size_t>(col)] = width;
  applyLayout();
}

void StringGrid::setDefaultColWidth(int width) {
  defaultColWidth_ = width;
  std::fill(colWidths_.begin(), colWidths_.end(), width);
  applyLayout();
}

void StringGrid::setDefaultRowHeight(int height) {
  rowHeight_ = std::max(4, height);
  applyLayout();
}

void StringGrid::applyLayout() {
  QFont cellFont = font();
  cellFont.setPixelSize(std::max(6, rowHeight_ - 4));
  setFont(cellFont);
  verticalHeader()->setMinimumSectionSize(std::min(rowHeight_, 4));
  verticalHeader()->setDefaultSectionSize(rowHeight_);
  horizontalHeader()->setFixedHeight(rowHeight_ + 1);
  horizontalHeader()->setVisible(fixedRows_ == 1);
  verticalHeader()->setVisible(fixedCols_ == 1);
  if (fixedCols_ == 1 && !colWidths_.empty()) verticalHeader()->setFixedWidth(colWidths_.front());
  for (int c = fixedCols_; c < ColCount(); ++c) setColumnWidth(c - fixedCols_, colWidths_[static_cast<std::size_t>(c)]);
}

void StringGrid::setEditing(bool on) {
  editing_ = on;
  setEditTriggers(on ? (QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed)
                     : QAbstractItemView::NoEditTriggers);
}

void StringGrid::setRowSelect(bool on) {
  rowSelect_ = on;
  setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
  applyCurrent(col_, row_);
}

// ---- current cell ----

void StringGrid::moveCurrent(int col, int row) {
  if (row < fixedRows_ || row >= RowCount() || col < fixedCols_ || col >= ColCount()) {
    throw std::out_of_range(kGridIndexOutOfRange);
  }
  bool canSelect = true;
  HandlerGuard::raise([&] { emit OnSelectCell(col, row, canSelect); });
  if (canSelect) applyCurrent(col, row);
}

void StringGrid::applyCurrent(int col, int row) {
  const QModelIndex index = model_->index(row - fixedRows_, col - fixedCols_);
  if (!index.isValid()) return;
  const auto command = QItemSelectionModel::ClearAndSelect |
                       (rowSelect_ ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate);
  selectionModel()->setCurrentIndex(index, command);
  row_ = row;
  col_ = col;
  scrollTo(index, QAbstractItemView::EnsureVisible);
}

void StringGrid::clampCurrent() {
  const int row = std::clamp(row_, fixedRows_, std::max(fixedRows_, RowCount() - 1));
  const int col = std::clamp(col_, fixedCols_, std::max(fixedCols_, ColCount() - 1));
  row_ = row;
  col_ = col;
  const QModelIndex index = model_->index(row - fixedRows_, col - fixedCols_);
  if (index.isValid() && index != currentIndex()) applyCurrent(col, row);
}

void StringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (current.isValid()) {
    row_ = current.row() + fixedRows_;
    col_ = current.column() + fixedCols_;
  }
  QTableView::currentChanged(current, previous);
}

bool StringGrid::askSelect(int col, int row) {
  bool canSelect = true;
  const bool completed = HandlerGuard::operatorEvent([&] { emit OnSelectCell(col, row, canSelect); });
  return completed && canSelect;
}

bool StringGrid::userSelectCell(int col, int row) {
  if (!isEnabled() || row < fixedRows_ || row >= RowCount() || col < fixedCols_ || col >= ColCount()) {
    return false;
  }
  if (!askSelect(col, row)) return false;
  applyCurrent(col, row);
  return true;
}

bool StringGrid::userTypeCell(int col, int row, const QString& text) {
  if (!isEnabled() || !editing_ || row < fixedRows_ || row >= RowCount() || col < fixedCols_ ||
      col >= ColCount()) {
    return false;
  }
  typedIntoCell(col, row, text);
  return true;
}

void StringGrid::typedIntoCell(int col, int row, const QString& text) {
  setCellText(col, row, text);
  emit OnSetEditText(col, row);
}

bool StringGrid::userKeyDown(KeyCode key, ShiftState shift) {
  if (!isEnabled()) return false;
  return HandlerGuard::operatorEvent([&] { emit OnKeyDown(key, shift); });
}

bool StringGrid::editorKey(QWidget* editor, KeyCode key, ShiftState shift) {
  if (key == keys::kReturn) {
    // Enter stores the typed text in the cell and closes the editor; the key handler
    // then finds the text in the cell.
    auto* delegate = static_cast<GridDelegate*>(itemDelegate());
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    userKeyDown(key, shift);
    return true;
  }
  if (key == keys::kEscape || key == keys::kTab) return false;
  KeyCode code = key;
  const bool completed = HandlerGuard::operatorEvent([&] { emit OnKeyDown(code, shift); });
  return !completed || code == 0;
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
  KeyCode key = keyCodeOf(*event);
  if (key != 0) {
    const ShiftState shift = shiftStateOf(*event);
    const bool completed = HandlerGuard::operatorEvent([&] { emit OnKeyDown(key, shift); });
    // A failed handler or one that took the key (set it to 0) ends the key press.
    if (!completed || key == 0) {
      event->accept();
      return;
    }
  }
  QTableView::keyPressEvent(event);
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index != currentIndex()) {
    if (!isEnabled() || !askSelect(index.column() + fixedCols_, index.row() + fixedRows_)) {
      event->accept();
      return;
    }
    applyCurrent(index.column() + fixedCols_, index.row() + fixedRows_);
  }
  QTableView::mousePressEvent(event);
}

QModelIndex StringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex next = QTableView::moveCursor(action, modifiers);
  if (!next.isValid() || next == currentIndex()) return next;
  if (!askSelect(next.column() + fixedCols_, next.row() + fixedRows_)) return currentIndex();
  return next;
}

}  // namespace kovia
