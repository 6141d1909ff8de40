# Runs lupdate over the sources into a scratch copy of a .ts file and fails if a text of the
# sources has no finished translation there.
#   cmake -DLUPDATE=<lupdate> -DTS=<file.ts> -DSOURCES_FILE=<list> -DSCRATCH=<dir> -P this
file(MAKE_DIRECTORY "${SCRATCH}")
get_filename_component(name "${TS}" NAME)
set(copy "${SCRATCH}/${name}")
file(COPY_FILE "${TS}" "${copy}")
file(STRINGS "${SOURCES_FILE}" sources)
execute_process(COMMAND "${LUPDATE}" -silent -locations none -no-obsolete -tr-function-alias tr+=Tr
                        ${sources} -ts "${copy}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result})")
endif()
file(READ "${copy}" ts)
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"unfinished\""
       missing "${ts}")
list(LENGTH missing count)
if(count GREATER 0)
    foreach(entry ${missing})
        string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" text "${entry}")
        message("untranslated: ${text}")
    endforeach()
    message(FATAL_ERROR "${count} texts lack a translation in ${name}; "
                        "build update_translations and translate them")
endif()
message(STATUS "${name}: every text is translated")
