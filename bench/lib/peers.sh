# Sourced by the benchmarks that run Vorlane next to other bars.

# Installs the peers (polybar, conky) and strace when missing.
"$(dirname "${BASH_SOURCE[0]}")/../../scripts/bootstrap.sh" peers >/dev/null

# A polybar bar like a banner: 28 px at the top, a label, CPU and memory
# every 2 s. Run it as: polybar -q -c FILE bench
write_polybar_config() {
    cat >"$1" <<'CONFIG'
[bar/bench]
width = 100%
height = 28
background = #1A1A2E
foreground = #E0E0E0
font-0 = DejaVu Sans Mono:size=10
modules-left = label
modules-right = cpu memory
[module/label]
type = custom/text
content = Vorlane
[module/cpu]
type = internal/cpu
interval = 2
[module/memory]
type = internal/memory
interval = 2
CONFIG
}

# CPU time of a process in nanoseconds, all threads (finer than clock ticks).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{t += $1} END {printf "%d", t}'; }
