# Writes the release zip: cmake -DSOURCE=.. -DSTAGE=.. -DOUT=.. -DVERSION=.. -P
# OUT/ovix-VERSION-win64.zip holds one folder ovix-VERSION/ with the staged programs (ovix.exe
# and, where staged, debug.dll and update.dll), the program folder's data/, languages/ and
# help/ from the sources, and release/README.txt. Nothing a run leaves in the staged folder
# (config.conf, logs/) goes in.
set(name ovix-${VERSION})
set(work ${OUT}/release)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/${name})
foreach(program ovix.exe debug.dll update.dll)
  if(EXISTS ${STAGE}/${program})
    file(COPY ${STAGE}/${program} DESTINATION ${work}/${name})
  endif()
endforeach()
foreach(folder data languages help)
  file(COPY ${SOURCE}/${folder} DESTINATION ${work}/${name})
endforeach()
file(COPY ${SOURCE}/release/README.txt DESTINATION ${work}/${name})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT}/${name}-win64.zip --format=zip ${name}
                WORKING_DIRECTORY ${work} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot write ${OUT}/${name}-win64.zip")
endif()
file(REMOVE_RECURSE ${work})
