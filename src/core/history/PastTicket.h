#pragma once

#include "core/history/SalesDay.h"
#include "core/printing/TicketPrinter.h"

// A sale read back from a register as its ticket prints it: its item lines up to their "=", its
// closing line, its time and payment. What the cashier received is not in the register, so the
// ticket says neither cash nor change.
namespace PastTicket {

TicketPrinter::Sale saleOf(const SalesDay::PastSale& sale);

} // namespace PastTicket
