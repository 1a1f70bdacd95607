# Shared set-up of the native fuzzing projects: clang, libFuzzer, address and undefined-behaviour
# sanitizers, and the pure sources of the library. Configure with CC=clang CXX=clang++.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
get_filename_component(KV_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(KV_SANITIZERS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

# kv_fuzzer(name fuzzer.cpp product sources... [INCLUDES dirs...])
function(kv_fuzzer name)
    cmake_parse_arguments(F "" "" "INCLUDES" ${ARGN})
    add_executable(${name} ${F_UNPARSED_ARGUMENTS})
    target_include_directories(${name} PRIVATE ${KV_ROOT}/winutils ${F_INCLUDES})
    target_compile_options(${name} PRIVATE -g -O1 -Wall -Wextra -Werror ${KV_SANITIZERS})
    target_link_options(${name} PRIVATE ${KV_SANITIZERS})
endfunction()
