# cmake -DPROGRAM=path -DCOMMANDS="a;b" -DOUTPUT=file.h2m -P CommandsManual.cmake
# Writes a help2man include with a COMMANDS section: every command's own
# --help, so the manual page shows each command's options too.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{LC_ALL} C.UTF-8)
get_filename_component(name ${PROGRAM} NAME)
set(text "[COMMANDS]\n")
foreach(command IN LISTS COMMANDS)
    execute_process(COMMAND ${PROGRAM} ${command} --help
                    OUTPUT_VARIABLE help RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${name} ${command} --help failed (${status})")
    endif()
    # roff: a backslash is \e, a line may not start with a control character.
    string(REPLACE "\\" "\\e" help "${help}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
    string(APPEND text ".SS \"${name} ${command}\"\n.nf\n${help}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
