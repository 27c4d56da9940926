#include "framework/qt/ReportListView.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QTimer>
#include <QTreeWidget>

#include "framework/qt/ImageCache.h"
#include "framework/qt/QtText.h"
#include "framework/qt/ShownDialog.h"
#include "framework/ui/CDialog.h"
#include "framework/ui/CImageList.h"

namespace afx::qt {

namespace {

constexpr int kColumnPadding = 16;

Qt::Alignment ColumnAlignment(int format) {
  switch (format & 0x3) {
    case LVCFMT_RIGHT:
      return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

bool SameColumns(const std::vector<ListColumn>& a, const std::vector<ListColumn>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].heading != b[i].heading || a[i].format != b[i].format || a[i].width != b[i].width)
      return false;
  }
  return true;
}

}  // namespace

ReportListView::ReportListView(ShownDialog& dialog, ListPeer& peer, QWidget* parent)
    : ControlView(dialog, peer), peer_(peer), list_(new QTreeWidget(parent)) {
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionsMovable(false);
  // The selection stays visible while another control has the focus, as the dialogs expect
  // (the picked type, the marked rows).
  QPalette palette = list_->palette();
  for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  list_->setPalette(palette);
  SetWidget(list_);
  QObject::connect(list_, &QTreeWidget::itemSelectionChanged, list_,
                   [this] { OnSelectionChanged(); });
}

void ReportListView::SyncContent() {
  if (rebuild_pending_) return;
  if (!built_) {
    Rebuild();
  } else if (ContentChanged()) {
    rebuild_pending_ = true;
    QTimer::singleShot(0, list_, [this] { Rebuild(); });
  } else {
    ShowSelection();
  }
}

bool ReportListView::ContentChanged() const {
  if (peer_.smallImages != shown_images_ || peer_.extendedStyle != shown_extended_style_ ||
      !SameColumns(peer_.columns, shown_columns_) || peer_.rows.size() != shown_rows_.size())
    return true;
  for (size_t i = 0; i < shown_rows_.size(); ++i) {
    if (peer_.rows[i].texts != shown_rows_[i].texts || peer_.rows[i].image != shown_rows_[i].image)
      return true;
  }
  return false;
}

void ReportListView::Rebuild() {
  ShownDialog::SyncScope scope(dialog_);
  rebuild_pending_ = false;
  built_ = true;
  ShowColumns();
  ShowRows();
  ShowSelection(true);
}

void ReportListView::ShowColumns() {
  const int count = static_cast<int>(peer_.columns.size());
  list_->setColumnCount(std::max(1, count));
  list_->setHeaderHidden(count == 0);
  QTreeWidgetItem* header = list_->headerItem();
  const QFontMetrics metrics(list_->font());
  for (int c = 0; c < count; ++c) {
    const ListColumn& column = peer_.columns[static_cast<size_t>(c)];
    const QString heading = ToDisplayText(column.heading);
    header->setText(c, heading);
    header->setTextAlignment(c, ColumnAlignment(column.format));
    const int width =
        column.width >= 0 ? column.width : metrics.horizontalAdvance(heading) + kColumnPadding;
    list_->setColumnWidth(c, width);
  }
  // Grid lines are drawn as item borders: a tree widget has no grid of its own.
  list_->setStyleSheet(
      (peer_.extendedStyle & LVS_EX_GRIDLINES)
          ? QStringLiteral("QTreeView::item { border-right: 1px solid #d8d8d8;"
                           " border-bottom: 1px solid #d8d8d8; }"
                           "QTreeView::item:selected { background: palette(highlight);"
                           " color: palette(highlighted-text); }")
          : QString());
  shown_columns_ = peer_.columns;
  shown_extended_style_ = peer_.extendedStyle;
}

void ReportListView::ShowRows() {
  list_->clear();
  shown_rows_.clear();
  CImageList* images = peer_.smallImages;
  if (images) list_->setIconSize(QSize(images->Width(), images->Height()));
  QList<QTreeWidgetItem*> items;
  const int columns = list_->columnCount();
  for (const ListRow& row : peer_.rows) {
    auto* item = new QTreeWidgetItem();
    for (int c = 0; c < columns && static_cast<size_t>(c) < row.texts.size(); ++c) {
      item->setText(c, ToDisplayText(row.texts[static_cast<size_t>(c)]));
      if (static_cast<size_t>(c) < peer_.columns.size())
        item->setTextAlignment(c, ColumnAlignment(peer_.columns[static_cast<size_t>(c)].format));
    }
    if (images && row.image >= 0) item->setIcon(0, dialog_.Images().Icon(images, row.image));
    items.append(item);
    shown_rows_.push_back({row.texts, row.image});
  }
  list_->addTopLevelItems(items);
  shown_images_ = images;
}

void ReportListView::ShowSelection(bool rebuilt) {
  const int count = std::min(list_->topLevelItemCount(), static_cast<int>(peer_.rows.size()));
  QTreeWidgetItem* first_selected = nullptr;
  bool changed = rebuilt;
  for (int i = 0; i < count; ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    const bool selected = peer_.rows[static_cast<size_t>(i)].selected;
    if (item->isSelected() != selected) {
      item->setSelected(selected);
      changed = true;
    }
    if (selected && !first_selected) first_selected = item;
  }
  // What a person selected leaves the keyboard where the person put it.
  if (!changed) return;
  // After the program's selection the keyboard moves on from a selected row. With none selected
  // it is on no row: Qt would otherwise make the first row current when the list gets the
  // focus, and the first Down arrow would go on to the second.
  QTreeWidgetItem* current = list_->currentItem();
  if (current && current->isSelected()) return;
  if (first_selected) {
    list_->setCurrentItem(first_selected, 0, QItemSelectionModel::NoUpdate);
  } else {
    list_->setCurrentIndex(QModelIndex());
  }
}

void ReportListView::OnSelectionChanged() {
  // While a rebuild is pending the rows on screen are no longer the peer's.
  if (rebuild_pending_) return;
  dialog_.UserInput([this] {
    std::vector<bool> selected(static_cast<size_t>(list_->topLevelItemCount()));
    for (size_t i = 0; i < selected.size(); ++i)
      selected[i] = list_->topLevelItem(static_cast<int>(i))->isSelected();
    peer_.Select(dialog_.Dialog(), selected);
  });
}

}  // namespace afx::qt
