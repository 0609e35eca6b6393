# Compiler settings for the project's own targets. Third-party headers come in as
# system includes, so warnings-as-errors applies to our code only.
function(reqpad_component target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
                         -Wno-error=deprecated-declarations)
  # GCC 12 at -O3 reports impossible overlaps inside std::basic_string concatenation
  # (GCC bug 105329); the warning stays visible but does not fail the build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-error=restrict)
  endif()
  if(REQPAD_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(REQPAD_FUZZ) # coverage for libFuzzer in every component the entry points reach
    # clang warns where GCC does not; the fuzz build must not stop at that
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link -Wno-error)
  endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/EmbedFile.cmake)

# Embeds a data file into `target` as `extern const char SYMBOL[]; extern const size_t SYMBOLSize;`.
function(reqpad_embed target input symbol)
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/${input})
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
  reqpad_embed_file(${source} ${output} ${symbol})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  target_sources(${target} PRIVATE ${output})
endfunction()

# Embeds every file of `directory` (relative to the current source folder, searched
# recursively) whose name ends in `extension` into `target` (see reqpad_embed_files).
# Adding or removing a file re-runs the configuration.
function(reqpad_embed_directory target directory extension symbol)
  file(GLOB_RECURSE inputs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${directory}/*.${extension})
  list(SORT inputs)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
  reqpad_embed_files(${output} ${symbol} ${CMAKE_CURRENT_SOURCE_DIR}/${directory} ${inputs})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${inputs})
  target_sources(${target} PRIVATE ${output})
endfunction()
