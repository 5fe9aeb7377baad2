#!/usr/bin/env bash
# Ctrl-C in the middle of a batch: korva run ends the runs in progress, starts no other, lists
# the projects that were not run, exits with 130 and leaves no private work folder behind.
# Usage: BatchInterruptTest.sh KORVA EXAMPLES_FOLDER
set -euo pipefail
korva=$1
examples=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/korva-interrupt-test-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/projects" "$work/tmp"

# 150 copies of every example, written with the shell's own commands.
for f in "$examples"/*.kv8d; do
  text=$(<"$f")
  name=$(basename "$f" .kv8d)
  for i in $(seq 1 150); do printf '%s\n' "$text" > "$work/projects/${name}_$i.kv8d"; done
done

set -m # the batch in a job of its own, so that it receives SIGINT as from a terminal
TMPDIR="$work/tmp" "$korva" run -j 2 "$work"/projects/*.kv8d >"$work/out" 2>"$work/err" &
pid=$!
until compgen -G "$work/projects/*.kv8o" >/dev/null; do sleep 0.01; done
kill -INT "$pid"
status=0
wait "$pid" || status=$?

fail() { echo "FAIL: $*"; echo "--- stdout (end)"; tail -n 20 "$work/out"; echo "--- stderr"; cat "$work/err"; exit 1; }
[ "$status" -eq 130 ] || fail "exit status $status, expected 130"
grep -q "^Not run (the batch was stopped):$" "$work/out" || fail "no list of the projects not run"
grep -q "projects were not run" "$work/err" || fail "no note on standard error"
not_run=$(sed -n '/^Not run (the batch was stopped):$/,$p' "$work/out" | grep -c '^  ')
reports=$(compgen -G "$work/projects/*.kv8o" | wc -l)
total=$(compgen -G "$work/projects/*.kv8d" | wc -l)
[ $((not_run + reports)) -eq "$total" ] || fail "$reports reports and $not_run not run of $total"
[ -z "$(ls -A "$work/tmp")" ] || fail "private work folders left: $(ls "$work/tmp" | head -3)"
echo "stopped after $reports of $total projects; $not_run listed as not run"
