// QtPresenter: shows the dialogs and message boxes of the window model as Qt 6 windows. Every
// control's peer is backed by a widget; what a person does reaches the dialog the way the
// in-memory session delivers it. Includes no Qt header: Qt stays inside the library.
#pragma once

#include <functional>
#include <string>

#include "framework/ui/Presenter.h"

namespace afx {

class QtPresenter : public Presenter {
 public:
  QtPresenter() = default;
  QtPresenter(const QtPresenter&) = delete;
  QtPresenter& operator=(const QtPresenter&) = delete;
  ~QtPresenter() override = default;

  // Creates the Qt application if there is none yet (it lives until the process exits); call
  // it early in main with main's arguments. The dialogs otherwise create one when first shown.
  // False when the application there is not a widgets application, or there is no display.
  static bool EnsureApplication(int& argc, char** argv);
  static bool EnsureApplication();
  // Whether windows can be shown: a display is there, or a Qt platform was chosen.
  static bool DisplayAvailable();

  void RunModal(CDialog& dialog) override;
  int ShowMessageBox(const MessageBoxRequest& request) override;
  void Posted(CDialog& dialog) override;

  // Called with each dialog once it is on screen and laid out (for tests and screenshots).
  void SetShownHook(std::function<void(CDialog&)> hook) { shown_hook_ = std::move(hook); }
  // Saves a picture of a dialog on screen as PNG (png_path in UTF-8); false when the dialog is
  // not shown or the file cannot be written. Missing folders are created.
  static bool SaveScreenshot(CDialog& dialog, const std::string& png_path);

 private:
  std::function<void(CDialog&)> shown_hook_;
};

}  // namespace afx
