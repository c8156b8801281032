#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when missing.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libsqlite3-dev sqlite3
          mdbtools mdbtools-dev clang-format fonts-dejavu-core
          # The shared database: libpq, and the PostgreSQL server the tests start for themselves
          # (pg_virtualenv, from postgresql-common).
          libpq-dev postgresql-15 postgresql-common
          # Translations: lupdate and lrelease, their CMake functions, and Qt's own texts in Italian.
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          # The Debian package: its shared-library dependencies (dpkg-shlibdeps, and file, with
          # which cpack finds the programs to ask about), and the checks of its desktop entry,
          # its AppStream file and the package itself.
          dpkg-dev file desktop-file-utils appstream lintian
          # The comparison and the data sheets: charts (QtCharts needs the OpenGL headers);
          # pdftotext reads the sheets back in the tests.
          qt6-charts-dev libqt6opengl6-dev poppler-utils
          # The tests' Italian settings, for the C library too.
          locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8'; then
  echo "Generating the locale it_IT.UTF-8"
  sed -i 's/^# *\(it_IT\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'it_IT.UTF-8 UTF-8' /etc/locale.gen || echo 'it_IT.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
