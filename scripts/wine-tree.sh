# Sourced: sets wine_tree to the Windows build tree whose programs Wine can run
# here, and points the Wine scripts at it. The product is 32-bit; a kernel
# without 32-bit support (some virtual machines) runs no 32-bit Wine, and then
# the same sources built for 64-bit Windows carry the Windows tests.
if /usr/lib/i386-linux-gnu/ld-linux.so.2 --version >/dev/null 2>&1; then
  wine_tree=win32
else
  wine_tree=win64
fi
export WINEARCH=$wine_tree
export LORNEL_BUILD="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/$wine_tree"
