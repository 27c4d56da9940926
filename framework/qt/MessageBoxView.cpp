#include "framework/qt/MessageBoxView.h"

#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QMessageBox>

#include "framework/qt/DialogFont.h"
#include "framework/qt/QtText.h"

namespace afx::qt {

namespace {

constexpr UINT kAbortRetryIgnore = 0x2;
constexpr int kMessageBoxPointSize = 9;

QMessageBox::Icon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONASTERISK:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

using ButtonIds = std::vector<std::pair<QMessageBox::StandardButton, int>>;

// The buttons in the order Windows shows them; the first is the default one.
ButtonIds ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case kAbortRetryIgnore:
      return {{QMessageBox::Abort, IDABORT},
              {QMessageBox::Retry, IDRETRY},
              {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
      return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
      return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
      return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
      return {{QMessageBox::Ok, IDOK}};
  }
}

}  // namespace

int RunMessageBox(const MessageBoxRequest& request, QWidget* parent) {
  QMessageBox box(IconOf(request.type), ToDisplayText(request.caption), ToDisplayText(request.text),
                  QMessageBox::NoButton, parent);
  box.setFont(DialogFont(kMessageBoxPointSize).Font());
  const ButtonIds buttons = ButtonsOf(request.type);
  for (const auto& [button, id] : buttons)
    box.addButton(button);
  box.setDefaultButton(buttons.front().first);
  box.exec();
  const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
  for (const auto& [button, id] : buttons) {
    if (button == pressed) return id;
  }
  // Closed without a button (only possible where Escape is allowed): Cancel, or the only one.
  return buttons.size() == 1 ? buttons.front().second : IDCANCEL;
}

}  // namespace afx::qt
