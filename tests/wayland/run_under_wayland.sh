#!/usr/bin/env bash
# Runs a command as a native Wayland client of a headless compositor started
# for it alone:
#   run_under_wayland.sh sway|weston SCALE [--xwayland] COMMAND...
# sway (wlroots) draws window titles itself and takes real key strokes from
# wtype; weston leaves the decorations to the client, as GNOME does. The
# command finds:
#   WAYLAND_DISPLAY     the compositor's socket, by its full path
#   ORVANTA_GRAB_SCREEN a command that writes the compositor's own screenshot
#                       to the PNG file given as its argument
#   SWAYSOCK            (sway) its IPC socket, for swaymsg
#   DISPLAY             (sway --xwayland) its XWayland server, for X clients
# sway refuses to run as root: as root it runs as the unprivileged user
# "nobody", in a runtime folder of its own. Nothing else on the system changes.
# A missing compositor or tool is a failure, never a skip.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
compositor=${1:?sway or weston}
scale=${2:?scale}
shift 2
xwayland=
if [ "${1:-}" = --xwayland ]; then
    xwayland=1
    shift
fi

fail() {
    echo "run_under_wayland: $*" >&2
    exit 1
}
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null ||
            fail "$tool is not installed (scripts/packages/wayland.txt lists the packages)"
    done
}

work=$(mktemp -d /tmp/orvanta-wayland.XXXXXX)
chmod 755 "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# The client's own runtime folder (Qt wants one, owned by the client).
export XDG_RUNTIME_DIR="$work/client"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
# 1280 x 1024 logical pixels at every scale (sway counts in pixels).
width=$(awk -v s="$scale" 'BEGIN { printf "%d", 1280 * s }')
height=$(awk -v s="$scale" 'BEGIN { printf "%d", 1024 * s }')

wait_for() {
    local what=$1 i
    for i in $(seq 100); do
        [ -S "$what" ] && return 0
        sleep 0.1
    done
    return 1
}

case "$compositor" in
sway)
    need sway grim swaymsg
    server_dir="$work/server"
    mkdir -m 700 "$server_dir"
    cat >"$work/sway.conf" <<CONF
output HEADLESS-1 resolution ${width}x${height} scale ${scale} bg #2e4a62 solid_color
default_border normal
focus_on_window_activation focus
xwayland $([ -n "$xwayland" ] && echo enable || echo disable)
exec sh -c 'echo "\$DISPLAY" > "$server_dir/display"'
CONF
    chmod 644 "$work/sway.conf"
    run_as=()
    if [ -n "$xwayland" ] && [ ! -d /tmp/.X11-unix ]; then
        # The folder of X sockets, as any X server started as root makes it;
        # XWayland runs as the compositor's user and could not.
        mkdir -p -m 1777 /tmp/.X11-unix 2>/dev/null || true
    fi
    if [ "$(id -u)" -eq 0 ]; then
        need setpriv
        chown nobody "$server_dir"
        run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    "${run_as[@]}" env -i PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$server_dir" \
        WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$work/sway.conf" >"$work/compositor.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        socket=$(ls "$server_dir"/wayland-* 2>/dev/null | grep -v '\.lock$' | head -n1 || true)
        sock=$(ls "$server_dir"/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
        [ -n "$socket" ] && [ -n "$sock" ] && break
        sleep 0.1
    done
    [ -n "${socket:-}" ] && [ -n "${sock:-}" ] ||
        { cat "$work/compositor.log" >&2; fail "sway did not start"; }
    export WAYLAND_DISPLAY="$socket" SWAYSOCK="$sock"
    export ORVANTA_GRAB_SCREEN="grim"
    # A window gets the keyboard focus only if a keyboard was on the seat when
    # it mapped: hold a virtual one for the whole run.
    need wtype
    wtype -s 3600000 -k Shift_L &
    pids+=($!)
    if [ -n "$xwayland" ]; then
        # sway tells its own children which display its XWayland has.
        for _ in $(seq 100); do
            display=$(cat "$server_dir/display" 2>/dev/null || true)
            [ -n "$display" ] && break
            sleep 0.1
        done
        [ -n "${display:-}" ] || { cat "$work/compositor.log" >&2; fail "sway started no XWayland"; }
        # XWayland admits its own user's clients: admit root's too.
        if [ "$(id -u)" -eq 0 ]; then
            need xhost
            DISPLAY="$display" "${run_as[@]}" xhost +si:localuser:root >/dev/null ||
                fail "XWayland on $display does not start"
        fi
        export DISPLAY="$display"
    fi
    ;;
weston)
    need weston weston-screenshooter
    [ -z "$xwayland" ] || fail "--xwayland is run under sway"
    server_dir="$work/client"
    weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 \
        --width=1280 --height=1024 --scale="$scale" --socket=orvanta-weston \
        >"$work/compositor.log" 2>&1 &
    pids+=($!)
    wait_for "$XDG_RUNTIME_DIR/orvanta-weston" ||
        { cat "$work/compositor.log" >&2; fail "weston did not start"; }
    export WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/orvanta-weston"
    export ORVANTA_GRAB_SCREEN="$here/weston_grab.sh"
    sleep 1  # its shell paints the desktop
    ;;
*)
    fail "unknown compositor $compositor"
    ;;
esac
export ORVANTA_COMPOSITOR="$compositor"

status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "== compositor log (last lines)" >&2
    tail -n 30 "$work/compositor.log" >&2
fi
exit "$status"
