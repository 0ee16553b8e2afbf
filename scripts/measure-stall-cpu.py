#!/usr/bin/env python3
"""The program's CPU use while the rig does not read.

Starts the program (offscreen) on line to a pseudo-terminal, reads its messages
for a while, then stops the line (a device that takes no more bytes) for the
given seconds, and reads again. Prints the CPU share before and during the
stall and checks that what arrives afterwards is whole messages.

    scripts/measure-stall-cpu.py [PROGRAM] [STALL_SECONDS]
"""
import os
import select
import subprocess
import sys
import tempfile
import termios
import time
import tty

program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/kestrova")
stall_seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 5.0
master, device = os.openpty()
tty.setraw(master)
tty.setraw(device)
path = os.ttyname(device)
workdir = tempfile.mkdtemp()
proc = subprocess.Popen([program, "--port", path], cwd=workdir,
                        env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def read_for(seconds):
    got = b""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        ready, _, _ = select.select([master], [], [], max(0.0, end - time.monotonic()))
        if ready:
            got += os.read(master, 65536)
    return got


def cpu_seconds():
    fields = open(f"/proc/{proc.pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def share(run):
    c0, t0 = cpu_seconds(), time.monotonic()
    run()
    return 100 * (cpu_seconds() - c0) / (time.monotonic() - t0)


try:
    read_for(3)  # start-up
    reading = share(lambda: read_for(stall_seconds))
    termios.tcflow(device, termios.TCOOFF)
    read_for(0.2)  # what reached the far end before the line stopped
    stalled = share(lambda: time.sleep(stall_seconds))
    termios.tcflow(device, termios.TCOON)
    after = read_for(2)
    print(f"CPU while the rig reads:       {reading:.1f} %")
    print(f"CPU while the rig does not:    {stalled:.1f} % over {stall_seconds:.0f} s")
    print(f"after the stall: {len(after)} bytes, {'whole 25-byte messages' if len(after) % 25 == 0 else 'NOT whole messages'}")
finally:
    proc.terminate()
    proc.wait()
