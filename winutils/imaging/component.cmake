target_link_libraries(kv_imaging PUBLIC kv_frame)
# The image core classes are exported from the library under their own names.
target_compile_definitions(kv_imaging PRIVATE KV_IMAGE_CORE_BUILD)
