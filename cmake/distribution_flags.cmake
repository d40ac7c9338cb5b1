# The distribution's compiler and linker flags, as a Debian package is built
# with them: fortified functions, the stack protector, format checks and full
# RELRO with immediate binding.  They come from dpkg-buildflags (package
# dpkg-dev, part of build-essential); the optimisation and debugging flags
# are left to the build type.  -ffile-prefix-map is taken relative to the
# source folder, and the build folder is mapped too, so where the tree and
# the build lie does not reach the executables.
option(TALLIMOR_DISTRIBUTION_FLAGS "Build with the hardening flags of dpkg-buildflags" ON)
find_program(TALLIMOR_DPKG_BUILDFLAGS dpkg-buildflags)
if(TALLIMOR_DISTRIBUTION_FLAGS AND TALLIMOR_DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${TALLIMOR_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^(-g[0-9]*|-O[0-9s]?)$")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
    message(STATUS "Distribution ${kind}: ${flags}")
  endforeach()
  add_compile_options(-ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
endif()
