#!/bin/sh
# Run by the tests as the second test user "ordovanattack" (through sudo):
# squats DIR as another user's settings directory would be squatted (made by
# the attacker, writable by everybody) and puts NAME in it, either as a
# symbolic link to TARGET or as a file holding TEXT.
#   attacker.sh DIR NAME link TARGET
#   attacker.sh DIR NAME file TEXT
set -eu
umask 000
mkdir -p "$1"
chmod 0777 "$1"
case $3 in
  link) ln -s "$4" "$1/$2" ;;
  file) printf '%s\n' "$4" > "$1/$2" ;;
  *) exit 64 ;;
esac
