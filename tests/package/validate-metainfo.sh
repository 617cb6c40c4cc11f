#!/usr/bin/env bash
# The AppStream metainfo passes appstreamcli without network access:
# validate-metainfo.sh FILE
source "${BASH_SOURCE[0]%/*}/common.sh"
need appstreamcli
appstreamcli validate --no-net --pedantic "$1"
