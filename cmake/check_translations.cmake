# Fails while the catalogue lacks the English of a text: lupdate reads the sources into a copy of
# the catalogue, which then must hold no unfinished and no empty translation.
# cmake -DLUPDATE=... -DTS_FILE=... -DSOURCE_DIR=... -DWORK_DIR=... -P check_translations.cmake
file(MAKE_DIRECTORY "${WORK_DIR}")
get_filename_component(name "${TS_FILE}" NAME)
set(copy "${WORK_DIR}/${name}")
file(COPY_FILE "${TS_FILE}" "${copy}")
file(GLOB_RECURSE sources "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h")
execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${sources} -ts "${copy}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status})")
endif()
file(READ "${copy}" catalogue)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"[^<]*</translation>" unfinished
       "${catalogue}")
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation></translation>" empty "${catalogue}")
list(LENGTH unfinished unfinished_count)
list(LENGTH empty empty_count)
if(unfinished_count OR empty_count)
    string(REPLACE ";" "\n" listed "${unfinished};${empty}")
    message(FATAL_ERROR "${unfinished_count} texts lack their English, ${empty_count} are empty:\n${listed}")
endif()
message(STATUS "every text has its English")
