# Shared by the Windows scripts and the Windows tests' fixtures (sourced):
# builds hueloom.exe and the Win32 stand-in, readies a Wine prefix, a virtual
# display and the stand-in, and says the checks' verdicts.
# HUELOOM_WINDOWS_ARCH=x86 takes the 32-bit build and a 32-bit prefix (default
# x86-64); HUELOOM_WINDOWS_DPI sets the prefix's dots per inch (default 96).
# Sets: build, program, standin, driver, stops; exports WINEPREFIX and friends.
windows_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The toolchain file, build folder and Wine architecture of an architecture.
windows_arch() {
    case "${1:-x86-64}" in
        x86-64) toolchain=cmake/mingw-w64-x86_64.cmake suffix= wine_arch=win64 ;;
        x86) toolchain=cmake/mingw-w64-i686.cmake suffix=-i686 wine_arch=win32 ;;
        *) echo "windows: no architecture '$1' (x86-64 or x86)" >&2; return 1 ;;
    esac
}

# Configures and builds the architecture's folder: the given targets, else
# hueloom.exe, the stand-in, the window driver and the screenshot's helper;
# false when either step fails.
windows_build() {
    windows_arch "${HUELOOM_WINDOWS_ARCH:-x86-64}" || return
    build=$(realpath -m "${HUELOOM_WINDOWS_BUILD:-build-windows$suffix}")
    program="$build/win32/hueloom.exe"
    standin="$build/standin/win32/hueloom_chat_standin.exe"
    driver="$build/tests/win32/hueloom_window_driver.exe"
    stops="$build/tools/hueloom_screenshot_stops.exe"
    local targets=("$@")
    ((${#targets[@]})) ||
        targets=(hueloom hueloom_chat_standin hueloom_window_driver hueloom_screenshot_stops)
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/$toolchain" >/dev/null &&
        cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
}

# Wine's own TrueType faces (the caption buttons' symbols, the dialog font),
# which this Wine build does not find in its data folder by itself.
windows_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
}

# The display's dots per inch as Windows programs see it (the prefix's LogPixels).
windows_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >/dev/null 2>&1
}

# Boots a fresh prefix ($WINEPREFIX, $WINEARCH); Arial falls back to its metric twin.
windows_boot() {
    wineboot -i && wine reg add \
        'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v Arial /d 'Liberation Sans' /f
}

# Wine quiet, the ANSI code page 1252 (C.UTF-8), and no prompts for the .NET or
# HTML engines, no menu entries or file associations written for the user.
windows_quiet() {
    export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# A prefix of the project's own, kept between runs.
windows_prefix() {
    export WINEPREFIX=${WINEPREFIX:-$build/wine-prefix} WINEARCH=$wine_arch
    windows_quiet
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        echo "windows: making the Wine prefix $WINEPREFIX (once)"
        windows_boot >/dev/null 2>&1
    fi
    windows_fonts
    windows_dpi "${HUELOOM_WINDOWS_DPI:-96}"
}

# Starts the stand-in chat client ($standin) with its log in the named file
# (else the build folder's standin.log; what it prints beside it, in .out),
# for at most the given seconds where a limit is given, taking the milliseconds
# given third over each post, and waits until it is up: false when it ends or
# is not up within thirty seconds.
windows_standin() {
    log=${1:-$build/standin.log}
    local limit=() delay=()
    [[ -n "${2:-}" ]] && limit=(timeout "$2")
    [[ -n "${3:-}" ]] && delay=("$3")
    rm -f "$log"
    "${limit[@]}" wine "$standin" "Z:${log//\//\\}" "${delay[@]}" >"$log.out" 2>&1 &
    standin_pid=$!
    for _ in $(seq 300); do
        grep -qx ready "$log" 2>/dev/null && return 0
        kill -0 "$standin_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Asks the stand-in to quit (what that prints in the log's .quit file) and
# waits, bounded where this shell did not start it, until it has ended; false
# when it has not.
windows_quit_standin() {
    timeout 30 wine "$standin" --quit >"$log.quit" 2>&1
    wait "$standin_pid" 2>/dev/null
    for _ in $(seq 100); do
        kill -0 "$standin_pid" 2>/dev/null || { standin_pid= && return 0; }
        sleep 0.1
    done
    return 1
}

# Starts Xvfb at the given size, for at most the given seconds where a limit is
# given, its number in the folder's display file and what it says in xvfb.log;
# exports DISPLAY and sets xvfb_pid. False, with a FAIL line, when it does not start.
windows_xvfb() {
    local size=$1 folder=$2 limit=()
    [[ -n "${3:-}" ]] && limit=(timeout "$3")
    rm -f "$folder/display"
    "${limit[@]}" Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$folder/display" \
        >"$folder/xvfb.log" 2>&1 </dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s "$folder/display" ]] && break
        sleep 0.1
    done
    if [[ ! -s "$folder/display" ]]; then
        fail "start Xvfb" "$(cat "$folder/xvfb.log")"
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$folder/display")"
}

# Where Wine may write for the desktop (menus, associations), kept in the folder.
windows_xdg() {
    export XDG_DATA_HOME="$1/data" XDG_CONFIG_HOME="$1/config" XDG_CACHE_HOME="$1/cache"
    unset WAYLAND_DISPLAY
}

# A virtual display of the given size and a scratch folder for throwaway
# prefixes ($scratch), both gone at exit with every server of those prefixes
# and the programs in $program_pid, $standin_pid and $server_pid; Wine quiet.
windows_display() {
    scratch=$(mktemp -d) xvfb_pid=
    trap windows_cleanup EXIT
    windows_xvfb "$1" "$scratch" || return
    windows_quiet
    windows_xdg "$scratch"
}

windows_cleanup() {
    local pid prefix
    for pid in "${program_pid:-}" "${standin_pid:-}" "${server_pid:-}"; do
        [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
    done
    for prefix in "$scratch"/prefix-*; do
        [[ -d "$prefix" ]] || continue
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null
        WINEPREFIX="$prefix" timeout 10 wineserver -w 2>/dev/null
    done
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}

# Every function an executable imports, as "DLL function" lines (the DLL in
# capitals), sorted; objdump of the executable's own architecture.
windows_imports() {
    local objdump=$1 exe=$2
    "$objdump" -p "$exe" | awk '
        /^The Import Tables/ { on = 1; next }
        on && /^(The |PE )/ { on = 0 }
        on && /DLL Name:/ { dll = toupper($3); next }
        on && /^\t[0-9a-f]+[ \t]+[0-9]+[ \t]+[A-Za-z_]/ { print dll, $3 }' | sort -u
}

# The imports of an executable for the architecture (x86 or x64) that the
# committed list does not allow; nothing when every one is allowed.
windows_unlisted_imports() {
    local objdump=$1 exe=$2 arch=$3
    local allowed
    allowed=$(awk -v arch="$arch" '!/^#/ && NF >= 2 && (NF == 2 || $3 == arch) { print $1, $2 }' \
        "$windows_tools/windows_imports.txt" | sort -u)
    comm -23 <(windows_imports "$objdump" "$exe") <(printf '%s\n' "$allowed")
}

# --- the checks' verdicts --------------------------------------------------------
# ok and FAIL lines, counted in passed and failed, and the end of a check; tag
# names the architecture a line is about.
source "$windows_tools/verdicts.sh"
