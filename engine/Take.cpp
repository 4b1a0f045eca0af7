// Taking cards from the pile.
#include "Engine.h"

namespace tolvanis {

void Engine::OnMessageClick(int) {}
void Engine::TakeCards(int, int) {}
void Engine::TakeFromPile(int) {}
void Engine::PassTurnAfterTake() {}

}  // namespace tolvanis
