#!/usr/bin/env bash
# The Debian package as a user gets it: made from this build by cpack, checked by Debian's
# validators, unpacked with dpkg -x into a temporary root and started from there offscreen,
# with HOME in a temporary folder, on the demo data until its first entry is shown. Then the
# installed program changes (an upgrade): the user's copy follows, their settings, pictures
# and data stay. Usage: TestPacchetto.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1
sorgenti=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
passo() { echo "== $*"; }
errore() { echo "FAIL: $*" >&2; exit 1; }

passo "cpack -G DEB"
timeout 900 cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/cpack" > "$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; errore "cpack"; }
deb=$(echo "$tmp"/cpack/zelmartek_*.deb)
[ -f "$deb" ] || errore "no package written"
dpkg-deb --info "$deb"

passo "lintian"
timeout 600 lintian --fail-on error "$deb"

radice=$tmp/radice
dpkg -x "$deb" "$radice"
passo "desktop-file-validate"
desktop-file-validate "$radice/usr/share/applications/it.zelmartek.ZELMARtek.desktop"
passo "appstreamcli validate --no-net"
appstreamcli validate --no-net "$radice/usr/share/metainfo/it.zelmartek.ZELMARtek.metainfo.xml"

export HOME=$tmp/casa
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
export XDG_RUNTIME_DIR=$tmp/runtime
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
cartella=$HOME/.local/share/ZELMARtek
dati=$HOME/Documents/ZELMARtek
avvia() {
  timeout 60 "$radice/usr/bin/zelmartek" "$@" --esci-dopo-avvio || errore "the program did not show its first entry ($?)"
}

passo "First start"
touch "$tmp/prima"
sleep 1
avvia --dati-dimostrativi
for f in zelmartek zelmar-lettore-jet Zelmar.ini immagine/senza.jpg; do
  [ -f "$cartella/$f" ] || errore "$cartella/$f missing"
done
[ -f "$dati/Databases/InterfMess.mdb" ] || errore "demo data not copied into $dati"
[ -z "$(find "$radice" -newer "$tmp/prima")" ] || errore "written below the installation: $(find "$radice" -newer "$tmp/prima")"

passo "Upgrade, with the data moved elsewhere and Zelmar.ini of the user's folder saying where"
altrove=$tmp/altrove
mv "$dati" "$altrove"
sed -i "s|^CartellaDati=.*|CartellaDati=$altrove|" "$cartella/Zelmar.ini"
dati=$altrove
cp "$cartella/immagine/senza.jpg" "$cartella/immagine/Infissi/foto_utente.jpg"
somma=$(md5sum < "$dati/Databases/Database/Database_sperimentale.mdb")
touch -d '2030-01-01 12:00' "$radice/usr/libexec/zelmartek/zelmartek"
avvia
[ "$(stat -c %Y "$cartella/zelmartek")" = "$(stat -c %Y "$radice/usr/libexec/zelmartek/zelmartek")" ] ||
  errore "the user's copy of the program was not brought up to date"
cmp -s "$cartella/zelmartek" "$radice/usr/libexec/zelmartek/zelmartek" || errore "the user's copy differs"
grep -q "^CartellaDati=$altrove" "$cartella/Zelmar.ini" || errore "Zelmar.ini was rewritten"
[ -f "$cartella/immagine/Infissi/foto_utente.jpg" ] || errore "the user's picture is gone"
[ "$(md5sum < "$dati/Databases/Database/Database_sperimentale.mdb")" = "$somma" ] || errore "the user's data changed"
[ ! -e "$HOME/Documents/ZELMARtek" ] || errore "demo data copied again"

passo "Every command has its manual page and answers --help"
for comando in "$radice"/usr/bin/*; do
  nome=$(basename "$comando")
  [ -f "$radice/usr/share/man/man1/$nome.1.gz" ] || errore "$nome has no manual page"
  timeout 30 "$comando" --help > /dev/null || errore "$nome --help failed"
done

passo "zelmar-importjet through its link finds the reader"
cp "$sorgenti/tests/fixtures/jet/testV1997.mdb" "$tmp/prova.mdb"
timeout 120 "$radice/usr/bin/zelmar-importjet" "$tmp/prova.mdb"
[ -f "$tmp/prova.mdb.jet" ] || errore "zelmar-importjet converted nothing"
echo "All checks passed"
