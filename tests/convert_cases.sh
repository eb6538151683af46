#!/usr/bin/env bash
# `zarn-calc convert`: each case runs the command and compares its standard output,
# standard error and exit status with what the case expects.
set -u
# Under the locale the suite runs with; a decimal-comma locale when it names none.
export LC_ALL="${LC_ALL:-de_DE.UTF-8}"
zarn_calc=$1
failures=0

# case NAME STATUS EXPECTED_STDOUT EXPECTED_STDERR -- ARGUMENTS...
case_() {
  local name=$1 want_status=$2 want_out=$3 want_err=$4
  shift 5
  local out err status
  out=$("$zarn_calc" convert "$@" 2>/tmp/zarn-convert-err.$$)
  status=$?
  err=$(cat /tmp/zarn-convert-err.$$)
  rm -f /tmp/zarn-convert-err.$$
  if [ "$status" != "$want_status" ] || [ "$out" != "$want_out" ] || [ "$err" != "$want_err" ]; then
    echo "FAIL: $name (convert $*)"
    echo "  status   expected $want_status, received $status"
    diff -u --label "expected stdout" --label "received stdout" <(printf '%s\n' "$want_out") <(printf '%s\n' "$out") | sed 's/^/  /'
    diff -u --label "expected stderr" --label "received stderr" <(printf '%s\n' "$want_err") <(printf '%s\n' "$err") | sed 's/^/  /'
    failures=$((failures + 1))
  fi
}

T=$'\t'

case_ "every unit in table order, the typed one as typed" 0 \
"Fahrenheit${T}212
Celsius${T}100
Kelvin${T}373.15
Rankin${T}671.67" "" -- temperature 100 celsius

case_ "names ignore case; the typed text is kept" 0 \
"Fahrenheit${T}212.000018
Celsius${T}100
Kelvin${T}373.15
Rankin${T}671.67" "" -- TEMPERATURE 212.000018 fahrenheit

case_ "the Volume sheet names its twice-shown labels with their column" 0 \
"Ounces${T}18.619
Wet Pints${T}1.164
Wet Quarts${T}0.582
Liters${T}0.551
Gallons${T}0.145
Barrels (U.S)${T}0.005
Barrels (pet.)${T}0.003
In³${T}33.602
cm³${T}550.647
ft³${T}0.019
m³${T}0.001
Dry Pints${T}1
Dry Quarts${T}0.5
Pecks${T}0.063
Bushel${T}0.016
Hectoliters${T}0.006" "" -- volume 1 "dry pints"

case_ "a Work/Force pair prints its group only, as a plain real" 0 \
"Joules${T}1.8E+10
Watt-Hours${T}5000000" "" -- work/force 5000000 watt-hours

case_ "the work group of Work/Force" 0 \
"Horsepower${T}1.341
Watts${T}1000
Joules/Sec.${T}1000
Foot-Pounds/Sec${T}737.562" "" -- Work/Force 1000 watts

case_ "exponent text above 9999999" 0 \
"Btu${T}100000
Therm${T}1
Watt-seconds${T}1.05435E+08
Calories (g)${T}2.51996E+07" "" -- heat 1 therm

case_ "unknown sheet" 2 "" \
'zarn-calc: no conversion sheet "power"; the sheets are Temperature, Pressure, Flow, Length, Weight, Volume, Area, Work/Force, Heat, Speed, Light' \
-- power 1 kilowatts

case_ "a label shown twice needs its column" 2 "" \
'zarn-calc: no unit "pints" on the Volume sheet; its units are Ounces, Wet Pints, Wet Quarts, Liters, Gallons, Barrels (U.S), Barrels (pet.), In³, cm³, ft³, m³, Dry Pints, Dry Quarts, Pecks, Bushel, Hectoliters' \
-- volume 1 pints

case_ "a value that is not a number" 2 "" 'zarn-calc: "12,5" is not a number' -- length 12,5 inches
case_ "an empty value" 2 "" 'zarn-calc: "" is not a number' -- length "" inches
case_ "wrong number of arguments" 2 "" 'zarn-calc: convert takes SHEET VALUE UNIT, or --list' -- length 1

case_ "INF is a program error" 1 "" 'zarn-calc: A value that is not a finite number' -- light inf lux
case_ "too large to round is a program error" 1 "" \
'zarn-calc: Overflow: the result is too large for a number' -- flow 5e304 liters/sec

list=$("$zarn_calc" convert --list)
for line in "Temperature${T}Fahrenheit" "Volume${T}Wet Pints" "Volume${T}Dry Quarts" \
            "Work/Force${T}Newton-Meters" "Work/Force${T}Foot-Pounds/Sec" "Light${T}Footcandels"; do
  if ! grep -qxF "$line" <<<"$list"; then
    echo "FAIL: --list lacks \"$line\""
    failures=$((failures + 1))
  fi
done
if [ "$(head -n1 <<<"$list")" != "Temperature${T}Fahrenheit" ] || [ "$(tail -n1 <<<"$list")" != "Light${T}Lux" ]; then
  echo "FAIL: --list is not in tab and table order"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
