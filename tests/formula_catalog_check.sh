#!/usr/bin/env bash
# Every formula that `zarn-calc formula --list` names opens its dialog and takes all its
# keys: run with the value 1 in each input, it prints every one of its keys (status 0) or
# a message box of the dialog (status 1), never a complaint of the command (status 2).
set -u
zarn_calc=$1
failures=0

check() { # NAME INPUT... FIELD... (inputs and fields separated by "--")
  local name=$1 args=() keys=()
  shift
  while [ "$1" != "--" ]; do args+=("$1=1"); shift; done
  shift
  keys=("$@")
  local out status
  out=$("$zarn_calc" formula "$name" "${args[@]}" 2>&1)
  status=$?
  if [ "$status" -eq 0 ]; then
    local printed
    printed=$(cut -f1 <<<"$out" | tr '\n' ' ')
    if [ "$printed" != "${keys[*]} " ]; then
      echo "$name: printed keys \"$printed\", listed \"${keys[*]}\""
      failures=$((failures + 1))
    fi
  elif [ "$status" -ne 1 ]; then
    echo "$name: status $status: $out"
    failures=$((failures + 1))
  fi
}

list=$("$zarn_calc" formula --list) || { echo "formula --list failed"; exit 1; }
name="" inputs=() fields=() count=0
while IFS= read -r line || [ -n "$line" ]; do
  if [ -z "$line" ]; then
    continue
  elif [ "${line:0:1}" != " " ]; then
    [ -n "$name" ] && check "$name" "${inputs[@]}" -- "${fields[@]}"
    name=$line inputs=() fields=() count=$((count + 1))
  elif [ "${line:0:3}" != "  (" ]; then
    read -r key _ <<<"$line"
    fields+=("$key")
    case "$line" in *"(result)") ;; *) inputs+=("$key") ;; esac
  fi
done <<<"$list"
[ -n "$name" ] && check "$name" "${inputs[@]}" -- "${fields[@]}"

if [ "$count" -eq 0 ]; then
  echo "formula --list named no formula"
  exit 1
fi
echo "$count formulas checked, $failures failed"
[ "$failures" -eq 0 ]
