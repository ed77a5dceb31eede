#!/usr/bin/env bash
# Runs a test program in a real X server of its own (Xvfb), for tests that type
# real key strokes with xdotool, under openbox where it is installed. Exit 77
# (skipped) where Xvfb or xdotool is missing.
set -u
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed"
        exit 77
    fi
done
display=""
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "SKIPPED: no free X display number"; exit 77; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done
# A window manager, as on a desktop: it gives windows the input focus when they
# map and when a modal window closes. Without one the keys go wherever the
# server's focus happens to be.
if command -v openbox >/dev/null; then
    DISPLAY="$display" openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    trap 'kill $wm 2>/dev/null; wait $wm 2>/dev/null; kill $server 2>/dev/null; wait $server 2>/dev/null' EXIT
    if command -v xprop >/dev/null; then
        for _ in $(seq 50); do
            DISPLAY="$display" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
            sleep 0.1
        done
    else
        sleep 1
    fi
fi
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@"
