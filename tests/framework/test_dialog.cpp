// The window model driven through the in-memory presenter: notifications reach the message
// map in the order real input sends them, focus moves notify, posted messages run after.
#include <gtest/gtest.h>

#include "framework/ui/CDialog.h"
#include "framework/ui/Controls.h"
#include "framework/ui/MemoryPresenter.h"
#include "framework/ui/ResourceModule.h"

namespace {

constexpr UINT kTemplate = 900;
constexpr int kEdit = 10, kCombo = 11, kList = 12, kButton = 13, kNumber = 14;
constexpr int kRadioA = 20, kRadioB = 21, kRadioC = 22;

afx::ResourceModule& TestModule() {
  static afx::ResourceModule module = [] {
    using K = afx::ControlKind;
    const std::vector<afx::ControlTemplate> controls = {
        {-1, K::Static, 0, "label", 0, 0, 10, 8},
        {kEdit, K::Edit, 0, "", 0, 10, 40, 12},
        {kCombo, K::ComboBox, CBS_DROPDOWN, "", 0, 24, 40, 60},
        {kNumber, K::Edit, ES_NUMBER, "", 0, 38, 40, 12},
        {kList, K::ListView, LVS_REPORT, "", 0, 40, 80, 30},
        {kButton, K::Button, 0, "Post", 50, 10, 40, 12},
        {IDOK, K::Button, BS_DEFPUSHBUTTON, "OK", 50, 60, 20, 12},
        {IDCANCEL, K::Button, 0, "Cancel", 75, 60, 20, 12},
        {kRadioA, K::Button, BS_AUTORADIOBUTTON | WS_GROUP, "A", 0, 70, 20, 8},
        {kRadioB, K::Button, BS_AUTORADIOBUTTON, "B", 20, 70, 20, 8},
        {kRadioC, K::Button, BS_AUTORADIOBUTTON | WS_GROUP, "C", 40, 70, 20, 8}};
    afx::ResourceModule made("test");
    made.AddDialog({kTemplate, "Test", 100, 80, "MS Shell Dlg", 9, controls});
    return made;
  }();
  return module;
}

class RecordingDialog : public CDialog {
 public:
  RecordingDialog() : CDialog(kTemplate) {}
  std::vector<std::string> events;
  CString comboTextAtSelChange;

 private:
  void DoDataExchange(CDataExchange* dx) override {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kCombo, combo_);
    DDX_Control(dx, kEdit, edit_);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    combo_.AddString("first");
    combo_.AddString("second");
    edit_.LimitText(3);
    return TRUE;
  }
  void OnOK() override {
    events.push_back(GetFocus() && GetFocus()->GetDlgCtrlID() == IDOK ? "ok-on-button" : "ok-else");
    CDialog::OnOK();
  }
  void OnEditChange() { events.push_back("change:" + edit_.GetWindowText().Bytes()); }
  void OnEditKillFocus() { events.push_back("killfocus"); }
  void OnComboSel() {
    comboTextAtSelChange = combo_.GetWindowText();
    events.push_back("sel:" + std::to_string(combo_.GetCurSel()));
  }
  void OnPost() {
    PostMessage(WM_COMMAND, MAKEWPARAM(kEdit, EN_KILLFOCUS));
    events.push_back("clicked");
  }
  void OnListChanged(NMHDR* header, LRESULT*) {
    events.push_back("row:" + std::to_string(header->idFrom));
  }

  CComboBox combo_;
  CEdit edit_;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingDialog, CDialog)
ON_EN_CHANGE(kEdit, OnEditChange)
ON_EN_KILLFOCUS(kEdit, OnEditKillFocus)
ON_CBN_SELCHANGE(kCombo, OnComboSel)
ON_BN_CLICKED(kButton, OnPost)
ON_NOTIFY(LVN_ITEMCHANGED, kList, OnListChanged)
END_MESSAGE_MAP()

struct DialogFixture : ::testing::Test {
  DialogFixture() : presenter(driver), scope(presenter) { afx::AddToModuleChain(&TestModule()); }
  ~DialogFixture() override { afx::RemoveFromModuleChain(&TestModule()); }
  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter;
  afx::ScopedPresenter scope;
};

TEST_F(DialogFixture, TypingPickingAndFocusReachTheMessageMapInOrder) {
  RecordingDialog dialog;
  driver.OnDialog(kTemplate, [&](afx::DialogSession& s) {
    EXPECT_EQ(kEdit, s.FocusId());  // the first control that takes the focus
    s.Type(kEdit, "abcdef");        // limited to three characters
    s.Pick(kCombo, 1);              // leaving the edit tells it so
    EXPECT_EQ(CString("second"), s.Text(kCombo));
    s.Type(kNumber, "1a2");
    EXPECT_EQ(CString("12"), s.Text(kNumber));
    s.Click(kButton);  // its posted message runs after the click's handler
    s.PressEnter();    // Enter in a field: OK without the focus on the button
  });
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ(CString(""), dialog.comboTextAtSelChange);  // the edit text follows afterwards
  EXPECT_EQ((std::vector<std::string>{"change:abc", "killfocus", "sel:1", "clicked", "killfocus",
                                      "ok-else"}),
            dialog.events);
}

TEST_F(DialogFixture, OkButtonCancelAndAMissingTemplate) {
  RecordingDialog ok;
  driver.OnDialog(kTemplate, [](afx::DialogSession& s) { s.PressOK(); });
  EXPECT_EQ(IDOK, ok.DoModal());
  // The click takes the focus from the edit field first.
  EXPECT_EQ((std::vector<std::string>{"killfocus", "ok-on-button"}), ok.events);
  RecordingDialog left_open;
  driver.OnDialog(kTemplate, [](afx::DialogSession&) {});
  EXPECT_EQ(IDCANCEL, left_open.DoModal());  // a dialog nobody ends is closed as with Escape
  CDialog missing(12345);
  EXPECT_EQ(-1, missing.DoModal());
  afx::RemoveFromModuleChain(&TestModule());
  RecordingDialog unlinked;
  EXPECT_EQ(-1, unlinked.DoModal());
  afx::SetResourceHandle(&TestModule());  // found through the current resource module
  EXPECT_EQ(IDCANCEL, unlinked.DoModal());
  afx::SetResourceHandle(nullptr);
}

TEST_F(DialogFixture, MessageBoxesGoToTheDriverWithOwnerCaptionAndFlags) {
  RecordingDialog dialog;
  driver.OnMessageBox([](const afx::MessageBoxRequest& r) {
    return (r.type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
  });
  driver.OnDialog(kTemplate, [&](afx::DialogSession& s) {
    EXPECT_EQ(IDYES, s.Dialog().MessageBox(CString(u8"続けますか？"), CString(u8"確認"),
                                           MB_YESNO | MB_ICONEXCLAMATION));
    s.Pick(kList, 0);  // no rows: nothing happens
    s.Click(kRadioC);
    s.Click(kRadioA);
    s.Click(kRadioB);  // unchecks A of its group, leaves C of the next group alone
    EXPECT_EQ(BST_UNCHECKED, s.Peer<afx::ButtonPeer>(kRadioA).check);
    EXPECT_EQ(BST_CHECKED, s.Peer<afx::ButtonPeer>(kRadioB).check);
    EXPECT_EQ(BST_CHECKED, s.Peer<afx::ButtonPeer>(kRadioC).check);
    EXPECT_EQ(kRadioB, s.Dialog().GetCheckedRadioButton(kRadioA, kRadioC - 1));
    s.Cancel();
  });
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  ASSERT_EQ(1u, driver.MessageBoxes().size());
  EXPECT_EQ(&dialog, driver.MessageBoxes()[0].owner);
  EXPECT_EQ(CString(u8"確認"), driver.MessageBoxes()[0].caption);
  EXPECT_EQ(MB_YESNO | MB_ICONEXCLAMATION, driver.MessageBoxes()[0].type);
}

}  // namespace
