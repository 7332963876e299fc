#include "PastTicket.h"

#include "core/note/NoteLines.h"

namespace PastTicket {

TicketPrinter::Sale saleOf(const SalesDay::PastSale& sale) {
    TicketPrinter::Sale ticket;
    ticket.itemText = NoteLines::ticketText(sale.lines + QStringList{sale.totalLine}, -1);
    ticket.totalLine = sale.totalLine;
    ticket.timeText = sale.row.time;
    ticket.symbol = sale.symbol;
    ticket.paidByCard = sale.row.card;
    return ticket;
}

} // namespace PastTicket
