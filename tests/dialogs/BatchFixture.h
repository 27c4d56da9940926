// The setting dialogs on records of a folder, driven through the in-memory presenter.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "dialogs/CMultiSettingDialog.h"
#include "dialogs/CSingleSettingDialog.h"
#include "dialogs/DialogModule.h"
#include "dialogs/DialogResources.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/reslib/CSetInstance.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"
#include "register/CDrawingFolder.h"
#include "support/Register.h"

struct BatchFixture : ::testing::Test {
  BatchFixture() : presenter(driver), scope(presenter) { folder.Name("A"); }

  // count new records DWG1.P21, DWG2.P21... (fields at their defaults, no type).
  void AddRecords(int count) {
    for (int i = 0; i < count; ++i) {
      CString name;
      name.Format("DWG%d.P21", static_cast<int>(owned.size()) + 1);
      owned.push_back(std::make_unique<CDrawingFile>(TestRegister::Record(name)));
      records.Append(owned.back().get());
    }
  }
  CDrawingFile& Record(int i) { return *records[i]; }

  // Runs the dialog with script as the person's actions; the dialog's result.
  int Run(std::function<void(afx::DialogSession&)> script) {
    driver.OnDialog(drawreg::IDD_MULTI_SETTING, script);
    CSetInstance guard(drawreg::ResourceModule());
    CMultiSettingDialog dialog(&records, &folder, &reg.env, &draft, nullptr);
    return static_cast<int>(dialog.DoModal());
  }
  // Runs the single setting dialog on record with script as the person's actions.
  int RunSingle(CDrawingFile& record, std::function<void(afx::DialogSession&)> script) {
    driver.OnDialog(drawreg::IDD_SINGLE_SETTING, script);
    CSetInstance guard(drawreg::ResourceModule());
    CSingleSettingDialog dialog(&record, &folder, &reg.env, &draft, nullptr);
    return static_cast<int>(dialog.DoModal());
  }
  // The type selection, when it opens, picks type `no` of the sample catalogue's field 0.
  void ChooseTypeWhenAsked(int no) {
    driver.OnDialog(IDD_SELZUMENTYPE, [no](afx::DialogSession& sel) {
      sel.Pick(IDC_SELZUMENTYPE_FIELD, 0);
      sel.Pick(IDC_SELZUMENTYPE_TYPES, no);
      sel.PressOK();
    });
  }
  std::vector<int> Marked(afx::DialogSession& s) const {
    std::vector<int> rows;
    for (int row = 0; row < s.RowCount(drawreg::IDC_SHEET); ++row) {
      if (s.IsMarked(drawreg::IDC_SHEET, row)) rows.push_back(row);
    }
    return rows;
  }
  CString LastMessage() const {
    return driver.MessageBoxes().empty() ? CString() : driver.MessageBoxes().back().text;
  }

  TestRegister reg;
  CDrawingFolder folder;
  std::vector<std::unique_ptr<CDrawingFile>> owned;
  TVector<CDrawingFile*> records;
  CStdDraftMgr draft;
  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter;
  afx::ScopedPresenter scope;
};
