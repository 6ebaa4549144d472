#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that everything lies where a
# Linux desktop expects it, and that the installed program finds its data folder.
#
#   install_layout.sh BUILD_DIR
set -uo pipefail
build=$(realpath "$1")
prefix=$(mktemp -d /tmp/tervox-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || { cat "$prefix.log"; rm -f "$prefix.log"; exit 1; }
rm -f "$prefix.log"

failures=0
expect() { # a path below the prefix, and what it must be
  local path=$prefix/$1 kind=$2
  if test "$kind" "$path"; then
    echo "ok: $1"
  else
    echo "FAIL: $1 missing or not '$kind'"
    failures=$((failures + 1))
  fi
}
expect bin/tervox -x
expect bin/tervox-calc -x
expect share/tervox/ovix.dat -s
expect share/applications/tervox.desktop -s
expect share/icons/hicolor/scalable/apps/tervox.svg -s
expect share/icons/hicolor/256x256/apps/tervox.png -s

# The installed sound track is the build's, byte for byte.
cmp -s "$build/bin/ovix.dat" "$prefix/share/tervox/ovix.dat" && echo "ok: ovix.dat is the build's" \
  || { echo "FAIL: installed ovix.dat differs"; failures=$((failures + 1)); }

# The menu entry starts the installed program and names the installed icon.
desktop=$prefix/share/applications/tervox.desktop
for line in "Type=Application" "Exec=tervox" "Icon=tervox" "Name=Tervox Engine calc"; do
  grep -qxF "$line" "$desktop" && echo "ok: $line" || { echo "FAIL: no '$line'"; failures=$((failures + 1)); }
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" && echo "ok: desktop-file-validate" || failures=$((failures + 1))
fi

# The installed program needs nothing of the build tree: its data folder is found
# relative to the program (bin/../share/tervox).
if ldd "$prefix/bin/tervox" | grep -q "$build"; then
  echo "FAIL: the installed program links into the build tree"
  failures=$((failures + 1))
fi
# Started from an empty folder, it changes to its data folder first. (Offscreen and
# without a sound server it then waits on a message box; its working directory is
# all this looks at.)
mkdir -p "$prefix/empty"
(cd "$prefix/empty" && QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent/native \
  HOME=$prefix/home exec "$prefix/bin/tervox") >/dev/null 2>&1 &
pid=$!
cwd=
for _ in $(seq 50); do
  cwd=$(readlink "/proc/$pid/cwd" 2>/dev/null)
  [[ $cwd == "$prefix/share/tervox" ]] && break
  sleep 0.1
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[[ $cwd == "$prefix/share/tervox" ]] && echo "ok: the installed program works in share/tervox" \
  || { echo "FAIL: the installed program works in '$cwd'"; failures=$((failures + 1)); }

echo "$failures failure(s)"
((failures == 0))
