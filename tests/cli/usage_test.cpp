#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "support/cli_runner.h"

namespace kelvaro {
namespace {

using testing::RunCli;

TEST(Usage, ParserErrorsAreRefusalsWithStatusTwo) {
  const char* refused[] = {
      "",                              // no command
      "nosuch",                        // unknown command
      "run",                           // --input missing
      "run --input day --bogus x",     // unknown option
      "run --input day --lat",         // option without its value
      "crop",                          // crop without list, add, show or remove
      "crop show",                     // --sa missing
      "crop show --sa 1 --dir ''",     // empty value
      "crop list --format xml",        // no such format
      "crop remove --sa 1",            // --crop missing
      "stats --station X --kind foo",  // no such statistic
      "demo --dir ''",                 // empty value
  };
  for (const char* arguments : refused) {
    const auto result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments << "\n" << result.err;
    EXPECT_TRUE(result.err.ends_with("Run with --help for more information.\n")) << result.err;
    EXPECT_EQ(result.out, "") << arguments;
  }
  for (const char* arguments : {"--help", "--version", "run --help", "crop add --help"}) {
    EXPECT_EQ(RunCli(arguments).status, 0) << arguments;
  }
}

TEST(Usage, EveryCommandRefusesBadValuesNamingTheOptionWithStatusTwo) {
  const struct {
    const char* arguments;
    const char* message;
  } refused[] = {
      {"stats --station ../x", "kelvaro-cli: --station: '../x' is a file name without .wrk"},
      {"crop show --sa 1 --dir /nonexistent",
       "kelvaro-cli: --dir: the folder '/nonexistent' does not exist\n"},
      {"crop show --sa 0",
       "kelvaro-cli: --sa: the study-area number should be between 1 and "
       "99999\n"},
      {"crop remove --sa x --crop 1", "kelvaro-cli: --sa: 'x' is not a valid integer value\n"},
      {"crop remove --sa 1 --crop 1 --dir /nonexistent", "--dir: the folder '/nonexistent'"},
      {"crop add --sa 1 --crop Rice --area 3 --soil Q",
       "Soil type should be L, M or H, not 'Q'\n  (--soil)\n"},
      {"nosuch", "'nosuch' is not a command of kelvaro-cli; the commands are run, presets, "},
      {"demo --dir /dev/null",
       "kelvaro-cli: --dir: /dev/null is a file, not a folder; give a folder for the example "
       "data (it is made when missing)\n"},
      {"demo --dir /dev/null/demo", "kelvaro-cli: --dir: couldn't make the folder /dev/null/demo"},
      {"chart season --sa 1 --year 0 --out x.png", "--year: Value 0 not in range 1 to 9999"},
      {"run --input day --lat 33.07.1", "--lat: '33.07.1' is not a valid floating point value"},
  };
  for (const auto& bad : refused) {
    const auto result = RunCli(bad.arguments);
    EXPECT_EQ(result.status, 2) << bad.arguments;
    EXPECT_NE(result.err.find(bad.message), std::string::npos) << result.err;
  }
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

TEST(Usage, HelpSpeaksOfTheCommandLineOnly) {
  for (const char* command : {"", "run", "presets", "stats", "demo", "crop", "crop list",
                              "crop add", "crop show", "crop remove"}) {
    const auto help = RunCli(std::string(command) + " --help");
    ASSERT_EQ(help.status, 0) << command;
    for (const char* word : {"dialog", "menu", "button", "window", "form "}) {
      EXPECT_EQ(Lower(help.out).find(word), std::string::npos) << command << ": " << word;
    }
  }
}

TEST(Usage, RunHelpListsTheKindsWithTheirOptions) {
  const auto help = RunCli("run --help");
  for (const char* line : {"\n  day  measured daily weather: daily Penman-Monteith ETo\n",
                           "\n  dpn  daily rain and pan evaporation: ETo from the pan; needs "
                           "--fetch\n",
                           "; needs --years\n", "; needs --years and --fetch",
                           "first five characters", "(default: the current folder)"}) {
    EXPECT_NE(help.out.find(line), std::string::npos) << line << "\n" << help.out;
  }
}

TEST(Usage, CropAddHelpGivesTheDateFormatsAndTheClassesOfTheOptions) {
  const auto help = RunCli("crop add --help");
  for (const char* text : {"YYYY-MM-DD, or MM-DD", "--cover1, --cover2, --stress-begin",
                           "class 3 (deciduous orchards and vines) also --cover-c",
                           "class 4 (evergreen trees) also --cover-b",
                           "Allowable depletion, percent of the plant-available water (default "
                           "50)"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace kelvaro
