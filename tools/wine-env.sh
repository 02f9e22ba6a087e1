# Sourced: the Wine environment of one build folder ($1). Its own prefix
# (the folder's wineprefix, or the prefix name given as $2), no desktop
# integration, no Mono/Gecko prompts, German user locale.
wine_build_dir=$1
export WINEPREFIX="$wine_build_dir/${2:-wineprefix}"
export WINEDEBUG=-all
# No debugger on a crash: the crashing program ends at once instead of
# waiting in the debugger until a time-out.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY no_proxy NO_PROXY

# Creates the prefix on first use (about 16 s); no server stays behind.
wine_create_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine: creating prefix $WINEPREFIX"
        wineboot -i </dev/null >/dev/null 2>&1 || true
        wineserver -w
    fi
    wine_install_fonts
}

# Creates the prefix on first use, then keeps one server with its services
# running. The services are started here, with no terminal or pipe of a
# caller's open, so that nothing (ctest) waits for them.
wine_prepare_prefix() {
    wine_create_prefix
    wineserver -p </dev/null >/dev/null 2>&1
    wineboot </dev/null >/dev/null 2>&1 || true
}

# Whether Wine hands the prefix's windows to a window manager ($1:
# "managed", Wine's default, or "unmanaged"). Without a manager on the
# display (a bare Xvfb, as the tests' displays are) Wine waits 2 s whenever
# a shown top-level window is hidden or destroyed, for an answer no one
# gives; unmanaged windows skip that wait, but a manager that is there
# neither places, decorates nor stacks them.
# The registry file is looked at first to spare a start of Wine when the
# value is right already.
wine_set_window_management() {
    local key='HKCU\Software\Wine\X11 Driver'
    if [ "$1" = unmanaged ]; then
        grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null ||
            wine reg add "$key" /v Managed /d N /f </dev/null >/dev/null 2>&1
    elif grep -q '^"Managed"=' "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg delete "$key" /v Managed /f </dev/null >/dev/null 2>&1
    fi
}

# The prefix the test programs start from: the test displays have no
# window manager.
wine_prepare_test_prefix() {
    wine_prepare_prefix
    wine_set_window_management unmanaged
}

# A copy of a prepared prefix ($1) at $2, made anew. The system folders
# (over a gigabyte of DLLs that Wine only reads) are hard links; the
# registry and everything else a program may write are real copies.
wine_copy_prefix() {
    local from=$1 to=$2 item
    rm -rf "$to"
    mkdir -p "$to/drive_c/windows"
    for item in "$from"/* "$from"/.[!.]*; do
        [ -e "$item" ] || [ -L "$item" ] || continue
        [ "$(basename "$item")" = drive_c ] && continue
        cp -a "$item" "$to"/
    done
    for item in "$from"/drive_c/*; do
        [ "$(basename "$item")" = windows ] && continue
        cp -a "$item" "$to/drive_c/"
    done
    for item in "$from"/drive_c/windows/*; do
        case $(basename "$item") in
            system32|syswow64|winsxs) cp -al "$item" "$to/drive_c/windows/" ;;
            *) cp -a "$item" "$to/drive_c/windows/" ;;
        esac
    done
    # Wine updates a prefix whose stamp differs from its wine.inf by
    # rewriting every system DLL in place, through the links into all the
    # other copies, whose starting processes then miss DLLs (0xc0000135).
    # Only the template is updated (when it is prepared); a copy never is.
    echo disable >"$to/.update-timestamp"
}

# The first file of a prefix's shared system folders ($1) written since the
# file $2 was: none while every copy leaves them alone.
wine_shared_file_written_since() {
    find "$1/drive_c/windows/system32" "$1/drive_c/windows/syswow64" "$1/drive_c/windows/winsxs" \
        -type f -newer "$2" -print -quit 2>/dev/null
}

# Wine looks for the fonts it ships at a path Debian does not use, so a new
# prefix has none: without them Tahoma, Marlett and MS Sans Serif fall back
# to other faces (narrower text, no glyphs for check marks and arrows).
# Copying them into the prefix's font folder makes them resolve (MS Sans
# Serif and Small Fonts only from the raster .fon files); Wine reads
# that folder at every start. Only missing or changed files are copied.
wine_install_fonts() {
    local fonts=/usr/share/wine/fonts target="$WINEPREFIX/drive_c/windows/Fonts"
    [ -d "$fonts" ] || return 0
    mkdir -p "$target"
    cp -u "$fonts"/*.ttf "$fonts"/*.fon "$target"/ 2>/dev/null || true
}
