// Where the game finds the files it reads at run time (sounds, the help document): the current
// folder first, then the data folder of an install tree found from the executable, then beside
// the executable, the same order the card pictures are looked up in.
#pragma once

#include <QString>

namespace tolvanis {

// The full path of the first file called `name` in the data folders; empty when none holds it.
QString FindDataFile(const QString& name);

}  // namespace tolvanis
