#!/usr/bin/env bash
# check_catalogs.sh TEXTS_TOOL PO_FOLDER: the folder's template (po/vesko.pot, the windows'
# texts; po/package/vesko-package.pot, the menu entry's and metainfo's) is what TEXTS_TOOL
# writes from the sources now, and every catalog translates each text, keeping its
# placeholders (%1) and line breaks. A text left as the English on purpose carries the
# translator comment "# same on purpose". A setting's name, which messages quote
# mid-sentence, is never cut short ("Режим летн. вр.." reads as two full stops and is spelt
# out letter by letter).
set -uo pipefail
tool=$1
po=$2
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

template=$(echo "$po"/*.pot)
if ! "$tool" | cmp -s - "$template"; then
  fail "$template is not what its sources hold: run scripts/update-catalogs"
fi
# msgfmt --desktop and --xml take only the languages LINGUAS names, and pass over the rest.
languages() { for catalog in "$po"/*.po; do basename "$catalog" .po; done; }
if [ -f "$po/LINGUAS" ] &&
   [ "$(tr -s ' ' '\n' <"$po/LINGUAS" | sort)" != "$(languages | sort)" ]; then
  fail "$po/LINGUAS does not name exactly the catalogs there"
fi

# msgexec gives the English as MSGEXEC_MSGID and the translation on standard input.
same_or_broken='
  [ -n "$MSGEXEC_MSGID" ] || exit 0
  text=$(cat; echo .); text=${text%.}
  [ "$text" != "$MSGEXEC_MSGID" ] || echo "left in English: $MSGEXEC_MSGID"
  breaks() { printf %s "$1" | tr -cd "\n" | wc -c; }
  [ "$(breaks "$MSGEXEC_MSGID")" = "$(breaks "$text")" ] || echo "line breaks differ: $MSGEXEC_MSGID"'

count=0
for catalog in "$po"/*.po; do
  count=$((count + 1))
  name=$(basename "$catalog")
  # Every text of the template, translated and not fuzzy.
  msgcmp "$catalog" "$template" >/dev/null 2>&1 ||
    fail "$name misses translations: $(msgcmp "$catalog" "$template" 2>&1 | head -3)"
  # Placeholders, via each text's qt-format flag, and the header.
  msgfmt --check -o /dev/null "$catalog" 2>/dev/null ||
    fail "$name: $(msgfmt --check -o /dev/null "$catalog" 2>&1 | grep -v warning | head -3)"
  problems=$(msggrep --invert-match -C -e 'same on purpose' "$catalog" |
             msgexec sh -c "$same_or_broken")
  [ -z "$problems" ] || fail "$name: $problems"
  cut_short=$(msggrep -J -e '^setting name$' "$catalog" |
              msgexec sh -c '[ -z "$MSGEXEC_MSGID" ] || { t=$(cat); case $t in *.) echo "$t";; esac; }')
  [ -z "$cut_short" ] || fail "$name: a setting's name ends in an abbreviation: $cut_short"
done
[ "$count" -ge 10 ] || fail "only $count catalogs in $po"
[ "$status" -eq 0 ] && echo "$count catalogs complete"
exit "$status"
