# Run as a script with -DSOURCE_DIR=...: fails when a file of src/cli/, src/app/ or the Python
# module reads the run dialog's DataReady or matches a text of its warnings, or when the command
# line drives a dialog model of the finders, viewers, statistics or templates. Front ends learn
# what a run or a look-up did from its typed result, whose problems name their field.
file(GLOB_RECURSE sources "${SOURCE_DIR}/src/cli/*.h" "${SOURCE_DIR}/src/cli/*.cpp"
     "${SOURCE_DIR}/src/app/*.h" "${SOURCE_DIR}/src/app/*.cpp"
     "${SOURCE_DIR}/python/bindings/*" "${SOURCE_DIR}/python/kelvaro/*")
set(texts "DataReady" "Enter the station name" "Enter the latitude" "Enter the elevation"
          "Latitude should be between" "Elevation should be between" "Enter number of years"
          "Number of years should" "Enter a fetch value" "An invalid input filename")
set(offending "")
foreach(source IN LISTS sources)
  file(READ "${source}" content)
  foreach(text IN LISTS texts)
    string(FIND "${content}" "${text}" at)
    if(NOT at EQUAL -1)
      list(APPEND offending "${source}: ${text}")
    endif()
  endforeach()
endforeach()
file(GLOB_RECURSE cli_sources "${SOURCE_DIR}/src/cli/*.h" "${SOURCE_DIR}/src/cli/*.cpp")
set(dialog_models "TResultFinder" "TOutputFiles" "TGetSimulatedStationName" "TDataFileEntry"
                  "viewers/result_finders.h" "viewers/output_files.h" "viewers/data_file_entry.h")
foreach(source IN LISTS cli_sources)
  file(READ "${source}" content)
  foreach(model IN LISTS dialog_models)
    string(FIND "${content}" "${model}" at)
    if(NOT at EQUAL -1)
      list(APPEND offending "${source}: ${model}")
    endif()
  endforeach()
endforeach()
if(offending)
  list(JOIN offending "\n" lines)
  message(FATAL_ERROR "A front end reads a dialog's state or texts:\n${lines}")
endif()
