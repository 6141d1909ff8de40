# What makes Tutorama a desktop program: desktop entry, AppStream metainfo, the .qiz file type,
# icons and help in the standard places, and a Debian package built by CPack.
set(TUTORAMA_APP_ID "org.tutorama.Tutorama")
set(tutorama_packaging_dir "${PROJECT_SOURCE_DIR}/packaging")
set(tutorama_icon_sizes 16 22 24 32 48 64 128 256)

install(FILES "${tutorama_packaging_dir}/${TUTORAMA_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${tutorama_packaging_dir}/${TUTORAMA_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${tutorama_packaging_dir}/tutorama-quiz.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")

# The program's icon, and the same owl for its quiz files in a file manager.
foreach(size ${tutorama_icon_sizes})
    set(png "${tutorama_packaging_dir}/icons/hicolor/${size}x${size}/${TUTORAMA_APP_ID}.png")
    set(destination "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}")
    install(FILES "${png}" DESTINATION "${destination}/apps")
    install(FILES "${png}" DESTINATION "${destination}/mimetypes"
            RENAME "application-x-tutorama-quiz.png")
endforeach()
set(svg "${tutorama_packaging_dir}/icons/${TUTORAMA_APP_ID}.svg")
install(FILES "${svg}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${svg}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes"
        RENAME "application-x-tutorama-quiz.svg")

# The help is compiled into the program; a copy goes with the documentation for reading in a
# browser.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/resources/help/"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/tutorama/help"
        FILES_MATCHING PATTERN "*.html" PATTERN "*.png")

# What Debian asks of every package: the licences in machine-readable form, the changelog and
# a manual page, the last two compressed as its policy says (gzip -9n).
set(tutorama_debian_dir "${tutorama_packaging_dir}/debian")
set(tutorama_doc_dir "${CMAKE_INSTALL_DATADIR}/doc/tutorama")
install(FILES "${tutorama_debian_dir}/copyright" DESTINATION "${tutorama_doc_dir}")
set(tutorama_gzipped)
foreach(pair "changelog|changelog.gz" "tutorama.1|tutorama.1.gz")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 target)
    add_custom_command(OUTPUT "${PROJECT_BINARY_DIR}/packaging/${target}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/packaging"
        COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip "${tutorama_debian_dir}/${source}"
                "${PROJECT_BINARY_DIR}/packaging/${target}"
        DEPENDS "${tutorama_debian_dir}/${source}" VERBATIM)
    list(APPEND tutorama_gzipped "${PROJECT_BINARY_DIR}/packaging/${target}")
endforeach()
add_custom_target(tutorama_debian_docs ALL DEPENDS ${tutorama_gzipped})
install(FILES "${PROJECT_BINARY_DIR}/packaging/changelog.gz" DESTINATION "${tutorama_doc_dir}")
install(FILES "${PROJECT_BINARY_DIR}/packaging/tutorama.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

# The Debian package. The program finds its data under the prefix it was built for, so the
# package is laid out for that same prefix (configure with -DCMAKE_INSTALL_PREFIX=/usr).
set(CPACK_PACKAGE_NAME "tutorama")
set(CPACK_PACKAGE_VENDOR "The Tutorama developers")
set(CPACK_PACKAGE_CONTACT "The Tutorama developers <tutorama@tutorama.org>")
# Debian's synopsis is a phrase without a leading article.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wizard that helps pupils make and take practice quizzes")
# One string with its own line breaks: a list of strings would be joined with ";".
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tutorama is a friendly wizard that helps pupils aged 8 to 12 make practice\n"
    "quizzes and take them: true/false statements, flash cards, arithmetic on an\n"
    "on-screen keypad and spelling words read aloud by espeak-ng.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tutorama.org")
# Shared libraries are found by dpkg-shlibdeps; these are what the program needs beyond them:
# the speech data and the fonts standing in for "Arial" and "Courier".
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data, fonts-liberation2")
# Qt's own dialogs in the user's language, and the window system plugins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-qpa-plugins")
set(CPACK_GENERATOR "DEB")
include(CPack)
