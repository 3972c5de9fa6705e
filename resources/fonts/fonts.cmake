# The layout's typeface, embedded as ":/fonts/<file>". Copied at build time
# from the Debian package fonts-liberation2 (SIL Open Font License), whose
# licence text is installed with the program; no font files in the repository.
set(KORVEL_FONT_DIR /usr/share/fonts/truetype/liberation2 CACHE PATH
    "Directory holding LiberationSans-Regular.ttf and LiberationSans-Bold.ttf")
set(KORVEL_FONT_LICENCE /usr/share/doc/fonts-liberation2/copyright CACHE FILEPATH
    "Licence text of the embedded fonts")
set(korvel_font_files)
foreach(face IN ITEMS LiberationSans-Regular.ttf LiberationSans-Bold.ttf)
    if(NOT EXISTS ${KORVEL_FONT_DIR}/${face})
        message(FATAL_ERROR "${KORVEL_FONT_DIR}/${face} is missing: install fonts-liberation2")
    endif()
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/fonts/${face}
        COMMAND ${CMAKE_COMMAND} -E copy ${KORVEL_FONT_DIR}/${face} ${CMAKE_CURRENT_BINARY_DIR}/fonts/${face}
        DEPENDS ${KORVEL_FONT_DIR}/${face})
    list(APPEND korvel_font_files ${CMAKE_CURRENT_BINARY_DIR}/fonts/${face})
endforeach()
qt_add_resources(korvel "fonts"
    PREFIX "/fonts"
    BASE ${CMAKE_CURRENT_BINARY_DIR}/fonts
    FILES ${korvel_font_files}
)
