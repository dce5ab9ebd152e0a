# Instrumentation for the sanitizer build (VANTOREL_SANITIZE) and the fuzzing
# build (VANTOREL_BUILD_FUZZ). Applies to every target defined after this file
# is included, so the libraries, the programs and the tests alike.

set(VANTOREL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

if(VANTOREL_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VANTOREL_BUILD_FUZZ needs clang (libFuzzer); configure with the preset \"fuzz\" "
                        "or -DCMAKE_CXX_COMPILER=clang++.")
  endif()
  # Coverage instrumentation for the libraries; the fuzz targets add the
  # libFuzzer driver (-fsanitize=fuzzer) when they link.
  add_compile_options(${VANTOREL_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link
                      -fsanitize-coverage-ignorelist=${CMAKE_CURRENT_SOURCE_DIR}/fuzz/coverage-ignore.txt)
  add_link_options(-fsanitize=address,undefined)
elseif(VANTOREL_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "VANTOREL_SANITIZE needs GCC or clang.")
  endif()
  add_compile_options(${VANTOREL_SANITIZER_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()
