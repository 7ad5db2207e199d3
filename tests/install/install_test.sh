#!/usr/bin/env bash
# Installs the game into temporary prefixes and uses it as a player's desktop would: the files
# and the desktop entry, the command started from an unrelated folder with per-user settings, a
# read-only and a moved installation, a missing display, and the Debian package.
# Usage: install_test.sh CASE BUILD_DIR CMAKE CPACK XTOOL
set -euo pipefail
case_name=$1
build=$2
cmake=$3
cpack=$4
xtool=$5

work=$(readlink -f "$(mktemp -d)")
game_pid=
cleanup()
{
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill "$game_pid"
    fi
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT

fail()
{
    echo "FAIL: $*" >&2
    exit 1
}

install_into()
{
    "$cmake" --install "$build" --component bexil --prefix "$1" >"$work/install.log" \
        || fail "cmake --install into $1"
}

# The value of a key=value line of a settings file.
setting()
{
    sed -n "s/^$2=//p" "$1"
}

bexil_windows()
{
    xdotool search --classname '^bexil$' 2>/dev/null | sort || true
}

wait_for_exit()
{
    for _ in $(seq 200); do
        kill -0 "$game_pid" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "the game did not end within 20 s"
}

# Runs the command (after env assignments) from the current folder with XDG_CONFIG_HOME unset
# unless given, waits until its menu runs, records what it mapped and what it showed, and
# leaves through the main menu: Up wraps from the first line to "Exit", Return chooses it.
# Sets game_window; returns the game's exit status.
play()
{
    [ -n "${DISPLAY:-}" ] || fail "these checks need an X server in DISPLAY"
    local before status=0
    before=$(bexil_windows)
    env -u XDG_CONFIG_HOME "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    game_window=
    for _ in $(seq 300); do
        game_window=$(comm -13 <(echo "$before") <(bexil_windows) | head -n 1)
        [ -n "$game_window" ] && break
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended early: $(cat "$work/game.log")"
        sleep 0.1
    done
    [ -n "$game_window" ] || fail "no game window within 30 s"
    # The title gains its frame count once a second of frames has run: the menu is active.
    local title=
    for _ in $(seq 300); do
        title=$(xdotool getwindowname "$game_window")
        [[ $title == "Bexil FPS:"* ]] && break
        sleep 0.1
    done
    [[ $title == "Bexil FPS:"* ]] || fail "the game shows no frames within 30 s: '$title'"
    cp "/proc/$game_pid/maps" "$work/maps"
    import -window "$game_window" "$work/shot.png"
    xdotool getwindowgeometry --shell "$game_window" >"$work/geometry"
    # Sent to the window, never through the server's keyboard: xdotool types there for a window
    # with the focus, and stops when the window closes on Return's press, leaving Return held and
    # repeating into the next game. The window may be gone before the last release.
    "$xtool" key "$game_window" Up Return 2>/dev/null || true
    wait_for_exit
    wait "$game_pid" || status=$?
    game_pid=
    return "$status"
}

# The last run loaded its fonts (mapped while it runs) and its pictures (thousands of colours
# on screen; flat fills and text alone give a few hundred) from the given data folder.
expect_data_from()
{
    grep -qF "$1/fonts/DejaVuSans-Bold.ttf" "$work/maps" || fail "the menu font is not from $1"
    local colours
    colours=$(identify -format '%k' "$work/shot.png")
    [ "$colours" -gt 5000 ] || fail "the menu shows $colours colours: pictures missing?"
}

expect_settings_in()
{
    local folder=$1 key
    [ -f "$folder/config.cfg" ] || fail "no config.cfg in $folder"
    for key in GraphicsLevel ResolutionX ResolutionY VSync bpp Fullscreen; do
        grep -q "^$key=" "$folder/config.cfg" || fail "$folder/config.cfg lacks $key"
    done
}

# The player's resource list names the installed data by its absolute path.
expect_list_points_at()
{
    local listed
    listed=$(setting "$1/res.cfg" resources_directory)
    [ "$listed" = "$2/" ] || fail "$1/res.cfg names '$listed', not '$2/'"
}

case_files()
{
    local prefix="$work/any prefix" entry
    install_into "$prefix"
    [ -x "$prefix/bin/bexil" ] || fail "no launcher in bin"
    sh -n "$prefix/bin/bexil" || fail "the launcher is not valid sh"
    [ -x "$prefix/libexec/bexil/bexil" ] || fail "no game binary in libexec/bexil"
    [ -f "$prefix/share/bexil/fonts/LICENSE-DejaVu.txt" ] || fail "the fonts' licence is missing"
    for entry in game_menu.mainFont game_scene.scoreFont game_menu.background game_menu.logo; do
        grep -q "@$entry=" "$prefix/share/bexil/res.cfg" || fail "res.cfg does not list $entry"
    done
    while IFS='=' read -r key file; do
        [ -f "$prefix/share/bexil/$file" ] || fail "res.cfg names $file ($key), not installed"
    done <"$prefix/share/bexil/res.cfg"

    local desktop="$prefix/share/applications/bexil.desktop"
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects bexil.desktop"
    grep -qx 'Exec=bexil' "$desktop" || fail "the desktop entry does not start bexil"
    grep -qx 'Icon=bexil' "$desktop" || fail "the desktop entry does not name the icon"
    grep -q '^Categories=\(.*;\)\?Game;' "$desktop" || fail "the desktop entry is not a game"
    for size in 64 256; do
        local icon="$prefix/share/icons/hicolor/${size}x$size/apps/bexil.png"
        [ -f "$icon" ] || fail "no ${size}px icon"
        local actual
        actual=$(identify -format '%wx%h' "$icon")
        [ "$actual" = "${size}x$size" ] || fail "the ${size}px icon is $actual"
    done
}

case_player()
{
    local prefix="$work/prefix" elsewhere="$work/elsewhere" home1="$work/home1"
    local home2="$work/home2"
    install_into "$prefix"
    mkdir -p "$elsewhere" "$home1" "$home2"
    cd "$elsewhere"

    play HOME="$home1" "$prefix/bin/bexil" || fail "exit status $? from the first run"
    expect_data_from "$prefix/share/bexil"
    expect_settings_in "$home1/.config/bexil"
    expect_list_points_at "$home1/.config/bexil" "$prefix/share/bexil"
    [ "$(stat -c %a "$home1/.config/bexil")" = 700 ] || fail "the settings folder is not private"
    [ -z "$(ls -A "$elsewhere")" ] || fail "the game wrote into the folder it was started from"

    # The first player picks a smaller window; the second keeps the default.
    sed -i 's/^ResolutionX=.*/ResolutionX=800/; s/^ResolutionY=.*/ResolutionY=600/' \
        "$home1/.config/bexil/config.cfg"
    play HOME="$home2" "$prefix/bin/bexil" || fail "exit status $? for the second player"
    expect_settings_in "$home2/.config/bexil"
    [ "$(setting "$home2/.config/bexil/config.cfg" ResolutionX)" = 1024 ] \
        || fail "the second player got the first one's settings"
    grep -qx 'WIDTH=1024' "$work/geometry" || fail "the second player's window is not 1024 wide"

    play HOME="$home1" "$prefix/bin/bexil" || fail "exit status $? for the first player again"
    grep -qx 'WIDTH=800' "$work/geometry" || fail "the first player's settings were not used"
    grep -qx 'HEIGHT=600' "$work/geometry" || fail "the first player's settings were not used"
    [ "$(setting "$home1/.config/bexil/config.cfg" ResolutionX)" = 800 ] \
        || fail "the first player's settings were lost"
}

case_read_only()
{
    local prefix="$work/prefix" home="$work/home"
    install_into "$prefix"
    chmod -R a-w "$prefix"
    mkdir -p "$home"
    cd "$work"
    # Root writes through permission bits, so the proof is that nothing changed.
    local listing
    listing=$(find "$prefix" -printf '%p %s %T@ %m\n' | sort)
    play HOME="$home" "$prefix/bin/bexil" || fail "exit status $? from a read-only installation"
    [ "$(find "$prefix" -printf '%p %s %T@ %m\n' | sort)" = "$listing" ] \
        || fail "the game wrote into its installation"
    expect_settings_in "$home/.config/bexil"
}

case_moved()
{
    local first="$work/first" second="$work/second" home="$work/home" xdg="$work/xdg"
    install_into "$first"
    mkdir -p "$home" "$work/links"
    cd "$work"
    play HOME="$home" "$first/bin/bexil" || fail "exit status $? before the move"
    expect_list_points_at "$home/.config/bexil" "$first/share/bexil"

    # Moved, and started through a link elsewhere (as /usr/games links would).
    mv "$first" "$second"
    ln -s "$second/bin/bexil" "$work/links/bexil"
    play HOME="$home" "$work/links/bexil" || fail "exit status $? after the move"
    expect_list_points_at "$home/.config/bexil" "$second/share/bexil"
    expect_data_from "$second/share/bexil"

    play HOME="$home" XDG_CONFIG_HOME="$xdg" "$work/links/bexil" \
        || fail "exit status $? with XDG_CONFIG_HOME"
    expect_settings_in "$xdg/bexil"
    expect_list_points_at "$xdg/bexil" "$second/share/bexil"
}

case_no_display()
{
    local prefix="$work/prefix" status=0
    install_into "$prefix"
    mkdir -p "$work/home"
    env -u DISPLAY -u XDG_CONFIG_HOME HOME="$work/home" "$prefix/bin/bexil" \
        >"$work/out" 2>"$work/err" || status=$?
    [ "$status" = 1 ] || fail "exit status $status without a display, not 1"
    [ "$(wc -l <"$work/err")" = 1 ] || fail "not one line on stderr: $(cat "$work/err")"
    grep -q display "$work/err" || fail "the message does not name the display"
}

case_package()
{
    local tool
    for tool in dpkg-deb dpkg-shlibdeps; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is missing (package dpkg-dev); the Debian package is not checked"
            exit 77
        fi
    done
    "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" \
        || fail "cpack: $(cat "$work/cpack.log")"
    local deb
    deb=$(echo "$work"/package/bexil_*.deb)
    [ -f "$deb" ] || fail "no bexil_*.deb made"

    [ "$(dpkg-deb -f "$deb" Package)" = bexil ] || fail "the package is not named bexil"
    [ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package has no maintainer"
    [ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "the package has no description"
    local depends module
    depends=$(dpkg-deb -f "$deb" Depends)
    for module in graphics window system; do
        [[ $depends == *libsfml-$module* ]] || fail "Depends lacks libsfml-$module: $depends"
    done

    dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
    for path in usr/bin/bexil usr/libexec/bexil/bexil usr/share/bexil/res.cfg \
        usr/share/bexil/fonts/LICENSE-DejaVu.txt usr/share/bexil/images/logo.png \
        usr/share/applications/bexil.desktop usr/share/icons/hicolor/64x64/apps/bexil.png \
        usr/share/icons/hicolor/256x256/apps/bexil.png; do
        grep -qx "\./$path" "$work/contents" || fail "the package lacks /$path"
    done

    # The packaged files run as they are.
    dpkg-deb -x "$deb" "$work/root"
    mkdir -p "$work/home"
    cd "$work"
    play HOME="$work/home" "$work/root/usr/bin/bexil" || fail "exit status $? from the package"
    expect_settings_in "$work/home/.config/bexil"
    expect_data_from "$work/root/usr/share/bexil"
}

case "$case_name" in
    Files) case_files ;;
    Player) case_player ;;
    ReadOnly) case_read_only ;;
    Moved) case_moved ;;
    NoDisplay) case_no_display ;;
    Package) case_package ;;
    *) fail "unknown case $case_name" ;;
esac
echo "PASS: $case_name"
