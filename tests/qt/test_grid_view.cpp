// The batch grid on screen (offscreen): the table asks for the cells it paints and no others,
// a person's clicks mark rows as the in-memory session does, and what is typed into a cell's
// editor reaches every marked row.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "dialogs/CMultiSettingDialog.h"
#include "dialogs/CMultiSettingSheet.h"
#include "dialogs/DialogModule.h"
#include "dialogs/DialogResources.h"
#include "framework/qt/QtPresenter.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/dlgbase/DialogBase.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "qt/QtSteps.h"
#include "register/CDrawingFolder.h"
#include "support/Register.h"

namespace {

using namespace drawreg;

QTableView* Table() {
  QWidget* window = ActiveDialog();
  return window ? window->findChild<QTableView*>(QStringLiteral("control-%1").arg(IDC_SHEET))
                : nullptr;
}

void ClickCell(QTableView* table, int row, int col, Qt::KeyboardModifiers keys = {}) {
  const QPoint centre = table->visualRect(table->model()->index(row, col)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, keys, centre);
}

// The batch sheet, counting the cells it is asked for.
class CountingSheet : public CMultiSettingSheet {
 public:
  using CMultiSettingSheet::CMultiSettingSheet;
  void GetItemText(int row, int col, CString& text) override {
    ++calls;
    asked.insert({row, col});
    CMultiSettingSheet::GetItemText(row, col, text);
  }
  int calls = 0;
  std::set<std::pair<int, int>> asked;
};

// The batch setting dialog's window with a counting sheet over count records.
class CountingDialog : public DialogBase {
 public:
  CountingDialog(int count, const CEnvironObj* env, CStdDraftMgr* draft)
      : DialogBase(IDD_MULTI_SETTING, nullptr) {
    for (int i = 0; i < count; ++i) {
      records.push_back(std::make_unique<CDrawingFile>());
      CString name;
      name.Format("DWG%05d.P21", i + 1);
      records.back()->Name(name);
      rows.Append(records.back().get());
    }
    sheet = std::make_unique<CountingSheet>(&rows, env, draft, this, 14);
  }
  ~CountingDialog() override { sheet.reset(); }

  std::vector<std::unique_ptr<CDrawingFile>> records;
  TVector<CDrawingFile*> rows;
  std::unique_ptr<CountingSheet> sheet;

 private:
  void DoDataExchange(CDataExchange* dx) override {
    DialogBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_SHEET, *sheet);
  }
};

struct GridOnScreen : ::testing::Test {
  static void SetUpTestSuite() { ASSERT_TRUE(afx::QtPresenter::EnsureApplication()); }

  // Shows dialog; act runs once it is up and laid out, then the dialog is closed if still open.
  INT_PTR Run(CDialog& dialog, std::function<void(CDialog&)> act) {
    presenter.SetShownHook([act](CDialog& shown) {
      if (QTest::qWaitForWindowExposed(ActiveDialog())) {
        QApplication::processEvents();
        act(shown);
      }
      if (shown.IsOpen()) QTest::keyClick(ActiveDialog(), Qt::Key_Escape);
    });
    CSetInstance guard(drawreg::ResourceModule());
    return dialog.DoModal();
  }

  TestRegister reg;
  CStdDraftMgr draft;
  afx::QtPresenter presenter;
  afx::ScopedPresenter scope{presenter};
};

TEST_F(GridOnScreen, TenThousandRowsOpenAskingOnlyForTheCellsOnScreen) {
  CountingDialog dialog(10000, &reg.env, &draft);
  Run(dialog, [&](CDialog&) {
    QTableView* table = Table();
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(10000, table->model()->rowCount());
    const int visibleRows =
        table->viewport()->height() / table->verticalHeader()->defaultSectionSize() + 1;
    ASSERT_GT(visibleRows, 5);
    const auto& asked = dialog.sheet->asked;
    EXPECT_LE(asked.size(), static_cast<size_t>(visibleRows * 8));
    ASSERT_FALSE(asked.empty());
    EXPECT_LT(asked.rbegin()->first, visibleRows);  // the cells are in row order
    // A few paints of the page at most, whatever the number of rows.
    EXPECT_LE(dialog.sheet->calls, 3 * visibleRows * 8);
  });
}

TEST_F(GridOnScreen, ClicksMarkRowsAndWhatIsTypedInTheEditorReachesEveryMarkedRow) {
  std::vector<std::unique_ptr<CDrawingFile>> owned;
  TVector<CDrawingFile*> records;
  for (const char* page : {"1", "2", "3", "4", "5"}) {
    owned.push_back(std::make_unique<CDrawingFile>(TestRegister::Record("A.P21")));
    owned.back()->SetTypeInfo({0, 1, "PL"});
    owned.back()->Page(page);
    records.Append(owned.back().get());
  }
  CDrawingFolder folder;
  CMultiSettingDialog dialog(&records, &folder, &reg.env, &draft, nullptr);
  const INT_PTR result = Run(dialog, [&](CDialog& shown) {
    QTableView* table = Table();
    ASSERT_NE(nullptr, table);
    const auto& grid = dynamic_cast<const afx::GridPeer&>(*shown.PeerOf(IDC_SHEET));
    ClickCell(table, 1, 2);
    ClickCell(table, 3, 2, Qt::ControlModifier);
    ClickCell(table, 4, 2, Qt::ControlModifier);
    EXPECT_EQ(3, grid.MarkCount());
    EXPECT_EQ(std::make_pair(4, 2), std::make_pair(grid.CurrentRow(), grid.CurrentCol()));
    // The marks are the rows the table shows selected.
    for (int row = 0; row < 5; ++row)
      EXPECT_EQ(grid.IsMarked(row), table->selectionModel()->isRowSelected(row)) << row;
    EXPECT_EQ(table->model()->index(4, 2), table->currentIndex());
    // The status line shows the help of the current column.
    EXPECT_TRUE(shown.GetDlgItemText(IDC_STATUS).Find(CString(u8"ライフサイクル")) >= 0);
    // Typing opens the editor, which takes one character here; Enter hands it on.
    QTest::keyClicks(table, QStringLiteral("DC"));
    auto* editor = table->findChild<QLineEdit*>();
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(QStringLiteral("D"), editor->text());
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the editor hands its text on once the loop turns
    for (int row = 0; row < 5; ++row)
      EXPECT_EQ(CString(row == 0 || row == 2 ? "S" : "D"), grid.CellText(row, 2)) << row;
    EXPECT_EQ(QStringLiteral("D0PL0040.P21"),
              table->model()->index(3, 7).data(Qt::DisplayRole).toString());
    // The arrow keys move the cursor as a click does.
    QTest::keyClick(table, Qt::Key_Right);
    EXPECT_EQ(std::make_pair(4, 3), std::make_pair(grid.CurrentRow(), grid.CurrentCol()));
    EXPECT_EQ(1, grid.MarkCount());
    // Shift+click marks the range from the last plain move.
    ClickCell(table, 1, 3, Qt::ShiftModifier);
    EXPECT_EQ(4, grid.MarkCount());
    EXPECT_TRUE(table->selectionModel()->isRowSelected(2));
    QTest::mouseClick(ActiveDialog()->findChild<QPushButton*>(QStringLiteral("control-1")),
                      Qt::LeftButton);
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(CString("D0PL0020.P21"), records[1]->Name(0));
  EXPECT_EQ(CString("S0PL0010.P21"), records[0]->Name(0));
  EXPECT_EQ(CString("D0PL0050.P21"), records[4]->Name(0));
}

}  // namespace
