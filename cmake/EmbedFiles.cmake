# Run as a script: writes OUTPUT, a C++ source holding the bytes of every file in FILES as
# kelvaro::kEmbeddedExamples, so the program carries its example data wherever it is installed.
set(body "")
set(entries "")
set(index 0)
foreach(path IN LISTS FILES)
  get_filename_component(name "${path}" NAME)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "constexpr unsigned char kFile${index}[] = {${bytes}0x00};\n")
  string(APPEND entries "    {\"${name}\", reinterpret_cast<const char*>(kFile${index}), ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made by cmake/EmbedFiles.cmake from data/examples; not edited by hand.
#include \"cli/embedded_examples.h\"

namespace kelvaro {
namespace {
${body}}  // namespace

const std::vector<EmbeddedFile>& EmbeddedExamples() {
  static const std::vector<EmbeddedFile> files = {
${entries}  };
  return files;
}

}  // namespace kelvaro
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
