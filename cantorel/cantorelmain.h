#pragma once

// The whole program behind main(): reads the command line, picks the platform
// (offscreen without a display and for the commands that show no window), and
// runs the window or one of the commands. Returns the exit code.
int CantorelMain(int argc, char *argv[]);
