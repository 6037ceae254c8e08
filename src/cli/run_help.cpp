#include "cli/run_help.h"

#include "dispatch/input_kinds.h"
#include "weatherio/message_text.h"
#include "weatherio/row_format.h"

namespace kelvaro::cli {
namespace {

std::string NeededOptions(const DispatchRow& row) {
  if (row.needs_years && row.needs_fetch) return "; needs --years and --fetch";
  if (row.needs_years) return "; needs --years";
  if (row.needs_fetch) return "; needs --fetch";
  return "";
}

}  // namespace

std::string InputKindList() {
  std::string list;
  for (const InputKind& kind : kInputKinds) {
    const DispatchRow& row = DispatchRowOf(kind);
    list += Printf("  %s  %s%s\n", std::string(kind.ext).c_str(), std::string(kind.meaning).c_str(),
                   NeededOptions(row).c_str());
  }
  return list;
}

std::string UnknownInputKindMessage(const std::string& text) {
  std::string list = InputKindList();
  list.pop_back();  // the message's last line ends where it is printed
  return Quoted(text) + " is not an input kind; the kinds are:\n" + list;
}

CLI::Validator InputKindCheck() {
  return CLI::Validator(
      [](const std::string& text) {
        return FindInputKind(text) ? std::string() : UnknownInputKindMessage(text);
      },
      "");
}

std::string RunHelpFooter() {
  return "Input kinds (--input, any letter case); every kind needs --station, --sa and, unless "
         "the input file's first line holds them, --lat and --elev:\n" +
         InputKindList() +
         "\nThe input file is STATION.KIND in --dir. Its name is the first five characters of "
         "--station: --station Maricopa reads Maric.day, so keep file names to five "
         "characters.\n"
         "The results are written beside it; the summary printed at the end shows the means of "
         "the study area's crops.\n"
         "Exit status: 0 done, 1 an operation failed, 2 refused before anything ran (nothing "
         "written).";
}

}  // namespace kelvaro::cli
