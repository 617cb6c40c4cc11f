// zentaro-cli: the Zentaro engine on the command line.
#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/NumberText.h"
#include "cli/Cli.h"

int main(int argc, char** argv)
{
    // A reader that goes away (head, a closed pipe) is a write error like a
    // full disk: EPIPE from write, exit status 3, not death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    SetDecimalSeparator(SeparatorFromEnvironment());
    const std::vector<std::string> args(argv + 1, argv + argc);
    cli::FileOutput out(STDOUT_FILENO);
    std::string err;
    const int status = cli::RunCli(args, out, err);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return status;
}
