#!/usr/bin/env bash
# The Wine-side figures: posting cost against a bare loop, delivery into the stand-in chat
# (also when it is slow), how soon a newly activated chat window is classified, how soon a
# long message reaches the flood question, start-up, memory and idle CPU against a baseline
# window, and the CPU time of the panel's slide.
# Usage: bench/wine/run.sh [BUILD_DIR]   (default build/win32; run scripts/build first)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/win32}"
. "$root/scripts/wine_env.sh"
work=$(mktemp -d)
xvfb=""
cleanup() { wineserver -k 2>/dev/null || true; [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
start_xvfb 120 -screen 0 1280x800x24
xvfb=$XVFB_PID
make_prefix "$work/prefix"

bench() { wine "$build/wine_bench.exe" "$@" > "$work/out.json" 2>/dev/null; cat "$work/out.json"; }
wait_for() { for _ in $(seq 200); do grep -q '"all-ready"' "$1" 2>/dev/null && return 0; sleep 0.05; done; return 1; }
check_sent() {  # the chat's last "sent" text must be the bench's line of $2 characters
  python3 - "$1" "$2" <<'PY'
import json, sys
pattern = "abcXYZ 019ｱｲｳﾐﾘあいう漢字　。"
n = int(sys.argv[2])
want = (pattern * (n // len(pattern) + 1))[:n]
sent = [json.loads(l) for l in open(sys.argv[1], encoding="utf-8") if '"sent"' in l]
ok = bool(sent) and sent[-1].get("text") == want
print(f'{{"every_character_in_order": {str(ok).lower()}, "chars": {n}}}')
sys.exit(0 if ok else 1)
PY
}

echo "== posting cost: PostLine vs a bare loop of the same posts (median of 9)"
bench post 20000 9

echo "== delivery into the stand-in chat room"
wine "$build/chatpeer.exe" --chat --log "$work/peer.log" >/dev/null 2>&1 &
wait_for "$work/peer.log"
bench deliver 20000
check_sent "$work/peer.log" 20000
wineserver -k; sleep 0.5

echo "== delivery into a slow chat room (1 ms per character)"
wine "$build/chatpeer.exe" --chat --slow 1 --log "$work/slow.log" >/dev/null 2>&1 &
wait_for "$work/slow.log"
bench deliver 2000
check_sent "$work/slow.log" 2000
wineserver -k; sleep 0.5

echo "== classification latency: 50 switches between the chat room and Messenger, each at a random moment of the 50 ms polling interval"
wine "$build/chatpeer.exe" --log "$work/both.log" >/dev/null 2>&1 &
wait_for "$work/both.log"
wine "$build/sorelka.exe" >/dev/null 2>&1 &
for _ in $(seq 100); do xdotool search --name 'Sorelka 2.0 for XP' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
bench latency 50
echo "== the box read once: from Send to the flood question with 60,000 short lines (and 6)"
bench flood 60000
wineserver -k; sleep 0.5

echo "== CPU time of one slide of the translucency panel against the same time idle (5 runs)"
python3 "$root/bench/wine/slide_cpu.py" "$build"
wineserver -k; sleep 0.5

echo "== start-up, memory and idle CPU against the baseline window, its equal in windows and timers, and a bare window (5 runs)"
python3 "$root/bench/wine/footprint.py" "$build"
