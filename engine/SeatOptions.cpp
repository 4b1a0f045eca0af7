// The seat option box.
#include "Engine.h"

namespace tolvanis {

void Engine::OnPlayerBackMouseUp(int, int, int) {}
void Engine::OpenSeatOptions(int) {}
void Engine::OnOptBoxClick(int) {}
void Engine::OnOptOk() {}
void Engine::OnOptCancel() {}

}  // namespace tolvanis
