# cmake -DSOURCE=<file> -DDEST=<file> -DMSCOMPRESS=<program> -DWORK=<dir> -P Compress.cmake
# Writes SOURCE compressed in the SZDD format as DEST.  mscompress names its
# output after its input with "_" appended, so it works on a copy in WORK.
foreach(var SOURCE DEST MSCOMPRESS WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "Compress.cmake: ${var} is not set")
  endif()
endforeach()
get_filename_component(name "${SOURCE}" NAME)
file(MAKE_DIRECTORY "${WORK}")
file(REMOVE "${WORK}/${name}" "${WORK}/${name}_")
file(COPY_FILE "${SOURCE}" "${WORK}/${name}")
execute_process(COMMAND "${MSCOMPRESS}" "${WORK}/${name}" RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK}/${name}_")
  message(FATAL_ERROR "mscompress could not compress ${SOURCE}")
endif()
file(RENAME "${WORK}/${name}_" "${DEST}")
file(REMOVE "${WORK}/${name}")
