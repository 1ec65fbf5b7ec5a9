#!/usr/bin/python3
"""A pointer device of the compositor's own (wlroots' virtual pointer), where XTEST reaches only whole X pixels:
on a scaled output it stands on any device pixel, and the compositor passes the fraction on to Xwayland.

    virtual_pointer.py WIDTH HEIGHT      the output's size in device pixels

Reads commands from its input: "move X Y" (to the middle of device pixel X,Y), "click", "quit"; answers READY once
the device exists and OK after each command the compositor has taken. The device goes when its input ends."""
import os
import socket
import struct
import sys
import time

BUTTON_LEFT = 0x110


class Connection:
    def __init__(self):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        path = os.environ["WAYLAND_DISPLAY"]
        if not os.path.isabs(path):
            path = os.path.join(os.environ["XDG_RUNTIME_DIR"], path)
        self.sock.connect(path)
        self.last_id = 1  # the display itself
        self.pending = b""

    def new_id(self):
        self.last_id += 1
        return self.last_id

    def send(self, obj, opcode, payload=b""):
        self.sock.sendall(struct.pack("<II", obj, ((8 + len(payload)) << 16) | opcode) + payload)

    def events(self):
        while True:
            while len(self.pending) >= 8:
                obj, word = struct.unpack_from("<II", self.pending)
                size = word >> 16
                if len(self.pending) < size:
                    break
                body, self.pending = self.pending[8:size], self.pending[size:]
                if obj == 1 and (word & 0xFFFF) == 0:
                    raise SystemExit("compositor error: %r" % body)
                yield obj, word & 0xFFFF, body
            data = self.sock.recv(65536)
            if not data:
                raise SystemExit("the compositor closed the connection")
            self.pending += data

    def roundtrip(self, on_event=lambda obj, opcode, body: None):
        """Waits until the compositor has handled everything sent so far."""
        callback = self.new_id()
        self.send(1, 0, struct.pack("<I", callback))
        for obj, opcode, body in self.events():
            if obj == callback:
                return
            on_event(obj, opcode, body)


def wire_string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    wl = Connection()
    registry = wl.new_id()
    wl.send(1, 1, struct.pack("<I", registry))
    names = {}

    def on_global(obj, opcode, body):
        if obj == registry and opcode == 0:
            name, length = struct.unpack_from("<II", body)
            names[body[8:8 + length - 1].decode()] = name

    wl.roundtrip(on_global)
    for interface in ("wl_seat", "zwlr_virtual_pointer_manager_v1"):
        if interface not in names:
            raise SystemExit("the compositor offers no " + interface)

    def bind(interface):
        obj = wl.new_id()
        wl.send(registry, 0, struct.pack("<I", names[interface]) + wire_string(interface) + struct.pack("<II", 1, obj))
        return obj

    seat = bind("wl_seat")
    manager = bind("zwlr_virtual_pointer_manager_v1")
    pointer = wl.new_id()
    wl.send(manager, 0, struct.pack("<II", seat, pointer))
    wl.roundtrip()
    print("READY", flush=True)

    def now():
        return int(time.monotonic() * 1000) & 0xFFFFFFFF

    def frame():
        wl.send(pointer, 4, struct.pack("<I", now()))

    for line in sys.stdin:
        words = line.split()
        if not words:
            continue
        if words[0] == "move" and len(words) == 3:
            # Twice the output's extent: an odd position is the middle of a device pixel, away from its edges.
            x, y = int(words[1]), int(words[2])
            wl.send(pointer, 1, struct.pack("<IIIII", now(), 2 * x + 1, 2 * y + 1, 2 * width, 2 * height))
            frame()
        elif words[0] == "click":
            for state in (1, 0):
                wl.send(pointer, 2, struct.pack("<III", now(), BUTTON_LEFT, state))
                frame()
        elif words[0] == "quit":
            break
        else:
            raise SystemExit("unknown command: " + line.strip())
        wl.roundtrip()
        print("OK", line.strip(), flush=True)
    wl.send(pointer, 8)
    wl.roundtrip()


if __name__ == "__main__":
    main()
