# The alarm's sounds "azan1.wav", "start.wav" and "end.wav", soft chimes
# synthesised by make_chimes (tools/). They belong in the alarm's program
# folder, so they are written to a folder of their own, ${SHIPPED_DATA_DIR}/vidur.
set(SHIPPED_SOUNDS_DIR ${SHIPPED_DATA_DIR}/vidur)
set(shipped_sounds
    ${SHIPPED_SOUNDS_DIR}/azan1.wav ${SHIPPED_SOUNDS_DIR}/start.wav ${SHIPPED_SOUNDS_DIR}/end.wav)
add_custom_command(
    OUTPUT ${shipped_sounds}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SHIPPED_SOUNDS_DIR}
    COMMAND make_chimes ${SHIPPED_SOUNDS_DIR}
    DEPENDS make_chimes
    COMMENT "Writing the alarm's sounds"
    VERBATIM)
add_custom_target(shipped_sounds DEPENDS ${shipped_sounds})
add_dependencies(shipped_data shipped_sounds)
