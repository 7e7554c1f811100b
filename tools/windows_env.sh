# Shared by the Windows scripts (sourced): builds hueloom.exe and the Win32
# stand-in, and readies a Wine prefix of the project's own, kept between runs.
# Sets: build, program, standin, driver; exports WINEPREFIX and friends.

windows_build() {
    build=$(realpath -m "${HUELOOM_WINDOWS_BUILD:-build-windows}")
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        >/dev/null
    cmake --build "$build" -j "$(nproc)" --target hueloom hueloom_chat_standin \
        hueloom_window_driver
    program="$build/win32/hueloom.exe"
    standin="$build/standin/win32/hueloom_chat_standin.exe"
    driver="$build/standin/win32/hueloom_window_driver.exe"
}

# Wine's own TrueType faces (the caption buttons' symbols, the dialog font),
# which this Wine build does not find in its data folder by itself.
windows_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
}

# C.UTF-8 gives Wine the ANSI code page 1252; Arial falls back to its metric twin.
windows_prefix() {
    export WINEPREFIX=${WINEPREFIX:-$build/wine-prefix} WINEARCH=win64 WINEDEBUG=-all LC_ALL=C.UTF-8
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        echo "windows: making the Wine prefix $WINEPREFIX (once)"
        wineboot -i >/dev/null 2>&1
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
    fi
    windows_fonts
}

# Starts the stand-in chat client (its log in the build folder) and waits for it.
windows_standin() {
    local log="$build/standin.log"
    rm -f "$log"
    wine "$standin" "Z:${log//\//\\}" >/dev/null 2>&1 &
    standin_pid=$!
    for _ in $(seq 300); do
        grep -qx ready "$log" 2>/dev/null && return
        sleep 0.1
    done
}
