# A Debian package of the installed program: `cpack -G DEB` in the build
# folder writes tallimor_<version>_<arch>.deb.  The maintainer named here is
# the one of doc/changelog, doc/copyright and the AppStream metainfo.
set(TALLIMOR_MAINTAINER "Tallimor developers <tallimor@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_PACKAGE_NAME tallimor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tallimor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking game of coloured boxes")
# Lines of at most 80 characters, as the control file wants them.
set(CPACK_PACKAGE_DESCRIPTION
    "Tallimor is a single-player code-breaking game. One side thinks of a\n\
secret code of coloured boxes; the other tries to reproduce it from the\n\
black and white hints given after every guess. Guess yourself, let the\n\
computer guess your code, or watch it play both sides, in 1424 variations,\n\
with Top Five lists, saved games and an unattended demo.")
# Stripped of symbols; the install step also drops the .comment and .note
# sections a stripped Debian binary does without (data/CMakeLists.txt).
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TALLIMOR_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The run-time libraries are read from the executables when dpkg-shlibdeps
# (package dpkg-dev) is there; otherwise the Qt 6 libraries of Debian 12.
find_program(TALLIMOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TALLIMOR_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libstdc++6 (>= 12), libc6 (>= 2.34)")
endif()
# Two packages of one commit are alike to the byte: unless the build sets
# SOURCE_DATE_EPOCH, every file of the package carries the date of the newest
# changelog entry instead of the time it was built.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/TallimorCPackTime.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
     "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n  set(ENV{SOURCE_DATE_EPOCH} ${TALLIMOR_RELEASE_EPOCH})\nendif()\n")
include(CPack)
