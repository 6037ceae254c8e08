# Each folder of src/ is one library. Its headers are reachable only through its own include
# folder (a link named after the folder), which a library sees only when it links that folder:
# an include that points to a layer above does not build.
set(KELVARO_LAYER_INCLUDE_ROOT "${PROJECT_BINARY_DIR}/layers")

function(kelvaro_add_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "USES")
  set(folder "${PROJECT_SOURCE_DIR}/src/${name}")
  set(include_dir "${KELVARO_LAYER_INCLUDE_ROOT}/${name}")
  file(MAKE_DIRECTORY "${include_dir}")
  file(CREATE_LINK "${folder}" "${include_dir}/${name}" SYMBOLIC)

  set(layer_uses "")
  foreach(used IN LISTS LAYER_USES)
    list(APPEND layer_uses "kelvaro_${used}")
  endforeach()

  file(GLOB sources CONFIGURE_DEPENDS "${folder}/*.cpp")
  if(sources)
    add_library(kelvaro_${name} STATIC ${sources})
    target_include_directories(kelvaro_${name} PUBLIC "${include_dir}")
    target_link_libraries(kelvaro_${name} PUBLIC ${layer_uses})
  else()
    add_library(kelvaro_${name} INTERFACE)
    target_include_directories(kelvaro_${name} INTERFACE "${include_dir}")
    target_link_libraries(kelvaro_${name} INTERFACE ${layer_uses})
  endif()
endfunction()
