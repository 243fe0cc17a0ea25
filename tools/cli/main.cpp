#include "CliCommands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    LocalClock clock;
    int status = RunCli(args, std::cout, std::cerr, clock);
    // A reading that never reached its file (a full disk) is no success.
    if (!std::cout.flush()) {
        std::cerr << "oracline-cli: cannot write the output\n";
        return 1;
    }
    return status;
}
