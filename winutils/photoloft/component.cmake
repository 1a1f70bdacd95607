target_link_libraries(kv_photoloft PUBLIC kv_compose kv_imaging kv_common kv_lang kv_frame)

# The frames, layouts and lists installed beside the library.
include(${CMAKE_SOURCE_DIR}/tools/framegen/framegen.cmake)
