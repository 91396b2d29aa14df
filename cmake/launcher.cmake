# prismora_launcher(OUTPUT LAUNCHER_DIR GAME_DIR DATA_DIR) writes the launcher for one install
# layout to OUTPUT in the build tree. The directories are relative to the install prefix, and
# the launcher finds the others from its own location, so the installed tree can be moved.
function(prismora_launcher output launcher_dir game_dir data_dir)
  foreach(dir IN ITEMS launcher_dir game_dir data_dir)
    if(IS_ABSOLUTE "${${dir}}")
      message(FATAL_ERROR "install directories must be relative to the prefix: ${${dir}}")
    endif()
  endforeach()
  file(RELATIVE_PATH PRISMORA_LAUNCHER_TO_GAME /${launcher_dir} /${game_dir})
  file(RELATIVE_PATH PRISMORA_LAUNCHER_TO_DATA /${launcher_dir} /${data_dir})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/prismora-launcher.sh.in ${output} @ONLY)
endfunction()
