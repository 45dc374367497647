# Sourced: sets wine_tree to the Windows build tree whose programs Wine can run
# here. The product is 32-bit; a kernel without 32-bit support (some virtual
# machines) runs no 32-bit Wine, and then the same sources built for 64-bit
# Windows carry the Windows tests.
if /usr/lib/i386-linux-gnu/ld-linux.so.2 --version >/dev/null 2>&1; then
  wine_tree=win32
else
  wine_tree=win64
fi
