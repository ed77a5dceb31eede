#!/usr/bin/env bash
# key_road.sh BINARY TOOLS_DIR OUT_DIR [xcb]: one whole road through Orvanta by
# real key strokes (wtype) into a native Wayland window (or, with "xcb", an X
# window of sway's XWayland), run under run_under_wayland.sh sway. Each window
# it opens must reach sway's screen:
# sway's window tree names it, focused, and sway's screenshot (grim) shows it
# drawn. Results and the report are read back from the Wayland clipboard.
# The screenshots are left in OUT_DIR.
set -euo pipefail
binary=$1
tools=$2
out=$3
platform=${4:-wayland}
mkdir -p "$out"
app_id=org.example.Orvanta
step=0

fail() {
    echo "key road: $*" >&2
    exit 1
}
press() {
    wtype "$@"
    sleep 0.25
}

# The focused window of the program, as "title<TAB>x y w h" of its contents.
focused() {
    swaymsg -r -t get_tree | jq -r --argjson pid "$program" '
        .. | objects | select(.focused? == true and .pid? == $pid)
        | "\(.name)\t\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.window_rect.width) \(.window_rect.height)"'
}

# Waits until the focused window is titled $1, then proves with a screenshot
# that it is drawn on the screen.
expect_window() {
    local title=$1 line= rect i
    for i in $(seq 60); do
        line=$(focused)
        [ "${line%%$'\t'*}" = "$title" ] && break
        sleep 0.25
    done
    [ "${line%%$'\t'*}" = "$title" ] ||
        fail "no window \"$title\" reached the screen (focused: \"${line%%$'\t'*}\")"
    rect=${line#*$'\t'}
    step=$((step + 1))
    local shot="$out/$(printf '%02d' "$step")-${title//[^A-Za-z0-9]/_}.png"
    for i in $(seq 20); do
        sleep 0.25
        grim "$shot"
        # shellcheck disable=SC2086
        "$tools/screen_region" "$shot" $rect >/dev/null && break
    done
    # shellcheck disable=SC2086
    "$tools/screen_region" "$shot" $rect ||
        fail "\"$title\" is in sway's tree but not drawn on its screen ($shot)"
    echo "on screen: $title"
}

expect_clipboard() {
    local want=$1 got
    got=$(wl-paste --no-newline)
    [ "$got" = "$want" ] || fail "clipboard holds \"$got\", expected \"$want\""
}

WAYLAND_DEBUG=1 QT_QPA_PLATFORM=$platform "$binary" 2>"$out/debug.log" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

expect_window "Orvanta"
if [ "$platform" = wayland ]; then
    # Docks and task switchers find the launcher, and its icon, by the app id.
    grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")" "$out/debug.log" ||
        fail "the window did not set its app id to $app_id"
    [ "$(swaymsg -r -t get_tree | jq -r --argjson pid "$program" '.. | objects | select(.pid? == $pid) | .app_id')" = "$app_id" ] ||
        fail "sway does not know the window by the app id $app_id"
fi

# A form: page 2, back to page 1 (its first entry takes the focus), the
# second entry, a figure, a result read back, a bad figure and its message.
press -M alt 2 -m alt
press -M alt 1 -m alt
press -k Down
press -k Return
expect_window "2. ROA (Return on Assets)"
press -k Tab -k Tab   # from the first "OK" to the first field
press 150 -k Tab 1000 -k Return
press -k Tab          # to the result
press -M ctrl c -m ctrl
expect_clipboard "15.00"
press -M shift -k Tab -m shift
press x -k Return
expect_window "ERROR !!!"
press -k Return
expect_window "2. ROA (Return on Assets)"
press -k Escape
expect_window "Orvanta"

# Alt+N on the page already shown puts the focus on its chosen entry, and
# Enter on a focused entry opens it, chosen or not.
press -M alt 1 -m alt
press -k Return
expect_window "2. ROA (Return on Assets)"
press -k Escape
expect_window "Orvanta"
press -M alt 2 -m alt
press -k Return
expect_window "3. Employee turnover rate"
press -k Escape
expect_window "Orvanta"

# The mortgage chooser, the payment plan form and its report.
press -M alt 5 -m alt
press -k Right
press -k Return
expect_window "7. Mortgage calculator"
press -k Tab -k Tab -k Down   # past "Cancel" to the first tool, then the second
press -k Return
expect_window "7. Mortgage calculator"
press -k Tab -k Tab
press 100000 -k Tab 1 -k Tab 120 -k Return
expect_window "REPORT"
press -M alt e -m alt
press -k Return       # Edit > Copy
"$tools/plan_text" 100000 1 120 >"$out/plan.txt"
wl-paste --no-newline >"$out/pasted.txt"
cmp "$out/plan.txt" "$out/pasted.txt" || fail "the clipboard does not hold the report's text"
press -M alt h -m alt
press -k Return       # Help > About
expect_window "ABOUT Orvanta"
press -k Escape
expect_window "REPORT"
press -k Return       # Enter closes the report ...
expect_window "7. Mortgage calculator"
press -k Return       # ... the form's "OK" opens it again ...
expect_window "REPORT"
press -k Escape       # ... and so does Escape.
expect_window "7. Mortgage calculator"

# Escape closes the plan form, the chooser, then quits.
press -k Escape
press -k Escape
expect_window "Orvanta"
press -k Escape
for _ in $(seq 40); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.25
done
kill -0 "$program" 2>/dev/null && fail "Escape in the main window did not quit"
wait "$program" || fail "the program ended with status $?"
trap - EXIT
echo "key road passed: $binary"
