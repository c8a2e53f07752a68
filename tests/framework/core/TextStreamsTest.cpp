#include "framework/TextStreams.h"

#include "framework/testsupport/FailingReads.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace fw {
namespace {

class TextStreamsTest : public ::testing::Test {
 protected:
  FolderItem Item(const QString& name) const { return FolderItem(tmp_.path()).Child(name); }

  FolderItem FileWith(const QByteArray& bytes) const {
    const FolderItem f = Item("in.txt");
    QFile file(f.NativePath());
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return f;
  }

  static QByteArray Contents(const FolderItem& f) {
    QFile file(f.NativePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
  }

  static std::vector<String> AllLines(const FolderItem& f) {
    auto in = TextInputStream::Open(f);
    std::vector<String> lines;
    if (!in) return {"<not opened>"};
    while (!in->IsEOF()) lines.push_back(in->ReadLine());
    EXPECT_EQ(in->ReadLine(), "");  // past the end: nothing, no throw
    return lines;
  }

  QTemporaryDir tmp_;
};

TEST_F(TextStreamsTest, ReadLineSplitsAtEveryLineEnd) {
  struct Case {
    QByteArray bytes;
    std::vector<String> lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR: two ends
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"\n", {""}},
      {"\xEF\xBB\xBF"
       "a\nb",
       {"a", "b"}},
      {"\xEF\xBB\xBF", {}},
      {"x\xEF\xBB\xBF", {QString::fromUtf8("x\xEF\xBB\xBF")}},  // only a leading BOM goes
      {"M\xC3\xBCller\tK\xC3\xB6ln\n", {QStringLiteral("Müller\tKöln")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.toStdString());
    EXPECT_EQ(AllLines(FileWith(c.bytes)), c.lines);
  }
}

TEST_F(TextStreamsTest, ReadLineTellsALineThatIsNotUtf8) {
  auto in =
      TextInputStream::Open(FileWith("gut\nM\xFCller\n\xEF\xBB\xBF"
                                     "fein\n\xC3"));
  ASSERT_NE(in, nullptr);
  struct Want {
    String line;
    bool valid;
  } want[] = {
      {"gut", true},
      {QString::fromUtf8("M\xEF\xBF\xBDller"), false},  // Latin-1 ü
      {QString(QChar(0xFEFF)) + "fein", true},          // a mark inside the file is text
      {QString(QChar(0xFFFD)), false},                  // cut off in the middle
  };
  for (const Want& w : want) {
    EXPECT_EQ(in->ReadLine(), w.line);
    EXPECT_EQ(in->LastLineIsValid(), w.valid) << w.line.toStdString();
  }
  EXPECT_TRUE(in->IsEOF());
}

// The file is read in pieces: lines and line ends that straddle a piece
// boundary come out as if read whole.
TEST_F(TextStreamsTest, LinesAcrossPieceBoundaries) {
  const QByteArray longLine(200 * 1024, 'x');
  for (const qsizetype cut : {qsizetype(65535), qsizetype(65536), qsizetype(65534)}) {
    SCOPED_TRACE(cut);
    QByteArray bytes(cut - 1, 'a');
    bytes += "\r\n\xC3\xBC\r" + longLine + "\nz";
    const std::vector<String> lines = AllLines(FileWith(bytes));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), cut - 1);
    EXPECT_EQ(lines[1], QStringLiteral("ü"));
    EXPECT_EQ(lines[2].toLatin1(), longLine);
    EXPECT_EQ(lines[3], "z");
  }
}

// A file that cannot be read past a point: the lines before it, then no
// more, and the failure is told, not taken for the end of the file. The
// last case fails beyond the first piece of the file.
TEST_F(TextStreamsTest, AReadThatFailsIsToldAndEndsTheLines) {
  const QByteArray far(70 * 1024, 'x');
  struct Case {
    QByteArray bytes;
    qint64 readable;
    std::vector<String> lines;  // up to the failure
    bool failed;
  } cases[] = {
      {"eins\nzwei\n", 12, {"eins", "zwei"}, false},  // the whole file
      {"eins\nzwei\n", 5, {"eins"}, true},            // at a line end
      {"eins\nzwei\n", 7, {"eins", "zw"}, true},      // inside a line
      {"eins\r\nzwei", 5, {"eins"}, true},            // between CR and LF
      {"eins\n", 0, {}, true},                        // at once
      {far + "\nzwei\n", far.size() + 3, {String::fromLatin1(far), "zw"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.readable << " of " << c.bytes.left(20).toStdString());
    const FolderItem f = FileWith(c.bytes);
    const FailingReads failing(f.NativePath(), c.readable);
    auto in = TextInputStream::Open(f);
    ASSERT_NE(in, nullptr);
    std::vector<String> lines;
    while (!in->IsEOF()) lines.push_back(in->ReadLine());
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(in->ReadFailed(), c.failed);
    EXPECT_TRUE(in->IsEOF());
  }
}

TEST_F(TextStreamsTest, OpenFailsOnMissingOrFolder) {
  EXPECT_EQ(TextInputStream::Open(Item("missing.txt")), nullptr);
  EXPECT_EQ(TextInputStream::Open(FolderItem(tmp_.path())), nullptr);
  auto in = TextInputStream::Open(FileWith("a"));
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->Encoding(), "UTF-8");
  in->Close();
  EXPECT_TRUE(in->IsEOF());
}

TEST_F(TextStreamsTest, WriteAndWriteLine) {
  const FolderItem f = Item("out.txt");
  auto out = TextOutputStream::Create(f);
  ASSERT_NE(out, nullptr);
  out->WriteLine(QStringLiteral("Müller"));
  out->Write("a\r\nb");
  EXPECT_FALSE(f.Exists());  // nothing visible before Close
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Contents(f), "M\xC3\xBCller\na\r\nb");
}

TEST_F(TextStreamsTest, CreateEmptiesAnExistingFile) {
  const FolderItem f = FileWith("old contents");
  auto out = TextOutputStream::Create(f);
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Contents(f), "");
}

TEST_F(TextStreamsTest, CreateFailsWhereNoFileCanBe) {
  EXPECT_EQ(TextOutputStream::Create(FolderItem(tmp_.path())), nullptr);
  EXPECT_EQ(TextOutputStream::Create(Item("no/such/folder.txt")), nullptr);
  EXPECT_EQ(TextOutputStream::Create(FolderItem()), nullptr);
}

// A regular file where the folder should be: no one can create below it, the
// superuser included, and the file stays as it was.
TEST_F(TextStreamsTest, CreateFailsBelowARegularFile) {
  const FolderItem notAFolder = FileWith("kept");
  EXPECT_EQ(TextOutputStream::Create(notAFolder.Child("prefs")), nullptr);
  EXPECT_EQ(TextOutputStream::Create(notAFolder.Child("deeper").Child("prefs")), nullptr);
  EXPECT_EQ(Contents(notAFolder), "kept");
}

TEST_F(TextStreamsTest, UnclosedStreamLeavesOldFile) {
  const FolderItem f = FileWith("good");
  TextOutputStream::Create(f)->WriteLine("half");
  EXPECT_EQ(Contents(f), "good");
}

// A size limit makes the write fail as a full disk would, also for root.
TEST_F(TextStreamsTest, FailedWriteLeavesOldFileIntact) {
  const FolderItem f = FileWith("good old contents\n");
  // Many small writes, and one just past the limit that only the last
  // flush on Close meets.
  bool closed[2];
  {
    const klangbuch_test::FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.IsSet());
    for (const int lines : {10000, 1}) {
      auto out = TextOutputStream::Create(f);
      ASSERT_NE(out, nullptr);
      for (int i = 0; i < lines; ++i) out->WriteLine(QString(lines == 1 ? 5000 : 9, u'x'));
      closed[lines == 1] = out->Close();
    }
  }
  EXPECT_FALSE(closed[0]);
  EXPECT_FALSE(closed[1]);
  EXPECT_EQ(Contents(f), "good old contents\n");
  EXPECT_EQ(QDir(tmp_.path()).entryList(QDir::Files), QStringList{"in.txt"});  // no leftovers
}

}  // namespace
}  // namespace fw
