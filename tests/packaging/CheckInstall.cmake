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

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
    if(NOT ${tool})
        Fail("${tool} not found: apt-get install desktop-file-utils appstream")
    endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
RunChecked(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}")

set(share "${PREFIX}/${DATADIR}")
set(desktop "${share}/applications/nerro-chinese-zodiac.desktop")
set(metainfo "${share}/metainfo/com.example.nerro.ChineseZodiac.metainfo.xml")
set(expected "${desktop}" "${metainfo}" "${share}/icons/hicolor/scalable/apps/nerro-chinese-zodiac.svg"
             "${PREFIX}/${MANDIR}/man1/NerroFreeChineseZodiacSoftware.1")
foreach(size 16 32 48 64 128 256)
    list(APPEND expected "${share}/icons/hicolor/${size}x${size}/apps/nerro-chinese-zodiac.png")
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS "${path}")
        Fail("not installed: ${path}")
    endif()
endforeach()

# A bitmap put in the wrong size folder shows blurred or not at all.
foreach(size 16 32 48 64 128 256)
    file(READ "${share}/icons/hicolor/${size}x${size}/apps/nerro-chinese-zodiac.png" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        Fail("icon for ${size}x${size} is ${width}x${height}")
    endif()
endforeach()

if(EXPECT_EXECUTABLE)
    set(program "${PREFIX}/${BINDIR}/NerroFreeChineseZodiacSoftware")
    if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
        Fail("not installed: ${program}")
    endif()
    file(READ "${desktop}" entry)
    if(NOT entry MATCHES "\nExec=NerroFreeChineseZodiacSoftware\n")
        Fail("the desktop entry does not start the installed program")
    endif()
endif()

RunChecked("${DESKTOP_FILE_VALIDATE}" "${desktop}")
RunChecked("${APPSTREAMCLI}" validate --no-net "${metainfo}")
# Also checks that the launchable desktop entry and the icon are where the metadata says.
RunChecked("${APPSTREAMCLI}" validate-tree --no-net "${PREFIX}")
