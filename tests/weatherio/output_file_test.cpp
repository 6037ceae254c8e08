#include "weatherio/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::MakeReadOnly;
using testing::TestFolder;

// The message of the InputError `write` throws, or "" when it throws none.
template <typename Write>
std::string Refusal(Write write) {
  try {
    write();
  } catch (const InputError& error) {
    return error.what();
  }
  return "";
}

void WriteResult(const fs::path& path, const std::string& text) {
  OutputFile file(path);
  file.Write(text);
  file.Commit();
}

class OutputFileLinks : public ::testing::Test {
 protected:
  TestFolder data_;
  TestFolder outside_;
};

// A link planted under the name the temporary file once had led the write out of the folder,
// and the result then became that link.
TEST_F(OutputFileLinks, ALinkNamedLikeTheTemporaryFileIsNeverOpened) {
  outside_.Write("precious", "keep me");
  fs::create_symlink(outside_ / "precious", data_ / ".MARIC.eto.partial");
  WriteResult(data_ / "MARIC.eto", "new results");
  EXPECT_EQ(outside_.Read("precious"), "keep me");
  EXPECT_EQ(data_.Read("MARIC.eto"), "new results");
  EXPECT_FALSE(fs::is_symlink(data_ / "MARIC.eto"));
  EXPECT_EQ(data_.Listing(), ".MARIC.eto.partial\nMARIC.eto\n");
}

TEST_F(OutputFileLinks, AResultThatLinksOutsideIsRefusedAndNotWrittenThrough) {
  outside_.Write("precious", "keep me");
  fs::create_symlink(outside_ / "precious", data_ / "MARIC.eto");
  const std::string message = Refusal([&] { WriteResult(data_ / "MARIC.eto", "new"); });
  EXPECT_EQ(message, "MARIC.eto is a link to " + (outside_ / "precious").string() +
                         ", outside the data folder; it is not written through.");
  EXPECT_EQ(Refusal([&] { AppendToFile(data_ / "MARIC.eto", "more"); }), message);
  EXPECT_EQ(outside_.Read("precious"), "keep me");
  // A link to a file not there yet, or through a chain of links, is judged by where it ends.
  fs::create_symlink(outside_ / "not-yet", data_ / "MARIC.wrk");
  fs::create_symlink(data_ / "MARIC.wrk", data_ / "MARIC.cpy");
  EXPECT_NE(Refusal([&] { WriteResult(data_ / "MARIC.cpy", "new"); }), "");
  EXPECT_FALSE(outside_.Has("not-yet"));
  EXPECT_EQ(data_.Listing(), "MARIC.cpy\nMARIC.eto\nMARIC.wrk\n");
}

TEST_F(OutputFileLinks, ALinkInsideTheFolderIsWrittenThrough) {
  fs::create_directory(data_ / "store");
  data_.Write("store/MARIC.eto", "old");
  fs::create_symlink("store/MARIC.eto", data_ / "MARIC.eto");
  WriteResult(data_ / "MARIC.eto", "new");
  EXPECT_TRUE(fs::is_symlink(data_ / "MARIC.eto"));
  EXPECT_EQ(data_.Read("store/MARIC.eto"), "new");
  AppendToFile(data_ / "MARIC.eto", " and more");
  EXPECT_EQ(data_.Read("store/MARIC.eto"), "new and more");
}

TEST(OutputFile, AReadOnlyResultOrAFolderIsLeftAsItIs) {
  TestFolder folder;
  folder.Write("MARIC.eto", "protected");
  MakeReadOnly(folder / "MARIC.eto");
  EXPECT_EQ(Refusal([&] { WriteResult(folder / "MARIC.eto", "new"); }),
            "MARIC.eto is read-only and is left as it is.");
  EXPECT_EQ(Refusal([&] { AppendToFile(folder / "MARIC.eto", "new"); }),
            "MARIC.eto is read-only and is left as it is.");
  EXPECT_EQ(folder.Read("MARIC.eto"), "protected");
  fs::create_directory(folder / "MARIC.wrk");
  EXPECT_EQ(Refusal([&] { WriteResult(folder / "MARIC.wrk", "new"); }),
            "MARIC.wrk is not a regular file and is left as it is.");
  EXPECT_EQ(folder.Listing(), "MARIC.eto\nMARIC.wrk\n");
}

// A file made read-only while the run was under way stops the whole set, not just itself.
TEST(OutputFile, FilesCommittedTogetherReplaceAllOrNone) {
  TestFolder folder;
  folder.Write("A.CSV", "old a");
  folder.Write("B.CSV", "old b");
  {
    OutputFileSet set;
    set.Add(folder / "A.CSV").Write("new a");
    set.Add(folder / "B.CSV").Write("new b");
    set.Add(folder / "C.CSV").Write("new c");
    MakeReadOnly(folder / "B.CSV");
    EXPECT_EQ(Refusal([&] { set.CommitAll(); }), "B.CSV is read-only and is left as it is.");
  }
  EXPECT_EQ(folder.Read("A.CSV"), "old a");
  EXPECT_EQ(folder.Read("B.CSV"), "old b");
  EXPECT_EQ(folder.Listing(), "A.CSV\nB.CSV\n");

  fs::permissions(folder / "B.CSV", fs::perms::owner_write, fs::perm_options::add);
  OutputFileSet set;
  set.Add(folder / "A.CSV").Write("new a");
  set.Add(folder / "C.CSV").Write("new c");
  set.CommitAll();
  EXPECT_EQ(folder.Read("A.CSV"), "new a");
  EXPECT_EQ(folder.Read("C.CSV"), "new c");
  EXPECT_EQ(folder.Listing(), "A.CSV\nB.CSV\nC.CSV\n");
}

TEST(OutputFile, LargeResultsAreWrittenWhole) {
  TestFolder folder;
  const std::string row(100, 'x');
  {
    OutputFile file(folder / "SA00001C001.CSV");
    for (int i = 0; i < 30000; ++i) file.Write(row);
    file.Commit();
  }
  EXPECT_EQ(fs::file_size(folder / "SA00001C001.CSV"), 3000000u);
}

}  // namespace
}  // namespace kelvaro
