#pragma once
// Text faces of the time synchronisation:
//   norvane --check-time [SERVER]   one exchange, printed; never sets the clock
//   norvane --sync [SERVER]         sets the PC clock as the window does
// SERVER defaults to the stored "Time\Server". On success both print one line
//   server=HOST:PORT stratum=N offset_ms=X delay_ms=Y
// (X positive when the PC clock is behind the server).
#include <iosfwd>
#include <string>
#include <vector>

#include "core/timesync/sntp_client.h"

namespace norvane {

// args[0] is the program, args[1] the command. --check-time returns 0 for a
// valid reply, 1 for a disregarded or missing one, 2 for a bad argument or a
// network error; --sync 0 when the clock was set, 1 when it was not, 2 for a bad
// argument. Every failure writes one line to `err`.
int RunCheckTimeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSyncCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The line printed for an exchange.
std::string ExchangeLine(const SntpExchange& exchange);

}  // namespace norvane
