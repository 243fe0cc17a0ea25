#!/usr/bin/env bash
# Checks that #include edges between the folders of src/ point downwards only.
# Prints each forbidden edge and exits 1 when there is one.
#
# Layers, bottom first: base (with platform) <- engine <- the subsystems <-
# app. A subsystem may use the subsystems listed for it below (pages and
# printing sit under the others because every window writes pages and
# prints). A folder's win/ part may use its own folder, anything its folder
# may use, the win/ parts of those, and the framework in src/win/, which
# itself rests on the basics only. The mail transport (mail) sits under the
# composer and its contacts (composer); the scheduled run sends through the
# transport alone. tests/layers/plant-and-fail.sh checks that such edges fail.
set -u
cd "$(dirname "$0")/../src"

declare -A allowed=(
  [base]="platform"
  [platform]="base"
  [engine]="base"
  [pages]="base platform engine"
  [printing]="base"
  [profiles]="base platform engine pages"
  [daily]="base platform engine pages printing profiles"
  [hourly]="base platform engine pages printing profiles"
  [month]="base platform engine pages printing profiles"
  [companion]="base platform engine pages printing profiles"
  [mail]="base platform engine pages"
  [composer]="base platform engine pages mail"
  [schedule]="base platform engine pages printing profiles daily mail"
  [app]="base platform engine pages printing profiles daily hourly month companion mail composer schedule"
  [win]="base platform"
  [res]=""
)
# Windows that open each other's windows; the page view prints its page
# through the print job.
declare -A extraWin=(
  [daily]="hourly month composer"
  [pages]="printing"
)

ok_edge() { # from-folder from-is-win to-folder to-is-win
  local from=$1 fromWin=$2 to=$3 toWin=$4 d
  [ "$to" = res ] && return 0
  [ "$from" = "$to" ] && { [ "$toWin" = 0 ] || [ "$fromWin" = 1 ]; } && return 0
  if [ "$from" = win ]; then
    for d in ${allowed[win]}; do [ "$to" = "$d" ] && [ "$toWin" = 0 ] && return 0; done
    return 1
  fi
  if [ "$toWin" = 1 ] && [ "$fromWin" = 0 ]; then return 1; fi
  if [ "$fromWin" = 1 ]; then
    [ "$to" = win ] && return 0
    [ "$from" = app ] && return 0
    for d in ${extraWin[$from]:-}; do [ "$to" = "$d" ] && return 0; done
  fi
  [ "$to" = win ] && return 1
  for d in ${allowed[$from]:-}; do [ "$to" = "$d" ] && return 0; done
  return 1
}

bad=0
while IFS= read -r hit; do
  file=${hit%%:*}
  target=$(sed -E 's/.*#\s*include\s*"([^"]+)".*/\1/' <<<"$hit")
  from=${file%%/*}
  fromWin=0; [[ "$file" == */win/* ]] && fromWin=1
  case "$target" in */*) ;; *) continue ;; esac   # resource id headers and the like
  to=${target%%/*}
  toWin=0; [[ "$target" == */win/* || "$to" == win ]] && toWin=1
  [ -z "${allowed[$from]+x}" ] && { echo "$file: folder '$from' is not in the layer table"; bad=1; continue; }
  [ "$to" != win ] && [ -z "${allowed[$to]+x}" ] && { echo "$file: folder '$to' is not in the layer table"; bad=1; continue; }
  if [ "$from" = win ] && [ "$to" = win ]; then continue; fi
  if ! ok_edge "$from" "$fromWin" "$to" "$toWin"; then
    echo "$file includes $target"
    bad=1
  fi
done < <(grep -rnE '#\s*include\s*"' --include='*.h' --include='*.cpp' . | sed 's#^\./##')
# File facts (kind, size, existence) come from platform/ alone, where each
# has one answer on Windows and one on POSIX: a stat elsewhere answers it a
# second way.
while IFS= read -r hit; do
  echo "$hit: file facts outside platform/"
  bad=1
done < <(grep -rnE '(^|[^A-Za-z0-9_])(l?stat|_w?stat(32|64|i64)?)[[:space:]]*\(|filesystem::file_size' \
           --include='*.h' --include='*.cpp' . | sed 's#^\./##' | grep -v '^platform/')

[ "$bad" -eq 0 ] && echo ok
exit "$bad"
