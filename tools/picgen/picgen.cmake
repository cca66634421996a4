# picgen draws the program's pictures at build time. It runs on the build
# machine, so it is compiled by a custom command with the host's C++ compiler,
# not with the cross toolchain of the rest of the build.
#
# ravlen_generate_pictures(<target> OUTPUT_DIR <dir> FILES <file>...)
#   Adds the custom target <target> that writes the files (names as picgen's
#   table gives them) into <dir>. They are drawn again whenever a source of
#   picgen changes. Sets <target>_FILES in the caller to the full paths.

set(RAVLEN_PICGEN_DIR ${CMAKE_CURRENT_LIST_DIR})
set(RAVLEN_PICGEN_SOURCES
  ${RAVLEN_PICGEN_DIR}/canvas.cpp
  ${RAVLEN_PICGEN_DIR}/image_files.cpp
  ${RAVLEN_PICGEN_DIR}/pictures.cpp
  ${RAVLEN_PICGEN_DIR}/main.cpp)
set(RAVLEN_PICGEN_HEADERS
  ${RAVLEN_PICGEN_DIR}/canvas.h
  ${RAVLEN_PICGEN_DIR}/image_files.h
  ${RAVLEN_PICGEN_DIR}/palette.h
  ${RAVLEN_PICGEN_DIR}/pictures.h)

# The cross toolchain searches programs on the host (CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER).
find_program(RAVLEN_HOST_CXX NAMES c++ g++ REQUIRED DOC "The build machine's C++ compiler, for picgen")

function(ravlen_generate_pictures target)
  cmake_parse_arguments(P "" "OUTPUT_DIR" "FILES" ${ARGN})
  set(tool_dir ${CMAKE_BINARY_DIR}/tools/picgen)
  set(picgen ${tool_dir}/picgen)
  get_property(built GLOBAL PROPERTY RAVLEN_PICGEN_BUILT)
  if(NOT built)
    set_property(GLOBAL PROPERTY RAVLEN_PICGEN_BUILT ON)
    add_custom_command(
      OUTPUT ${picgen}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${tool_dir}
      COMMAND ${RAVLEN_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -Werror -Wshadow -o ${picgen} ${RAVLEN_PICGEN_SOURCES}
      DEPENDS ${RAVLEN_PICGEN_SOURCES} ${RAVLEN_PICGEN_HEADERS}
      COMMENT "Building picgen with the host compiler"
      VERBATIM)
  endif()

  set(outputs "")
  foreach(file IN LISTS P_FILES)
    list(APPEND outputs ${P_OUTPUT_DIR}/${file})
  endforeach()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${P_OUTPUT_DIR}
    COMMAND ${picgen} ${P_OUTPUT_DIR} ${P_FILES}
    DEPENDS ${picgen}
    COMMENT "Drawing the pictures into ${P_OUTPUT_DIR}"
    VERBATIM)
  add_custom_target(${target} DEPENDS ${outputs})
  set(${target}_FILES ${outputs} PARENT_SCOPE)
endfunction()
