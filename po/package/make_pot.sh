#!/usr/bin/env bash
# po/package/make_pot.sh: writes the template of the package's catalogs to standard output,
# from the desktop entry and the metainfo, each text with the notes its source gives it for
# translators (scripts/update-catalogs, tests/check_catalogs.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
pot=$(mktemp)
trap 'rm -f "$pot"' EXIT
options=(--add-comments=Translators: --package-name=vesko --from-code=UTF-8 -o "$pot")
xgettext "${options[@]}" res/org.vesko.Vesko.desktop
# The sources and every catalog are UTF-8; the join would warn of the placeholder.
sed -i 's/charset=CHARSET/charset=UTF-8/' "$pot"
# No locating rule knows a name ending in .in: appstream's rules, which the build's msgfmt
# finds for the configured file, are named here.
xgettext "${options[@]}" --join-existing --its=/usr/share/gettext/its/metainfo.its \
  res/org.vesko.Vesko.metainfo.xml.in
# Without its date the template is the same whenever it is written.
sed '/^"POT-Creation-Date: /d' "$pot"
