# Runs as a script: cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake

function(Fail text)
    message(FATAL_ERROR "${text}")
endfunction()

function(RunChecked)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    message(STATUS "${ARGN}\n${out}${err}")
    if(NOT rc EQUAL 0)
        Fail("failed (${rc}): ${ARGN}")
    endif()
endfunction()

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI UPDATE_MIME_DATABASE UPDATE_DESKTOP_DATABASE XDG_MIME)
    if(NOT ${tool})
        Fail("${tool} not found: apt-get install desktop-file-utils appstream shared-mime-info xdg-utils")
    endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
RunChecked(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}")

set(share "${PREFIX}/${DATADIR}")
set(desktop "${share}/applications/nerro-chinese-zodiac.desktop")
set(metainfo "${share}/metainfo/com.example.nerro.ChineseZodiac.metainfo.xml")
set(record_icon "mimetypes/application-x-nerro-zodiac-record")
set(expected "${desktop}" "${metainfo}" "${share}/icons/hicolor/scalable/apps/nerro-chinese-zodiac.svg"
             "${share}/icons/hicolor/scalable/${record_icon}.svg" "${share}/mime/packages/nerro-chinese-zodiac.xml"
             "${PREFIX}/${MANDIR}/man1/NerroFreeChineseZodiacSoftware.1")
foreach(size 16 32 48 64 128 256)
    list(APPEND expected "${share}/icons/hicolor/${size}x${size}/apps/nerro-chinese-zodiac.png"
         "${share}/icons/hicolor/${size}x${size}/${record_icon}.png")
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS "${path}")
        Fail("not installed: ${path}")
    endif()
endforeach()

# A bitmap put in the wrong size folder shows blurred or not at all.
foreach(size 16 32 48 64 128 256)
    foreach(icon apps/nerro-chinese-zodiac ${record_icon})
        file(READ "${share}/icons/hicolor/${size}x${size}/${icon}.png" header LIMIT 24 HEX)
        string(SUBSTRING "${header}" 32 8 width)
        string(SUBSTRING "${header}" 40 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT width EQUAL size OR NOT height EQUAL size)
            Fail("${icon} for ${size}x${size} is ${width}x${height}")
        endif()
    endforeach()
endforeach()

if(EXPECT_EXECUTABLE)
    set(program "${PREFIX}/${BINDIR}/NerroFreeChineseZodiacSoftware")
    if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
        Fail("not installed: ${program}")
    endif()
    # Where the program looks for its printing module.
    set(module "${PREFIX}/${LIBDIR}/nerro-chinese-zodiac/libzodiac-printing.so")
    if(NOT EXISTS "${module}")
        Fail("not installed: ${module}")
    endif()
    file(READ "${desktop}" entry)
    if(NOT entry MATCHES "\nExec=NerroFreeChineseZodiacSoftware %f\n")
        Fail("the desktop entry does not start the installed program")
    endif()
endif()

RunChecked("${DESKTOP_FILE_VALIDATE}" "${desktop}")
RunChecked("${APPSTREAMCLI}" validate --no-net "${metainfo}")
# Also checks that the launchable desktop entry and the icon are where the metadata says.
RunChecked("${APPSTREAMCLI}" validate-tree --no-net "${PREFIX}")

# The desktop's look-ups, as GNOME makes them (xdg-mime through gio), see only what was installed
# here: a saved record has the record's type, and the program's entry opens it.
RunChecked(${UPDATE_MIME_DATABASE} "${share}/mime")
RunChecked(${UPDATE_DESKTOP_DATABASE} "${share}/applications")
# A record's bytes: "Ann" and a line end; GNOME looks at the content where no name pattern fits.
foreach(name "Zoë's reading.str" "Zoë's reading.STR")
    file(WRITE "${PREFIX}/scratch/${name}" "Dqq\r\n")
endforeach()
set(desktop_env ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${share} XDG_DATA_HOME=${PREFIX}/scratch
    XDG_CONFIG_HOME=${PREFIX}/scratch XDG_CONFIG_DIRS=${PREFIX}/scratch XDG_CURRENT_DESKTOP=GNOME)
# The program refuses a name ending in capitals, so the type does not claim one.
foreach(query "filetype;${PREFIX}/scratch/Zoë's reading.str;application/x-nerro-zodiac-record"
              "filetype;${PREFIX}/scratch/Zoë's reading.STR;!application/x-nerro-zodiac-record"
              "default;application/x-nerro-zodiac-record;nerro-chinese-zodiac.desktop")
    list(GET query 0 kind)
    list(GET query 1 subject)
    list(GET query 2 want)
    execute_process(COMMAND ${desktop_env} ${XDG_MIME} query ${kind} ${subject} OUTPUT_VARIABLE got
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    message(STATUS "xdg-mime query ${kind} ${subject}: ${got}")
    if(want MATCHES "^!(.*)" AND (got STREQUAL CMAKE_MATCH_1 OR got STREQUAL ""))
        Fail("xdg-mime query ${kind} ${subject} gives \"${got}\"")
    elseif(NOT want MATCHES "^!" AND NOT got STREQUAL want)
        Fail("xdg-mime query ${kind} ${subject} gives \"${got}\", not ${want}")
    endif()
endforeach()
