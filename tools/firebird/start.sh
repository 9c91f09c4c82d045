#!/bin/bash
# Starts Debian's Firebird 3 server on 127.0.0.1:3050 with the SYSDBA password the
# program uses. Safe to run again: a server that already answers is left alone.
# Needs root (the server runs as the firebird user). No systemd is assumed.
set -eu

PASSWORD=tovalquin
RUN_DIR=/run/firebird3.0
PID_FILE=$RUN_DIR/firebird.pid
SECURITY_DB=/var/lib/firebird/3.0/system/security3.fdb
PACKAGES="firebird3.0-server firebird3.0-utils firebird-dev"

port_answers() {
    (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null
}

install_if_missing() {
    for package in $PACKAGES; do
        if ! dpkg -s "$package" >/dev/null 2>&1; then
            DEBIAN_FRONTEND=noninteractive apt-get update -q
            DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $PACKAGES
            return
        fi
    done
}

# Only possible while the server is stopped: the security database is then opened embedded.
set_sysdba_password() {
    script=$(mktemp)
    printf "CREATE OR ALTER USER SYSDBA PASSWORD '%s' USING PLUGIN Srp;\nCOMMIT;\n" "$PASSWORD" >"$script"
    chmod 644 "$script"
    runuser -u firebird -- isql-fb -q -user SYSDBA -i "$script" "$SECURITY_DB"
    rm -f "$script"
}

if port_answers; then
    echo "Firebird already answers on 127.0.0.1:3050"
    exit 0
fi

install_if_missing
set_sysdba_password
mkdir -p "$RUN_DIR"
chown firebird:firebird "$RUN_DIR"
runuser -u firebird -- /usr/sbin/fbguard -daemon -forever -pidfile "$PID_FILE"

for _ in $(seq 1 100); do
    if port_answers; then
        echo "Firebird answers on 127.0.0.1:3050 (server pid $(cat "$PID_FILE" 2>/dev/null))"
        exit 0
    fi
    sleep 0.1
done
echo "Firebird did not answer on 127.0.0.1:3050 within 10 s" >&2
exit 1
