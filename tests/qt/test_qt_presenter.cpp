// The Qt presenter, offscreen: a dialog with every kind of control is shown as real widgets,
// a person's input through Qt reaches the message map as the in-memory session delivers it,
// program changes show without coming back as input, and the layout follows dialog units.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "framework/qt/QtPresenter.h"
#include "framework/ui/CDialog.h"
#include "framework/ui/Controls.h"
#include "framework/ui/MemoryPresenter.h"
#include "framework/ui/ResourceModule.h"
#include "qt/QtSteps.h"

namespace {

constexpr UINT kTemplate = 990;
constexpr UINT kTreeBitmap = 991;
constexpr int kName = 1001, kBrowse = 1002, kType = 1003, kScale = 1004, kNumber = 1005,
              kCheck = 1006, kPath = 1007, kList = 1008, kTree = 1009, kRadioA = 1010,
              kRadioB = 1011, kGrid = 1012, kLabel = 1013;

std::string U8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

// The test dialog's template, and the tree's bitmap: three 16x16 strips, red, green and blue.
afx::ResourceModule& TestModule() {
  static const QByteArray png = [] {
    QImage image(48, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int x = 16; x < 48; ++x)
      for (int y = 0; y < 16; ++y)
        image.setPixelColor(x, y, x < 32 ? Qt::green : Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
  }();
  static afx::ResourceModule module = [] {
    using K = afx::ControlKind;
    const std::vector<afx::ControlTemplate> controls = {
        {kLabel, K::Static, SS_LEFT, u8"元ファイル名：", 7, 9, 50, 8},
        {kName, K::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, "", 60, 7, 120, 12},
        {kBrowse, K::Button, WS_TABSTOP, u8"参照(&B)...", 185, 6, 50, 14},
        {-1, K::Static, SS_LEFT, u8"図面種類：", 7, 26, 50, 8},
        {kType, K::ComboBox, CBS_DROPDOWNLIST | WS_TABSTOP, "", 60, 24, 80, 80},
        {-1, K::Static, SS_RIGHT, u8"縮尺：", 145, 26, 30, 8},
        {kScale, K::ComboBox, CBS_DROPDOWN | WS_TABSTOP, "", 180, 24, 55, 80},
        {-1, K::Static, SS_LEFT, u8"番号：", 7, 43, 50, 8},
        {kNumber, K::Edit, WS_BORDER | ES_NUMBER | ES_RIGHT, "", 60, 41, 40, 12},
        {kCheck, K::Button, BS_AUTOCHECKBOX | WS_TABSTOP, u8"上書きする", 110, 42, 70, 10},
        {kPath, K::Static, SS_SUNKEN | SS_CENTERIMAGE | SS_ENDELLIPSIS, "", 7, 58, 228, 12},
        {-1, K::Static, SS_ETCHEDHORZ, "", 7, 74, 228, 1},
        {kList, K::ListView, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER, "", 7, 80, 150, 70},
        {kTree, K::TreeView, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, "", 162, 80, 73, 70},
        {kRadioA, K::Button, BS_AUTORADIOBUTTON | WS_GROUP, u8"新規", 7, 156, 40, 10},
        {kRadioB, K::Button, BS_AUTORADIOBUTTON, u8"追加", 50, 156, 40, 10},
        {kGrid, K::Grid, WS_BORDER, "", 100, 154, 60, 20},
        {IDOK, K::Button, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, "OK", 130, 180, 50, 14},
        {IDCANCEL, K::Button, WS_TABSTOP, u8"キャンセル", 185, 180, 50, 14}};
    afx::ResourceModule made("qt-test");
    made.AddDialog({kTemplate, u8"図面登録", 260, 200, u8"ＭＳ Ｐゴシック", 9, controls});
    made.AddBitmap({kTreeBitmap, reinterpret_cast<const unsigned char*>(png.constData()),
                    static_cast<size_t>(png.size())});
    return made;
  }();
  return module;
}

class RecordingDialog : public CDialog {
 public:
  RecordingDialog() : CDialog(kTemplate) {}
  std::vector<std::string> events;
  std::function<void(RecordingDialog&)> onBrowse;
  int refuseCancel = 0;
  bool throwOnCheck = false;

  CEdit name;
  CComboBox type, scale;
  CListCtrl list;
  CTreeCtrl tree;
  HTREEITEM plan = nullptr;

 private:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, kName, name);
    DDX_Control(dx, kType, type);
    DDX_Control(dx, kScale, scale);
    DDX_Control(dx, kList, list);
    DDX_Control(dx, kTree, tree);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    name.LimitText(12);
    for (const char8_t* item : {u8"位置図", u8"平面図", u8"縦断図"})
      type.AddString(CString(item));
    type.SetCurSel(0);
    scale.AddString("1/100");
    scale.AddString("1/500");
    SetDlgItemText(kPath, CString(u8"/srv/drawings/県道123号線道路改良工事/第1工区/平面図/"
                                  u8"詳細設計/最終成果品/PL001.SFC"));
    list.InsertColumn(0, CString(u8"ファイル名"), LVCFMT_LEFT, 110);
    list.InsertColumn(1, CString(u8"種類"), LVCFMT_LEFT, 60);
    list.InsertColumn(2, CString(u8"サイズ"), LVCFMT_RIGHT, 50);
    fileIcons_.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4);
    list.SetImageList(&fileIcons_, LVSIL_SMALL);
    const auto add_row = [this](const char8_t* file, const IconHandle& kind, const char8_t* size) {
      const int at =
          list.InsertItem(list.GetItemCount(), CString(file), fileIcons_.ReplaceIcon(-1, &kind));
      list.SetItemText(at, 1, kind.typeName);
      list.SetItemText(at, 2, CString(size));
    };
    add_row(u8"平面図.SFC", {u8"SFC ファイル", ".sfc"}, u8"12 KB");
    add_row(u8"写真.TIF", {u8"TIF ファイル", ".tif"}, u8"340 KB");
    treeImages_.Create(16, 16, ILC_COLOR24, 0, 3);
    treeImages_.AddBitmapStrips(kTreeBitmap, 3);
    tree.SetImageList(&treeImages_, 0);
    HTREEITEM root = tree.InsertItem(CString(u8"共通"), 0, 1);
    plan = tree.InsertItem(CString(u8"平面図"), 0, 1, root);
    tree.InsertItem(CString(u8"縦断図"), 0, 1, root);
    tree.Expand(root, TVE_EXPAND);
    return TRUE;
  }
  void OnOK() override {
    const bool on_button = GetFocus() && GetFocus()->GetDlgCtrlID() == IDOK;
    events.push_back(on_button ? "ok-on-button" : "ok-else");
    CDialog::OnOK();
  }
  void OnCancel() override {
    if (refuseCancel-- > 0) return events.push_back("cancel-refused");
    events.push_back("cancel");
    CDialog::OnCancel();
  }
  std::string Text(int id) const { return afx::ToUtf8(GetDlgItemText(id)); }
  void OnNameUpdate() { events.push_back("update:" + Text(kName)); }
  void OnNameChange() { events.push_back("change:" + Text(kName)); }
  void OnNameKillFocus() { events.push_back("killfocus"); }
  void OnNumberChange() { events.push_back("number:" + Text(kNumber)); }
  std::string Sel(CComboBox& c, int id) { return std::to_string(c.GetCurSel()) + ":" + Text(id); }
  void OnTypeSel() { events.push_back("type:" + Sel(type, kType)); }
  void OnScaleSel() { events.push_back("scale-sel:" + Sel(scale, kScale)); }
  void OnScaleEdit() { events.push_back("scale-edit:" + Text(kScale)); }
  void OnBrowse() {
    events.push_back("browse");
    if (onBrowse) onBrowse(*this);
  }
  void OnCheck() {
    if (throwOnCheck) throw std::runtime_error("check failed");
    events.push_back("check:" +
                     std::to_string(static_cast<CButton*>(GetDlgItem(kCheck))->GetCheck()));
  }
  void OnRow(NMHDR*, LRESULT*) {
    events.push_back("row:" + std::to_string(list.GetNextItem(-1, LVNI_SELECTED)));
  }
  void OnNode(NMHDR*, LRESULT*) {
    events.push_back("node:" + afx::ToUtf8(tree.GetItemText(tree.GetSelectedItem())));
  }

  CImageList fileIcons_, treeImages_;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingDialog, CDialog)
ON_EN_UPDATE(kName, OnNameUpdate)
ON_EN_CHANGE(kName, OnNameChange)
ON_EN_KILLFOCUS(kName, OnNameKillFocus)
ON_EN_CHANGE(kNumber, OnNumberChange)
ON_CBN_SELCHANGE(kType, OnTypeSel)
ON_CBN_SELCHANGE(kScale, OnScaleSel)
ON_CBN_EDITCHANGE(kScale, OnScaleEdit)
ON_BN_CLICKED(kBrowse, OnBrowse)
ON_BN_CLICKED(kCheck, OnCheck)
ON_NOTIFY(LVN_ITEMCHANGED, kList, OnRow)
ON_NOTIFY(TVN_SELCHANGED, kTree, OnNode)
END_MESSAGE_MAP()

// The innermost test dialog on screen (also the one under a message box).
QWidget* Window() {
  const QString name = QStringLiteral("dialog-%1").arg(kTemplate);
  for (QWidget* w = QApplication::activeModalWidget(); w; w = w->parentWidget())
    if (w->objectName() == name && w->isVisible()) return w;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName() == name) return w;
  return nullptr;
}

template <typename W = QWidget>
W* Control(int id) {
  QWidget* window = Window();
  return window ? window->findChild<W*>(QStringLiteral("control-%1").arg(id)) : nullptr;
}

// Types text as key presses; characters past ASCII come as key events that carry just their
// text, as an input method delivers them.
void TypeKeys(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(widget, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

struct QtPresenterTest : ::testing::Test {
  static void SetUpTestSuite() {
    ASSERT_TRUE(afx::QtPresenter::EnsureApplication());
    afx::AddToModuleChain(&TestModule());
  }
  static void TearDownTestSuite() { afx::RemoveFromModuleChain(&TestModule()); }

  // Shows the dialog; act runs once it is on screen and must end it with the result expected.
  void Run(RecordingDialog& dialog, INT_PTR expected, std::function<void()> act) {
    presenter.SetShownHook([act](CDialog&) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
      act();
    });
    EXPECT_EQ(expected, dialog.DoModal());
  }

  afx::QtPresenter presenter;
  afx::ScopedPresenter scope{presenter};
};

TEST_F(QtPresenterTest, TypingPickingAndClickingReachTheMessageMapInOrder) {
  RecordingDialog dialog;
  Run(dialog, IDOK, [&] {
    auto* name = Control<QLineEdit>(kName);
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(name, QApplication::focusWidget());  // the first control that takes the focus
    // 10 bytes, then two more fit the 12-byte limit and the last is refused.
    TypeKeys(name, Q(u8"平面図A-01XYZ"));
    EXPECT_EQ(Q(u8"平面図A-01XY"), name->text());
    EXPECT_EQ(CString(u8"平面図A-01XY"), dialog.name.GetWindowText());
    auto* number = Control<QLineEdit>(kNumber);
    QTest::mouseClick(number, Qt::LeftButton);  // takes the focus from the name field
    QTest::keyClicks(number, "1a2");
    EXPECT_EQ(QStringLiteral("12"), number->text());
    auto* type = Control<QComboBox>(kType);
    type->setFocus(Qt::TabFocusReason);
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_EQ(Q(u8"平面図"), type->currentText());
    auto* scale = Control<QComboBox>(kScale);
    scale->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(scale->lineEdit(), "1/2");
    QTest::keyClick(scale, Qt::Key_Down);  // the edit field takes the pick after the notification
    EXPECT_EQ(QStringLiteral("1/100"), scale->lineEdit()->text());
    QTest::mouseClick(Control<QCheckBox>(kCheck), Qt::LeftButton);
    // A list row and a tree item picked with the mouse; both show their images.
    auto* list = Control<QTreeWidget>(kList);
    EXPECT_EQ(QStringLiteral("12 KB"), list->topLevelItem(0)->text(2));
    EXPECT_EQ(Qt::AlignRight, list->topLevelItem(0)->textAlignment(2) & Qt::AlignRight);
    EXPECT_FALSE(list->topLevelItem(0)->icon(0).isNull());  // the file type's icon
    const QRect row = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_TRUE(dialog.list.GetItemState(1, LVIS_SELECTED));
    auto* tree = Control<QTreeWidget>(kTree);
    QTreeWidgetItem* plan = tree->topLevelItem(0)->child(0);
    const auto colour = [plan] { return plan->icon(0).pixmap(16, 16).toImage().pixelColor(8, 8); };
    EXPECT_EQ(QColor(Qt::red), colour());  // strip 0 of the bitmap
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(plan).center());
    EXPECT_EQ(dialog.plan, dialog.tree.GetSelectedItem());
    EXPECT_EQ(QColor(Qt::green), colour());  // its selected image, strip 1
    QTest::mouseClick(Control<QPushButton>(IDOK), Qt::LeftButton);
  });
  // Every character typed is one update and one change, with the text so far.
  std::vector<std::string> expected;
  for (const char8_t* typed : {u8"平", u8"平面", u8"平面図", u8"平面図A", u8"平面図A-",
                               u8"平面図A-0", u8"平面図A-01", u8"平面図A-01X", u8"平面図A-01XY"})
    expected.insert(expected.end(), {"update:" + U8(typed), "change:" + U8(typed)});
  expected.insert(expected.end(),
                  {"killfocus", "number:1", "number:12", "type:1:" + U8(u8"平面図"), "scale-edit:1",
                   "scale-edit:1/", "scale-edit:1/2", "scale-sel:0:1/2", "check:1", "row:1",
                   "node:" + U8(u8"平面図"), "ok-on-button"});
  EXPECT_EQ(expected, dialog.events);
  EXPECT_EQ(CString("1/100"), dialog.scale.GetWindowText());
}

TEST_F(QtPresenterTest, ProgramChangesShowWithoutComingBackAsInput) {
  RecordingDialog dialog;
  dialog.onBrowse = [](RecordingDialog& d) {
    d.SetDlgItemText(kName, CString(u8"変更済み"));  // the edit reports this change itself, once
    d.GetDlgItem(kNumber)->EnableWindow(FALSE);
    d.GetDlgItem(kCheck)->ShowWindow(SW_HIDE);
    d.type.AddString(CString(u8"詳細図"));
    d.type.SetCurSel(3);
    d.list.InsertItem(0, CString(u8"新規.P21"), 0);
    d.list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    d.tree.SelectItem(d.plan);  // reports TVN_SELCHANGED itself, once
    d.CheckRadioButton(kRadioA, kRadioB, kRadioB);
    d.SetWindowText(CString(u8"図面登録（変更）"));
    d.GotoDlgCtrl(d.GetDlgItem(kScale));
    d.PostMessage(WM_COMMAND, MAKEWPARAM(kName, EN_KILLFOCUS));
    d.events.push_back("browse-done");
  };
  Run(dialog, IDCANCEL, [&] {
    QTest::mouseClick(Control(kBrowse), Qt::LeftButton);
    EXPECT_EQ(Q(u8"変更済み"), Control<QLineEdit>(kName)->text());
    EXPECT_FALSE(Control(kNumber)->isEnabled());
    EXPECT_TRUE(Control(kCheck)->isHidden());
    EXPECT_EQ(Q(u8"詳細図"), Control<QComboBox>(kType)->currentText());
    EXPECT_TRUE(Control<QRadioButton>(kRadioB)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(kRadioA)->isChecked());
    EXPECT_EQ(Q(u8"図面登録（変更）"), Window()->windowTitle());
    EXPECT_TRUE(Control(kScale)->hasFocus());
    QCoreApplication::processEvents();  // lists and trees are rebuilt once per turn
    auto* list = Control<QTreeWidget>(kList);
    ASSERT_EQ(3, list->topLevelItemCount());
    EXPECT_EQ(Q(u8"新規.P21"), list->topLevelItem(0)->text(0));
    EXPECT_TRUE(list->topLevelItem(1)->isSelected());
    EXPECT_FALSE(list->topLevelItem(0)->isSelected());
    EXPECT_EQ(Q(u8"平面図"), Control<QTreeWidget>(kTree)->currentItem()->text(0));
    QTest::keyClick(Control(kScale), Qt::Key_Escape);
  });
  // The click takes the focus from the name field first.
  EXPECT_EQ((std::vector<std::string>{"killfocus", "browse", "update:" + U8(u8"変更済み"),
                                      "change:" + U8(u8"変更済み"), "node:" + U8(u8"平面図"),
                                      "browse-done", "killfocus", "cancel"}),
            dialog.events);
  // The widgets are gone; the controls still answer and take changes.
  dialog.name.SetWindowText("after");
  EXPECT_EQ(CString("after"), dialog.name.GetWindowText());
}

TEST_F(QtPresenterTest, ADialogOpenedByAHandlerRunsOverItsOwnerAndEnterEscapeOrCloseEndThem) {
  RecordingDialog outer, inner;
  outer.refuseCancel = 1;
  outer.onBrowse = [&](RecordingDialog& d) {
    d.events.push_back(inner.DoModal() == IDOK ? "inner-ok" : "inner-cancel");
  };
  QWidget* outer_window = nullptr;
  presenter.SetShownHook([&](CDialog& shown) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
    if (&shown == &outer) {
      outer_window = Window();
      QTest::mouseClick(Control(kBrowse), Qt::LeftButton);  // runs the inner dialog
      QTest::keyClick(Control(kBrowse), Qt::Key_Escape);
      ASSERT_EQ(outer_window, Window());  // the dialog refused: still on screen
      outer_window->close();
      return;
    }
    EXPECT_EQ(outer_window, Window()->parentWidget());
    TypeKeys(Control(kName), QStringLiteral("ab"));
    QTest::keyClick(Control(kName), Qt::Key_Return);  // OK, without the focus on the button
  });
  EXPECT_EQ(IDCANCEL, outer.DoModal());
  // The focus going to the inner dialog and back is no input to the outer one.
  EXPECT_EQ(
      (std::vector<std::string>{"killfocus", "browse", "inner-ok", "cancel-refused", "cancel"}),
      outer.events);
  EXPECT_EQ((std::vector<std::string>{"update:a", "change:a", "update:ab", "change:ab", "ok-else"}),
            inner.events);
}

TEST_F(QtPresenterTest, MessageBoxButtonsIconsAndTextsMapToTheirResults) {
  // The box's type, the button pressed, the result it maps to, and the icon shown.
  const std::tuple<UINT, QMessageBox::StandardButton, int, QMessageBox::Icon> cases[] = {
      {MB_OK | MB_ICONINFORMATION, QMessageBox::Ok, IDOK, QMessageBox::Information},
      {MB_OKCANCEL | MB_ICONEXCLAMATION, QMessageBox::Cancel, IDCANCEL, QMessageBox::Warning},
      {MB_YESNO | MB_ICONQUESTION, QMessageBox::Yes, IDYES, QMessageBox::Question},
      {MB_YESNO, QMessageBox::No, IDNO, QMessageBox::NoIcon},
      {MB_YESNOCANCEL | MB_ICONERROR, QMessageBox::Cancel, IDCANCEL, QMessageBox::Critical},
      {MB_RETRYCANCEL, QMessageBox::Retry, IDRETRY, QMessageBox::NoIcon}};
  for (const auto& [type, press, result, want_icon] : cases) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    const QMessageBox::StandardButton button = press;  // a binding cannot be captured
    OnNextMessageBox([&](QMessageBox& box) {
      icon = box.icon();
      text = box.text();
      box.button(button)->click();
    });
    EXPECT_EQ(result, AfxMessageBox(CString(u8"データエラー\r\n続けますか？"), type));
    EXPECT_EQ(want_icon, icon);
    EXPECT_EQ(Q(u8"データエラー\n続けますか？"), text);
  }
  // A box of a dialog sits over its window; a handler's failure is reported and the dialog
  // goes on.
  RecordingDialog dialog;
  dialog.throwOnCheck = true;
  QWidget* parent = nullptr;
  QString caption, failure;
  Run(dialog, IDCANCEL, [&] {
    OnNextMessageBox([&](QMessageBox& box) {
      parent = box.parentWidget();
      caption = box.windowTitle();
      box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(IDNO, dialog.MessageBox(CString(u8"上書きしますか？"), CString(u8"確認"), MB_YESNO));
    EXPECT_EQ(Window(), parent);
    EXPECT_EQ(Q(u8"確認"), caption);
    OnNextMessageBox([&](QMessageBox& box) {
      failure = box.text();
      box.button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(Control(kCheck), Qt::LeftButton);
    EXPECT_EQ(QStringLiteral("check failed"), failure);
    ASSERT_NE(nullptr, Window());
    QTest::keyClick(Window(), Qt::Key_Escape);
  });
}

TEST_F(QtPresenterTest, LayoutFollowsDialogUnitsOfAJapaneseGothicFont) {
  RecordingDialog dialog;
  Run(dialog, IDCANCEL, [&] {
    QWidget* window = Window();
    const QFont font = window->font();
    const QString family = QFontInfo(font).family();
    if (QFontDatabase::families().contains(QStringLiteral("IPAPGothic"))) {
      EXPECT_EQ(QStringLiteral("IPAPGothic"), family);
    }
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese))
        << family.toStdString();
    EXPECT_EQ(9, font.pointSize());
    // Dialog units from the font: 4 per average letter width, 8 per line height.
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double base_x = metrics.horizontalAdvance(letters) / 52.0;
    EXPECT_NEAR(260 * base_x / 4, window->width(), 260 / 4.0 * 0.5 + 1);
    EXPECT_NEAR(200 * metrics.height() / 8.0, window->height(), 2);
    EXPECT_NEAR(120 * base_x / 4, Control(kName)->width(), 120 / 4.0 * 0.5 + 1);
    EXPECT_NEAR(70 * metrics.height() / 8.0, Control(kList)->height(), 2);
    // Texts fit their controls; the long path is shortened with an ellipsis.
    for (int id : {kLabel, kCheck, IDCANCEL, kRadioA}) {
      const QString text = Control(id)->property("text").toString();
      EXPECT_FALSE(text.isEmpty()) << id;
      EXPECT_LE(metrics.horizontalAdvance(text), Control(id)->width()) << id;
    }
    auto* path = Control<QLabel>(kPath);
    EXPECT_TRUE(path->text().endsWith(QChar(0x2026))) << path->text().toStdString();
    EXPECT_LE(metrics.horizontalAdvance(path->text()), path->contentsRect().width());
    // Controls apart in dialog units stay apart on screen (a combo box is one line).
    const QList<QWidget*> controls = window->findChildren<QWidget*>(
        QRegularExpression(QStringLiteral("^control-")), Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls)
      for (QWidget* b : controls)
        EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()))
            << a->objectName().toStdString() << " " << b->objectName().toStdString();
    const std::string png =
        std::string(DRAWREG_SCREENSHOT_DIR) + "/" + std::to_string(kTemplate) + ".png";
    ASSERT_TRUE(afx::QtPresenter::SaveScreenshot(dialog, png));
    const QImage shot(QString::fromStdString(png));
    EXPECT_EQ(window->size(), shot.size() / shot.devicePixelRatio());
    QTest::keyClick(window, Qt::Key_Escape);
  });
}

}  // namespace
