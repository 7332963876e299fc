# The include rules between the layers, read from the folders (run with:
# cmake -DSOURCE_DIR=<repo> -P check_includes.cmake). A new folder is a new area: it needs no entry here.
#  - src/core includes nothing of src/ui and no Qt module other than QtCore;
#  - src/core/base, the ground layer, includes only itself;
#  - src/core/counter is included by no other folder of src/core: areas never reach the counter;
#  - two areas of src/core never include each other (what one area shares, the other only reads);
#  - src/ui/widgets, src/ui/ports and src/ui/keyboard include no area of src/ui and not the shell;
#  - an area of src/ui (its panels, menus and windows) includes no other area of src/ui and not the shell.
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(failures "")
set(ui_kit widgets ports keyboard)

# "core/base/Numbers.h" -> "core;base"; a bare include stays in the file's own folder.
function(folder_of path out_layer out_folder)
    string(REGEX MATCH "^(core|ui)/([^/]+)/" found "${path}")
    set(${out_layer} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    set(${out_folder} "${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/core/*.h" "${SOURCE_DIR}/src/core/*.cpp"
     "${SOURCE_DIR}/src/ui/*.h" "${SOURCE_DIR}/src/ui/*.cpp")
set(core_edges "")
foreach(source IN LISTS sources)
    folder_of("${source}" layer folder)
    file(STRINGS "${SOURCE_DIR}/src/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
        if(NOT header MATCHES "/")
            continue() # the file's own folder
        endif()
        folder_of("${header}" to_layer to_folder)
        if(NOT to_layer)
            list(APPEND failures "src/${source} includes \"${header}\", which is not rooted at src/")
            continue()
        endif()
        if(to_layer STREQUAL layer AND to_folder STREQUAL folder)
            continue()
        endif()
        set(why "")
        if(layer STREQUAL "core")
            if(to_layer STREQUAL "ui")
                set(why "the core never reaches the windows")
            elseif(folder STREQUAL "base")
                set(why "the ground layer includes only itself")
            elseif(to_folder STREQUAL "counter")
                set(why "an area never reaches the counter")
            elseif(NOT folder STREQUAL "counter" AND NOT to_folder STREQUAL "base")
                list(APPEND core_edges "${folder}>${to_folder}")
            endif()
        elseif(to_layer STREQUAL "ui")
            list(FIND ui_kit "${folder}" from_kit)
            list(FIND ui_kit "${to_folder}" to_kit)
            if(from_kit GREATER -1 AND to_kit EQUAL -1)
                set(why "the widget kit, the ports and the keyboard know no area and not the shell")
            elseif(NOT folder STREQUAL "shell" AND to_kit EQUAL -1)
                set(why "an area of the window includes no other area and not the shell")
            endif()
        endif()
        if(why)
            list(APPEND failures "src/${source} includes \"${header}\": ${why}")
        endif()
    endforeach()
endforeach()

# Two areas of the core that include each other.
list(REMOVE_DUPLICATES core_edges)
foreach(edge IN LISTS core_edges)
    string(REPLACE ">" ";" pair "${edge}")
    list(GET pair 0 a)
    list(GET pair 1 b)
    list(FIND core_edges "${b}>${a}" back)
    if(back GREATER -1 AND a STRLESS b)
        list(APPEND failures "src/core/${a} and src/core/${b} include each other")
    endif()
endforeach()

# Core files use QtCore only: <QtCore/...> or a Q header that QtCore provides.
file(GLOB_RECURSE core_files "${SOURCE_DIR}/src/core/*.h" "${SOURCE_DIR}/src/core/*.cpp")
set(not_core "QtGui|QtWidgets|QtPrintSupport|QtNetwork|QtSvg|QtTest|QtSql|QtQml|QtQuick|QtMultimedia|QtCharts")
set(gui_headers "QWidget|QApplication|QGuiApplication|QColor|QPalette|QFont|QFontMetrics|QPixmap|QImage|QIcon"
                "|QPainter|QPrinter|QPrinterInfo|QPrintDialog|QPageLayout|QPageSize|QTextDocument|QBrush|QPen"
                "|QCursor|QKeyEvent|QMouseEvent|QClipboard|QScreen|QWindow|QAction|QMenu|QLabel|QLineEdit"
                "|QListView|QMessageBox|QInputDialog|QDialog|QLayout|QHBoxLayout|QVBoxLayout|QTcpSocket"
                "|QNetworkAccessManager|QTest|QSignalSpy|QKeySequence|QShortcut|QStyle|QTextCursor|QChart")
string(JOIN "" gui_headers ${gui_headers})
foreach(path IN LISTS core_files)
    file(STRINGS "${path}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>.*" "\\1" header "${line}")
        if(header MATCHES "^(${not_core})(/|$)" OR header MATCHES "^(${gui_headers})$"
           OR (header MATCHES "/" AND NOT header MATCHES "^QtCore/"))
            file(RELATIVE_PATH shown "${SOURCE_DIR}" "${path}")
            list(APPEND failures "${shown} includes <${header}>, which is not QtCore")
        endif()
    endforeach()
endforeach()

if(failures)
    list(JOIN failures "\n  " shown)
    message(FATAL_ERROR "Include rules broken:\n  ${shown}")
endif()
message(STATUS "Include rules kept")
