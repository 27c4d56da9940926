#include "framework/qt/MessageBoxView.h"

#include <vector>

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "framework/qt/DialogFont.h"
#include "framework/qt/QtText.h"

namespace afx::qt {

namespace {

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

struct BoxButton {
  QMessageBox::StandardButton button;
  int id;
  const char8_t* label;  // as a Japanese Windows labels it, whatever Qt's translation says
};
using BoxButtons = std::vector<BoxButton>;

// The buttons in the order Windows shows them; the first is the default one.
BoxButtons ButtonsOf(UINT type) {
  const BoxButton ok{QMessageBox::Ok, IDOK, u8"OK"};
  const BoxButton cancel{QMessageBox::Cancel, IDCANCEL, u8"キャンセル"};
  const BoxButton yes{QMessageBox::Yes, IDYES, u8"はい"};
  const BoxButton no{QMessageBox::No, IDNO, u8"いいえ"};
  const BoxButton retry{QMessageBox::Retry, IDRETRY, u8"再試行"};
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {ok, cancel};
    case MB_ABORTRETRYIGNORE:
      return {{QMessageBox::Abort, IDABORT, u8"中止"},
              retry,
              {QMessageBox::Ignore, IDIGNORE, u8"無視"}};
    case MB_YESNOCANCEL:
      return {yes, no, cancel};
    case MB_YESNO:
      return {yes, no};
    case MB_RETRYCANCEL:
      return {retry, cancel};
    default:
      return {ok};
  }
}

}  // namespace

int RunMessageBox(const MessageBoxRequest& request, QWidget* parent) {
  QMessageBox box(IconOf(request.type), ToDisplayText(request.caption), ToDisplayText(request.text),
                  QMessageBox::NoButton, parent);
  box.setFont(DialogFont(kMessageBoxPointSize).Font());
  const BoxButtons buttons = ButtonsOf(request.type);
  for (const BoxButton& b : buttons) {
    QPushButton* button = box.addButton(b.button);
    button->setText(QString::fromUtf8(b.label));
    // Windows draws its message box buttons without pictures.
    button->setIcon(QIcon());
  }
  box.setDefaultButton(buttons.front().button);
  box.exec();
  const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
  for (const BoxButton& b : buttons) {
    if (b.button == pressed) return b.id;
  }
  // Closed without a button (only possible where Escape is allowed): Cancel, or the only one.
  return buttons.size() == 1 ? buttons.front().id : IDCANCEL;
}

}  // namespace afx::qt
