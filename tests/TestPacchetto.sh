#!/usr/bin/env bash
# The Debian package as a user gets it: made from this build by cpack, checked by Debian's
# validators, unpacked with dpkg -x into a temporary root and started from there offscreen,
# with HOME in a temporary folder, on the demo data until its first entry is shown: nothing
# executable is left in the home, nothing is written below the installation, the user's
# settings, pictures and data stay as they are from one start to the next, and a home of the
# earlier package (a copy of the program beside Zelmar.ini) is moved over. Then every command:
# its manual page and --help agree on the options, in the interface language of Zelmar.ini.
# Usage: TestPacchetto.sh BUILD_FOLDER SOURCE_FOLDER
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
versione=$(dpkg-deb -f "$deb" Version)

passo "Debian's hardening flags on every compile command"
comandi=$(grep -c '"command":' "$build/compile_commands.json")
[ "$comandi" -gt 0 ] && [ "$(grep -c '"command":.*-D_FORTIFY_SOURCE=2.*-fstack-protector-strong' "$build/compile_commands.json")" = "$comandi" ] ||
  errore "compiled without Debian's flags"

passo "lintian --pedantic --display-info"
timeout 600 lintian --pedantic --display-info --fail-on error,warning "$deb" | tee "$tmp/lintian.log"
! grep -E 'hardening-no|binary-has-unneeded-section' "$tmp/lintian.log" || errore "binaries built without Debian's flags"

radice=$tmp/radice
dpkg -x "$deb" "$radice"
id=it.zelmartek.zelmartek
metainfo=$radice/usr/share/metainfo/$id.metainfo.xml
passo "desktop-file-validate, appstreamcli validate --pedantic"
desktop-file-validate "$radice/usr/share/applications/$id.desktop"
appstreamcli validate --pedantic --no-net "$metainfo" | tee "$tmp/appstream.log"
! grep -E '^[EWIP]: ' "$tmp/appstream.log" || errore "appstreamcli has remarks"
grep -q "<release version=\"$versione\"" "$metainfo" || errore "the AppStream file has no release $versione"

export HOME=$tmp/casa
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME ZELMARTEK_INI ZELMARTEK_CARTELLA_PROGRAMMA
export XDG_RUNTIME_DIR=$tmp/runtime
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
ini=$HOME/.config/ZELMARtek/Zelmar.ini
immagini=$HOME/.local/share/ZELMARtek/immagine
avvia() {
  timeout 60 "$radice/usr/bin/zelmartek" "$@" --esci-dopo-avvio || errore "the program did not show its first entry ($?)"
  [ -z "$(find "$HOME" -type f -perm -u+x)" ] || errore "executable in the home: $(find "$HOME" -type f -perm -u+x)"
}

passo "First start"
touch "$tmp/prima"
sleep 1
avvia --dati-dimostrativi
[ -f "$ini" ] && [ -f "$immagini/senza.jpg" ] || errore "the user's Zelmar.ini or pictures are missing"
[ -f "$HOME/Documents/ZELMARtek/Databases/InterfMess.mdb" ] || errore "demo data not copied"
[ -z "$(find "$radice" -newer "$tmp/prima")" ] || errore "written below the installation: $(find "$radice" -newer "$tmp/prima")"

passo "Next start (after an upgrade too), with the data moved elsewhere and Zelmar.ini saying where"
dati=$tmp/altrove
mv "$HOME/Documents/ZELMARtek" "$dati"
sed -i "s|^CartellaDati=.*|CartellaDati=$dati|" "$ini"
cp "$ini" "$tmp/ini-utente"
cp "$immagini/senza.jpg" "$immagini/Infissi/foto_utente.jpg"
somma=$(md5sum < "$dati/Databases/Database/Database_sperimentale.mdb")
avvia
cmp -s "$ini" "$tmp/ini-utente" || errore "Zelmar.ini was rewritten"
[ -f "$immagini/Infissi/foto_utente.jpg" ] || errore "the user's picture is gone"
[ "$(md5sum < "$dati/Databases/Database/Database_sperimentale.mdb")" = "$somma" ] || errore "the user's data changed"
[ ! -e "$HOME/Documents/ZELMARtek" ] || errore "demo data copied again"

passo "A home of the earlier package: its copies of the program removed, its Zelmar.ini moved"
rm -r "$HOME/.config"
vecchia=$HOME/.local/share/ZELMARtek
for copia in zelmartek zelmar-lettore-jet zelmartek.nuovo.4242; do
  install -m 755 "$radice/usr/libexec/zelmartek/zelmar-lettore-jet" "$vecchia/$copia"
done
cp "$tmp/ini-utente" "$vecchia/Zelmar.ini"
avvia
[ ! -e "$vecchia/Zelmar.ini" ] && cmp -s "$ini" "$tmp/ini-utente" || errore "Zelmar.ini was not moved"
[ -f "$immagini/Infissi/foto_utente.jpg" ] || errore "the user's picture is gone"

passo "Every command: manual page and --help with the same options, in the language of Zelmar.ini"
opzioni() { grep -oE '(^|[^A-Za-z0-9_-])--?[A-Za-z][A-Za-z0-9-]*' | sed -E 's/^[^-]+//' | sort -u; }
comandi=()
for comando in "$radice"/usr/bin/*; do comandi+=("$(basename "$comando")"); done
for nome in "${comandi[@]}"; do
  pagina=$radice/usr/share/man/man1/$nome.1.gz
  [ -f "$pagina" ] || errore "$nome has no manual page"
  zcat "$pagina" | groff -man -Tascii -P-bcu -rHY=0 -rLL=250n 2> /dev/null > "$tmp/pagina"
  for altro in "${comandi[@]}"; do
    [ "$altro" = "$nome" ] || sed -n '/^SEE ALSO/,$p' "$tmp/pagina" | grep -q "$altro(1)" ||
      errore "the manual page of $nome does not name $altro under SEE ALSO"
  done
  grep -q "<binary>$nome</binary>" "$metainfo" || errore "the AppStream file does not provide $nome"
  zcat "$radice/usr/share/doc/zelmartek/changelog.gz" | grep -qw -- "$nome" || errore "the changelog does not name $nome"
  for lingua in English Italiano; do
    printf '[Configurazione]\nLingua=%s\n' "$lingua" > "$ini"
    timeout 30 "$radice/usr/bin/$nome" --help > "$tmp/aiuto-$lingua" 2>&1 || errore "$nome --help failed"
    diff <(opzioni < "$tmp/aiuto-$lingua") <(opzioni < "$tmp/pagina") ||
      errore "$nome: the options of --help (<, in $lingua) and of the manual page (>) differ"
  done
  ! cmp -s "$tmp/aiuto-English" "$tmp/aiuto-Italiano" || errore "$nome --help does not follow Lingua"
done

passo "zelmar-importjet through its link finds the reader"
cp "$sorgenti/tests/fixtures/jet/testV1997.mdb" "$tmp/prova.mdb"
timeout 120 "$radice/usr/bin/zelmar-importjet" "$tmp/prova.mdb"
[ -f "$tmp/prova.mdb.jet" ] || errore "zelmar-importjet converted nothing"
echo "All checks passed"
