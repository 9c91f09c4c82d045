#!/usr/bin/env bash
# A demonstration installation of Velmorn on Linux in FOLDER: the demo shop's database on
# the running Firebird server, the ini file, a registry export with a current agent
# (ClientID 123456789) and wget as the fetch tool.
#   make-installation.sh FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
install=$1

"$here/firebird/make-db.sh" "$install/DATOS/EMP1/velmorn3.fdb" "$here/firebird/sql/demo.sql"
printf '[INICIO]\r\nSERVIDOR=LOCALHOST\r\n' >"$install/Velmorn3.ini"
cat >"$install/registro.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\TeamViewer]
"InstallationDirectory"="C:\\Program Files (x86)\\TeamViewer"
"Version"="15.48.4"
"ClientID"=dword:075bcd15
REG
mkdir -p "$install/Wget"
printf '#!/bin/sh\nexec wget -q "$@"\n' >"$install/Wget/Wget.exe"
chmod +x "$install/Wget/Wget.exe"
