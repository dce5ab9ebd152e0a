#!/usr/bin/env bash
# Installs the Debian package with apt, uses the programs, manual page and
# completion from their installed places, checks lintian reports no error,
# and removes the package again (also when a check fails). A package that
# was installed before the test is left installed, in the new version.
# Runs as root or through sudo; one run at a time on a machine (flock).
# Usage: packaging/test-installed-package.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
name=$(dpkg-deb -f "$deb" Package)
SUDO=; [ "$(id -u)" = 0 ] || SUDO=sudo
APT=($SUDO env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300)

# A lock file anyone may read: a lock held by root's run blocks a user's too.
lock=/tmp/vantorel-package-test.lock
[ -e "$lock" ] || (umask 0; : > "$lock")
exec 9< "$lock"
flock 9

installed_before=no
dpkg-query -W -f='${Status}' "$name" 2> /dev/null | grep -q "install ok installed" && installed_before=yes
cleanup() {
    if [ "$installed_before" = no ]; then
        "${APT[@]}" purge "$name" > /dev/null || echo "test-package: could not remove $name" >&2
    fi
}
trap cleanup EXIT

failures=0
check() {
    local what=$1; shift
    if out=$("$@" 2>&1); then
        echo "ok: $what"
    else
        echo "FAIL: $what"; echo "$out" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}

"${APT[@]}" install --no-install-recommends --reinstall "$deb" > /dev/null

check "/usr/bin/vantorelctl --version" /usr/bin/vantorelctl --version
check "/usr/bin/vantorelctl --emulator identify" sh -c '/usr/bin/vantorelctl --emulator identify | grep -q "^Device type: VANTOREL Pro"'
check "/usr/bin/vantorel-emulator --version" /usr/bin/vantorel-emulator --version
check "vantorel-control-center --version" env QT_QPA_PLATFORM=offscreen /usr/bin/vantorel-control-center --version
for page in vantorelctl vantorel-emulator vantorel-control-center; do
    check "man -w $page" sh -c "man -w $page | grep -q '^/usr/share/man/man1/$page.1.gz$'"
done
check "bash completion of 'vantorelctl --emulator --in V'" bash -c '
    source /usr/share/bash-completion/bash_completion
    _completion_loader vantorelctl
    COMP_WORDS=(vantorelctl --emulator --in V); COMP_CWORD=3
    COMP_LINE="vantorelctl --emulator --in V"; COMP_POINT=${#COMP_LINE}
    $(complete -p vantorelctl | sed "s/.*-F \([^ ]*\).*/\1/")
    [ "${COMPREPLY[*]}" = "VANTOREL\\ Emulator" ]'
check "desktop entry and icons" test -f /usr/share/applications/vantorel-control-center.desktop \
    -a -f /usr/share/icons/hicolor/scalable/apps/vantorel-control-center.svg \
    -a -f /usr/share/icons/hicolor/48x48/apps/vantorel-control-center.png
if command -v appstreamcli > /dev/null; then
    check "appstreamcli validate (installed)" appstreamcli validate --no-net /usr/share/metainfo/io.vantorel.ControlCenter.metainfo.xml
fi
if command -v lintian > /dev/null; then
    check "lintian shows no error" lintian --fail-on error "$deb"
else
    echo "FAIL: lintian is not installed"; failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || { echo "test-package: $failures check(s) failed" >&2; exit 1; }
echo "test-package: $name installed, used and removed"
