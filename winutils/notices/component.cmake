target_link_libraries(kv_notices PUBLIC kv_lang kv_common kv_frame)
# The wait message of the common utilities shows the wait window kept here.
target_link_libraries(kv_common PUBLIC kv_notices)
