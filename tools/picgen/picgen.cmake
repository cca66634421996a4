# picgen draws the program's pictures at build time. It runs on the build
# machine, so it is compiled by a custom command with the host's C++ compiler,
# not with the cross toolchain of the rest of the build.
#
# ravlen_generate_pictures(<target> OUTPUT_DIR <dir> FILES <file>...
#                          LANGUAGES <folder>... LANGUAGE_FILES <file>...)
#   Adds the custom target <target> that writes the files (names as picgen's
#   table gives them) into <dir>, and each of LANGUAGE_FILES into every
#   language folder <dir>/<folder>. They are drawn again whenever a source of
#   picgen or a font changes. Sets <target>_FILES in the caller to the full paths.
#
# Lettering is rendered with FreeType from Debian's fonts-liberation (Latin) and
# fonts-wqy-microhei (Chinese and Japanese), found through fontconfig or at
# their Debian paths.

set(RAVLEN_PICGEN_DIR ${CMAKE_CURRENT_LIST_DIR})
set(RAVLEN_PICGEN_SOURCES
  ${RAVLEN_PICGEN_DIR}/art.cpp
  ${RAVLEN_PICGEN_DIR}/canvas.cpp
  ${RAVLEN_PICGEN_DIR}/drawings_keyboard.cpp
  ${RAVLEN_PICGEN_DIR}/drawings_pages.cpp
  ${RAVLEN_PICGEN_DIR}/drawings_print.cpp
  ${RAVLEN_PICGEN_DIR}/drawings_summary.cpp
  ${RAVLEN_PICGEN_DIR}/icons.cpp
  ${RAVLEN_PICGEN_DIR}/image.cpp
  ${RAVLEN_PICGEN_DIR}/image_files.cpp
  ${RAVLEN_PICGEN_DIR}/languages.cpp
  ${RAVLEN_PICGEN_DIR}/line_break.cpp
  ${RAVLEN_PICGEN_DIR}/main.cpp
  ${RAVLEN_PICGEN_DIR}/pictures.cpp
  ${RAVLEN_PICGEN_DIR}/quantize.cpp
  ${RAVLEN_PICGEN_DIR}/sound.cpp
  ${RAVLEN_PICGEN_DIR}/text.cpp)
set(RAVLEN_PICGEN_HEADERS
  ${RAVLEN_PICGEN_DIR}/art.h
  ${RAVLEN_PICGEN_DIR}/canvas.h
  ${RAVLEN_PICGEN_DIR}/drawings.h
  ${RAVLEN_PICGEN_DIR}/image.h
  ${RAVLEN_PICGEN_DIR}/image_files.h
  ${RAVLEN_PICGEN_DIR}/languages.h
  ${RAVLEN_PICGEN_DIR}/line_break.h
  ${RAVLEN_PICGEN_DIR}/palette.h
  ${RAVLEN_PICGEN_DIR}/pictures.h
  ${RAVLEN_PICGEN_DIR}/text.h)

# The cross toolchain searches programs on the host (CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER).
find_program(RAVLEN_HOST_CXX NAMES c++ g++ REQUIRED DOC "The build machine's C++ compiler, for picgen")

# The host's FreeType, asked of the host's pkg-config (the cross build's own
# search paths would find the target's libraries instead).
find_program(RAVLEN_HOST_PKG_CONFIG NAMES pkg-config REQUIRED DOC "The build machine's pkg-config, for picgen")
execute_process(COMMAND ${RAVLEN_HOST_PKG_CONFIG} --cflags freetype2 OUTPUT_VARIABLE freetype_cflags
                RESULT_VARIABLE freetype_missing OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${RAVLEN_HOST_PKG_CONFIG} --libs freetype2 OUTPUT_VARIABLE freetype_libs
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(freetype_missing)
  message(FATAL_ERROR "picgen needs FreeType on the build machine (Debian package libfreetype-dev)")
endif()
separate_arguments(RAVLEN_FREETYPE_CFLAGS UNIX_COMMAND "${freetype_cflags}")
separate_arguments(RAVLEN_FREETYPE_LIBS UNIX_COMMAND "${freetype_libs}")

# ravlen_find_font(<variable> <fontconfig pattern> <file name> <Debian folder>)
function(ravlen_find_font variable pattern file folder)
  if(NOT ${variable})
    find_program(fc_match NAMES fc-match)
    if(fc_match)
      execute_process(COMMAND ${fc_match} -f "%{file}" "${pattern}" OUTPUT_VARIABLE found
                      OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      get_filename_component(found_name "${found}" NAME)
      # fontconfig answers with a substitute when the font is missing; only the file itself will do.
      if(found_name STREQUAL file AND EXISTS "${found}")
        set(${variable} "${found}" CACHE FILEPATH "Font file for picgen: ${pattern}")
      endif()
    endif()
  endif()
  if(NOT ${variable})
    find_file(${variable} ${file} PATHS /usr/share/fonts/truetype/${folder} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
              DOC "Font file for picgen: ${pattern}")
  endif()
  if(NOT ${variable})
    message(FATAL_ERROR "picgen needs the font file ${file} (${pattern}); install the Debian package that holds it")
  endif()
endfunction()
ravlen_find_font(RAVLEN_FONT_SANS "Liberation Sans:style=Regular" LiberationSans-Regular.ttf liberation)
ravlen_find_font(RAVLEN_FONT_SANS_BOLD "Liberation Sans:style=Bold" LiberationSans-Bold.ttf liberation)
ravlen_find_font(RAVLEN_FONT_CJK "WenQuanYi Micro Hei" wqy-microhei.ttc wqy)
set(RAVLEN_PICGEN_FONTS ${RAVLEN_FONT_SANS} ${RAVLEN_FONT_SANS_BOLD} ${RAVLEN_FONT_CJK})

function(ravlen_generate_pictures target)
  cmake_parse_arguments(P "" "OUTPUT_DIR" "FILES;LANGUAGES;LANGUAGE_FILES" ${ARGN})
  set(tool_dir ${CMAKE_BINARY_DIR}/tools/picgen)
  set(picgen ${tool_dir}/picgen)
  get_property(built GLOBAL PROPERTY RAVLEN_PICGEN_BUILT)
  if(NOT built)
    set_property(GLOBAL PROPERTY RAVLEN_PICGEN_BUILT ON)
    add_custom_command(
      OUTPUT ${picgen}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${tool_dir}
      COMMAND ${RAVLEN_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -Werror -Wshadow ${RAVLEN_FREETYPE_CFLAGS}
              -o ${picgen} ${RAVLEN_PICGEN_SOURCES} ${RAVLEN_FREETYPE_LIBS}
      DEPENDS ${RAVLEN_PICGEN_SOURCES} ${RAVLEN_PICGEN_HEADERS}
      COMMENT "Building picgen with the host compiler"
      VERBATIM)
  endif()

  set(files ${P_FILES})
  foreach(folder IN LISTS P_LANGUAGES)
    foreach(file IN LISTS P_LANGUAGE_FILES)
      list(APPEND files ${folder}/${file})
    endforeach()
  endforeach()
  set(outputs "")
  foreach(file IN LISTS files)
    list(APPEND outputs ${P_OUTPUT_DIR}/${file})
  endforeach()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${P_OUTPUT_DIR}
    COMMAND ${picgen} --sans ${RAVLEN_FONT_SANS} --sans-bold ${RAVLEN_FONT_SANS_BOLD} --cjk ${RAVLEN_FONT_CJK}
            ${P_OUTPUT_DIR} ${files}
    DEPENDS ${picgen} ${RAVLEN_PICGEN_FONTS}
    COMMENT "Drawing the pictures into ${P_OUTPUT_DIR}"
    VERBATIM)
  add_custom_target(${target} DEPENDS ${outputs})
  set(${target}_FILES ${outputs} PARENT_SCOPE)
endfunction()
