# Run by cpack once the files are staged: compresses the manual pages as Debian does (gzip
# without name and time stamp, best compression) and adds the copyright file and the change
# log every Debian package carries in its documentation folder.
set(usr ${CPACK_TEMPORARY_DIRECTORY}/usr)
set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})

file(GLOB pages ${usr}/share/man/man1/*.1)
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9n ${page} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(MAKE_DIRECTORY ${doc})
file(COPY_FILE ${CPACK_TESSEL_SOURCE_DIR}/packaging/copyright ${doc}/copyright)

# The package is its own upstream (a native package), so its change log is changelog.gz.
execute_process(COMMAND date -u -R -d ${CPACK_TESSEL_RELEASE_DATE}
  OUTPUT_VARIABLE released OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${doc}/changelog
  "${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium\n\n"
  "  * Release ${CPACK_PACKAGE_VERSION}.\n\n"
  " -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${released}\n")
execute_process(COMMAND gzip -9n ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
