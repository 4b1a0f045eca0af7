// What the menu commands do to the game.
#include "Engine.h"

namespace tolvanis {

void Engine::CommandNewDeal() {}
void Engine::CommandNumberOfPlayers(int) {}
void Engine::CommandRandomStart() {}
void Engine::CommandFirstPlayerStart() {}
void Engine::CommandAllHuman() {}
void Engine::CommandAllAutoPause() {}
void Engine::CommandAllAutoNoPause() {}
void Engine::CommandSoundOn() {}
void Engine::CommandHelp() {}
void Engine::CommandAbout() {}
void Engine::CommandExit() {}
void Engine::SpeedChanged(int, int) {}

}  // namespace tolvanis
