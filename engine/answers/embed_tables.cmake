# Writes OUTPUT, a C++ source holding the bytes of the files FILES (in TableId order) as
# kShippedTableFiles. Run as: cmake -DOUTPUT=... -DFILES="a;b;..." -P embed_tables.cmake
set(arrays "")
set(views "")
set(index 0)
foreach(file IN LISTS FILES)
    file(READ "${file}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    string(APPEND arrays "const char kFile${index}[] = {${bytes}};\n")
    string(APPEND views "    std::string_view(kFile${index}, sizeof kFile${index}),\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Made by embed_tables.cmake from the shipped table files; do not edit.
#include \"core/table_id.h\"

#include <array>
#include <string_view>

namespace {
${arrays}} // namespace

extern const std::array<std::string_view, kTableCount> kShippedTableFiles;
const std::array<std::string_view, kTableCount> kShippedTableFiles = {
${views}};
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
