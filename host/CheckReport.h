// What `drawreg check` prints: the problems it found, one line each for people, as JSON for
// scripts, or as a sheet (CSV) that spreadsheets open directly.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "host/RegisterCheck.h"

namespace host {

// "FOLDER/FILE: what is wrong", one line per problem, control characters escaped.
std::string CheckLines(const std::vector<CheckProblem>& problems);
// {"root": ..., "folders": checked, "problems": [{"kind", "folder", "file", "line",
// "message"}...]}, names in UTF-8, keys in that order.
nlohmann::ordered_json CheckJson(const CString& root, int folders,
                                 const std::vector<CheckProblem>& problems);
// A header row (kind, folder, file, line, problem) and a row per problem: UTF-8 with a byte
// order mark, rows ended by CR LF.
std::string CheckSheet(const std::vector<CheckProblem>& problems);

}  // namespace host
