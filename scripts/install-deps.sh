#!/usr/bin/env bash
# Installs the Debian packages that Cellwick needs, when any is missing.
#
# Another package installation may hold apt's locks for a while (a machine that has
# just booted often runs its own updates): both steps then wait for it, up to
# lock_wait seconds, and say so, rather than fail at once.
set -euo pipefail
packages=(cmake g++ make qtbase5-dev libqt5serialport5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n fonts-wqy-microhei)
lock_wait=600
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -gt 0 ] || exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# apt-get update does not wait for the package lists' lock by itself: it is tried
# again every 5 seconds while the lock is held. Its messages are read in the C
# locale, where the lock failure has a known text.
update_log="$(mktemp)"
trap 'rm -f "$update_log"' EXIT
apt_update() {
    if [ "$said_waiting" -eq 0 ]; then
        "${sudo_cmd[@]}" env LC_ALL=C apt-get update 2>&1 | tee "$update_log"
    else
        # While waiting, only the last try's messages are shown.
        "${sudo_cmd[@]}" env LC_ALL=C apt-get update >"$update_log" 2>&1 && cat "$update_log"
    fi
}
deadline=$((SECONDS + lock_wait))
said_waiting=0
until apt_update; do
    if ! grep -q 'Could not get lock' "$update_log" || [ "$SECONDS" -ge "$deadline" ]; then
        [ "$said_waiting" -eq 0 ] || cat "$update_log" >&2
        echo "apt-get update failed." >&2
        exit 1
    fi
    if [ "$said_waiting" -eq 0 ]; then
        echo "Another package installation is running: waiting up to $((lock_wait / 60)) minutes for it to finish..."
        said_waiting=1
    fi
    sleep 5
done

# apt-get install waits for dpkg's lock itself when given a time-out, and prints a
# line every few seconds while it waits.
echo "If another package installation is running, this waits up to $((lock_wait / 60)) minutes for it to finish."
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout="$lock_wait" \
    install -y --no-install-recommends "${missing[@]}"
