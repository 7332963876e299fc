#pragma once

#include "Language.h"

// Every text of the counter that is shown, written or printed, as its Spanish/English pair.
// Pick one with a Language at the moment it is used: lang(Texts::NoneText).
namespace Texts {

// Program and start window
inline constexpr Text ProgramTitle{"Vendel", "Vendel"};
inline constexpr Text Minimize{" Minimizar ", " Minimize "};
inline constexpr Text CloseProgram{" Cerrar ", " Close "};
inline constexpr Text DataFolderUnusable{"No se puede usar la carpeta de datos",
                                         "The data folder cannot be used"};

// Note lines
inline constexpr Text NoneText{"(Ninguno)", "(None)"};
inline constexpr Text DefaultItem{"ARTÍCULO", "ITEM"};
inline constexpr Text Of{" de ", " of "};
inline constexpr Text Free{"gratis", "free"};
inline constexpr Text Cancelled{"CANCELADO", "CANCELLED"};
inline constexpr Text PercentDiscount{"% de descuento", "% discount"};
inline constexpr Text AmountDiscount{" de descuento", " discount"};
inline constexpr Text PercentInterest{"% de interés", "% interest"};
inline constexpr Text AmountInterest{" de interés", " interest"};
inline constexpr Text ReplayInterest{" de inter", " interest"};

// Tabs
inline constexpr Text RecordTab{"Registro", "Record"};
inline constexpr Text NewTab{"(nuevo)", "(new)"};

// Messages of the sale
inline constexpr Text EditingRefusal{"No puede usar las notas mientras está editando alguno.",
                                     "You can't use the notes while you are editing any."};
inline constexpr Text FreeItemQuestion{"Agregará un artículo como \"gratis\" a la nota, ¿desea continuar?",
                                       "It will add an article as \"free\" to the note, would you continue?"};
inline constexpr Text CurrencyOnlyBefore{"Sólo se puede cambiar la moneda antes de comenzar a registrar.",
                                         "You can only change the currency before you start recording."};
inline constexpr Text CancelCurrentFirst{"Primero cancele la operación de la nota actual.",
                                         "First cancel the operation of the actual note."};
inline constexpr Text CompleteRecordFirst{"Primero complete la operación de la nota de registro.",
                                          "First complete the operation of the record note."};
inline constexpr Text NotEnough{"Insuficiente", "Not enough"};
inline constexpr Text NoChange{"Sin cambio", "Not change"};
inline constexpr Text VeryHighCash{"Está escribiendo una cantidad muy alta de EFECTIVO.",
                                   "You are writing a very high amount of CASH."};
inline constexpr Text PrintTicketQuestion{"¿Desea imprimir el ticket?", "Do you want to print the ticket?"};
inline constexpr Text CustomerCopyQuestion{"¿Desea imprimir una copia para el cliente?",
                                           "Do you want to print a copy for the customer?"};
inline constexpr Text HighestValuePrompt{"La denominación más alta en su moneda",
                                         "The highest value in its currency"};
inline constexpr Text WarnWhenPrompt{"Advertir cuando haya", "Warn when there is"};
inline constexpr Text DiscountPrompt{"Agregar descuento de ... (ej. '20' ó '5%')",
                                     "Add discount %... (a.e. '20' ó '5%')"};
inline constexpr Text InterestPrompt{"Agregar interés de ... (ej. '20' ó '5%')",
                                     "Add interest ... (a.e. '20' ó '5%')"};
inline constexpr Text CancelLine{"Cancelar", "Cancel"};
inline constexpr Text EditWarning{
    "Solamente cambie nombres y valores para un buen funcionamiento del programa.",
    "Only change names and values for a good operation of the program."};

// Files and the day
inline constexpr Text ConfigSaveFailed{"No se pudo guardar la configuración, intente más tarde.",
                                       "Could not save your settings, try again later."};
inline constexpr Text RegisterSaveFailed{"No se pudo guardar el registro del día, intente más tarde.",
                                         "Could not save the day register, try again later."};
inline constexpr Text MidnightWarning{
    "Falta poco para la medianoche, se recomienda imprimir el registro antes de que finalice el día.",
    "Lack little to midnight, you should print the registry before the day ends."};
inline constexpr Text NewDay{
    "Hoy comienza otro día, los registros de ayer se guardarán y el resto se podrá seguir usando.",
    "Today begins another day, the registry of yesterday will be saved and the rest may still be used."};
inline constexpr Text RegisterPrefix{"VENTAS #", "SALES #"};

// Register keywords
inline constexpr Text EntryWord{"INGRESO", "ENTRY"};
inline constexpr Text WithdrawalWord{"RETIRO", "WITHDRAWAL"};
inline constexpr Text CardWord{"TARJETA", "CARD"};
inline constexpr Text OpenCash{"CAJA ABIERTA", "OPEN CASH"};

// Item list
inline constexpr Text ItemListFile{"VL Lista.txt", "VL List.txt"};
inline constexpr Text NoItems{"No hay elementos.", "No items."};
inline constexpr Text NoMatches{"No hay coincidencias.", "No matches."};
inline constexpr Text NoListOffer{"No hay una lista de artículos, ¿desea crear uno?",
                                  "No list of items, would you like to create one?"};
inline constexpr Text FileCreateFailed{"No se pudo crear el archivo, intente más tarde.",
                                       "The file could not be created, try again later."};

inline constexpr Text DefaultListLine{"[10] ARTÍCULO ", "[10] ITEM "};
inline constexpr Text LookupItem{"Artículo:", "Item:"};
inline constexpr Text LookupNoMatches{"No hay coincidencias, intente con otra búsqueda.",
                                      "No matches, try another search."};

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

// Shop and tickets
inline constexpr Text MyBusiness{"Mi negocio", "My business"};
inline constexpr Text TooltipPhone{" | Tel ", " | Phone "};
inline constexpr Text DefaultLegend{"¡Gracias por su preferencia!", "Thanks for your preference!"};

// Captions the counter itself changes
inline constexpr Text PriceTitle{" &PRECIO", " &PRICE"};

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

// ---- Main window menu ----
inline constexpr Text MenuReg{"Registro", "Record"};
inline constexpr Text MenuAdd{"Ingreso de dinero (+)", "Cash entry (+)"};
inline constexpr Text MenuQuit{"Retiro de dinero (-)", "Cash withdawel (-)"};
inline constexpr Text MenuCut{"Suma de entradas y salidas", "Sum of inflows and outflows"};
inline constexpr Text MenuCount{"Contar ventas", "Count sales"};
inline constexpr Text MenuGroup2{"Pagos con tarjeta", "Card payments"};
inline constexpr Text MenuSumCard{"Suma de ingresos con tarjeta", "Sum of card entries"};
inline constexpr Text MenuNumbCard{"Contar ingresos con tarjeta", "Count card entries"};
inline constexpr Text MenuCard{"Ingreso simple con tarjeta", "Simple card entry"};
inline constexpr Text MenuCutZ{"Imprimir registro y total", "Print registry and total"};
inline constexpr Text MenuPrintSimple{"Simple", "Simple"};
inline constexpr Text MenuPrintCut{"Cortar", "Split"};
inline constexpr Text MenuGral{"Notas", "Notes"};
inline constexpr Text MenuCancelAll{"Borrar operación", "Delete operation"};
inline constexpr Text MenuEditNote{"Editar nota", "Edit note"};
inline constexpr Text MenuBack{"Regresar a la nota de registro", "Back to record note"};
inline constexpr Text MenuTicket{"Imprimir tickets", "Print tickets"};
inline constexpr Text MenuDouble{"Imprimir doble ticket", "Print double ticket"};
inline constexpr Text MenuWhereTicket{"Serie de ticket", "Number of ticket"};
inline constexpr Text MenuList{"Inventario", "Inventory"};
inline constexpr Text MenuSeeStock{"Inventario visible", "Visible stock"};
inline constexpr Text MenuCountAll{"Valor de todo", "Value of all"};
inline constexpr Text MenuEditList{"Editar inventario", "Edit inventory"};
inline constexpr Text MenuRaise{"Subir precios (+)", "Raise price (+)"};
inline constexpr Text MenuLower{"Bajar precios (-)", "Lower price (-)"};
inline constexpr Text MenuExtra{"Datos", "Data"};
inline constexpr Text MenuButton1{"Manual", "Manual"};
inline constexpr Text MenuButton2{"Consejo", "Advice"};
inline constexpr Text MenuButton3{"Calculadora", "Calculator"};
inline constexpr Text MenuPrintInfo{"Imprimir datos del negocio", "Print business info"};
inline constexpr Text MenuHangCash{"Limite de efectivo", "Cash limit"};
inline constexpr Text MenuBigCash{"Denominación más alta", "Highest value"};
inline constexpr Text MenuCurrency{"Divisa", "Currency"};
inline constexpr Text MenuOpc{"Importe", "Amount"};
inline constexpr Text MenuGroup{"Hacer descuento", "Give discount"};
inline constexpr Text MenuDesc5{"Hacer 5% de descuento ", "Make a 5% discount"};
inline constexpr Text MenuDesc10{"Hacer 10% de descuento", "Make a 10% discount"};
inline constexpr Text MenuDesc15{"Hacer 15% de descuento", "Make a 15% discount"};
inline constexpr Text MenuDescx{"Hacer otro descuento", "Make a another discount"};
inline constexpr Text MenuIVA{"Agregar interés o IVA", "Add interest or tax"};
inline constexpr Text MenuMoneyIn{"Pago con...", "Pay with..."};
inline constexpr Text MenuCashIn{"Efectivo", "Cash"};
inline constexpr Text MenuCardIn{"Tarjeta", "Card"};
inline constexpr Text MenuDel{"Cancelar artículo", "Cancel item"};

} // namespace Texts
