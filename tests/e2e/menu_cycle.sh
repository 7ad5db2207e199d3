#!/usr/bin/env bash
# The real game, from a copy of its run folder, driven as a player would: real key events sent
# to its window on the X display in DISPLAY, screenshots read back. The main menu's highlight
# moves, a game at start level 20 starts from the menus, ends by itself and returns to the main
# menu, and "Exit" ends the process with status 0 leaving the default settings in config.cfg.
# Arguments: the run folder, and the folder that keeps the screenshots when a check fails.
set -euo pipefail
run_dir=$1
keep_dir=$2

fail() { echo "e2e: $*" >&2; exit 1; }
# An X server whose last client has gone may be resetting, refusing clients for a moment.
display_answers() {
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
[ -n "${DISPLAY:-}" ] && display_answers || fail "no X display; set DISPLAY"
for tool in xdotool xprop import convert; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps test)"
done
[ -x "$run_dir/bexil" ] || fail "no game in $run_dir"

work=$(mktemp -d)
pid=
holder=
finish() {
    status=$?
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$holder" ] && kill "$holder" 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        rm -rf "$keep_dir" && mkdir -p "$keep_dir"
        cp "$work"/shots/*.png "$work/game.log" "$keep_dir/" 2>/dev/null || true
        echo "e2e: screenshots and the game's output kept in $keep_dir" >&2
    fi
    rm -rf "$work"
}
trap finish EXIT
cp -r "$run_dir/." "$work/game"
rm -f "$work/game/config.cfg"
mkdir "$work/shots"

# One connection held open for the whole test, so the server does not reset between clients.
xprop -root -spy >/dev/null 2>&1 &
holder=$!
display_answers || fail "the X display stopped answering"

cd "$work/game"
./bexil >"$work/game.log" 2>&1 &
pid=$!

window=
for _ in $(seq 1 100); do
    window=$(xdotool search --pid "$pid" --name '^Bexil' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the game's window did not appear"

# The window is 1024 × 768 and shows the logical 2000 × 2000 view stretched over it.
# Capitals of main menu line i: logical x 650 to 1350, y 725 + 91 i to 780 + 91 i.
line() { echo "358x22+333+$((278 + 35 * $1))"; }
centre="360x200+330+320" # where the game draws GAME OVER
red='(r>0.7&&g<0.3&&b<0.3)'
blue='(b>0.7&&r<0.3&&g<0.3)'
white='(r>0.99&&g>0.99&&b>0.99)'

shot_number=0
shot() {
    shot_number=$((shot_number + 1))
    last="$work/shots/$(printf %02d "$shot_number")-$1.png"
    import -window "$window" "$last"
}
# Share of the pixels of a region of the last shot that match an ink.
share() { convert "$last" -crop "$1" +repage -fx "$2?1:0" -format '%[fx:mean]' info:; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
# Takes shots until the region holds more than the share of the ink, or the time is over.
wait_for() {
    local name=$1 region=$2 ink=$3 least=$4 seconds=$5
    local end=$((SECONDS + seconds))
    while :; do
        shot "$name"
        above "$(share "$region" "$ink")" "$least" && return 0
        [ "$SECONDS" -ge "$end" ] && fail "$name: not seen within $seconds s"
        sleep 0.3
    done
}
keys() { xdotool key --window "$window" --delay 60 "$@"; }

wait_for main-menu "$(line 0)" "$red" 0.1 10
above "$(share "$(line 1)" "$blue")" 0.1 || fail "main menu: the second line is not blue"

keys Down
wait_for highlight-moved "$(line 1)" "$red" 0.1 5
above 0.01 "$(share "$(line 0)" "$red")" || fail "highlight moved: the first line is still red"

# Back to "Play token mode", then level 20 (Left from 1) on the start level page.
keys Up Return
sleep 0.3
keys Left Return
wait_for game-over "$centre" "$white" 0.3 75

keys a
wait_for back-in-main-menu "$(line 0)" "$red" 0.1 10

keys Up
# The window may be gone before the key's release is sent.
xdotool key --window "$window" Return 2>/dev/null || true
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "Exit ended the game with status $status"

expected="Fullscreen=0
GraphicsLevel=0
ResolutionX=1024
ResolutionY=768
VSync=0
bpp=32
key0=71
key1=72
key2=73
key3=74
key_launch4=57
key_pause5=36"
[ "$(cat config.cfg)" = "$expected" ] || fail "config.cfg after Exit: $(cat config.cfg)"
echo "e2e: menu, game, game over, main menu and exit all seen"
