#!/usr/bin/env bash
# Makes sure a Firebird server answers on 127.0.0.1:3050 for the tests that connect by
# "localhost:/path", with the system's sysdba password. Starts one when none runs.
set -euo pipefail

password="plumtrees"
security_db=/var/lib/firebird/3.0/system/security3.fdb

listening() {
  (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null
}

if listening; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "firebird-server.sh: no Firebird server runs on 127.0.0.1:3050 and starting one needs root" >&2
  exit 1
fi

# The security database is opened by the embedded engine while no server holds it.
echo "create or alter user SYSDBA password '${password}' using plugin Srp; commit;" |
  isql-fb -q -user SYSDBA "$security_db"
chown firebird:firebird "$security_db"
install -d -o firebird -g firebird /run/firebird3.0
su -s /bin/sh firebird -c '/usr/sbin/fbguard -daemon -forever'

for _ in $(seq 1 50); do
  if listening; then
    exit 0
  fi
  sleep 0.2
done
echo "firebird-server.sh: the Firebird server did not start" >&2
exit 1
