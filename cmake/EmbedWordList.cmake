# Writes OUT, a C++ file holding the words of the diceware word list IN (lines
# "11111<tab>word") as kPassphraseWords. Run with cmake -DIN=... -DOUT=... -P.
file(STRINGS "${IN}" lines)
list(LENGTH lines count)
if(NOT count EQUAL 7776)
  message(FATAL_ERROR "${IN} holds ${count} lines, not the 7,776 words of the EFF large word list")
endif()
set(body "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^[1-6][1-6][1-6][1-6][1-6]\t([a-z-]+)$")
    message(FATAL_ERROR "${IN}: unexpected line '${line}'")
  endif()
  string(APPEND body "    \"${CMAKE_MATCH_1}\",\n")
endforeach()
file(WRITE "${OUT}.new"
  "// Generated from the EFF large word list by cmake/EmbedWordList.cmake.\n"
  "#include \"cli/passwords/PassphraseWords.h\"\n\n"
  "const char* const kPassphraseWords[] = {\n${body}};\n"
  "const unsigned kPassphraseWordCount = sizeof kPassphraseWords / sizeof kPassphraseWords[0];\n")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
