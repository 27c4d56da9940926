#include "framework/qt/QtPresenter.h"

#include <cstdlib>
#include <string_view>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

#include "framework/qt/DialogView.h"
#include "framework/qt/MessageBoxView.h"
#include "framework/ui/CDialog.h"

namespace afx {

namespace {

bool HaveWidgetsApplication() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// The window a dialog or message box of owner is shown over.
qt::DialogView* ViewOver(const CWnd* owner) {
  const ControlOwner* dialog = owner ? owner->GetOwnerDialog() : nullptr;
  if (qt::DialogView* view = qt::DialogView::Find(dialog)) return view;
  return qt::DialogView::Innermost();
}

bool PlatformArgument(int argc, char** argv) {
  for (int i = 1; i < argc && argv[i]; ++i) {
    if (std::string_view(argv[i]) == "-platform") return true;
  }
  return false;
}

}  // namespace

bool QtPresenter::EnsureApplication(int& argc, char** argv) {
  if (QCoreApplication::instance()) return HaveWidgetsApplication();
  // Qt ends the process when it finds no display; without one the dialogs are not shown.
  if (!DisplayAvailable() && !PlatformArgument(argc, argv)) return false;
  // Never deleted: Qt's globals made while it ran (caches, plugins) are torn down at exit, and
  // deleting the application after them, from an exit handler, would use them.
  static QApplication* application = new QApplication(argc, argv);
  return application != nullptr;
}

bool QtPresenter::EnsureApplication() {
  static int argc = 1;
  static char name[] = "drawreg";
  static char* argv[] = {name, nullptr};
  return EnsureApplication(argc, argv);
}

bool QtPresenter::DisplayAvailable() {
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  return false;
}

void QtPresenter::RunModal(CDialog& dialog) {
  if (EnsureApplication()) {
    qt::DialogView* over = ViewOver(dialog.GetParent());
    qt::DialogView view(dialog, over ? over->Window() : nullptr);
    view.Run(shown_hook_);
  }
  // The window went away without the dialog ending it (or could not be shown): as Escape.
  if (dialog.IsOpen()) dialog.EndDialog(IDCANCEL);
}

int QtPresenter::ShowMessageBox(const MessageBoxRequest& request) {
  if (!EnsureApplication()) {
    // Nobody can be asked: the most cautious answer.
    const UINT buttons = request.type & MB_TYPEMASK;
    return buttons == MB_OK ? IDOK : buttons == MB_YESNO ? IDNO : IDCANCEL;
  }
  qt::DialogView* over = ViewOver(request.owner);
  return qt::RunMessageBox(request, over ? over->Window() : nullptr);
}

void QtPresenter::Posted(CDialog& dialog) {
  // A dialog not on screen yet handles its posted messages once it is.
  if (qt::DialogView* view = qt::DialogView::Find(&dialog)) view->Posted();
}

bool QtPresenter::SaveScreenshot(CDialog& dialog, const std::string& png_path) {
  qt::DialogView* view = qt::DialogView::Find(&dialog);
  if (!view) return false;
  const QString path = QString::fromStdString(png_path);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  return view->Window()->grab().save(path, "PNG");
}

}  // namespace afx
