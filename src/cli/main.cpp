// zentaro-cli: the Zentaro engine on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "cli/Cli.h"

int main(int argc, char** argv)
{
    SetDecimalSeparator(SeparatorFromEnvironment());
    std::vector<std::string> args(argv + 1, argv + argc);
    const cli::Outcome outcome = cli::RunCli(args);
    std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
    std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
    if (std::fflush(stdout) != 0)
        return cli::kExitUsage == outcome.status ? outcome.status : 3;
    return outcome.status;
}
