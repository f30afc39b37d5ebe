#!/bin/sh
# A run that needs more memory than it may have says so, exits 1 and leaves nothing behind.
# usage: brak-pamieci.sh TARVOMUND-CLI
set -u
cli="$1"
katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT
# All 76,904,685 bets of 8 out of 40 need more than 600 MB; the run may have 300 MB.
bledy=$( (ulimit -v 300000; exec "$cli" generate 0 --n 40 --k 8 --method 2 --bets 76904685 -o "$katalog/s.ss2") 2>&1 >/dev/null)
kod=$?
echo "exit code $kod: $bledy"
[ "$kod" -eq 1 ] || exit 1
case "$bledy" in *"out of memory"*) ;; *) exit 1 ;; esac
[ -z "$(ls -A "$katalog")" ] || { echo "left behind: $(ls -A "$katalog")"; exit 1; }
