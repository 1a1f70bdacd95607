target_link_libraries(kv_lang PUBLIC kv_common kv_frame)

# The language files shipped beside the library, generated from the one table of texts.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(KV_LANG_TEXTS ${CMAKE_CURRENT_LIST_DIR}/texts/texts.tsv)
set(KV_LANG_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/texts/make_language_files.py)
# The table's header names the languages; a new column needs a new configure run.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KV_LANG_TEXTS})
file(STRINGS ${KV_LANG_TEXTS} kv_lang_header REGEX "^id\t" LIMIT_COUNT 1 ENCODING UTF-8)
string(REPLACE "\t" ";" kv_lang_columns "${kv_lang_header}")
list(REMOVE_AT kv_lang_columns 0)
list(REMOVE_ITEM kv_lang_columns comment)
set(kv_lang_files ${KV_RUNTIME_DIR}/language/comment.ini)
foreach(language ${kv_lang_columns})
    list(APPEND kv_lang_files "${KV_RUNTIME_DIR}/language/${language}.ini")
endforeach()
add_custom_command(OUTPUT ${kv_lang_files}
    COMMAND ${Python3_EXECUTABLE} ${KV_LANG_SCRIPT} ${KV_LANG_TEXTS} ${KV_RUNTIME_DIR}/language
    # Unchanged files are not rewritten; touch them so the outputs are newer than the table.
    COMMAND ${CMAKE_COMMAND} -E touch ${kv_lang_files}
    DEPENDS ${KV_LANG_TEXTS} ${KV_LANG_SCRIPT}
    COMMENT "Writing the language files"
    VERBATIM)
add_custom_target(kv_language_files ALL DEPENDS ${kv_lang_files})
add_dependencies(kv_lang kv_language_files)
