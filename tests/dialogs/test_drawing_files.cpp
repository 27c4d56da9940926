// The registered files list: what it shows for a folder, driven through the in-memory presenter.
#include <gtest/gtest.h>

#include "dialogs/CDrawingFilesDialog.h"
#include "dialogs/DialogResources.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "module/Module.h"
#include "register/CDrawingFolder.h"
#include "support/Register.h"

namespace {

using drawreg::IDC_FILE_LIST;

TEST(DrawingFilesText, SizesInBytesKilobytesAndMegabytes) {
  EXPECT_EQ(CString(u8"0 ﾊﾞｲﾄ"), CDrawingFilesDialog::SizeText(0));
  EXPECT_EQ(CString(u8"1023 ﾊﾞｲﾄ"), CDrawingFilesDialog::SizeText(1023));
  EXPECT_EQ(CString("1.00 KB"), CDrawingFilesDialog::SizeText(1024));
  EXPECT_EQ(CString("1.50 KB"), CDrawingFilesDialog::SizeText(1536));
  EXPECT_EQ(CString("1024.00 KB"), CDrawingFilesDialog::SizeText(1048575));
  EXPECT_EQ(CString("1.00 MB"), CDrawingFilesDialog::SizeText(1048576));
  EXPECT_EQ(CString("5120.00 MB"), CDrawingFilesDialog::SizeText(5ULL << 30));
  // 2026-12-05 10:30 local time.
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 5;
  t.tm_hour = 10;
  t.tm_min = 30;
  t.tm_isdst = -1;
  const ULONGLONG ns = static_cast<ULONGLONG>(std::mktime(&t)) * 1000000000ULL + 999;
  EXPECT_EQ(CString("2026/12/05 10:30"), CDrawingFilesDialog::TimeText(ns));
}

struct FilesFixture : ::testing::Test {
  FilesFixture() : presenter(driver), scope(presenter) {
    reg.MakeDir("A");
    folder.Name("A");
  }
  // Shows the dialog and keeps what the driver saw.
  void Show() {
    driver.OnDialog(drawreg::IDD_DRAWING_FILES, [&](afx::DialogSession& s) {
      caption = s.Caption();
      const afx::WindowPeer& list = s.Peer(IDC_FILE_LIST);
      columns = list.columns;
      rows = list.rows;
      images = list.smallImages ? list.smallImages->GetImageCount() : -1;
      full_row = (list.extendedStyle & LVS_EX_FULLROWSELECT) != 0;
      s.Cancel();
    });
    CSetInstance guard(drawreg::ResourceModule());
    CDrawingFilesDialog dialog(&reg.env, &folder, nullptr);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
  }
  TestRegister reg;
  CDrawingFolder folder;
  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter;
  afx::ScopedPresenter scope;
  CString caption;
  std::vector<afx::ListColumn> columns;
  std::vector<afx::ListRow> rows;
  int images = 0;
  bool full_row = false;
};

TEST_F(FilesFixture, EmptyFolderShowsTheFourColumnsAndNoRows) {
  Show();
  EXPECT_EQ(CString(u8"登録済みファイル一覧"), caption);
  ASSERT_EQ(4u, columns.size());
  EXPECT_EQ(CString(u8"元ファイル名"), columns[0].heading);
  EXPECT_EQ(CString(u8"更新日時"), columns[3].heading);
  EXPECT_EQ(LVCFMT_RIGHT, columns[2].format);
  EXPECT_EQ(80, columns[2].width);
  EXPECT_TRUE(full_row);
  EXPECT_TRUE(rows.empty());
}

TEST_F(FilesFixture, RowsInListOrderWithOneImagePerFileType) {
  reg.MakeFile("A/b.dwg", std::string(1536, 'x'));
  reg.MakeFile("A/a.DWG", "");
  reg.MakeFile("A/c.P21", std::string(10, 'p'));
  CDrawingFile typed = TestRegister::Record("c.P21");
  typed.SetTypeInfo({0, 1, "PL"});
  folder.AddFile(TestRegister::Record("b.dwg"));
  folder.AddFile(TestRegister::Record("a.DWG"));
  folder.AddFile(typed);
  folder.AddFile(TestRegister::Record("vanished.dwg"));
  Show();
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ(CString("b.dwg"), rows[0].texts[0]);
  EXPECT_EQ(CString("S0??0010.dwg"), rows[0].texts[1]);
  EXPECT_EQ(CString("1.50 KB"), rows[0].texts[2]);
  EXPECT_EQ(16u, static_cast<size_t>(rows[0].texts[3].GetLength()));  // "YYYY/MM/DD hh:mm"
  EXPECT_EQ(CString("a.DWG"), rows[1].texts[0]);
  EXPECT_EQ(CString("S0PL0010.P21"), rows[2].texts[1]);
  EXPECT_EQ(rows[0].image, rows[1].image);  // .dwg and .DWG are one type
  EXPECT_NE(rows[0].image, rows[2].image);
  EXPECT_EQ(2, images);
  EXPECT_EQ(-1, rows[3].image);  // a file that vanished: its row, without icon
  EXPECT_EQ(CString("vanished.dwg"), rows[3].texts[0]);
}

}  // namespace
