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
echo "one game at a time: ok"
