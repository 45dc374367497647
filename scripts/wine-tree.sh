# Sourced: sets wine_tree to the Windows build tree whose programs Wine can run
# here, and points the Wine scripts at it. The product is 32-bit; a kernel
# without 32-bit support (some virtual machines) runs no 32-bit Wine, nor can
# a machine whose package mirror would not give the 32-bit half, and then the
# same sources built for 64-bit Windows carry the Windows tests.
# LORNEL_WINE_TREE=win64 takes the 64-bit path on any machine.

# Whether the kernel runs 32-bit x86 programs at all: a 96-byte static ELF that
# exits with 42 through int 0x80, so no 32-bit library needs to be installed.
kernel_runs_32bit() {
  local probe rc=0
  probe=$(mktemp "${TMPDIR:-/tmp}/ia32-probe.XXXXXX") || return 1
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || rc=$?
  rm -f "$probe"
  [ "$rc" -eq 42 ]
}

wine32_installed() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'
}

if [ -n "${LORNEL_WINE_TREE:-}" ]; then
  wine_tree=$LORNEL_WINE_TREE
elif kernel_runs_32bit && wine32_installed; then
  wine_tree=win32
else
  wine_tree=win64
fi
export WINEARCH=$wine_tree
export LORNEL_BUILD="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/$wine_tree"
