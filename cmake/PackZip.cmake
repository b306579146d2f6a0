# cmake -DPROGRAM=... -DTEXTS=... -DSTAGE=... -DZIP=... -P PackZip.cmake
# Packs the program and the two texts, at the zip's top level, into a fresh zip.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(COPY_FILE ${PROGRAM} ${STAGE}/skylatch.exe)
file(COPY_FILE ${TEXTS}/license.txt ${STAGE}/license.txt)
file(COPY_FILE ${TEXTS}/README.txt ${STAGE}/README.txt)
get_filename_component(folder ${ZIP} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(REMOVE ${ZIP} ${ZIP}.part)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP}.part --format=zip skylatch.exe license.txt README.txt
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${ZIP}.part)
  message(FATAL_ERROR "cannot pack ${ZIP}: ${result}")
endif()
file(RENAME ${ZIP}.part ${ZIP})
