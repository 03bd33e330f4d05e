# SPDX-License-Identifier: GPL-3.0-or-later
# The user manual built beside the program: a real document of at least 20
# pages, whose chapter of the description keys holds every key the program
# itself lists (`talve --batch --keys`), so that a key added to the settings
# table cannot be missing from it.
#   cmake -DMANUAL=Korrin_manuel.pdf -DPROGRAM=talve -P check_manual.cmake
execute_process(COMMAND pdfinfo "${MANUAL}" OUTPUT_VARIABLE info RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "pdfinfo ne lit pas ${MANUAL}")
endif()
string(REGEX MATCH "Pages:[ ]+([0-9]+)" found "${info}")
set(pages "${CMAKE_MATCH_1}")
if(NOT found OR pages LESS 20)
  message(FATAL_ERROR "le manuel a ${pages} pages, il en faut au moins 20")
endif()

execute_process(COMMAND pdftotext "${MANUAL}" - OUTPUT_VARIABLE text RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "pdftotext ne lit pas ${MANUAL}")
endif()
# The keys chapter alone: from its title (the last time it is written, the
# summary naming it first) to the next chapter's.
string(FIND "${text}" "5. Toutes les cl" start REVERSE)
string(FIND "${text}" "6. Les dates et les heures" end REVERSE)
if(start EQUAL -1 OR end LESS_EQUAL start)
  message(FATAL_ERROR "chapitre des clés introuvable dans le manuel")
endif()
# A page ends with a form feed: the key that opens the next one follows it.
string(ASCII 12 form_feed)
string(REPLACE "${form_feed}" "\n" text "${text}")
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${text}" ${start} ${length} chapter)

execute_process(COMMAND "${PROGRAM}" --batch --keys OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "talve --batch --keys a échoué")
endif()
string(REGEX MATCHALL "\n[A-Za-z][A-Za-z0-9_.]* : " lines "${listing}")
list(LENGTH lines count)
if(count LESS 60)
  message(FATAL_ERROR "talve --batch --keys ne donne que ${count} clés")
endif()
set(missing "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^\n([^ ]+) : $" "\\1" key "${line}")
  # Each key is written alone on its line in the chapter.
  string(FIND "${chapter}" "\n${key}\n" at)
  if(at EQUAL -1)
    list(APPEND missing "${key}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "clés absentes du manuel : ${missing}")
endif()
message(STATUS "manuel : ${pages} pages, ${count} clés")
