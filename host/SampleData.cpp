#include "host/SampleData.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "host/Text.h"

namespace host {

namespace {

namespace fs = std::filesystem;

std::string P21(const std::string& name, const std::vector<std::string>& rasters) {
  std::string data =
      "ISO-10303-21;\nHEADER;\n"
      "FILE_DESCRIPTION(('SCADEC level2 feature_mode'),'2;1');\n"
      "FILE_NAME('" +
      name +
      "','2026-12-05T10:00:00',('drawreg'),('drawreg'),"
      "'SCADEC_API_Ver3.30$$2.0','drawreg sample','');\n"
      "FILE_SCHEMA(('ASSOCIATIVE_DRAUGHTING'));\nENDSEC;\nDATA;\n"
      "#10 = DRAWING_SHEET_FEATURE('1','A1',1,1);\n"
      "#20 = LINE_FEATURE('1','1','1','1','1',0.,0.,100.,50.);\n";
  int n = 30;
  for (const std::string& raster : rasters) {
    data += '#';
    data += std::to_string(n);
    data += " = IMAGE_FEATURE('1','$$RASTER$$";
    data += raster;
    data += "',10.,10.,80.,40.,0.);\n";
    n += 10;
  }
  return data + "ENDSEC;\nEND-ISO-10303-21;\n";
}

std::string Sfc(const std::string& name, const std::vector<std::string>& rasters) {
  std::string data = "/*SXF\n#10 = sfig_org_feature('" + name + "','1')\n";
  for (const std::string& raster : rasters) {
    data += "#20 = image_feature('1','" + raster + "','10.0','10.0','80.0','40.0','0.0')\n";
  }
  return data + "SXF*/\n";
}

bool Write(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace

bool MakeSampleData(const std::string& parent, SampleData& out, std::string& error) {
  std::string pattern = (fs::path(parent) / "drawreg-demo-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    error = "cannot make a folder under " + parent;
    return false;
  }
  out.base = pattern;
  out.root = out.base + "/drawings";
  out.source = out.base + "/received";
  std::error_code ec;
  for (const char8_t* dir : {u8"道路設計/平面図", u8"道路設計/縦断図", u8"構造物/橋梁", u8"測量"}) {
    fs::create_directories(fs::path(out.root) / Utf8(dir), ec);
  }
  fs::create_directories(out.source, ec);
  if (ec) {
    error = "cannot make the sample folders: " + ec.message();
    return false;
  }
  const fs::path src(out.source);
  bool ok =
      Write(src / "D0PL001Z.P21", P21("D0PL001Z.P21", {"photo1.tif", "photo2.jpg"})) &&
      Write(src / "D0PL001Z.SAF", "<?xml version=\"1.0\"?><SXF_ATTRIBUTE/>\n") &&
      Write(src / "photo1.tif", std::string("II*\0", 4) + std::string(4096, '\x7f')) &&
      Write(src / "photo2.jpg", std::string("\xff\xd8\xff\xe0", 4) + std::string(2048, 'j')) &&
      Write(src / "d0pf001z.sfc", Sfc("d0pf001z.sfc", {"profile.tif"})) &&
      Write(src / "d0pf001z.saf", "<?xml version=\"1.0\"?><SXF_ATTRIBUTE/>\n") &&
      Write(src / "profile.tif", std::string("II*\0", 4) + std::string(1024, 'p')) &&
      Write(src / "bridge-general.dwg", "AC1032" + std::string(8192, 'd')) &&
      Write(src / "survey-points.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n");
  if (!ok) {
    error = "cannot write the sample files";
    return false;
  }
  out.files = {
      {"D0PL001Z.P21", Utf8(u8"道路設計/平面図"), "D", "0", "PL", "001", "Z"},
      {"d0pf001z.sfc", Utf8(u8"道路設計/縦断図"), "D", "0", "PF", "001", "Z"},
      {"bridge-general.dwg", Utf8(u8"構造物/橋梁"), "D", "1", "ST", "012", "0"},
      {"survey-points.dxf", Utf8(u8"測量"), "S", "0", "LC", "001", "A"},
  };
  return true;
}

}  // namespace host
