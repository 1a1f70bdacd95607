# The frame generator (a Windows program run under Wine while building) and the frame data it
# writes into the runtime folder, with the layouts and lists kept as source files.
set(KV_FRAMEGEN_DIR ${CMAKE_SOURCE_DIR}/tools/framegen)
add_executable(framegen ${KV_FRAMEGEN_DIR}/framegen.cpp ${KV_FRAMEGEN_DIR}/canvas.cpp
    ${KV_FRAMEGEN_DIR}/frames_precut.cpp ${KV_FRAMEGEN_DIR}/frames_textures.cpp)
target_link_libraries(framegen PRIVATE gdiplus ole32)
target_link_options(framegen PRIVATE -municode -mconsole)
kv_strict(framegen)

set(kv_frame_dir ${KV_RUNTIME_DIR}/photoframes)
set(kv_frame_files
    "${kv_frame_dir}/Classic Gold.png" "${kv_frame_dir}/Classic Gold.xml"
    "${kv_frame_dir}/Walnut Duo.png" "${kv_frame_dir}/Walnut Duo.xml"
    "${kv_frame_dir}/Film Strip.png" "${kv_frame_dir}/Film Strip.xml"
    "${kv_frame_dir}/Vignette Oval.jpg" "${kv_frame_dir}/Vignette Oval_alpha.jpg"
    "${kv_frame_dir}/Vignette Oval.xml"
    "${kv_frame_dir}/Oak Board.jpg" "${kv_frame_dir}/Oak Board.xml"
    "${kv_frame_dir}/Linen.jpg" "${kv_frame_dir}/Slate.jpg" "${kv_frame_dir}/Kraft Paper.jpg")
add_custom_command(OUTPUT ${kv_frame_files}
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:framegen> ${kv_frame_dir}
    DEPENDS framegen
    COMMENT "Painting the photo frames"
    VERBATIM)
set(kv_frame_data
    ${KV_RUNTIME_DIR}/data/genericphotomasks.xml ${KV_RUNTIME_DIR}/data/RotatablePhotoFrames.txt)
add_custom_command(OUTPUT ${kv_frame_data}
    COMMAND ${CMAKE_COMMAND} -E copy ${KV_FRAMEGEN_DIR}/data/genericphotomasks.xml
        ${KV_FRAMEGEN_DIR}/data/RotatablePhotoFrames.txt ${KV_RUNTIME_DIR}/data/
    DEPENDS ${KV_FRAMEGEN_DIR}/data/genericphotomasks.xml
        ${KV_FRAMEGEN_DIR}/data/RotatablePhotoFrames.txt
    VERBATIM)
# Part of every full build; the library itself does not wait for it (the i686 tree builds only
# the library and never runs the generator).
add_custom_target(kv_frame_data ALL DEPENDS ${kv_frame_files} ${kv_frame_data})
