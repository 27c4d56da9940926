// The peers of each kind of control: the state a control of that kind keeps beyond what every
// window has, and how it takes a person's input.
#pragma once

#include <memory>
#include <vector>

#include "framework/ui/WindowPeer.h"

class CImageList;

namespace afx {

// Makes the peer of the control a template describes.
std::unique_ptr<WindowPeer> MakePeer(const ControlTemplate& t);

// The dialog's own window: its caption. The dialog's view shows it; it is no control, and a
// caption the program sets is told to nobody.
class DialogPeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor&) override {}
  bool TakesFocus() const override { return false; }
};

class StaticPeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  bool TakesFocus() const override { return false; }
};

class ButtonPeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  // A group box is a frame with a title: it never has the focus.
  bool TakesFocus() const override;
  // An auto radio button checks itself and unchecks the rest of its group, an auto check box
  // toggles; then the command.
  void Click(ControlOwner& dialog) override;

  DWORD ButtonType() const { return style & BS_TYPEMASK; }
  bool IsAutoRadio() const { return ButtonType() == BS_AUTORADIOBUTTON; }
  bool IsGroupBox() const { return ButtonType() == BS_GROUPBOX; }

  int check = BST_UNCHECKED;
};

// A control a person types text into: an edit control, or a combo box with an edit field.
class TextInputPeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;

  // The part of typed the control takes when it is typed between before and after (the text
  // kept on either side of the cursor or selection): characters the control refuses are left
  // out, and none that would take the text past the limit (in bytes, whole characters only).
  CString Accepted(const CString& before, const CString& typed, const CString& after) const;
  // What typing text over the whole field leaves in it.
  CString TypedText(const CString& text) const { return Accepted(CString(), text, CString()); }

  // Typing over the whole field: what the field takes of text is the edit.
  bool Type(ControlOwner& dialog, const CString& text) final;
  // A person's edit left text in the field, held to the field's rules already: the control
  // keeps it and tells the dialog.
  virtual void Edited(ControlOwner& dialog, const CString& text) = 0;
  // Whether there is a field to type into.
  virtual bool HasEditField() const { return true; }

  int textLimit = 0;  // 0: no limit

 protected:
  // Whether the control takes this character (len bytes at c) when typed.
  virtual bool Takes(const char* /*c*/, int /*len*/) const { return true; }
};

class EditPeer final : public TextInputPeer {
 public:
  using TextInputPeer::TextInputPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  UINT FocusNotification(bool gained) const override;
  // An edit control reports every change of its text, also one the program made.
  void TextSetByProgram(ControlOwner& dialog) override;
  void Edited(ControlOwner& dialog, const CString& text) override;

 protected:
  // An ES_NUMBER edit takes digits only.
  bool Takes(const char* c, int len) const override;
};

class ComboPeer final : public TextInputPeer {
 public:
  using TextInputPeer::TextInputPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  UINT FocusNotification(bool gained) const override;
  // What is typed selects no item.
  void Edited(ControlOwner& dialog, const CString& text) override;
  // A drop-down combo (CBS_DROPDOWN) has an edit field; a drop-down list has not.
  bool HasEditField() const override { return (style & CBS_TYPEMASK) == CBS_DROPDOWN; }
  // A drop-down list shows the pick at once; a drop-down combo's edit field takes the item's
  // text only after the selection notification, and then shows what is selected by then.
  bool Pick(ControlOwner& dialog, int index) override;

  bool HasItem(int index) const { return index >= 0 && static_cast<size_t>(index) < items.size(); }

  std::vector<CString> items;
  int curSel = -1;
};

struct ListColumn {
  CString heading;
  int format = LVCFMT_LEFT;
  int width = 0;  // pixels
};

struct ListRow {
  std::vector<CString> texts;  // the item's text, then each sub-item's
  int image = -1;
  bool selected = false;
  DWORD_PTR data = 0;
};

class ListPeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  // Selects the row alone.
  bool Pick(ControlOwner& dialog, int index) override;
  // A person's selection: selected[i] for row i (rows past its end are not selected). The
  // dialog hears LVN_ITEMCHANGED when any row's state changed; true then.
  bool Select(ControlOwner& dialog, const std::vector<bool>& selected);

  std::vector<ListColumn> columns;
  std::vector<ListRow> rows;
  DWORD extendedStyle = 0;
  CImageList* smallImages = nullptr;
  CImageList* normalImages = nullptr;
};

struct TreeNode {
  CString text;
  int image = 0;
  int selectedImage = 0;
  bool expanded = false;
  DWORD_PTR data = 0;
  TreeNode* parent = nullptr;
  std::vector<std::unique_ptr<TreeNode>> children;
};

class TreePeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
  // A person selects node (one of this tree's); the dialog hears TVN_SELCHANGED.
  void Select(ControlOwner& dialog, TreeNode* node);
  // The node reached by following the texts from the root, or null.
  TreeNode* Find(const std::vector<CString>& path);

  TreeNode root;
  TreeNode* selectedNode = nullptr;
  CImageList* images = nullptr;
};

// The place of a grid control in the dialog. It keeps nothing of a grid yet: presenters show
// an empty table of its size.
class GridPeer final : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Accept(PeerVisitor& visitor) override { visitor.Visit(*this); }
};

}  // namespace afx
