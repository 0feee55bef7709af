# Installs the build into a fresh prefix and checks what a desktop reads from it:
# the desktop entry and the AppStream metadata pass their validators, and the icon is
# there as SVG and as a PNG of every rendered size, each PNG exactly that size.
# Called with -DBUILD_DIR, -DPREFIX, -DAPP_ID and -DICON_SIZES (comma-separated).
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

set(share "${PREFIX}/share")
set(fehler "")
foreach(datei "bin/tessara" "share/applications/${APP_ID}.desktop"
        "share/metainfo/${APP_ID}.metainfo.xml" "share/icons/hicolor/scalable/apps/${APP_ID}.svg")
  if(NOT EXISTS "${PREFIX}/${datei}")
    string(APPEND fehler "missing: ${datei}\n")
  endif()
endforeach()

foreach(pruefung "desktop-file-validate;${share}/applications/${APP_ID}.desktop"
                 "appstreamcli;validate;--no-net;${share}/metainfo/${APP_ID}.metainfo.xml")
  execute_process(COMMAND ${pruefung} RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE aus)
  # desktop-file-validate reports problems on stdout while still exiting 0 for some.
  list(GET pruefung 0 werkzeug)
  if(NOT rc EQUAL 0 OR (werkzeug STREQUAL "desktop-file-validate" AND NOT aus STREQUAL ""))
    string(APPEND fehler "${werkzeug} rejects the file (${rc}):\n${aus}\n")
  endif()
endforeach()

string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")
foreach(groesse IN LISTS ICON_SIZES)
  set(png "${share}/icons/hicolor/${groesse}x${groesse}/apps/${APP_ID}.png")
  if(NOT EXISTS "${png}")
    string(APPEND fehler "missing icon: ${groesse}x${groesse}\n")
    continue()
  endif()
  # Width and height are the big-endian words at bytes 16 and 20 of the PNG header.
  file(READ "${png}" kopf OFFSET 16 LIMIT 8 HEX)
  math(EXPR erwartet "${groesse}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${erwartet}" 2 -1 erwartet)
  string(LENGTH "${erwartet}" n)
  math(EXPR nullen "8 - ${n}")
  string(REPEAT "0" ${nullen} vorn)
  if(NOT kopf STREQUAL "${vorn}${erwartet}${vorn}${erwartet}")
    string(APPEND fehler "icon ${groesse}x${groesse} has the header ${kopf}\n")
  endif()
endforeach()

if(NOT fehler STREQUAL "")
  message(FATAL_ERROR "${fehler}")
endif()
