# What both packaging scripts share, sourced by them, so that a release is the
# same bytes whoever builds it, wherever and whenever.
#   release_read BUILD  the version and SOURCE_DATE_EPOCH of a configured build
#                       (cmake/HueloomRelease.cmake writes the project's
#                       version and the changelog's time, read here as seconds)
#   release_sums FILE.. prints the SHA-256 of each file it made, and writes
#                       dist/SHA256SUMS over every file in dist/

# Files are made readable by all and writable by the owner alone, whatever
# the caller's umask: the .deb's ar headers take their modes from it.
umask 022

release_read() {
    local env=$1/release.env
    [[ -f $env ]] || { echo "release: no $env (is $1 configured?)" >&2; return 1; }
    HUELOOM_VERSION=$(sed -n 's/^HUELOOM_VERSION=//p' "$env")
    SOURCE_DATE_EPOCH=$(LC_ALL=C date -d "$(sed -n 's/^HUELOOM_RELEASE_TIME=//p' "$env")" +%s) ||
        return 1
    export SOURCE_DATE_EPOCH
}

release_sums() {
    sha256sum "$@" | sed 's/^/release: /'
    local sums
    sums=$(cd dist && rm -f SHA256SUMS && LC_ALL=C && sha256sum -- *)
    echo "$sums" >dist/SHA256SUMS
}
