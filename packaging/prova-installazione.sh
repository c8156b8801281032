#!/usr/bin/env bash
# The package installed on this machine as a user installs it, started from a fresh account
# whose home is mounted noexec, on a virtual display (Xvfb), then purged. As root, on Debian
# 12, after the test command has built build/:
#   bash packaging/prova-installazione.sh [BUILD_FOLDER]
# Installs xvfb and x11-utils when missing. Leaves the machine as it found it: the package
# purged, the account and its home removed. Exit status 0 when every check passed.
set -euo pipefail
build=$(realpath "${1:-build}")
[ "$(id -u)" = 0 ] || { echo "run as root" >&2; exit 2; }
dpkg-query -W -f='${Status}' zelmartek 2> /dev/null | grep -q 'install ok installed' &&
  { echo "zelmartek is installed already: purge it first" >&2; exit 2; }
passo() { echo "== $*"; }
errore() { echo "FAIL: $*" >&2; exit 1; }
mancanti=()
for p in xvfb x11-utils; do
  dpkg-query -W -f='${Status}' "$p" 2> /dev/null | grep -q 'install ok installed' || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi

tmp=$(mktemp -d)
utente=zelmarprova$$
casa=/home/$utente
schermo=:$((90 + $$ % 100))
pulisci() {
  set +e
  [ -n "${xvfb:-}" ] && kill "$xvfb"
  pkill -u "$utente" 2> /dev/null
  sleep 1
  mountpoint -q "$casa" && umount "$casa"
  id "$utente" > /dev/null 2>&1 && userdel -r "$utente" 2> /dev/null
  rm -rf "$tmp" "$casa"
  dpkg-query -W -f='${Status}' zelmartek 2> /dev/null | grep -q 'install ok installed' &&
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zelmartek > /dev/null
}
trap pulisci EXIT

passo "The package, from $build"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/cpack" > "$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; errore "cpack"; }
deb=$(echo "$tmp"/cpack/zelmartek_*.deb)
find /usr /etc /opt -xdev 2> /dev/null | sort > "$tmp/prima"

passo "apt install $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"

passo "A fresh user, $utente, with the home on a noexec mount"
useradd -M -d "$casa" -s /bin/bash "$utente"
mkdir -p "$casa"
mount -t tmpfs -o noexec,nosuid,nodev,size=256m,mode=700,uid="$(id -u "$utente")",gid="$(id -g "$utente")" \
  tmpfs "$casa"
findmnt -no OPTIONS "$casa"

passo "Xvfb $schermo; the desktop entry's command started as $utente"
Xvfb "$schermo" -screen 0 1280x1024x24 -nolisten tcp > "$tmp/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=$schermo
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.2; done
chmod 755 "$tmp"
install -m 644 -o "$utente" /dev/null "$tmp/programma.log"
comando=$(sed -n 's/^Exec=//p' /usr/share/applications/it.zelmartek.zelmartek.desktop)
su - "$utente" -c "DISPLAY=$schermo $comando --dati-dimostrativi > $tmp/programma.log 2>&1 &"
finestra=""
for _ in $(seq 120); do
  finestra=$(xwininfo -root -tree 2> /dev/null | awk '/: \("zelmartek" / {print $1; exit}')
  [ -n "$finestra" ] && break
  sleep 0.5
done
[ -n "$finestra" ] || { cat "$tmp/programma.log"; errore "no window appeared"; }
xwininfo -id "$finestra" | grep -E 'xwininfo|Width|Height|Map State' | tee "$tmp/finestra"
grep -q IsViewable "$tmp/finestra" || errore "the window is not shown"
classe=$(xprop -id "$finestra" WM_CLASS)
echo "$classe"
desktop=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/it.zelmartek.zelmartek.desktop)
echo "$classe" | grep -q "\"$desktop\"$" || errore "StartupWMClass=$desktop is not the window's class"
pkill -u "$utente" -f /usr/libexec/zelmartek/zelmartek || true

passo "The user's home"
su - "$utente" -c 'find ~ -type f | sort; echo "executable files: $(find ~ -type f -perm -u+x | wc -l)"'
[ -z "$(su - "$utente" -c 'find ~ -type f -perm -u+x')" ] || errore "executable files in the home"

passo "apt purge zelmartek"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zelmartek
find /usr /etc /opt -xdev 2> /dev/null | sort > "$tmp/dopo"
diff "$tmp/prima" "$tmp/dopo" && echo "nothing left under /usr, /etc, /opt" ||
  errore "the purge left the lines above under /usr, /etc or /opt"
echo "All checks passed"
