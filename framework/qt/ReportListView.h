// ReportListView: a list view in report style: columns with their headings, widths and
// alignment, a row per item with its sub-items and its image from the small image list.
// Rows are rebuilt once per turn of the event loop however many items the program inserted;
// a change of selection alone is shown at once. The keyboard moves on from the selected row:
// with none selected, the first Down arrow selects the first row.
#pragma once

#include <vector>

#include "framework/qt/ControlView.h"

class QTreeWidget;

namespace afx::qt {

class ReportListView : public ControlView {
 public:
  ReportListView(ShownDialog& dialog, ListPeer& peer, QWidget* parent);

 protected:
  void SyncContent() override;

 private:
  struct ShownRow {
    std::vector<CString> texts;
    int image;
  };

  bool ContentChanged() const;
  void Rebuild();
  void ShowColumns();
  void ShowRows();
  // Shows the rows' selection; after a rebuild or a change the program made, the keyboard
  // moves on from the first selected row.
  void ShowSelection(bool rebuilt = false);
  void OnSelectionChanged();

  ListPeer& peer_;
  QTreeWidget* list_;
  bool built_ = false;
  bool rebuild_pending_ = false;
  std::vector<ListColumn> shown_columns_;
  std::vector<ShownRow> shown_rows_;
  CImageList* shown_images_ = nullptr;
  DWORD shown_extended_style_ = 0;
};

}  // namespace afx::qt
