# Helpers of the install and package checks (sourced).
set -euo pipefail

# Exit code that CTest reports as a skipped test.
readonly SKIP=77

fail() { echo "FAIL: $*" >&2; exit 1; }

# Skips the check when a tool is not installed at all.
need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit "$SKIP"; }
  done
}

# A fresh folder inside the build tree, in $dir, removed when the script ends.
scratch() {
  dir="$(mktemp -d "$1/package-check.XXXXXX")"
  # shellcheck disable=SC2064
  trap "rm -rf '$dir'" EXIT
}

# Every file an installation holds, relative to its prefix; $1 is the
# AppStream id.
expected_files() {
  cat <<LIST
bin/zentaro
bin/zentaro-cli
share/applications/zentaro.desktop
share/icons/hicolor/128x128/apps/zentaro.png
share/icons/hicolor/256x256/apps/zentaro.png
share/icons/hicolor/48x48/apps/zentaro.png
share/icons/hicolor/scalable/apps/zentaro.svg
share/man/man1/zentaro-cli.1.gz
share/man/man1/zentaro.1.gz
share/metainfo/$1.metainfo.xml
share/zentaro/zentaro.chm
LIST
}

# Checks an installed tree at prefix $1 against the list (nothing missing,
# nothing more) and checks what the files are. $2 is the AppStream id, $3 the
# version, $4 the help lookup program.
check_tree() {
  local prefix=$1 id=$2 version=$3 lookup=$4
  local found
  found="$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)"
  [ "$found" = "$(expected_files "$id" | LC_ALL=C sort)" ] ||
    fail "installed files differ from the list:$(diff <(expected_files "$id" | LC_ALL=C sort) <(echo "$found") | sed 's/^/ /')"

  local program
  for program in zentaro zentaro-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
    file -b "$prefix/bin/$program" | grep -q '^ELF .* executable' || fail "bin/$program is not a program"
  done
  local size
  for size in 48 128 256; do
    file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/zentaro.png" | grep -q "^PNG image data, $size x $size," ||
      fail "the ${size}x${size} icon is not a $size px PNG"
  done
  grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/zentaro.svg" || fail "the scalable icon is not an SVG"
  local page
  for page in zentaro zentaro-cli; do
    gzip -t "$prefix/share/man/man1/$page.1.gz" || fail "man page $page.1.gz is damaged"
    gzip -dc "$prefix/share/man/man1/$page.1.gz" | head -n 1 | grep -qF "\"Zentaro $version\"" ||
      fail "man page $page.1 does not name version $version"
  done
  grep -qF "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not name release $version"

  # The command-line program runs from there.
  local said
  said="$("$prefix/bin/zentaro-cli" --version)" || fail "zentaro-cli --version failed"
  [ "$said" = "zentaro-cli $version" ] || fail "zentaro-cli --version said \"$said\""
  [ "$("$prefix/bin/zentaro-cli" convert 1 km m)" = "1 km = 1000 m" ] || fail "zentaro-cli does not convert"

  # The window program finds the installed help file, a compiled help file.
  local help
  help="$("$lookup" "$prefix/bin/zentaro")"
  [ "$help" = "$prefix/share/zentaro/zentaro.chm" ] || fail "the installed program looks for its help at $help"
  [ "$(head -c 4 "$help")" = "ITSF" ] || fail "$help is not a compiled help file"
}
