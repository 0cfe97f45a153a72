#!/usr/bin/env bash
# The manual page renders without a warning and names every option that
# dunok --help lists.
source "$(dirname "$0")/lib.sh"
setup_home
warnings=$(MANWIDTH=80 man --warnings -l "$source_dir/resources/dunok.1" 2>&1 >"$work/page.txt") ||
    fail "man could not render the page"
[[ -z $warnings ]] || fail "man warns: $warnings"
options=$(QT_QPA_PLATFORM=offscreen "$dunok" --help | grep -oE -- '--[a-z][a-z-]+' | sort -u |
    grep -vx -- '--help-all')
[[ -n $options ]] || fail "dunok --help listed no options"
for option in $options; do
    grep -qF -- "$option" "$work/page.txt" || fail "the manual page does not describe $option"
done
echo "PASS"
