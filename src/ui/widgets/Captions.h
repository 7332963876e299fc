#pragma once

#include "core/base/Language.h"

// Captions and tooltips of the main window's widgets and the captions of its menus, as Spanish/English
// pairs. Pick one with the counter's language when the widget is built: counter.text(Captions::TipCalc).
namespace Captions {

// ---- Main window captions and tooltips ----
inline constexpr Text TipCalc{" Abrir calculadora incluída (F3) ", " Open included calculator (F3) "};
inline constexpr Text MyTipCaption{"CONSEJO", "ADVICE"};
inline constexpr Text TipMyTip{" Consejo sobre qué hacer (F2) ", " Advice on what to do (F2) "};
inline constexpr Text TipHelp{" Ayuda con programa (F1) ", " Help program (F1) "};
inline constexpr Text TitleQuantity{" &CANTIDAD", " &QUANTITY"};
inline constexpr Text TitleDescription{" &DESCRIPCIÓN", " &DESCRIPTION"};
inline constexpr Text TitleDiscount{" DESCUENTO", " DISCOUNT"};
inline constexpr Text TipQuantity{" Cantidad (C) ", " Quantity (Q) "};
inline constexpr Text TipDescription{" Descripción (D) ", " Description (D) "};
inline constexpr Text TipDiscount{" Descuento (%) ", " Discount (%) "};
inline constexpr Text TipPrice{" Precio (P) ", " Price (P) "};
inline constexpr Text TipMoney{" Cambiar moneda ", " Change currency "};
inline constexpr Text TipAdd{" Agregar a nota ", " Add to note "};
inline constexpr Text TipRecordTab{" Pestaña de registro ", " Record tab "};
inline constexpr Text TipTab{" Pestaña #", " Tab #"};
inline constexpr Text TipRecordNote{" Nota de registro ", " Record note "};
inline constexpr Text TipNote{" Nota #", " Note #"};
inline constexpr Text FinderCaption{" Búsqueda ", " Search"};
inline constexpr Text TipFinderLabel{" Buscador (B) ", " Search (H) "};
inline constexpr Text TipFinder{" Buscador (B) ", " To find (F) "};
inline constexpr Text TipItemList{" Lista de artículos (L) ", " List items (L) "};
inline constexpr Text SaveButton{"&Guardar", "&Save"};
inline constexpr Text CloseButton{"Ce&rrar", "Cl&ose"};
inline constexpr Text FindButton{"&Buscar", "&Find"};
inline constexpr Text FindNextButton{"Siguiente", "Next"};
inline constexpr Text TipFindEdit{" Buscar (Ctrl+B) ", " To find (Ctrl+F) "};
inline constexpr Text TipSave{" Guardar (Ctrl+G) ", " Save (Ctrl+S) "};
inline constexpr Text TipClose{" Cerrar edición (Ctrl+R) ", " Close (Ctrl+O) "};
inline constexpr Text TitleAmount{" IMPORTE", " AMOUNT"};
inline constexpr Text TitleCash{" EFECTIVO", " CASH"};
inline constexpr Text TitleChange{" CAMBIO", " CHANGE"};
inline constexpr Text TipTotal{
    " Checa el menú Importe para elegir pagar con tarjeta, abrir menú de descuentos y demás ",
    " Check the menu Amount to choose to pay with credit card, open discounts menu and others "};
inline constexpr Text TipCash{" Efectivo recibido (F12) ", " Cash received (F12) "};
inline constexpr Text TipChange{" Clic para finalizar ", " Click to finish "};
inline constexpr Text TipCorrect{" Corregir ", " Correct "};
inline constexpr Text TipCloseKeypad{" Cerrar teclado ", " Close keypad "};
inline constexpr Text TipDrag{" Arrastrar para mover todo ", " Drag to move everything "};
inline constexpr Text TipBrand{" Mi negocio ", " My business "};
inline constexpr Text AboutTitle{"Acerca de Vendel", "About Vendel"};
inline constexpr Text AboutText{"Caja registradora para el pequeño comercio.",
                                "Cash register for the small shop."};

// Shown over the window while a print job waits.
inline constexpr Text Printing{" Imprimiendo… ", " Printing… "};

// ---- Main window menu ----
// The "&" marks each entry's mnemonic (Alt+letter on the menu bar, the letter alone in an open menu),
// unique within its menu.
inline constexpr Text MenuReg{"&Registro", "&Record"};
inline constexpr Text MenuAdd{"&Ingreso de dinero (+)", "&Cash entry (+)"};
inline constexpr Text MenuQuit{"&Retiro de dinero (-)", "Cash &withdawel (-)"};
inline constexpr Text MenuCut{"&Suma de entradas y salidas", "&Sum of inflows and outflows"};
inline constexpr Text MenuCount{"&Contar ventas", "C&ount sales"};
inline constexpr Text MenuGroup2{"&Pagos con tarjeta", "Car&d payments"};
inline constexpr Text MenuReports{"In&formes", "R&eports"};
inline constexpr Text MenuSumCard{"&Suma de ingresos con tarjeta", "&Sum of card entries"};
inline constexpr Text MenuNumbCard{"&Contar ingresos con tarjeta", "&Count card entries"};
inline constexpr Text MenuCard{"&Ingreso simple con tarjeta", "Simple card &entry"};
inline constexpr Text MenuCutZ{"I&mprimir registro y total", "&Print registry and total"};
inline constexpr Text MenuPrintSimple{"&Simple", "&Simple"};
inline constexpr Text MenuPrintCut{"&Cortar", "S&plit"};
inline constexpr Text MenuCashCount{"&Arqueo de caja", "Cash cou&nt"};
inline constexpr Text MenuXReport{"Corte &X (sin cortar)", "&X report (no split)"};
inline constexpr Text MenuGral{"&Notas", "&Notes"};
inline constexpr Text MenuCancelAll{"&Borrar operación", "&Delete operation"};
inline constexpr Text MenuEditNote{"&Editar nota", "&Edit note"};
inline constexpr Text MenuBack{"&Regresar a la nota de registro", "&Back to record note"};
inline constexpr Text MenuTicket{"&Imprimir tickets", "&Print tickets"};
inline constexpr Text MenuDouble{"Imprimir &doble ticket", "Print d&ouble ticket"};
inline constexpr Text MenuWhereTicket{"&Serie de ticket", "&Number of ticket"};
inline constexpr Text MenuReprint{"Reim&primir último ticket", "&Reprint last ticket"};
// A closed sale's line chosen in the record note
inline constexpr Text MenuReprintSale{"Reimprimir tic&ket", "Reprint tic&ket"};
inline constexpr Text MenuList{"&Inventario", "&Inventory"};
inline constexpr Text MenuSeeStock{"Inventario &visible", "&Visible stock"};
inline constexpr Text MenuCountAll{"V&alor de todo", "V&alue of all"};
inline constexpr Text MenuEditList{"&Editar inventario", "&Edit inventory"};
inline constexpr Text MenuRaise{"&Subir precios (+)", "&Raise price (+)"};
inline constexpr Text MenuLower{"&Bajar precios (-)", "&Lower price (-)"};
inline constexpr Text MenuExtra{"&Datos", "&Data"};
inline constexpr Text MenuButton1{"&Manual", "&Manual"};
inline constexpr Text MenuButton2{"&Consejo", "&Advice"};
inline constexpr Text MenuButton3{"C&alculadora", "&Calculator"};
inline constexpr Text MenuPrintInfo{"&Imprimir datos del negocio", "&Print business info"};
inline constexpr Text MenuDrawer{"A&brir cajón", "Open &drawer"};
inline constexpr Text MenuPrinter{"Im&presora…", "P&rinter…"};
inline constexpr Text MenuHangCash{"&Limite de efectivo", "Cash &limit"};
inline constexpr Text MenuBigCash{"&Denominación más alta", "&Highest value"};
inline constexpr Text MenuCurrency{"Di&visa", "C&urrency"};
inline constexpr Text MenuOpc{"Importe", "Amount"};
inline constexpr Text MenuGroup{"&Hacer descuento", "&Give discount"};
inline constexpr Text MenuDesc5{"Hacer &5% de descuento ", "Make a &5% discount"};
inline constexpr Text MenuDesc10{"Hacer 1&0% de descuento", "Make a 1&0% discount"};
inline constexpr Text MenuDesc15{"Hacer &15% de descuento", "Make a &15% discount"};
inline constexpr Text MenuDescx{"Hacer &otro descuento", "Make a &another discount"};
inline constexpr Text MenuIVA{"&Agregar interés o IVA", "Add &interest or tax"};
inline constexpr Text MenuMoneyIn{"&Pago con...", "&Pay with..."};
inline constexpr Text MenuCashIn{"&Efectivo", "&Cash"};
inline constexpr Text MenuCardIn{"&Tarjeta", "Car&d"};
inline constexpr Text MenuDel{"Cancelar artículo", "Cancel item"};

// ---- Printer dialog ----
inline constexpr Text PrinterTitle{"Impresora", "Printer"};
inline constexpr Text PrinterSystem{"&Impresora del sistema", "&System printer"};
inline constexpr Text PrinterQueue{"&Nombre:", "&Name:"};
inline constexpr Text PrinterSystemDefault{"La predeterminada del sistema", "The system's default"};
inline constexpr Text PrinterDefaultMark{" (predeterminada)", " (default)"};
inline constexpr Text PrinterLooking{"Buscando impresoras…", "Looking for printers…"};
inline constexpr Text PrinterNoAnswer{"Sin respuesta del sistema de impresión.",
                                      "No answer from the print system."};
inline constexpr Text PrinterNone{"El sistema no tiene impresoras.", "The system has no printers."};
inline constexpr Text PrinterReceipt{"Impresora de &tickets (ESC/POS)", "&Receipt printer (ESC/POS)"};
inline constexpr Text PrinterLink{"Cone&xión:", "Connect &via:"};
inline constexpr Text PrinterLinkDevice{"Dispositivo (USB o serie)", "Device (USB or serial)"};
inline constexpr Text PrinterLinkTcp{"Red (equipo:puerto)", "Network (host:port)"};
inline constexpr Text PrinterLinkCups{"Cola de CUPS sin filtro", "Raw CUPS queue"};
inline constexpr Text PrinterAddress{"&Dirección:", "&Address:"};
inline constexpr Text PrinterPaper{"&Papel:", "&Paper:"};
inline constexpr Text PrinterPaper80{"80 mm (48 columnas)", "80 mm (48 columns)"};
inline constexpr Text PrinterPaper58{"58 mm (32 columnas)", "58 mm (32 columns)"};
inline constexpr Text PrinterCodepage{"Página de códi&gos:", "Code pa&ge:"};
inline constexpr Text PrinterCodepage1252{"1252 (tabla 16)", "1252 (table 16)"};
inline constexpr Text PrinterCodepage858{"858 (tabla 19, sin la 16)", "858 (table 19, without 16)"};
inline constexpr Text PrinterCut{"Co&rtar el papel", "Cu&t the paper"};
inline constexpr Text PrinterDrawer{"Abrir el ca&jón", "Open the &drawer"};
inline constexpr Text PrinterStatus{"Preguntar a la impresora si imprimió (&estado)",
                                    "Ask the printer whether it printed (stat&us)"};
inline constexpr Text PrinterFolder{"Archivos PD&F en una carpeta", "PDF &files in a folder"};
inline constexpr Text PrinterFolderPath{"Carpeta de &salida:", "Fo&lder:"};
inline constexpr Text PrinterTest{"Imprimir pr&ueba", "Print t&est page"};
inline constexpr Text PrinterTesting{"Imprimiendo la prueba…", "Printing the test page…"};
inline constexpr Text PrinterTestPrinted{"Prueba impresa.", "Test page printed."};
inline constexpr Text PrinterTestFailed{"No se pudo imprimir la prueba.",
                                        "The test page could not be printed."};
inline constexpr Text PrinterOverridden{
    "En esta ejecución mandan las opciones de impresora de la línea de órdenes.",
    "In this run the printer options of the command line override these settings."};
inline constexpr Text PrinterNotSaved{"No se pudo guardar la impresora, intente más tarde.",
                                      "Could not save the printer, try again later."};

// ---- Cash count dialog ----
inline constexpr Text CountTitle{"Arqueo de caja", "Cash count"};
inline constexpr Text CountExpected{"Esperado en caja:", "Expected in the drawer:"};
inline constexpr Text CountTyped{"&Contado:", "&Counted:"};
inline constexpr Text CountByDenomination{"O contar por &denominación", "Or count by &denomination"};
inline constexpr Text CountTotal{"Total contado:", "Total counted:"};
inline constexpr Text CountBook{"&Registrar", "&Book"};

// ---- Reports window ----
inline constexpr Text ReportMenu{"&Informe", "&Report"};
inline constexpr Text ReportToday{"&Hoy", "&Today"};
inline constexpr Text ReportYesterday{"&Ayer", "&Yesterday"};
inline constexpr Text ReportThisWeek{"Esta &semana", "This &week"};
inline constexpr Text ReportThisMonth{"Este &mes", "This &month"};
inline constexpr Text ReportLastMonth{"Mes &pasado", "&Last month"};
inline constexpr Text ReportThisYear{"Este añ&o", "T&his year"};
inline constexpr Text ReportRange{"&Rango de fechas", "Ra&nge of dates"};
inline constexpr Text ReportExport{"&Exportar CSV…", "&Export CSV…"};
inline constexpr Text ReportPrint{"&Imprimir", "&Print"};
inline constexpr Text ReportAddFolder{"Agregar carpe&ta…", "&Add folder…"};
inline constexpr Text ReportRemoveFolders{"&Quitar carpetas agregadas", "Remo&ve added folders"};
inline constexpr Text ReportClose{"&Cerrar", "&Close"};
inline constexpr Text ReportSummaryTab{"&Resumen", "&Summary"};
inline constexpr Text ReportBestTab{"&Más vendidos", "&Best sellers"};
inline constexpr Text ReportSalesTab{"&Ventas", "Sa&les"};
inline constexpr Text ReportPeriod{"&Periodo:", "&Period:"};
inline constexpr Text ReportFrom{"&Desde", "&From"};
inline constexpr Text ReportTo{"&Hasta", "&To"};
inline constexpr Text ReportFolder{"&Carpeta:", "F&older:"};
inline constexpr Text ReportDay{"Dí&a:", "&Day:"};
inline constexpr Text ReportExportTitle{"Carpeta para los archivos CSV", "Folder for the CSV files"};
inline constexpr Text ReportFolderTitle{"Carpeta de datos de otra caja", "Data folder of another till"};

} // namespace Captions
