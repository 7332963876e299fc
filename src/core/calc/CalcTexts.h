#pragma once

#include "core/base/Language.h"

// Every text of the calculator window, as its Spanish/English pair. Pick one with a Language at the
// moment it is used: lang(CalcTexts::Copy).
namespace CalcTexts {

// The window's own title stays Spanish in both languages.
inline constexpr Text Title{"Calculadora", "Calculadora"};

// The notes a division by zero appends to the expression.
inline constexpr Text Indeterminate{" =indeterminado", " =indeterminate"};
inline constexpr Text Indefinite{" =indefinido", " =indefinite"};

// History entries
inline constexpr Text RootOpen{"raíz(", "square("};
inline constexpr Text RootClose{") =", ") ="};
inline constexpr Text EqualsEntry{" =", " ="};
inline constexpr Text SignEntry{" -> ", " -> "};

// Menus
inline constexpr Text Options{"Opciones", "Options"};
inline constexpr Text Copy{"Copiar", "Copy"};
inline constexpr Text Paste{"Pegar", "Paste"};
inline constexpr Text ShowHistory{"Mostrar historial", "Show history"};
inline constexpr Text HideHistory{"Ocultar historial", "Hide history"};
inline constexpr Text DeleteHistory{"Borrar historial", "Delete history"};
inline constexpr Text Functions{"Funciones", "Functions"};
inline constexpr Text SquareRoot{"Raíz cuadrada", "Square root"};
inline constexpr Text Reverse{"Invertir +/-", "Reverse +/-"};
inline constexpr Text DeleteAll{"Borrar todo", "Delete all"};

// Key tooltips
inline constexpr Text TipSeeMemory{" Ver memoria (M) ", " See memory (M) "};
inline constexpr Text TipAddMemory{" Sumar a memoria (K) ", " Adding memory (K) "};
inline constexpr Text TipSubtractMemory{" Restar a memoria (J) ", " Subtract memory (J) "};
inline constexpr Text TipUseMemory{" Usar memoria (R) ", " Use memory (R) "};
inline constexpr Text TipEqual{" Igual (=, Intro) ", " Equal (=, Intro) "};
inline constexpr Text TipCorrect{" Corregir (Atrás) ", " Correct (Back) "};
inline constexpr Text TipPercent{" Porcentaje (%) ", " Percent (%) "};
inline constexpr Text TipLeft{" Izquierda ", " Left "};
inline constexpr Text TipRight{" Derecha ", " Right "};
inline constexpr Text TipClear{" Borrar (Supr) ", " Delete (Del) "};
inline constexpr Text TipDivide{" Dividir (/) ", " Divide (/) "};
inline constexpr Text TipMultiply{" Multiplicar (*) ", " Multiply (*) "};
inline constexpr Text TipSubtract{" Restar (-) ", " Subtract (-) "};
inline constexpr Text TipAdd{" Sumar (+) ", " Add (+) "};
inline constexpr Text TipDecimal{" Separador decimal ", " decimal separator "};

// The memory value key's tooltip once the memory changes. These exist in Spanish only.
inline constexpr const char* TipUseValueOpen = " Usar [";
inline constexpr const char* TipUseValueClose = "] (R) ";
inline constexpr const char* TipUseMemorySpanish = " Usar memoria (R) ";

} // namespace CalcTexts
