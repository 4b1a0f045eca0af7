// The end of a deal and its scoring.
#include "Engine.h"

namespace tolvanis {

void Engine::ScoreDeal() { State.DealOver = FlagOff; }

}  // namespace tolvanis
