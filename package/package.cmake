# The Windows Installer package of the build: Ravlen.exe, DormexUtil.dll and
# DormexDaemon.exe as bin/ holds them, a Start menu shortcut and the machine's
# "Version". `cmake --build --preset win64 --target package-msi` makes
# build/win64/package/Ravlen-<version>-x64.msi (x86 in the win32 build).
#
# Every version of the product shares the upgrade code; the product code is
# made from the version and the architecture, so that one package always has
# the same one and two versions never do.
set(RAVLEN_MSI_UPGRADE_CODE BD409F2E-D73E-4886-9640-EA90B0E370F2)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(RAVLEN_MSI_ARCH x64)
else()
  set(RAVLEN_MSI_ARCH x86)
endif()
set(RAVLEN_MSI_DIR ${CMAKE_BINARY_DIR}/package)
find_program(RAVLEN_WIXL wixl)
find_program(RAVLEN_MSIINFO msiinfo)
find_program(RAVLEN_MSIBUILD msibuild)

# ravlen_msi_package(TARGET OUTPUT VERSION): a target that makes the package
# OUTPUT of the given version from the build's programs.
function(ravlen_msi_package target output version)
  foreach(tool RAVLEN_WIXL RAVLEN_MSIINFO RAVLEN_MSIBUILD)
    if(NOT ${tool})
      message(STATUS "${target}: wixl, msiinfo or msibuild is missing (Debian packages wixl and msitools)")
    endif()
  endforeach()
  string(UUID product_code NAMESPACE ${RAVLEN_MSI_UPGRADE_CODE} NAME "${version} ${RAVLEN_MSI_ARCH}" TYPE SHA1 UPPER)
  if(RAVLEN_MSI_ARCH STREQUAL x64)
    set(arch_defines "Win64=yes;ProgramFiles=ProgramFiles64Folder")
  else()
    set(arch_defines "Win64=no;ProgramFiles=ProgramFilesFolder")
  endif()
  set(defines "Version=${version};ProductCode=${product_code};UpgradeCode=${RAVLEN_MSI_UPGRADE_CODE}"
      "BinDir=bin;IconFile=resources/pictures/ravlen.ico;${arch_defines}")
  set(wxs ${PROJECT_SOURCE_DIR}/package/Ravlen.wxs)
  set(script ${PROJECT_SOURCE_DIR}/package/make_msi.cmake)
  string(REPLACE ";" "|" defines "${defines}")
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -D WIXL=${RAVLEN_WIXL} -D MSIINFO=${RAVLEN_MSIINFO} -D MSIBUILD=${RAVLEN_MSIBUILD}
            -D WXS=${wxs} -D OUTPUT=${output} -D ARCH=${RAVLEN_MSI_ARCH} -D "DEFINES=${defines}" -P ${script}
    # wixl takes its sources' paths relative to where it runs.
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS Ravlen DormexUtil DormexDaemon ravlen_pictures ${CMAKE_BINARY_DIR}/resources/pictures/ravlen.ico
            ${wxs} ${script}
    COMMENT "Making the installer package ${output}"
    VERBATIM)
  add_custom_target(${target} DEPENDS ${output})
endfunction()

set(RAVLEN_MSI ${RAVLEN_MSI_DIR}/Ravlen-${PROJECT_VERSION}-${RAVLEN_MSI_ARCH}.msi)
ravlen_msi_package(package-msi ${RAVLEN_MSI} ${PROJECT_VERSION})
