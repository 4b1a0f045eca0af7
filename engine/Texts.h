// The fixed texts the game writes into seat labels, the moves log and its sounds.
#pragma once

namespace tolvanis {

inline constexpr const char* MsgYourTurn = "your turn";
inline constexpr const char* MsgTake4 = "take 4 cards";
inline constexpr const char* MsgTake2 = "take 2 cards";
inline constexpr const char* MsgTake1 = "take 1 card";
inline constexpr const char* MsgSelectColor = "select color";
inline constexpr const char* MsgClickToPlay = "click to play";
inline constexpr const char* MsgFinished = "FINISHED";
inline constexpr const char* TxtAuto = "Auto";
inline constexpr const char* TxtHuman = "Human";
inline constexpr const char* TxtPause = "Pause";
inline constexpr const char* TxtNoPause = "NoPause";
inline constexpr const char* TxtShowCards = "ShowCards";
inline constexpr const char* TxtHideCards = "HideCards";

inline constexpr const char* SndTrade = "vrktrade";
inline constexpr const char* SndMup = "vrkmup";
inline constexpr const char* SndMenu = "Vrkmenu";
inline constexpr const char* SndErr2 = "vrkerr2";
inline constexpr const char* SndSave = "vrksave";
inline constexpr const char* SndPau = "vrkpau";
inline constexpr const char* SndExit = "vrkexit";
inline constexpr const char* SndSndOn = "vrksndon";

inline constexpr const char* HelpFile = "tolvanis.HLP";

}  // namespace tolvanis
