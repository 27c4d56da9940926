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
#include "register/CDrawingFolder.h"
#include "support/Register.h"

namespace {

using namespace drawreg;

QWidget* ActiveDialog() {
  return QApplication::activeModalWidget();
}

QTableView* Table() {
  QWidget* window = ActiveDialog();
  return window ? window->findChild<QTableView*>(QStringLiteral("control-%1").arg(IDC_SHEET))
                : nullptr;
}

QPoint CellCentre(QTableView* table, int row, int col) {
  return table->visualRect(table->model()->index(row, col)).center();
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

struct Opened {
  int calls = 0;
  size_t cells = 0;
  int visibleRows = 0;
  int lastAskedRow = -1;
};

Opened OpenOn(GridOnScreen& test, int count) {
  CountingDialog dialog(count, &test.reg.env, &test.draft);
  Opened opened;
  test.Run(dialog, [&](CDialog&) {
    QTableView* table = Table();
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(count, table->model()->rowCount());
    const int rowHeight = table->verticalHeader()->defaultSectionSize();
    opened.visibleRows = table->viewport()->height() / rowHeight + 1;
    opened.calls = dialog.sheet->calls;
    opened.cells = dialog.sheet->asked.size();
    for (const auto& cell : dialog.sheet->asked)
      opened.lastAskedRow = std::max(opened.lastAskedRow, cell.first);
  });
  return opened;
}

TEST_F(GridOnScreen, TenThousandRowsOpenAskingOnlyForTheCellsOnScreen) {
  const Opened few = OpenOn(*this, 100);
  const Opened many = OpenOn(*this, 10000);
  ASSERT_GT(many.visibleRows, 5);
  EXPECT_LE(many.cells, static_cast<size_t>(many.visibleRows * 8));
  EXPECT_LT(many.lastAskedRow, many.visibleRows);
  // A few paints of the page at most: a few hundred calls, as for a hundred rows.
  EXPECT_LE(many.calls, 3 * many.visibleRows * 8);
  EXPECT_LE(many.calls, few.calls);
  EXPECT_EQ(few.cells, many.cells);
}

TEST_F(GridOnScreen, ClicksMarkRowsAndWhatIsTypedInTheEditorReachesEveryMarkedRow) {
  std::vector<std::unique_ptr<CDrawingFile>> owned;
  TVector<CDrawingFile*> records;
  for (int i = 0; i < 5; ++i) {
    owned.push_back(std::make_unique<CDrawingFile>(TestRegister::Record("A.P21")));
    owned.back()->SetTypeInfo({0, 1, "PL"});
    CString page;
    page.Format("%d", i + 1);
    owned.back()->Page(page);
    records.Append(owned.back().get());
  }
  CDrawingFolder folder;
  CMultiSettingDialog dialog(&records, &folder, &reg.env, &draft, nullptr);
  const INT_PTR result = Run(dialog, [&](CDialog& shown) {
    QTableView* table = Table();
    ASSERT_NE(nullptr, table);
    const auto& grid = dynamic_cast<const afx::GridPeer&>(*shown.PeerOf(IDC_SHEET));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(table, 1, 2));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      CellCentre(table, 3, 2));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      CellCentre(table, 4, 2));
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
    for (int row : {1, 3, 4})
      EXPECT_EQ(CString("D"), grid.CellText(row, 2)) << row;
    EXPECT_EQ(CString("S"), grid.CellText(0, 2));
    EXPECT_EQ(QStringLiteral("D0PL0040.P21"),
              table->model()->index(3, 7).data(Qt::DisplayRole).toString());
    // The arrow keys move the cursor as a click does.
    QTest::keyClick(table, Qt::Key_Right);
    EXPECT_EQ(std::make_pair(4, 3), std::make_pair(grid.CurrentRow(), grid.CurrentCol()));
    EXPECT_EQ(1, grid.MarkCount());
    // Shift+click marks the range from the last plain move.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      CellCentre(table, 1, 3));
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
