// Command-line code that reaches a widget header.
#include "cli/Command.h"
#include "controls/Control.h"
