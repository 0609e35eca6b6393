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
