// A command-line file compiled into the core.
