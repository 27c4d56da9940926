// Crash-safe rewrite of a file that stays in place. The register's files are rewritten where
// they are, not replaced: holding one open is its edit lock, and its inode, owner and
// permissions are what other users (and a Windows user's copy of the system) rely on. A
// journal beside the file ("<name>.journal") holds the old and the new contents with their
// lengths and checksums; it is written and made durable before the file is touched, so a
// process killed at any moment leaves either the file as it was, or a journal from which the
// next holder of the lock finishes the rewrite.
#pragma once

#include <string>
#include <string_view>

#include "framework/CFile.h"

namespace afx {

// The journal's name beside the file at path.
CString JournalPath(const CString& path);
// Where a journal that no longer fits its file is set aside.
CString StaleJournalPath(const CString& path);

// Replaces the contents of file, which the caller holds open for reading and writing with
// exclusive sharing, by contents. Throws CFileException on failure; the file then holds its
// old contents (a failure before or during the rewrite is undone), or, should even the undo
// fail, a journal remains from which the next load finishes the rewrite.
void RewriteInPlace(CFile& file, std::string_view contents);

enum class JournalOutcome {
  none,      // no journal was there
  finished,  // a complete journal's rewrite was finished
  removed,   // a partial journal (its writer died before the rewrite began) was removed
  setAside,  // the file was saved by someone else since: the journal went to ".stale"
};

// Called by the holder of the file's exclusive lock before reading it: finishes or discards a
// journal left by a killed rewrite. The journal is read whole: one larger than a rewrite of
// two files of largest bytes can be is no journal of ours and is refused (CFileException,
// EFBIG) rather than read. Throws CFileException when it cannot recover.
inline constexpr ULONGLONG kLargestRewrite = 1ULL << 30;
JournalOutcome RecoverJournal(CFile& file, ULONGLONG largest = kLargestRewrite);

}  // namespace afx
