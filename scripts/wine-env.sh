# Sourced by the run, test and benchmark scripts: the build, and a 32-bit
# Wine prefix inside the build tree, the Chinese code page, font
# replacements, a virtual display and one persistent wineserver.  Call
# build_project, then wine_env_up; wine_env_down (or the EXIT trap that
# wine_env_up installs) ends what it started.

SCRIPTS_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
ROOT="$(cd "$SCRIPTS_DIR/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

# Installs what is missing, configures once and builds everything.
build_project() {
  # The build runs in the caller's locale, not the one Wine is given.
  env -u LC_ALL bash "$SCRIPTS_DIR/build.sh"
}

export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine takes the ANSI code page from LC_ALL: zh_CN gives code page 936 (GBK).
export LC_ALL=zh_CN.UTF-8
# No browser engine download prompts, no .NET runtime prompts.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;winemenubuilder.exe=}"

WINE_ENV_XVFB_PID=""

ensure_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
    echo "generating the zh_CN.UTF-8 locale" >&2
    localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
}

# Registry settings the program and its tests rely on, as a UTF-16 .reg file.
write_prefix_settings() {
  local reg="$BUILD_DIR/prefix-settings.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    # Without a window manager Wine must draw non-client areas itself.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n"Managed"="N"\r\n\r\n'
    # Faces the program names that Wine lacks, mapped onto an installed CJK face.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in 宋体 SimSun 新宋体 NSimSun 方正卡通简体; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
    done
    printf '\r\n'
    # Never offer to download a browser engine.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\MSHTML]\r\n"GeckoUrl"=""\r\n\r\n'
  } | iconv -f UTF-8 -t UTF-16 > "$reg"
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)"
}

ensure_prefix() {
  local stamp="$WINEPREFIX/.lumo-prefix-ready"
  if [ ! -f "$stamp" ]; then
    echo "creating the Wine prefix in $WINEPREFIX" >&2
    rm -rf "$WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
  fi
  write_prefix_settings
  touch "$stamp"
}

free_display() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"
      return
    fi
  done
  return 1
}

start_display() {
  local n
  n="$(free_display)"
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  WINE_ENV_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

wine_env_down() {
  wineserver -k >/dev/null 2>&1 </dev/null || true
  if [ -n "$WINE_ENV_XVFB_PID" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    WINE_ENV_XVFB_PID=""
  fi
}

# own_display: 1 to start a virtual display even when DISPLAY is set.
wine_env_up() {
  local own_display="${1:-1}"
  ensure_locale
  if [ "$own_display" = 1 ] || [ -z "${DISPLAY:-}" ]; then
    start_display
  fi
  trap wine_env_down EXIT
  ensure_prefix
  # One persistent wineserver for the whole run (the one regedit started
  # goes first); its streams must not hold our pipes open.
  wineserver -w </dev/null >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}
