#!/usr/bin/env bash
# Installs the Debian packages Hueloom needs that this machine lacks, as root
# or through sudo; without either it names what to install and stops.
# Usage: tools/setup.sh [build|test|pictures]   (test adds what the checks need,
# pictures what the README's pictures are made with)
#
# A package archive in the middle of a sync is an ordinary day: a stale index
# is a warning, and the packages go in by groups, so one that cannot be had
# takes only its group's remaining members' chances, each tried alone, and is
# named with apt's reason. It fails only when something the build (or, for
# test, the tests) needs is still missing; the 32-bit Wine is optional.
set -uo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-liberation
                xvfb xauth libcli11-dev libutf8proc-dev
                scdoc)  # the manual pages
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev
               g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64
               fonts-wine x11-utils imagemagick xdotool zip unicode-data
               python3  # reads hueloom-fade's tellraw output as JSON
               at-spi2-core python3-pyatspi dbus  # what screen readers read
               weston xwayland qt6-wayland  # a Wayland session with XWayland
               dpkg-dev file lintian desktop-file-utils appstream man-db)  # the Debian package
# The 32-bit prefix the Windows check runs the x86 build in; without it that run is skipped.
wine32_packages=(wine32:i386)
# The terminal picture: a terminal that draws joined emoji and flags as one picture.
picture_packages=(kitty fonts-noto-color-emoji)

mode=${1:-build}
groups=(build)
case $mode in
    build) ;;
    test) groups+=(test wine32) ;;
    pictures) groups+=(test wine32 picture) ;;
    *) echo "setup: no mode '$mode' (build, test or pictures)" >&2; exit 2 ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

# The packages of a group this machine lacks, one a line.
missing_of() {
    local -n group_packages="$1_packages"
    local package
    for package in "${group_packages[@]}"; do installed "$package" || echo "$package"; done
}

any_missing=
for group in "${groups[@]}"; do
    [[ -n "$(missing_of "$group")" ]] && any_missing=1
done
[[ -n "$any_missing" ]] || exit 0

if ((EUID == 0)); then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    for group in "${groups[@]}"; do
        mapfile -t missing < <(missing_of "$group")
        ((${#missing[@]})) && echo "setup: missing ($group): ${missing[*]}" >&2
    done
    echo "setup: install them as root with apt-get install, then run this again" >&2
    exit 1
fi
apt() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }

if [[ " ${groups[*]} " == *" wine32 "* && -n "$(missing_of wine32)" ]] &&
    ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture for the 32-bit Wine"
    "${as_root[@]}" dpkg --add-architecture i386
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! apt update -qq >"$log" 2>&1; then
    echo "setup: warning: apt-get update failed; going on with the package lists apt has:"
    grep -E '^(E|W):' "$log" | sed 's/^/setup:   /'
fi

# apt's own words on why the last install failed, in a line.
apt_reason() {
    grep -E '^E:|^ [^ ].*: (Depends|PreDepends|Conflicts|Breaks)' "$log" | head -n 3 |
        sed -E 's/^E: //; s/^ +//' | paste -sd ';' -
}

# Installs a group whole; where that fails, each of its missing packages alone.
install_group() {
    local group=$1 package
    mapfile -t missing < <(missing_of "$group")
    ((${#missing[@]})) || return 0
    echo "setup: installing ($group) ${missing[*]}"
    apt install -y -qq --no-install-recommends "${missing[@]}" >"$log" 2>&1 && return 0
    echo "setup: the $group group could not be installed whole; trying its packages one by one"
    for package in "${missing[@]}"; do
        installed "$package" && continue
        apt install -y -qq --no-install-recommends "$package" >"$log" 2>&1 ||
            echo "setup: could not install $package ($group): $(apt_reason)"
    done
}

status=0
for group in "${groups[@]}"; do
    install_group "$group"
    mapfile -t still < <(missing_of "$group")
    ((${#still[@]})) || continue
    case $group in
        wine32) echo "setup: warning: without ${still[*]} the Windows check skips its 32-bit run" ;;
        picture) echo "setup: warning: without ${still[*]} the terminal picture cannot be made" ;;
        *) echo "setup: still missing, needed to $group: ${still[*]}" >&2; status=1 ;;
    esac
done
exit "$status"
