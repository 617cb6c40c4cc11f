#!/usr/bin/env bash
# The Debian package builds, says what it is and needs, and unpacks into a
# tree whose programs run: check-package.sh BUILD_DIR APPSTREAM_ID VERSION HELP_LOOKUP
source "${BASH_SOURCE[0]%/*}/common.sh"
need "${CPACK:-cpack}" dpkg-deb dpkg-shlibdeps file gzip timeout
build=$1 id=$2 version=$3 lookup=$4
scratch "$build"
"${CPACK:-cpack}" --config "$build/CPackConfig.cmake" -G DEB -B "$dir/out" >"$dir/cpack.log" 2>&1 || { cat "$dir/cpack.log"; fail "cpack failed"; }
debs=("$dir"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb=${debs[0]}
[ "$(basename "$deb")" = "zentaro_${version}_$(dpkg --print-architecture).deb" ] || fail "package file named $(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = zentaro ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version)"
[ "$(field Section)" = science ] || fail "package section $(field Section)"
# The run-time needs come from the programs themselves.
depends="$(field Depends)"
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libchm1; do
  [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] || fail "Depends lacks $library: $depends"
done
[[ ", $(field Recommends)," == *", qt6-translations-l10n,"* ]] ||
  fail "Recommends lacks qt6-translations-l10n: $(field Recommends)"
description="$(field Description)"
[ "$(echo "$description" | wc -l)" -ge 5 ] || fail "the description has no body: $description"
[ "$(echo "$description" | sed -n 2p | sed 's/^ *//')" != "$(echo "$description" | head -n 1)" ] ||
  fail "the description's body repeats its summary"

dpkg-deb -x "$deb" "$dir/root"
check_tree "$dir/root/usr" "$id" "$version" "$lookup"
[ "$(find "$dir/root" -mindepth 1 -maxdepth 1)" = "$dir/root/usr" ] || fail "the package installs outside /usr"

# The window program starts from the unpacked tree and keeps running until
# stopped (exit 124 from timeout): its libraries and resources are all there.
mkdir -p "$dir/runtime" && chmod 700 "$dir/runtime"
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$dir/runtime" timeout 2 "$dir/root/usr/bin/zentaro" >"$dir/zentaro.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$dir/zentaro.log"; fail "zentaro ended with status $status instead of running"; }
echo "package $(basename "$deb") complete"
