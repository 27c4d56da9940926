// The sample data of the demo: a drawing root with folders, and a folder of received CAD
// files to register: SXF drawings (.P21, .SFC) with their .SAF attribute files and the
// raster images they refer to, and other CAD files.
#pragma once

#include <string>
#include <vector>

namespace host {

struct SampleFile {
  std::string name;                        // file name in the source folder, UTF-8
  std::string folder;                      // register folder below the root to register it into
  std::string life, ref, type, page, rev;  // name fields to register it with
};

struct SampleData {
  std::string base;               // the new folder holding everything
  std::string root;               // the drawing root
  std::string source;             // the received files
  std::vector<SampleFile> files;  // the drawings to register, in order
};

// Makes the sample in a new folder under parent; false with a message on failure.
bool MakeSampleData(const std::string& parent, SampleData& out, std::string& error);

}  // namespace host
