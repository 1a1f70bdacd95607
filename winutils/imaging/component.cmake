target_link_libraries(kv_imaging PUBLIC kv_frame)
# The image core classes are exported from the library under their own names.
target_compile_definitions(kv_imaging PRIVATE KV_IMAGE_CORE_BUILD)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    # The resampler's results must not depend on x87 excess precision; SSE2 arithmetic gives
    # the same bytes as the 64-bit build. Callers may hand over a 4-byte aligned stack.
    target_compile_options(kv_imaging PRIVATE -msse2 -mfpmath=sse -mstackrealign)
endif()
