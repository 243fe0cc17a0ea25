#!/usr/bin/env bash
# Plants one forbidden include at a time, then a file-facts call outside
# platform/, in a copy of the tree and expects tools/check-layers.sh to name
# each; the copy as it is must pass.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
mkdir -p "$copy/tools"
cp "$root/tools/check-layers.sh" "$copy/tools/"
cp -r "$root/src" "$copy/src"

bad=0
"$copy/tools/check-layers.sh" >/dev/null || { echo "the tree as it is fails the layer check"; bad=1; }

# file that gets the include | the include
while IFS='|' read -r file include; do
  cp "$root/src/$file" "$copy/src/$file"
  printf '#include "%s"\n' "$include" >>"$copy/src/$file"
  if out=$("$copy/tools/check-layers.sh"); then
    echo "not caught: $file including $include"; bad=1
  elif ! grep -qF "$file includes $include" <<<"$out"; then
    echo "caught, but not named: $file including $include"; bad=1
  fi
  cp "$root/src/$file" "$copy/src/$file"
done <<'PLANTS'
mail/ServerMailSender.cpp|composer/EmailComposer.h
mail/win/MailSenders.cpp|composer/win/EmailDialog.h
schedule/ScheduledDelivery.cpp|composer/Contacts.h
schedule/win/ScheduleDialog.cpp|composer/win/ComposerRun.h
composer/ComposedMail.cpp|schedule/ScheduledDelivery.h
composer/EmailComposer.cpp|mail/win/MailSenders.h
PLANTS
cp "$root/src/base/Clock.cpp" "$copy/src/base/Clock.cpp"
echo 'int PlantedSize(const char* path) { struct stat s; return stat(path, &s); }' >>"$copy/src/base/Clock.cpp"
if "$copy/tools/check-layers.sh" >"$copy/said" 2>&1 || ! grep -q '^base/Clock.cpp:.*file facts outside platform/' "$copy/said"; then
  echo "not caught: a stat call in base/"; bad=1
fi

[ "$bad" -eq 0 ] && echo ok
exit "$bad"
