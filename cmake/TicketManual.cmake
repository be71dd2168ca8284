# ticket_add_manual(TARGET NAME "what it is" [INCLUDE file.h2m] [COMMANDS name...])
# Makes TARGET's manual page from its own --help and --version with help2man
# at build time, so the page never goes stale, and installs it in section 1.
# COMMANDS adds a section with "TARGET name --help" of each.
include(GNUInstallDirs)
find_program(HELP2MAN help2man REQUIRED)

function(ticket_add_manual target)
    cmake_parse_arguments(ARG "" "NAME;INCLUDE" "COMMANDS" ${ARGN})
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
    set(include_options)
    set(includes)
    if(ARG_INCLUDE)
        list(APPEND includes ${ARG_INCLUDE})
    endif()
    if(ARG_COMMANDS)
        set(commands_page ${CMAKE_CURRENT_BINARY_DIR}/${target}-commands.h2m)
        add_custom_command(OUTPUT ${commands_page}
            COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> "-DCOMMANDS=${ARG_COMMANDS}"
                    -DOUTPUT=${commands_page} -P ${PROJECT_SOURCE_DIR}/cmake/CommandsManual.cmake
            DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/CommandsManual.cmake
            VERBATIM)
        list(APPEND includes ${commands_page})
    endif()
    foreach(include IN LISTS includes)
        list(APPEND include_options --include=${include})
    endforeach()
    # Run by name from its build folder, as a user would, in English and
    # without a display.
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
                "PATH=$<TARGET_FILE_DIR:${target}>:$ENV{PATH}"
                ${HELP2MAN} --no-info --section=1 --name=${ARG_NAME} ${include_options} --output=${page} ${target}
        DEPENDS ${target} ${includes}
        COMMENT "Manual page of ${target}"
        VERBATIM)
    add_custom_target(${target}_manual ALL DEPENDS ${page})
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
