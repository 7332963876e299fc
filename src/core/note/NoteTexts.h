#pragma once

#include "core/base/Language.h"

// The texts of a note and of the sale written in it: the lines, the tabs, the entry fields, the
// amounts, the adjustments and the closing.
namespace NoteTexts {

// Note lines
inline constexpr Text NoneText{"(Ninguno)", "(None)"};
inline constexpr Text DefaultItem{"ARTÍCULO", "ITEM"};
inline constexpr Text Of{" de ", " of "};
inline constexpr Text Free{"gratis", "free"};
inline constexpr Text PercentDiscount{"% de descuento", "% discount"};
inline constexpr Text AmountDiscount{" de descuento", " discount"};
inline constexpr Text PercentInterest{"% de interés", "% interest"};
inline constexpr Text AmountInterest{" de interés", " interest"};
inline constexpr Text ReplayInterest{" de inter", " interest"};

// Tabs
inline constexpr Text RecordTab{"Registro", "Record"};
inline constexpr Text NewTab{"(nuevo)", "(new)"};

// Entry fields
inline constexpr Text PriceTitle{" &PRECIO", " &PRICE"};

// Messages of the sale
inline constexpr Text EditingRefusal{"No puede usar las notas mientras está editando alguno.",
                                     "You can't use the notes while you are editing any."};
inline constexpr Text FreeItemQuestion{"Agregará un artículo como \"gratis\" a la nota, ¿desea continuar?",
                                       "It will add an article as \"free\" to the note, would you continue?"};
inline constexpr Text CompleteRecordFirst{"Primero complete la operación de la nota de registro.",
                                          "First complete the operation of the record note."};
inline constexpr Text NotEnough{"Insuficiente", "Not enough"};
inline constexpr Text NoChange{"Sin cambio", "Not change"};
inline constexpr Text VeryHighCash{"Está escribiendo una cantidad muy alta de EFECTIVO.",
                                   "You are writing a very high amount of CASH."};
inline constexpr Text DiscountPrompt{"Agregar descuento de ... (ej. '20' ó '5%')",
                                     "Add discount %... (a.e. '20' ó '5%')"};
inline constexpr Text InterestPrompt{"Agregar interés de ... (ej. '20' ó '5%')",
                                     "Add interest ... (a.e. '20' ó '5%')"};
inline constexpr Text CancelLine{"Cancelar", "Cancel"};
inline constexpr Text EditWarning{
    "Solamente cambie nombres y valores para un buen funcionamiento del programa.",
    "Only change names and values for a good operation of the program."};

// Money a note can never hold
inline constexpr Text NegativePrice{"Un artículo con precio negativo no se puede vender; corrija su precio.",
                                    "An item with a negative price cannot be sold; correct its price."};
inline constexpr Text LineDiscountTooHigh{"El descuento de un artículo es de 100% como máximo.",
                                          "An item's discount is at most 100%."};
inline constexpr Text DiscountAboveTotal{"El descuento es mayor que el importe de la nota.",
                                         "The discount is more than the note's amount."};

// The side notes kept on disk, and closing with a sale open
inline constexpr Text SideNotesSaveFailed{"No se pudieron guardar las notas abiertas, intente más tarde.",
                                          "Could not save the open notes, try again later."};
inline constexpr Text CloseWithOpenSale{"Hay una venta abierta. ¿Cerrar de todos modos?",
                                        "A sale is still open. Close anyway?"};

} // namespace NoteTexts
