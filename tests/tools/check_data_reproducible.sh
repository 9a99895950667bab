#!/usr/bin/env bash
# Rebuilds data/ into a temporary folder and compares it with the committed files.
# Exits 77 (skipped) when the source packages are not installed.
set -euo pipefail
root=$1
if ! /usr/bin/python3 -c 'import grammalecte' 2>/dev/null || [ ! -f /usr/share/mythes/thes_fr.dat ]; then
    echo "python3-grammalecte or mythes-fr not installed: skipped"
    exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
/usr/bin/python3 "$root/tools/build_data.py" --out "$out" --header "$out/DataTables.h"
status=0
# The files of data/ are those the generated resource table names.
for file in $(sed -n 's/^ *X([A-Za-z]*, \([A-Z0-9]*\),.*/\1/p' "$root/core/wordlists/DataTables.h"); do
    cmp "$out/$file" "$root/data/$file" || status=1
done
cmp "$out/DataTables.h" "$root/core/wordlists/DataTables.h" || status=1
exit $status
