#pragma once

#include "core/base/Ports.h"

#include <memory>

// The printer the counter is given: it hands every job to the printer chosen at that moment, so a new
// choice in the printer settings takes effect from the next job without a restart. A job under way
// keeps its printer until it ends.
class CurrentPrinter : public Printer {
public:
    void set(std::unique_ptr<Printer> printer) { m_printer = std::move(printer); }
    Printer* get() const { return m_printer.get(); }

    bool print(const PrintDocument& document) override {
        const std::shared_ptr<Printer> printer = m_printer;
        return printer && printer->print(document);
    }
    bool openDrawer() override {
        const std::shared_ptr<Printer> printer = m_printer;
        return printer && printer->openDrawer();
    }
    int columns() const override { return m_printer ? m_printer->columns() : Printer::columns(); }

private:
    std::shared_ptr<Printer> m_printer;
};
