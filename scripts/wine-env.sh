# Sourced: the Wine environment of the project, and a prefix prepared once.
# Prefix: build/wineprefix (override with VINTREL_WINEPREFIX).
_vintrel_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${VINTREL_WINEPREFIX:-$_vintrel_root/build/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8

if [ ! -f "$WINEPREFIX/.vintrel-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
  # Draw the faces the program asks for with the installed CJK font.
  for face in "微软雅黑" "Microsoft YaHei" "宋体" "SimSun" "新宋体" "NSimSun"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1 || true
  done
  wineserver -w || true
  touch "$WINEPREFIX/.vintrel-ready"
fi

# One server that outlives each program by 30 s: back-to-back runs (a test per
# process under ctest) then neither start a server nor wait for one to end, and
# no server holds a test's output open.
wineserver -p30 </dev/null >/dev/null 2>&1 || true
