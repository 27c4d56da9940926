#include "hostlibs/rvgui/RVSheet.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(RVSheet, CWnd)

BEGIN_MESSAGE_MAP(RVSheet, CWnd)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

RVSheet::~RVSheet() {
  if (grid_) grid_->client = nullptr;
}

afx::GridColumn* RVSheet::Column(int col) {
  auto& columns = State().columns;
  return col >= 0 && col < static_cast<int>(columns.size()) ? &columns[static_cast<size_t>(col)]
                                                            : nullptr;
}

const afx::GridColumn* RVSheet::Column(int col) const {
  const auto& columns = State().columns;
  return col >= 0 && col < static_cast<int>(columns.size()) ? &columns[static_cast<size_t>(col)]
                                                            : nullptr;
}

void RVSheet::Show() {
  if (grid_) grid_->Changed();
}

void RVSheet::SetRecMax(int max) {
  State().rowMax = std::max(max, 0);
  if (State().RowCount() > State().rowMax) SetRecCnt(State().rowMax);
}

void RVSheet::SetRecCnt(int count) {
  State().SetRowCount(std::min(count, State().rowMax));
  Show();
}

unsigned RVSheet::GetRecCnt() const {
  return static_cast<unsigned>(State().RowCount());
}

void RVSheet::SetTextHeight(int height) {
  State().textHeight = height;
  Show();
}

void RVSheet::SetHeaderRow(int rows) {
  State().headerRows = std::max(rows, 0);
  Show();
}

void RVSheet::SetRecRow(int rows) {
  State().recordRows = std::max(rows, 1);
  Show();
}

void RVSheet::SetColNum(int count) {
  State().columns.resize(static_cast<size_t>(std::max(count, 0)));
  if (State().CurrentCol() >= State().ColumnCount()) State().SetCurrent(State().CurrentRow(), 0);
  Show();
}

void RVSheet::SetColLen(int col, int length) {
  if (afx::GridColumn* column = Column(col)) column->length = std::max(length, 0);
  Show();
}

void RVSheet::AddText(int row, int col, const char* text, int /*item*/) {
  afx::GridColumn* column = Column(col);
  if (!column || row < 0) return;
  if (column->headings.size() <= static_cast<size_t>(row))
    column->headings.resize(static_cast<size_t>(row) + 1);
  column->headings[static_cast<size_t>(row)] = CString(text);
  Show();
}

void RVSheet::AddItem(int /*row*/, int col, int item, unsigned char fixed) {
  afx::GridColumn* column = Column(col);
  if (!column) return;
  column->item = item;
  column->fixed = fixed != 0;
  Show();
}

void RVSheet::SetDataKind(int col, unsigned char kind, unsigned int length, unsigned int option) {
  afx::GridColumn* column = Column(col);
  if (!column) return;
  column->dataKind = kind;
  column->inputLimit = static_cast<int>(length);
  column->dataOption = option;
}

void RVSheet::SetDataForm(int col, unsigned char form) {
  if (afx::GridColumn* column = Column(col)) column->form = form;
  Show();
}

void RVSheet::DrawPage() {
  if (!grid_) return;
  ++grid_->drawCount;
  grid_->Changed();
}

bool RVSheet::MoveCursor(int row, int col) {
  afx::GridState& state = State();
  if (!state.IsCell(row, col)) return false;
  if (state.IsCell(state.CurrentRow(), state.CurrentCol()))
    LeaveItem(state.CurrentRow(), state.CurrentCol());
  state.SetCurrent(row, col);
  if (state.lockMark) {
    state.lockMark = false;
  } else {
    state.MarkAlone(row);
    state.anchorRow = row;
  }
  EnterItem(row, col);
  if (grid_) ++grid_->cursorMoves;
  Show();
  return true;
}

void RVSheet::SkipTo(int row, int col) {
  MoveCursor(row, col);
}

int RVSheet::JumpTo(int row, int col) {
  return MoveCursor(row, col) ? 1 : 0;
}

void RVSheet::GetEditPos(int* row, int* col) const {
  if (row) *row = State().CurrentRow();
  if (col) *col = State().CurrentCol();
}

int RVSheet::GetMark(int row) const {
  return State().IsMarked(row) ? 1 : 0;
}

int RVSheet::GetMarkCnt() const {
  return State().MarkCount();
}

void RVSheet::SetMark(int row) {
  State().SetMark(row, true);
  Show();
}

void RVSheet::SetMarkAll() {
  State().MarkAll();
  Show();
}

void RVSheet::LockMark() {
  State().lockMark = true;
}

void RVSheet::PreSubclassWindow() {
  auto* grid = PeerAs<afx::GridPeer>();
  // Only a list box becomes a grid.
  if (!grid) return;
  if (grid_ && grid_ != grid) grid_->client = nullptr;
  static_cast<afx::GridState&>(*grid) = State();
  grid->client = this;
  grid_ = grid;
  InitComplete();
  grid_->Changed();
}

LRESULT RVSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL RVSheet::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

LRESULT RVSheet::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CWnd::DefWindowProc(message, wParam, lParam);
}

int RVSheet::HowEdit(int, int) {
  return 1;
}

void RVSheet::GetItemText(int, int, CString&) {}

void RVSheet::EnterItem(int, int) {}

void RVSheet::LeaveItem(int, int) {}

void RVSheet::UpdateItem(int, int, const char*) {}

void RVSheet::ClickText(int) {}

int RVSheet::GetItemColor(int, int, unsigned long*) {
  return 0;
}

void RVSheet::MouseEvent(unsigned int msg, int row, int col) {
  afx::GridState& state = State();
  if (msg != WM_LBUTTONDOWN || !state.IsCell(row, col)) return;
  const UINT keys = grid_ ? grid_->heldKeys : 0;
  if (keys & MK_CONTROL) {
    const bool marked = state.IsMarked(row);
    state.lockMark = true;
    MoveCursor(row, col);
    state.SetMark(row, !marked);
  } else if (keys & MK_SHIFT) {
    const int anchor = state.anchorRow;
    state.lockMark = true;
    MoveCursor(row, col);
    state.MarkRange(anchor, row);
  } else {
    MoveCursor(row, col);
  }
  Show();
}

void RVSheet::InitComplete() {}

void RVSheet::GetDataKind(int, int col, unsigned char* kind, unsigned int* length,
                          unsigned int* option) {
  const afx::GridColumn* column = Column(col);
  if (kind) *kind = column ? column->dataKind : 0;
  if (length) *length = column ? static_cast<unsigned>(column->inputLimit) : 0;
  if (option) *option = column ? column->dataOption : 0;
}

void RVSheet::GetDataForm(int, int col, unsigned char* form) {
  const afx::GridColumn* column = Column(col);
  if (form) *form = column ? column->form : 0;
}

void RVSheet::OnKeyDown(UINT key, UINT, UINT) {
  const afx::GridState& state = State();
  if (state.RowCount() == 0 || state.ColumnCount() == 0) return;
  int row = state.CurrentRow();
  int col = state.CurrentCol();
  const int page = grid_ ? std::max(grid_->pageRows, 1) : 1;
  switch (key) {
    case VK_UP:
      --row;
      break;
    case VK_DOWN:
      ++row;
      break;
    case VK_LEFT:
      --col;
      break;
    case VK_RIGHT:
      ++col;
      break;
    case VK_PRIOR:
      row = std::max(row - page, 0);
      break;
    case VK_NEXT:
      row = std::min(row + page, state.RowCount() - 1);
      break;
    case VK_HOME:
      col = 0;
      break;
    case VK_END:
      col = state.ColumnCount() - 1;
      break;
    default:
      return;
  }
  if (row == state.CurrentRow() && col == state.CurrentCol()) return;
  MoveCursor(row, col);
}

CString RVSheet::CellText(int row, int col) {
  CString text;
  GetItemText(row, col, text);
  return text;
}

int RVSheet::CellEditKind(int row, int col) {
  return HowEdit(row, col);
}

int RVSheet::CellInputLimit(int row, int col) {
  unsigned char kind = 0;
  unsigned int length = 0;
  unsigned int option = 0;
  GetDataKind(row, col, &kind, &length, &option);
  return static_cast<int>(length);
}

int RVSheet::CellForm(int row, int col) {
  unsigned char form = 0;
  GetDataForm(row, col, &form);
  return form;
}

bool RVSheet::CellColor(int row, int col, unsigned long* color) {
  return GetItemColor(row, col, color) != 0;
}

void RVSheet::CellTyped(int row, int col, const CString& text) {
  UpdateItem(row, col, text);
}

void RVSheet::MouseMessage(UINT message, int row, int col) {
  MouseEvent(message, row, col);
}

void RVSheet::KeyMessage(UINT key) {
  // One key-down: a repeat count of 1.
  WindowProc(WM_KEYDOWN, key, 1);
}

void RVSheet::HeadingClicked(int col) {
  ClickText(col);
}

void RVSheet::GridDestroyed() {
  // The layout outlives the window; marks are the window's and go with it.
  pending_ = *grid_;
  pending_.ClearMarks();
  pending_.lockMark = false;
  grid_ = nullptr;
  m_peer = nullptr;
  m_owner = nullptr;
}
