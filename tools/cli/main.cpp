#include "CliCommands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    LocalClock clock;
    int status = RunCli(args, std::cout, std::cerr, clock);
    std::cout.flush();
    return status;
}
