// Files on a real disk: share modes within one process and across processes, text mode,
// directory search and copying.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "framework/CFile.h"
#include "framework/CFileFind.h"
#include "framework/CStdioFile.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

constexpr UINT kLockFlags =
    CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareExclusive;

TEST(CFileShare, ExclusiveOpenShutsOutEveryOtherOpenInThisProcess) {
  TempDir dir;
  const CString path = dir.File("FOLDERINF.$$$");
  CFile holder;
  ASSERT_TRUE(holder.Open(path, kLockFlags));
  CFile other;
  CFileException error(CFileException::none, 0, CString());
  EXPECT_FALSE(other.Open(path, CFile::modeRead | CFile::shareDenyNone, &error));
  EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
  EXPECT_FALSE(other.Open(path, kLockFlags));
  holder.Close();
  EXPECT_TRUE(other.Open(path, CFile::modeRead | CFile::shareDenyNone));
  // Shared readers do not exclude each other, but do exclude an exclusive opener.
  CFile reader;
  EXPECT_TRUE(reader.Open(path, CFile::modeRead | CFile::shareDenyWrite));
  EXPECT_FALSE(holder.Open(path, kLockFlags));
}

TEST(CFileShare, ExclusiveOpenShutsOutOtherProcessesUntilClosed) {
  TempDir dir;
  const CString path = dir.File("lock");
  WriteBytes(path, "keep me");
  auto try_exclusive = [&] {
    CFile f;
    return f.Open(path, kLockFlags) ? 0 : 1;
  };
  {
    CFile holder;
    ASSERT_TRUE(holder.Open(path, kLockFlags));
    EXPECT_EQ(1, InChild(try_exclusive));
    // An open with truncation must fail before it truncates a file someone holds.
    EXPECT_EQ(1, InChild([&] {
                CFile f;
                return f.Open(path, CFile::modeCreate | CFile::modeWrite) ? 0 : 1;
              }));
    EXPECT_EQ("keep me", ReadBytes(path));
  }
  EXPECT_EQ(0, InChild(try_exclusive));
}

TEST(CFileShare, OpenFailuresReportTheirCause) {
  TempDir dir;
  CFileException error(CFileException::none, 0, CString());
  CFile f;
  EXPECT_FALSE(f.Open(dir.File("missing/file"), CFile::modeRead, &error));
  EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
  EXPECT_FALSE(f.Open(dir.Path(), CFile::modeRead, &error));  // a directory is not a file
  EXPECT_EQ(CFileException::notRegularFile, error.m_cause);
  const CString real = dir.File("real.txt");
  WriteBytes(real, "kept");
  // Neither a symbolic link, nor a FIFO (never waited on), nor with modeSingleLink a second
  // name of a file is opened; the file behind them keeps its bytes.
  ASSERT_EQ(0, symlink(real.GetString(), dir.File("link.txt").GetString()));
  EXPECT_FALSE(f.Open(dir.File("link.txt"), CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(CFileException::notRegularFile, error.m_cause);
  ASSERT_EQ(0, mkfifo(dir.File("fifo").GetString(), 0600));
  EXPECT_FALSE(f.Open(dir.File("fifo"), CFile::modeRead, &error));
  EXPECT_EQ(CFileException::notRegularFile, error.m_cause);
  EXPECT_FALSE(f.Open(dir.File("fifo"), CFile::modeWrite, &error));
  EXPECT_EQ(CFileException::notRegularFile, error.m_cause);
  ASSERT_EQ(0, link(real.GetString(), dir.File("hard.txt").GetString()));
  EXPECT_FALSE(f.Open(dir.File("hard.txt"), CFile::modeReadWrite | CFile::modeSingleLink, &error));
  EXPECT_EQ(CFileException::notRegularFile, error.m_cause);
  EXPECT_EQ("kept", ReadBytes(real));
  EXPECT_THROW(CFile(dir.File("nope"), CFile::modeRead), CFileException);
}

TEST(CStdioFileText, WritesCrLfAndReadsEitherLineEnd) {
  TempDir dir;
  const CString path = dir.File("lines.txt");
  {
    CStdioFile out(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    out.WriteString("one\ttwo\n");
    out.WriteString(CString(u8"表\n"));
    out.WriteString("no end");
  }
  EXPECT_EQ("one\ttwo\r\n\x95\x5C\r\nno end", ReadBytes(path));
  WriteBytes(path, "a\r\nb\nc\r\n\r\nlast");
  CStdioFile in(path, CFile::modeRead | CFile::typeText);
  CString line;
  std::vector<std::string> lines;
  while (in.ReadString(line))
    lines.push_back(line.Bytes());
  EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "", "last"}), lines);
}

TEST(CStdioFileText, LongLinesAndBinaryBytesSurvive) {
  TempDir dir;
  const CString path = dir.File("long.txt");
  std::string big(300000, 'x');
  big[1000] = '\0';
  big[2000] = '\r';
  WriteBytes(path, big + "\r\nnext");
  CStdioFile in(path, CFile::modeRead | CFile::typeText);
  CString line;
  ASSERT_TRUE(in.ReadString(line));
  EXPECT_EQ(static_cast<int>(big.size()), line.GetLength());
  EXPECT_EQ(big, line.Bytes());
  ASSERT_TRUE(in.ReadString(line));
  EXPECT_EQ("next", line.Bytes());
  EXPECT_FALSE(in.ReadString(line));
}

TEST(CFileFindSearch, MatchesWildcardsIgnoringCaseAndListsInOrder) {
  TempDir dir;
  WriteBytes(dir.File("b.tft"), "");
  WriteBytes(dir.File("A.TFT"), "");
  WriteBytes(dir.File("c.@FT"), "");
  WriteBytes(dir.Path() + "/" + CString(u8"表.TFT"), "");
  mkdir((dir.path() + "/sub.TFT").c_str(), 0777);
  CFileFind find;
  std::vector<std::string> names;
  BOOL more = find.FindFile(dir.File("*.TFT"));
  while (more) {
    more = find.FindNextFile();
    if (!find.IsDirectory()) names.push_back(afx::ToUtf8(find.GetFileName()));
  }
  EXPECT_EQ((std::vector<std::string>{"A.TFT", "b.tft", reinterpret_cast<const char*>(u8"表.TFT")}),
            names);
  EXPECT_FALSE(find.FindFile(dir.File("*.xyz")));
  EXPECT_TRUE(afx::MatchFileName("*.*", "noext"));
  EXPECT_TRUE(afx::MatchFileName("D?PL*.p21", "D0PL001Z.P21"));
  EXPECT_FALSE(afx::MatchFileName("?.P21", CString(u8"表") + ".P21x"));
  EXPECT_TRUE(afx::MatchFileName("?.P21", CString(u8"表") + ".P21"));
}

TEST(CopyFileAOnDisk, CopiesWholeKeepsTimeAndRespectsFailIfExists) {
  TempDir dir;
  const CString src = dir.File("D0PL001Z.P21");
  std::string data(3 * 1024 * 1024 + 17, '\0');
  for (size_t i = 0; i < data.size(); ++i)
    data[i] = static_cast<char>(i * 31);
  WriteBytes(src, data);
  const struct timespec old_times[2] = {{1000000000, 5}, {1000000000, 123456789}};
  ASSERT_EQ(0, utimensat(AT_FDCWD, (dir.path() + "/D0PL001Z.P21").c_str(), old_times, 0));
  const CString dst = dir.File("copy.P21");
  ASSERT_TRUE(CopyFileA(src, dst, FALSE));
  EXPECT_EQ(data, ReadBytes(dst));
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(dst, status));
  EXPECT_EQ(1000000000ULL * 1000000000ULL + 123456789ULL, status.m_mtime);
  WriteBytes(dst, "other");
  EXPECT_FALSE(CopyFileA(src, dst, TRUE));
  EXPECT_EQ("other", ReadBytes(dst));
  EXPECT_FALSE(CopyFileA(dir.File("missing"), dir.File("x"), FALSE));
  EXPECT_EQ(afx::PathKind::missing, afx::GetPathKind(dir.File("x")));
  // No temporary file is left behind.
  int entries = 0;
  afx::ListDirectory(dir.Path(), [&](const afx::DirEntry&) { ++entries; });
  EXPECT_EQ(2, entries);
}

TEST(CopyFileAOnDisk, RefusesADestinationHeldExclusively) {
  TempDir dir;
  WriteBytes(dir.File("src"), "new");
  WriteBytes(dir.File("dst"), "held");
  CFile holder;
  ASSERT_TRUE(holder.Open(dir.File("dst"), kLockFlags));
  EXPECT_FALSE(CopyFileA(dir.File("src"), dir.File("dst"), FALSE));
  EXPECT_EQ("held", ReadBytes(dir.File("dst")));
}

}  // namespace
