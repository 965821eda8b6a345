# One static library per source layer (src/<layer>/), its sources found by
# glob, so adding a file to a layer needs no change here. Layers depend
# only downward; pass the lower layers after the name. The layer "game"
# gathers src/game (the shared context), engine, media, game_window, shell
# and app.
function(qvl_layer name)
  if(name STREQUAL "game")
    set(folders game engine media game_window shell app)
  else()
    set(folders ${name})
  endif()
  set(sources)
  foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/src/(app/main|tools/qvl_main)\\.cpp$")
  add_library(qvl_${name} STATIC ${sources} "${CMAKE_SOURCE_DIR}/cmake/layer_anchor.cpp")
  target_include_directories(qvl_${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
  foreach(lower IN LISTS ARGN)
    target_link_libraries(qvl_${name} PUBLIC qvl_${lower})
  endforeach()
endfunction()
