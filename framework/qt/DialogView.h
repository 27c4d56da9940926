// DialogView: one modal dialog on screen. It builds the window and a ControlView for each
// control from the dialog's template and peers, and is the single path by which a person's
// input reaches the dialog: the input runs, the posted messages are handled, and the window
// closes once the dialog has ended, in the order the in-memory session keeps.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QHash>
#include <QMetaObject>

#include "framework/qt/ControlView.h"
#include "framework/qt/DialogFont.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/ImageCache.h"
#include "framework/qt/ShownDialog.h"
#include "framework/ui/ControlOwner.h"

namespace afx::qt {

class DialogView : public PeerView, public ShownDialog {
 public:
  // Builds the window; parent is the window of the dialog that owns this one, if any.
  DialogView(CDialog& dialog, QWidget* parent);
  DialogView(const DialogView&) = delete;
  DialogView& operator=(const DialogView&) = delete;
  ~DialogView() override;

  // Shows the window until the dialog ends; shown is called once it is on screen.
  void Run(const std::function<void(CDialog&)>& shown);

  // The dialog's own peer: its caption.
  void Sync(WindowPeer& peer) override;

  CDialog& Dialog() const override { return dialog_; }
  DialogWindow* Window() const { return window_.get(); }
  const DialogFont& Font() const { return font_; }
  ImageCache& Images() override { return images_; }
  QRect ToPixels(int x, int y, int w, int h) const override;

  void UserInput(const std::function<void()>& action) override;
  // A message was posted: it is handled once the event loop is back, unless input that is
  // still running handles it first.
  void Posted();
  // A control that tells its dialog of a change while the focus is on its way elsewhere on
  // screen does not pull it back: the screen follows moves of the dialog's focus only.
  void ShowFocus() override;

  // The view showing dialog (as its controls know it), or null; the innermost open dialog.
  static DialogView* Find(const ControlOwner* dialog);
  static DialogView* Innermost();

 private:
  void Build();
  void OnFocusChanged(QWidget* now);
  int ControlIdOf(QWidget* widget) const;
  void Guarded(const std::function<void()>& action);
  void DispatchPosted();
  void CloseIfEnded();

  CDialog& dialog_;
  DialogFont font_;
  ImageCache images_;
  std::unique_ptr<DialogWindow> window_;
  std::vector<std::unique_ptr<ControlView>> controls_;
  QHash<QWidget*, int> ids_;
  int shown_focus_id_ = 0;  // the control the keyboard focus is on, or on its way to
  QMetaObject::Connection focus_connection_;
  int busy_ = 0;
  bool running_ = false;
};

}  // namespace afx::qt
