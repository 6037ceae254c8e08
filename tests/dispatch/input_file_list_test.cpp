#include "dispatch/input_file_list.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace kelvaro {
namespace {

TEST(InputFileList, ExactlyTheFilesOfTheKindInNameOrder) {
  testing::TestFolder folder;
  for (const char* name :
       {"davis.DAY", "MARIC.day", "Maricopa.day", "MARIC.mon", "day", "x.dayx"}) {
    folder.Write(name, "");
  }
  std::filesystem::create_directory(folder.path() / "folder.day");
  std::vector<std::string> names;
  std::vector<bool> read_by_name;
  for (const InputFileEntry& entry : InputFilesOfKind(folder.path(), "day")) {
    names.push_back(entry.file_name + "=" + entry.station);
    read_by_name.push_back(entry.read_by_its_name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"davis.DAY=davis", "MARIC.day=MARIC",
                                             "Maricopa.day=Maricopa"}));
  EXPECT_EQ(read_by_name, (std::vector<bool>{true, true, false}));
  EXPECT_TRUE(InputFilesOfKind(folder.path() / "none", "day").empty());
}

}  // namespace
}  // namespace kelvaro
