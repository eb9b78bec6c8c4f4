#!/usr/bin/env bash
# Two games on one data folder: the first plays, the second says so in one line and exits with
# status 1; once the first is gone (even killed), the next start plays again.
set -u
app=$1
home=$(mktemp -d)
trap 'kill "$first" 2>/dev/null; rm -rf "$home"' EXIT
export XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config QT_QPA_PLATFORM=offscreen
lock="$XDG_DATA_HOME/Final Table Hold'em/running.lock"

"$app" >/dev/null 2>&1 &
first=$!
for _ in $(seq 200); do [ -s "$lock" ] && break; sleep 0.05; done
[ -s "$lock" ] || { echo "the first game took no lock"; exit 1; }

err=$(timeout 30 "$app" 2>&1 >/dev/null)
rc=$?
[ "$rc" = 1 ] || { echo "second game: exit status $rc, not 1"; exit 1; }
[ "$(printf '%s\n' "$err" | wc -l)" = 1 ] && [[ $err == *"already running"* ]] ||
  { echo "second game: not one clear line: '$err'"; exit 1; }
kill -0 "$first" 2>/dev/null || { echo "the first game did not keep playing"; exit 1; }

# Killed outright, the first leaves its lock behind; the next start takes it over.
kill -KILL "$first"
wait "$first" 2>/dev/null
timeout 3 "$app" >/dev/null 2>&1
rc=$?
[ "$rc" = 124 ] || { echo "after the first was killed, a new game did not play (status $rc)"; exit 1; }

# A lock left by a crash in a folder the game may not write is no game running: the game says
# what failed and plays. (Needs a mount namespace of its own for the read-only folder.)
data="$XDG_DATA_HOME/Final Table Hold'em"
[ -s "$lock" ] || { echo "the game stopped by timeout left no lock to test with"; exit 1; }
if unshare -m true 2>/dev/null; then
  err=$(unshare -m bash -c 'mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" "$1" &&
                            exec timeout 3 "$2"' _ "$data" "$app" 2>&1 >/dev/null)
  rc=$?
  [ "$rc" = 124 ] || { echo "read-only folder with a stale lock: status $rc, not playing: '$err'"; exit 1; }
  [[ $err != *"already running"* && $err == *"lock cannot be taken"* ]] ||
    { echo "read-only folder with a stale lock: '$err'"; exit 1; }
fi
echo "one game at a time: ok"
