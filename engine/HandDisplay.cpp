// Hands on the table: laying out, covering and uncovering, the flying back and the hover lift.
#include "Engine.h"

namespace tolvanis {

void Engine::ArrangeHand(int) {}
void Engine::ShowHand(int) {}
void Engine::AnimateTake(int) {}
void Engine::HideHandPictures(int) {}
void Engine::OnCardMouseMove(int, int, int, double, double) {}
void Engine::OnBoardMouseMove() {}

}  // namespace tolvanis
