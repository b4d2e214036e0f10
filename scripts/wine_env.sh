# Sourced by the scripts: a Wine prefix made for the program (Japanese code page, fonts with
# Japanese glyphs, no waiting for a window manager). Usage: make_prefix DIR
make_prefix() {
  local prefix="$1"
  export WINEPREFIX="$prefix" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ -f "$prefix/.sorelka-ready" ]; then return 0; fi
  mkdir -p "$prefix"
  wineboot -i >/dev/null 2>&1
  # Without a window manager Wine waits for one each time a window closes.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # The Japanese system fonts, by the free fonts that have their glyphs.
  local face
  for face in 'MS UI Gothic' 'ＭＳ Ｐゴシック' 'MS PGothic'; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAPGothic /f >/dev/null 2>&1
  done
  for face in 'ＭＳ ゴシック' 'MS Gothic'; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAGothic /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$prefix/.sorelka-ready"
}

# A free X display number, from $1 upward.
free_display() {
  local n="${1:-90}"
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}

# Starts Xvfb on a display of its own and exports DISPLAY; XVFB_PID is the server's pid.
# Usage: start_xvfb FIRST [XVFB_ARGS...]. Tries display numbers from $SORELKA_DISPLAY when set,
# else from FIRST. A number is ours only once its lock names our server: another checkout
# starting at the same moment may take the same free number, and then one of the two servers
# exits and its script tries the next number (as the end-to-end harness does).
start_xvfb() {
  local n="${SORELKA_DISPLAY:-$1}" attempt pid
  shift
  for attempt in $(seq 20); do
    n=$(free_display "$n")
    Xvfb ":$n" "$@" -nolisten tcp >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break  # lost the race for this number
      if [ -e "/tmp/.X11-unix/X$n" ] && [ "$(tr -d ' \n' < "/tmp/.X$n-lock" 2>/dev/null)" = "$pid" ]; then
        XVFB_PID=$pid
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    n=$((n + 1))
  done
  echo "no X display could be started" >&2
  return 1
}
