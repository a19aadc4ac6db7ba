# Builds the sentence catalogs into the library: writes OUTPUT, a .cpp that
# holds the text of every CATALOG_DIR/CODE.tsv, so the program reads no file
# at run time. Fails the build when a translation loses or adds a
# placeholder (%1 .. %9) of its English: such a sentence would print a wrong
# value or none. Run as: cmake -DCATALOG_DIR=... -DOUTPUT=... -P this file.

# The placeholders of `text`, sorted, into `result`.
function(placeholders_of text result)
  string(REGEX MATCHALL "%[1-9]" found "${text}")
  list(SORT found)
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

function(check_placeholders file)
  file(READ ${file} text)
  # One list item per line: the list's own separators and brackets out first.
  string(REGEX REPLACE "[][;]" "_" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  foreach(line IN LISTS lines)
    if(line MATCHES "^#" OR NOT line MATCHES "\t")
      continue()
    endif()
    string(FIND "${line}" "\t" tab)
    string(SUBSTRING "${line}" 0 ${tab} english)
    math(EXPR rest "${tab} + 1")
    string(SUBSTRING "${line}" ${rest} -1 translation)
    placeholders_of("${english}" wanted)
    placeholders_of("${translation}" given)
    if(NOT wanted STREQUAL given)
      message(FATAL_ERROR "${file}: the placeholders of \"${english}\" (${wanted}) "
        "are not those of its translation (${given})")
    endif()
  endforeach()
endfunction()

file(GLOB catalogs ${CATALOG_DIR}/*.tsv)
list(SORT catalogs)
set(delimiter "catalog")
set(rows "")
set(texts "")
foreach(file IN LISTS catalogs)
  check_placeholders(${file})
  get_filename_component(code ${file} NAME_WE)
  file(READ ${file} text)
  string(FIND "${text}" ")${delimiter}\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${file} holds \")${delimiter}\"\", which ends the embedded text")
  endif()
  # Each text is an array and its view is built with the array's size: a view
  # of a bare literal counts its characters in a constant expression, which
  # clang stops after a million steps, less than a catalog holds.
  string(APPEND texts "constexpr char kText_${code}[] = R\"${delimiter}(${text})${delimiter}\";\n")
  string(APPEND rows "    {\"${code}\", {kText_${code}, sizeof(kText_${code}) - 1}},\n")
endforeach()

set(source "// Generated from language/catalog/*.tsv by language/embed_catalogs.cmake.
#include <array>
#include <string_view>
#include <utility>

#include \"language/catalog_files.h\"

namespace horavela {
namespace {

${texts}
constexpr std::pair<std::string_view, std::string_view> kFiles[] = {
${rows}};

}  // namespace

std::string_view CatalogFileText(std::string_view code) {
  for (const auto& [name, text] : kFiles) {
    if (name == code) return text;
  }
  return {};
}

}  // namespace horavela
")
# Replaced only when changed, so an unchanged catalog rebuilds nothing.
file(WRITE ${OUTPUT}.new "${source}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
