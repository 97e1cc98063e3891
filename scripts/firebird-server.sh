#!/usr/bin/env bash
# Makes sure a Firebird server answers on 127.0.0.1:3050 for the tests that connect by
# "localhost:/path", with the system's sysdba password. Starts one when none runs.
set -euo pipefail

password="plumtrees"
security_db=/var/lib/firebird/3.0/system/security3.fdb

listening() {
  (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null
}

# True when the running server lets sysdba in with the system's password.
password_works() {
  local dir
  dir=$(mktemp -d)
  chmod 777 "$dir"
  echo "create database 'localhost:${dir}/check.fdb' user 'SYSDBA' password '${password}'; drop database;" |
    isql-fb -q > /dev/null 2>&1
  local result=$?
  rm -rf "$dir"
  return $result
}

if listening && password_works; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "firebird-server.sh: no Firebird server with the system's sysdba password runs on 127.0.0.1:3050, and setting one up needs root" >&2
  exit 1
fi

# A server started by the package's own service knows another sysdba password: it is
# stopped, given the system's password, and started again.
if listening; then
  pkill -x fbguard || true
  pkill -x firebird || true
  for _ in $(seq 1 50); do
    listening || break
    sleep 0.2
  done
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
