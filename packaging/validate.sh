#!/bin/sh
# Checks the desktop entry and the AppStream metainfo with the desktop's own validators.
# Usage: validate.sh DESKTOP-FILE METAINFO-FILE
set -u
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (Debian: desktop-file-utils, appstream)"
        exit 77
    fi
done
status=0
desktop-file-validate "$1" || status=1
appstreamcli validate --no-net --explain "$2" || status=1
exit $status
