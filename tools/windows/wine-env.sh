# shellcheck shell=bash
# Sourced by the Wine scripts: the run's own 64-bit prefix (TESSORIN_WINEPREFIX), quiet, and
# no Mono or Gecko download prompt, since nothing here may wait for a person. A caller's
# WINEDEBUG or WINEDLLOVERRIDES wins (a test switches more DLLs off through it).
: "${TESSORIN_WINEPREFIX:?the Wine prefix of this run}"
export WINEPREFIX=$TESSORIN_WINEPREFIX WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
