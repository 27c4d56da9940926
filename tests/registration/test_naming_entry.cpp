// Registering in a register of the 2017 naming edition: a source file named by that order
// brings its fields and its user-defined part, and the record is written with the part.
#include <gtest/gtest.h>

#include "registration/EntryFixture.h"

namespace {

TEST_F(EntryFixture, A2017NameBringsItsFieldsAndItsPartIntoTheDialogAndTheRecord) {
  reg.env.SetNaming(NamingEdition::k2017);
  CDrawingFile record;
  CDrawingManager::SetInfoFromFileName(CString(u8"001D0PLZ-平面図.P21"), record, reg.env, &draft);
  EXPECT_EQ(CString(u8"001D0PLZ-平面図.P21"), record.Name(1));
  EXPECT_EQ(CString(u8"平面図"), record.Title());
  EXPECT_EQ(CString(u8"001D0PLZ-平面図.P21"), record.Name(0));  // every field read back
  // Lower-case fields qualify as before; a part the rule refuses, a bare hyphen or a name of
  // the other order gives the source file name alone.
  CDrawingManager::SetInfoFromFileName("042c1pfa.sfc", record, reg.env, &draft);
  EXPECT_EQ(CString("042C1PFA.sfc"), record.Name(0));
  for (const char8_t* name :
       {u8"001D0PLZ-abc.P21", u8"001D0PLZ-.P21", u8"D0PL001Z.P21", u8"001D0PLZ_平面図.P21"}) {
    CDrawingFile fresh;
    CDrawingManager::SetInfoFromFileName(CString(name), fresh, reg.env, &draft);
    EXPECT_EQ(-1, fresh.GetTypeInfo().fieldNo) << reinterpret_cast<const char*>(name);
    EXPECT_EQ(CString(name), fresh.Name(1));
  }
  // The 2004 edition knows no part and reads its own order only.
  reg.env.SetNaming(NamingEdition::k2004);
  CDrawingFile old;
  CDrawingManager::SetInfoFromFileName(CString(u8"001D0PLZ-平面図.P21"), old, reg.env, &draft);
  EXPECT_EQ(-1, old.GetTypeInfo().fieldNo);
  CDrawingManager::SetInfoFromFileName("D0PL001Z.P21", old, reg.env, &draft);
  EXPECT_EQ(CString("D0PL001Z.P21"), old.Name(0));

  reg.env.SetNaming(NamingEdition::k2017);
  reg.MakeFile(CString(u8"src/001D0PLZ-平面図.P21"));
  ASSERT_EQ(1, manager.EntryFile(reg.Path(CString(u8"src/001D0PLZ-平面図.P21")), Folder(), &draft,
                                 nullptr));
  EXPECT_EQ(CString(u8"001D0PLZ-平面図.P21"), preview);
  EXPECT_EQ(CString(u8"001D0PLZ-平面図.P21\tD\t0\t0\t1\tPL\t001\tZ\t平面図\t\r\n").Bytes(), Info());
}

}  // namespace
