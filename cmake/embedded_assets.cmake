# The font and the built-in pictures under assets/ are compiled into the ui
# layer (src/ui/embedded_assets.cpp pulls them in with .incbin), so the
# program needs no files beside it and runs from any folder.
set(QVL_EMBEDDED_ASSET_SOURCE ${CMAKE_SOURCE_DIR}/src/ui/embedded_assets.cpp)
file(GLOB QVL_EMBEDDED_ASSET_FILES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/assets/*.ttf ${CMAKE_SOURCE_DIR}/assets/builtin/*)
set_source_files_properties(${QVL_EMBEDDED_ASSET_SOURCE} PROPERTIES
  COMPILE_DEFINITIONS "QVL_ASSET_DIR=\"${CMAKE_SOURCE_DIR}/assets\""
  OBJECT_DEPENDS "${QVL_EMBEDDED_ASSET_FILES}")
