#!/usr/bin/env bash
# Fails when a file of the program includes a Qt header or SQLite's: the
# program talks to the platform layer only, in the layer's terms.
# Usage: program_includes.sh <source root>
set -euo pipefail
root=${1:?usage: program_includes.sh <source root>}
folders=(app mainwindow search exchange printing about)

# <QString>, "QDate", <QtCore/QDate>, <QtWidgets>, <sqlite3.h>, "sqlite3ext.h" ...
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*/)?(Q[A-Za-z0-9_]*(/[^>"]*)?|Qt[A-Za-z0-9_]*/[^>"]*|sqlite3[a-z]*\.h)[>"]'

present=()
for f in "${folders[@]}"; do
  [[ -d "$root/$f" ]] && present+=("$root/$f")
done
[[ ${#present[@]} -gt 0 ]] || { echo "no program folders under $root"; exit 2; }

if leaks=$(grep -rnE "$pattern" "${present[@]}"); then
  echo "Program code includes Qt or SQLite headers; use the layer (framework/) instead:"
  echo "$leaks"
  exit 1
fi
echo "program code includes no Qt or SQLite header (${present[*]#"$root/"})"
