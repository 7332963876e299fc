# The include rules between the layers (run with: cmake -DSOURCE_DIR=<repo> -P check_includes.cmake).
#  - an area owner of the counter includes no other area owner and not the counter;
#  - a panel of the main window includes no other panel;
#  - nothing under src/core includes a Qt module other than QtCore.
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(owners EntryFields Amounts Adjustments NoteTabs ItemSearch ItemActions ListEditor RegisterBook
           CashMovements CardPayments RegisterCut TicketPrinter ReportPrinter HelpTips)
set(panels EntryFieldsPanel NotesPanel AmountsPanel ItemsPanel EditorPanel HeaderBar)
set(failures "")

# Every file of a class under a folder: its .h and .cpp wherever they are.
function(files_of name folder out)
    file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/${name}.h" "${SOURCE_DIR}/${folder}/${name}.cpp")
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

# The quoted includes of a file, as the bare class names they name.
function(included_names path out)
    file(STRINGS "${path}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    set(names "")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
        get_filename_component(name "${header}" NAME_WE)
        list(APPEND names "${name}")
    endforeach()
    set(${out} "${names}" PARENT_SCOPE)
endfunction()

function(check_group members folder forbidden_extra)
    foreach(member IN LISTS members)
        files_of(${member} ${folder} paths)
        foreach(path IN LISTS paths)
            included_names("${path}" names)
            foreach(name IN LISTS names)
                if(name STREQUAL member)
                    continue()
                endif()
                list(FIND members "${name}" other)
                list(FIND forbidden_extra "${name}" extra)
                if(other GREATER -1 OR extra GREATER -1)
                    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${path}")
                    list(APPEND failures "${shown} includes ${name}")
                endif()
            endforeach()
        endforeach()
    endforeach()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

check_group("${owners}" "src/core" "Counter")
check_group("${panels}" "src/ui" "")

# Core files use QtCore only: <QtCore/...> or a Q header that QtCore provides.
file(GLOB_RECURSE core_files "${SOURCE_DIR}/src/core/*.h" "${SOURCE_DIR}/src/core/*.cpp")
set(not_core "QtGui|QtWidgets|QtPrintSupport|QtNetwork|QtSvg|QtTest|QtSql|QtQml|QtQuick|QtMultimedia")
set(gui_headers "QWidget|QApplication|QGuiApplication|QColor|QPalette|QFont|QFontMetrics|QPixmap|QImage|QIcon"
                "|QPainter|QPrinter|QPrinterInfo|QPrintDialog|QPageLayout|QPageSize|QTextDocument|QBrush|QPen"
                "|QCursor|QKeyEvent|QMouseEvent|QClipboard|QScreen|QWindow|QAction|QMenu|QLabel|QLineEdit"
                "|QListView|QMessageBox|QInputDialog|QDialog|QLayout|QHBoxLayout|QVBoxLayout|QTcpSocket"
                "|QNetworkAccessManager|QTest|QSignalSpy|QKeySequence|QShortcut|QStyle|QTextCursor")
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
