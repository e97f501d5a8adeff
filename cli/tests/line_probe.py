"""A serial line nobody answers on: prints the pseudo-terminal's path, then for SECONDS watches
the line settings a program sets on it and the bytes it sends, and prints what it saw last
while the line was held (speed, data bits, parity, stop bits, bytes)."""
import os
import select
import sys
import termios
import time

master, slave = os.openpty()
print(os.ttyname(slave), flush=True)
initial = termios.tcgetattr(slave)
held, sent = initial, 0
end = time.time() + float(sys.argv[1])
while time.time() < end:
    now = termios.tcgetattr(slave)
    if now != initial:  # settings restored on close must not hide the ones used
        held = now
    if select.select([master], [], [], 0.005)[0]:
        sent += len(os.read(master, 4096))
speeds = {getattr(termios, n): n[1:] for n in dir(termios) if n[0] == "B" and n[1:].isdigit()}
cflag = held[2]
bits = {termios.CS5: 5, termios.CS6: 6, termios.CS7: 7, termios.CS8: 8}[cflag & termios.CSIZE]
print(f"speed={speeds.get(held[5])} bits={bits} stop={2 if cflag & termios.CSTOPB else 1}"
      f" bytes={sent}", flush=True)
