#!/bin/sh
# Prepares the privileged road of the tests on a throwaway test machine (only
# when run as root, after the testuser and cupsd fixtures). Everything but the
# test user's password belongs to this build alone, so that test runs of
# several builds on one machine never disturb each other:
#   - <state>/bin/velPPDWrite_H: the tests' build of the option writer, root's;
#     its built-in configuration file <state>/velPPDWrite_H.conf (root's, 0644)
#     names this build's PRIVATE test server (sudo resets the environment, and
#     the writer never takes the server from its caller's environment);
#   - <state>/unsafe-*.conf: configuration files the writer must refuse
#     (group- or world-writable, not root's, a symbolic link);
#   - the second unprivileged user "ordovanattack" (created when missing) and
#     <state>/bin/attacker.sh, which the tests run as that user;
#   - /etc/sudoers.d/ordovan-test-<key> (0440, checked with visudo): the test
#     user "ordovantest" may run this writer as root with its password, and
#     the attacker script as "ordovanattack" without one;
#   - the test user's password: random, holding quotes, "$", a backquote and
#     blanks, set through chpasswd's standard input; kept for root in
#     /var/lib/ordovan-test and reused (never replaced) while it still holds,
#     since other builds' test runs may be using it; a copy readable by the
#     test user alone goes to <state>/password.
# <state>/status says "ready", or why not: the tests of the root road then
# fail when the suite runs as root and skip otherwise.
#   rootwriter-setup.sh <writer binary> <state dir> <cups socket> <support dir>
set -u
writer=$1
state=$2
socket=$3
support=$4
user=ordovantest
attacker=ordovanattack
shared=/var/lib/ordovan-test
legacy=/etc/velmora/velPPDWrite_H.conf
PATH=/usr/sbin:/usr/bin:/sbin:/bin
export PATH

mkdir -p "$state" || exit 1
rm -f "$state/password" "$state/status"
finish() { printf '%s\n' "$*" > "$state/status"; echo "rootwriter-setup: $*"; exit 0; }

[ "$(id -u)" -eq 0 ] || finish "skip: not root"
for tool in sudo visudo chpasswd install useradd flock cksum setpriv; do
  command -v "$tool" >/dev/null 2>&1 || finish "fail: $tool missing"
done
getent passwd "$user" >/dev/null || finish "fail: user $user missing"
[ -d /etc/sudoers.d ] || finish "fail: no /etc/sudoers.d"
grep -Eq '^[@#]includedir[[:space:]]+/etc/sudoers.d' /etc/sudoers || finish "fail: /etc/sudoers does not read /etc/sudoers.d"
[ -x "$writer" ] || finish "fail: writer $writer not built"
case $state in
  *[!A-Za-z0-9/._+-]*) finish "fail: $state holds characters a sudoers rule cannot name" ;;
esac

if ! getent passwd "$attacker" >/dev/null; then
  useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin --user-group "$attacker" \
    || finish "fail: cannot create the user $attacker"
fi

# What root runs or trusts lives in directories only root may change.
chown root:root "$state" && chmod 0755 "$state" || finish "fail: cannot take $state for root"
rm -rf "$state/bin" "$state"/*.conf
install -d -m 0755 -o root -g root "$state/bin" \
  && install -m 0755 -o root -g root "$writer" "$state/bin/velPPDWrite_H" \
  && install -m 0755 -o root -g root "$support/attacker.sh" "$state/bin/attacker.sh" \
  || finish "fail: cannot install the writer and the attacker script"

conf() { # name mode owner
  printf '# ordovan test server\nServerName %s\n' "$socket" > "$state/$1" && chown "$3" "$state/$1" && chmod "$2" "$state/$1"
}
conf velPPDWrite_H.conf 0644 root:root \
  && conf unsafe-group.conf 0664 root:root \
  && conf unsafe-world.conf 0666 root:root \
  && conf unsafe-owner.conf 0644 "$user:" \
  && ln -s velPPDWrite_H.conf "$state/unsafe-link.conf" \
  || finish "fail: cannot write the configuration files"

key=$(printf '%s' "$state" | cksum | cut -d' ' -f1)
sudoers=/etc/sudoers.d/ordovan-test-$key
rules=$(mktemp) || exit 1
cat > "$rules" <<RULES
# Test machines only: the test user may run this build's option writer as
# root, and the attacker script as the second test user.
Defaults:$user !lecture, timestamp_timeout=0
$user ALL=(root) $state/bin/velPPDWrite_H
$user ALL=($attacker) NOPASSWD: $state/bin/attacker.sh
RULES
if ! visudo -cf "$rules" >/dev/null; then
  rm -f "$rules"
  finish "fail: sudoers rule rejected by visudo"
fi

install -d -m 0700 -o root -g root "$shared" || finish "fail: cannot create $shared"
# One machine-wide lock for the password and the rules of all builds.
(
  flock -w 60 9 || exit 3
  install -m 0440 -o root -g root "$rules" "$sudoers" || exit 4
  if ! visudo -c >/dev/null; then rm -f "$sudoers"; exit 5; fi
  current=$(getent shadow "$user" | cut -d: -f2)
  if [ -s "$shared/password" ] && [ -n "$current" ] && [ "$(cat "$shared/hash" 2>/dev/null)" = "$current" ]; then
    echo "rootwriter-setup: reusing the test user's password"
  else
    random=$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')
    password="Or\"d'\$o \`v an $random"
    printf '%s:%s\n' "$user" "$password" | chpasswd || exit 6
    (umask 077 && printf '%s' "$password" > "$shared/password") || exit 7
    getent shadow "$user" | cut -d: -f2 > "$shared/hash"
  fi
  install -m 0400 -o "$user" "$shared/password" "$state/password" || exit 8
  # Test setups of builds that predate the per-build road reset the password
  # unless this file names a running test server: it names ours while we run.
  if [ ! -e "$legacy" ] || grep -q '^# ordovan test server' "$legacy" 2>/dev/null; then
    install -d -m 0755 "$(dirname "$legacy")" \
      && printf '# ordovan test server\nServerName %s\n' "$socket" > "$legacy.new" \
      && chmod 0644 "$legacy.new" && mv -f "$legacy.new" "$legacy"
  fi
  exit 0
) 9> "$shared/lock"
rc=$?
rm -f "$rules"
[ $rc -eq 0 ] || finish "fail: sudoers rule or password could not be set (step $rc)"
finish "ready"
