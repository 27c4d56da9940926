#include "host/CopyProgress.h"

#include <unistd.h>

#include <cstdio>

namespace host {

CopyProgress::CopyProgress() : terminal_(::isatty(STDERR_FILENO) == 1) {}

CopyProgress::~CopyProgress() {
  if (shown_) std::fputc('\n', stderr);
}

EntryProgressReport CopyProgress::Report() {
  if (!terminal_) return nullptr;
  return [this](const EntryProgress& progress) { Show(progress); };
}

void CopyProgress::Show(const EntryProgress& p) {
  // A terminal is redrawn a few times a second, not for every one of thousands of files.
  const auto now = std::chrono::steady_clock::now();
  const bool last = p.files == p.fileCount;
  if (shown_ && !last && now - last_ < std::chrono::milliseconds(100)) return;
  last_ = now;
  shown_ = true;
  std::fprintf(stderr, "\rcopied %d/%d files, %d/%d folders", p.files, p.fileCount, p.folders,
               p.folderCount);
  std::fflush(stderr);
}

}  // namespace host
