#pragma once

#include "core/base/Language.h"

// The texts of the sales history: the reports window, its figures, its exports and its print-out.
namespace HistoryTexts {

// The window
inline constexpr Text Title{"Informes", "Reports"};
inline constexpr Text Reading{"Leyendo los registros…", "Reading the registers…"};
inline constexpr Text OneUnreadable{"1 archivo no se pudo leer", "1 file could not be read"};
// Preceded by the number of files: "2 archivos no se pudieron leer".
inline constexpr Text Unreadable{"archivos no se pudieron leer", "files could not be read"};
inline constexpr Text AllFolders{"Todas las carpetas", "All folders"};
inline constexpr Text NoSales{"No hay ventas en este periodo.", "No sales in this period."};

// Periods
inline constexpr Text Today{"Hoy", "Today"};
inline constexpr Text Yesterday{"Ayer", "Yesterday"};
inline constexpr Text ThisWeek{"Esta semana", "This week"};
inline constexpr Text ThisMonth{"Este mes", "This month"};
inline constexpr Text LastMonth{"Mes pasado", "Last month"};
inline constexpr Text ThisYear{"Este año", "This year"};
inline constexpr Text Range{"Rango de fechas", "Range of dates"};

// Figures
inline constexpr Text Sales{"Ventas", "Sales"};
inline constexpr Text Average{"Venta promedio", "Average sale"};
inline constexpr Text CashSales{"En efectivo", "In cash"};
inline constexpr Text CardSales{"Con tarjeta", "By card"};
inline constexpr Text CardEntries{"Ingresos con tarjeta", "Card entries"};
inline constexpr Text Entries{"Ingresos de dinero", "Cash entries"};
inline constexpr Text Withdrawals{"Retiros de dinero", "Cash withdrawals"};
inline constexpr Text Cancelled{"Ventas canceladas", "Cancelled sales"};
inline constexpr Text Counts{"Arqueos", "Cash counts"};
inline constexpr Text Count{"Arqueo", "Cash count"};
inline constexpr Text Expected{"esperado", "expected"};
inline constexpr Text Difference{"diferencia", "difference"};
inline constexpr Text NotRead{"sin leer", "not read"};

// Tables and charts
inline constexpr Text Figure{"Cifra", "Figure"};
inline constexpr Text Number{"Número", "Number"};
inline constexpr Text Amount{"Importe", "Amount"};
inline constexpr Text Date{"Fecha", "Date"};
inline constexpr Text Time{"Hora", "Time"};
inline constexpr Text Folder{"Carpeta", "Folder"};
inline constexpr Text Payment{"Pago", "Payment"};
inline constexpr Text Cash{"Efectivo", "Cash"};
inline constexpr Text Card{"Tarjeta", "Card"};
inline constexpr Text Items{"Artículos", "Items"};
inline constexpr Text Description{"Descripción", "Description"};
inline constexpr Text Quantity{"Cantidad", "Quantity"};
inline constexpr Text SalesPerDay{"Ventas por día", "Sales per day"};
inline constexpr Text SalesPerMonth{"Ventas por mes", "Sales per month"};
inline constexpr Text SalesPerHour{"Ventas por hora", "Sales per hour"};
inline constexpr Text BestByQuantity{"Más vendidos por cantidad", "Best sellers by quantity"};
inline constexpr Text BestByAmount{"Más vendidos por importe", "Best sellers by amount"};

// Exports and the print-out
inline constexpr Text ReportHeading{"INFORME DE VENTAS", "SALES REPORT"};
inline constexpr Text FiguresFile{"cifras", "figures"};
inline constexpr Text BestSellersFile{"más vendidos", "best sellers"};
inline constexpr Text SalesFile{"ventas", "sales"};
inline constexpr Text Exported{"Se exportaron los archivos:", "These files were exported:"};
inline constexpr Text ExportFailed{"No se pudo exportar, intente de nuevo o en otra carpeta.",
                                   "Could not export, try again or in another folder."};
inline constexpr Text FolderKept{"La carpeta ya está en el informe.", "The folder is already in the report."};
inline constexpr Text NotAShopFolder{"La carpeta no tiene registros de ventas.",
                                     "The folder holds no sales registers."};

} // namespace HistoryTexts
