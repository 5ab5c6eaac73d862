#!/usr/bin/env bash
# The manual pages and the bash completion name every command and option the
# programs' --help lists, the pages render cleanly, and the completion offers
# what each position takes.
# Usage: docs-agree.sh QUINDOR_CLI QUINDOR SOURCE_DIR
set -uo pipefail
cli=$1 gui=$2 src=$3
fail=0
bad() { echo "FAIL: $*"; fail=1; }

climan=$src/man/quindor-cli.1
guiman=$src/man/quindor.1
completion=$src/completions/quindor-cli

help=$("$cli" --help) || bad "quindor-cli --help failed"
commands=$(sed -n 's/^  \([a-z]\+\) .*/\1/p' <<<"$help")
[ -n "$commands" ] || bad "no command found in quindor-cli --help"
for c in $commands; do
  grep -qE "^\.BI? $c( |$)" "$climan" || bad "quindor-cli.1 has no entry for '$c'"
  grep -qE "commands=\".*\\b$c\\b" "$completion" || bad "the completion does not offer '$c'"
done
for o in $(grep -oE -- '--[a-z][a-z0-9-]*' <<<"$help" | sort -u); do
  grep -qF -- "${o//-/\\-}" "$climan" || bad "quindor-cli.1 does not name $o"
  grep -qE -- "(^|[ \"])$o( |\"|$|\))" "$completion" || bad "the completion does not offer $o"
done

guihelp=$("$gui" --help) || bad "quindor --help failed"
for o in $(grep -oE -- '--[a-z][a-z0-9-]*' <<<"$guihelp" | sort -u); do
  grep -qF -- "${o//-/\\-}" "$guiman" || bad "quindor.1 does not name $o"
done

"$gui" --version | grep -qx 'quindor [0-9][0-9.]*' || bad "quindor --version"
"$cli" --version | grep -qx 'quindor-cli [0-9][0-9.]*' || bad "quindor-cli --version"
# A stray argument is refused in one line, before any window opens.
err=$(QT_QPA_PLATFORM=offscreen "$gui" bogus 2>&1 >/dev/null); status=$?
[ $status -eq 2 ] && [ "$(grep -c '^quindor: ' <<<"$err")" -eq 1 ] || bad "quindor bogus: status $status, '$err'"

if command -v man >/dev/null; then
  for page in "$climan" "$guiman"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || bad "$(basename "$page"): $warnings"
  done
fi

# The completion itself, driven as bash would drive it.
complete_at() {
  bash -c '
    source /usr/share/bash-completion/bash_completion 2>/dev/null || exit 3
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _quindor_cli quindor-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
    [ ${#COMPREPLY[@]} -eq 0 ] || printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@"
}
if [ -r /usr/share/bash-completion/bash_completion ]; then
  expect() {
    local want=$1; shift
    local got
    got=$(complete_at "$@" | sort | tr '\n' ' ')
    [ "$got" = "$want" ] || bad "completing '$*': got '$got', want '$want'"
  }
  expect "convert " quindor-cli con
  expect "gedcom gregorian jewish julian muslim republican roman " quindor-cli convert --from ""
  expect "gregorian jewish julian muslim republican roman " quindor-cli show --from ""
  expect "--scores " quindor-cli search --s
  expect "--saints " quindor-cli show --sa
  expect "auto gregorian julian none " quindor-cli show --saints ""
  expect "" quindor-cli show --jd ""
  expect "--after-easter --before-easter --day --dual-year --from --gedcom --jd --lang --month --separator --style-until --to --year --year-start " quindor-cli convert -
  expect "0 1 2 " quindor-cli convert --dual-year ""
  expect "annunciation easter january nativity pisan venetian " quindor-cli show --year-start ""
  expect "en fr " quindor-cli --lang ""
  expect "convert " quindor-cli --lang fr con
  expect "en fr " quindor-cli show --jd 1 --lang ""
  expect "gedcom gregorian jewish julian muslim republican roman " quindor-cli --lang fr convert --from ""
  expect "0 1 2 " quindor-cli convert --month ""
  expect "civil gregorian jewish julian muslim republican roman " quindor-cli span --calendar ""
  expect "--age --calendar --died --from --lang --reform " quindor-cli born -
else
  bad "bash-completion is not installed (scripts/install-deps installs it)"
fi

[ $fail -eq 0 ] && echo "manual pages and completion agree with --help"
exit $fail
