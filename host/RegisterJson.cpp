#include "host/RegisterJson.h"

#include <ctime>
#include <nlohmann/json.hpp>

#include "framework/CFile.h"
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
  CFileStatus status;
  if (CFile::GetStatus(file.GetFilePath(env, 1), status)) {
    record["size"] = status.m_size;
    record["modified"] = IsoTime(status.m_mtime);
  }
  return record;
}

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
  json folders = json::array();
  for (int i = 0; i < folder.GetFolderCount(); ++i)
    folders.push_back(FolderJson(env, *folder.GetFolder(i), with_files, wait, complete));
  node["folders"] = std::move(folders);
  return node;
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
  json folders = json::array();
  for (int i = 0; i < manager.GetFolderCount(); ++i)
    folders.push_back(FolderJson(env, *manager.GetFolder(i), with_files, wait, complete));
  return {{"root", JsonText(CDrawingManager::GetRootPath(env))}, {"folders", std::move(folders)}};
}

}  // namespace host
