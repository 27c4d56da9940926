#include "host/RegisterJson.h"

#include <ctime>
#include <nlohmann/json.hpp>
#include <vector>

#include "framework/CFile.h"
#include "host/FolderWalk.h"
#include "host/Json.h"
#include "host/RegisterView.h"
#include "hostlibs/environ/CEnvironObj.h"
#include "register/CDrawingFolder.h"
#include "register/CDrawingManager.h"

namespace host {

namespace {

using json = nlohmann::ordered_json;

// Nanoseconds since the epoch as ISO 8601 in UTC, to the second.
std::string IsoTime(ULONGLONG nanoseconds) {
  const auto seconds = static_cast<std::time_t>(nanoseconds / 1000000000ULL);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

json FileJson(const CEnvironObj& env, const CDrawingFile& file) {
  json record = {{"source", JsonText(file.Name(1))},
                 {"name", JsonText(file.Name(0))},
                 {"life", JsonText(file.Life())},
                 {"ref", JsonText(file.Arrangement())},
                 {"type", JsonText(file.GetTypeInfo().code)},
                 {"page", JsonText(file.Page())},
                 {"rev", JsonText(file.History())},
                 {"size", nullptr},
                 {"modified", nullptr}};
  // The user-defined part of a 2017 name, only where a record has one.
  if (!file.Title().IsEmpty()) record["title"] = JsonText(file.Title());
  CFileStatus status;
  if (CFile::GetStatus(file.GetFilePath(env, 1), status)) {
    record["size"] = status.m_size;
    record["modified"] = IsoTime(status.m_mtime);
  }
  return record;
}

// One folder without its sub-folders; with files, its records loaded for viewing.
json FolderJson(const CEnvironObj& env, CDrawingFolder& folder, bool with_files, LockWait& wait,
                bool& complete) {
  json node = {{"name", JsonText(folder.Name())}, {"path", JsonText(folder.GetFolderPath(env))}};
  if (with_files) {
    const Viewing viewing = LoadForViewing(env, folder, wait);
    const char* states[] = {"loaded", "nothing", "locked", "failed"};
    node["state"] = states[static_cast<int>(viewing)];
    complete = complete && (viewing == Viewing::loaded || viewing == Viewing::nothing);
    json files = json::array();
    for (int i = 0; viewing == Viewing::loaded && i < folder.GetFileCount(); ++i)
      files.push_back(FileJson(env, *folder.GetFile(i)));
    node["files"] = std::move(files);
  }
  node["folders"] = json::array();
  return node;
}

// Folders come depth first; open holds the node of each depth on the way down, each added to
// its parent once every folder below it has come.
void CloseTo(std::vector<json>& open, size_t depth) {
  while (open.size() > depth) {
    json done = std::move(open.back());
    open.pop_back();
    open.back()["folders"].push_back(std::move(done));
  }
}

}  // namespace

json FilesJson(const CEnvironObj& env, const CDrawingFolder& folder) {
  json files = json::array();
  for (int i = 0; i < folder.GetFileCount(); ++i)
    files.push_back(FileJson(env, *folder.GetFile(i)));
  return {{"folder", JsonText(folder.GetFolderPath(env))}, {"files", std::move(files)}};
}

json TreeJson(const CEnvironObj& env, CDrawingManager& manager, bool with_files, LockWait& wait,
              bool& complete) {
  std::vector<json> open;
  open.push_back(
      {{"root", JsonText(CDrawingManager::GetRootPath(env))}, {"folders", json::array()}});
  ForEachFolder(manager, [&](CDrawingFolder& folder, int depth) {
    CloseTo(open, static_cast<size_t>(depth));
    open.push_back(FolderJson(env, folder, with_files, wait, complete));
  });
  CloseTo(open, 1);
  return std::move(open.front());
}

}  // namespace host
