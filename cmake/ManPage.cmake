# quillfold_man_page(<target> NAME <one-line description> [INCLUDE <file.h2m>]
#                    [LANGUAGE ja]):
# the manual page of the program <target>, made by help2man from the
# program's own --help and --version so the page and the help never
# disagree, compressed as Debian wants it (gzip -9n) and installed into
# man1, or with LANGUAGE into <language>/man1 from the help in that language. A build without help2man (Debian: help2man) or gzip makes no page
# and says so.
include(GNUInstallDirs)
find_program(QUILLFOLD_HELP2MAN help2man)
find_program(QUILLFOLD_GZIP gzip)

function(quillfold_man_page target)
    cmake_parse_arguments(ARG "" "NAME;INCLUDE;LANGUAGE" "" ${ARGN})
    if(NOT QUILLFOLD_HELP2MAN OR NOT QUILLFOLD_GZIP)
        message(STATUS "help2man or gzip not found: no manual page for ${target}")
        return()
    endif()
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
    set(language_options)
    set(man_folder ${CMAKE_INSTALL_MANDIR}/man1)
    if(ARG_LANGUAGE)
        set(page ${CMAKE_CURRENT_BINARY_DIR}/${ARG_LANGUAGE}/${target}.1)
        set(language_options "--help-option=--language=${ARG_LANGUAGE} --help"
                             "--version-option=--language=${ARG_LANGUAGE} --version")
        set(man_folder ${CMAKE_INSTALL_MANDIR}/${ARG_LANGUAGE}/man1)
    endif()
    set(include_options)
    set(include_depends)
    if(ARG_INCLUDE)
        set(include_options --include=${ARG_INCLUDE})
        set(include_depends ${ARG_INCLUDE})
    endif()
    # The program must answer without a display; offscreen keeps a program
    # that would not from waiting for one. UTF-8, for the Japanese page: in
    # the C locale help2man would turn it into question marks; the program
    # itself reads the C locale as English.
    get_filename_component(page_folder ${page} DIRECTORY)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${page_folder}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                ${QUILLFOLD_HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --name=${ARG_NAME}
                ${language_options} ${include_options} --output=${page} $<TARGET_FILE:${target}>
        COMMAND ${QUILLFOLD_GZIP} -9nf ${page}
        DEPENDS ${target} ${include_depends}
        COMMENT "Manual page of ${target} from its --help"
        VERBATIM)
    add_custom_target(${target}_man_page${ARG_LANGUAGE} ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${man_folder})
endfunction()
