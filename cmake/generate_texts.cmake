# Writes the C++ definitions of the game's texts from the data file they are written in:
#
#   cmake -DTEXTS=data/story.txt -DSOURCES=src -DOUT=BUILD/generated/story.cc \
#         -P cmake/generate_texts.cmake
#
# The names come from the headers that declare them: game/story_texts.h (namespace text: one
# text, or an array of them with its count), world/room_texts.h (kRoomCount) and
# world/room_ids.h (the rooms, in the order the world builds them). Every declared text must be
# in the file exactly once, and nothing else. A fault in the file is reported as FILE:LINE and
# nothing is written, which fails the build. The format is described at the top of the data file.
#
# The file is read as hex, so no byte of it (a semicolon, a backslash, a quote) is ever
# interpreted by CMake. Bytes reach C++ as themselves when they are printable ASCII and as
# escapes otherwise, so the compiled text holds exactly the bytes of the file.
cmake_minimum_required(VERSION 3.25)

foreach(var IN ITEMS TEXTS SOURCES OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "generate_texts.cmake needs -D${var}=...")
  endif()
endforeach()

set(faults "")
# Reports `where: error: ` and the rest of the arguments, joined (they must hold no ';').
macro(fault where)
  string(CONCAT _what ${ARGN})
  string(APPEND faults "${where}: error: ${_what}\n")
endmacro()

# The 1-based line of byte `pos` in `content`.
function(line_at content pos out)
  string(SUBSTRING "${content}" 0 ${pos} before)
  string(REGEX MATCHALL "\n" breaks "${before}")
  list(LENGTH breaks count)
  math(EXPR line "${count} + 1")
  set(${out} ${line} PARENT_SCOPE)
endfunction()

# --- What the headers declare -------------------------------------------------------------

set(story_header ${SOURCES}/game/story_texts.h)
set(room_header ${SOURCES}/world/room_texts.h)
set(room_ids_header ${SOURCES}/world/room_ids.h)
file(READ ${story_header} story_decls)
file(READ ${room_header} room_decls)
file(READ ${room_ids_header} room_id_decls)

# `expected` lists every text key; for each, where_<id> is the declaration it answers to.
set(expected "")
macro(expect key where)
  string(MAKE_C_IDENTIFIER "${key}" _id)
  list(APPEND expected "${key}")
  set(where_${_id} "${where}")
endmacro()

string(REGEX MATCHALL "constexpr std::size_t k[A-Za-z0-9]+ = [0-9]+" counts "${story_decls}")
foreach(decl IN LISTS counts)
  string(REGEX REPLACE "constexpr std::size_t (k[A-Za-z0-9]+) = ([0-9]+)" "\\1" name "${decl}")
  string(REGEX REPLACE "constexpr std::size_t (k[A-Za-z0-9]+) = ([0-9]+)" "\\2" value "${decl}")
  set(count_${name} ${value})
endforeach()

# In the order of the header, which is the order of the generated definitions.
set(story_texts "")
string(REGEX MATCHALL "extern const char(\\* const)? k[A-Za-z0-9]+\\[k?[A-Za-z0-9]*\\]"
       decls "${story_decls}")
foreach(decl IN LISTS decls)
  string(FIND "${story_decls}" "${decl}" pos)
  line_at("${story_decls}" ${pos} line)
  string(REGEX REPLACE ".* (k[A-Za-z0-9]+)\\[.*" "\\1" name "${decl}")
  string(REGEX REPLACE ".*\\[(.*)\\]" "\\1" count_name "${decl}")
  list(APPEND story_texts ${name})
  if(count_name STREQUAL "")
    set(array_${name} "")
    expect("${name}" "${story_header}:${line}")
  elseif(NOT DEFINED count_${count_name})
    fault("${story_header}:${line}" "${count_name} is not a constexpr std::size_t declared here")
  else()
    set(array_${name} ${count_name})
    math(EXPR last "${count_${count_name}} - 1")
    foreach(i RANGE ${last})
      expect("${name}[${i}]" "${story_header}:${line}")
    endforeach()
  endif()
endforeach()

# The fields of RoomTexts after its id, in the order the struct declares them.
set(room_fields name description returnText)
string(REGEX MATCH "constexpr std::size_t kRoomCount = ([0-9]+)" _ "${room_decls}")
set(room_count "${CMAKE_MATCH_1}")
set(rooms "")
string(REGEX MATCHALL "constexpr const char k[A-Za-z0-9]+\\[\\]" decls "${room_id_decls}")
foreach(decl IN LISTS decls)
  string(FIND "${room_id_decls}" "${decl}" pos)
  line_at("${room_id_decls}" ${pos} line)
  string(REGEX REPLACE ".* (k[A-Za-z0-9]+)\\[\\]" "\\1" room "${decl}")
  list(APPEND rooms ${room})
  foreach(field IN LISTS room_fields)
    expect("kRoomTexts[${room}].${field}" "${room_ids_header}:${line}")
  endforeach()
endforeach()
list(LENGTH rooms rooms_named)
if(NOT rooms_named EQUAL room_count)
  fault("${room_ids_header}"
        "names ${rooms_named} rooms, but kRoomCount in ${room_header} is '${room_count}'")
endif()

# --- Byte tables ----------------------------------------------------------------------------

# chr_XX: the character of printable ASCII byte XX (hex), for reading headers.
# emit_XX: the byte as it goes into a C++ string literal. Octal escapes are never longer than
# three digits, so a digit after one cannot be read as part of it.
set(hex_digits 0 1 2 3 4 5 6 7 8 9 a b c d e f)
foreach(n RANGE 255)
  math(EXPR high "${n} / 16")
  math(EXPR low "${n} % 16")
  list(GET hex_digits ${high} h)
  list(GET hex_digits ${low} l)
  if(n GREATER_EQUAL 32 AND n LESS 127)
    string(ASCII ${n} c)
    set(chr_${h}${l} "${c}")
    set(emit_${h}${l} "${c}")
  else()
    set(chr_${h}${l} "?")
    math(EXPR o1 "${n} / 64")
    math(EXPR o2 "${n} / 8 % 8")
    math(EXPR o3 "${n} % 8")
    set(emit_${h}${l} "\\${o1}${o2}${o3}")
  endif()
endforeach()
set(chr_3b "?")  # ';' would split a CMake list
set(chr_5c "?")  # '\'
set(emit_22 "\\\"")
set(emit_5c "\\\\")
set(question_twice "\\077")  # the second '?' of "??", which could start a trigraph

# --- The data file --------------------------------------------------------------------------

file(READ ${TEXTS} hex HEX)
string(REGEX REPLACE "^efbbbf" "" hex "${hex}")  # a byte order mark some editors add
string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
string(REPLACE "0d 0a " "0a " hex "${hex}")  # CRLF line ends
string(REPLACE "0a " ";" lines "${hex}")
# The list holds one entry per line; a final line feed leaves an empty one behind it.

set(current "")  # the key of the text being read, while its | lines last
set(current_id "")
set(line_no 0)
foreach(line IN LISTS lines)
  math(EXPR line_no "${line_no} + 1")
  set(here "${TEXTS}:${line_no}")
  string(SUBSTRING "${line}" 0 2 first)

  if(first STREQUAL "7c")  # | a text line
    if(current STREQUAL "-")
      continue()  # below a header at fault, already reported
    elseif(current STREQUAL "")
      fault("${here}" "a text line (|) outside a text: it needs a header (@ name) above it, "
                      "with no empty line or comment between (an empty line in a text is a lone |)")
      set(current "-")  # the rest of these lines go with this report
      continue()
    endif()
    string(STRIP "${line}" line)
    string(REPLACE " " ";" bytes "${line}")
    list(REMOVE_AT bytes 0)  # the left margin
    list(LENGTH bytes count)
    if(count GREATER 0)
      list(GET bytes -1 last)
      if(last STREQUAL "7c")  # the right margin
        list(REMOVE_AT bytes -1)
      elseif(last STREQUAL "20" OR last STREQUAL "09")
        fault("${here}" "the line ends in white space, which an editor may strip: end it with | "
                        "if the space belongs to the text, or remove it")
      endif()
    endif()
    set(literal "")
    set(previous "")
    set(column 1)
    foreach(byte IN LISTS bytes)
      math(EXPR column "${column} + 1")
      if(byte STREQUAL "09")
        fault("${here}" "a tab in column ${column}: texts are laid out with spaces only")
      elseif(byte MATCHES "^[01]|^7f$")
        fault("${here}" "control character 0x${byte} in column ${column}")
      elseif(byte STREQUAL "3f" AND previous STREQUAL "3f")
        string(APPEND literal "${question_twice}")
      else()
        string(APPEND literal "${emit_${byte}}")
      endif()
      set(previous "${byte}")
    endforeach()
    # Lines are kept joined by a real line feed, which no literal piece contains.
    if(lines_${current_id} EQUAL 0)
      set(text_${current_id} "${literal}")
    else()
      string(APPEND text_${current_id} "\n${literal}")
    endif()
    math(EXPR lines_${current_id} "${lines_${current_id}} + 1")
    continue()
  endif()

  # Any other line ends the text being read.
  if(NOT current MATCHES "^-?$" AND lines_${current_id} EQUAL 0)
    fault("${TEXTS}:${line_${current_id}}" "${current} has no text lines right below its header "
                                           "(an empty text is a lone |)")
  endif()
  set(current "")

  if(line MATCHES "^((20|09) )*$" OR first STREQUAL "23")  # empty, or a # comment
    continue()
  endif()
  if(NOT first STREQUAL "40")
    fault("${here}" "each line is a header (@), a text line (|), a comment (#) or empty")
    set(current "-")
    continue()
  endif()

  # @ a header
  set(header "")
  string(REPLACE " " ";" bytes "${line}")
  foreach(byte IN LISTS bytes)
    string(APPEND header "${chr_${byte}}")
  endforeach()
  string(STRIP "${header}" header)
  # The lines of a header at fault are skipped, so that only the header is reported.
  set(current "-")
  if(NOT header MATCHES "^@ *([^ ]+)$")
    fault("${here}" "'${header}' is not a header of the form '@ name'")
    continue()
  endif()
  set(key "${CMAKE_MATCH_1}")
  string(MAKE_C_IDENTIFIER "${key}" key_id)
  if(NOT key IN_LIST expected)
    fault("${here}" "'${key}' is not a text the game declares: a name from "
                    "game/story_texts.h, NAME[INDEX] for one of its arrays, or "
                    "kRoomTexts[ROOM].name, .description or .returnText for a room of "
                    "world/room_ids.h")
    continue()
  endif()
  if(DEFINED line_${key_id})
    fault("${here}" "${key} is written twice, first on line ${line_${key_id}}")
    continue()
  endif()
  set(current "${key}")
  set(current_id "${key_id}")
  set(line_${key_id} ${line_no})
  set(lines_${key_id} 0)
  set(text_${key_id} "")
endforeach()
if(NOT current MATCHES "^-?$" AND lines_${current_id} EQUAL 0)
  fault("${TEXTS}:${line_${current_id}}" "${current} has no text lines right below its header "
                                         "(an empty text is a lone |)")
endif()

foreach(key IN LISTS expected)
  string(MAKE_C_IDENTIFIER "${key}" key_id)
  if(NOT DEFINED line_${key_id})
    fault("${where_${key_id}}" "${key} is declared here but has no text in ${TEXTS}")
  endif()
endforeach()

if(NOT faults STREQUAL "")
  message(NOTICE "${faults}")
  message(FATAL_ERROR "${TEXTS} has faults (above); no texts were generated")
endif()

# --- The C++ source -------------------------------------------------------------------------

# `out`: the text of `key` as adjacent string literals, one per line of the data file,
# continued on the next line with `indent`.
function(literal key indent out)
  string(MAKE_C_IDENTIFIER "${key}" key_id)
  string(REPLACE "\n" "\\n\"\n${indent}\"" body "${text_${key_id}}")
  set(${out} "\"${body}\"" PARENT_SCOPE)
endfunction()

set(code "// Generated from ${TEXTS} by generate_texts.cmake. Edit the texts there.
#include \"game/story_texts.h\"
#include \"world/room_ids.h\"
#include \"world/room_texts.h\"

namespace text {
")
foreach(name IN LISTS story_texts)
  if(NOT DEFINED array_${name})
    continue()  # its count was at fault, reported above
  elseif(array_${name} STREQUAL "")
    literal("${name}" "    " body)
    string(APPEND code "\nconst char ${name}[] =\n    ${body};\n")
  else()
    string(APPEND code "\nconst char* const ${name}[${array_${name}}] = {\n")
    math(EXPR last "${count_${array_${name}}} - 1")
    foreach(i RANGE ${last})
      literal("${name}[${i}]" "    " body)
      string(APPEND code "    // [${i}]\n    ${body},\n")
    endforeach()
    string(APPEND code "};\n")
  endif()
endforeach()
string(APPEND code "\n}  // namespace text\n")

string(APPEND code "\nconst std::array<RoomTexts, kRoomCount> kRoomTexts = {{\n")
foreach(room IN LISTS rooms)
  string(APPEND code "    {room_id::${room},\n")
  foreach(field IN LISTS room_fields)
    literal("kRoomTexts[${room}].${field}" "     " body)
    string(APPEND code "     // .${field}\n     ${body}")
    if(field STREQUAL "returnText")
      string(APPEND code "},\n")
    else()
      string(APPEND code ",\n")
    endif()
  endforeach()
endforeach()
string(APPEND code "}};\n")

file(WRITE ${OUT} "${code}")
