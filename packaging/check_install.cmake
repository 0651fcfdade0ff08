# Installs the build into a scratch root and checks that a desktop finds the
# program, its launcher entry, its icons, its metadata and its manual page
# where it looks.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGE_DIR})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE_DIR}/usr
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed: ${result}")
endif()

set(share ${STAGE_DIR}/usr/share)
set(expected
    ${STAGE_DIR}/usr/bin/tessaly
    ${share}/applications/${APP_ID}.desktop
    ${share}/metainfo/${APP_ID}.metainfo.xml
    ${share}/man/man1/tessaly.1.gz
    ${share}/doc/tessaly/copyright
    ${share}/doc/tessaly/changelog.gz)
foreach(size IN ITEMS 16 32 48 64 128 256)
  list(APPEND expected ${share}/icons/hicolor/${size}x${size}/apps/tessaly.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

# The icon of each folder must really have that folder's size: themes scale
# a wrong one silently, and it shows up blurred.
foreach(size IN ITEMS 16 32 48 64 128 256)
  file(READ ${share}/icons/hicolor/${size}x${size}/apps/tessaly.png header
       LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 16 dimensions)
  math(EXPR want_hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REPLACE "0x" "" want_hex "${want_hex}")
  string(LENGTH "${want_hex}" digits)
  math(EXPR pad "8 - ${digits}")
  string(REPEAT "0" ${pad} zeros)
  set(want "${zeros}${want_hex}${zeros}${want_hex}")
  if(NOT dimensions STREQUAL want)
    message(FATAL_ERROR "icon ${size}: header says ${dimensions}")
  endif()
endforeach()

file(STRINGS ${share}/applications/${APP_ID}.desktop desktop ENCODING UTF-8)
foreach(line IN ITEMS "Name=Tessaly" "Name[zh_CN]=2005中高考Tessaly"
                      "Exec=tessaly" "Icon=tessaly" "Categories=Education;")
  if(NOT line IN_LIST desktop)
    message(FATAL_ERROR "launcher entry lacks '${line}'")
  endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(
    COMMAND ${DESKTOP_FILE_VALIDATE} ${share}/applications/${APP_ID}.desktop
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects the launcher entry")
  endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(
    COMMAND ${APPSTREAMCLI} validate --no-net
            ${share}/metainfo/${APP_ID}.metainfo.xml
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejects the metadata")
  endif()
endif()
