#!/bin/sh
# Run by the tests as the second test user "ordovanattack" (through sudo):
# squats DIR as another user's settings directory would be squatted and puts
# NAME in it: a symbolic link to TARGET in a directory that everybody may
# write to, or a file holding TEXT in one that everybody may read.
#   attacker.sh DIR NAME link TARGET
#   attacker.sh DIR NAME file TEXT
set -eu
umask 022
mkdir -p "$1"
case $3 in
  link) chmod 0777 "$1"; ln -s "$4" "$1/$2" ;;
  file) chmod 0755 "$1"; printf '%s\n' "$4" > "$1/$2"; chmod 0644 "$1/$2" ;;
  *) exit 64 ;;
esac
