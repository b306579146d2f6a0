# The download for Windows users: dist/skylatch-<version>-win64.zip in the build tree, holding the
# shipped program, its licence, a README and the help page with the pictures it shows. Windows
# users read the texts in Notepad, so they get CR LF line ends. The zip is packed the same way on
# every machine (fixed order, times and attributes), so two builds of one source give one zip.
set(SKYLATCH_PACKAGE_NAME skylatch-${PROJECT_VERSION}-win64)
set(SKYLATCH_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/dist/${SKYLATCH_PACKAGE_NAME}.zip)
set(package_texts ${CMAKE_BINARY_DIR}/package-texts)

set(SKYLATCH_VERSION ${PROJECT_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/resources/README.txt.in ${package_texts}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/license.txt ${package_texts}/license.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/docs/help.htm.in ${package_texts}/help.htm @ONLY NEWLINE_STYLE CRLF)

# The pictures are the ones the help page links, taken from docs/screenshots, in the order it shows them.
file(READ ${PROJECT_SOURCE_DIR}/docs/help.htm.in help_source)
string(REGEX MATCHALL "src=\"screenshots/[^\"]+\"" help_pictures "${help_source}")
list(TRANSFORM help_pictures REPLACE "^src=\"(.*)\"$" "\\1")
list(REMOVE_DUPLICATES help_pictures)

set(package_entries skylatch.exe=$<TARGET_FILE:skylatch> README.txt=${package_texts}/README.txt
    license.txt=${package_texts}/license.txt help.htm=${package_texts}/help.htm)
set(package_inputs ${package_texts}/README.txt ${package_texts}/license.txt ${package_texts}/help.htm)
foreach(picture ${help_pictures})
  list(APPEND package_entries ${picture}=${PROJECT_SOURCE_DIR}/docs/${picture})
  list(APPEND package_inputs ${PROJECT_SOURCE_DIR}/docs/${picture})
endforeach()

add_custom_command(OUTPUT ${SKYLATCH_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/pack_zip.py ${SKYLATCH_PACKAGE_ZIP} ${package_entries}
  DEPENDS skylatch ${PROJECT_SOURCE_DIR}/cmake/pack_zip.py ${package_inputs}
  COMMENT "Packing ${SKYLATCH_PACKAGE_NAME}.zip"
  VERBATIM)
add_custom_target(skylatch_package ALL DEPENDS ${SKYLATCH_PACKAGE_ZIP})
