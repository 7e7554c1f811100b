#!/usr/bin/env bash
# Fetches a Debian source package's files into a folder with apt-get source,
# from the archives this machine's apt already uses, under an apt configuration
# of its own in a scratch folder: the machine's sources as deb-src, private
# lists and cache. Nothing of the machine's apt set-up is touched, so it needs
# no root, and no archive is named here.
# Usage: cmake/debian_source.sh PACKAGE DESTINATION SCRATCH
set -uo pipefail
package=$1 destination=$2 scratch=$3

rm -rf "$scratch"
mkdir -p "$scratch/sources.list.d" "$scratch/lists/partial" "$scratch/cache/archives/partial" \
    "$destination"

# The machine's own sources, each as a source-package entry: one-line files
# (deb → deb-src) and deb822 files (Types: deb-src).
main_list=$(apt-config shell value Dir::Etc::sourcelist/f | sed -n "s/^value='\(.*\)'$/\1/p")
parts=$(apt-config shell value Dir::Etc::sourceparts/d | sed -n "s/^value='\(.*\)'$/\1/p")
: >"$scratch/sources.list"
for list in "$main_list" "$parts"/*.list; do
    [[ -f "$list" ]] || continue
    sed -nE 's/^[[:space:]]*deb(-src)?([[:space:]])/deb-src\2/p' "$list" >>"$scratch/sources.list"
done
for sources in "$parts"/*.sources; do
    [[ -f "$sources" ]] || continue
    sed -E 's/^Types:.*/Types: deb-src/' "$sources" >"$scratch/sources.list.d/${sources##*/}"
done

apt_options=(-qq -o Dir::Etc::SourceList="$scratch/sources.list"
    -o Dir::Etc::SourceParts="$scratch/sources.list.d" -o Dir::State::Lists="$scratch/lists"
    -o Dir::Cache="$scratch/cache" -o Debug::NoLocking=1 -o APT::Sandbox::User="$(id -un)")
# A stale index elsewhere need not stop this: the package's own may be whole.
apt-get "${apt_options[@]}" update >"$scratch/update.log" 2>&1 ||
    echo "debian_source: apt-get update failed in part (see $scratch/update.log)" >&2
cd "$destination" && apt-get "${apt_options[@]}" source --download-only "$package" \
    >"$scratch/source.log" 2>&1 || {
    echo "debian_source: apt-get source $package failed:" >&2
    tail -n 5 "$scratch/source.log" >&2
    exit 1
}
