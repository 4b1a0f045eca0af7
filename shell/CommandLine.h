// The game's command line. --help and --version are answered on the terminal without touching
// the window system, so they work over a plain shell; --check-data asks for the self-check that
// an installed game is tested with.
#pragma once

#include <QCoreApplication>

namespace tolvanis {

struct CommandLine {
    bool CheckData = false;
};

// Names the program for the desktop: the name and version shown by --version and About, and
// the desktop file name that ties the window to its menu entry and icon.
void SetApplicationIdentity();

// True when the arguments only ask for text (help or version), so no window system is needed.
bool AsksForTextOnly(int argc, const char* const* argv);

// Reads the arguments of the running application. Help, version and unknown options are
// answered on the terminal and end the program, the way QCommandLineParser does.
CommandLine ParseCommandLine(const QCoreApplication& app);

}  // namespace tolvanis
