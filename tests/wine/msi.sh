#!/usr/bin/env bash
# The Windows Installer package under Wine, as a school's IT deploys it, in a fresh Wine prefix:
#   msi.sh BUILD_DIR SCREENSHOT.png
# 1. msiinfo reads the package's summary and every table.
# 2. A silent install puts the program, its read-me and licences in Program Files\Tikara, the
#    shortcut "Tikara" in the shared Start menu, none on the desktop, and an entry in installed
#    programs with name, version, maker and icon; the installed tikara.exe shows its window.
# 3. The same package again, and then one with a higher version, each leave one copy; the
#    older package is then refused.
# 4. A silent removal leaves the prefix's files and registry as they were before the install.
# 5. BUREAUBLAD=1 adds the desktop shortcut, and removal takes it away again.
set -euo pipefail
build=$(realpath "${1:?the Windows build folder}")
shot=$(realpath -m "${2:?path of the screenshot to save}")
here=$(cd "$(dirname "$0")" && pwd)
packer=$here/../../packaging/windows/pack-msi.sh
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package=$build/tikara-$version-x64.msi
higher=$build/msi-test/tikara-9.9-x64.msi

fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$build/msi-test"
mkdir -p "$build/msi-test/tables"
msiinfo suminfo "$package" >/dev/null || fail "msiinfo cannot read the summary"
# A table with binary columns comes out as files beside its text, hence a folder of its own.
for table in $(msiinfo tables "$package"); do
  (cd "$build/msi-test/tables" && msiinfo export "$package" "$table" >/dev/null) || fail "msiinfo cannot read the table $table"
done
echo "msiinfo reads the summary and $(msiinfo tables "$package" | wc -l) tables"

# A prefix and a home of the test's own: Wine links the user's desktop to the home folder, and
# winemenubuilder would write menu entries for this machine's desktop.
export WINEPREFIX=$build/msi-test/wine HOME=$build/msi-test/home WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
mkdir -p "$WINEPREFIX" "$HOME"
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
# Fonts for the window check, as the test prefix has them; they are there before and after.
cp /usr/share/fonts/truetype/liberation/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
"$packer" "$build" 9.9 "$higher"

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Tikara"
# Windows puts a per-machine install's shortcuts in the shared Start menu and desktop; Wine 8
# puts them in the installing user's (its installer does not yet look at ALLUSERS there).
user=$(ls "$drive/users" | grep -vx Public)
start_menu=("$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tikara.lnk"
            "$drive/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tikara.lnk")
desktop=("$drive/users/Public/Desktop/Tikara.lnk" "$drive/users/$user/Desktop/Tikara.lnk")
present() { local file; for file in "$@"; do [ -e "$file" ] && return 0; done; return 1; }
uninstall='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'

msiexec() { local status=0; "$wine" msiexec "$@" || status=$?; "$wineserver" -w; return "$status"; }
# What a removal must give back: every file as it was (Windows Installer's own cache folder may
# stay, as on Windows), and no registry line that names Tikara or its product and upgrade
# codes, as written or packed as Windows Installer keeps them. Wine itself notes fonts and
# displays in the registry whenever a program starts, so the registry is searched, not compared.
files() {
  (cd "$drive" && find . -path ./windows/temp -prune -o -path './users/*/Temp' -prune -o -print | grep -vx ./windows/Installer | sort)
  (cd "$HOME" && find . | sort)
}
packed() {
  local g=${1//[\{\}-]/}
  echo "$(rev <<<"${g:0:8}")$(rev <<<"${g:8:4}")$(rev <<<"${g:12:4}")$(sed 's/\(.\)\(.\)/\2\1/g' <<<"${g:16}")"
}
traces() {
  local patterns=(-e tikara) code
  for code in "$(product_code "$package")" "$(product_code "$higher")" "$(upgrade_code "$package")"; do
    patterns+=(-e "${code//[\{\}]/}" -e "$(packed "$code")")
  done
  grep -i "${patterns[@]}" "$WINEPREFIX"/*.reg || true
}
property() { msiinfo export "$1" Property | sed -n "s/^$2\t//p" | tr -d '\r'; }
product_code() { property "$1" ProductCode; }
upgrade_code() { property "$1" UpgradeCode; }
# The entries under Uninstall that name Tikara: what installed programs list.
entries() {
  awk '/^\[/ { key = $0 } /^"DisplayName"="Tikara"$/ && key ~ /CurrentVersion\\\\Uninstall\\\\/ { n++ } END { print n + 0 }' \
    "$WINEPREFIX/system.reg"
}
entry_value() { "$wine" reg query "$uninstall\\$(product_code "$1")" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
expect_entry() {
  [ "$(entries)" = 1 ] || fail "$(entries) entries in installed programs, not one"
  [ "$(entry_value "$1" DisplayName)" = Tikara ] || fail "installed programs do not name Tikara"
  [ "$(entry_value "$1" DisplayVersion)" = "$2" ] || fail "installed programs do not say version $2"
  [ "$(entry_value "$1" Publisher)" = "De ontwikkelaars van Tikara" ] || fail "installed programs name no maker"
  # Installed programs show a Windows Installer product's icon from its product registration.
  grep -q "^\"ProductIcon\"=\"C:.*$(product_code "$1").*tikara.ico\"" "$WINEPREFIX/system.reg" \
    && [ -f "$drive/windows/Installer/$(product_code "$1")/tikara.ico" ] || fail "installed programs show no icon"
}

[ -z "$(traces)" ] || fail "the fresh prefix already names Tikara"
before=$(files)
msiexec /i "$package" /qn
for file in tikara.exe LEES-MIJ.txt licenties/GPL-3.0.txt licenties/Qt-LGPL-3.0.txt \
            licenties/Liberation-OFL-1.1.txt licenties/BRON.txt; do
  [ -f "$folder/$file" ] || fail "Program Files\\Tikara\\$file is missing"
done
present "${start_menu[@]}" || fail "the Start menu has no shortcut Tikara"
! present "${desktop[@]}" || fail "a desktop shortcut came without being asked for"
expect_entry "$package" "$version"
[ -n "$(traces)" ] || fail "the registry search finds nothing of the installed program"
echo "installed: Program Files\\Tikara, the Start-menu shortcut, installed programs say Tikara $version"

"$here/real-window.sh" "$folder/tikara.exe" "$shot"

msiexec /i "$package" /qn
expect_entry "$package" "$version"
msiexec /i "$higher" /qn
expect_entry "$higher" 9.9
[ -z "$(entry_value "$package" DisplayName)" ] || fail "version $version is still listed after the upgrade"
status=0; msiexec /i "$package" /qn || status=$?
[ "$status" -ne 0 ] || fail "the older package installed over the newer one"
expect_entry "$higher" 9.9
echo "installed twice, then upgraded to 9.9: one copy; $version over 9.9 refused (exit $status)"

msiexec /x "$higher" /qn
[ ! -e "$folder" ] || fail "Program Files\\Tikara is left after the removal"
! present "${start_menu[@]}" || fail "the Start-menu shortcut is left after the removal"
diff <(echo "$before") <(files) || fail "the removal left the files above behind"
[ -z "$(traces)" ] || fail "the removal left in the registry: $(traces)"
echo "removed: nothing left in the prefix's files or registry"

msiexec /i "$package" /qn BUREAUBLAD=1
present "${desktop[@]}" || fail "BUREAUBLAD=1 gave no desktop shortcut"
msiexec /x "$package" /qn
! present "${desktop[@]}" || fail "the desktop shortcut is left after the removal"
diff <(echo "$before") <(files) || fail "the removal after BUREAUBLAD=1 left the files above behind"
[ -z "$(traces)" ] || fail "the removal after BUREAUBLAD=1 left in the registry: $(traces)"
echo "BUREAUBLAD=1: the desktop shortcut came and went with the program"
