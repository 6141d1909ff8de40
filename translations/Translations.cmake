# The program's translations. Included from app/CMakeLists.txt: the compiled .qm files go into
# tutorama_app's resources under :/i18n, where CTranslations looks for them.
#
#   cmake --build build --target update_translations   rewrites the .ts files from the sources
#   (the test translations_complete fails while a text of the sources lacks a translation).
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

set(TUTORAMA_TS_FILES "${PROJECT_SOURCE_DIR}/translations/tutorama_de.ts"
                      "${PROJECT_SOURCE_DIR}/translations/tutorama_es.ts"
                      "${PROJECT_SOURCE_DIR}/translations/tutorama_fr.ts")
set(tutorama_translated_dirs app wizard wizard/make wizard/take print display quiz resources)
set(TUTORAMA_TR_SOURCES "")
set(TUTORAMA_TR_INCLUDES "")
foreach(dir ${tutorama_translated_dirs})
    file(GLOB sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${dir}/*.cpp"
         "${PROJECT_SOURCE_DIR}/${dir}/*.h")
    list(APPEND TUTORAMA_TR_SOURCES ${sources})
    list(APPEND TUTORAMA_TR_INCLUDES "${PROJECT_SOURCE_DIR}/${dir}")
endforeach()
# Seen by the tests (translations_complete).
set(TUTORAMA_TR_SOURCES "${TUTORAMA_TR_SOURCES}" CACHE INTERNAL "Sources with translated texts")
set(TUTORAMA_TS_FILES "${TUTORAMA_TS_FILES}" CACHE INTERNAL "The translation files")

qt_add_translations(tutorama_app
    TS_FILES ${TUTORAMA_TS_FILES}
    SOURCES ${TUTORAMA_TR_SOURCES}
    INCLUDE_DIRECTORIES ${TUTORAMA_TR_INCLUDES}
    LUPDATE_OPTIONS -locations none -no-obsolete -tr-function-alias tr+=Tr
    RESOURCE_PREFIX /i18n)
