# Sourced by every script that starts Wine itself. Debian's "wine" starts Wine's 32-bit loader first,
# which a kernel without 32-bit support cannot execute ("Exec format error"); there the 64-bit
# programs run through Wine's 64-bit loader directly, by the launchers of wine64-only/ put first on
# PATH (Wine's own tools, winepath and wineboot, start "wine-stable", so it is there too).
if ! /usr/lib/wine/wine --version >/dev/null 2>&1 && [ -x /usr/lib/wine/wine64 ]; then
  PATH="$(dirname "$(realpath "${BASH_SOURCE[0]}")")/wine64-only:$PATH"
  export WINELOADER=/usr/lib/wine/wine64
fi

# wine32_runs: true when this machine runs Wine's 32-bit side (the 32-bit programs' tests need it).
wine32_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
