#!/usr/bin/env bash
# An install into a temporary prefix holds every file, and they work:
# check-install.sh BUILD_DIR APPSTREAM_ID VERSION HELP_LOOKUP
source "${BASH_SOURCE[0]%/*}/common.sh"
need file gzip
build=$1 id=$2 version=$3 lookup=$4
scratch "$build"
"${CMAKE:-cmake}" --install "$build" --prefix "$dir/prefix" >/dev/null
check_tree "$dir/prefix" "$id" "$version" "$lookup"
echo "installed tree complete"
