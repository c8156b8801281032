#!/usr/bin/env bash
# The command-line tools that do not draw link neither Qt Gui nor Qt Widgets; zelmar-esporta,
# which draws the data sheet, links Qt Gui but not Qt Widgets (nor what needs them).
#   TestStrumentiSenzaFinestre.sh TOOLS_FOLDER
set -u
cartella=$1
stato=0
controlla() { # tool, pattern of the Qt libraries it must not link
  local librerie
  if ! librerie=$(ldd "$cartella/$1"); then
    echo "$1: ldd failed"
    stato=1
  elif vietate=$(grep -Eo "libQt6($2)[^ ]*" <<<"$librerie" | sort -u | tr '\n' ' ') && [ -n "$vietate" ]; then
    echo "$1 links $vietate"
    stato=1
  fi
}
for strumento in zelmar-cerca zelmar-valuta zelmar-condividi zelmar-prevedi zelmar-importjet; do
  controlla "$strumento" 'Gui|Widgets|PrintSupport|Charts|Svg'
done
controlla zelmar-esporta 'Widgets|PrintSupport|Charts|OpenGL'
exit $stato
