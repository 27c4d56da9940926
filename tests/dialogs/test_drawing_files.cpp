// The registered files list: what it shows for a folder, driven through the in-memory presenter.
#include <gtest/gtest.h>

#include "dialogs/BatchFixture.h"
#include "dialogs/CDrawingFilesDialog.h"

namespace {

TEST(DrawingFilesText, SizesInBytesKilobytesAndMegabytes) {
  EXPECT_EQ(CString(u8"0 ﾊﾞｲﾄ"), CDrawingFilesDialog::SizeText(0));
  EXPECT_EQ(CString(u8"1023 ﾊﾞｲﾄ"), CDrawingFilesDialog::SizeText(1023));
  EXPECT_EQ(CString("1.00 KB"), CDrawingFilesDialog::SizeText(1024));
  EXPECT_EQ(CString("1.50 KB"), CDrawingFilesDialog::SizeText(1536));
  EXPECT_EQ(CString("1024.00 KB"), CDrawingFilesDialog::SizeText(1048575));
  EXPECT_EQ(CString("1.00 MB"), CDrawingFilesDialog::SizeText(1048576));
  EXPECT_EQ(CString("5120.00 MB"), CDrawingFilesDialog::SizeText(5ULL << 30));
  std::tm t{};
  ASSERT_NE(nullptr, strptime("2026-12-05 10:30", "%Y-%m-%d %H:%M", &t));  // local time
  t.tm_isdst = -1;
  const ULONGLONG ns = static_cast<ULONGLONG>(std::mktime(&t)) * 1000000000ULL + 999;
  EXPECT_EQ(CString("2026/12/05 10:30"), CDrawingFilesDialog::TimeText(ns));
}

struct FilesFixture : BatchFixture {
  FilesFixture() { reg.MakeDir("A"); }
  // Shows the dialog for the folder; check reads it and its file list.
  void Show(std::function<void(afx::DialogSession&, const afx::ListPeer&)> check) {
    bool checked = false;
    driver.OnDialog(drawreg::IDD_DRAWING_FILES, [&](afx::DialogSession& s) {
      check(s, s.Peer<afx::ListPeer>(drawreg::IDC_FILE_LIST));
      checked = true;
      s.Cancel();
    });
    CSetInstance guard(drawreg::ResourceModule());
    CDrawingFilesDialog dialog(&reg.env, &folder, nullptr);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(checked);
  }
};

TEST_F(FilesFixture, FourColumnsAndARowPerFileInListOrderWithOneImagePerFileType) {
  Show([](afx::DialogSession& s, const afx::ListPeer& list) {
    EXPECT_EQ(CString(u8"登録済みファイル一覧"), s.Caption());
    ASSERT_EQ(4u, list.columns.size());
    EXPECT_EQ(CString(u8"元ファイル名"), list.columns[0].heading);
    EXPECT_EQ(CString(u8"更新日時"), list.columns[3].heading);
    EXPECT_EQ(LVCFMT_RIGHT, list.columns[2].format);
    EXPECT_EQ(80, list.columns[2].width);
    EXPECT_TRUE(list.extendedStyle & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(list.rows.empty());  // the folder is empty so far
  });
  reg.MakeFile("A/b.dwg", std::string(1536, 'x'));
  reg.MakeFile("A/a.DWG", "");
  reg.MakeFile("A/c.P21", std::string(10, 'p'));
  for (const char* name : {"b.dwg", "a.DWG", "c.P21", "vanished.dwg"})
    folder.AddFile(TestRegister::Record(name));
  folder.GetFile(2)->SetTypeInfo({0, 1, "PL"});
  Show([](afx::DialogSession&, const afx::ListPeer& list) {
    const std::vector<afx::ListRow>& rows = list.rows;
    ASSERT_EQ(4u, rows.size());
    EXPECT_EQ(CString("b.dwg"), rows[0].texts[0]);
    EXPECT_EQ(CString("S0??0010.dwg"), rows[0].texts[1]);
    EXPECT_EQ(CString("1.50 KB"), rows[0].texts[2]);
    EXPECT_EQ(16, rows[0].texts[3].GetLength());  // "YYYY/MM/DD hh:mm"
    EXPECT_EQ(CString("a.DWG"), rows[1].texts[0]);
    EXPECT_EQ(CString("S0PL0010.P21"), rows[2].texts[1]);
    EXPECT_EQ(rows[0].image, rows[1].image);  // .dwg and .DWG are one type
    EXPECT_NE(rows[0].image, rows[2].image);
    ASSERT_NE(nullptr, list.smallImages);
    EXPECT_EQ(2, list.smallImages->GetImageCount());
    EXPECT_EQ(-1, rows[3].image);  // a file that vanished: its row, without icon
    EXPECT_EQ(CString("vanished.dwg"), rows[3].texts[0]);
  });
}

}  // namespace
