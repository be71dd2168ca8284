# Every target of ours gets the same warning set; CI turns them into errors.
function(ticket_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local
                           -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough)
    if(TICKET_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# A static library for one folder of src/: sources listed by the caller,
# headers found by "folder/Header.h" from src/.
function(ticket_add_library target)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS" ${ARGN})
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_LIBS})
    ticket_set_warnings(${target})
endfunction()
