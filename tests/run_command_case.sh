#!/usr/bin/env bash
# Runs each command line of a case (zarn-calc's arguments, quoted as in a shell; blank
# lines and lines starting with # skipped) and compares what they printed, in order, with
# the case's expected file: for each command its standard output, then its standard error
# with "stderr: " in front of each line, then "exit: STATUS".
set -u
# Under the locale the suite runs with; a decimal-comma locale when it names none.
export LC_ALL="${LC_ALL:-de_DE.UTF-8}"
zarn_calc=$1 commands=$2 expected=$3

received=$(mktemp)
trap 'rm -f "$received" "$received.out" "$received.err"' EXIT
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in '' | '#'*) continue ;; esac
  eval "set -- $line"
  "$zarn_calc" "$@" >"$received.out" 2>"$received.err"
  status=$?
  cat "$received.out" >>"$received"
  sed 's/^/stderr: /' "$received.err" >>"$received"
  echo "exit: $status" >>"$received"
done <"$commands"

if ! grep -qv '^exit: ' "$expected"; then
  echo "$expected checks only exit statuses: give it the lines the commands must print"
  exit 1
fi
if ! diff -u --label expected --label received "$expected" "$received"; then
  exit 1
fi
