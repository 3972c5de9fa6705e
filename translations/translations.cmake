# The program's own Estonian texts for what Qt itself shows (context menus,
# the print dialog, standard buttons), compiled at build time and embedded as
# ":/translations/korvelsein_et.qm". Included from the top CMakeLists.txt so
# that the generated file is known where the korvel target lives.
qt_add_lrelease(korvel
    TS_FILES ${CMAKE_CURRENT_LIST_DIR}/korvelsein_et.ts
    QM_FILES_OUTPUT_VARIABLE korvel_qm_files
)
qt_add_resources(korvel "translations"
    PREFIX "/translations"
    BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${korvel_qm_files}
)
