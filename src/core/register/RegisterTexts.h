#pragma once

#include "app/Language.h"

// The texts of the day register: its file, its keywords and the change of day.
namespace RegisterTexts {

// Files and the day
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

} // namespace RegisterTexts
