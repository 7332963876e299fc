#pragma once

#include "core/base/Language.h"

// The texts of the day register: its file, its keywords and the change of day.
namespace RegisterTexts {

// Files and the day
// At close, with the day's file unwritable
inline constexpr Text RetryAtClose{
    "No se pudo guardar el registro del día. ¿Intentar de nuevo? (No: guardar una copia en Documentos)",
    "Could not save the day register. Try again? (No: keep a copy in Documents)"};
inline constexpr Text RescuedTo{"El registro del día se guardó en ", "The day register was saved in "};
inline constexpr Text RescueFailed{
    "Tampoco se pudo guardar una copia. ¿Intentar de nuevo? (No: cerrar sin guardar las ventas del día)",
    "A copy could not be saved either. Try again? (No: close without saving the day's sales)"};
inline constexpr Text RegisterSaveFailed{"No se pudo guardar el registro del día, intente más tarde.",
                                         "Could not save the day register, try again later."};
inline constexpr Text MidnightWarning{
    "Falta poco para la medianoche, se recomienda imprimir el registro antes de que finalice el día.",
    "Lack little to midnight, you should print the registry before the day ends."};
inline constexpr Text NewDay{
    "Hoy comienza otro día, los registros de ayer se guardarán y el resto se podrá seguir usando.",
    "Today begins another day, the registry of yesterday will be saved and the rest may still be used."};
inline constexpr Text RegisterPrefix{"VENTAS #", "SALES #"};
// The day's file beside one that could not be read: "VENTAS #05-12-2026 (recuperado).txt".
inline constexpr Text RecoveredSuffix{" (recuperado)", " (recovered)"};

// Register keywords
inline constexpr Text Cancelled{"CANCELADO", "CANCELLED"};
inline constexpr Text EntryWord{"INGRESO", "ENTRY"};
inline constexpr Text WithdrawalWord{"RETIRO", "WITHDRAWAL"};
inline constexpr Text CardWord{"TARJETA", "CARD"};
inline constexpr Text OpenCash{"CAJA ABIERTA", "OPEN CASH"};
// The count of the drawer: "=====(18:05)=====> [ARQUEO $1,450.00] esperado $1,462.50 faltante $12.50"
inline constexpr Text CountWord{"ARQUEO", "CASH COUNT"};
inline constexpr Text CountExpected{"esperado", "expected"};

// Cash movements
inline constexpr Text EntryPrompt{"Ingreso de", "Entry"};
inline constexpr Text WithdrawalPrompt{"Retiro de", "Withdrawal"};
inline constexpr Text EntryReason{"Motivo del ingreso", "Entry reason?"};
inline constexpr Text WithdrawalReason{"Motivo del retiro", "Withdrawal reason?"};

// Card payments
inline constexpr Text CardEntryPrompt{"Ingreso con tarjeta de", "Entry card"};
inline constexpr Text NoCardSum{"NO HAY INGRESOS CON TARJETA.", "NO ENTRIES CARD."};
inline constexpr Text NoCardCount{"NO HAY INGRESOS CON TARJETA.", "NO CARD ENTRIES."};
inline constexpr Text CardSum{"INGRESOS CON TARJETA", "ENTRIES CARD"};
inline constexpr Text CardCount{"NÚMERO DE INGRESOS CON TARJETA", "NUMBER OF CARD ENTRIES"};

// The drawer counted against what it should hold
inline constexpr Text Over{"Sobrante", "Over"};
inline constexpr Text Short{"Faltante", "Short"};
inline constexpr Text Balanced{"Cuadra", "Balanced"};

// Totals, count and cut
inline constexpr Text TotalSum{"SUMA TOTAL", "TOTAL SUM"};
inline constexpr Text NoSales{"NO HAY VENTAS.", "NO SALES."};
inline constexpr Text SaleCount{"NÚMERO DE VENTAS", "NUMBER OF SALES"};
inline constexpr Text CutQuestion{
    "Este corte es para separar registros de hoy en diferentes archivos. ¿Desea continuar?",
    "This split is to separate records in separate files of today. Do you want continue?"};
inline constexpr Text CutFailed{"No se pudo hacer el corte, intente de nuevo o después.",
                                "Could not make the split, try again later."};

} // namespace RegisterTexts
