#include "WindowRig.h"
#include "ui/calc/CalcWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace {

struct Caption {
    const char* name;
    bool tip; // the tooltip, otherwise the caption
    const char* es;
    const char* en;
    bool required = true; // false: a widget of a panel that may not be there yet
};

// The main window's widgets, in both languages.
const Caption kWindow[] = {
    {"lblCalc", true, " Abrir calculadora incluída (F3) ", " Open included calculator (F3) "},
    {"lblCalc", false, "CALCUL.", "CALCUL."},
    {"lblHelp", false, "MANUAL", "MANUAL"},
    {"lblMyTip", false, "CONSEJO", "ADVICE"},
    {"lblMyTip", true, " Consejo sobre qué hacer (F2) ", " Advice on what to do (F2) "},
    {"lblHelp", true, " Ayuda con programa (F1) ", " Help program (F1) "},
    {"lblTitle4", false, " &CANTIDAD", " &QUANTITY"},
    {"lblTitle5", false, " &DESCRIPCIÓN", " &DESCRIPTION"},
    {"lblTitle6", false, " DESCUENTO", " DISCOUNT"},
    {"lblTitle7", false, " &PRECIO", " &PRICE"},
    {"txtDato1", true, " Cantidad (C) ", " Quantity (Q) "},
    {"txtDato2", true, " Descripción (D) ", " Description (D) "},
    {"txtDato3", true, " Descuento (%) ", " Discount (%) "},
    {"txtDato4", true, " Precio (P) ", " Price (P) "},
    {"txtDato2", false, "(Ninguno)", "(None)"},
    {"lblMoney0", true, " Cambiar moneda ", " Change currency "},
    {"lblButton0", true, " Agregar a nota ", " Add to note "},
    {"lblTask0", false, "Registro", "Record"},
    {"lblTask1", false, "(nuevo)", "(new)"},
    {"lblTask0", true, " Pestaña de registro ", " Record tab "},
    {"lblTask1", true, " Pestaña #2 ", " Tab #2 "},
    {"lblTask2", true, " Pestaña #3 ", " Tab #3 "},
    {"lblTask3", true, " Pestaña #4 ", " Tab #4 "},
    {"lblTask4", true, " Pestaña #5 ", " Tab #5 "},
    {"lstNote0", true, " Nota de registro ", " Record note "},
    {"lstNote1", true, " Nota #2 ", " Note #2 "},
    {"lstNote2", true, " Nota #3 ", " Note #3 "},
    {"lstNote3", true, " Nota #4 ", " Note #4 "},
    {"lstNote4", true, " Nota #5 ", " Note #5 "},
    {"lblFinder", false, " Búsqueda ", " Search"},
    {"lblFinder", true, " Buscador (B) ", " Search (H) "},
    {"txtFinder", true, " Buscador (B) ", " To find (F) "},
    {"lstItem1", true, " Lista de artículos (L) ", " List items (L) "},
    {"lblButton1", false, "&Guardar", "&Save", false},
    {"lblButton2", false, "Ce&rrar", "Cl&ose", false},
    {"lblButton3", false, "&Buscar", "&Find", false},
    {"txtFindEdit", true, " Buscar (Ctrl+B) ", " To find (Ctrl+F) ", false},
    {"lblButton1", true, " Guardar (Ctrl+G) ", " Save (Ctrl+S) ", false},
    {"lblButton2", true, " Cerrar edición (Ctrl+R) ", " Close (Ctrl+O) ", false},
    {"lblTitle3", false, "EDITANDO", "EDITANDO", false},
    {"lblTitle0", false, " IMPORTE", " AMOUNT"},
    {"lblTitle1", false, " EFECTIVO", " CASH"},
    {"lblTitle2", false, " CAMBIO", " CHANGE"},
    {"lblTotal1", true,
     " Checa el menú Importe para elegir pagar con tarjeta, abrir menú de descuentos y demás ",
     " Check the menu Amount to choose to pay with credit card, open discounts menu and others "},
    {"txtTotal2", true, " Efectivo recibido (F12) ", " Cash received (F12) "},
    {"lblTotal3", true, " Clic para finalizar ", " Click to finish "},
    {"lblDrag", true, " Arrastrar para mover todo ", " Drag to move everything "},
};

// The menu tree, in menu order within each menu (entries of other menus may sit between them).
const Caption kMenus[] = {
    {"mnuReg", false, "Registro", "Record"},
    {"mnuAdd", false, "Ingreso de dinero (+)", "Cash entry (+)"},
    {"mnuQuit", false, "Retiro de dinero (-)", "Cash withdawel (-)"},
    {"mnuCut", false, "Suma de entradas y salidas", "Sum of inflows and outflows"},
    {"mnuCount", false, "Contar ventas", "Count sales"},
    {"mnuGroup2", false, "Pagos con tarjeta", "Card payments"},
    {"mnuSumCard", false, "Suma de ingresos con tarjeta", "Sum of card entries"},
    {"mnuNumbCard", false, "Contar ingresos con tarjeta", "Count card entries"},
    {"mnuCard", false, "Ingreso simple con tarjeta", "Simple card entry"},
    {"mnuCutZ", false, "Imprimir registro y total", "Print registry and total"},
    {"mnuPrintSimple", false, "Simple", "Simple"},
    {"mnuPrintCut", false, "Cortar", "Split"},
    {"mnuGral", false, "Notas", "Notes"},
    {"mnuCancelAll", false, "Borrar operación", "Delete operation"},
    {"mnuEditNote", false, "Editar nota", "Edit note"},
    {"mnuBack", false, "Regresar a la nota de registro", "Back to record note"},
    {"mnuTicket", false, "Imprimir tickets", "Print tickets"},
    {"mnuDouble", false, "Imprimir doble ticket", "Print double ticket"},
    {"mnuWhereTicket", false, "Serie de ticket", "Number of ticket"},
    {"mnuList", false, "Inventario", "Inventory"},
    {"mnuSeeStock", false, "Inventario visible", "Visible stock"},
    {"mnuCountAll", false, "Valor de todo", "Value of all"},
    {"mnuEditList", false, "Editar inventario", "Edit inventory"},
    {"mnuPriceChg0", false, "Subir precios (+)", "Raise price (+)"},
    {"mnuPriceChg1", false, "Bajar precios (-)", "Lower price (-)"},
    {"mnuExtra", false, "Datos", "Data"},
    {"mnuButton1", false, "Manual", "Manual"},
    {"mnuButton2", false, "Consejo", "Advice"},
    {"mnuButton3", false, "Calculadora", "Calculator"},
    {"mnuPrintInfo", false, "Imprimir datos del negocio", "Print business info"},
    {"mnuPrinter", false, "Impresora…", "Printer…"},
    {"mnuHangCash", false, "Limite de efectivo", "Cash limit"},
    {"mnuBigCash", false, "Denominación más alta", "Highest value"},
    {"mnuCurrency", false, "Divisa", "Currency"},
    {"mMoneda0", false, "$", "$"},
    {"mMoneda1", false, "€", "€"},
    {"mMoneda2", false, "£", "£"},
    {"mnuOpc", false, "Importe", "Amount"},
    {"mnuGroup", false, "Hacer descuento", "Give discount"},
    {"mnuDesc5", false, "Hacer 5% de descuento ", "Make a 5% discount"},
    {"mnuDesc10", false, "Hacer 10% de descuento", "Make a 10% discount"},
    {"mnuDesc15", false, "Hacer 15% de descuento", "Make a 15% discount"},
    {"mnuDescx", false, "Hacer otro descuento", "Make a another discount"},
    {"mnuIVA", false, "Agregar interés o IVA", "Add interest or tax"},
    {"mnuMoneyIn", false, "Pago con...", "Pay with..."},
    {"mnuCashIn", false, "Efectivo", "Cash"},
    {"mnuCardIn", false, "Tarjeta", "Card"},
};

const Caption kCalculator[] = {
    {"Pop1", false, "Opciones", "Options"},
    {"mCopy", false, "Copiar", "Copy"},
    {"mPaste", false, "Pegar", "Paste"},
    {"mList", false, "Mostrar historial", "Show history"},
    {"mErase", false, "Borrar historial", "Delete history"},
    {"Pop2", false, "Funciones", "Functions"},
    {"mRaiz", false, "Raíz cuadrada", "Square root"},
    {"mNeg", false, "Invertir +/-", "Reverse +/-"},
    {"mDel", false, "Borrar todo", "Delete all"},
    {"lblM0", true, " Ver memoria (M) ", " See memory (M) "},
    {"lblM1", true, " Sumar a memoria (K) ", " Adding memory (K) "},
    {"lblM2", true, " Restar a memoria (J) ", " Subtract memory (J) "},
    {"lblF0", true, " Igual (=, Intro) ", " Equal (=, Intro) "},
    {"lblF1", true, " Corregir (Atrás) ", " Correct (Back) "},
    {"lblF2", true, " Corregir (Atrás) ", " Correct (Back) "},
    {"lblF3", true, " Porcentaje (%) ", " Percent (%) "},
    {"lblF4", true, " Izquierda ", " Left "},
    {"lblF5", true, " Derecha ", " Right "},
    {"lblF6", true, " Borrar (Supr) ", " Delete (Del) "},
    {"lblO0", true, " Dividir (/) ", " Divide (/) "},
    {"lblO1", true, " Multiplicar (*) ", " Multiply (*) "},
    {"lblO2", true, " Restar (-) ", " Subtract (-) "},
    {"lblO3", true, " Sumar (+) ", " Add (+) "},
    {"lblN10", true, " Separador decimal ", " decimal separator "},
};

// What an object shows: a menu's title, an entry's or a label's text, or its tooltip.
QString shown(const QObject* o, bool tip) {
    if (const auto* menu = qobject_cast<const QMenu*>(o)) return tip ? menu->toolTip() : menu->title();
    if (const auto* action = qobject_cast<const QAction*>(o)) return tip ? action->toolTip() : action->text();
    if (const auto* widget = qobject_cast<const QWidget*>(o)) {
        if (tip) return widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(o)) return label->text();
    }
    return o->property("text").toString();
}

// Every entry of the table that is there shows its text in the language; a required one must be there.
template <std::size_t N> QStringList compare(const QObject& root, const Caption (&table)[N], bool english) {
    QStringList faults;
    for (const Caption& c : table) {
        const QObject* o = root.findChild<QObject*>(QLatin1String(c.name));
        if (!o) {
            if (c.required) faults << QStringLiteral("%1 missing").arg(QLatin1String(c.name));
            continue;
        }
        const QString expected = QString::fromUtf8(english ? c.en : c.es);
        const QString got = shown(o, c.tip);
        if (got != expected)
            faults << QStringLiteral("%1 %2: \"%3\" instead of \"%4\"")
                          .arg(QLatin1String(c.name),
                               c.tip ? QStringLiteral("tooltip") : QStringLiteral("caption"), got, expected);
    }
    return faults;
}

} // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void language_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("english");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("es") << "es" << false;
        QTest::newRow("en lowercase") << "en" << false;
        QTest::newRow("EN") << "EN" << true;
    }

    void language() {
        QFETCH(QString, code);
        QFETCH(bool, english);
        WindowRig rig;
        MainWindow& window = rig.open(code);
        const QStringList faults = compare(window, kWindow, english) + compare(window, kMenus, english);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

        CalcWindow calculator{Language(code), ThemePalette()};
        const QStringList calcFaults = compare(calculator, kCalculator, english);
        QVERIFY2(calcFaults.isEmpty(), qPrintable(calcFaults.join(u'\n')));
        QCOMPARE(calculator.windowTitle(), QStringLiteral("Calculadora"));
    }

    // The entries of each menu come in the order of the menu tree.
    void menuOrder() {
        WindowRig rig;
        MainWindow& window = rig.open();
        QStringList known;
        for (const Caption& c : kMenus)
            known << QLatin1String(c.name);
        QStringList walked;
        const std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
            walked << menu->objectName();
            for (const QAction* a : menu->actions()) {
                if (a->menu())
                    walk(a->menu());
                else if (known.contains(a->objectName()))
                    walked << a->objectName();
            }
        };
        for (const char* top : {"mnuReg", "mnuGral", "mnuList", "mnuExtra", "mnuOpc"})
            walk(window.findChild<QMenu*>(QLatin1String(top)));
        walked.removeAll(QString());
        QCOMPARE(walked, known);
    }
};

QTEST_MAIN(CaptionsTest)
#include "captions_test.moc"
