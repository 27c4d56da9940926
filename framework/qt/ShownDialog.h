// ShownDialog: a dialog on screen as the parts of its window see it. The controls' views and
// the window hand a person's input to it, and mark the time they show a change the program
// made, so that the signals their widgets send meanwhile are not taken as input. DialogView
// is the one shown dialog; its parts know it only as this, so that none of them needs the
// others.
#pragma once

#include <QRect>
#include <functional>

class CDialog;

namespace afx::qt {

class ImageCache;

class ShownDialog {
 public:
  ShownDialog(const ShownDialog&) = delete;
  ShownDialog& operator=(const ShownDialog&) = delete;

  virtual CDialog& Dialog() const = 0;
  // The pictures of the image lists the dialog's controls show.
  virtual ImageCache& Images() = 0;
  // A rectangle in dialog units, in the window's pixels.
  virtual QRect ToPixels(int x, int y, int w, int h) const = 0;

  // Runs what a person's action does to the dialog, then handles the messages it posted, and
  // closes the window when the dialog has ended. Ignored while syncing or once ended.
  virtual void UserInput(const std::function<void()>& action) = 0;
  // Puts the keyboard focus on the control that has the dialog's focus, if the dialog's focus
  // moved since the screen last showed it.
  virtual void ShowFocus() = 0;

  // True while a view shows a change the program made; signals are not input then.
  bool Syncing() const { return syncing_ > 0; }
  class SyncScope {
   public:
    explicit SyncScope(ShownDialog& dialog) : dialog_(dialog) { ++dialog_.syncing_; }
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;
    ~SyncScope() { --dialog_.syncing_; }

   private:
    ShownDialog& dialog_;
  };

 protected:
  ShownDialog() = default;
  ~ShownDialog() = default;

 private:
  int syncing_ = 0;
};

}  // namespace afx::qt
