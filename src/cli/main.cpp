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
    // A full disk or a closed pipe must not pass for success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fputs("zentaro-cli: cannot write the output\n", stderr);
        return cli::kExitOutputFailed;
    }
    return outcome.status;
}
