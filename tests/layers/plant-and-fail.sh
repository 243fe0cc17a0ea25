#!/usr/bin/env bash
# Plants one forbidden include at a time in a copy of the tree and expects
# tools/check-layers.sh to name it; the copy as it is must pass.
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
[ "$bad" -eq 0 ] && echo ok
exit "$bad"
