// The library's dialogs on screen (offscreen): each is laid out from its template and saved
// as a picture under screenshots/, named by resource id, for people to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

#include "dialogs/CDrawingFilesDialog.h"
#include "dialogs/CMultiFolderSettingDialog.h"
#include "dialogs/CMultiSettingDialog.h"
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

// suffix tells apart pictures of one dialog in another arrangement ("-2017").
std::string ShotPath(UINT id, const std::string& suffix = "") {
  return std::string(DRAWREG_SCREENSHOT_DIR) + "/" + std::to_string(id) + suffix + ".png";
}

struct ScreenshotTest : ::testing::Test {
  static void SetUpTestSuite() { ASSERT_TRUE(afx::QtPresenter::EnsureApplication()); }
  ScreenshotTest() { folder.Name(CString(u8"平面図")); }

  // act runs on each dialog once it is up and has turned the event loop.
  void WhenShown(std::function<void(CDialog&, QWidget*)> act) {
    presenter.SetShownHook([act](CDialog& shown) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(ActiveDialog()));
      QApplication::processEvents();
      act(shown, ActiveDialog());
    });
  }
  // Saves the dialog's picture, checks that its texts (and the table's) fit, and closes it.
  void Save(CDialog& shown, QWidget* window, QTableView* table = nullptr) {
    const std::string png = ShotPath(shown.GetTemplateId(), suffix);
    EXPECT_TRUE(afx::QtPresenter::SaveScreenshot(shown, png));
    EXPECT_FALSE(QImage(QString::fromStdString(png)).isNull());
    ExpectLabelsFit(window);
    if (table) ExpectCellsFit(table);
    QTest::keyClick(window, Qt::Key_Escape);
  }
  // Saves the dialog once it is up, then closes it; returns the dialog's result.
  INT_PTR Shoot(CDialog& dialog) {
    WhenShown([this](CDialog& shown, QWidget* window) { Save(shown, window); });
    CSetInstance guard(drawreg::ResourceModule());
    return dialog.DoModal();
  }
  static QTableView* Table(QWidget* window) {
    return window->findChild<QTableView*>(QStringLiteral("control-%1").arg(drawreg::IDC_SHEET));
  }
  // Every cell's text and every heading of a table fits its column.
  static void ExpectCellsFit(QTableView* table) {
    const QFontMetrics metrics(table->font());
    const QFontMetrics header(table->horizontalHeader()->font());
    QAbstractItemModel* model = table->model();
    for (int col = 0; col < model->columnCount(); ++col) {
      const int width = table->columnWidth(col);
      const QString heading = model->headerData(col, Qt::Horizontal).toString();
      EXPECT_LE(header.horizontalAdvance(heading) + 4, width) << heading.toStdString();
      for (int row = 0; row < model->rowCount(); ++row) {
        const QString text = model->index(row, col).data().toString();
        EXPECT_LE(metrics.horizontalAdvance(text) + 4, width) << text.toStdString();
      }
    }
  }
  // Every label's text fits its label (no clipped text).
  static void ExpectLabelsFit(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->text().isEmpty() || label->text().contains(QChar(0x2026))) continue;
      const int needed = label->fontMetrics().horizontalAdvance(label->text());
      EXPECT_LE(needed, label->width() + 2) << label->text().toStdString();
    }
  }

  std::string suffix;
  TestRegister reg;
  CDrawingFolder folder;
  CStdDraftMgr draft;
  afx::QtPresenter presenter;
  afx::ScopedPresenter scope{presenter};
};

TEST_F(ScreenshotTest, SingleSettingDialog30000) {
  CDrawingFile record = TestRegister::Drawing(CString(u8"平面図01.P21"));
  record.Page("12");
  CSingleSettingDialog dialog(&record, &folder, &reg.env, &draft, nullptr);
  EXPECT_EQ(IDCANCEL, Shoot(dialog));
}

// The 2017 edition: the user-defined part below the revision, the wide preview below it.
TEST_F(ScreenshotTest, SingleSettingDialog30000In2017Edition) {
  reg.env.SetNaming(NamingEdition::k2017);
  suffix = "-2017";
  CDrawingFile record = TestRegister::Drawing(CString(u8"平面図01.P21"));
  record.Page("12");
  ASSERT_EQ(1, record.Title(CString(u8"一般平面図その１")));
  CSingleSettingDialog dialog(&record, &folder, &reg.env, &draft, nullptr);
  EXPECT_EQ(IDCANCEL, Shoot(dialog));
}

TEST_F(ScreenshotTest, RegisteredFilesDialog30002) {
  reg.MakeDir(CString(u8"平面図"));
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
  WhenShown([this](CDialog& shown, QWidget* window) { Save(shown, window); });
  EXPECT_EQ(0, SelZumenType(&draft, nullptr, &info));
}

TEST_F(ScreenshotTest, BatchSettingDialog30003AndSequentialNumbers30004) {
  const char8_t* names[] = {u8"平面図01.P21", u8"平面図02.P21", u8"縦断図01.P21", u8"縦断図02.P21",
                            u8"横断図A.SFC",  u8"横断図B.SFC",  u8"構造図01.P21", u8"配筋図01.P21",
                            u8"詳細図01.P21", u8"詳細図02.P21", u8"位置図.P21",   u8"一般図.SFC"};
  std::vector<std::unique_ptr<CDrawingFile>> owned;
  TVector<CDrawingFile*> records;
  for (const char8_t* name : names) {
    owned.push_back(std::make_unique<CDrawingFile>(TestRegister::Record(CString(name))));
    owned.back()->Page(CString(std::to_string(owned.size()).c_str()));
    records.Append(owned.back().get());
  }
  owned[0]->SetTypeInfo({0, 1, "PL"});
  owned[0]->Life("D");
  CMultiSettingDialog dialog(&records, &folder, &reg.env, &draft, nullptr);
  bool numbered = false;
  WhenShown([&](CDialog& shown, QWidget* window) {
    if (shown.GetTemplateId() == drawreg::IDD_PAGE_REN_NO) {
      numbered = true;
      return Save(shown, window);
    }
    QTableView* table = Table(window);
    ASSERT_NE(nullptr, table);
    const auto cell = [table](int row, int col) {
      return table->visualRect(table->model()->index(row, col)).center();
    };
    // Five rows marked, the cursor on a life cycle cell: its help shows below.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell(2, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier, cell(4, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier, cell(7, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier, cell(9, 2));
    QApplication::processEvents();
    EXPECT_TRUE(afx::QtPresenter::SaveScreenshot(shown, ShotPath(shown.GetTemplateId())));
    ExpectLabelsFit(window);
    ExpectCellsFit(table);
    auto* numbering =
        window->findChild<QPushButton*>(QStringLiteral("control-%1").arg(drawreg::IDC_PAGE_REN_NO));
    ASSERT_NE(nullptr, numbering);
    QTest::mouseClick(numbering, Qt::LeftButton);
    QTest::keyClick(ActiveDialog(), Qt::Key_Escape);
  });
  CSetInstance guard(drawreg::ResourceModule());
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_TRUE(numbered);
}

TEST_F(ScreenshotTest, MultiFolderSettingDialog30005) {
  // Three destination folders: 平面図 (in the register), 平面図/詳細 and 縦断図/第1工区, whose
  // parent holds no drawing and shows as a path node.
  struct Row {
    const char8_t* folder;
    const char8_t* name;
  };
  const Row files[] = {
      {u8"平面図", u8"平面図01.P21"},         {u8"平面図", u8"平面図02.P21"},
      {u8"平面図", u8"一般平面図.SFC"},       {u8"平面図/詳細", u8"詳細図01.P21"},
      {u8"縦断図/第1工区", u8"縦断図01.P21"}, {u8"縦断図/第1工区", u8"縦断図02.P21"}};
  std::vector<std::unique_ptr<CDrawingFile>> owned;
  TVector<DrawingMultiFileInfo> rows;
  for (const Row& file : files) {
    owned.push_back(std::make_unique<CDrawingFile>(TestRegister::Record(CString(file.name))));
    owned.back()->Page(CString(std::to_string(owned.size()).c_str()));
    const CString at(file.folder);
    rows.Append(DrawingMultiFileInfo(reg.Path(at), at == folder.Name() ? &folder : nullptr,
                                     owned.back().get()));
  }
  owned[0]->SetTypeInfo({0, 1, "PL"});
  owned[0]->Life("D");
  CMultiFolderSettingDialog dialog(reg.dir.Path(), &rows, &reg.env, &draft, nullptr);
  WhenShown([&](CDialog& shown, QWidget* window) {
    auto* tree =
        window->findChild<QTreeWidget*>(QStringLiteral("control-%1").arg(drawreg::IDC_FOLDER_TREE));
    QTableView* table = Table(window);
    ASSERT_NE(nullptr, tree);
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(3, table->model()->rowCount());  // the first folder, 平面図, is selected
    const auto click = [tree](const char8_t* text) {
      const QList<QTreeWidgetItem*> found =
          tree->findItems(QString::fromUtf8(text), Qt::MatchExactly | Qt::MatchRecursive);
      ASSERT_EQ(1, found.size());
      QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                        tree->visualItemRect(found.front()).center());
      QApplication::processEvents();
    };
    // The folder pictures show the tree's background where they are magenta.
    const QImage picture = tree->topLevelItem(0)->icon(0).pixmap(20, 20).toImage();
    EXPECT_EQ(0, qAlpha(picture.pixel(0, 0)));
    EXPECT_EQ(255, qAlpha(picture.pixel(10, 10)));
    // The path node 縦断図 empties the grid; a folder fills it again.
    click(u8"縦断図");
    EXPECT_EQ(0, table->model()->rowCount());
    click(u8"平面図");
    EXPECT_EQ(3, table->model()->rowCount());
    Save(shown, window, table);
  });
  CSetInstance guard(drawreg::ResourceModule());
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
}

TEST_F(ScreenshotTest, BatchSettingDialog30003In2017Edition) {
  reg.env.SetNaming(NamingEdition::k2017);
  suffix = "-2017";
  const char8_t* titles[] = {u8"一般平面図", u8"平面図その２", u8"縦断図", u8"", u8"標準横断図"};
  std::vector<std::unique_ptr<CDrawingFile>> owned;
  TVector<CDrawingFile*> records;
  for (const char8_t* title : titles) {
    owned.push_back(std::make_unique<CDrawingFile>(TestRegister::Record(CString(u8"図面.P21"))));
    owned.back()->Page(CString(std::to_string(owned.size()).c_str()));
    owned.back()->SetTypeInfo({0, 1, "PL"});
    ASSERT_EQ(1, owned.back()->Title(CString(title)));
    records.Append(owned.back().get());
  }
  CMultiSettingDialog dialog(&records, &folder, &reg.env, &draft, nullptr);
  WhenShown([&](CDialog& shown, QWidget* window) {
    QTableView* table = Table(window);
    ASSERT_NE(nullptr, table);
    // The cursor on the part of the first row: its help shows below.
    table->scrollTo(table->model()->index(0, 8));
    const QRect rect = table->visualRect(table->model()->index(0, 8));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QApplication::processEvents();
    Save(shown, window, table);
  });
  CSetInstance guard(drawreg::ResourceModule());
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
}

}  // namespace
