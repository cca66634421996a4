# Delay-loaded system libraries: the program links them as usual, but Windows
# loads each one only when a function of it is first called. The shell, OLE
# and the common dialogs (with the spooler behind them) are needed only on
# later pages; loading them at start cost about a fifth of the working set at
# the first page. (The sound library stays an ordinary import: the tests count
# the tab clicks' sounds through its import slot.)
#
# MSVC does this with /DELAYLOAD and delayimp.lib. MinGW's linker has no such
# switch: dlltool writes a delay-import library from the list of the library's
# exports, taken here from the toolchain's own import library, and libdelayimp
# supplies the helper that loads the library at the first call.
function(ravlen_delay_load target)
  if(MSVC)
    foreach(library IN LISTS ARGN)
      target_link_libraries(${target} PRIVATE ${library})
      target_link_options(${target} PRIVATE /DELAYLOAD:${library}.dll)
    endforeach()
    target_link_libraries(${target} PRIVATE delayimp)
    return()
  endif()
  set(underscored OFF)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(underscored ON)
  endif()
  foreach(library IN LISTS ARGN)
    set(delay_lib ${CMAKE_BINARY_DIR}/delayload/lib${library}_delay.a)
    if(NOT TARGET ravlen_delay_${library})
      find_library(RAVLEN_IMPORT_${library} ${library} REQUIRED)
      add_custom_command(OUTPUT ${delay_lib}
        COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL}
                -DIMPORT_LIB=${RAVLEN_IMPORT_${library}} -DDLL=${library}.dll -DOUT=${delay_lib}
                -DUNDERSCORED=${underscored}
                -P ${PROJECT_SOURCE_DIR}/cmake/make_delay_lib.cmake
        DEPENDS ${RAVLEN_IMPORT_${library}} ${PROJECT_SOURCE_DIR}/cmake/make_delay_lib.cmake
        COMMENT "Delay-import library for ${library}.dll")
      add_custom_target(ravlen_delay_${library} DEPENDS ${delay_lib})
    endif()
    add_dependencies(${target} ravlen_delay_${library})
    target_link_libraries(${target} PRIVATE ${delay_lib})
  endforeach()
  target_link_libraries(${target} PRIVATE delayimp)
endfunction()
