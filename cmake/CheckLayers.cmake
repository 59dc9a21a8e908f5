cmake_minimum_required(VERSION 3.22)
# Run as a test (cmake -DSOURCE_DIR=... -P CheckLayers.cmake): every project
# include of a folder names a folder it may use, and the folders below the
# window include no Qt (or no Qt widgets) at all. Linking enforces the same
# direction for code; this also catches header-only uses.

# folder | folders it may include | Qt it may include: none, gui or any
set(layers
  "base|base|none"
  "image|image,base|none"
  "core|core,image,base|gui"
  "batch|batch,image,base|none"
  "settings|settings,core,batch,image,base|none"
  "picker|picker,image,base|any"
  "cli|cli,settings,batch,core,image,base|gui"
  "app|app,picker,settings,batch,core,image,base|any")

set(widget_headers "QtWidgets|QWidget|QApplication|QMainWindow|QDialog|QMessageBox|QLabel|QPushButton|QLineEdit|QComboBox|QSpinBox|QCheckBox|QListWidget|QFileDialog")
set(problems "")
foreach(layer IN LISTS layers)
  string(REPLACE "|" ";" fields "${layer}")
  list(GET fields 0 folder)
  list(GET fields 1 allowed)
  string(REPLACE "," ";" allowed "${allowed}")
  list(GET fields 2 qt)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include [\"<]")
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include \"([a-z_]+)/")
        set(target ${CMAKE_MATCH_1})
        if(NOT target IN_LIST allowed)
          string(APPEND problems "${name}: may not include ${target}/ (${line})\n")
        endif()
      elseif(line MATCHES "^#include <Q" AND qt STREQUAL "none")
        string(APPEND problems "${name}: no Qt here (${line})\n")
      elseif(line MATCHES "^#include <(${widget_headers})[>/]" AND qt STREQUAL "gui")
        string(APPEND problems "${name}: no Qt widgets here (${line})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes across the layers:\n${problems}")
endif()
