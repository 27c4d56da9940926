// EntryDriver: answers the registration's and the information setting's dialogs and questions
// for a person who is not there. It fills the single setting dialog, or the batch grid row by
// row, from the command's options and sheet (or leaves what the file name gave), presses OK,
// consents to overwriting only when told to, retries a locked folder for a while, and prints
// every message box it answers. A row the grid's check refuses ends the dialog: the message
// goes to standard error and the command gives up. Like a person it takes a moment before each
// answer, which also gives the other user time to finish.
#pragma once

#include <optional>

#include "framework/ui/MemoryPresenter.h"
#include "host/LockWait.h"
#include "host/NameFields.h"

class CStdDraftMgr;

namespace host {

class Sheet;

struct EntryAnswers {
  NameFields fields;             // for every drawing
  std::optional<int> number;     // drawing numbers from here, one per drawing in grid order
  bool count_down = false;       // the numbers go down instead of up
  const Sheet* sheet = nullptr;  // a row of fields for each drawing; may be null
  bool yes = false;              // consent to overwriting
  double wait_seconds = 10;      // how long to retry a locked folder
  int think_ms = 50;             // the moment before each answer

  // The fields for one drawing: those for every drawing, its number, then its sheet row's.
  NameFields For(const CString& source_name, int index) const;
};

class EntryDriver : public afx::DialogDriver {
 public:
  EntryDriver(const EntryAnswers& answers, CStdDraftMgr& draft);

  // Starts a new registration: the lock retry time counts from here.
  void StartFile();
  // For a folder tree: whether the tree's top node is the destination folder itself (files
  // go directly into it), so that a node's path below the top is the path in the source.
  void SetTreeTop(bool top_is_destination) { tree_top_is_destination_ = top_is_destination; }
  void Drive(afx::DialogSession& session) override;
  int Answer(const afx::MessageBoxRequest& request) override;

 private:
  void FillSetting(afx::DialogSession& session);
  void FillGrid(afx::DialogSession& session);
  void FillFolders(afx::DialogSession& session);
  void FillRows(afx::DialogSession& session);
  void TypeIntoGrid(afx::DialogSession& session, int row, const NameFields& fields);
  void ChooseType(afx::DialogSession& session);
  void FillNumbering(afx::DialogSession& session);
  void Think() const;

  EntryAnswers answers_;
  CStdDraftMgr& draft_;
  LockWait wait_;
  CString last_question_;
  CString type_;  // the type code to choose when the type selection opens
  bool tree_top_is_destination_ = false;
  CString folder_;  // in a folder tree, the path of the folder shown, relative to its top
};

}  // namespace host
