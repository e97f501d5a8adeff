// chanforge-cli as a function: the program's whole work for one command line, so that tests
// can run it in their own process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

/// Parses args (args[0] names the program, as argv does), runs the command and returns the
/// exit status; what the program prints goes to out and err.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace cli
