#include "AutoTurns.h"

namespace tolvanis {

void AutoTurns::RunAutoTurns() {}
void AutoTurns::ChooseColor(int) {}
void AutoTurns::WaitPlaySpeed() {}

}  // namespace tolvanis
