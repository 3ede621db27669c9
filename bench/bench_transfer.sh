#!/usr/bin/env bash
# Times a 64 KiB cycle write and read through kvt against the simulated controller on a
# pseudo-terminal paced at 38400 baud, and compares them with the time the bytes need on the
# wire. Prints figures only; asserts nothing.
#
#   bench/bench_transfer.sh [BUILD_DIR]    (default: build)
set -euo pipefail
BUILD="${1:-build}"
KVT="$BUILD/src/app/kvt/kvt"
SIM="$BUILD/tools/machine-sim/korvanta-machine-sim"
TURNAROUND_MS="${TURNAROUND_MS:-2}"
for tool in "$KVT" "$SIM"; do
    [ -x "$tool" ] || { echo "missing $tool: build kvt and korvanta-machine-sim first" >&2; exit 2; }
done

WORK="$(mktemp -d)"
SIM_PID=""
cleanup() {
    [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null && wait "$SIM_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

"$SIM" --baud 38400 --turnaround "$TURNAROUND_MS" --link "$WORK/port" >"$WORK/sim.out" 2>&1 &
SIM_PID=$!
for _ in $(seq 50); do [ -e "$WORK/port" ] && break; sleep 0.1; done

# 65536 bytes: a wash data signature, no blank block, CycleEnd and DataEnd near the end.
python3 - "$WORK/cycles.kvt" <<'PY'
import sys
data = bytearray((i * 7 + 1) % 251 for i in range(65536))
data[0:15] = b"KORVANTA-DAT100"
data[16], data[18] = 0, 0x01
data[-3:] = bytes([254, 255, 0])
open(sys.argv[1], "wb").write(data)
PY

seconds() { python3 -c 'import time; print(time.monotonic())'; }
t0=$(seconds); "$KVT" --port "$WORK/port" write-cycles "$WORK/cycles.kvt" 2>/dev/null; t1=$(seconds)
"$KVT" --port "$WORK/port" read-cycles "$WORK/back.kvt" 2>/dev/null; t2=$(seconds)
cmp -s "$WORK/cycles.kvt" "$WORK/back.kvt" || { echo "read back differs" >&2; exit 1; }

python3 - "$t0" "$t1" "$t2" "$TURNAROUND_MS" <<'PY'
import sys
t0, t1, t2, turn = map(float, sys.argv[1:])
blocks, bit_s = 256, 10 / 38400
# (exchanges, bytes to the machine, bytes back) for the fixed part and per block.
write = ((8, 49, 76), (4, 310, 16))   # VER I ATT ERA0 TSKx2 WLB STA; WB1 frame PB1 TSK
read = ((4, 22, 20), (1, 9, 289))     # I ATT NBB STA; RBL
def figures(name, measured, spec):
    (fx, fo, fi), (bx, bo, bi) = spec
    exchanges = fx + blocks * bx
    out, back = fo + blocks * bo, fi + blocks * bi
    wire = (out + back) * bit_s
    # A pseudo-terminal paces only the simulator's replies: the least this set-up can take.
    paced = back * bit_s + exchanges * turn / 1000
    print(f"{name}: measured {measured:.2f} s, wire time {wire:.2f} s "
          f"({out} + {back} bytes at 38400 baud), measured/wire {measured / wire:.3f}; "
          f"paced replies + {turn:g} ms turnarounds {paced:.2f} s, measured/paced {measured / paced:.3f}")
figures("write 64 KiB", t1 - t0, write)
figures("read 64 KiB", t2 - t1, read)
PY
