# The download for Windows users: dist/skylatch-<version>-win64.zip in the build tree, holding the
# shipped program, its licence and a README. Windows users read the texts in Notepad, so they get
# CR LF line ends.
set(SKYLATCH_PACKAGE_NAME skylatch-${PROJECT_VERSION}-win64)
set(SKYLATCH_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/dist/${SKYLATCH_PACKAGE_NAME}.zip)
set(package_texts ${CMAKE_BINARY_DIR}/package-texts)

configure_file(${PROJECT_SOURCE_DIR}/resources/README.txt.in ${package_texts}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/license.txt ${package_texts}/license.txt @ONLY NEWLINE_STYLE CRLF)

add_custom_command(OUTPUT ${SKYLATCH_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:skylatch> -DTEXTS=${package_texts}
          -DSTAGE=${CMAKE_BINARY_DIR}/package-stage -DZIP=${SKYLATCH_PACKAGE_ZIP}
          -P ${PROJECT_SOURCE_DIR}/cmake/PackZip.cmake
  DEPENDS skylatch ${PROJECT_SOURCE_DIR}/cmake/PackZip.cmake ${package_texts}/README.txt ${package_texts}/license.txt
  COMMENT "Packing ${SKYLATCH_PACKAGE_NAME}.zip"
  VERBATIM)
add_custom_target(skylatch_package ALL DEPENDS ${SKYLATCH_PACKAGE_ZIP})
