// Registering and setting many files through the in-memory presenter: EntryFixture with a
// driver for the batch grid that reads back what it shows, lets a test type into it, and
// presses OK (or cancels).
#pragma once

#include <functional>
#include <initializer_list>

#include "dialogs/BatchSteps.h"
#include "registration/EntryFixture.h"

struct BatchEntryFixture : EntryFixture {
  BatchEntryFixture() {
    driver.OnDialog(drawreg::IDD_MULTI_SETTING, [this](afx::DialogSession& s) {
      ++grids;
      sources = Column(s, 1);
      if (edit) edit(s);
      names = Column(s, 7);
      if (confirm) s.PressOK();
      if (!confirm) s.Cancel();
    });
  }
  // The list form over files of src (paths relative to it).
  int Batch(std::initializer_list<const char*> files) {
    CStringArray paths;
    for (const char* name : files)
      paths.Add(reg.Path(CString("src/") + name));
    return manager.EntryFiles(paths, Folder(), &draft, nullptr);
  }
  bool Exists(const char* relative) const { return afx::LookAt(reg.Path(relative)).error == 0; }

  int grids = 0;
  CString sources;  // the grid's source names, as it opened
  CString names;    // its deliverable names, as it closed
  std::function<void(afx::DialogSession&)> edit;
};
