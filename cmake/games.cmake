# qvl_game(TOML OUTVAR): builds the game described by TOML with `qvl build`
# into <build>/games/<folder name of TOML>. Pictures, sounds and movies in
# the folder's resource/ are copied by `qvl build` itself. A test game that
# holds faults on purpose lists them in its lint.expected and is built with
# --force.
function(qvl_game toml outvar)
  get_filename_component(dir ${toml} DIRECTORY)
  set(force)
  if(EXISTS ${dir}/lint.expected)
    set(force --force)
  endif()
  get_filename_component(name ${dir} NAME)
  set(out_dir ${CMAKE_BINARY_DIR}/games/${name})
  set(stamp ${out_dir}/resource/Quorvel1.dat)
  file(GLOB_RECURSE assets CONFIGURE_DEPENDS ${dir}/resource/*)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND $<TARGET_FILE:qvl> build ${force} ${toml} ${out_dir}
    DEPENDS qvl ${toml} ${assets}
    COMMENT "Building game ${name}"
    VERBATIM)
  set(${outvar} ${stamp} PARENT_SCOPE)
endfunction()
