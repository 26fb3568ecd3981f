cmake_minimum_required(VERSION 3.25)
# Inlines the style, the renderer, the icon and the WebAssembly module (itself one JavaScript file
# with the binary embedded) into the page, so that ondavi.html works opened straight from disk.
# The page's own sentences: TEXTS, run under NODE, prints the English ones, and each language of
# LANGUAGES (separated by commas) has its catalog in PO_DIR, read with MSGATTRIB. The English ones
# stand in the page, all of them in its first script, and each language's in the text for
# browsers without JavaScript, where no script can choose one.
# cmake -DSOURCE_DIR=... -DMODULE=ondavi_module.js -DTEXTS=ondavi_page_texts.js -DNODE=node
#       -DLANGUAGES=fr,de -DPO_DIR=po -DMSGATTRIB=msgattrib -DICON=icon.png -DOUTPUT=ondavi.html
#       -P assemble.cmake
include(${CMAKE_CURRENT_LIST_DIR}/page_texts.cmake)
file(READ ${SOURCE_DIR}/page.html page)
file(READ ${SOURCE_DIR}/page.css style)
file(READ ${SOURCE_DIR}/page.js renderer)
file(READ ${SOURCE_DIR}/page_texts.js texts)
file(READ ${MODULE} module)
execute_process(COMMAND ${NODE} ${TEXTS} OUTPUT_VARIABLE english COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
page_texts("${english}" "${LANGUAGES}" ${PO_DIR} ${MSGATTRIB} table)
string(REPLACE "/*@TABLE@*/" "${table}" texts "${texts}")

# Text inside <script> or <style> ends at "</script" or "</style" in any case, and "<!--" there
# can hide the end of the script; none of the inlined parts may hold them.
foreach(part style renderer texts module)
  string(TOLOWER "${${part}}" lowered)
  foreach(forbidden "</script" "</style" "<!--")
    string(FIND "${lowered}" "${forbidden}" found)
    if(NOT found EQUAL -1)
      message(FATAL_ERROR "${part} holds \"${forbidden}\" and cannot be inlined")
    endif()
  endforeach()
endforeach()

# The icon as a data: URL, base64-encoded from its bytes.
function(base64_of file result)
  file(READ ${file} hex HEX)
  set(alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
  string(LENGTH "${hex}" hex_length)
  set(encoded "")
  set(position 0)
  while(position LESS hex_length)
    string(SUBSTRING "${hex}" ${position} 6 chunk)  # up to three bytes
    string(LENGTH "${chunk}" chunk_length)
    math(EXPR bytes "${chunk_length} / 2")
    if(bytes LESS 3)
      string(APPEND chunk "0000")
      string(SUBSTRING "${chunk}" 0 6 chunk)
    endif()
    math(EXPR value "0x${chunk}")
    foreach(shift 18 12 6 0)
      math(EXPR index "(${value} >> ${shift}) & 63")
      string(SUBSTRING "${alphabet}" ${index} 1 letter)
      string(APPEND encoded "${letter}")
    endforeach()
    if(bytes EQUAL 1)
      string(REGEX REPLACE "..$" "==" encoded "${encoded}")
    elseif(bytes EQUAL 2)
      string(REGEX REPLACE ".$" "=" encoded "${encoded}")
    endif()
    math(EXPR position "${position} + 6")
  endwhile()
  set(${result} "${encoded}" PARENT_SCOPE)
endfunction()
base64_of(${ICON} icon)

# A sentence as HTML text or attribute value.
function(html_of text result)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()
foreach(key description notStarted)
  string(JSON english GET "${table}" en ${key})
  html_of("${english}" english_${key})
endforeach()
set(no_script "")
foreach(language en ${LANGUAGES})
  string(JSON sentence GET "${table}" ${language} noScript)
  html_of("${sentence}" sentence)
  string(REPLACE "_" "-" tag "${language}")
  string(APPEND no_script "<p lang=\"${tag}\">${sentence}</p>")
endforeach()

string(REPLACE "@DESCRIPTION@" "${english_description}" page "${page}")
string(REPLACE "@NOT_STARTED@" "${english_notStarted}" page "${page}")
string(REPLACE "@NO_SCRIPT@" "${no_script}" page "${page}")
string(REPLACE "/*@TEXTS@*/" "${texts}" page "${page}")
string(REPLACE "/*@STYLE@*/" "${style}" page "${page}")
string(REPLACE "@ICON@" "data:image/png;base64,${icon}" page "${page}")
string(REPLACE "/*@MODULE@*/" "${module}" page "${page}")
string(REPLACE "/*@RENDERER@*/" "${renderer}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
