#!/usr/bin/env bash
# What idle banners cost, next to polybar in the same run: N Vorlane banners
# (text, CPU and memory every 2 s, a 28-px top strip) and N polybar bars
# (a label, CPU and memory every 2 s, 28 px high) on one private Xvfb +
# openbox, all at once. Per process, averaged over the N of each:
#   CPU      CPU time used in the idle window (user + system)
#   wakeups  voluntary context switches per 2-s tick
#   syscalls system calls per 2-s tick, all threads (strace, 20 s)
#   X bytes  bytes written to the X server per 2-s tick (writev, 20 s)
#   PSS      proportional memory at the end of the idle window, and how much
#            the process's private memory (which, unlike PSS, does not change
#            when other processes come and go) grew over the window (run with
#            3600 s for an hour)
#   bench/idle_cost.sh [path/to/vorlane] [N] [idle-seconds]
# Installs polybar and strace when missing (scripts/bootstrap.sh peers).
set -euo pipefail
binary=$(realpath "${1:-"$(dirname "$0")/../build/src/vorlane"}")
count=${2:-1}
idle=${3:-120}
traced=20

source "$(dirname "$0")/lib/peers.sh"

source "$(dirname "$0")/../scripts/lib/private-desktop.sh"
start_private_desktop 1920x1080
work=$desktop_work
export HOME="$work" XDG_CONFIG_HOME="$work/config"

write_polybar_config "$work/polybar.ini"

vorlane=() polybars=()
for ((i = 0; i < count; i++)); do
    "$binary" "bench $i" >/dev/null 2>&1 &
    vorlane+=($!)
    desktop_pids+=($!)
    polybar -q -c "$work/polybar.ini" bench >/dev/null 2>&1 &
    polybars+=($!)
    desktop_pids+=($!)
done
sleep 20 # started, first samples drawn

switches() { awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}' /proc/"$1"/task/*/status; }
pss() { awk '/^Pss:/ {print $2}' "/proc/$1/smaps_rollup"; }
private() { awk '/^Private_(Clean|Dirty):/ {s += $2} END {print s}' "/proc/$1/smaps_rollup"; }
declare -A cpu0 ctx0 private0
for pid in "${vorlane[@]}" "${polybars[@]}"; do
    cpu0[$pid]=$(cpu_ns "$pid")
    ctx0[$pid]=$(switches "$pid")
    private0[$pid]=$(private "$pid")
done
sleep "$idle"
declare -A cpu ctx pss1 private1
for pid in "${vorlane[@]}" "${polybars[@]}"; do
    cpu[$pid]=$((($(cpu_ns "$pid") - cpu0[$pid])))
    ctx[$pid]=$((($(switches "$pid") - ctx0[$pid])))
    pss1[$pid]=$(pss "$pid")
    private1[$pid]=$(private "$pid")
done

# Every system call of every thread for a while; writev carries the X
# protocol (xcb writes with it and nothing else).
for pid in "${vorlane[@]}" "${polybars[@]}"; do
    timeout -s INT "$traced" strace -f -qq -o "$work/trace.$pid" -p "$pid" 2>/dev/null &
done
wait_for_traces() { while pgrep -x strace >/dev/null; do sleep 1; done; }
wait_for_traces

report() { # name pids...
    local name=$1
    shift
    local n=$# c=0 w=0 s=0 b=0 m=0 g=0
    for pid; do
        c=$((c + cpu[$pid]))
        m=$((m + pss1[$pid]))
        g=$((g + private1[$pid] - private0[$pid]))
        w=$((w + ctx[$pid]))
        s=$((s + $(grep -vc -e 'resumed>' -e '+++' -e '---' "$work/trace.$pid")))
        b=$((b + $(awk -F'= ' '/writev\(/ && $NF ~ /^[0-9]+$/ {t += $NF} END {print t + 0}' \
            "$work/trace.$pid")))
    done
    awk -v name="$name" -v n="$n" -v c="$c" -v idle="$idle" -v w="$w" -v m="$m" -v g="$g" \
        -v s="$s" -v b="$b" -v traced="$traced" 'BEGIN {
        printf "| %-8s | %5.1f ms per %d s | %5.1f | %5.1f | %7.0f | %.1f MB, %+d KB |\n", name,
            c / 1e6 / n, idle, w / n / (idle / 2), s / n / (traced / 2), b / n / (traced / 2),
            m / n / 1024, g / n
    }'
}
echo "Per process, $count of each, idle $idle s (strace $traced s), $(date -u +%F), $(nproc) cores"
echo "| program  | CPU                | wakeups per tick | syscalls per tick | X bytes per tick | PSS, private growth |"
echo "|----------|--------------------|-------|-------|---------|---------|"
report vorlane "${vorlane[@]}"
report polybar "${polybars[@]}"
