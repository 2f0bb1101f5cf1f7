# The build lays out a complete program folder: both programs, the shipped data files and the
# empty folders the programs expect.  Neither program creates a folder, so the layout is made here.
set(PROGRAM_FOLDER ${CMAKE_BINARY_DIR}/programfolder CACHE INTERNAL "program folder laid out by the build")

set(PROGRAM_FOLDER_DIRS
  house plans default schedule OUTPUT temperature
  Data Data/STARS Data/Climate Data/Occupant Data/WindowData)
foreach(dir IN LISTS PROGRAM_FOLDER_DIRS)
  file(MAKE_DIRECTORY ${PROGRAM_FOLDER}/${dir})
endforeach()
# The programs spell Data as DATA and data too; they find it through the case-insensitive lookup.

# Copies a source file into the program folder at build time.
#   ship_file(<source> <folder relative to the program folder> [RENAME <name>])
function(ship_file src dest)
  cmake_parse_arguments(ARG "" "RENAME" "" ${ARGN})
  get_filename_component(name ${src} NAME)
  if(ARG_RENAME)
    set(name ${ARG_RENAME})
  endif()
  get_filename_component(abs ${src} ABSOLUTE)
  set(out ${PROGRAM_FOLDER}/${dest}/${name})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${abs} ${out}
    DEPENDS ${abs} COMMENT "Shipping ${dest}/${name}")
  set_property(GLOBAL APPEND PROPERTY PROGRAM_FOLDER_FILES ${out})
endfunction()

# Registers files that a custom command generates straight into the program folder.
function(ship_generated)
  set_property(GLOBAL APPEND PROPERTY PROGRAM_FOLDER_FILES ${ARGN})
endfunction()

# Puts an executable into the program folder, where the other program expects it.
function(ship_executable target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROGRAM_FOLDER})
endfunction()

function(finish_program_folder)
  get_property(files GLOBAL PROPERTY PROGRAM_FOLDER_FILES)
  add_custom_target(programfolder ALL DEPENDS ${files})
endfunction()
