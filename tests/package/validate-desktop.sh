#!/usr/bin/env bash
# The desktop entry passes the desktop-file-utils validator: validate-desktop.sh FILE
source "${BASH_SOURCE[0]%/*}/common.sh"
need desktop-file-validate
out="$(desktop-file-validate "$1" 2>&1)" || fail "$out"
# Hints and warnings count as failures too: the entry stays clean.
[ -z "$out" ] || fail "$out"
echo "valid: $1"
