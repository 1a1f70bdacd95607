target_link_libraries(kv_common PUBLIC kv_frame kv_lang)
