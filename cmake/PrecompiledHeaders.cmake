# Precompiled headers. Most of the time a source here takes to compile goes into
# parsing Qt's headers (QWidget alone takes about 3 s, more than many sources'
# own code), so each group of targets with the same compile definitions shares
# one precompiled header made by a holder target:
#
#   vantorel_pch_holder(NAME [LINKS <libraries>] HEADERS <headers>)
#     precompiles HEADERS in target NAME; where there is none yet, NAME is made a
#     static library of one empty source with the definitions and options LINKS
#     bring (Qt's QT_*_LIB, -fPIC, ...)
#   vantorel_reuse_pch(HOLDER TARGETS <targets>)
#     TARGETS compile with HOLDER's precompiled header
#
# A target must have exactly its holder's definitions: GCC refuses a precompiled
# header made with other ones (-Winvalid-pch, an error where warnings are) and
# clang stops, so a target put in the wrong group does not build quietly slower.
#
# The sources still include everything they use: clang-tidy (tools/lint.sh)
# checks them without the precompiled header, and other compilers build without.
# GCC does not carry the diagnostic pragmas inside libstdc++ through a
# precompiled header, so its known false -Warray-bounds on
# `std::string(...) + "literal"` can show in a source that builds a temporary
# string that way; write `std::string(...).append(...)` or one literal instead.

# GCC, and clang (the fuzzing build), on Linux: the Windows and macOS builds
# are not checked here for speed.
if(CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang)$" AND NOT CMAKE_CROSSCOMPILING AND NOT WIN32 AND NOT APPLE)
  set(vantorel_pch_default ON)
else()
  set(vantorel_pch_default OFF)
endif()
option(VANTOREL_PRECOMPILE_HEADERS "Share precompiled standard, Qt and GoogleTest headers between targets" ${vantorel_pch_default})

# ccache caches sources built with a precompiled header only when told that the
# header's macros and __TIME__ need not be compared.
if(VANTOREL_PRECOMPILE_HEADERS AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache$")
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros
      ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

set(VANTOREL_PCH_STD <algorithm> <cstdint> <functional> <memory> <optional> <string> <string_view> <vector>)
set(VANTOREL_PCH_QTCORE ${VANTOREL_PCH_STD}
  <QtCore/QByteArray> <QtCore/QCoreApplication> <QtCore/QDateTime> <QtCore/QDir> <QtCore/QElapsedTimer>
  <QtCore/QEvent> <QtCore/QEventLoop> <QtCore/QFile> <QtCore/QFileInfo> <QtCore/QJsonArray>
  <QtCore/QJsonDocument> <QtCore/QJsonObject> <QtCore/QObject> <QtCore/QString> <QtCore/QStringList>
  <QtCore/QTimer>)
set(VANTOREL_PCH_WIDGETS ${VANTOREL_PCH_QTCORE}
  <QtGui/QAction> <QtGui/QKeyEvent> <QtWidgets/QApplication> <QtWidgets/QBoxLayout> <QtWidgets/QComboBox>
  <QtWidgets/QDialog> <QtWidgets/QFileDialog> <QtWidgets/QFrame> <QtWidgets/QGridLayout> <QtWidgets/QLabel>
  <QtWidgets/QLineEdit> <QtWidgets/QListWidget> <QtWidgets/QMenu> <QtWidgets/QMessageBox>
  <QtWidgets/QPushButton> <QtWidgets/QSpinBox> <QtWidgets/QTabWidget> <QtWidgets/QWidget>)
set(VANTOREL_PCH_TEST <gtest/gtest.h>)
set(VANTOREL_PCH_QTTEST <QtTest/QSignalSpy> <QtTest/QTest> <QtCore/QTemporaryDir>)

function(vantorel_pch_holder name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "LINKS;HEADERS")
  if(NOT VANTOREL_PRECOMPILE_HEADERS)
    return()
  endif()
  if(NOT TARGET ${name})
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// Holds the precompiled header of its group.\n")
    add_library(${name} STATIC ${source})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${name} PRIVATE ${ARG_LINKS})
  endif()
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
endfunction()

function(vantorel_reuse_pch holder)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "TARGETS")
  if(NOT VANTOREL_PRECOMPILE_HEADERS)
    return()
  endif()
  foreach(target IN LISTS ARG_TARGETS)
    target_precompile_headers(${target} REUSE_FROM ${holder})
  endforeach()
endfunction()
