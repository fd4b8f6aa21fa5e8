# Writes golden.vty with a second, separate implementation of the database format
# (the Blowfish of Python's cryptography package), so that the test that compares
# the program's writer and reader with it does not compare them with themselves.
# Run once; the file is checked in: python3 golden.py golden.vty
import struct, sys
try:
    from cryptography.hazmat.decrepit.ciphers.algorithms import Blowfish
except ImportError:
    from cryptography.hazmat.primitives.ciphers.algorithms import Blowfish
from cryptography.hazmat.primitives.ciphers import Cipher, modes

def text(b):
    n = len(b)
    if n < 255: p = bytes([n])
    elif n < 0xFFFE: p = b'\xff' + struct.pack('<H', n)
    else: p = b'\xff\xff\xff' + struct.pack('<I', n)
    return p + b

note = bytes((ord(' ') if i % 7 == 6 else ord('a') + i % 26) for i in range(300))
entries = [(b"mail", b"joe", b"s3cret", b"imap, port 993"), (b"", b"", b"", b""),
           (b"caf\xe9", b"", b"p\xe4ss\xff", b"\x80\xa0"), (b"bank", b"jane", b"1234", note)]
plain = b"".join(text(f) for e in entries for f in e) + bytes(range(0xF0, 0xFA))
key = b"Default 2001 Quorlan Cipher Seed"
enc = Cipher(Blowfish(key), modes.ECB()).encryptor()
def swap(b):  # each 4-byte half reversed: this program reads halves little-endian
    return b"".join(b[i:i+4][::-1] for i in range(0, len(b), 4))
whole = len(plain) // 8 * 8
body = swap(enc.update(swap(plain[:whole]))) + plain[whole:]
header = b"VAULTRY" + struct.pack('<HHHH', 1, 1, 0, len(entries))
open(sys.argv[1], "wb").write(header + body)
print(len(header + body))
