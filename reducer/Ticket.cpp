#include "reducer/Ticket.h"

namespace reducer {

Ticket Ticket::ofSet(engine::BetMask mask) {
    Ticket ticket;
    for (int number = 1; number <= 11; ++number) {
        if ((mask >> (number - 1)) & 1u)
            ticket.numbers[ticket.size++] = static_cast<std::uint8_t>(number);
    }
    return ticket;
}

Ticket Ticket::ofOrder(std::initializer_list<int> numbers) {
    Ticket ticket;
    for (int number : numbers) ticket.numbers[ticket.size++] = static_cast<std::uint8_t>(number);
    return ticket;
}

std::string ticketText(const Ticket& ticket, char separator) {
    std::string text;
    for (int i = 0; i < ticket.size; ++i) {
        if (i > 0) text += separator;
        text += static_cast<char>('0' + ticket.numbers[i] / 10);
        text += static_cast<char>('0' + ticket.numbers[i] % 10);
    }
    return text;
}

engine::Publication publishTickets(const std::vector<Ticket>& tickets, char separator) {
    std::vector<std::string> lines;
    lines.reserve(tickets.size());
    for (const auto& ticket : tickets) lines.push_back(ticketText(ticket, separator));
    return engine::publishLines(std::move(lines));
}

}  // namespace reducer
