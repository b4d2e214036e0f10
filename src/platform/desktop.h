// The desktop port: other programs' windows and the system, as the behaviour needs them.
// The Win32 implementation is a thin wrapper; unit tests use a fake window tree. The program's
// own message pump and clock are the event-loop port's (event_loop.h).
#pragma once
#include <array>
#include <vector>

#include "platform/types.h"

namespace sorelka {

enum class PostResult {
  Posted,     // the message is in the target's queue
  QueueFull,  // ERROR_NOT_ENOUGH_QUOTA: the target's queue is full; worth retrying
  Failed,     // any other failure (window gone, access denied): retrying will not help
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // --- windows of other programs (ANSI interface: bytes in code page 932) ---
  virtual Hwnd ForegroundWindow() = 0;
  // GetClassNameA / GetWindowTextA into a buffer of `bufferBytes`: at most bufferBytes-1 bytes,
  // taken up to the NUL. May end in half a double-byte character; CutAnsi() mends that.
  virtual Ansi ClassNameA(Hwnd window, int bufferBytes) = 0;
  virtual Ansi WindowTextA(Hwnd window, int bufferBytes) = 0;
  // FindWindowExA(parent, NULL, className, title): the first direct child that matches.
  // A null `title` matches any title.
  virtual Hwnd FindChildA(Hwnd parent, const char* className, const char* title) = 0;
  // GetWindow(window, GW_HWNDLAST): the lowest sibling in the Z order.
  virtual Hwnd LastSibling(Hwnd window) = 0;
  virtual int ControlId(Hwnd window) = 0;  // GetDlgCtrlID; 0 for none
  virtual bool IsWindow(Hwnd window) = 0;
  virtual bool IsHung(Hwnd window) = 0;    // IsHungAppWindow: not answering for a while
  virtual PostResult PostMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) = 0;
  // SendMessageTimeout(WM_NULL, SMTO_ABORTIFHUNG) within `timeoutMs`: the window's thread
  // still takes messages.
  virtual bool Answers(Hwnd window, std::uint32_t timeoutMs) = 0;
  virtual Hwnd OwnerOf(Hwnd window) = 0;          // GetWindow(GW_OWNER); 0 for none
  virtual bool IsOwnProcess(Hwnd window) = 0;     // the window belongs to this program
  // SetWindowPos(window, release ? HWND_NOTOPMOST : HWND_TOPMOST, 0,0,0,0, 0x43)
  virtual void SetTopMost(Hwnd window, bool release) = 0;

  // --- the window-alpha layer (top-level windows of any program) ---
  // What a window's layering was before the program touched it: the WS_EX_LAYERED bit and,
  // for a window layered by its own program, its own attributes. `known` is false where they
  // cannot be read (no GetLayeredWindowAttributes, or a window drawn with UpdateLayeredWindow).
  struct Layering {
    bool known = false;
    bool layered = false;
    std::uint32_t colorKey = 0;
    std::uint8_t alpha = 255;
    std::uint32_t flags = 0;  // LWA_COLORKEY 1, LWA_ALPHA 2
  };
  virtual Layering ReadLayering(Hwnd window) = 0;
  // The attributes of a layered window can be read at all (Windows 2000 cannot).
  virtual bool LayeringReadable() = 0;
  // SetLayeredWindowAttributes, which needs no answer from the window's thread; false when the
  // window is not layered, is gone, or the system cannot do it.
  virtual bool SetLayeredAttributes(Hwnd window, const Layering& attributes) = 0;
  // The WS_EX_LAYERED bit goes through the window's own thread, which may not answer: a window
  // of the calling thread is changed at once (Done, or Failed when the bit did not take);
  // another's is changed on a thread of its own (Queued), which first checks that the window
  // is still the one asked about (its process and class) and answers, and reports the outcome
  // to TakeStyleOutcomes, read back from the window's style. A window whose change is under
  // way gets no second thread: its newest request is made when the first comes back. Setting
  // the bit applies `then` right after it (a layered window without attributes is not drawn);
  // clearing it has the window redrawn. Failed: no such window, or the system cannot do it.
  struct StyleRequest {
    Hwnd window = 0;
    std::uint32_t process = 0;  // the window's process and class when it was first changed:
    Ansi className;             // a handle now naming another window is not touched
    bool layered = false;
    Layering then;
    std::uint32_t sequence = 0;  // the newest request of a window has the highest number
  };
  enum class StyleChange { Done, Queued, Failed };
  virtual StyleChange RequestLayeredStyle(const StyleRequest& request) = 0;
  enum class StyleResult {
    Done,      // the bit now reads as asked
    Refused,   // the window answered, but its bit is not what was asked
    NoAnswer,  // the window did not answer at once: nothing was changed
    Gone,      // no such window, or the handle names another window now
  };
  struct StyleOutcome {
    Hwnd window;
    std::uint32_t sequence;  // of the request this is the outcome of
    StyleResult result;
  };
  virtual std::vector<StyleOutcome> TakeStyleOutcomes() = 0;
  // From now on each outcome that becomes ready is announced to `window` with a posted
  // message, so it is taken at once rather than at the next timer tick.
  virtual void AnnounceStyleOutcomesTo(Hwnd window) = 0;
  // Blocks until every style change under way has been made or given up, or `ms` have
  // passed; false when time ran out.
  virtual bool WaitForStyleChanges(std::uint32_t ms) = 0;
  // GetWindowThreadProcessId's process; 0 for a window that is gone.
  virtual std::uint32_t WindowProcess(Hwnd window) = 0;
  virtual std::uint32_t OwnProcess() = 0;                 // GetCurrentProcessId
  virtual bool ProcessRuns(std::uint32_t process) = 0;    // a process of that id runs now
  virtual std::vector<Hwnd> TopLevelWindows() = 0;        // EnumWindows

  // The records of changes kept on the changed window itself (window properties of the
  // program's own, which any process can set): one record per instance, named by its process
  // id, so that an instance writes and removes only its own. Raw 32-bit values, 0 where one is
  // missing; their meaning and checks belong to translucency/alpha_record.h.
  static constexpr std::size_t kAlphaRecordFields = 4;
  using AlphaRecordValues = std::array<std::uint32_t, kAlphaRecordFields>;
  struct AlphaRecordEntry {
    std::uint32_t process;  // the instance that wrote it
    AlphaRecordValues values;
  };
  // False when a value could not be written (what was written is removed again).
  virtual bool WriteAlphaRecord(Hwnd window, std::uint32_t process, const AlphaRecordValues& values) = 0;
  virtual std::vector<AlphaRecordEntry> ReadAlphaRecords(Hwnd window) = 0;
  virtual void RemoveAlphaRecord(Hwnd window, std::uint32_t process) = 0;

  // --- the shell ---
  // ShellExecuteA(GetDesktopWindow(), "open", file, NULL, NULL, SW_SHOW), result ignored:
  // when no program takes the file or address, nothing is shown.
  virtual void ShellOpen(const char* file) = 0;

  // --- code page 932 (the system's ANSI code page, which may be another, UTF-8 included) ---
  // No best fit: a character without a code of its own becomes the default character '?'.
  virtual Ansi ToAnsi(TextView text) = 0;
  // True when ToAnsi(text) uses no default character: every character has a code of its own
  // (WC_NO_BEST_FIT_CHARS, lpUsedDefaultChar FALSE; where the code page takes neither, as UTF-8
  // does, the bytes convert back to the text).
  virtual bool AnsiCarries(TextView text) = 0;
  virtual Text FromAnsi(std::string_view bytes) = 0;
  virtual bool IsLeadByte(unsigned char byte) = 0;   // IsDBCSLeadByte
};

// `bytes` cut to at most `maxBytes` without leaving half a double-byte character.
inline Ansi CutAnsi(Desktop& desktop, const Ansi& bytes, std::size_t maxBytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    std::size_t width = desktop.IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    if (i + width > maxBytes || i + width > bytes.size()) break;
    i += width;
  }
  return bytes.substr(0, i);
}

}  // namespace sorelka
