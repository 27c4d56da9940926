// ComboView: a combo box. A drop-down list picks one of its items; a drop-down combo also has
// an edit field a person can type into. Picks and typing reach the dialog in the order a
// Windows combo box sends them.
#pragma once

#include <vector>

#include "framework/qt/ControlView.h"

class QComboBox;
class QString;

namespace afx::qt {

class ComboView : public ControlView {
 public:
  ComboView(ShownDialog& dialog, ComboPeer& peer, QWidget* parent);

  // The template's height includes the dropped-down list; the closed box is one line high.
  QRect Geometry(const QRect& template_rect) const override;
  void FocusArrived() override;

 protected:
  void SyncContent() override;

 private:
  void OnPicked(int index);
  void OnEdited(const QString& text);

  ComboPeer& peer_;
  QComboBox* combo_;
  std::vector<CString> shown_items_;
};

}  // namespace afx::qt
