# Fails where a C++ source is not laid out as .clang-format says (Debian's clang-format 14), naming
# the files: cmake -DCLANG_FORMAT=... -DSOURCE_DIR=... -P check_format.cmake
# `git ls-files '*.cpp' '*.h' | xargs clang-format -i` lays them out.
if(NOT CLANG_FORMAT)
    message(FATAL_ERROR "clang-format is missing (Debian clang-format; scripts/setup.sh installs it)")
endif()
set(sources)
foreach(folder IN ITEMS engine cli ui python tests web/wasm)
    file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
    list(APPEND sources ${found})
endforeach()
list(FILTER sources EXCLUDE REGEX "/node_modules/")
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run -Werror ${sources} RESULT_VARIABLE status
                ERROR_VARIABLE findings)
if(NOT status EQUAL 0)
    string(REGEX MATCHALL "[^\n]*: error: [^\n]*" lines "${findings}")
    list(LENGTH lines count)
    string(REPLACE ";" "\n" listed "${lines}")
    message(FATAL_ERROR "${count} places are not formatted as .clang-format says:\n${listed}")
endif()
list(LENGTH sources count)
message(STATUS "all ${count} C++ sources are formatted")
