# Run as a script with -DSOURCE_DIR=...: fails when a file of src/cli/, src/app/ or the Python
# module reads the run dialog's DataReady or matches a text of its warnings. Front ends learn
# what a run did from its typed result, whose problems name their field and check.
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
if(offending)
  list(JOIN offending "\n" lines)
  message(FATAL_ERROR "A front end reads the run dialog's state or texts:\n${lines}")
endif()
