#pragma once

#include "core/base/Language.h"

// The words of the printed tickets, notices, register report and shop data, as Spanish/English pairs.
namespace PrintTexts {

// The font of every print-out
inline constexpr const char* FontName = "Segoe UI";

// Ticket body and amounts
inline constexpr Text Phone{"TEL", "PHONE"};
inline constexpr Text Date{"FECHA", "DATE"};
inline constexpr Text Time{"HORA", "TIME"};
inline constexpr Text Description{"Descripción:", "Description:"};
inline constexpr Text Amount{"Importe:", "Amount:"};
inline constexpr Text Cash{"Efectivo:", "Cash:"};
inline constexpr Text Change{"Cambio:", "Change:"};
inline constexpr Text CardPurchase{"Compra con tarjeta", "Card purchase"};
inline constexpr Text BusinessLegend{"N-E-G-O-C-I-O", "B-U-S-I-N-E-S-S"};
// The last line of a ticket printed again
inline constexpr Text CopyMark{"COPIA", "COPY"};

// Register report
inline constexpr Text Registry{"REGISTRO", "REGISTRY"};
inline constexpr Text CashTotal{"TOTAL EN CAJA", "TOTAL CASH"};

// The notice of a cash movement or a simple card entry
inline constexpr Text Movement{"Movimiento", "Movement"};

// The day's summary (X report, Z report at the cut) and the notice of a count of the drawer, in a
// fixed-pitch font so that their columns line up on any printer.
inline constexpr const char* ColumnsFontName = "Courier New";
inline constexpr Text XReport{"CORTE X", "X REPORT"};
inline constexpr Text ZReport{"CORTE Z", "Z REPORT"};
inline constexpr Text CashHeading{"EFECTIVO", "CASH"};
inline constexpr Text CardHeading{"TARJETA", "CARD"};
inline constexpr Text Sales{"Ventas", "Sales"};
inline constexpr Text Entries{"Ingresos", "Entries"};
inline constexpr Text Withdrawals{"Retiros", "Withdrawals"};
inline constexpr Text Expected{"Esperado", "Expected"};
inline constexpr Text Counted{"Contado", "Counted"};
inline constexpr Text CancelledSales{"CANCELADAS", "CANCELLED"};
inline constexpr Text CountHeading{"ARQUEO", "CASH COUNT"};
inline constexpr Text NoCount{"SIN ARQUEO", "NO CASH COUNT"};
inline constexpr Text CountTitle{"ARQUEO DE CAJA", "CASH COUNT"};

// The printer's test page
inline constexpr Text TestPage{"PRUEBA DE IMPRESIÓN", "TEST PAGE"};
inline constexpr Text Columns{"columnas", "columns"};

// Messages of the print-outs
inline constexpr Text CustomerCopyPrinted{
    "Se ha impreso la copia del cliente, ahora se imprimirá la copia del negocio.",
    "The copy of the customer has been printed, the business copy is now being printed."};
inline constexpr Text TicketDataError{"Hubo un error al generar los datos del ticket.",
                                      "There was an error generating the ticket data."};
inline constexpr Text SplitPrintFailed{"No se pudo imprimir el corte, intente nuevamente o más tarde.",
                                       "Could not print the split, try again later."};
inline constexpr Text TicketPrintFailed{"No se pudo imprimir el ticket, intente nuevamente o más tarde.",
                                        "Could not print the ticket, try again later."};
inline constexpr Text SalesReportFailed{"No se pudo imprimir el informe, intente nuevamente o más tarde.",
                                        "Could not print the report, try again later."};
inline constexpr Text NoTicketPrinted{"Ningún ticket se ha impreso.", "Not it has printed a ticket."};
inline constexpr Text DrawerFailed{"No se pudo abrir el cajón.", "Could not open the drawer."};
inline constexpr Text TicketHash{"Ticket #", "Ticket #"};
inline constexpr Text ShopKeyPrompt{"Para acceder a esta acción, escriba la clave de usuario del programa:",
                                    "To access this action, enter the user's key:"};

} // namespace PrintTexts
