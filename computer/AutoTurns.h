// The driver of computer turns: plays one computer seat after another, with a pause between
// moves, until a person or a pausing computer seat is to move or the deal ends.
#pragma once

#include "Engine.h"

namespace tolvanis {

class AutoTurns : public AutoPlayer {
  public:
    explicit AutoTurns(Engine& engine) : engine_(engine) {}
    void RunAutoTurns() override;
    void ChooseColor(int seat);
    void WaitPlaySpeed();

  private:
    Engine& engine_;
};

}  // namespace tolvanis
