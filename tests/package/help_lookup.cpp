// Prints the help file that a program at the given path reads: the same
// lookup the window program makes at start, for the install checks.
#include <iostream>

#include "controls/HelpPaths.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zentaro_help_lookup EXECUTABLE\n";
        return 2;
    }
    std::cout << FindHelpFile(argv[1]) << '\n';
    return 0;
}
