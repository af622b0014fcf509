#!/bin/bash
# Smoke test: the real program on a private X server must show its main window "Vorelis".
# Usage: smoke.sh path/to/vorelis [screenshot.png]
# Exit 0 when the window was seen, 1 when not, 77 when the X tools are missing.
set -u

bin=${1:?usage: smoke.sh path/to/vorelis [screenshot.png]}
shot=${2:-}
wait_s=${SMOKE_WAIT_SECONDS:-15}

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "smoke: $tool is not installed, skipping" >&2
        exit 77
    fi
done
if [ ! -x "$bin" ]; then
    echo "smoke: no program at $bin" >&2
    exit 1
fi

unset QT_QPA_PLATFORM
work=$(mktemp -d "${TMPDIR:-/tmp}/vorelis-smoke.XXXXXX")
xvfb_pid=""
app_pid=""

stop() { # stop PID: TERM, then KILL after 5 s
    local pid=$1 i
    [ -n "$pid" ] || return 0
    kill -TERM "$pid" 2>/dev/null || return 0
    for i in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

cleanup() {
    stop "$app_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# A display of our own: the first of 90..140 without a lock file that Xvfb manages to take
# (another server may win the race for a number, so a failed start moves on to the next).
display=""
for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    : >"$work/ready"
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$work/ready" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        [ -s "$work/ready" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -s "$work/ready" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        display=":$n"
        break
    fi
    stop "$xvfb_pid"
    xvfb_pid=""
done
if [ -z "$display" ]; then
    echo "smoke: could not start Xvfb on any display of 90..140" >&2
    cat "$work/xvfb.log" >&2 2>/dev/null
    exit 1
fi
export DISPLAY=$display
echo "smoke: Xvfb on $DISPLAY (pid $xvfb_pid)"

# Without a network namespace of its own, the program's update check would go out to the
# real service; in an empty one it fails at once, as it does on a machine without network.
launcher=()
if unshare --net true 2>/dev/null; then
    launcher=(unshare --net)
fi
"${launcher[@]}" "$bin" >"$work/app.log" 2>&1 &
app_pid=$!
echo "smoke: started $bin (pid $app_pid)${launcher:+ in its own network namespace}"

window=""
deadline=$((SECONDS + wait_s))
while [ "$SECONDS" -lt "$deadline" ]; do
    if ! kill -0 "$app_pid" 2>/dev/null; then
        echo "smoke: the program ended before showing its window" >&2
        cat "$work/app.log" >&2
        exit 1
    fi
    window=$(xdotool search --onlyvisible --name '^Vorelis$' 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "smoke: no visible window named \"Vorelis\" within ${wait_s} s" >&2
    cat "$work/app.log" >&2
    exit 1
fi
echo "smoke: window $window: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"

# Still alive and drawing a moment later (the update check must not have blocked or killed it).
sleep 1
if ! kill -0 "$app_pid" 2>/dev/null; then
    echo "smoke: the program ended after showing its window" >&2
    cat "$work/app.log" >&2
    exit 1
fi
if [ -n "$shot" ] && command -v import >/dev/null 2>&1; then
    if import -window root "$shot" 2>"$work/import.log"; then
        echo "smoke: screenshot in $shot"
    else
        echo "smoke: screenshot failed (not a test failure):" >&2
        cat "$work/import.log" >&2
    fi
fi
echo "smoke: passed"
exit 0
