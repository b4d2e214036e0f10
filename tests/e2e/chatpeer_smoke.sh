#!/usr/bin/env bash
# Smoke test of the stand-in chat windows under Wine: finds them the way the assistant does,
# posts code-page-932 characters and the send command, and checks transcript and log.
# Usage: tests/e2e/chatpeer_smoke.sh [path/to/chatpeer.exe]   (default build/win32/chatpeer.exe)
# Prints PASS/FAIL lines, then "N passed, M failed"; exits 0 only when all pass.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
peer="$(realpath "${1:-$root/build/win32/chatpeer.exe}")"
. "$root/scripts/wine_env.sh"

work="$(mktemp -d "${TMPDIR:-/tmp}/chatpeer-smoke.XXXXXX")"
xvfb=""
cleanup() {
  WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The probe: a Windows program that looks for the windows exactly as the assistant will.
cat > "$work/probe.cpp" <<'EOF'
#include <windows.h>
#include <cstdio>
#include <cstring>
static int failures = 0;
static void Check(bool ok, const char* what) {
  std::printf("%s %s\n", ok ? "PASS" : "FAIL", what);
  if (!ok) ++failures;
}
static void Text(HWND h, char* buf, int n) { buf[0] = 0; if (h) SendMessageA(h, WM_GETTEXT, n, (LPARAM)buf); }
static void Type(HWND h) {
  // 'a', half-width katakana 'ｱ', ideographic space, 'あ'.
  const unsigned long codes[] = {0x61, 0xB1, 0xFFFF8140ul, 0xFFFF82A0ul};
  for (unsigned long c : codes) PostMessageA(h, WM_IME_CHAR, c, 0);
}
static const char kExpected[] = "me: a\xB1\x81\x40\x82\xA0";
int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  char buf[512], cls[64];
  if (!std::strcmp(mode, "plain")) {
    HWND f = FindWindowExA(0, 0, "IEFrame", 0);
    HWND v = FindWindowExA(f, 0, "Shell DocObject View", 0);
    HWND s = FindWindowExA(v, 0, "Internet Explorer_Server", 0);
    Check(f && v && s, "plain page: frame, view and page found");
    Check(s && !FindWindowExA(s, 0, "#32770", 0), "plain page: no dialog on the page");
    PostMessageA(f, WM_CLOSE, 0, 0);
    return failures ? 1 : 0;
  }
  HWND f = FindWindowExA(0, 0, "IEFrame", 0);
  HWND v = FindWindowExA(f, 0, "Shell DocObject View", 0);
  HWND s = FindWindowExA(v, 0, "Internet Explorer_Server", 0);
  HWND d = FindWindowExA(s, 0, "#32770", 0);
  HWND atl = FindWindowExA(d, 0, "ATL:3723F798", 0);
  HWND in = FindWindowExA(atl, 0, "MSNChatEdit4", 0);
  HWND send = FindWindowExA(d, 0, "SubclassButton", 0);
  Check(f && v && s && d && atl && in && send, "chat: all windows found");
  GetClassNameA(d, cls, sizeof cls);
  Check(!std::strcmp(cls, "#32770"), "chat: dialog class is #32770");
  Text(send, buf, sizeof buf);
  Check(!std::strcmp(buf, "\x94\xAD\x8C\xBE"), "chat: send button reads 発言");
  Text(GetWindow(atl, GW_HWNDLAST), buf, sizeof buf);
  Check(!std::strcmp(buf, "\x83\x8D\x83\x72\x81\x5B\x30\x31"), "chat: lowest sibling names the room");
  Type(in);
  Sleep(300);
  Text(in, buf, sizeof buf);
  Check(!std::strcmp(buf, kExpected + 4), "chat: input holds the typed text");
  PostMessageA(d, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(send), BN_CLICKED), 0);
  Sleep(300);
  Text(FindWindowExA(d, 0, "Edit", 0), buf, sizeof buf);
  Check(!std::strcmp(buf, kExpected), "chat: the send command moves the text to the transcript");
  Text(in, buf, sizeof buf);
  Check(buf[0] == 0, "chat: input is empty after sending");

  HWND im = FindWindowExA(0, 0, "IMWindowClass", 0);
  HWND imSend = FindWindowExA(im, 0, "button", 0);
  Check(im && imSend, "messenger: window and send button found");
  Type(im);
  Sleep(300);
  PostMessageA(im, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(imSend), BN_CLICKED), 0);
  Sleep(300);
  Text(FindWindowExA(im, 0, "Edit", 0), buf, sizeof buf);
  Check(!std::strcmp(buf, kExpected), "messenger: characters posted to the window reach the transcript");

  PostMessageA(f, WM_CLOSE, 0, 0);
  PostMessageA(im, WM_CLOSE, 0, 0);
  return failures ? 1 : 0;
}
EOF
passed=0
failed=0
result() {
  echo "$1"
  case "$1" in PASS*) passed=$((passed + 1)) ;; *) failed=$((failed + 1)) ;; esac
}

if ! i686-w64-mingw32-g++ -O1 -static -o "$work/probe.exe" "$work/probe.cpp"; then
  echo "FAIL probe build"; echo "0 passed, 1 failed"; exit 1
fi
[ -f "$peer" ] || { echo "FAIL no $peer"; echo "0 passed, 1 failed"; exit 1; }

start_xvfb 70 -screen 0 1280x1024x24 || { echo "FAIL Xvfb"; echo "0 passed, 1 failed"; exit 1; }
xvfb=$XVFB_PID
make_prefix "$work/prefix"

# One run: start the peer, wait until it says it is ready, probe, and expect it to exit.
run() {
  local name="$1" mode="$2"
  shift 2
  local log="$work/$name.log"
  wine "$peer" --log "$log" "$@" >/dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 200); do grep -q '"all-ready"' "$log" 2>/dev/null && break; sleep 0.1; done
  while IFS= read -r line; do result "$line ($name)"; done < <(wine "$work/probe.exe" "$mode" 2>/dev/null | tr -d '\r')
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    result "FAIL peer exits when its windows close ($name)"
    kill "$pid" 2>/dev/null
  else
    result "PASS peer exits when its windows close ($name)"
  fi
  if [ "$mode" != plain ]; then
    for role in chat-dialog im-window; do
      if grep -q "\"role\":\"$role\",\"msg\":\"sent\".*\"text\":\"aｱ　あ\"" "$log"; then
        result "PASS log: $role sent the text ($name)"
      else
        result "FAIL log: $role sent the text ($name)"
      fi
    done
  fi
}

run ansi chat
run unicode chat --unicode
run plain plain --plain-page

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
