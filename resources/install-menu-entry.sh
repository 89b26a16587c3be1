#!/bin/sh
# Makes the menu entry of this portable Squadrant folder for the user who runs it: writes
# ~/.local/share/applications/squadrant.desktop ($XDG_DATA_HOME/applications where that is set), which starts
# the program in this folder by its absolute path, puts the icons into ~/.local/share/icons/hicolor/ and makes
# roster files (*.ros) open with Squadrant. Run it again after moving the folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd -P)
data=${XDG_DATA_HOME:-$HOME/.local/share}
case $here in
  *'
'*) echo "install-menu-entry.sh: a menu entry cannot name a folder whose name holds a line break: $here" >&2
    exit 1 ;;
esac
[ -x "$here/squadrant" ] || { echo "install-menu-entry.sh: no program squadrant in $here" >&2; exit 1; }

# A string value of a desktop entry keeps a backslash as \\. Exec quotes the program's path, escaping " ` $ and
# \ inside the quotes first, and doubles % (a field code otherwise).
string() { printf '%s' "$1" | sed -e 's/\\/\\\\/g'; }
quoted=$(printf '%s' "$here/squadrant" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')
# GLib looks for the program before it turns %% into %, and would not find it: env stands in front of it there.
start=
case $here in *%*) start='env ' ;; esac

mkdir -p "$data/applications" "$data/icons" "$data/mime/packages"
cp -R "$here/icons/hicolor" "$data/icons/"
cp "$here/squadrant-mime.xml" "$data/mime/packages/squadrant.xml"
entry="$data/applications/squadrant.desktop"
cat >"$entry.new" <<ENTRY
[Desktop Entry]
Type=Application
Name=Squadrant
GenericName=Football League Orders
Comment=Write your team's orders for a play-by-e-mail football league
TryExec=$(string "$here/squadrant")
Exec=$start"$quoted" %f
Path=$(string "$here")
Icon=squadrant
Terminal=false
Categories=Game;SportsGame;
Keywords=football;soccer;league;line-up;lineup;orders;tactics;roster;
MimeType=application/x-squadrant-roster;
ENTRY
mv "$entry.new" "$entry"
# The desktop's caches, where their tools are installed (the desktop reads the files without them too).
if command -v update-mime-database >/dev/null 2>&1; then update-mime-database "$data/mime" || true; fi
if command -v update-desktop-database >/dev/null 2>&1; then update-desktop-database "$data/applications" || true; fi
echo "Menu entry written: $entry"
