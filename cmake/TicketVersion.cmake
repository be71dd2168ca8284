# ticket_version: link it to read TICKET_VERSION from "TicketVersion.h". Only
# the files that include the header are rebuilt when the version changes.
configure_file(${CMAKE_CURRENT_LIST_DIR}/TicketVersion.h.in ${PROJECT_BINARY_DIR}/generated/TicketVersion.h @ONLY)
add_library(ticket_version INTERFACE)
target_include_directories(ticket_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
