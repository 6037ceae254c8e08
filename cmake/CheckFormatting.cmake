# Run as a script with -DSOURCE_DIR=... -DCLANG_FORMAT=...: fails when a C++ file of the project
# is not formatted as the committed .clang-format says, naming the files.
file(GLOB_RECURSE sources "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp"
     "${SOURCE_DIR}/tests/*.h" "${SOURCE_DIR}/tests/*.cpp" "${SOURCE_DIR}/fuzz/*.h"
     "${SOURCE_DIR}/fuzz/*.cpp" "${SOURCE_DIR}/bench/*.h" "${SOURCE_DIR}/bench/*.cpp"
     "${SOURCE_DIR}/python/*.h" "${SOURCE_DIR}/python/*.cpp")
if(NOT EXISTS "${CLANG_FORMAT}")
  message(FATAL_ERROR "clang-format is not installed; scripts/install-deps installs it")
endif()
set(unformatted "")
foreach(source IN LISTS sources)
  execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror "${source}"
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    list(APPEND unformatted "${source}")
  endif()
endforeach()
if(unformatted)
  list(JOIN unformatted "\n" lines)
  message(FATAL_ERROR "Not formatted (run clang-format -i on them):\n${lines}")
endif()
