# SPDX-License-Identifier: GPL-3.0-or-later
# The interface translations: the .ts files beside this script are compiled
# with lrelease at build time and embedded in the editor under
# :/translations/sorvel_<code>.qm. Japanese is the source language and has no
# file. `cmake --build <dir> --target update_translations` runs lupdate over
# src/ to bring new and changed texts into the .ts files.
#
# Debian's qt6-l10n-tools ships lupdate and lrelease but no CMake package (that
# comes with the much larger qt6-tools-dev), so the two tools are called here.
set(SORVEL_TRANSLATION_LANGUAGES zh_CN zh_TW en)
set(sorvel_translations_dir ${PROJECT_SOURCE_DIR}/resources/translations)

set(sorvel_qt_bin_hints /usr/lib/qt6/bin)
if(DEFINED QT6_INSTALL_PREFIX AND DEFINED QT6_INSTALL_BINS)
  list(PREPEND sorvel_qt_bin_hints ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
endif()
find_program(SORVEL_LRELEASE NAMES lrelease-qt6 lrelease HINTS ${sorvel_qt_bin_hints} NO_CACHE)
find_program(SORVEL_LUPDATE NAMES lupdate-qt6 lupdate HINTS ${sorvel_qt_bin_hints} NO_CACHE)
if(NOT SORVEL_LRELEASE)
  message(FATAL_ERROR "lrelease not found: install qt6-l10n-tools (scripts/setup.sh does)")
endif()

# Adds the compiled translations to `target` as resources.
function(sorvel_add_translations target)
  set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
  set(qm_files)
  foreach(code IN LISTS SORVEL_TRANSLATION_LANGUAGES)
    set(ts ${sorvel_translations_dir}/sorvel_${code}.ts)
    set(qm ${qm_dir}/sorvel_${code}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${qm_dir}
      COMMAND ${SORVEL_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "lrelease sorvel_${code}.ts"
      VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()
  set_source_files_properties(${qm_files} PROPERTIES GENERATED TRUE)
  qt_add_resources(${target} "sorvel_translations"
    PREFIX "/translations"
    BASE ${qm_dir}
    FILES ${qm_files})
endfunction()

# lupdate reads the Qt-free layers' own marker macros (base/usertext.h) as
# QT_TRANSLATE_NOOP. No source locations are kept, so the .ts files change
# only when texts do.
if(SORVEL_LUPDATE)
  set(ts_files)
  foreach(code IN LISTS SORVEL_TRANSLATION_LANGUAGES)
    list(APPEND ts_files ${sorvel_translations_dir}/sorvel_${code}.ts)
  endforeach()
  add_custom_target(update_translations
    COMMAND ${SORVEL_LUPDATE} -silent -locations none -source-language ja
      -tr-function-alias QT_TRANSLATE_NOOP+=SORVEL_TEXT,QT_TRANSLATE_NOOP+=SORVEL_TEXT_NOOP,translate+=Translated
      ${PROJECT_SOURCE_DIR}/src -ts ${ts_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "lupdate: texts of src/ into resources/translations/*.ts"
    VERBATIM)
endif()
