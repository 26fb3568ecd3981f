# Writes OUTPUT, a C++ source defining ondavi::form::catalogs::kCatalogs from FOLDER/LANG.mo for
# each of LANGUAGES (separated by commas). Run as cmake -DLANGUAGES=es,fr -DFOLDER=... -DOUTPUT=...
# -P embed.cmake.
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
set(text "// Generated from po/*.po by po/embed.cmake; do not edit.\n#include \"catalogs.h\"\n\n")
string(APPEND text "namespace ondavi::form::catalogs {\nnamespace {\n\n")
set(table "")
foreach(language IN LISTS LANGUAGES)
  file(READ ${FOLDER}/${language}.mo bytes HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
  string(APPEND text "const unsigned char k_${language}[] = {\n${bytes}\n};\n\n")
  string(APPEND table "    {\"${language}\", k_${language}},\n")
endforeach()
string(APPEND text "const Catalog kAll[] = {\n${table}};\n\n}  // namespace\n\n")
string(APPEND text "const std::span<const Catalog> kCatalogs = kAll;\n\n}  // namespace ondavi::form::catalogs\n")
file(WRITE ${OUTPUT}.tmp "${text}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
