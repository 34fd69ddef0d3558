# The start-up message "msg.dat", shipped as it is (plain text, CR LF lines).
add_custom_command(
    OUTPUT ${SHIPPED_DATA_DIR}/msg.dat
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/msg.dat ${SHIPPED_DATA_DIR}/msg.dat
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/msg.dat
    COMMENT "Shipping msg.dat"
    VERBATIM)
add_custom_target(shipped_messages DEPENDS ${SHIPPED_DATA_DIR}/msg.dat)
add_dependencies(shipped_data shipped_messages)
