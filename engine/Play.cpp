// Playing a card and passing the turn.
#include "Engine.h"

namespace tolvanis {

void Engine::OnCardMouseUp(int, int, int, double, double) {}
void Engine::CheckAndPlay(int) {}
void Engine::PlayCard() {}
void Engine::AdvanceTurn() {}
void Engine::EndOfDealWait() {}
void Engine::AfterCard() {}
void Engine::StartTurnOfCurrentSeat() {}

}  // namespace tolvanis
