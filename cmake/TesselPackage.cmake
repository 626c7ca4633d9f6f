# The Debian package that "cpack -G DEB" makes in the build folder: everything cmake --install
# puts under /usr, with the files Debian asks of every package (packaging/DebianFiles.cmake)
# and Depends worked out from the programs' libraries by dpkg-shlibdeps.
set(TESSEL_PACKAGE_MAINTAINER "Tessel maintainers <tessel@quor.example>"
  CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VENDOR "Quor Inc.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for the memory of the Vanta hand-held radios")
# The long description as Debian shows it, in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
  "Tessel programs the Vanta series of hand-held dual-band digital-voice radios
(all three generations). It reads the radio's memory image over a serial or
USB-serial cable, lets you edit it as spreadsheet pages (memory channels,
banks, scan edges, repeaters, call signs, GPS memories, broadcast memories,
set-mode items), checks every value against the radio's regional version,
keeps it as a clone image file (.qmf), imports and exports CSV, prints, and
writes the image back into the radio.

tessel-cli does the same jobs without a window, for people who script their
radios.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESSEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the window system's platform plugin at run time, which dpkg-shlibdeps cannot see.
if(TESSEL_BUILD_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
# The completion uses bash-completion's helpers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS bash-completion)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# Read by packaging/DebianFiles.cmake in the staging folder.
set(CPACK_TESSEL_RELEASE_DATE ${TESSEL_RELEASE_DATE})
set(CPACK_TESSEL_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/DebianFiles.cmake)

include(CPack)
