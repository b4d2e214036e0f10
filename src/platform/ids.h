// The names of the main window's controls and menu items, as the ports and the behaviour
// use them. What each one is (kind, caption, place) lives in the tables of app/controls.h.
#pragma once

namespace sorelka {

// In the order the window creates them: top-level controls first, then each frame's.
enum class Ctl : int {
  ActivatCheck, Frame2, Status, Frame4, Frame1, StatusIcon0, StatusIcon1, StatusIcon2, Label3,
  // in Frame2
  Footer, Header, PlusWord, Label2_1, Default, SAKASA, AA, Limit, Wait, Label4, EveryWord,
  // in Frame4
  Send, Message, SendNow, Label7,
  // in Frame1
  SkelReset, SkelOption1, SkelOption0, Slider, Label1, Label2_0,
  Count
};
constexpr int kControlCount = static_cast<int>(Ctl::Count);

enum class Menu : int { Menu, Skeleton, Info, Help, End, GoHome, SendMenu, SendHelp, Count };

}  // namespace sorelka
