#pragma once

#include "core/base/Language.h"

// The program's own texts outside the sale: the title, the start window, the settings file, the
// currency, the shop's information, help and tips.
namespace AppTexts {

// Program and start window
inline constexpr Text ProgramTitle{"Vendel", "Vendel"};
inline constexpr Text Minimize{" Minimizar ", " Minimize "};
inline constexpr Text CloseProgram{" Cerrar ", " Close "};
inline constexpr Text DataFolderUnusable{"No se puede usar la carpeta de datos",
                                         "The data folder cannot be used"};

// Settings
inline constexpr Text ConfigSaveFailed{"No se pudo guardar la configuración, intente más tarde.",
                                       "Could not save your settings, try again later."};

// Currency
inline constexpr Text CurrencyOnlyBefore{"Sólo se puede cambiar la moneda antes de comenzar a registrar.",
                                         "You can only change the currency before you start recording."};

// Shop
inline constexpr Text MyBusiness{"Mi negocio", "My business"};
inline constexpr Text TooltipPhone{" | Tel ", " | Phone "};
inline constexpr Text DefaultLegend{"¡Gracias por su preferencia!", "Thanks for your preference!"};

// Help and tips
inline constexpr Text HelpFile{"VL Ayuda.pdf", "VL Help.pdf"};
inline constexpr Text HelpMissing{
    "El archivo de ayuda no se encuentra, descargue otro desde el sitio web Orvane.",
    "The help file is not found, download one from the website Orvane."};
inline constexpr Text HelpFailed{"Hay un error al intentar abrir el archivo de ayuda.",
                                 "There is an error when trying to open the help file."};
inline constexpr Text TipEditing{"Edite la información que quiera para luego usarlo.",
                                 "Edit the information you want for later use."};
inline constexpr Text TipStep1{
    "Seleccione un artículo de la lista o escriba uno manualmente (cantidad, descripción, descuento, "
    "precio).",
    "Select an item from the list or type one (quantity, description, discount, price) manually."};
inline constexpr Text TipStep2{
    "Presione Intro o haga clic en el botón '+' para agregar el artículo a la nota.",
    "Press Enter or click the '+' button to add the item to the note."};
inline constexpr Text TipStep3{
    "Después de haber agregado artículos a la nota introduce el EFECTIVO recibido, puede "
    "presionar F12 para empezar hacerlo.",
    "After you have added items to the note introduce the CASH received, you can press F12 "
    "to start doing so."};
inline constexpr Text TipStep4{"Escriba el EFECTIVO recibido.", "Enter the CASH received."};
inline constexpr Text TipStep5{
    "Ahora presione Intro o haga clic en CAMBIO para finalizar e iniciar de nuevo.",
    "Now press Enter or click on CHANGE to end and start again."};

// The start-up checks of the shop's folder
inline constexpr Text FolderInUse{"Vendel ya está abierto con esta carpeta de datos",
                                  "Vendel is already running on this data folder"};

// Asked by the settings and the currency, before a sale or a change
inline constexpr Text CancelCurrentFirst{"Primero cancele la operación de la nota actual.",
                                         "First cancel the operation of the actual note."};
inline constexpr Text PrintTicketQuestion{"¿Desea imprimir el ticket?", "Do you want to print the ticket?"};
inline constexpr Text CustomerCopyQuestion{"¿Desea imprimir una copia para el cliente?",
                                           "Do you want to print a copy for the customer?"};

// The amounts the owner sets (Datos menu)
inline constexpr Text HighestValuePrompt{"La denominación más alta en su moneda",
                                         "The highest value in its currency"};
inline constexpr Text WarnWhenPrompt{"Advertir cuando haya", "Warn when there is"};

} // namespace AppTexts
