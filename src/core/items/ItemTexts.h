#pragma once

#include "app/Language.h"

#include <QString>

// The item list's own messages and prompts, as Spanish/English pairs (the file name and the
// placeholder lines are with the counter's texts).
namespace ItemTexts {

// Stock movement
inline constexpr Text StockMoveFailed{"Aquí hay un error, repórtelo al sitio web Orvane.",
                                      "Here there is a bug, report it to the website Orvane."};

// Inventory value
inline constexpr Text UserKeyPrompt{"Para acceder a este dato, escriba la clave de usuario del programa:",
                                    "To access this information, enter the user's key:"};
inline constexpr Text KeyIncorrect{"Clave incorrecta.", "Key incorrect."};
inline constexpr Text InventoryValue{"Tiene un inventario con valor de ", "It has an inventory value of "};

// Price change
inline constexpr Text RaisePrompt{"Subir al precio de todos los artículos (ej. '20' ó '5%'):",
                                  "Raise the price of all items (a.e. '20' ó '5%'):"};
inline constexpr Text LowerPrompt{"Bajar al precio de todos los artículos (ej. '20' ó '5%'):",
                                  "Lowering the price of all items (a.e. '20' ó '5%'):"};

// The format reminder when a line that is no item is chosen for the note
inline constexpr Text NotPermitted{"Elemento no permitido, use el formato:",
                                   "Item not permitted, follows the format:"};
inline constexpr Text FormatItem{"[cantidad] ARTÍCULO ", "[Stock] ITEM "};
inline constexpr Text FormatPrice{"precio", "price"};
inline constexpr Text FormatOr{" o ", "or"};
inline constexpr Text FormatBarcode{"precio #código de barras", "price #barcode"};

// "Elemento no permitido, use el formato:" and the two forms of an item line with the symbol, on three
// lines separated by CR LF.
inline QString formatMessage(const Language& language, const QString& symbol) {
    const QString quote = QStringLiteral("\"");
    const QString crlf = QStringLiteral("\r\n");
    const QString item = language(FormatItem) + symbol;
    return language(NotPermitted) + crlf + quote + item + language(FormatPrice) + quote + language(FormatOr) +
           crlf + quote + item + language(FormatBarcode) + quote;
}

// "Tiene un inventario con valor de " + the symbol + the value already written in its picture.
inline QString inventoryMessage(const Language& language, const QString& symbol, const QString& valueText) {
    return language(InventoryValue) + symbol + valueText;
}

} // namespace ItemTexts
