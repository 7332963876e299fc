#pragma once

#include "core/base/Language.h"

#include <QString>

// The item list's own texts: its file name, placeholder lines, messages and prompts, as Spanish/English
// pairs.
namespace ItemTexts {

// The list file and its placeholder lines
inline constexpr Text ItemListFile{"VL Lista.txt", "VL List.txt"};
inline constexpr Text NoItems{"No hay elementos.", "No items."};
inline constexpr Text NoMatches{"No hay coincidencias.", "No matches."};
inline constexpr Text NoListOffer{"No hay una lista de artículos, ¿desea crear uno?",
                                  "No list of items, would you like to create one?"};
inline constexpr Text FileCreateFailed{"No se pudo crear el archivo, intente más tarde.",
                                       "The file could not be created, try again later."};
inline constexpr Text DefaultListLine{"[10] ARTÍCULO ", "[10] ITEM "};

// Look-up mode
inline constexpr Text LookupItem{"Artículo:", "Item:"};
inline constexpr Text LookupNoMatches{"No hay coincidencias, intente con otra búsqueda.",
                                      "No matches, try another search."};

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

// The list and register editor
inline constexpr Text EditingList{"EDITANDO LISTA DE ARTÍCULOS", "EDITING LIST OF ITEMS"};
inline constexpr Text EditingRegister{"EDITANDO REGISTRO", "EDITING REGISTRY"};
inline constexpr Text FormatReminder{"Para un buen funcionamiento del programa use el formato:",
                                     "For proper operation of the program follows the format:"};
inline constexpr Text DataSaved{"Datos guardados.", "Saved data."};

// The editor's reminder: the two forms of an item line with every symbol, on three lines.
inline QString formatReminder(const Language& language) {
    const QString quote = QStringLiteral("\"");
    const QString crlf = QStringLiteral("\r\n");
    const QString item = language(FormatItem) + QStringLiteral("($, €, £)");
    return language(FormatReminder) + crlf + quote + item + language(FormatPrice) + quote +
           language(FormatOr) + crlf + quote + item + language(FormatBarcode) + quote;
}

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
// A decrease that would take prices below 0 changes none.
inline constexpr Text NegativePricesBefore{"La bajada dejaría ", "The decrease would leave "};
inline constexpr Text NegativePricesAfter{" artículo(s) con precio negativo; no se cambió ningún precio.",
                                          " item(s) with a negative price; no price was changed."};
inline QString negativePricesMessage(const Language& language, int count) {
    return language(NegativePricesBefore) + QString::number(count) + language(NegativePricesAfter);
}

inline QString inventoryMessage(const Language& language, const QString& symbol, const QString& valueText) {
    return language(InventoryValue) + symbol + valueText;
}

} // namespace ItemTexts
