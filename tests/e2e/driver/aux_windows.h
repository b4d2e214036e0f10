// Commands on the program's other top-level windows (the tip and version windows): find them
// by class and process, read their controls, the rich edit's formats, post them messages.
#pragma once
#include "commands.h"

namespace e2e {

int Top(const Target& t, const Args& a);
int WaitNone(const Target& t, const Args& a);
int Post(const Target& t, const Args& a);
int Rich(const Target& t, const Args& a);
int Windows(const Target& t, const Args& a);
int Terminate(const Target& t, const Args& a);
int SetProp(const Target& t, const Args& a);
int GetProp(const Target& t, const Args& a);

}  // namespace e2e
