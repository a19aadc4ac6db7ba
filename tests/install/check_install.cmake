# cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -DAPP_ID=<id> -DVERSION=<version>
#   -P check_install.cmake
# Installs the build under PREFIX and checks what desktops, software centres and
# man look for is there and names what was installed.

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# The value of `key` in a desktop entry's lines, or empty.
function(desktop_value lines key out)
  set(value "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^${key}=(.*)$")
      set(value "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  fail("cmake --install failed: " "${errors}")
endif()

set(desktop share/applications/${APP_ID}.desktop)
set(png share/icons/hicolor/256x256/apps/${APP_ID}.png)
set(metainfo share/metainfo/${APP_ID}.metainfo.xml)
set(expected
  bin/horavela
  bin/horavela-cli
  ${desktop}
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  ${png}
  ${metainfo}
  share/man/man1/horavela-cli.1)
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    fail("not installed: " "${path}")
  endif()
endforeach()

# The installed tool runs on its own, away from the build folder.
execute_process(COMMAND "${PREFIX}/bin/horavela-cli" --help
  RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT help MATCHES "evaluate")
  fail("installed horavela-cli --help failed (" "${status}" "): " "${errors}")
endif()

# The desktop entry starts an installed program and shows an installed icon.
file(STRINGS "${PREFIX}/${desktop}" lines)
foreach(key Type Name Comment Exec Icon Categories Keywords)
  desktop_value("${lines}" ${key} value)
  if(value STREQUAL "")
    fail("${desktop}" " has no " "${key}")
  endif()
endforeach()
desktop_value("${lines}" Exec exec)
string(REGEX REPLACE " .*" "" program "${exec}")
if(NOT EXISTS "${PREFIX}/bin/${program}")
  fail("Exec names " "${program}" ", which is not installed in bin/")
endif()
desktop_value("${lines}" Icon icon)
file(GLOB icons "${PREFIX}/share/icons/hicolor/*/apps/${icon}.png"
  "${PREFIX}/share/icons/hicolor/*/apps/${icon}.svg")
list(LENGTH icons icon_count)
if(NOT icon_count EQUAL 2)
  fail("Icon names " "${icon}" ", found " "${icon_count}" " of its 2 installed files")
endif()

# A PNG's width and height follow its signature and IHDR header, big-endian.
file(READ "${PREFIX}/${png}" size HEX OFFSET 16 LIMIT 8)
if(NOT size STREQUAL "0000010000000100")
  fail("${png}" " is not 256x256 (" "${size}" ")")
endif()

# The software centre opens the installed desktop entry, for this version.
file(READ "${PREFIX}/${metainfo}" xml)
foreach(needed "<id>${APP_ID}</id>"
    "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
    "<release version=\"${VERSION}\"")
  string(FIND "${xml}" "${needed}" at)
  if(at EQUAL -1)
    fail("${metainfo}" " lacks " "${needed}")
  endif()
endforeach()
