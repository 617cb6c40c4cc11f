// A core source that includes command-line code.
#include "cli/Command.h"
