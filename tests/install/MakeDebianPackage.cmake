# Makes the Debian package of the build into OUT for the package tests, with cpack as a user
# runs it; where the Debian package tools are missing it makes none and the tests skip.
find_program(dpkg_deb dpkg-deb)
find_program(dpkg_shlibdeps dpkg-shlibdeps)
file(REMOVE_RECURSE ${OUT})
if(NOT dpkg_deb OR NOT dpkg_shlibdeps)
  message(STATUS "dpkg-deb or dpkg-shlibdeps is missing: no package made")
  return()
endif()
execute_process(COMMAND ${CPACK} -G DEB --config ${CONFIG} -B ${OUT} COMMAND_ERROR_IS_FATAL ANY)
