# Run by CPack on the staged tree: gzip -9n the manual page and the changelog,
# as Debian ships them.
file(GLOB_RECURSE docs "${CPACK_TEMPORARY_DIRECTORY}/*/velmo.6" "${CPACK_TEMPORARY_DIRECTORY}/*/changelog")
if(NOT docs)
  message(FATAL_ERROR "no manual page or changelog under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(doc IN LISTS docs)
  execute_process(COMMAND gzip -9nf "${doc}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
