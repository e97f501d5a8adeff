// chanforge-cli: the channel database editor's file and transfer commands for scripts.
#include "Cli.h"
#include "CliContext.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    // Whatever escapes still ends with a message and a status, never an abort, and unwinding
    // removes the work files on its way.
    try {
        return cli::RunCli({argv, argv + argc}, std::cout, std::cerr);
    } catch (const std::exception& e) {
        return cli::Fail(std::string("Internal error: ") + e.what());
    }
}
