# cmake -D WIXL=... -D MSIINFO=... -D MSIBUILD=... -D WXS=... -D OUTPUT=... -D ARCH=x64|x86
#       -D DEFINES=Name=Value|... -P make_msi.cmake
# Compiles the package with wixl, then lets its major upgrade also replace an
# installed package of the same version. Windows Installer compares only the
# first three fields of a version, and this program's versions move in the
# fourth (1.0.0.1, 1.0.0.2): without that, a new build beside an old one would
# be installed as a second product. The same package twice keeps its product
# code (it is made from the version) and so is only repaired.
string(REPLACE "|" ";" DEFINES "${DEFINES}")
set(defines)
foreach(define IN LISTS DEFINES)
  list(APPEND defines -D "${define}")
endforeach()
file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${WIXL}" -a ${ARCH} ${defines} -o "${OUTPUT}" "${WXS}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wixl could not make ${OUTPUT}")
endif()

execute_process(COMMAND "${MSIINFO}" export "${OUTPUT}" Upgrade OUTPUT_VARIABLE table RESULT_VARIABLE status)
# The removing row: attribute 1 (migrate features) becomes 513 (and the
# maximum version is included).
string(REGEX REPLACE "\t1\t\tWIX_UPGRADE_DETECTED" "\t513\t\tWIX_UPGRADE_DETECTED" widened "${table}")
if(NOT status EQUAL 0 OR widened STREQUAL table)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "no upgrade row to widen in ${OUTPUT}:\n${table}")
endif()
set(idt "${OUTPUT}.Upgrade.idt")
file(WRITE "${idt}" "${widened}")
execute_process(COMMAND "${MSIBUILD}" "${OUTPUT}" -i "${idt}" RESULT_VARIABLE status)
file(REMOVE "${idt}")
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "msibuild could not import the upgrade table into ${OUTPUT}")
endif()
