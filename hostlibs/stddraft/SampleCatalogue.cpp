// The built-in sample catalogue: the types every discipline shares, and two disciplines of
// civil engineering with types of their own. Users of other disciplines load their own file.
#include "hostlibs/stddraft/StdDraftCatalogue.h"

namespace {

struct SampleField {
  int no;
  const char8_t* name;
};

struct SampleType {
  int field;
  int no;
  const char* code;
  const char8_t* name;
};

constexpr SampleField kFields[] = {
    {0, u8"共通"},
    {1, u8"道路"},
    {2, u8"河川"},
};

constexpr SampleType kTypes[] = {
    {0, 0, "LC", u8"位置図"},     {0, 1, "PL", u8"平面図"},     {0, 2, "PF", u8"縦断図"},
    {0, 3, "CS", u8"横断図"},     {0, 4, "ST", u8"構造図"},     {0, 5, "DT", u8"詳細図"},
    {1, 0, "PV", u8"舗装図"},     {1, 1, "DR", u8"排水計画図"}, {1, 2, "SG", u8"標識設置図"},
    {1, 3, "LT", u8"照明設置図"}, {2, 0, "RV", u8"護岸構造図"}, {2, 1, "SL", u8"樋門構造図"},
    {2, 2, "LV", u8"堤防断面図"},
};

}  // namespace

StdDraftCatalogue StdDraftCatalogue::Sample() {
  StdDraftCatalogue catalogue;
  CString ignored;  // the table above is fixed; its tests load every entry
  for (const SampleField& f : kFields)
    catalogue.AddField(f.no, f.name, 0, ignored);
  for (const SampleType& t : kTypes)
    catalogue.AddType(t.field, t.no, t.code, t.name, 0, ignored);
  return catalogue;
}
