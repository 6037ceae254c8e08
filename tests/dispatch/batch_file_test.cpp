#include "dispatch/batch_file.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::TestFolder;

TEST(BatchFile, FieldsAreTrimmedAndTheKindTakenInAnyCase) {
  const BatchRun run = ParseBatchLine(" DAY , Maricopa , 33.07 , 361 , 7 ,  , 10 , data/a b ");
  EXPECT_EQ(run.parameters.ext, "day");
  EXPECT_EQ(run.parameters.Station, "Maricopa");
  EXPECT_EQ(run.parameters.Latitude, "33.07");
  EXPECT_EQ(run.parameters.Elevation, "361");
  EXPECT_EQ(run.parameters.SA, "7");
  EXPECT_EQ(run.parameters.Years, "");
  EXPECT_EQ(run.parameters.FetchVal, "10");
  EXPECT_EQ(run.folder, "data/a b");
}

TEST(BatchFile, RefusesLinesThatNameNoRun) {
  for (const char* line :
       {"day,MARIC,33,361,1,,", "day,MARIC,33,361,1,,,a,extra", "day,MARIC,33,361,1,,,",
        ",MARIC,33,361,1,,,a", "gen,MARIC,33,361,1,,,a"}) {
    EXPECT_THROW(ParseBatchLine(line), InputError) << line;
  }
}

// Line numbers count every line of the file, the header, comments and blank lines included.
TEST(BatchFile, KeepsTheLineNumbersOfTheFile) {
  TestFolder folder;
  std::filesystem::create_directory(folder / "a");
  const std::string a = (folder / "a").string();
  folder.Write("runs.csv",
               "\xEF\xBB\xBFKind,Station,Latitude,Elevation,SA,Years,Fetch,Folder\r\n"
               "# first\r\n\r\nday,MARIC,33.07,361,1,,," +
                   a + "\r\n" + "mon,MOHAV,35,300,2,30,," + a + "\r\n");
  const auto batch = ReadBatchFile(folder / "runs.csv");
  ASSERT_TRUE(batch);
  ASSERT_EQ(batch->runs.size(), 2u);
  EXPECT_EQ(batch->runs[0].line, 4);
  EXPECT_EQ(batch->runs[1].line, 5);
  EXPECT_EQ(batch->runs[1].parameters.Years, "30");
  EXPECT_FALSE(ReadBatchFile(folder / "other.csv"));
}

}  // namespace
}  // namespace kelvaro
