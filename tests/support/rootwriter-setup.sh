#!/bin/sh
# Prepares the privileged road of the Apply tests on a throwaway test
# machine (only when run as root, after the testuser and cupsd fixtures):
#   - the root-side option writer of this build goes where sudo's secure path
#     finds it (/usr/local/sbin/velPPDWrite_H), unless another writer is
#     already installed there;
#   - the writer's root-owned configuration names the PRIVATE test server
#     (sudo resets the environment, and the writer never takes the server
#     from its caller's environment);
#   - the test user "ordovantest" gets a fresh random password (through
#     chpasswd's standard input) holding quotes, "$", a backquote and blanks;
#     it is stored for that user alone in <state dir>/password;
#   - /etc/sudoers.d/ordovan-test (0440, checked with visudo -cf) lets that
#     user run the writer, and nothing else, as root.
# Without root, or when any step fails, no password file is left and the
# tests that need it skip.
#   rootwriter-setup.sh <writer binary> <state dir> <cups socket>
set -u
writer=$1
state=$2
socket=$3
user=ordovantest
target=/usr/local/sbin/velPPDWrite_H
conf=/etc/velmora/velPPDWrite_H.conf
sudoers=/etc/sudoers.d/ordovan-test
marker="usage: velPPDWrite_H QUEUE KEY=VALUE"

mkdir -p "$state" || exit 1
rm -f "$state/password" "$state/socket"
chmod 755 "$state"

skip() { echo "rootwriter-setup: $*; the root-path cases skip"; exit 0; }

[ "$(id -u)" -eq 0 ] || skip "not root"
for tool in sudo visudo chpasswd install lpstat timeout; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool missing"
done
getent passwd "$user" >/dev/null || skip "user $user missing"
[ -d /etc/sudoers.d ] || skip "no /etc/sudoers.d"
grep -Eq '^[@#]includedir[[:space:]]+/etc/sudoers.d' /etc/sudoers || skip "/etc/sudoers does not read /etc/sudoers.d"
[ -x "$writer" ] || skip "writer $writer not built"

# The writer, its configuration, the sudoers rule and the user's password are
# machine-wide: while another test run on this machine uses them (its
# configuration names a private server that is still running), that run
# keeps them and the root-path cases of this one skip.
if [ -f "$conf" ] && grep -q '^# ordovan test server' "$conf" 2>/dev/null; then
  other=$(sed -n 's/^ServerName //p' "$conf")
  if [ -n "$other" ] && [ "$other" != "$socket" ] && [ -S "$other" ] \
     && LC_ALL=C CUPS_SERVER="$other" timeout 10 lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
    skip "another test run uses the writer ($other)"
  fi
fi

if [ -e "$target" ] && ! grep -q "$marker" "$target" 2>/dev/null; then
  skip "another $target is installed"
fi
# A writer installed with the program is kept aside and put back by cleanup.
rm -f "$state/writer.saved"
if [ -f "$target" ]; then
  cp -p "$target" "$state/writer.saved" || skip "cannot keep the installed writer"
fi
install -d -m 0755 /usr/local/sbin && install -m 0755 -o root -g root "$writer" "$target" || skip "cannot install the writer"

if [ -e "$conf" ] && ! grep -q '^# ordovan test server' "$conf" 2>/dev/null; then
  skip "another $conf exists"
fi
install -d -m 0755 "$(dirname "$conf")" || skip "cannot create $(dirname "$conf")"
tmp=$(mktemp) || exit 1
printf '# ordovan test server\nServerName %s\n' "$socket" > "$tmp"
install -m 0644 -o root -g root "$tmp" "$conf" || { rm -f "$tmp"; skip "cannot write $conf"; }
rm -f "$tmp"
# Cleanup undoes the machine-wide setup only while it is still this run's.
printf '%s\n' "$socket" > "$state/socket"

rules=$(mktemp) || exit 1
cat > "$rules" <<RULES
# Test machines only: the Apply tests' user may run the option writer as root.
Defaults:$user secure_path="/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin"
Defaults:$user !lecture, timestamp_timeout=0
$user ALL=(root) $target
RULES
if ! visudo -cf "$rules" >/dev/null; then
  rm -f "$rules"
  skip "sudoers rule rejected by visudo"
fi
install -m 0440 -o root -g root "$rules" "$sudoers" || { rm -f "$rules"; skip "cannot install $sudoers"; }
rm -f "$rules"
visudo -c >/dev/null || { rm -f "$sudoers"; skip "sudoers no longer valid"; }

random=$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')
password="Or\"d'\$o \`v an $random"
printf '%s:%s\n' "$user" "$password" | chpasswd || skip "chpasswd failed"
umask 077
printf '%s' "$password" > "$state/password.new" || exit 1
chown "$user" "$state/password.new" && chmod 0400 "$state/password.new" && mv "$state/password.new" "$state/password"
echo "rootwriter-setup: $target, $conf and $sudoers ready for $user"
