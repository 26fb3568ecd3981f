cmake_minimum_required(VERSION 3.25)
# Inlines the style, the renderer and the WebAssembly module (itself one JavaScript file with the
# binary embedded) into the page, so that ondavi.html works opened straight from disk.
# cmake -DSOURCE_DIR=... -DMODULE=ondavi_module.js -DOUTPUT=ondavi.html -P assemble.cmake
file(READ ${SOURCE_DIR}/page.html page)
file(READ ${SOURCE_DIR}/page.css style)
file(READ ${SOURCE_DIR}/page.js renderer)
file(READ ${MODULE} module)
# A script's text may not hold "</script"; the module's base64 and code do not, but make sure.
foreach(part style renderer module)
  string(FIND "${${part}}" "</script" found)
  string(FIND "${${part}}" "</style" found_style)
  if(NOT found EQUAL -1 OR NOT found_style EQUAL -1)
    message(FATAL_ERROR "${part} holds a closing tag and cannot be inlined")
  endif()
endforeach()
string(REPLACE "/*@STYLE@*/" "${style}" page "${page}")
string(REPLACE "/*@MODULE@*/" "${module}" page "${page}")
string(REPLACE "/*@RENDERER@*/" "${renderer}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
