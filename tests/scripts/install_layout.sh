#!/usr/bin/env bash
# The installed program: `cmake --install` of this build into a scratch prefix.
# Run from there without --program-dir and without a display, both programs
# find what ships with them in share/velmora; everything the build puts
# beside the programs is installed; the menu entry, the software-centre
# metadata, the icon and the manual pages are there and pass their validators.
set -euo pipefail
bin=$(cd "$1" && pwd)
build=$(dirname "$bin")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || fail "$1 is missing (Debian package $2; scripts/setup installs it)"; }
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need man man-db

prefix=$scratch/usr
cmake --install "$build" --prefix "$prefix" > "$scratch/install.log" || { cat "$scratch/install.log" >&2; fail "cmake --install"; }
share=$prefix/share
program_folder=$share/velmora
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/data
unset DISPLAY WAYLAND_DISPLAY

# Everything the build puts beside the programs besides executables ships.
for file in "$bin"/*; do
  [[ -f $file && ! -x $file ]] || continue
  name=$(basename "$file")
  cmp -s "$file" "$program_folder/$name" || fail "$name of the program folder is not installed in share/velmora"
done
for program in velmora velmora-cli; do
  [[ -x $prefix/bin/$program ]] || fail "bin/$program is not installed"
done
[[ -z $(find "$program_folder" -type f -perm /111) ]] || fail "an executable was installed in share/velmora"

# The installed programs find their folder by themselves.
"$prefix/bin/velmora" --version | grep -q "Velmora 2001" || fail "velmora --version"
"$prefix/bin/velmora-cli" games > "$scratch/games" 2> "$scratch/err" || { cat "$scratch/err" >&2; fail "installed velmora-cli games"; }
"$bin/velmora-cli" --program-dir "$bin" games > "$scratch/games.build"
cmp -s "$scratch/games" "$scratch/games.build" || fail "the installed catalogue differs from the build's"
"$prefix/bin/velmora-cli" check > "$scratch/check" 2>&1 || { cat "$scratch/check" >&2; fail "installed velmora-cli check"; }

# A copy of the program with nothing to find says what is missing beside it.
mkdir -p "$scratch/alone"
cp "$prefix/bin/velmora-cli" "$scratch/alone/"
if "$scratch/alone/velmora-cli" games > /dev/null 2> "$scratch/err"; then fail "games ran without a rule file"; fi
grep -q -E "$scratch/alone/(GAMES.DAT|SOL.RGF)" "$scratch/err" || fail "no word of the missing file: $(cat "$scratch/err")"

# The menu entry, its icon in every size, and the software-centre entry.
entries=("$share"/applications/*.desktop)
[[ ${#entries[@]} == 1 && -f ${entries[0]} ]] || fail "not one desktop entry in share/applications"
entry=${entries[0]}
desktop-file-validate "$entry" || fail "desktop-file-validate $(basename "$entry")"
field() { sed -n "s/^$1=//p" "$entry"; }
[[ -x $prefix/bin/$(field Exec | cut -d' ' -f1) ]] || fail "the desktop entry starts a program that is not installed"
grep -q '^Categories=.*CardGame;' "$entry" || fail "the desktop entry is not in the card games menu"
icon=$(field Icon)
[[ -f $share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "no scalable icon $icon"
for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x$size/apps/$icon.png
  [[ -f $png ]] || fail "no $size px icon"
  # The width and height of a PNG are the big-endian words at bytes 16 and 20.
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print ($1*2^24 + $2*2^16 + $3*2^8 + $4), ($5*2^24 + $6*2^16 + $7*2^8 + $8) }')
  [[ $width == "$size" && $height == "$size" ]] || fail "the $size px icon is $width x $height"
done
metainfo=("$share"/metainfo/*.metainfo.xml)
[[ ${#metainfo[@]} == 1 && -f ${metainfo[0]} ]] || fail "not one metainfo file in share/metainfo"
appstreamcli validate --no-net "${metainfo[0]}" > "$scratch/appstream" 2>&1 ||
  { cat "$scratch/appstream" >&2; fail "appstreamcli validate"; }
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "${metainfo[0]}" ||
  fail "the metainfo does not launch the desktop entry"

# The manual pages render without warnings and name every option and command
# that --help names.
options_of() { "$@" --help | grep -o -E -- '--[a-z][a-z-]*' | sort -u; }
commands_of_cli() { "$prefix/bin/velmora-cli" --help | sed -n '/^Commands:/,$p' | awk 'NR > 1 { print $1 }'; }
check_page() {
  local page=$share/man/man6/$1.6.gz
  [[ -f $page ]] || fail "no manual page $1(6)"
  MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2> "$scratch/man.err" > /dev/null
  [[ ! -s $scratch/man.err ]] || fail "$1(6) renders with warnings: $(cat "$scratch/man.err")"
  zcat "$page" | sed 's/\\-/-/g' > "$scratch/page"
  shift
  for word in "$@"; do
    grep -q -F -- "$word" "$scratch/page" || fail "$(basename "$page") does not mention $word"
  done
}
mapfile -t window_options < <(options_of "$prefix/bin/velmora")
check_page velmora "${window_options[@]}"
mapfile -t cli_words < <(options_of "$prefix/bin/velmora-cli"; commands_of_cli)
check_page velmora-cli "${cli_words[@]}"
echo "install layout ok"
