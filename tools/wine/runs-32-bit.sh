#!/usr/bin/env bash
# Succeeds when this host can start Wine's 32-bit loader, that is when 32-bit Windows
# programs can run here. Some virtual machines turn the kernel's IA-32 emulation off.
exec /usr/lib/wine/wine --version >/dev/null 2>&1
