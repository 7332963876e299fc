#pragma once

#include "CounterAreas.h"
#include "ScriptedPorts.h"
#include "TempShop.h"

#include <memory>

// A counter on a temporary shop with scripted ports, as the tests of the rules use it.
struct CounterRig {
    explicit CounterRig(const QString& languageCode = QString(), const QString& key = QString())
        : language(languageCode), userKey(key) {}

    // Creates the counter and runs its load; `printing`, when given, stands in for the recording printer.
    Counter& start(Printer* printing = nullptr) {
        counter = std::make_unique<Counter>(shop.path(), Language(language), userKey,
                                            Ports{dialogs, clock, printing ? *printing : printer, shell});
        counter->load();
        return *counter;
    }

    // Types an item into the entry fields and adds it.
    void add(const QString& quantity, const QString& description, const QString& price,
             const QString& discount = QStringLiteral("0")) {
        counter->fields().set(EntryFields::Quantity, quantity);
        counter->fields().set(EntryFields::Description, description);
        counter->fields().set(EntryFields::Discount, discount);
        counter->fields().set(EntryFields::Price, price);
        counter->ePreFactura();
    }

    QString registerName() const {
        return QStringLiteral("VENTAS #") + clock.at.date().toString(QStringLiteral("dd-MM-yyyy")) +
               QStringLiteral(".txt");
    }

    QString language;
    QString userKey;
    TempShop shop;
    ScriptedDialogs dialogs;
    FakeClock clock;
    RecordingPrinter printer;
    FakeShell shell;
    std::unique_ptr<Counter> counter;
};
