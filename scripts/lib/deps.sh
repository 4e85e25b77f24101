# Installs the Debian packages the build and the tests need, only those that are missing.
# Sourced by scripts/run and scripts/test.

TIKORA_PACKAGES=(
  cmake ninja-build g++ pkg-config clang-format clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev libxml2-dev libstb-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64
  xvfb xauth x11-utils x11-xserver-utils imagemagick
  flite fonts-wine fonts-liberation
  python3 python3-pil python3-numpy python3-pytest
  chromium-headless-shell
)

tikora_install_packages() {
  local missing=() pkg
  for pkg in "${TIKORA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q >/dev/null || return 1
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null || return 1
}

# Configures (once) and builds one preset.
tikora_build() {
  local preset=$1
  if [ ! -f "build/$preset/build.ninja" ]; then
    cmake --preset "$preset" >/dev/null || return 1
  fi
  cmake --build --preset "$preset" -j"$(nproc)"
}

# Starts a private Xvfb and exports DISPLAY; tikora_stop_xvfb ends it.
tikora_start_xvfb() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    TIKORA_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      sleep 0.1
    done
    kill "$TIKORA_XVFB_PID" 2>/dev/null
  done
  echo "Could not start Xvfb" >&2
  return 1
}

tikora_stop_xvfb() {
  [ -n "${TIKORA_XVFB_PID:-}" ] && kill "$TIKORA_XVFB_PID" 2>/dev/null
  TIKORA_XVFB_PID=
}
