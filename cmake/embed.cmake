# Turns the bytes of a file into a C++ source file that defines
#   extern const unsigned char NAME[];  extern const std::size_t NAME_size;
# Usage: cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DNAME=<identifier> -P embed.cmake

foreach(var INPUT OUTPUT NAME)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "embed.cmake needs -D${var}=...")
  endif()
endforeach()
if(NOT NAME MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
  message(FATAL_ERROR "embed.cmake: '${NAME}' is not a C++ identifier")
endif()

file(SIZE "${INPUT}" size)
file(READ "${INPUT}" hex HEX)

# 32 bytes per line, each byte written as 0xNN.
string(REPEAT "[0-9a-f]" 64 line_pattern)
string(REGEX REPLACE "(${line_pattern})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
if(size EQUAL 0)
  set(bytes "0")
endif()

get_filename_component(source_name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${source_name} by cmake/embed.cmake; do not edit.\n"
  "#include <cstddef>\n\n"
  "extern const unsigned char ${NAME}[];\n"
  "extern const std::size_t ${NAME}_size;\n\n"
  "const unsigned char ${NAME}[] = {\n${bytes}\n};\n"
  "const std::size_t ${NAME}_size = ${size};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
