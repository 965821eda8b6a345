# One static library per source layer (src/<layer>/), its sources found by
# glob, so adding a file to a layer needs no change here. Layers depend
# only downward; pass the lower layers after the name.
function(qvl_layer name)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_SOURCE_DIR}/src/${name}/*.cpp")
  list(FILTER sources EXCLUDE REGEX "/src/(app/main|tools/qvl_main)\\.cpp$")
  add_library(qvl_${name} STATIC ${sources} "${CMAKE_SOURCE_DIR}/cmake/layer_anchor.cpp")
  target_include_directories(qvl_${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
  foreach(lower IN LISTS ARGN)
    target_link_libraries(qvl_${name} PUBLIC qvl_${lower})
  endforeach()
endfunction()
