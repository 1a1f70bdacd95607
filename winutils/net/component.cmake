target_link_libraries(kv_net PUBLIC kv_common kv_lang kv_frame)
