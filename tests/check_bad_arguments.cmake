# Runs the Linux program with bad command lines, with no display: each must end with status
# 2 and one line naming the argument, and leave no config.bin behind.
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER}/card)
file(WRITE ${FOLDER}/notes.txt "not a card")
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
foreach(bad "missing" "notes.txt" "card;card" "--bogus")
  execute_process(COMMAND ${VESKO} ${bad} WORKING_DIRECTORY ${FOLDER}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  list(GET bad -1 named)
  if(NOT status EQUAL 2 OR NOT err MATCHES "^vesko: [^\n]*${named}[^\n]*\n$" OR out)
    message(FATAL_ERROR "vesko ${bad}: status ${status}, said '${err}${out}'")
  endif()
endforeach()
file(GLOB_RECURSE written ${FOLDER}/*config.bin)
if(written)
  message(FATAL_ERROR "a refused start wrote ${written}")
endif()
execute_process(COMMAND ${VESKO} --version RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "^vesko [0-9]+\\.[0-9]+\\.[0-9]+\n$")
  message(FATAL_ERROR "vesko --version: status ${status}, said '${out}'")
endif()

# Its messages follow the desktop's language where there is a catalog for it; else English.
set(ENV{LC_ALL} "")
set(ENV{LC_MESSAGES} "")
foreach(case "de_DE.UTF-8|-|vesko: unbekannte Option: --bogus (siehe vesko --help)"
             "C.UTF-8|de|vesko: unbekannte Option: --bogus (siehe vesko --help)"
             "nl_NL.UTF-8|-|vesko: unknown option: --bogus (see vesko --help)"
             "C|-|vesko: unknown option: --bogus (see vesko --help)")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 lang)
  list(GET case 1 language)
  list(GET case 2 expected)
  set(ENV{LANG} "${lang}")
  string(REPLACE "-" "" language "${language}")  # -: none
  set(ENV{LANGUAGE} "${language}")
  execute_process(COMMAND ${VESKO} --bogus ERROR_VARIABLE err)
  if(NOT err STREQUAL "${expected}\n")
    message(FATAL_ERROR "LANG=${lang} LANGUAGE=${language} vesko --bogus said '${err}'")
  endif()
endforeach()
