// The window model driven through the in-memory presenter: notifications reach the message
// map in the order real input sends them, focus moves notify, posted messages run after.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "framework/ui/CDialog.h"
#include "framework/ui/Controls.h"
#include "framework/ui/MemoryPresenter.h"
#include "framework/ui/ResourceModule.h"

namespace {

constexpr UINT kTemplate = 900;
constexpr int kEdit = 10, kCombo = 11, kList = 12, kButton = 13, kNumber = 14;
constexpr int kRadioA = 20, kRadioB = 21, kRadioC = 22, kGroup = 23, kDropList = 24;

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
        {kRadioC, K::Button, BS_AUTORADIOBUTTON | WS_GROUP, "C", 40, 70, 20, 8},
        {kGroup, K::Button, BS_GROUPBOX, "Group", 0, 80, 100, 20},
        {kDropList, K::ComboBox, CBS_DROPDOWNLIST, "", 5, 88, 40, 60}};
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

TEST(TextInput, TakesWhatFitsBesideTheTextKeptAndWhatTheFieldAccepts) {
  using K = afx::ControlKind;
  afx::EditPeer number({1, K::Edit, ES_NUMBER, "", 0, 0, 40, 12});
  number.textLimit = 3;
  EXPECT_EQ(CString(""), number.Accepted("12", "9", "3"));    // full: refused at the cursor
  EXPECT_EQ(CString("4"), number.Accepted("1", "4a5", "3"));  // no letters, nothing past 3
  EXPECT_EQ(CString("123"), number.TypedText("1234"));
  afx::ComboPeer combo({2, K::ComboBox, CBS_DROPDOWN, "", 0, 0, 40, 60});
  combo.textLimit = 5;
  // Two bytes kept and two of a double-byte character fit; half a character never does.
  EXPECT_EQ(CString(u8"あ"), combo.Accepted("a", CString(u8"あい"), "b"));
  EXPECT_EQ(CString("a1b"), combo.Accepted("", "a1b", ""));  // only an edit control is ES_NUMBER
  combo.textLimit = 0;
  EXPECT_EQ(CString(u8"あいう"), combo.TypedText(CString(u8"あいう")));
}

TEST_F(DialogFixture, EachKindOfControlTakesTheInputItHasAndNoOther) {
  RecordingDialog dialog;
  driver.OnDialog(kTemplate, [&](afx::DialogSession& s) {
    CDialog& d = s.Dialog();
    auto* drop = static_cast<CComboBox*>(d.GetDlgItem(kDropList));
    drop->AddString("x");
    drop->AddString("y");
    s.Type(kDropList, "typed");  // a drop-down list has no field to type into
    EXPECT_EQ(CString(""), s.Text(kDropList));
    s.Pick(kDropList, 1);
    EXPECT_EQ(CString("y"), s.Text(kDropList));
    // A group box never takes the focus: the next control after C is the drop-down list.
    s.FocusOn(kRadioC);
    d.NextDlgCtrl();
    EXPECT_EQ(kDropList, s.FocusId());
    // A list row picked again while it is the only one selected changes nothing and tells the
    // dialog nothing.
    auto* list = static_cast<CListCtrl*>(d.GetDlgItem(kList));
    list->InsertItem(0, "a");
    list->InsertItem(1, "b");
    s.Pick(kList, 1);
    s.Pick(kList, 1);
    s.Pick(kList, 0);
    EXPECT_EQ(0, list->GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(1, list->GetSelectedCount());
    // A handle bound to a control of another kind does nothing.
    CComboBox not_a_combo;
    CDataExchange dx(&d, FALSE);
    DDX_Control(&dx, kEdit, not_a_combo);
    EXPECT_EQ(CB_ERR, not_a_combo.AddString("z"));
    EXPECT_EQ(0, not_a_combo.GetCount());
    EXPECT_EQ(CString(""), s.Text(kEdit));
    EXPECT_THROW(s.Peer<afx::ComboPeer>(kEdit), std::invalid_argument);
    EXPECT_THROW(s.Peer(999), std::out_of_range);
    EXPECT_EQ(CString("y"), s.Peer<afx::ComboPeer>(kDropList).items.at(1));
    s.Cancel();
  });
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_EQ(2,
            std::count(dialog.events.begin(), dialog.events.end(), "row:" + std::to_string(kList)));
}

}  // namespace
