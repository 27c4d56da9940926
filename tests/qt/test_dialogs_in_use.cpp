// The library's dialogs on screen (offscreen) used as a person at a Japanese desktop uses them:
// real key presses and mouse clicks through Qt, read back from the widgets and from the dialog.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "dialogs/CDrawingFilesDialog.h"
#include "dialogs/CSingleSettingDialog.h"
#include "dialogs/DialogResources.h"
#include "framework/qt/QtPresenter.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"
#include "module/Module.h"
#include "qt/QtSteps.h"
#include "register/CDrawingFolder.h"
#include "support/Register.h"

namespace {

using namespace drawreg;

template <typename W = QWidget>
W* Control(int id) {
  QWidget* window = ActiveDialog();
  return window ? window->findChild<W*>(QStringLiteral("control-%1").arg(id)) : nullptr;
}

// The texts of a message box's buttons, left to right.
QStringList ButtonTexts(QMessageBox& box) {
  QList<QAbstractButton*> buttons = box.buttons();
  std::sort(buttons.begin(), buttons.end(),
            [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
  QStringList texts;
  for (QAbstractButton* button : buttons)
    texts.append(button->text());
  return texts;
}

struct DialogsInUse : ::testing::Test {
  static void SetUpTestSuite() { ASSERT_TRUE(afx::QtPresenter::EnsureApplication()); }

  DialogsInUse() {
    folder.Name(CString(u8"平面図"));
    record.Name(CString(u8"平面図01.P21"));
  }

  // Shows the dialog; act runs once it is on screen and ends it. A dialog act failed to end
  // (a failed assertion returns early) is ended after it.
  INT_PTR Run(CDialog& dialog, std::function<void()> act) {
    presenter.SetShownHook([act](CDialog& shown) {
      if (QTest::qWaitForWindowActive(ActiveDialog())) {
        QApplication::processEvents();  // lists are filled once the loop has turned
        act();
      }
      EXPECT_FALSE(shown.IsOpen());
      if (shown.IsOpen()) shown.EndDialog(IDCANCEL);
    });
    CSetInstance guard(drawreg::ResourceModule());
    return dialog.DoModal();
  }

  TestRegister reg;
  CStdDraftMgr draft;
  CDrawingFolder folder;
  CDrawingFile record;
  afx::QtPresenter presenter;
  afx::ScopedPresenter scope{presenter};
};

TEST_F(DialogsInUse, MessageBoxButtonsReadInJapaneseWhateverTheLocale) {
  using B = QMessageBox;
  const QLocale before;
  for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                QLocale(QLocale::German, QLocale::Germany)}) {
    QLocale::setDefault(locale);
    const struct {
      UINT type;
      std::vector<std::pair<B::StandardButton, QString>> buttons;
    } cases[] = {{MB_OK, {{B::Ok, QStringLiteral("OK")}}},
                 {MB_OKCANCEL, {{B::Ok, QStringLiteral("OK")}, {B::Cancel, Q(u8"キャンセル")}}},
                 {MB_YESNO, {{B::Yes, Q(u8"はい")}, {B::No, Q(u8"いいえ")}}},
                 {MB_YESNOCANCEL,
                  {{B::Yes, Q(u8"はい")}, {B::No, Q(u8"いいえ")}, {B::Cancel, Q(u8"キャンセル")}}},
                 {MB_RETRYCANCEL, {{B::Retry, Q(u8"再試行")}, {B::Cancel, Q(u8"キャンセル")}}},
                 {MB_ABORTRETRYIGNORE,
                  {{B::Abort, Q(u8"中止")}, {B::Retry, Q(u8"再試行")}, {B::Ignore, Q(u8"無視")}}}};
    for (const auto& c : cases) {
      std::vector<std::pair<B::StandardButton, QString>> shown;
      qsizetype count = 0, with_pictures = 0;
      OnNextMessageBox([&](QMessageBox& box) {
        for (const auto& [button, text] : c.buttons)
          if (QAbstractButton* b = box.button(button)) shown.emplace_back(button, b->text());
        count = box.buttons().size();
        for (QAbstractButton* b : box.buttons())
          with_pictures += b->icon().isNull() ? 0 : 1;
        QTest::keyClick(&box, Qt::Key_Return);  // the first button is the default one
      });
      AfxMessageBox(CString(u8"確認"), c.type | MB_ICONQUESTION);
      EXPECT_EQ(c.buttons, shown) << locale.name().toStdString() << " " << c.type;
      EXPECT_EQ(static_cast<qsizetype>(c.buttons.size()), count);
      EXPECT_EQ(0, with_pictures);  // plain buttons, as Windows draws them
    }
  }
  // Enter on the default はい answers as its Windows counterpart.
  OnNextMessageBox([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
  EXPECT_EQ(IDYES, AfxMessageBox(CString(u8"上書きしますか？"), MB_YESNO | MB_ICONQUESTION));
  QLocale::setDefault(before);
}

TEST_F(DialogsInUse, AClickAfterTypingIntoAnEditableComboGoesToTheFieldClicked) {
  CSingleSettingDialog dialog(&record, &folder, &reg.env, &draft, nullptr);
  Run(dialog, [&] {
    for (const int combo_id : {IDC_ARRANGEMENT, IDC_HISTORY}) {
      auto* combo = Control<QComboBox>(combo_id);
      ASSERT_NE(nullptr, combo);
      QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
      QTest::keyClick(combo->lineEdit(), Qt::Key_End);
      QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
      QTest::keyClick(combo->lineEdit(), Qt::Key_5);
      EXPECT_EQ(QStringLiteral("5"), combo->currentText());
      // The next click goes to the number field, and so do the keys after it.
      auto* page = Control<QLineEdit>(IDC_PAGE);
      QTest::mouseClick(page, Qt::LeftButton);
      EXPECT_EQ(page, QApplication::focusWidget()) << combo_id;
      EXPECT_EQ(IDC_PAGE, dialog.GetFocusId()) << combo_id;
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
      EXPECT_EQ(QStringLiteral("007"), page->text()) << combo_id;
      EXPECT_EQ(QStringLiteral("5"), combo->currentText()) << combo_id;
      // Leaving the field picked no item, though one reads as typed.
      EXPECT_EQ(-1, static_cast<CComboBox*>(dialog.GetDlgItem(combo_id))->GetCurSel());
    }
    EXPECT_EQ(CString("S5??0075.P21"), dialog.GetDlgItemText(IDC_PREVIEW));
    // A click on a push button after typing into a combo clicks it: the check's message box.
    auto* history = Control<QComboBox>(IDC_HISTORY);
    QTest::mouseClick(history->lineEdit(), Qt::LeftButton);
    QTest::keyClick(history->lineEdit(), Qt::Key_Backspace);
    QTest::keyClick(history->lineEdit(), Qt::Key_A);
    QStringList buttons;
    OnNextMessageBox([&](QMessageBox& box) {
      buttons = ButtonTexts(box);
      QTest::mouseClick(box.buttons().front(), Qt::LeftButton);
    });
    QTest::mouseClick(Control(IDOK), Qt::LeftButton);
    EXPECT_EQ(QStringList{QStringLiteral("OK")}, buttons);  // OK stays OK
    EXPECT_EQ(IDC_TYPE_BUTTON, dialog.GetFocusId());        // where the check sent the focus
    QTest::keyClick(ActiveDialog(), Qt::Key_Escape);
  });
}

TEST_F(DialogsInUse, AFieldTheDialogSendsTheFocusToIsTypedOver) {
  CSingleSettingDialog dialog(&record, &folder, &reg.env, &draft, nullptr);
  Run(dialog, [&] {
    // Tab to the reference number: its text is selected and typed over.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* arrangement = Control<QComboBox>(IDC_ARRANGEMENT);
    ASSERT_EQ(IDC_ARRANGEMENT, dialog.GetFocusId());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    EXPECT_EQ(QStringLiteral("a"), arrangement->currentText());
    // OK finds it invalid and sends the focus back to it, selected: the next key replaces it.
    QString message;
    OnNextMessageBox([&](QMessageBox& box) {
      message = box.text();
      QTest::keyClick(&box, Qt::Key_Return);
    });
    QTest::mouseClick(Control(IDOK), Qt::LeftButton);
    EXPECT_EQ(Q(u8"整理番号が無効です"), message);
    ASSERT_EQ(IDC_ARRANGEMENT, dialog.GetFocusId());
    // The desktop gives the dialog back the keyboard once the box has gone.
    ActiveDialog()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ActiveDialog()));
    EXPECT_EQ(arrangement, QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    EXPECT_EQ(QStringLiteral("3"), arrangement->currentText());
    EXPECT_EQ(CString("3"), dialog.GetDlgItemText(IDC_ARRANGEMENT));
    EXPECT_EQ(CString("S3??0010.P21"), dialog.GetDlgItemText(IDC_PREVIEW));
    QTest::keyClick(ActiveDialog(), Qt::Key_Escape);
  });
}

TEST_F(DialogsInUse, TheFirstDownArrowInTheTypeListPicksTheFirstRow) {
  // The row the list opens on (-1: none, as for a catalogue with no current type) and the row
  // the first Down picks: the first, or the one after the row picked before.
  const std::vector<std::pair<int, int>> cases = {{-1, 0}, {2, 3}};
  for (const auto& [opened_on, first_down] : cases) {
    const int expected = first_down;  // clang 14 cannot capture a structured binding
    QString picked_code;
    bool ok_enabled = false;
    presenter.SetShownHook([&, expected](CDialog& shown) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(ActiveDialog()));
      QApplication::processEvents();
      auto* list = Control<QTreeWidget>(IDC_SELZUMENTYPE_TYPES);
      ASSERT_NE(nullptr, list);
      EXPECT_EQ(list, QApplication::focusWidget());
      QTest::keyClick(list, Qt::Key_Down);
      const QList<QTreeWidgetItem*> selected = list->selectedItems();
      ASSERT_EQ(1, selected.size());
      EXPECT_EQ(expected, list->indexOfTopLevelItem(selected.front()));
      picked_code = selected.front()->text(0);
      ok_enabled = shown.GetDlgItem(IDOK)->IsWindowEnabled();
      QTest::keyClick(list, Qt::Key_Return);
    });
    draft.SetCurSel(0, opened_on < 0 ? -1 : draft.GetElmAt(0, opened_on)->GetNo());
    SelZumenTypeInfo info;
    ASSERT_EQ(1, SelZumenType(&draft, nullptr, &info));
    EXPECT_TRUE(ok_enabled);
    const CStdTreeElm* chosen = draft.GetElmAt(0, expected);
    EXPECT_EQ(chosen->GetNo(), info.no);
    EXPECT_EQ(afx::ToUtf8(chosen->GetFnameString()), picked_code.toStdString());
  }
}

TEST_F(DialogsInUse, TheFirstDownArrowInTheRegisteredFilesListPicksTheFirstRow) {
  reg.MakeDir(CString(u8"平面図"));
  for (const char8_t* name : {u8"D0PL001Z.P21", u8"橋梁一般図.dwg", u8"写真.jpg"}) {
    reg.MakeFile(CString(u8"平面図/") + CString(name));
    folder.AddFile(TestRegister::Record(CString(name)));
  }
  CDrawingFilesDialog dialog(&reg.env, &folder, nullptr);
  Run(dialog, [&] {
    auto* list = Control<QTreeWidget>(IDC_FILE_LIST);
    ASSERT_NE(nullptr, list);
    ASSERT_EQ(3, list->topLevelItemCount());
    EXPECT_EQ(list, QApplication::focusWidget());
    const auto* files = static_cast<CListCtrl*>(dialog.GetDlgItem(IDC_FILE_LIST));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(0, files->GetNextItem(-1, LVNI_SELECTED));
    EXPECT_TRUE(list->topLevelItem(0)->isSelected());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(1, files->GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(1, files->GetSelectedCount());
    QTest::keyClick(list, Qt::Key_Escape);
  });
}

TEST_F(DialogsInUse, TheFirstControlShowsTheFocusAndAFullFieldRefusesWhatIsTyped) {
  record.Page("123");
  CSingleSettingDialog dialog(&record, &folder, &reg.env, &draft, nullptr);
  Run(dialog, [&] {
    auto* life = Control<QComboBox>(IDC_LIFE);
    ASSERT_NE(nullptr, life);
    EXPECT_EQ(IDC_LIFE, dialog.GetFocusId());
    EXPECT_EQ(life, QApplication::focusWidget());
    const QImage focused = life->grab().toImage();
    auto* page = Control<QLineEdit>(IDC_PAGE);
    ASSERT_NE(nullptr, page);
    QTest::mouseClick(page, Qt::LeftButton);
    ASSERT_EQ(IDC_PAGE, dialog.GetFocusId());
    // The box looks otherwise the same: what differs is the mark of the focus.
    EXPECT_NE(focused, life->grab().toImage());
    ASSERT_EQ(QStringLiteral("123"), page->text());
    // At the start, after the first digit and at the end: refused, the cursor stays.
    for (const int moves : {0, 1, 3}) {
      QTest::keyClick(page, Qt::Key_Home);
      for (int i = 0; i < moves; ++i)
        QTest::keyClick(page, Qt::Key_Right);
      QTest::keyClick(page, Qt::Key_9);
      EXPECT_EQ(QStringLiteral("123"), page->text()) << moves;
      EXPECT_EQ(moves, page->cursorPosition());
      EXPECT_EQ(CString("123"), dialog.GetDlgItemText(IDC_PAGE));
    }
    // Typed over a selection, digits replace it as far as they fit.
    QTest::keyClick(page, Qt::Key_Home);
    QTest::keyClick(page, Qt::Key_Right);
    QTest::keyClick(page, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(page, Qt::Key_4);
    EXPECT_EQ(QStringLiteral("143"), page->text());
    QTest::keyClick(page, Qt::Key_5);
    EXPECT_EQ(QStringLiteral("143"), page->text());
    EXPECT_EQ(CString("143"), dialog.GetDlgItemText(IDC_PAGE));
    EXPECT_EQ(CString("S0??1430.P21"), dialog.GetDlgItemText(IDC_PREVIEW));
    // The same in a combo box's edit field of one character.
    auto* arrangement = Control<QComboBox>(IDC_ARRANGEMENT);
    QTest::mouseClick(arrangement->lineEdit(), Qt::LeftButton);
    QTest::keyClick(arrangement->lineEdit(), Qt::Key_Home);
    QTest::keyClick(arrangement->lineEdit(), Qt::Key_7);
    EXPECT_EQ(QStringLiteral("0"), arrangement->currentText());
    EXPECT_EQ(CString("0"), dialog.GetDlgItemText(IDC_ARRANGEMENT));
    QTest::keyClick(ActiveDialog(), Qt::Key_Escape);
  });
}

}  // namespace
