# Runs PROGRAM with ARGS and no display at all, where opening a window would abort it, and fails
# unless it ends with STATUS having written what OUT and ERR match on its standard output and error.
foreach(variable DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM)
    unset(ENV{${variable}})
endforeach()
execute_process(COMMAND "${PROGRAM}" ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS OR NOT out MATCHES "${OUT}" OR NOT err MATCHES "${ERR}")
    message(FATAL_ERROR "${ARGS}: status ${status} (wanted ${STATUS})\n"
                        "--- standard output:\n${out}--- standard error:\n${err}")
endif()
