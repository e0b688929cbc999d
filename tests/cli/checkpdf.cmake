# Runs `plotwright-cli export … -o PDF` and reads the PDF back as a PDF reader does:
# pdfinfo for the pages and their size, pdftotext for the text of the cover page and
# the first list page, pdffonts for embedded fonts.
#   CLI, ARGS ("|"-separated, the PDF path among them), PDF
#   PAGE_SIZE   text pdfinfo gives after "Page size:", e.g. "595 x 842 pts (A4)"
#   COVER       "|"-separated texts page 1 must hold
#   FIRST_LIST  "|"-separated texts page 2 must hold
#   NOT_ON_LIST "|"-separated texts page 2 must not hold
#   MIN_PAGES   the least number of pages
file(REMOVE "${PDF}")
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND "${CLI}" ${arguments} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "export failed (${rc}): ${err}")
endif()

execute_process(COMMAND pdfinfo "${PDF}" RESULT_VARIABLE rc OUTPUT_VARIABLE info)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pdfinfo cannot read ${PDF}")
endif()
string(REGEX MATCH "Pages: +([0-9]+)" _ "${info}")
set(pages ${CMAKE_MATCH_1})
if(pages LESS MIN_PAGES)
  message(FATAL_ERROR "${pages} pages, expected at least ${MIN_PAGES}")
endif()
string(FIND "${info}" "Page size:       ${PAGE_SIZE}" at)
if(at LESS 0)
  message(FATAL_ERROR "page size is not ${PAGE_SIZE}:\n${info}")
endif()

function(page_text page result)
  execute_process(COMMAND pdftotext -f ${page} -l ${page} "${PDF}" - OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pdftotext failed on page ${page}")
  endif()
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

function(expect_texts page texts wanted)
  page_text(${page} text)
  string(REPLACE "|" ";" list "${texts}")
  foreach(expected ${list})
    string(FIND "${text}" "${expected}" at)
    if(wanted AND at LESS 0)
      message(FATAL_ERROR "page ${page} lacks \"${expected}\":\n${text}")
    elseif(NOT wanted AND NOT at LESS 0)
      message(FATAL_ERROR "page ${page} holds \"${expected}\":\n${text}")
    endif()
  endforeach()
endfunction()

expect_texts(1 "${COVER}" TRUE)
math(EXPR list_pages "${pages} - 1")
expect_texts(2 "${FIRST_LIST}|共 ${list_pages} 页，第 1 页" TRUE)
if(NOT_ON_LIST)
  expect_texts(2 "${NOT_ON_LIST}" FALSE)
endif()
page_text(${pages} last)
string(FIND "${last}" "共 ${list_pages} 页，第 ${list_pages} 页" at)
if(at LESS 0)
  message(FATAL_ERROR "the last page is not numbered ${list_pages} of ${list_pages}:\n${last}")
endif()

# Every font embedded, all of them the print font.
execute_process(COMMAND pdffonts "${PDF}" OUTPUT_VARIABLE fonts)
string(REPLACE "\n" ";" lines "${fonts}")
list(SUBLIST lines 2 -1 rows)
foreach(row ${rows})
  if(row STREQUAL "")
    continue()
  endif()
  if(NOT row MATCHES "^[A-Z]*\\+?WenQuanYi" OR NOT row MATCHES " yes +(yes|no) +yes ")
    message(FATAL_ERROR "font not embedded or not the print font: ${row}")
  endif()
endforeach()
