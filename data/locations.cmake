# kestrun32.dat, the location file the programs ship with, written from
# places.csv by make_location_file (tools/), built on the location file's
# own record code.
add_custom_command(
    OUTPUT ${SHIPPED_DATA_DIR}/kestrun32.dat
    COMMAND make_location_file ${CMAKE_CURRENT_SOURCE_DIR}/places.csv
            ${SHIPPED_DATA_DIR}/kestrun32.dat
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/places.csv make_location_file
    COMMENT "Writing the location file kestrun32.dat"
    VERBATIM
)
add_custom_target(location_file ALL DEPENDS ${SHIPPED_DATA_DIR}/kestrun32.dat)
add_dependencies(shipped_data location_file)
