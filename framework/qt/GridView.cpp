#include "framework/qt/GridView.h"

#include <algorithm>

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QStyledItemDelegate>
#include <QTableView>

#include "framework/qt/DialogFont.h"
#include "framework/qt/QtText.h"
#include "framework/qt/ShownDialog.h"

namespace afx::qt {

namespace {

// Room beside a column's text, in pixels.
constexpr int kColumnPadding = 8;
constexpr int kRowPadding = 4;

Qt::Alignment FormAlignment(int form) {
  switch (form) {
    case 1:
      return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

UINT VirtualKey(int key) {
  switch (key) {
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Space:
      return VK_SPACE;
    default:
      return 0;
  }
}

}  // namespace

// The cells as Qt asks for them. The counts are the ones Qt was last told of, so that they
// change only with a reset.
class GridModel : public QAbstractTableModel {
 public:
  GridModel(GridView& view, QObject* parent) : QAbstractTableModel(parent), view_(view) {}

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : columns_;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    const GridPeer& peer = view_.Peer();
    const int row = index.row();
    const int col = index.column();
    if (!peer.IsCell(row, col)) return QVariant();
    switch (role) {
      case Qt::DisplayRole:
      case Qt::EditRole:
        return ToDisplayText(peer.CellText(row, col));
      case Qt::TextAlignmentRole:
        return QVariant::fromValue(FormAlignment(peer.Form(row, col)));
      case Qt::BackgroundRole: {
        unsigned long color = 0;
        if (peer.Color(row, col, &color)) {
          return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                        static_cast<int>((color >> 16) & 0xFF));
        }
        // A fixed column (the row numbers) is drawn as a heading.
        if (peer.columns[static_cast<size_t>(col)].fixed) return QPalette().color(QPalette::Button);
        return QVariant();
      }
      default:
        return QVariant();
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    const GridPeer& peer = view_.Peer();
    if (orientation != Qt::Horizontal || section < 0 || section >= peer.ColumnCount())
      return QVariant();
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return QVariant();
    QStringList lines;
    for (const CString& heading : peer.columns[static_cast<size_t>(section)].headings)
      lines << ToDisplayText(heading);
    return lines.join(QLatin1Char('\n'));
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (view_.Peer().EditKind(index.row(), index.column()) == 1) flags |= Qt::ItemIsEditable;
    return flags;
  }

  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (role != Qt::EditRole) return false;
    view_.Typed(index.row(), index.column(), value.toString());
    return true;
  }

  bool Shows(int rows, int columns) const { return rows == rows_ && columns == columns_; }
  void Reset(int rows, int columns) {
    beginResetModel();
    rows_ = rows;
    columns_ = columns;
    endResetModel();
  }

 private:
  GridView& view_;
  int rows_ = 0;
  int columns_ = 0;
};

namespace {

// The editor of a cell: a line that takes no more than the cell's input limit, and hands its
// text on only when a person changed it.
class GridDelegate : public QStyledItemDelegate {
 public:
  GridDelegate(GridView& view, QObject* parent) : QStyledItemDelegate(parent), view_(view) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setAlignment(FormAlignment(view_.Peer().Form(index.row(), index.column())));
    const int row = index.row();
    const int col = index.column();
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, edit, row, col](const QString&) {
      const CString typed = TypedFromQString(edit->text());
      const CString taken = view_.Peer().TypedText(row, col, typed);
      if (taken == typed) return;
      edit->setText(ToQString(taken));
      edit->setModified(true);
    });
    return edit;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* edit = static_cast<QLineEdit*>(editor);
    edit->setText(index.data(Qt::EditRole).toString());
    // What is typed replaces the cell's text.
    edit->selectAll();
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    auto* edit = static_cast<QLineEdit*>(editor);
    if (edit->isModified()) model->setData(index, edit->text(), Qt::EditRole);
  }

 private:
  GridView& view_;
};

}  // namespace

// The table on screen. Clicks and keys go to the grid instead of moving Qt's own selection:
// what the grid makes of them comes back as the peer's state.
class GridTable : public QTableView {
 public:
  GridTable(GridView& view, QWidget* parent) : QTableView(parent), view_(view) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    event->accept();
    if (!index.isValid() || event->button() != Qt::LeftButton) return;
    UINT keys = 0;
    if (event->modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
    if (event->modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
    view_.Clicked(index.row(), index.column(), keys);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    const QModelIndex index = indexAt(event->position().toPoint());
    event->accept();
    if (index.isValid() && event->button() == Qt::RightButton)
      view_.RightClicked(index.row(), index.column());
  }

  void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }

  void mouseDoubleClickEvent(QMouseEvent* event) override {
    const QModelIndex index = indexAt(event->position().toPoint());
    event->accept();
    if (index.isValid() && event->button() == Qt::LeftButton && index == currentIndex())
      edit(index);
  }

  void keyPressEvent(QKeyEvent* event) override {
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (const UINT key = VirtualKey(event->key()); key && plain) {
      event->accept();
      view_.KeyPressed(key);
      return;
    }
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        // Enter ends typing into a cell; otherwise it is the dialog's OK.
        if (state() == EditingState) {
          event->accept();
          return;
        }
        event->ignore();
        return;
      case Qt::Key_Escape:
        event->ignore();
        return;
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
      case Qt::Key_F2:
        QTableView::keyPressEvent(event);
        return;
      default:
        break;
    }
    // A character starts typing into the current cell, if it is typed into.
    const QModelIndex current = currentIndex();
    if (plain && !event->text().isEmpty() && event->text().at(0).isPrint() &&
        (model()->flags(current) & Qt::ItemIsEditable)) {
      QTableView::keyPressEvent(event);
      return;
    }
    event->ignore();
  }

  // The editor closes where it is: the cursor moves only as the grid moves it.
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint) override {
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
  }

  void resizeEvent(QResizeEvent* event) override {
    QTableView::resizeEvent(event);
    view_.PageResized(viewport()->height() / std::max(view_.RowHeight(), 1));
  }

 private:
  GridView& view_;
};

GridView::GridView(ShownDialog& dialog, GridPeer& peer, QWidget* parent)
    : ControlView(dialog, peer), peer_(peer), table_(new GridTable(*this, parent)) {
  model_ = new GridModel(*this, table_);
  table_->setModel(model_);
  table_->setItemDelegate(new GridDelegate(*this, table_));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  table_->setTabKeyNavigation(false);
  table_->setWordWrap(false);
  // A text a little wider than its cell's margins is drawn whole, clipped at the cell's edge
  // as the grid draws it, not shortened by an ellipsis.
  table_->setTextElideMode(Qt::ElideNone);
  table_->setCornerButtonEnabled(false);
  table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setStretchLastSection(false);
  header->setHighlightSections(false);
  // A heading's click is the grid's, not a selection of the column.
  QObject::disconnect(header, &QHeaderView::sectionPressed, table_, nullptr);
  QObject::connect(header, &QHeaderView::sectionClicked, table_,
                   [this](int col) { HeadingClicked(col); });
  // The marked rows stay visible while another control has the focus.
  QPalette palette = table_->palette();
  for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  table_->setPalette(palette);
  SetWidget(table_);
}

int GridView::RowHeight() const {
  const QFontMetrics metrics(table_->font());
  return std::max(peer_.textHeight, metrics.height()) + kRowPadding;
}

void GridView::SyncContent() {
  if (!model_->Shows(peer_.RowCount(), peer_.ColumnCount())) {
    model_->Reset(peer_.RowCount(), peer_.ColumnCount());
    shown_columns_.clear();
  }
  if (shown_columns_ != peer_.columns) ShowColumns();
  if (shown_draws_ != peer_.drawCount) {
    shown_draws_ = peer_.drawCount;
    table_->viewport()->update();
  }
  ShowMarks();
  ShowCurrent();
}

void GridView::ShowColumns() {
  table_->verticalHeader()->setDefaultSectionSize(RowHeight());
  const int base = DialogFont::AverageCharWidth(table_->font());
  for (int c = 0; c < peer_.ColumnCount(); ++c) {
    const int length = peer_.columns[static_cast<size_t>(c)].length;
    table_->setColumnWidth(c, length * base + kColumnPadding);
  }
  model_->headerDataChanged(Qt::Horizontal, 0, std::max(peer_.ColumnCount() - 1, 0));
  shown_columns_ = peer_.columns;
}

void GridView::ShowMarks() {
  const int rows = peer_.RowCount();
  const int last_col = peer_.ColumnCount() - 1;
  QItemSelection marks;
  for (int row = 0; row < rows && last_col >= 0; ++row) {
    if (!peer_.IsMarked(row)) continue;
    int end = row;
    while (end + 1 < rows && peer_.IsMarked(end + 1))
      ++end;
    marks.select(model_->index(row, 0), model_->index(end, last_col));
    row = end;
  }
  QItemSelectionModel* selection = table_->selectionModel();
  if (selection->selection() != marks)
    selection->select(marks, QItemSelectionModel::ClearAndSelect);
}

void GridView::ShowCurrent() {
  const QModelIndex current = model_->index(peer_.CurrentRow(), peer_.CurrentCol());
  if (!current.isValid()) return;
  if (table_->currentIndex() != current)
    table_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  if (shown_moves_ != peer_.cursorMoves) {
    shown_moves_ = peer_.cursorMoves;
    table_->scrollTo(current);
  }
}

void GridView::Clicked(int row, int col, UINT keys) {
  dialog_.UserInput([this, row, col, keys] { peer_.ClickCell(row, col, keys); });
}

void GridView::RightClicked(int row, int col) {
  dialog_.UserInput([this, row, col] { peer_.RightClickCell(row, col); });
}

void GridView::KeyPressed(UINT key) {
  dialog_.UserInput([this, key] { peer_.KeyDown(key); });
}

void GridView::HeadingClicked(int col) {
  dialog_.UserInput([this, col] { peer_.HeadingClick(col); });
}

void GridView::Typed(int row, int col, const QString& text) {
  dialog_.UserInput([this, row, col, &text] {
    // An editor left after the cursor moved on is not the current cell's.
    if (row != peer_.CurrentRow() || col != peer_.CurrentCol()) return;
    peer_.TypeIntoCurrentCell(TypedFromQString(text));
  });
}

void GridView::PageResized(int rows) {
  peer_.pageRows = std::max(rows, 1);
}

}  // namespace afx::qt
