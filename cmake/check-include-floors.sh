#!/bin/sh
# Fails when a library's file includes a header of a folder its library does
# not link (directly or through another library): every target sees the whole
# tree's include root, so such an include of a header-only file would build.
#
# Usage: check-include-floors.sh FLOORS SOURCE-ROOT
# FLOORS is written by CMake (quorvel_include_floor_check): one line per
# library folder, the folder first, then every folder it may include.
# Only grep, sed, awk and find: it runs on a bare Debian root too.
set -eu
floors=$1
cd "$2"

folders=$(cut -d' ' -f1 "$floors" | sort -u)
tops=$(find . -mindepth 1 -maxdepth 1 -type d ! -name '.*' ! -name build | sed 's:^\./::')

# shellcheck disable=SC2086  # the folder names hold no blanks
find $folders -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) | sort -u |
  xargs grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^>"]+[>"]' /dev/null |
  awk -v floors="$floors" -v tops="$tops" '
    function owner(path,    f, best) {
      best = ""
      for (f in isFolder)
        if (index(path, f "/") == 1 && length(f) > length(best)) best = f
      return best
    }
    BEGIN {
      while ((getline line < floors) > 0) {
        n = split(line, word, " ")
        isFolder[word[1]] = 1
        for (i = 1; i <= n; i++) {
          if (!((word[1], word[i]) in allowed)) may[word[1]] = may[word[1]] " " word[i] "/"
          allowed[word[1], word[i]] = 1
        }
      }
      n = split(tops, word, "\n")
      for (i = 1; i <= n; i++) isTop[word[i]] = 1
    }
    {
      path = $0; sub(/:.*/, "", path)
      rest = substr($0, length(path) + 2)
      number = rest; sub(/:.*/, "", number)
      match(rest, /[<"][^>"]+[>"]/)
      included = substr(rest, RSTART + 1, RLENGTH - 2)
      top = included; sub(/\/.*/, "", top)
      if (top == included || !(top in isTop)) next  # beside the file, or not ours
      from = owner(path)
      to = owner(included)
      if (to != "" && ((from, to) in allowed)) next
      where = (to == "") ? "which is in no library folder" : "which is above its floor"
      printf "%s:%s: includes %s, %s (%s/ may include%s)\n", path, number, included, where, from, may[from]
      bad++
    }
    END {
      if (bad) {
        printf "%d include(s) above their floor; a folder includes only the folders its library links\n", bad
        exit 1
      }
    }'
