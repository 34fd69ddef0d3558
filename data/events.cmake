# The shipped event files "events.dat" and "gevents.dat", written from their
# readable lists by make_event_files (tools/), which packs them with the
# diary's own record code and reads its lists as the location tool does.
add_custom_command(
    OUTPUT ${SHIPPED_DATA_DIR}/events.dat
    COMMAND make_event_files hijri ${CMAKE_CURRENT_SOURCE_DIR}/hijri-events.csv
            ${SHIPPED_DATA_DIR}/events.dat
    DEPENDS make_event_files ${CMAKE_CURRENT_SOURCE_DIR}/hijri-events.csv
    COMMENT "Writing events.dat"
    VERBATIM)
add_custom_command(
    OUTPUT ${SHIPPED_DATA_DIR}/gevents.dat
    COMMAND make_event_files gregorian ${CMAKE_CURRENT_SOURCE_DIR}/gregorian-events.csv
            ${SHIPPED_DATA_DIR}/gevents.dat
    DEPENDS make_event_files ${CMAKE_CURRENT_SOURCE_DIR}/gregorian-events.csv
    COMMENT "Writing gevents.dat"
    VERBATIM)
add_custom_target(event_files
    DEPENDS ${SHIPPED_DATA_DIR}/events.dat ${SHIPPED_DATA_DIR}/gevents.dat)
add_dependencies(shipped_data event_files)
