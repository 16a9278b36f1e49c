# Turns the string table text (strings.txt) into a STRINGTABLE resource script.
#   cmake -DIN=strings.txt -DOUT=strings.rc -P make-string-table.cmake
# Each entry line is: id, a space, the text in double quotes with C-style escapes. The resource
# compiler reads the same escapes except \", which it writes as "".

file(READ "${IN}" text)
# Keep list separators and brackets out of the way of CMake's list handling.
string(REPLACE ";" "@SEMICOLON@" text "${text}")
string(REPLACE "[" "@OPEN@" text "${text}")
string(REPLACE "]" "@CLOSE@" text "${text}")
string(REPLACE "\r" "" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

set(out "// Generated from strings.txt by make-string-table.cmake; edit strings.txt instead.\n")
string(APPEND out "#pragma code_page(1252)\nSTRINGTABLE\nBEGIN\n")
foreach(line IN LISTS lines)
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+) \"(.*)\"$")
    message(FATAL_ERROR "${IN}: not an entry: ${line}")
  endif()
  set(id "${CMAKE_MATCH_1}")
  set(body "${CMAKE_MATCH_2}")
  string(REPLACE "\\\"" "\"\"" body "${body}")
  string(REPLACE "@SEMICOLON@" ";" body "${body}")
  string(REPLACE "@OPEN@" "[" body "${body}")
  string(REPLACE "@CLOSE@" "]" body "${body}")
  string(APPEND out "  ${id}, \"${body}\"\n")
endforeach()
string(APPEND out "END\n")
file(WRITE "${OUT}.tmp" "${out}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
