#!/usr/bin/env bash
# The demonstration setup on a fresh Debian machine: Firebird with the demonstration
# shop's database, an installation folder with its ini file and the agent's registry
# values, then the program's start-up over them.
set -euo pipefail
cd "$(dirname "$0")/.."
install=/var/tmp/asr-demo

tools/install-deps.sh
tools/firebird/start.sh
tools/firebird/make-db.sh "$install/DATOS/EMP1/velmorn3.fdb" tools/firebird/sql/demo.sql
printf '[INICIO]\r\nSERVIDOR=LOCALHOST\r\n' >"$install/Velmorn3.ini"
cat >"$install/registro.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\TeamViewer]
"InstallationDirectory"="C:\\Program Files (x86)\\TeamViewer"
"Version"="15.48.4"
"ClientID"=dword:075bcd15
REG

cmake --preset demo >/dev/null
cmake --build --preset demo
echo
build/demo/tools/demo/asr_startup_demo
