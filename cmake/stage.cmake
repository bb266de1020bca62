# Copies the program folder's own files into the staged folder: cmake -DSOURCE=.. -DSTAGE=.. -P
foreach(folder data languages help)
  if(IS_DIRECTORY ${SOURCE}/${folder})
    file(COPY ${SOURCE}/${folder} DESTINATION ${STAGE})
  endif()
endforeach()
