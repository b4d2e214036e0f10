// The window classes of the Internet Explorer frame, shared by the chat room and the plain page.
#pragma once

extern const wchar_t kFrameClass[];   // "IEFrame"
extern const wchar_t kViewClass[];    // "Shell DocObject View"
extern const wchar_t kServerClass[];  // "Internet Explorer_Server"

bool RegisterBrowserClasses();
