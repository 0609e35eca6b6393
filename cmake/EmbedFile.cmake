# Turns a data file into a C++ source that defines one byte array (NUL-terminated) and its
# size, so resource texts stay data in the tree and still ship inside the module. Runs at
# configure time; the data file is a configure dependency, so editing it regenerates.
function(reqpad_embed_file input output symbol)
  file(READ "${input}" content HEX)
  string(LENGTH "${content}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
  file(CONFIGURE OUTPUT "${output}" CONTENT
    "// Generated from ${input}; edit that file instead.\n#include <cstddef>\nextern const char ${symbol}[];\nextern const std::size_t ${symbol}Size;\nconst char ${symbol}[] = {${bytes} 0};\nconst std::size_t ${symbol}Size = ${size};\n"
    @ONLY)
endfunction()

# Embeds several data files into one C++ source as parallel arrays:
# `SYMBOLNames[]` (the files' paths relative to `base`), `SYMBOLData[]`, `SYMBOLSizes[]` and
# `SYMBOLCount`, for a set of files that code walks rather than names one by one.
function(reqpad_embed_files output symbol base)
  set(arrays "")
  set(names "")
  set(data "")
  set(sizes "")
  set(index 0)
  foreach(input ${ARGN})
    file(READ "${input}" content HEX)
    string(LENGTH "${content}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
    file(RELATIVE_PATH name "${base}" "${input}")
    string(APPEND arrays "static const char file${index}[] = {${bytes} 0};\n")
    string(APPEND names "\"${name}\", ")
    string(APPEND data "file${index}, ")
    string(APPEND sizes "${size}, ")
    math(EXPR index "${index} + 1")
  endforeach()
  file(CONFIGURE OUTPUT "${output}" CONTENT
    "// Generated from files under ${base}; edit those instead.\n#include <cstddef>\n${arrays}extern const char* const ${symbol}Names[];\nextern const char* const ${symbol}Data[];\nextern const std::size_t ${symbol}Sizes[];\nextern const std::size_t ${symbol}Count;\nconst char* const ${symbol}Names[] = {${names}};\nconst char* const ${symbol}Data[] = {${data}};\nconst std::size_t ${symbol}Sizes[] = {${sizes}};\nconst std::size_t ${symbol}Count = ${index};\n"
    @ONLY)
endfunction()
