# Sanitized builds. QUILLFOLD_SANITIZE instruments every target with
# AddressSanitizer and UndefinedBehaviorSanitizer, so the tests stop at the
# first bad memory access or undefined operation. QUILLFOLD_FUZZ does the
# same with clang and adds libFuzzer's coverage hooks for the targets in
# fuzz/.

if(QUILLFOLD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUILLFOLD_FUZZ needs clang (configure with the preset fuzz)")
    endif()
    set(QUILLFOLD_SANITIZE ON)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(QUILLFOLD_SANITIZE)
    # No recovery: an undefined operation ends the program like a memory
    # error, so neither a test run nor a fuzzer can pass over it.
    set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=all)
    add_compile_options(${sanitizer_flags} -fno-omit-frame-pointer)
    add_link_options(${sanitizer_flags})
endif()
