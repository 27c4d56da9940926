// The library's dialogs on screen (offscreen): each is laid out from its template and saved
// as a picture under screenshots/, named by resource id, for people to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include "dialogs/CDrawingFilesDialog.h"
#include "dialogs/CSingleSettingDialog.h"
#include "dialogs/DialogResources.h"
#include "framework/qt/QtPresenter.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"
#include "module/Module.h"
#include "register/CDrawingFolder.h"
#include "support/Register.h"

namespace {

std::string ShotPath(UINT id) {
  return std::string(DRAWREG_SCREENSHOT_DIR) + "/" + std::to_string(id) + ".png";
}

QWidget* ActiveDialog() {
  return QApplication::activeModalWidget();
}

struct ScreenshotTest : ::testing::Test {
  static void SetUpTestSuite() { ASSERT_TRUE(afx::QtPresenter::EnsureApplication()); }
  // Saves the dialog once it is up, then closes it with Escape; returns the dialog's result.
  INT_PTR Shoot(CDialog& dialog) {
    presenter.SetShownHook([&](CDialog& shown) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(ActiveDialog()));
      QApplication::processEvents();
      const std::string png = ShotPath(shown.GetTemplateId());
      EXPECT_TRUE(afx::QtPresenter::SaveScreenshot(shown, png));
      const QImage image(QString::fromStdString(png));
      EXPECT_FALSE(image.isNull());
      ExpectLabelsFit(ActiveDialog());
      QTest::keyClick(ActiveDialog(), Qt::Key_Escape);
    });
    CSetInstance guard(drawreg::ResourceModule());
    return dialog.DoModal();
  }
  // Every label's text fits its label (no clipped text).
  static void ExpectLabelsFit(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->text().isEmpty() || label->text().contains(QChar(0x2026))) continue;
      const int needed = label->fontMetrics().horizontalAdvance(label->text());
      EXPECT_LE(needed, label->width() + 2) << label->text().toStdString();
    }
  }

  TestRegister reg;
  CStdDraftMgr draft;
  afx::QtPresenter presenter;
  afx::ScopedPresenter scope{presenter};
};

TEST_F(ScreenshotTest, SingleSettingDialog30000) {
  CDrawingFolder folder;
  folder.Name(CString(u8"平面図"));
  CDrawingFile record;
  record.Name(CString(u8"平面図01.P21"));
  record.Life("D");
  record.Arrangement("0");
  record.Page("12");
  record.History("Z");
  record.SetTypeInfo({0, 1, "PL"});
  CSingleSettingDialog dialog(&record, &folder, &reg.env, &draft, nullptr);
  EXPECT_EQ(IDCANCEL, Shoot(dialog));
}

TEST_F(ScreenshotTest, RegisteredFilesDialog30002) {
  reg.MakeDir(CString(u8"平面図"));
  CDrawingFolder folder;
  folder.Name(CString(u8"平面図"));
  const char8_t* names[] = {u8"D0PL001Z.P21", u8"D0PL001Z.SAF", u8"橋梁一般図.dwg", u8"写真.jpg"};
  int size = 100;
  for (const char8_t* name : names) {
    reg.MakeFile(CString(u8"平面図/") + CString(name), std::string(static_cast<size_t>(size), 'x'));
    size *= 37;
    CDrawingFile record;
    record.Name(CString(name));
    record.SetTypeInfo({0, 1, "PL"});
    folder.AddFile(record);
  }
  CDrawingFilesDialog dialog(&reg.env, &folder, nullptr);
  EXPECT_EQ(IDCANCEL, Shoot(dialog));
}

TEST_F(ScreenshotTest, TypeSelectionDialog31000) {
  SelZumenTypeInfo info;
  info.fieldNo = 0;
  info.no = 1;
  draft.SetCurSel(0, 1);
  presenter.SetShownHook([&](CDialog& shown) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(ActiveDialog()));
    QApplication::processEvents();
    EXPECT_TRUE(afx::QtPresenter::SaveScreenshot(shown, ShotPath(shown.GetTemplateId())));
    ExpectLabelsFit(ActiveDialog());
    QTest::keyClick(ActiveDialog(), Qt::Key_Escape);
  });
  EXPECT_EQ(0, SelZumenType(&draft, nullptr, &info));
}

}  // namespace
