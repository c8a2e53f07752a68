#!/usr/bin/env bash
# The include check itself: it passes on a clean program tree and fails on
# each kind of planted include, wherever in the program it is planted.
# Usage: program_includes_test.sh <path of program_includes.sh>
set -uo pipefail
check=${1:?usage: program_includes_test.sh <program_includes.sh>}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

reset_tree() {
  rm -rf "${tree:?}"/*
  mkdir -p "$tree"/app "$tree"/mainwindow
  cat > "$tree/app/App.cpp" <<'CPP'
#include "app/App.h"
#include "framework/String.h"
#include <memory>
// Comments may name <QString> and #include <QDate>; only includes count.
  // #include <QStringList>
const char* const kText = "#include <QString>";
CPP
  printf '#pragma once\n#include "framework/Listbox.h"\n#include <vector>\n' > "$tree/mainwindow/MainWindow.h"
}

expect() {  # expect <pass|fail> <what>
  if "$check" "$tree" >/dev/null 2>&1; then got=pass; else got=fail; fi
  if [[ $got != "$1" ]]; then
    echo "FAILED: $2: the check gave $got, expected $1"
    failures=$((failures + 1))
  fi
}

reset_tree
expect pass "a clean tree"

plants=(
  '#include <QStringList>'
  '#include "QString"'
  '#include <QtCore/QDate>'
  '#include <QtWidgets>'
  '  #  include <QDebug>'
  '#include <sqlite3.h>'
  '#include "sqlite3.h"'
  '#include <QtSql/QSqlDatabase>'
)
for folder in app mainwindow search exchange printing about; do
  for plant in "${plants[@]}"; do
    reset_tree
    mkdir -p "$tree/$folder"
    printf '#include "framework/Dialogs.h"\n%s\n' "$plant" > "$tree/$folder/Planted.cpp"
    expect fail "'$plant' in $folder/"
  done
done

# A planted header file counts as much as a source file.
reset_tree
printf '#pragma once\n#include <QDate>\n' > "$tree/mainwindow/Planted.h"
expect fail "a header in mainwindow/"

# Outside the program (the layer, the tests) Qt is allowed.
reset_tree
mkdir -p "$tree/framework" "$tree/tests"
echo '#include <QString>' > "$tree/framework/String.h"
echo '#include <QTemporaryDir>' > "$tree/tests/Fixture.h"
expect pass "Qt includes in framework/ and tests/"

if [[ $failures -gt 0 ]]; then exit 1; fi
echo "the include check passes a clean tree and fails every planted include"
