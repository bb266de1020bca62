# Unpacks the release zip into a fresh folder and runs the release test driver on it under
# Wine: cmake -DZIP=.. -DFOLDER=.. -DDRIVER=.. -DRUNNER=.. -DWINE_ROOT=.. -P
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${FOLDER} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot unpack ${ZIP}")
endif()
set(ENV{OVIX_RELEASE_FOLDER} ${FOLDER})
execute_process(COMMAND ${RUNNER} --root ${WINE_ROOT} ${DRIVER} RESULT_VARIABLE failed)
file(REMOVE_RECURSE ${FOLDER})
if(failed)
  message(FATAL_ERROR "the release test failed")
endif()
