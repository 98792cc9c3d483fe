#!/usr/bin/env bash
# Vorlane next to polybar and conky, each a 28-px top bar with a label, CPU
# and memory every 2 s, on one private Xvfb + openbox, in one run:
#   start-up   from the start of the process to its window viewable, median
#              of 7 starts, the programs taking turns (bench/first_map, which
#              waits on X events instead of polling)
#   PSS        proportional memory 20 s after start: one alone, and each of
#              three of the same program
#   CPU        CPU time until the window is viewable and until 1.5 s after
#              that (the whole start-up, the first paint included; no peer
#              updates in that time), median of the 7 starts; and in 120 s
#              idle, one of each running side by side
# and Vorlane's ratio to each peer. A bare Qt window of the same size and
# kind (bench/bare_window) runs along as the floor Qt itself costs.
#   bench/peers.sh [path/to/vorlane] [idle-seconds]
# Installs polybar and conky when missing (scripts/bootstrap.sh peers).
set -euo pipefail
binary=$(realpath "${1:-"$(dirname "$0")/../build/src/vorlane"}")
idle=${2:-120}

source "$(dirname "$0")/lib/peers.sh"

source "$(dirname "$0")/../scripts/lib/private-desktop.sh"
start_private_desktop 1920x1080
work=$desktop_work
export HOME="$work" XDG_CONFIG_HOME="$work/config"

write_polybar_config "$work/polybar.ini"
cat >"$work/conky.conf" <<'EOF'
conky.config = {
    own_window = true, own_window_type = 'dock', own_window_colour = '1A1A2E',
    own_window_hints = 'undecorated,above,sticky,skip_taskbar,skip_pager',
    alignment = 'top_left', gap_x = 0, gap_y = 0, border_width = 0,
    border_inner_margin = 0, border_outer_margin = 0,
    minimum_width = 1920, maximum_width = 1920, minimum_height = 28,
    update_interval = 2, use_xft = true, font = 'DejaVu Sans Mono:size=10',
    double_buffer = true, background = false, out_to_console = false,
    default_color = 'E0E0E0',
}
conky.text = [[Vorlane${alignr}${cpu}% ${mem}/${memmax}]]
EOF

bench_bin=$(dirname "$binary")/../bench
command_of() { # program: the command line that starts one, one word a line
    case $1 in
    vorlane) printf '%s\n' "$binary" "bench $BASHPID" ;; # a subshell's own PID
    polybar) printf '%s\n' polybar -q -c "$work/polybar.ini" bench ;;
    conky) printf '%s\n' conky -q -c "$work/conky.conf" ;;
    bare-qt) printf '%s\n' "$bench_bin/bare_window" ;;
    esac
}
start() { # program: starts one, prints its PID
    local command
    mapfile -t command < <(command_of "$1")
    "${command[@]}" >/dev/null 2>&1 &
    echo $!
}
stop() {
    kill "$@" 2>/dev/null || true
    for pid; do wait "$pid" 2>/dev/null || true; done
    sleep 0.5
}
pss() { awk '/^Pss:/ {print $2}' "/proc/$1/smaps_rollup"; }
median_of() { tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

programs=(vorlane polybar conky bare-qt)
declare -A startup startup_cpu startup_all pss_alone pss_three cpu

# Start-up, the programs taking turns.
for round in $(seq 7); do
    for p in "${programs[@]}"; do
        mapfile -t command < <(command_of "$p")
        read -r pid ms cpu_at_map < <("$bench_bin/first_map" "${command[@]}" 2>/dev/null)
        startup[$p]+="$ms "
        startup_cpu[$p]+="$((cpu_at_map / 1000000)) "
        sleep 1.5
        startup_all[$p]+="$(($(cpu_ns "$pid") / 1000000)) "
        stop "$pid"
    done
done

# Memory: one alone, then three at once.
for p in "${programs[@]}"; do
    pid=$(start "$p")
    sleep 20
    pss_alone[$p]=$(pss "$pid")
    stop "$pid"
    pids=($(start "$p") $(start "$p") $(start "$p"))
    sleep 20
    pss_three[$p]=$((($(pss "${pids[0]}") + $(pss "${pids[1]}") + $(pss "${pids[2]}")) / 3))
    stop "${pids[@]}"
done

# Idle CPU, one of each side by side.
declare -A running
for p in "${programs[@]}"; do running[$p]=$(start "$p"); done
sleep 20
declare -A before
for p in "${programs[@]}"; do before[$p]=$(cpu_ns "${running[$p]}"); done
sleep "$idle"
for p in "${programs[@]}"; do cpu[$p]=$((($(cpu_ns "${running[$p]}") - before[$p]) / 1000000)); done
stop "${running[@]}"

echo "$(date -u +%F), $(nproc) cores, Xvfb 1920x1080 + openbox"
echo "| program | start-up to viewable (median of 7) | its CPU until viewable | its CPU in all | PSS alone | PSS each of three | CPU in $idle s idle |"
echo "|---|---|---|---|---|---|---|"
for p in "${programs[@]}"; do
    startup[$p]=$(median_of "${startup[$p]}")
    startup_cpu[$p]=$(median_of "${startup_cpu[$p]}")
    startup_all[$p]=$(median_of "${startup_all[$p]}")
    awk -v p="$p" -v s="${startup[$p]}" -v u="${startup_cpu[$p]}" -v w="${startup_all[$p]}" \
        -v a="${pss_alone[$p]}" -v t="${pss_three[$p]}" -v c="${cpu[$p]}" 'BEGIN {
        printf "| %s | %d ms | %d ms | %d ms | %.1f MB | %.1f MB | %d ms |\n", p, s, u, w, a / 1024, t / 1024, c
    }'
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b) printf "%.2f", a / b; else printf "-" }'; }
for peer in polybar conky bare-qt; do
    printf "| Vorlane / %s | %s | %s | %s | %s | %s | %s |\n" "$peer" \
        "$(ratio "${startup[vorlane]}" "${startup[$peer]}")" \
        "$(ratio "${startup_cpu[vorlane]}" "${startup_cpu[$peer]}")" \
        "$(ratio "${startup_all[vorlane]}" "${startup_all[$peer]}")" \
        "$(ratio "${pss_alone[vorlane]}" "${pss_alone[$peer]}")" \
        "$(ratio "${pss_three[vorlane]}" "${pss_three[$peer]}")" \
        "$(ratio "${cpu[vorlane]}" "${cpu[$peer]}")"
done
