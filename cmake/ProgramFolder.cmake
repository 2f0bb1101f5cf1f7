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

# A custom command's output only gets a build rule from a target of the folder that adds the command,
# so every folder that ships files gets one target of its own that builds them; the programfolder
# target depends on all of these.
function(_ship_register)
  set_property(DIRECTORY APPEND PROPERTY PROGRAM_FOLDER_FILES ${ARGN})
  get_property(deferred DIRECTORY PROPERTY PROGRAM_FOLDER_DEFERRED)
  if(NOT deferred)
    set_property(DIRECTORY PROPERTY PROGRAM_FOLDER_DEFERRED TRUE)
    cmake_language(DEFER CALL _ship_folder_target)
  endif()
endfunction()

function(_ship_folder_target)
  get_property(files DIRECTORY PROPERTY PROGRAM_FOLDER_FILES)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(MAKE_C_IDENTIFIER "ship_${folder}" target)
  add_custom_target(${target} ALL DEPENDS ${files})
  set_property(GLOBAL APPEND PROPERTY PROGRAM_FOLDER_TARGETS ${target})
endfunction()

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
  _ship_register(${out})
endfunction()

# Registers files that a custom command of the calling folder generates straight into the program
# folder.
function(ship_generated)
  _ship_register(${ARGN})
endfunction()

# Puts an executable into the program folder, where the other program expects it.
function(ship_executable target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROGRAM_FOLDER})
endfunction()

function(finish_program_folder)
  get_property(targets GLOBAL PROPERTY PROGRAM_FOLDER_TARGETS)
  add_custom_target(programfolder ALL)
  if(targets)
    add_dependencies(programfolder ${targets})
  endif()
endfunction()
