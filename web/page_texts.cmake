# The page's own sentences in English and in every language with a catalog, for assemble.cmake:
# page_texts(ENGLISH LANGUAGES PO_DIR MSGATTRIB RESULT) sets RESULT to the JSON object
# {"en":{"notStarted":"...",...},"fr":{...},...}, in the order of LANGUAGES (a list). ENGLISH is
# the JSON object of the English sentences by key; each translation comes from PO_DIR/LANG.po as
# msgfmt would take it (a fuzzy or empty one stays English).

# A text as a catalog writes it between quotes.
function(po_quoted text result)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# The translation of `english` in `catalog` (a catalog's text without fuzzy entries or wrapped
# lines), still escaped as the catalog writes it, which is as JSON writes it; empty if none.
function(translation_in catalog english result)
  set(${result} "" PARENT_SCOPE)
  po_quoted("${english}" msgid)
  set(entry "\nmsgid \"${msgid}\"\nmsgstr ")
  string(FIND "${catalog}" "${entry}" at)
  if(at EQUAL -1)
    return()
  endif()
  string(LENGTH "${entry}" length)
  math(EXPR at "${at} + ${length}")
  string(SUBSTRING "${catalog}" ${at} -1 rest)
  # The quoted lines of the msgstr, which a line end in the text splits, joined into one.
  string(REGEX MATCH "^(\"[^\n]*\"\n)+" lines "${rest}")
  string(REPLACE "\"\n\"" "" lines "${lines}")
  string(REGEX REPLACE "^\"(.*)\"\n$" "\\1" translation "${lines}")
  set(${result} "${translation}" PARENT_SCOPE)
endfunction()

function(page_texts english languages po_dir msgattrib result)
  string(JSON count LENGTH "${english}")
  math(EXPR last "${count} - 1")
  set(table "\"en\":${english}")
  foreach(language IN LISTS languages)
    execute_process(COMMAND ${msgattrib} --no-fuzzy --no-wrap ${po_dir}/${language}.po
                    OUTPUT_VARIABLE catalog COMMAND_ERROR_IS_FATAL ANY)
    set(texts "")
    foreach(index RANGE ${last})
      string(JSON key MEMBER "${english}" ${index})
      string(JSON text GET "${english}" ${key})
      translation_in("${catalog}" "${text}" translated)
      if(translated STREQUAL "")
        po_quoted("${text}" translated)
      endif()
      if(NOT texts STREQUAL "")
        string(APPEND texts ",")
      endif()
      string(APPEND texts "\"${key}\":\"${translated}\"")
    endforeach()
    string(APPEND table ",\"${language}\":{${texts}}")
  endforeach()
  string(JSON valid ERROR_VARIABLE error LENGTH "{${table}}")
  if(error)
    message(FATAL_ERROR "The page's own sentences are no JSON: ${error}")
  endif()
  set(${result} "{${table}}" PARENT_SCOPE)
endfunction()
