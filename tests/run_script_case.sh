#!/usr/bin/env bash
# Plays one script case through `zarn-calc run` and compares what it printed with the
# case's expected file: standard output as is, then standard error with "stderr: " in
# front of each line, then "exit: STATUS".
set -u
# Under the locale the suite runs with; a decimal-comma locale when it names none.
export LC_ALL="${LC_ALL:-de_DE.UTF-8}"
zarn_calc=$1 script=$2 expected=$3

received=$(mktemp)
trap 'rm -f "$received" "$received.err"' EXIT
"$zarn_calc" run "$script" >"$received" 2>"$received.err"
status=$?
sed 's/^/stderr: /' "$received.err" >>"$received"
echo "exit: $status" >>"$received"

if ! grep -qv '^exit: ' "$expected"; then
  echo "$expected checks only the exit status: give it the lines the script must print"
  exit 1
fi
if ! cmp -s "$expected" "$received"; then
  awk 'NR == FNR { want[FNR] = $0; n = FNR; next }
       { got[FNR] = $0; m = FNR }
       END {
         last = n > m ? n : m
         for (i = 1; i <= last; i++)
           if (!(i in want) || !(i in got) || want[i] != got[i]) {
             printf "first difference at line %d\n  expected: %s\n  received: %s\n", i,
                    (i in want) ? want[i] : "(nothing)", (i in got) ? got[i] : "(nothing)"
             exit
           }
       }' "$expected" "$received"
  diff -u --label expected --label received "$expected" "$received"
  exit 1
fi
