# Builds the Debian package of the build and runs lintian on it: any error
# or warning fails, infos and pedantic notes pass. Prints a line starting
# with "SKIPPED:" (which ctest reports as a skip) when a tool is missing.
cmake_minimum_required(VERSION 3.25)
if(SANITIZED)
  message("SKIPPED: sanitizer builds are not packaged")
  return()
endif()
find_program(LINTIAN lintian)
find_program(DPKG_DEB dpkg-deb)
if(NOT EXISTS "${CPACK}" OR NOT DPKG_DEB)
  message("SKIPPED: cpack or dpkg-deb is missing, so no package can be built")
  return()
endif()
if(NOT LINTIAN)
  message("SKIPPED: lintian is missing (scripts/setup.sh installs it)")
  return()
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack failed (${result}):\n${output}")
endif()

execute_process(
  COMMAND ${LINTIAN} --fail-on error,warning --tag-display-limit 0
          --display-info ${packages}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian reports errors or warnings on ${packages}")
endif()
