// The host's dialog controls: the number field holds its number to the range it was given,
// and a picture button shows the bitmap of its definition.
#include <gtest/gtest.h>

#include "framework/ui/MemoryPresenter.h"
#include "hostlibs/dlgbase/BitButton.h"
#include "hostlibs/dlgbase/DialogBase.h"
#include "hostlibs/dlgbase/NumEdit.h"
#include "hostlibs/reslib/CSetInstance.h"

namespace {

constexpr UINT kTemplate = 920;
constexpr int kNumber = 10;
constexpr int kPicture = 11;
constexpr UINT kBitmap = 1002;
// A 16 x 16 PNG header.
const unsigned char kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                              'I',  'H', 'D', 'R', 0,    0,    0,    16,   0, 0, 0, 16};

afx::ResourceModule& TestModule() {
  static afx::ResourceModule module = [] {
    using K = afx::ControlKind;
    afx::ResourceModule made("dlgbase-test");
    made.AddDialog(
        {kTemplate,
         "Controls",
         120,
         60,
         "MS Shell Dlg",
         9,
         {{kNumber, K::Edit, ES_NUMBER | WS_TABSTOP, "", 0, 0, 40, 12},
          {kPicture, K::Button, BS_OWNERDRAW | BS_BITMAP | WS_TABSTOP, "All", 50, 0, 40, 12},
          {IDOK, K::Button, BS_OWNERDRAW | WS_TABSTOP, "OK", 0, 40, 40, 12},
          {IDCANCEL, K::Button, BS_OWNERDRAW | WS_TABSTOP, "Cancel", 50, 40, 40, 12}}});
    made.AddBitmap({kBitmap, kPng, sizeof kPng});
    return made;
  }();
  return module;
}

class ControlsDialog : public DialogBase {
 public:
  ControlsDialog() : DialogBase(kTemplate, nullptr) {}
  NumEdit number;
  BitButton picture;
  std::vector<int> read;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DialogBase::DoDataExchange(dx);
    DDX_Control(dx, kNumber, number);
    DDX_Control(dx, kPicture, picture);
  }
  BOOL OnInitDialog() override {
    DialogBase::OnInitDialog();
    number.SetInt(42, 5, 100);
    ButtonDef def{};
    def.up = ResLibBitmap(kBitmap);
    picture.SetButtonDef(def, 1, 1);
    return TRUE;
  }
  void OnOK() override {
    read.push_back(number.GetInt());
    DialogBase::OnOK();
  }
};

TEST(HostDialogControls, NumberFieldHoldsItsRangeAndPictureButtonShowsItsBitmap) {
  afx::ScriptedDriver driver;
  afx::MemoryPresenter presenter(driver);
  afx::ScopedPresenter scope(presenter);
  CSetInstance guard(&TestModule());
  ControlsDialog dialog;
  driver.OnDialog(kTemplate, [&](afx::DialogSession& s) {
    EXPECT_EQ(CString("42"), s.Text(kNumber));
    EXPECT_EQ(kBitmap, s.Peer<afx::ButtonPeer>(kPicture).bitmap);
    EXPECT_TRUE(s.Peer<afx::ButtonPeer>(kPicture).bitmapWithText);
    for (const char* typed : {"7", "3", "1234", "", "x9"}) {
      s.Type(kNumber, typed);
      s.PressEnter();  // the focus moves on from the field; the dialog reads it
      EXPECT_TRUE(s.IsOpen());
      s.FocusOn(kNumber);
    }
    s.PressOK();
  });
  EXPECT_EQ(IDOK, dialog.DoModal());
  // OnOK runs at each Enter and at OK: 7, 5 (below the range), 100 (above it), 5 (no digits),
  // 9 (the field takes digits only), and 9 again at OK.
  EXPECT_EQ((std::vector<int>{7, 5, 100, 5, 9, 9}), dialog.read);
}

}  // namespace
