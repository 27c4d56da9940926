// Registering through the in-memory presenter on a real disk: a register with one folder
// "root/F", a source folder "src", and a driver that confirms the setting dialog.
#pragma once

#include <vector>

#include "dialogs/DialogResources.h"
#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/stddraft/CStdDraftMgr.h"
#include "hostlibs/stddraft/SelZumenType.h"
#include "register/CDrawingManager.h"
#include "support/Register.h"

struct EntryFixture : ::testing::Test {
  EntryFixture() : presenter(driver), scope(presenter) {
    reg.MakeDir("root/F");
    reg.MakeDir("src");
    reg.env.SetPath(CEnvironObj::kDrawingRoot, reg.Path("root"));
    manager.SetEnvObj(reg.env);
    manager.LoadFolders();
    driver.OnDialog(drawreg::IDD_SINGLE_SETTING, [this](afx::DialogSession& s) {
      preview = s.Text(drawreg::IDC_PREVIEW);
      if (!confirm) return;
      if (preview.Find("??") >= 0) s.Click(drawreg::IDC_TYPE_BUTTON);  // a name without a type: LC
      s.PressOK();
    });
    driver.OnDialog(IDD_SELZUMENTYPE, [](afx::DialogSession& s) {
      s.Pick(IDC_SELZUMENTYPE_TYPES, 0);
      s.PressOK();
    });
    driver.OnMessageBox([this](const afx::MessageBoxRequest& r) {
      return (r.type & MB_TYPEMASK) == MB_YESNO ? answer : IDOK;
    });
  }
  int Entry(const char* name) {
    return manager.EntryFile(reg.Path(CString("src/") + name), Folder(), &draft, nullptr);
  }
  CString Folder() const { return reg.Path("root/F"); }
  CDrawingFolder* F() { return manager.FindFolder(Folder()); }
  std::string Info() { return ReadBytes(reg.Path("root/F/FOLDERINF.$$$")); }
  std::vector<CString> Messages() const {
    std::vector<CString> texts;
    for (const auto& m : driver.MessageBoxes())
      texts.push_back(m.text);
    return texts;
  }

  TestRegister reg;
  CDrawingManager manager;
  CStdDraftMgr draft;
  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter;
  afx::ScopedPresenter scope;
  CString preview;
  bool confirm = true;
  int answer = IDYES;
};
